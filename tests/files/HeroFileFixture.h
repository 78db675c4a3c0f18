#pragma once
// A hero builder started on small catalogues written by the test, with helpers to build a
// hero, save it and read the file back.

#include "BuilderTest.h"

#include <algorithm>

namespace files_test {

inline const char* kConfig = R"(<Configuration>
  <SOURCE NAME="Outer Reaches"/>
  <Motivation NAME="Debt of Honor" SOURCE="Core"/>
  <MoralAttitude NAME="Pragmatic" SOURCE="Core"/>
  <Trait NAME="Stubborn" SOURCE="Core"/>
  <Trait NAME="Patient" SOURCE="Core"/>
  <Trait NAME="Far Gazer" SOURCE="Outer Reaches"/>
</Configuration>)";

// Terran: plain, one free broad skill. Skywing: primitive, glides, half durability.
// Wisp: no durability at all. Driftborn: only with "Outer Reaches".
inline const char* kSpecies = R"(<Catalogue>
  <SPECIES ID="1" PSIMULT="1.0" SKILLPOINTS="0">
    <Name>Terran</Name><Source>Core</Source><ActionStep>0</ActionStep><FreeSkills Count="1"/>
    <FreeSkill NAME="Vigilance"/><NOTE>Terran: adaptable</NOTE>
  </SPECIES>
  <SPECIES ID="2" PRIMITIVE="TRUE" CANGLIDE="TRUE" DURMULT="0.5" MOVEMULT2="1.25" PSIMULT="0.5"
           SKILLPOINTS="5" BROADSKILLS="1">
    <Name>Skywing</Name><Source>Core</Source><ActionStep>1</ActionStep><FreeSkills Count="2"/>
    <FreeSkill NAME="Vigilance"/><FreeSkill NAME="Melee"/>
    <NOTE>Skywing: hollow bones</NOTE><NOTE>Skywing: glides</NOTE><NOTE>Skywing: fears the deep</NOTE>
    <NOTE>Skywing: fourth note</NOTE><NOTE>Skywing: fifth note</NOTE>
    <STR MIN="3" MAX="12"/><CON MIN="4" MAX="12"/>
  </SPECIES>
  <SPECIES ID="3" DURMULT="0"><Name>Wisp</Name><Source>Core</Source></SPECIES>
  <SPECIES ID="4"><Name>Driftborn</Name><Source>Outer Reaches</Source></SPECIES>
</Catalogue>)";

inline const char* kSkills = R"(<SKILLS>
  <SKILL NAME="Melee" BROADSKILL="Melee" SOURCE="Core" ATTRIB="1" BASEPRICE="3" PROFESSIONS="C" UNTRAINED="TRUE"/>
  <SKILL NAME="Blades" BROADSKILL="Melee" SOURCE="Core" ATTRIB="1" BASEPRICE="2" PROFESSIONS="C" COMBATSPEC="True"/>
  <SKILL NAME="Lore" BROADSKILL="Lore" SOURCE="Core" ATTRIB="4" BASEPRICE="3"/>
  <SKILL NAME="Language" BROADSKILL="Lore" SOURCE="Core" ATTRIB="4" BASEPRICE="2" MULTI="TRUE"/>
  <SKILL NAME="Vigilance" BROADSKILL="Vigilance" SOURCE="Core" ATTRIB="6" BASEPRICE="3" UNTRAINED="TRUE"/>
  <SKILL NAME="Star Charts" BROADSKILL="Star Charts" SOURCE="Outer Reaches" ATTRIB="4" BASEPRICE="3"/>
</SKILLS>)";

inline const char* kRuleSets =
    R"(<RuleSets><RULESET NAME="Lean" AttributePts="54" SkillPtIntMod="-2" SkillPtMult="4"/></RuleSets>)";

class HeroFileTest : public BuilderTest {
protected:
    void SetUp() override {
        WriteData(kConfig, kSpecies, kSkills, kRuleSets);
        Start();
    }
    // Starts (or restarts) the program, watching the import messages window.
    void Start() {
        BuilderTest::Start();
        Files().SetMessagesWindow([this] { windowShown.push_back(Files().ImportErrors()); });
        prompter.Clear();
    }

    THero& Hero() { return builder->Hero(); }
    void Choose(IdentityChoice choice, const std::string& text, const Strings& items) {
        builder->Identity().Choose(choice, IndexOf(items, text));
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
    void OpenText(const std::string& text) {
        app.Write("in.xml", text);
        Open("in.xml");
    }

    std::vector<Strings> windowShown; // each showing of the messages window
};

// The lines of a file's text, without their CR LF ends.
inline Strings Lines(const std::string& text) {
    Strings lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
        end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// The lines from the first one equal to `first` up to and including the next equal to `last`.
inline Strings Section(const std::string& text, const std::string& first, const std::string& last) {
    const Strings lines = Lines(text);
    const auto from = std::find(lines.begin(), lines.end(), first);
    const auto to = std::find(from, lines.end(), last);
    return Strings(from, to == lines.end() ? to : to + 1);
}

} // namespace files_test
