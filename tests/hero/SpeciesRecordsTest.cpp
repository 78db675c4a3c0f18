// Choosing a species from the records kept at load must give what reading the catalogue
// for that name gives: the same record, the same log lines, on well-formed and damaged files.

#include "hero/SpeciesCatalogue.h"

#include "TempAppDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

namespace {

// Every field as text, so that a difference names the field.
std::string Describe(const TSpeciesData& s) {
    std::string text =
        "Name=" + s.Name + " Found=" + std::to_string(s.Found) + " ID=" + std::to_string(s.ID) +
        " Source=" + s.Source + " Psionic=" + std::to_string(s.Psionic) +
        " Glide=" + std::to_string(s.CanGlide) + " Fly=" + std::to_string(s.CanFly) +
        " SP=" + std::to_string(s.SkillPoints) + " Broad=" + std::to_string(s.BroadSkills) +
        " Dur=" + std::to_string(s.DurMult) + " Psi=" + std::to_string(s.PsiMult) +
        " M1=" + std::to_string(s.MoveMult1) + " M2=" + std::to_string(s.MoveMult2) +
        " SDC=" + std::to_string(s.MoveSDC) + " Calc=" + std::to_string(s.MoveCalc) +
        " Step=" + std::to_string(s.ActionStep) + " Armor=" + s.Armor +
        " Prim=" + std::to_string(s.Primitive) + " CyM=" + std::to_string(s.CyberMult) +
        " CyB=" + std::to_string(s.CyberBonus) + " CyS=" + std::to_string(s.CyberSkill) +
        " Attack=" + s.NaturalAttack + " " + s.DmgO + "/" + s.DmgG + "/" + s.DmgA +
        " Free=" + std::to_string(s.FreeSkillCount);
    for (int a = 0; a < kAttributeCount; ++a)
        text += " " + std::to_string(s.AttrMin[static_cast<std::size_t>(a)]) + "-" +
                std::to_string(s.AttrMax[static_cast<std::size_t>(a)]);
    for (const std::string& skill : s.FreeSkills)
        text += "|" + skill;
    for (const std::string& note : s.Notes)
        text += "#" + note;
    return text;
}

class SpeciesRecordsTest : public ::testing::Test {
protected:
    // For every name asked, the records answer as a read of the file for that name does.
    void ExpectSameAsReading(const std::string& body, const Strings& names) {
        const fs::path file = app.Write("species.xml", body);
        SpeciesRecords records;
        records.Read(file);
        for (const std::string& name : names) {
            Strings readLog, foundLog;
            const TSpeciesData read = ReadSpecies(
                file, name, [&readLog](const std::string& line) { readLog.push_back(line); });
            const TSpeciesData found = records.Find(
                name, [&foundLog](const std::string& line) { foundLog.push_back(line); });
            EXPECT_EQ(Describe(found), Describe(read)) << "choosing " << name;
            EXPECT_EQ(foundLog, readLog) << "choosing " << name;
        }
    }

    TempAppDir app;
};

TEST_F(SpeciesRecordsTest, AnswersLikeAReadOnTheBundledCatalogue) {
    std::ifstream in(fs::path(TAVORN_SOURCE_DIR) / "Data" / "species.xml");
    const std::string body((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ExpectSameAsReading(body, {"Earthkin", "Vorrakai", "Gruskal", "Aerlithi", "No such species"});
}

TEST_F(SpeciesRecordsTest, AnswersLikeAReadOnDuplicateAndDamagedSpecies) {
    // The same name twice (the first wins), a species never closed that is started over by
    // the next, an empty-element species, text after a name, a name given twice, a species
    // closed before its name, and content outside any species.
    const std::string body = R"(<?xml version="1.0"?>
<LIST>
stray text
<SPECIES ID="1" DURMULT="1.5" PSIMULT="0.5"><Name>Twin</Name><Source>Core</Source>
  <STR MIN="5" MAX="15"/><NOTE>first twin</NOTE></SPECIES>
<SPECIES ID="2" DURMULT="2"><Name>Twin</Name><NOTE>second twin</NOTE></SPECIES>
<SPECIES ID="3" PSIMULT="1.25"><Name>Open</Name><FreeSkills Count="2"/><FreeSkill NAME="Climb"/>
<SPECIES ID="4"><Name>After Open</Name></SPECIES>
<SPECIES ID="5" DURMULT="0.5"/>
<Name>Empty Tag</Name>
<SPECIES ID="6"><Name>Renamed</Name><Name>Second Name</Name></SPECIES>
<SPECIES ID="7"><Name>Trailing</Name> tail words <Source>Extra</Source></SPECIES>
<SPECIES ID="8"></SPECIES><Name>Late</Name>
<species id="9" durmult="3"><Name>Lower</Name></species>
</LIST>
)";
    ExpectSameAsReading(body, {"Twin", "Open", "After Open", "Empty Tag", "Renamed", "Second Name",
                               "tail words", "Trailing", "Late", "Lower", "Missing", ""});
}

TEST_F(SpeciesRecordsTest, AnswersLikeAReadWhenTheFileEndsInsideTheChosenSpecies) {
    ExpectSameAsReading("<LIST><SPECIES ID=\"1\"><Name>A</Name></SPECIES>"
                        "<SPECIES ID=\"2\" DURMULT=\"2\"><Name>B</Name><NOTE>cut",
                        {"A", "B", "C"});
    ExpectSameAsReading("<LIST></LIST>", {"A"});
    ExpectSameAsReading("not xml at all", {"A"});
}

} // namespace
