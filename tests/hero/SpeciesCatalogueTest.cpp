#include "hero/SpeciesCatalogue.h"

#include "TempAppDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

namespace {

class SpeciesFile : public ::testing::Test {
protected:
    fs::path Write(const std::string& body, const std::string& name = "species.xml") {
        return app.Write(name, "<?xml version=\"1.0\"?>\n<LIST>\n" + body + "</LIST>\n");
    }
    TSpeciesData Read(const fs::path& file, const std::string& chosen) {
        log.clear();
        return ReadSpecies(file, chosen, [this](const std::string& line) { log.push_back(line); });
    }
    static bool CoreOrExtra(const std::string& source) {
        return source == "Core" || source == "Extra";
    }

    TempAppDir app;
    Strings log;
};

TEST_F(SpeciesFile, ScanListsActiveSourcesAndInheritsAMissingSource) {
    const fs::path file = Write(R"(
<SPECIES><Name>Human</Name><Source>Core</Source></SPECIES>
<species><name>Borrower</name></species>
<SPECIES><NAME>Hidden</NAME><SOURCE>Inactive</SOURCE></SPECIES>
<SPECIES><Name>Also Hidden</Name></SPECIES>
<SPECIES><Name>Visitor</Name><Source>Extra</Source></SPECIES>
)");
    SpeciesNameScanner scanner;
    EXPECT_EQ(scanner.Scan(file, CoreOrExtra), (Strings{"Human", "Borrower", "Visitor"}));

    // The last source seen survives into the next scan.
    const fs::path second = Write("<SPECIES><Name>Drifter</Name></SPECIES>\n", "second.xml");
    EXPECT_EQ(scanner.Scan(second, CoreOrExtra), Strings{"Drifter"});
    EXPECT_TRUE(SpeciesNameScanner{}.Scan(second, CoreOrExtra).empty());
}

TEST_F(SpeciesFile, SameNameTwiceIsListedTwiceButTheFirstIsRead) {
    const fs::path file = Write(R"(
<SPECIES ID="1"><Name>Twin</Name><Source>Core</Source><ActionStep>1</ActionStep></SPECIES>
<SPECIES ID="2"><Name>Twin</Name><Source>Extra</Source><ActionStep>2</ActionStep></SPECIES>
<SPECIES CANFLY="True"><Name>Other</Name><Source>Core</Source></SPECIES>
<SPECIES><Name>Last</Name><Source>Core</Source></SPECIES>
)");
    EXPECT_EQ(SpeciesNameScanner{}.Scan(file, CoreOrExtra),
              (Strings{"Twin", "Twin", "Other", "Last"}));
    const TSpeciesData twin = Read(file, "Twin");
    EXPECT_EQ(std::tie(twin.Found, twin.ID, twin.Source, twin.ActionStep),
              std::make_tuple(true, 1, std::string("Core"), 1));
    EXPECT_EQ(log, Strings{"CurSpecies.Name=Twin"}); // nothing read after the chosen one

    // An unknown name ends on the last species, keeping nothing from the one before.
    const TSpeciesData nobody = Read(file, "Nobody");
    EXPECT_FALSE(nobody.Found);
    EXPECT_EQ(nobody.Name, "Last");
    EXPECT_FALSE(nobody.CanFly);
}

TEST_F(SpeciesFile, ChildNamesInAnotherCaseAreSeenByTheScanOnly) {
    const fs::path file = Write(R"(
<SPECIES><NAME>Shouter</NAME><source>Core</source><ACTIONSTEP>2</ACTIONSTEP></SPECIES>
)");
    EXPECT_EQ(SpeciesNameScanner{}.Scan(file, CoreOrExtra), Strings{"Shouter"});
    const TSpeciesData species = Read(file, "Shouter");
    EXPECT_FALSE(species.Found);
    EXPECT_EQ(species.Name + species.Source, "");
    EXPECT_EQ(species.ActionStep, 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(SpeciesFile, FullReadOfEveryField) {
    const fs::path file = Write(R"(
<Species id="12" psionic="true" armor="d4 LI" naturalattack="Claw" dmga="d4w" canglide="TRUE"
  canfly="yes" skillpoints="5" broadskills="2" durmult="1.5" primitive="True" cyberskill="true"
  cybermult="0.5" cyberbonus="-2" movemult1="1.25" movemult2="0.5" movesdc="1" movecalc="True"
  psimult=" 2.5 ">
  <Name>Skyborn</Name><Source>Extra</Source><ActionStep>-1</ActionStep>
  <STR MIN="6" max="16"/><DEX Min="5" MAX="15"></DEX><Per MIN="1" MAX="2"/>
  <FreeSkills count="2"/><FreeSkill NAME="Flight"/><FreeSkill name="Tracking"></FreeSkill>
  <Note>Sees in the dark</Note>
</Species>
)");
    const TSpeciesData s = Read(file, "Skyborn");
    EXPECT_TRUE(s.Found);
    EXPECT_EQ(std::tie(s.ID, s.SkillPoints, s.BroadSkills, s.CyberBonus, s.ActionStep),
              std::make_tuple(12, 5, 2, -2, -1));
    // CANFLY: only "true" in any letter case counts.
    EXPECT_EQ(
        std::tie(s.Psionic, s.CanGlide, s.CanFly, s.Primitive, s.CyberSkill, s.MoveSDC, s.MoveCalc),
        std::make_tuple(true, true, false, true, true, true, true));
    EXPECT_EQ(std::tie(s.DurMult, s.PsiMult, s.MoveMult1, s.MoveMult2, s.CyberMult),
              std::make_tuple(1.5, 2.5, 1.25, 0.5, 0.5));
    EXPECT_EQ((Strings{s.Name, s.Source, s.Armor, s.NaturalAttack, s.DmgA}),
              (Strings{"Skyborn", "Extra", "d4 LI", "Claw", "d4w"}));
    EXPECT_EQ(s.AttrMin, (std::array<int, 6>{6, 5, 4, 4, 4, 4})); // "Per" is not PER
    EXPECT_EQ(s.AttrMax[attDEX], 15);
    EXPECT_EQ((Strings{s.FreeSkills[0], s.FreeSkills[1], s.Notes[0]}),
              (Strings{"Flight", "Tracking", "Sees in the dark"}));
    EXPECT_EQ(log, (Strings{"DurMult = 1.5", "PsiMult =  2.5 ", "CurSpecies.Name=Skyborn"}));
}

TEST_F(SpeciesFile, UnreadableValuesFallBackOrKeepTheirValue) {
    const fs::path file = Write(R"(
<SPECIES ID="x" SKILLPOINTS="1.5" BROADSKILLS="" DURMULT="much" MOVEMULT1="fast"
  MOVEMULT2="" MOVESDC="maybe" PSIMULT="n/a" CYBERMULT="?" CYBERBONUS="2.5">
  <Name>Blurred</Name><ActionStep>two</ActionStep>
  <STR MIN="5" MAX="15"/><STR MIN="five" MAX="15.5"/>
  <FreeSkills COUNT="3"/><FreeSkills COUNT="many"/>
</SPECIES>
)");
    const TSpeciesData s = Read(file, "Blurred");
    EXPECT_EQ(std::tie(s.ID, s.SkillPoints, s.BroadSkills, s.CyberBonus, s.ActionStep),
              std::make_tuple(-1, 0, 0, 0, 0));
    EXPECT_EQ(std::tie(s.DurMult, s.PsiMult, s.MoveMult1, s.MoveMult2, s.CyberMult),
              std::make_tuple(0.0, 1.0, 1.0, 1.0, 1.0));
    EXPECT_FALSE(s.MoveSDC);
    EXPECT_EQ(std::tie(s.AttrMin[attSTR], s.AttrMax[attSTR], s.FreeSkillCount),
              std::make_tuple(5, 15, 3));
}

TEST_F(SpeciesFile, NumbersOutsideWhatTheRulesUseCountAsUnreadable) {
    const fs::path file = Write(R"(
<SPECIES ID="2147483647" SKILLPOINTS="2147483647" BROADSKILLS="100" DURMULT="100000000000000000000"
  MOVEMULT1="2147483647" MOVEMULT2="100.5" PSIMULT="-0.5" CYBERMULT="1000" CYBERBONUS="-100">
  <Name>Colossus</Name><ActionStep>2147483647</ActionStep>
  <STR MIN="0" MAX="2147483647"/><DEX MIN="-2147483648" MAX="100"/><CON MIN="1" MAX="99"/>
  <FreeSkills COUNT="13"/>
</SPECIES>
<SPECIES SKILLPOINTS="-1000" BROADSKILLS="99" DURMULT="100" MOVEMULT1="0" CYBERBONUS="99">
  <Name>Edge</Name><ActionStep>-99</ActionStep><FreeSkills COUNT="12"/>
</SPECIES>
)");
    const TSpeciesData s = Read(file, "Colossus");
    EXPECT_EQ(std::tie(s.ID, s.SkillPoints, s.BroadSkills, s.CyberBonus, s.ActionStep),
              std::make_tuple(INT_MAX, 0, 0, 0, 0));
    EXPECT_EQ(std::tie(s.DurMult, s.PsiMult, s.MoveMult1, s.MoveMult2, s.CyberMult),
              std::make_tuple(0.0, 1.0, 1.0, 1.0, 1.0));
    EXPECT_EQ(s.AttrMin, (std::array<int, 6>{4, 4, 1, 4, 4, 4}));
    EXPECT_EQ(s.AttrMax, (std::array<int, 6>{14, 14, 99, 14, 14, 14}));
    EXPECT_EQ(s.FreeSkillCount, 0);
    EXPECT_EQ(log.front(), "DurMult = 100000000000000000000"); // logged as written

    // The ends of each range are taken.
    const TSpeciesData edge = Read(file, "Edge");
    EXPECT_EQ(std::tie(edge.SkillPoints, edge.BroadSkills, edge.CyberBonus, edge.ActionStep,
                       edge.FreeSkillCount),
              std::make_tuple(-1000, 99, 99, -99, 12));
    EXPECT_EQ(std::tie(edge.DurMult, edge.MoveMult1), std::make_tuple(100.0, 0.0));
}

TEST_F(SpeciesFile, AtMostEightNotesAndTwelveFreeSkills) {
    std::string body = "<SPECIES><Name>Crowded</Name><FreeSkills N=\"12\"/>\n";
    for (int i = 1; i <= 13; ++i)
        body += "<NOTE>note " + std::to_string(i) + "</NOTE><FreeSkill NAME=\"skill " +
                std::to_string(i) + "\"/>\n";
    const TSpeciesData s = Read(Write(body + "</SPECIES>\n"), "Crowded");
    EXPECT_EQ(s.Notes.back(), "note 8");
    EXPECT_EQ(s.FreeSkills.back(), "skill 12"); // the thirteenth is ignored
}

} // namespace
