#pragma once
// A hero builder started on small catalogues written by the test, with helpers that drive the
// Skills page the way the person does: buy from the tree, raise and lower rows, read the
// table and the budget labels.

#include "xml/ValueParsing.h"

#include "BuilderTest.h"

namespace skills_test {

// Terran has no free skills; Vesk gets two broad skills free, Quill one specialty.
inline const char* kSpecies = R"(<SpeciesList>
  <SPECIES><Name>Terran</Name><Source>Core</Source></SPECIES>
  <SPECIES><Name>Vesk</Name><Source>Core</Source><FreeSkills COUNT="2" />
    <FreeSkill NAME="Athletics" /><FreeSkill NAME="Lore" /></SPECIES>
  <SPECIES><Name>Quill</Name><Source>Core</Source><FreeSkills COUNT="1" />
    <FreeSkill NAME="Climb" /></SPECIES>
</SpeciesList>)";

inline const char* kRuleSets = R"(<RuleSets>
  <RULESET NAME="Advanced" Rule2C="True" />
  <RULESET NAME="Option 2A" SkillPtIntMod="0" SkillPtMult="3" BonusSkillPts="30" />
  <RULESET NAME="House" SkillPtIntMod="0" SkillPtMult="4" BonusSkillPts="10" />
</RuleSets>)";

// Each broad skill directly before its specialties; the last run only with "Outer Reaches".
inline const char* kSkills = R"(<Skills>
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

class SkillsTest : public BuilderTest {
protected:
    void SetUp() override {
        WriteData(R"(<Configuration><SOURCE NAME="Outer Reaches" /></Configuration>)", kSpecies,
                  skillsXml, kRuleSets);
        Start();
        prompter.Clear();
    }

    SkillPurchases& Skills() { return builder->Skills(); }
    const TableView& Table() const { return builder->Views().TableNamed("Skills"); }
    const TSkillPointBudget& Budget() const { return builder->Hero().SkillPointBudget; }

    // The first cells of the rows below the header.
    Strings Names() const {
        Strings names;
        for (std::size_t r = 1; r < Table().size(); ++r)
            names.push_back(Table()[r].at(0));
        return names;
    }
    // The row whose first cell, without blanks, is the key; 0 when there is none.
    int RowOf(const std::string& key) const {
        for (std::size_t r = 1; r < Table().size(); ++r)
            if (Trim(Table()[r].at(0)) == key) return static_cast<int>(r);
        return 0;
    }
    TableRow Row(const std::string& key) const {
        const int row = RowOf(key);
        return row > 0 ? Table()[static_cast<std::size_t>(row)] : TableRow(6, "<no row>");
    }
    std::string Rank(const std::string& key) const { return Row(key).at(1); }
    std::string Cost(const std::string& key) const { return Row(key).at(5); }

    // Double-clicks the tree node of an offered skill (nodes stand for the offered entries);
    // the table row then selected.
    int Buy(const std::string& name) {
        const auto& offered = builder->Hero().Skills;
        for (std::size_t i = 0; i < offered.size(); ++i)
            if (offered[i].Name == name) return Skills().BuySkill(static_cast<int>(i));
        ADD_FAILURE() << name << " is not offered";
        return 0;
    }
    void Raise(const std::string& key, int times = 1) {
        for (int i = 0; i < times; ++i)
            Skills().RaiseRowRank(RowOf(key));
    }
    void Lower(const std::string& key) { Skills().LowerRowRank(RowOf(key)); }
    void Remove(const std::string& key) { Skills().RemoveSkill(RowOf(key)); }

    const char* skillsXml = kSkills;
};

} // namespace skills_test
