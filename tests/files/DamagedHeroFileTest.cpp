// What a damaged, foreign or hand-edited hero file leaves behind: a file that holds no hero
// changes nothing, a file cut short keeps what it held, and the import messages name each
// thing the catalogues in play lack or the program had to change.

#include "HeroFileFixture.h"

#include <sys/stat.h>

namespace files_test {
namespace {

namespace fs = std::filesystem;

class DamagedHeroFile : public HeroFileTest {
protected:
    // A saved hero with a species, a profession, skills and notes, as text.
    std::string SavedHero() {
        ChooseProfession("Combat Spec");
        ChooseSpecies("Terran");
        ChooseSpecialization("Blades");
        EXPECT_TRUE(builder->Skills().AddSkill("Blades", "", 2));
        builder->Identity().SetText(IdentityField::HeroName, "Ria");
        builder->Identity().SetText(IdentityField::FreeNotes, "first line\nsecond line");
        return SaveTo("saved.xml");
    }
    // Opens a text that may not open; what the import messages then say.
    Strings OpenDamaged(const std::string& text) {
        app.Write("in.xml", text);
        Files().OpenPath(Path("in.xml"));
        return Files().ImportErrors();
    }
};

TEST_F(DamagedHeroFile, AFileThatHoldsNoHeroLeavesTheHeroAsItWas) {
    builder->Identity().SetText(IdentityField::HeroName, "Kept");
    const std::string notHero = "in.xml is not a hero file: it does not start with a hero.";
    for (const std::string& text :
         {std::string("just some text\n"), std::string("<Robot Name=\"R2\"/>"),
          std::string("\xFF\xFE<\0H\0", 6), std::string(), std::string("\x01\x02\x03 binary")}) {
        windowShown.clear();
        EXPECT_EQ(OpenDamaged(text), Strings{notHero});
        EXPECT_EQ(Files().LastLoad(), HeroLoad::NotAHero);
        EXPECT_EQ(windowShown, std::vector<Strings>{{notHero}});
        EXPECT_EQ(Hero().HeroName, "Kept");
        EXPECT_TRUE(builder->Changed());
        EXPECT_EQ(Hero().FileName, "");
    }
}

TEST_F(DamagedHeroFile, AFileCutShortKeepsWhatItHeldAndSaysWhereItEnds) {
    const std::string whole = SavedHero();
    const std::string cut = whole.substr(0, whole.find("<Perks>"));
    ClickNew();
    EXPECT_EQ(OpenDamaged(cut), Strings{"The file ends before the hero is complete: what follows "
                                        "the skills section is missing."});
    EXPECT_EQ(Hero().HeroName, "Ria");
    EXPECT_EQ(builder->Species().ChosenName(), "Terran");
    const TableView& skills = builder->Views().TableNamed("Skills");
    const auto blades = std::find_if(skills.begin(), skills.end(),
                                     [](const TableRow& row) { return row.at(0) == "  Blades"; });
    ASSERT_NE(blades, skills.end());
    EXPECT_EQ(blades->at(1), "  2");

    // Cut inside the first section: nothing ended yet.
    EXPECT_EQ(OpenDamaged(whole.substr(0, whole.find("</Sources>"))),
              Strings{"The file ends before the hero is complete."});
    // A NUL byte in the middle is named with its line.
    std::string withNul = whole;
    withNul.insert(withNul.find("<Notes>"), std::string(1, '\0'));
    const Strings lines = OpenDamaged(withNul);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().rfind("The file holds a byte that is not text (NUL) on line ", 0), 0u);
    EXPECT_EQ(Hero().HeroName, "Ria");
}

TEST_F(DamagedHeroFile, NamesTheCataloguesLackAndScoresMovedIntoTheLimitsAreListed) {
    std::string text = SavedHero();
    auto replace = [&text](const std::string& from, const std::string& to) {
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    };
    replace("Species=\"Terran\"", "Species=\"Gorgon\"");
    replace("Profession=\"Combat Spec\"", "Profession=\"Juggler\"");
    replace("Motivation=\"\"", "Motivation=\"Revenge\"");
    replace("Trait1=\"\"", "Trait1=\"Sleepy\"");
    replace("<Source Name=\"Core\" />", "<Source Name=\"Core\" /><Source Name=\"Lost Tomes\" />");
    replace("<STR Score=\"" + builder->Views().LabelNamed("STR.Base").text + "\">",
            "<STR Score=\"25\">");
    ClickNew();
    const Strings lines = OpenDamaged(text);
    for (const char* expected :
         {"Unknown source: Lost Tomes", "Unknown profession: Juggler", "Unknown species: Gorgon",
          "Unknown motivation: Revenge", "Unknown trait: Sleepy",
          "STR score 25 moved into the limits of the species and profession: 14"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
}

TEST_F(DamagedHeroFile, UnknownSkillsNameTheLevelAsWritten) {
    EXPECT_EQ(OpenDamaged(R"(<HeroData><Hero HeroName="X"><Skills>
  <Skill Name="Juggling" Level="200"/><Skill Name="Knots" Level="two"/><Skill Name="Hum"/>
</Skills></Hero></HeroData>)"),
              (Strings{"Unknown skill: Juggling  200", "Unknown skill: Knots  two",
                       "Unknown skill: Hum  1"}));
}

TEST_F(DamagedHeroFile, SomethingOtherThanAFileIsRefusedAtOnce) {
    builder->Identity().SetText(IdentityField::HeroName, "Kept");
    const fs::path fifo = Path("pipe.xml");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(Files().OpenPath(fifo)); // returns at once: nobody writes to the pipe
    EXPECT_EQ(prompter.Texts(Kind::Error),
              Strings{fifo.string() + " could not be read.\rOpen FAILED!"});
    EXPECT_EQ(Hero().HeroName, "Kept");
}

TEST_F(DamagedHeroFile, SaveChangesCancelStopsAndNoGoesOn) {
    builder->Identity().SetText(IdentityField::HeroName, "Ria");
    prompter.askAnswers = {Answer::Cancel};
    ClickNew();
    EXPECT_EQ(Hero().HeroName, "Ria");
    prompter.askAnswers = {Answer::Cancel};
    Files().OpenCharacter();
    EXPECT_TRUE(prompter.Texts(Kind::OpenFile).empty());
    prompter.askAnswers = {Answer::No};
    ClickNew();
    EXPECT_EQ(Hero().HeroName, "");
}

} // namespace
} // namespace files_test

namespace files_test {
namespace {

using SourceToggle = HeroFileTest;

TEST_F(SourceToggle, KeepsTheSpeciesChoicesAndMarksADroppedSpeciesAsAChange) {
    ChooseSpecies("Skywing"); // two free skills: two rows
    builder->SetPrimitive(true);
    builder->SetCyberSkill(true);
    ASSERT_TRUE(builder->Skills().AddSkill("Lore", "", 1));
    const std::string points = Label("SkillPoints");
    const TableView skills = builder->Views().TableNamed("Skills");
    prompter.Clear();
    ClickSource("Outer Reaches");
    EXPECT_TRUE(Hero().Primitive && Hero().CyberSkill);
    EXPECT_EQ(Label("SkillPoints"), points);
    EXPECT_EQ(builder->Views().TableNamed("Skills"), skills);
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings{"Make this the default?"});

    ChooseSpecies("Driftborn");
    builder->Document().SetChanged(false);
    ClickSource("Outer Reaches"); // Driftborn goes with its source
    EXPECT_EQ(builder->Species().ChosenName(), "");
    EXPECT_TRUE(builder->Changed());
}

TEST_F(SourceToggle, AProfessionNoLongerFoundTakesItsMinimumsAlong) {
    auto config = [](const char* professions) {
        return std::string(R"(<Configuration><SOURCE NAME="Outer Reaches"/>)") + professions +
               "</Configuration>";
    };
    // A profession without a name is skipped whole: the names offered and the records match.
    app.Write("Data/config.xml", config(R"(<Profession ACTIONMOD="3" MINDEX="13"/>
                 <Profession NAME="Star Pilot" ACTIONMOD="2" MINDEX="11"/>)"));
    Start();
    ChooseProfession("Star Pilot");
    EXPECT_EQ(builder->Professions().Chosen()->ActionMod, 2);
    EXPECT_EQ(Label("DEX.Limits").substr(0, 3), "11/");

    app.Write("Data/config.xml", config(""));
    ClickSource("Outer Reaches");
    EXPECT_EQ(builder->Professions().ChosenName(), "");
    EXPECT_EQ(Label("DEX.Limits").substr(0, 2), "4/");
}

} // namespace
} // namespace files_test

namespace files_test {
namespace {

// Hero files damaged the ways stored and hand-edited files are: what stands before the damage
// is read, whatever the damage.
class ValueDamage : public HeroFileTest {
protected:
    std::string Saved() {
        ChooseSpecies("Skywing");
        builder->SetPrimitive(true);
        EXPECT_TRUE(builder->Skills().AddSkill("Blades", "", 2));
        EXPECT_TRUE(builder->Skills().AddSkill("Language", "Old Vey", 1));
        builder->Skills().CashOutFreeSkill("Vigilance");
        builder->Identity().SetText(IdentityField::HeroName, "Ria");
        builder->Identity().SetText(IdentityField::FreeNotes, "Rock & roll, 3 < 4 > 2\n  indented");
        builder->Budget().AddAdjustment(-2, "Mentor");
        return SaveTo("whole.xml");
    }
    void Read(const std::string& text) {
        ClickNew();
        app.Write("in.xml", text);
        Files().OpenPath(Path("in.xml"));
    }
    bool HasSkillRow(const std::string& cell) {
        const TableView& table = builder->Views().TableNamed("Skills");
        return std::any_of(table.begin(), table.end(),
                           [&](const TableRow& row) { return row.at(0) == cell; });
    }
    static void Replace(std::string& text, const std::string& from, const std::string& to) {
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    }
};

TEST_F(ValueDamage, TruncationAtEveryTenthKeepsEverythingBeforeTheCut) {
    const std::string whole = Saved();
    for (int tenth = 1; tenth < 10; ++tenth) {
        const std::size_t cut = whole.size() * static_cast<std::size_t>(tenth) / 10;
        Read(whole.substr(0, cut));
        SCOPED_TRACE(tenth);
        auto before = [&](const std::string& line) {
            const auto at = whole.find(line);
            return at != std::string::npos && at + line.size() <= cut;
        };
        if (before("<Hero HeroName=\"Ria\"")) {
            EXPECT_EQ(Hero().HeroName, "Ria");
        }
        if (before("<Skill Level=\"2\" Name=\"Blades\"")) {
            EXPECT_TRUE(HasSkillRow("  Blades"));
        }
        if (before("Detail=\"Old Vey\"")) {
            EXPECT_TRUE(HasSkillRow("  Language: Old Vey"));
        }
        if (before("<Note>Rock &amp; roll, 3 &lt; 4 &gt; 2</Note>")) {
            EXPECT_EQ(Hero().FreeNotes.substr(0, 22), "Rock & roll, 3 < 4 > 2");
        }
        if (before("<SkillPointAdj Amt=\"-2\" Desc=\"Mentor\" />")) {
            EXPECT_EQ(Hero().SkillPointAdjustments.size(), 1u);
        }
        EXPECT_FALSE(Files().ImportErrors().empty()); // the cut is always reported
    }
}

TEST_F(ValueDamage, StoredFormsWithRawMarkupAndUnclosedTagsReadWhole) {
    std::string text = Saved();
    // The older writer: values unescaped, three start tags never closed.
    Replace(text, "Rock &amp; roll, 3 &lt; 4 &gt; 2", "Rock & roll, 3 < 4 > 2");
    Replace(text, "HeroName=\"Ria\"", "HeroName=\"Big 7\" Jo\"");
    Replace(text, "Detail=\"Old Vey\"", "Detail=\"Gauge 12\" dialect\"");
    Replace(text, "<CashedOutSkill Name=\"Vigilance\"/>", "<CashedOutSkill Name=\"Vigilance\">");
    Replace(text, "<Primitive ReducePenalty=\"True\"/>", "<Primitive ReducePenalty=\"True\">");
    Read(text);
    EXPECT_EQ(Hero().HeroName, "Big 7\" Jo");
    EXPECT_TRUE(HasSkillRow("  Language: Gauge 12\" dialect"));
    EXPECT_TRUE(HasSkillRow("  Blades"));
    EXPECT_EQ(Hero().CashedOutSkills, Strings{"Vigilance"});
    EXPECT_TRUE(Hero().Primitive);
    EXPECT_EQ(Hero().FreeNotes, "Rock & roll, 3 < 4 > 2\n  indented");
    ASSERT_EQ(Hero().SkillPointAdjustments.size(), 1u);
    EXPECT_EQ(Hero().SkillPointAdjustments[0].Description, "Mentor");
}

} // namespace
} // namespace files_test

namespace files_test {
namespace {

TEST_F(DamagedHeroFile, AMissingCommandLineHeroTiesNoFileToTheHero) {
    Files().OpenStartupHero(Path("nowhere.xml").string());
    EXPECT_EQ(Hero().FileName, "");
    EXPECT_EQ(prompter.Texts(Kind::Error),
              Strings{Path("nowhere.xml").string() + " does not exist.\rOpen FAILED!"});
    EXPECT_FALSE(builder->Changed());
}

} // namespace
} // namespace files_test
