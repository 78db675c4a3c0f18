#pragma once
// A hero builder started on small catalogues written by the test, with helpers to build a
// hero, save it and read the file back.

#include "app/HeroBuilder.h"
#include "app/ScriptedPrompter.h"

#include "TempAppDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace files_test {

using Kind = ScriptedPrompter::Kind;

inline const char* kConfig = R"(<?xml version="1.0"?>
<Configuration>
  <SOURCE NAME="Outer Reaches"/>
  <Motivation NAME="Restless Curiosity" SOURCE="Core"/>
  <Motivation NAME="Debt of Honor" SOURCE="Core"/>
  <MoralAttitude NAME="Steadfast" SOURCE="Core"/>
  <MoralAttitude NAME="Pragmatic" SOURCE="Core"/>
  <Trait NAME="Stubborn" SOURCE="Core"/>
  <Trait NAME="Patient" SOURCE="Core"/>
  <Trait NAME="Far Gazer" SOURCE="Outer Reaches"/>
</Configuration>)";

// Terran: plain, one free broad skill. Skywing: primitive, glides, half durability.
// Wisp: no durability at all. Driftborn: only with "Outer Reaches".
inline const char* kSpecies = R"(<?xml version="1.0"?>
<Catalogue>
  <SPECIES ID="1" PSIMULT="1.0" SKILLPOINTS="0">
    <Name>Terran</Name><Source>Core</Source><ActionStep>0</ActionStep><FreeSkills Count="1"/>
    <FreeSkill NAME="Vigilance"/>
    <NOTE>Terran: adaptable</NOTE>
    <NOTE>Terran: no special abilities</NOTE>
  </SPECIES>
  <SPECIES ID="2" PRIMITIVE="TRUE" CANGLIDE="TRUE" DURMULT="0.5" MOVEMULT2="1.25" PSIMULT="0.5" SKILLPOINTS="5" BROADSKILLS="1">
    <Name>Skywing</Name><Source>Core</Source><ActionStep>1</ActionStep><FreeSkills Count="2"/>
    <FreeSkill NAME="Vigilance"/>
    <FreeSkill NAME="Melee"/>
    <NOTE>Skywing: hollow bones</NOTE>
    <NOTE>Skywing: glides</NOTE>
    <NOTE>Skywing: fears the deep</NOTE>
    <NOTE>Skywing: fourth note</NOTE>
    <NOTE>Skywing: fifth note</NOTE>
    <STR MIN="3" MAX="12"/>
    <CON MIN="4" MAX="12"/>
  </SPECIES>
  <SPECIES ID="3" DURMULT="0">
    <Name>Wisp</Name><Source>Core</Source>
  </SPECIES>
  <SPECIES ID="4">
    <Name>Driftborn</Name><Source>Outer Reaches</Source>
  </SPECIES>
</Catalogue>)";

inline const char* kSkills = R"(<?xml version="1.0"?>
<SKILLS>
  <SKILL NAME="Melee" BROADSKILL="Melee" SOURCE="Core" ATTRIB="1" BASEPRICE="3" PROFESSIONS="C" UNTRAINED="TRUE"/>
  <SKILL NAME="Blades" BROADSKILL="Melee" SOURCE="Core" ATTRIB="1" BASEPRICE="2" PROFESSIONS="C" COMBATSPEC="True"/>
  <SKILL NAME="Pilotry" BROADSKILL="Pilotry" SOURCE="Core" ATTRIB="2" BASEPRICE="3"/>
  <SKILL NAME="Ground Vehicle" BROADSKILL="Pilotry" SOURCE="Core" ATTRIB="2" BASEPRICE="2" MULTI="TRUE"/>
  <SKILL NAME="Lore" BROADSKILL="Lore" SOURCE="Core" ATTRIB="4" BASEPRICE="3"/>
  <SKILL NAME="Language" BROADSKILL="Lore" SOURCE="Core" ATTRIB="4" BASEPRICE="2" MULTI="TRUE"/>
  <SKILL NAME="Vigilance" BROADSKILL="Vigilance" SOURCE="Core" ATTRIB="6" BASEPRICE="3" UNTRAINED="TRUE"/>
  <SKILL NAME="Star Charts" BROADSKILL="Star Charts" SOURCE="Outer Reaches" ATTRIB="4" BASEPRICE="3"/>
</SKILLS>)";

inline const char* kRuleSets =
    R"(<RuleSets><RULESET NAME="Lean" AttributePts="54" SkillPtIntMod="-2" SkillPtMult="4"/></RuleSets>)";

// Profession list positions.
inline constexpr int kCombatSpec = 0, kFreeAgent = 4, kTechOp = 5, kMindwalker = 6;

class HeroFileTest : public ::testing::Test {
protected:
    HeroFileTest() {
        app.Write("Data/config.xml", kConfig);
        app.Write("Data/species.xml", kSpecies);
        app.Write("Data/skills.xml", kSkills);
        app.Write("Data/rulesets.xml", kRuleSets);
        app.Write("defaults.xml", "<Defaults><Sources Active=\"Core\" /></Defaults>");
    }

    void SetUp() override { Start(); }

    // Starts (or restarts) the program on the files written so far.
    void Start() {
        builder.reset();
        paths = std::make_unique<AppPaths>(app.Root());
        builder = std::make_unique<HeroBuilder>(prompter, *paths);
        ASSERT_TRUE(builder->FormCreate());
        builder->Files.SetMessagesWindow([this] { windowShown.push_back(Files().ImportErrors()); });
        prompter.Clear();
    }

    HeroFiles& Files() { return builder->Files; }
    THero& Hero() { return builder->Hero; }
    std::string Label(const std::string& name) const { return builder->Views.Label(name).text; }

    void ChooseSpecies(const std::string& name) {
        const auto& list = builder->Species.List();
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i] == name) return builder->Species.CmbSpeciesChange(static_cast<int>(i));
        FAIL() << "no species " << name;
    }
    void ChooseIdentity(IdentityChoice choice, const std::string& text,
                        const std::vector<std::string>& items) {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == text) return builder->ChooseIdentity(choice, static_cast<int>(i));
        FAIL() << "no choice " << text;
    }

    // A path in the test's folder.
    std::filesystem::path Path(const std::string& name) const { return app.Root() / name; }

    // Saves the hero without dialogs; the text written.
    std::string SaveTo(const std::string& name) {
        EXPECT_TRUE(Files().SaveHeroFile(Path(name)));
        return app.Read(name);
    }

    // Opens a file as "Open Character" does after its dialog.
    void Open(const std::string& name) { ASSERT_TRUE(Files().OpenPath(Path(name))); }

    // Writes a file's text and opens it.
    void OpenText(const std::string& text, const std::string& name = "in.xml") {
        app.Write(name, text);
        Open(name);
    }

    TempAppDir app;
    ScriptedPrompter prompter;
    std::unique_ptr<AppPaths> paths;
    std::unique_ptr<HeroBuilder> builder;
    std::vector<std::vector<std::string>> windowShown; // each showing of the messages window
};

// The lines of a file's text, without their CR LF ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The lines that follow the first line equal to `first`, up to and including the first line
// equal to `last`.
inline std::vector<std::string> Section(const std::string& text, const std::string& first,
                                        const std::string& last) {
    const auto lines = Lines(text);
    std::vector<std::string> section;
    bool inside = false;
    for (const std::string& line : lines) {
        if (!inside && line == first) inside = true;
        if (inside) section.push_back(line);
        if (inside && line == last) break;
    }
    return section;
}

} // namespace files_test
