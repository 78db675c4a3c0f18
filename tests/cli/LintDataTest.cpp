// The data lint over the bundled catalogues and over a copy with one planted fault of each
// kind, in core and through "tavorn-cli lint-data"; and the readers taking the very fallbacks
// the lint names.

#include "TempAppDir.h"
#include "app/Paths.h"
#include "gear/Cyberware.h"
#include "gear/Equipment.h"
#include "lint/DataLint.h"
#include "rules/RuleSetList.h"
#include "ships/ShipCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

std::set<std::string> Lines(const std::vector<LintFinding>& findings) {
    std::set<std::string> lines;
    for (const LintFinding& finding : findings)
        lines.insert(LintLine(finding));
    return lines;
}

// A copy of the bundled data folder with faults planted into it.
class PlantedFaults {
public:
    PlantedFaults() { app.CopyBundledData(); }

    // Puts `text` before the closing tag `root` of a catalogue.
    void Append(const std::string& file, const std::string& root, const std::string& text) {
        Replace(file, "</" + root + ">", text + "\n</" + root + ">");
    }
    // Replaces the first `from` of a catalogue with `to`.
    void Replace(const std::string& file, const std::string& from, const std::string& to) {
        std::string text = app.Read("Data/" + file);
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from << " not in " << file;
        text.replace(at, from.size(), to);
        app.Write("Data/" + file, text);
    }

    // One fault of each kind the lint reports, and the line each must give.
    std::set<std::string> PlantOneOfEach() {
        std::set<std::string> expected;
        // Values the readers cannot convert, and values outside their field's range.
        Append("equipment.xml", "EquipmentCatalogue",
               R"(<EQUIPMENTITEM NAME="Glass Shiv" CATEGORY="Gear" SUBCATEGORY="Tools" )"
               R"(MASS="heavy" COST="12" PL="5" SOURCE="Core"/>)");
        expected.insert(
            R"(equipment.xml: EQUIPMENTITEM "Glass Shiv": MASS "heavy" is not a number; 0 used)");
        Append("cyberware.xml", "CyberwareCatalogue",
               R"(<CYBERITEM NAME="Glass Eye" PL="eight" QUALITY="2" MASS="0.1" SIZE="1" )"
               R"(COST="900" SOURCE="Core"/>)");
        expected.insert(R"(cyberware.xml: CYBERITEM "Glass Eye": PL "eight" is not a whole )"
                        R"(number; 8 used)");
        Append("rulesets.xml", "RuleSets", R"(<RULESET NAME="Wide Open" AttributePts="5000"/>)");
        expected.insert(R"(rulesets.xml: RULESET "Wide Open": AttributePts "5000" is outside 0 )"
                        R"(to 1000; 60 used)");
        Append("ship_data.xml", "ShipData", R"(<HULL Name="Skiff" Points="ten" Cost="3"/>)");
        expected.insert(
            R"(ship_data.xml: HULL "Skiff": Points "ten" is not a whole number; 100000 used)");
        // A species attribute, met before the species' name.
        Replace("species.xml", R"(DURMULT="1.0")", R"(DURMULT="thick")");
        expected.insert(
            R"(species.xml: SPECIES "Earthkin": DURMULT "thick" is not a number; 0 used)");

        // Elements and attributes ignored only for their letter case.
        Append("config.xml", "Configuration", R"(<motivation NAME="Lost Letters" SOURCE="Core"/>)");
        expected.insert(R"(config.xml: motivation "Lost Letters": element "motivation" is )"
                        R"(ignored: the reader takes only "Motivation")");
        Append("rulesets.xml", "RuleSets", R"(<RULESET NAME="Quiet Rules" skillPtMult="4"/>)");
        expected.insert(R"(rulesets.xml: RULESET "Quiet Rules": attribute "skillPtMult" is )"
                        R"(ignored: the reader takes only "SkillPtMult")");
        Replace("species.xml", "<ActionStep>0</ActionStep>", "<actionstep>0</actionstep>");
        expected.insert(R"(species.xml: SPECIES "Earthkin": element "actionstep" is ignored: )"
                        R"(the reader takes only "ActionStep")");

        // Names that refer to no skill.
        Replace("species.xml", R"(<FreeSkill NAME="Rapport"/>)", R"(<FreeSkill NAME="Rapor"/>)");
        expected.insert(R"(species.xml: SPECIES "Earthkin": free skill "Rapor" names no skill )"
                        R"(of skills.xml or psionics.xml)");
        Append("equipment.xml", "EquipmentCatalogue",
               R"(<EQUIPMENTITEM NAME="Coil Whip" CATEGORY="Weapons" SUBCATEGORY="Coil Whip" )"
               R"(MASS="1" COST="40" PL="6" SOURCE="Core"/>)");
        expected.insert(R"(equipment.xml: EQUIPMENTITEM "Coil Whip": subcategory "Coil Whip" )"
                        R"(names no skill of skills.xml)");
        // A subcategory names its skill after the first "-": this one is found, and not listed.
        Append("equipment.xml", "EquipmentCatalogue",
               R"(<EQUIPMENTITEM NAME="Knuckle Ring" CATEGORY="Weapons" SUBCATEGORY="Heavy-Brawl" )"
               R"(MASS="1" COST="40" PL="6" SOURCE="Core"/>)");
        Replace("config.xml", R"(<SUBCATEGORY NAME="Basic Armor"/>)",
                R"(<SUBCATEGORY NAME="Basic Armor"/><SUBCATEGORY NAME="Hardsuit"/>)");
        expected.insert(R"(config.xml: SUBCATEGORY "Hardsuit": subcategory "Hardsuit" names no )"
                        R"(skill of skills.xml)");

        // Names given twice within one catalogue.
        Append("skills.xml", "SKILLS",
               R"(<SKILL NAME="Brawl" BROADSKILL="Unarmed Attack" SOURCE="Core" ATTRIB="1" )"
               R"(BASEPRICE="1"/>)");
        expected.insert(R"(skills.xml: SKILL "Brawl": the name is given twice)");
        Append("perksnflaws.xml", "PERKSNFLAWS",
               R"(<PERK NAME="Iron Nerve" SOURCE="Core" COST="3"/>)");
        expected.insert(R"(perksnflaws.xml: PERK "Iron Nerve": the name is given twice)");
        return expected;
    }

    TempAppDir app;
};

TEST(DataLint, BundledDataIsClean) {
    const AppPaths paths(fs::path(TAVORN_SOURCE_DIR));
    const auto findings = LintDataFolder(paths);
    for (const LintFinding& finding : findings)
        ADD_FAILURE() << LintLine(finding);
}

TEST(DataLint, ListsEveryPlantedFaultAndNothingElse) {
    PlantedFaults data;
    const std::set<std::string> expected = data.PlantOneOfEach();
    EXPECT_EQ(Lines(LintDataFolder(AppPaths(data.app.Root()))), expected);
}

TEST(DataLint, TheReadersTakeTheFallbacksTheLintNames) {
    PlantedFaults data;
    data.PlantOneOfEach();
    const AppPaths paths(data.app.Root());

    const auto equipment = ReadEquipmentCatalogue(paths.InDataDir("equipment.xml"));
    const auto knife = std::find_if(equipment.begin(), equipment.end(),
                                    [](const auto& item) { return item.Name == "Glass Shiv"; });
    ASSERT_NE(knife, equipment.end());
    EXPECT_EQ(knife->Mass, 0.0);

    const auto cyberware = ReadCyberCatalogue(paths.InDataDir("cyberware.xml"));
    const auto eye = std::find_if(cyberware.begin(), cyberware.end(),
                                  [](const auto& item) { return item.Name == "Glass Eye"; });
    ASSERT_NE(eye, cyberware.end());
    EXPECT_EQ(eye->PL, 8);

    RuleSetList ruleSets;
    ruleSets.Reset();
    ruleSets.ReadCatalogue(paths.InDataDir("rulesets.xml"));
    for (const TRuleset& ruleSet : ruleSets.List()) {
        if (ruleSet.Name == "Wide Open") {
            EXPECT_EQ(ruleSet.AttributePts, 60);
        }
        if (ruleSet.Name == "Quiet Rules") {
            EXPECT_EQ(ruleSet.SkillPtMult, 5);
        }
    }

    ShipCatalogue ships;
    ReadShipCatalogue(paths.InDataDir("ship_data.xml"), ships);
    ASSERT_FALSE(ships.Hulls.empty());
    EXPECT_EQ(ships.Hulls.back().Name, "Skiff");
    EXPECT_EQ(ships.Hulls.back().Points, 100000);
}

TEST(DataLint, NamesDamagedAndMissingCatalogues) {
    TempAppDir app;
    app.Write("Data/species.xml", "<Catalogue><SPECIES><Name>Loose</Name></Catalogue>");
    const auto lines = Lines(LintDataFolder(AppPaths(app.Root())));
    EXPECT_TRUE(lines.count("config.xml: missing: the program cannot start without it"));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.rfind("species.xml: line ", 0) == 0;
    })) << "the read error of species.xml is listed";
}

// ---------------------------------------------------------------------------
// tavorn-cli lint-data
// ---------------------------------------------------------------------------

fs::path CliProgram() {
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).parent_path().parent_path() / "tavorn-cli";
}

struct Outcome {
    int status = -1;
    std::string out, err;
};

Outcome LintData(const std::string& arguments, const TempAppDir& scratch) {
    const fs::path out = scratch.Root() / "lint-out.txt", err = scratch.Root() / "lint-err.txt";
    const std::string line = "'" + CliProgram().string() + "' lint-data " + arguments + " >'" +
                             out.string() + "' 2>'" + err.string() + "'";
    const int status = std::system(line.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(out), ReadWholeFile(err)};
}

TEST(LintDataCommand, BundledDataExitsZeroWithOneCleanLine) {
    if (!fs::exists(CliProgram())) GTEST_SKIP() << "tavorn-cli was not built";
    TempAppDir app;
    app.CopyBundledData();
    const Outcome run = LintData("--appdir '" + app.Root().string() + "'", app);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    EXPECT_EQ(run.out.rfind("clean", 0), 0u) << run.out;
}

TEST(LintDataCommand, BrokenCopyListsEachFaultAndExitsOne) {
    if (!fs::exists(CliProgram())) GTEST_SKIP() << "tavorn-cli was not built";
    PlantedFaults data;
    const std::set<std::string> expected = data.PlantOneOfEach();
    const Outcome run = LintData("--appdir='" + data.app.Root().string() + "'", data.app);
    EXPECT_EQ(run.status, 1) << run.err;
    std::set<std::string> printed;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        printed.insert(line);
    EXPECT_EQ(printed, expected);
}

TEST(LintDataCommand, UnknownArgumentIsAUsageError) {
    if (!fs::exists(CliProgram())) GTEST_SKIP() << "tavorn-cli was not built";
    TempAppDir app;
    const Outcome run = LintData("--strict", app);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("usage: tavorn-cli lint-data"), std::string::npos) << run.err;
}

} // namespace
