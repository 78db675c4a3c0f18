#include "hero/SpeciesCatalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <tuple>

namespace fs = std::filesystem;

namespace {

// Catalogue files in a folder of their own under the system's temporary directory.
class SpeciesFile : public ::testing::Test {
protected:
    SpeciesFile() { fs::create_directories(folder_); }
    ~SpeciesFile() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    fs::path Write(const std::string& body, const std::string& name = "species.xml") {
        std::ofstream(folder_ / name) << "<?xml version=\"1.0\"?>\n<LIST>\n" << body << "</LIST>\n";
        return folder_ / name;
    }

    TSpeciesData Read(const fs::path& file, const std::string& chosen) {
        log_.clear();
        return ReadSpecies(file, chosen, [this](const std::string& line) { log_.push_back(line); });
    }

    const fs::path folder_ = fs::temp_directory_path() /
                             ("tavorn-species-" + std::to_string(std::random_device{}()) + "-" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::vector<std::string> log_;
};

bool CoreOrExtra(const std::string& source) {
    return source == "Core" || source == "Extra";
}

} // namespace

TEST_F(SpeciesFile, ScanListsActiveSourcesAndInheritsAMissingSource) {
    const fs::path file = Write(R"(
<SPECIES><Name>Human</Name><Source>Core</Source></SPECIES>
<species><name>Borrower</name></species>
<SPECIES><NAME>Hidden</NAME><SOURCE>Inactive</SOURCE></SPECIES>
<SPECIES><Name>Also Hidden</Name></SPECIES>
<SPECIES><Name>Visitor</Name><Source>Extra</Source></SPECIES>
)");
    SpeciesNameScanner scanner;
    XmlReadResult result;
    EXPECT_EQ(scanner.Scan(file, CoreOrExtra, &result),
              (std::vector<std::string>{"Human", "Borrower", "Visitor"}));
    EXPECT_TRUE(result.ok());

    // The last source seen survives into the next scan.
    const fs::path second = Write("<SPECIES><Name>Drifter</Name></SPECIES>\n", "second.xml");
    EXPECT_EQ(scanner.Scan(second, CoreOrExtra), std::vector<std::string>{"Drifter"});
    EXPECT_TRUE(SpeciesNameScanner{}.Scan(second, CoreOrExtra).empty());
}

TEST_F(SpeciesFile, SameNameTwiceIsListedTwiceButTheFirstIsRead) {
    const fs::path file = Write(R"(
<SPECIES ID="1"><Name>Twin</Name><Source>Core</Source><ActionStep>1</ActionStep></SPECIES>
<SPECIES ID="2"><Name>Twin</Name><Source>Extra</Source><ActionStep>2</ActionStep></SPECIES>
<SPECIES ID="3"><Name>Other</Name><Source>Core</Source></SPECIES>
)");
    EXPECT_EQ(SpeciesNameScanner{}.Scan(file, CoreOrExtra),
              (std::vector<std::string>{"Twin", "Twin", "Other"}));

    const TSpeciesData twin = Read(file, "Twin");
    EXPECT_TRUE(twin.Found);
    EXPECT_EQ(twin.ID, 1);
    EXPECT_EQ(twin.Source, "Core");
    EXPECT_EQ(twin.ActionStep, 1);
    // Reading stops taking effect after the chosen species.
    EXPECT_EQ(log_, (std::vector<std::string>{"CurSpecies.Name=Twin"}));
}

TEST_F(SpeciesFile, UnknownNameEndsAtTheLastSpecies) {
    const fs::path file = Write(R"(
<SPECIES CANFLY="True"><Name>First</Name><Source>Core</Source></SPECIES>
<SPECIES><Name>Last</Name><Source>Core</Source></SPECIES>
)");
    const TSpeciesData species = Read(file, "Nobody");
    EXPECT_FALSE(species.Found);
    EXPECT_EQ(species.Name, "Last");
    EXPECT_FALSE(species.CanFly); // nothing kept from the species before

    XmlReadResult missing;
    const TSpeciesData none = ReadSpecies(folder_ / "absent.xml", "First", nullptr, &missing);
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(none.Name, "");
    EXPECT_EQ(none.DurMult, 1.0);
}

TEST_F(SpeciesFile, ChildNamesInAnotherCaseAreSeenByTheScanOnly) {
    const fs::path file = Write(R"(
<SPECIES><NAME>Shouter</NAME><source>Core</source><ACTIONSTEP>2</ACTIONSTEP></SPECIES>
)");
    EXPECT_EQ(SpeciesNameScanner{}.Scan(file, CoreOrExtra), std::vector<std::string>{"Shouter"});
    const TSpeciesData species = Read(file, "Shouter");
    EXPECT_FALSE(species.Found);
    EXPECT_EQ(species.Name, "");
    EXPECT_EQ(species.Source, "");
    EXPECT_EQ(species.ActionStep, 0);
    EXPECT_TRUE(log_.empty());
}

TEST_F(SpeciesFile, FullReadOfEveryField) {
    const fs::path file = Write(R"(
<Species id="12" psionic="true" armor="d4 LI" naturalattack="Claw" dmgo="d4s" dmgg="d4+1s"
  dmga="d4w" canglide="TRUE" canfly="yes" skillpoints="5" broadskills="2" durmult="1.5"
  primitive="True" cyberskill="true" cybermult="0.5" cyberbonus="-2" movemult1="1.25"
  movemult2="0.5" movesdc="1" movecalc="True" psimult=" 2.5 ">
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
    EXPECT_EQ(
        (std::vector{s.Name, s.Source, s.Armor, s.NaturalAttack, s.DmgO, s.DmgG, s.DmgA}),
        (std::vector<std::string>{"Skyborn", "Extra", "d4 LI", "Claw", "d4s", "d4+1s", "d4w"}));
    EXPECT_EQ(s.AttrMin, (std::array<int, 6>{6, 5, 4, 4, 4, 4})); // "Per" is not PER
    EXPECT_EQ(s.AttrMax, (std::array<int, 6>{16, 15, 14, 14, 14, 14}));
    EXPECT_EQ(s.FreeSkillCount, 2);
    EXPECT_EQ(s.FreeSkills[0], "Flight");
    EXPECT_EQ(s.FreeSkills[1], "Tracking");
    EXPECT_EQ(s.Notes[0], "Sees in the dark");
    EXPECT_EQ(log_, (std::vector<std::string>{"DurMult = 1.5", "PsiMult =  2.5 ",
                                              "CurSpecies.Name=Skyborn"}));
}

TEST_F(SpeciesFile, UnreadableValuesFallBackOrKeepTheirValue) {
    const fs::path file = Write(R"(
<SPECIES ID="x" SKILLPOINTS="1.5" BROADSKILLS="" DURMULT="much" MOVEMULT1="fast"
  MOVEMULT2="" MOVESDC="maybe" MOVECALC="?" PSIMULT="n/a" CYBERMULT="?" CYBERBONUS="2.5">
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
    EXPECT_FALSE(s.MoveSDC || s.MoveCalc);
    EXPECT_EQ(std::tie(s.AttrMin[attSTR], s.AttrMax[attSTR], s.FreeSkillCount),
              std::make_tuple(5, 15, 3));
    EXPECT_EQ(log_, (std::vector<std::string>{"DurMult = much", "PsiMult = n/a",
                                              "CurSpecies.Name=Blurred"}));
}

TEST_F(SpeciesFile, AtMostEightNotesAndTwelveFreeSkills) {
    std::string body = "<SPECIES><Name>Crowded</Name><FreeSkills N=\"12\"/>\n";
    for (int i = 1; i <= 9; ++i)
        body += "<NOTE>note " + std::to_string(i) + "</NOTE>\n";
    for (int i = 1; i <= 13; ++i)
        body += "<FreeSkill NAME=\"skill " + std::to_string(i) + "\"/>\n";
    body += "</SPECIES>\n";
    const TSpeciesData s = Read(Write(body), "Crowded");
    EXPECT_EQ(s.Notes.front(), "note 1");
    EXPECT_EQ(s.Notes.back(), "note 8");
    EXPECT_EQ(s.FreeSkills.front(), "skill 1");
    EXPECT_EQ(s.FreeSkills.back(), "skill 12"); // the thirteenth is ignored
}
