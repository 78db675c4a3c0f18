#pragma once
// A hero builder started on small catalogues written by the test, with helpers that drive the
// Skills page the way the person does: buy from the tree, raise and lower rows, read the
// table and the budget labels.

#include "app/HeroBuilder.h"
#include "app/ScriptedPrompter.h"
#include "xml/ValueParsing.h"

#include "TempAppDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace skills_test {

inline const char* kConfig = R"(<?xml version="1.0"?>
<Configuration>
  <SOURCE NAME="Outer Reaches" />
</Configuration>)";

// Terran has no free skills; Vesk gets two broad skills free, Quill one specialty.
inline const char* kSpecies = R"(<?xml version="1.0"?>
<SpeciesList>
  <SPECIES ID="1"><Name>Terran</Name><Source>Core</Source></SPECIES>
  <SPECIES ID="2"><Name>Vesk</Name><Source>Core</Source>
    <FreeSkills COUNT="2" /><FreeSkill NAME="Athletics" /><FreeSkill NAME="Lore" />
  </SPECIES>
  <SPECIES ID="3"><Name>Quill</Name><Source>Core</Source>
    <FreeSkills COUNT="1" /><FreeSkill NAME="Climb" />
  </SPECIES>
</SpeciesList>)";

inline const char* kRuleSets = R"(<?xml version="1.0"?>
<RuleSets>
  <RULESET NAME="Advanced" Rule2C="True" />
  <RULESET NAME="Option 2A" SkillPtIntMod="0" SkillPtMult="3" BonusSkillPts="30" />
  <RULESET NAME="House" SkillPtIntMod="0" SkillPtMult="4" BonusSkillPts="10" />
</RuleSets>)";

// Each broad skill directly before its specialties; the last run only with "Outer Reaches".
inline const char* kSkills = R"(<?xml version="1.0"?>
<Skills>
  <SKILL NAME="Athletics" BROADSKILL="Athletics" SOURCE="Core" ATTRIB="1" BASEPRICE="4" />
  <SKILL NAME="Climb" BROADSKILL="Athletics" SOURCE="Core" ATTRIB="1" BASEPRICE="3" PROFESSIONS="CF" />
  <SKILL NAME="Swim" BROADSKILL="Athletics" SOURCE="Core" ATTRIB="1" BASEPRICE="3" PROFESSIONS="DT" />
  <SKILL NAME="Firearms" BROADSKILL="Firearms" SOURCE="Core" ATTRIB="2" BASEPRICE="4" />
  <SKILL NAME="Sidearm" BROADSKILL="Firearms" SOURCE="Core" ATTRIB="2" BASEPRICE="3" PROFESSIONS="C" COMBATSPEC="True" />
  <SKILL NAME="Lore" BROADSKILL="Lore" SOURCE="Core" ATTRIB="4" BASEPRICE="3" />
  <SKILL NAME="Language" BROADSKILL="Lore" SOURCE="Core" ATTRIB="4" BASEPRICE="2" MULTI="TRUE" />
  <SKILL NAME="Meditate" BROADSKILL="Meditate" SOURCE="Core" ATTRIB="0" BASEPRICE="5" />
  <SKILL NAME="Starcraft" BROADSKILL="Starcraft" SOURCE="Outer Reaches" ATTRIB="2" BASEPRICE="4" />
  <SKILL NAME="Helm" BROADSKILL="Starcraft" SOURCE="Outer Reaches" ATTRIB="2" BASEPRICE="3" />
  <SKILL NAME="Pilot" BROADSKILL="Starcraft" SOURCE="Outer Reaches" ATTRIB="2" BASEPRICE="2" MULTI="TRUE" />
</Skills>)";

class SkillsTest : public ::testing::Test {
protected:
    using Kind = ScriptedPrompter::Kind;

    void SetUp() override {
        app.Write("Data/config.xml", kConfig);
        app.Write("Data/species.xml", kSpecies);
        app.Write("Data/rulesets.xml", kRuleSets);
        app.Write("Data/skills.xml", skillsXml);
        app.Write("defaults.xml", "<Defaults><Sources Active=\"Core\" /></Defaults>");
        paths.emplace(app.Root());
        builder.emplace(prompter, *paths);
        ASSERT_TRUE(builder->FormCreate());
        prompter.Clear();
    }

    SkillPurchases& Skills() { return builder->Skills; }
    const TableView& Table() const { return builder->Views.Table("Skills"); }
    std::string Label(const std::string& name) const { return builder->Views.Label(name).text; }
    const TSkillPointBudget& Budget() const { return builder->Hero.SkillPointBudget; }

    // The first cells of the rows below the header.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (std::size_t r = 1; r < Table().size(); ++r)
            names.push_back(Table()[r].empty() ? std::string() : Table()[r][0]);
        return names;
    }
    // The row whose first cell, without blanks, is the key; 0 when there is none.
    int RowOf(const std::string& key) const {
        for (std::size_t r = 1; r < Table().size(); ++r)
            if (!Table()[r].empty() && Trim(Table()[r][0]) == key) return static_cast<int>(r);
        return 0;
    }
    TableRow Row(const std::string& key) const {
        const int row = RowOf(key);
        return row > 0 ? Table()[static_cast<std::size_t>(row)] : TableRow{};
    }
    std::string Rank(const std::string& key) const {
        const TableRow row = Row(key);
        return row.size() > 1 ? row[1] : "<no row>";
    }
    std::string Cost(const std::string& key) const {
        const TableRow row = Row(key);
        return row.size() > 5 ? row[5] : "<no row>";
    }

    // The tree node of an offered skill (nodes stand for the offered entries in order).
    int Node(const std::string& name) const {
        const auto& offered = builder->Hero.Skills;
        for (std::size_t i = 0; i < offered.size(); ++i)
            if (offered[i].Name == name) return static_cast<int>(i);
        ADD_FAILURE() << name << " is not offered";
        return -1;
    }
    void Buy(const std::string& name) { Skills().TvSkillsDblClick(Node(name)); }
    void Raise(const std::string& key, int times = 1) {
        for (int i = 0; i < times; ++i)
            Skills().CmdSkillUpClick(RowOf(key));
    }
    void Lower(const std::string& key) { Skills().CmdSkillDnClick(RowOf(key)); }
    void Remove(const std::string& key) { Skills().CmdSkillRemClick(RowOf(key)); }

    void ChooseRules(const std::string& caption) {
        const auto& entries = builder->Rules.ruleSets.Entries();
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].caption == caption) return builder->Rules.RuleSetClick(i);
        ADD_FAILURE() << "no rule set " << caption;
    }
    void ChooseProfession(const std::string& name) {
        const auto& choices = builder->Professions.choices;
        for (std::size_t i = 0; i < choices.size(); ++i)
            if (choices[i] == name)
                return builder->Professions.CmbProfessionChange(static_cast<int>(i));
        ADD_FAILURE() << "no profession " << name;
    }
    void ChooseSpecies(const std::string& name) {
        const auto& items = builder->Views.Choice("Species").items;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == name) return builder->Species.CmbSpeciesChange(static_cast<int>(i));
        ADD_FAILURE() << "no species " << name;
    }
    void ToggleSource(const std::string& caption) {
        const int entry = builder->Rules.sources.FindEntryByCaption(caption);
        ASSERT_GE(entry, 0) << caption;
        builder->Rules.SourceClick(static_cast<std::size_t>(entry));
    }

    std::string skillsXml = kSkills;
    TempAppDir app;
    ScriptedPrompter prompter;
    std::optional<AppPaths> paths;
    std::optional<HeroBuilder> builder;
};

} // namespace skills_test
