// The File menu's hero commands: "Open Character", "Save", "Save As", the recent files, the
// hero named on the command line, and what a failed open or save leaves behind.

#include "HeroFileFixture.h"

#include "app/AtomicFile.h"

namespace files_test {
namespace {

namespace fs = std::filesystem;

using HeroFileCommands = HeroFileTest;

TEST_F(HeroFileCommands, SaveAsksForANameOnlyWhileTheHeroHasNone) {
    builder->SetIdentityText(IdentityField::HeroName, "Ria");
    ASSERT_TRUE(builder->Changed);

    // Cancelled: nothing changes.
    EXPECT_FALSE(Files().Save());
    EXPECT_EQ(prompter.Texts(Kind::SaveFile), std::vector<std::string>{"Save as XML"});
    EXPECT_TRUE(builder->Changed);
    EXPECT_EQ(Hero().FileName, "");

    prompter.Clear();
    prompter.fileAnswers = {Path("ria.xml")};
    EXPECT_TRUE(Files().Save());
    EXPECT_EQ(prompter.Texts(Kind::Plain), std::vector<std::string>{"File Saved"});
    EXPECT_FALSE(builder->Changed);
    EXPECT_EQ(Hero().FileName, Path("ria.xml").string());
    EXPECT_EQ(Label("FileName"), Path("ria.xml").string());
    EXPECT_NE(app.Read("ria.xml").find(R"(HeroName="Ria")"), std::string::npos);

    // Now it has one: "Save" writes there without asking, "Save As" always asks.
    prompter.Clear();
    builder->SetIdentityText(IdentityField::HeroName, "Ria Voss");
    EXPECT_TRUE(Files().Save());
    EXPECT_TRUE(prompter.Texts(Kind::SaveFile).empty());
    EXPECT_NE(app.Read("ria.xml").find(R"(HeroName="Ria Voss")"), std::string::npos);
    prompter.fileAnswers = {Path("copy.xml")};
    EXPECT_TRUE(Files().SaveAs());
    EXPECT_EQ(prompter.Texts(Kind::SaveFile), std::vector<std::string>{"Save as XML"});
    EXPECT_EQ(Hero().FileName, Path("copy.xml").string());
    EXPECT_FALSE(fs::exists(SavingPathFor(Path("copy.xml"))));
}

TEST_F(HeroFileCommands, FailedSaveKeepsTheOldFileAndTheUnsavedChanges) {
    builder->SetIdentityText(IdentityField::HeroName, "First");
    prompter.fileAnswers = {Path("hero.xml")};
    ASSERT_TRUE(Files().Save());
    const std::string saved = app.Read("hero.xml");

    // The temporary file cannot be created: a folder stands where it would go.
    builder->SetIdentityText(IdentityField::HeroName, "Second");
    fs::create_directory(SavingPathFor(Path("hero.xml")));
    prompter.Clear();
    EXPECT_FALSE(Files().Save());
    EXPECT_EQ(prompter.Texts(Kind::Error), std::vector<std::string>{"Error trying to save file"});
    EXPECT_TRUE(prompter.Texts(Kind::Plain).empty());
    EXPECT_EQ(app.Read("hero.xml"), saved);
    EXPECT_TRUE(builder->Changed);

    // A target whose folder has gone: the hero keeps its old file name.
    prompter.Clear();
    fs::create_directory(Path("gone"));
    fs::remove(Path("gone"));
    prompter.fileAnswers = {Path("gone") / "hero.xml"};
    EXPECT_FALSE(Files().SaveAs());
    EXPECT_EQ(prompter.Texts(Kind::Error), std::vector<std::string>{"Error trying to save file"});
    EXPECT_EQ(Hero().FileName, Path("hero.xml").string());
    EXPECT_TRUE(builder->Changed);
}

TEST_F(HeroFileCommands, OpenCharacterOffersToSaveThenOpensTheChosenFile) {
    ChooseSpecies("Terran");
    SaveTo("terran.xml");
    builder->SetIdentityText(IdentityField::HeroName, "Unsaved");

    // No to saving, then the dialog is cancelled: the hero stays as it was.
    prompter.confirmAnswers = {false};
    Files().OpenCharacterClick();
    EXPECT_EQ(prompter.Texts(Kind::Confirm), std::vector<std::string>{"Save Changes?"});
    EXPECT_EQ(prompter.Texts(Kind::OpenFile), std::vector<std::string>{"Open Character"});
    EXPECT_EQ(Hero().HeroName, "Unsaved");
    EXPECT_TRUE(builder->Changed);

    prompter.Clear();
    prompter.confirmAnswers = {false};
    prompter.fileAnswers = {Path("terran.xml")};
    builder->Views.SetLabel("Page", "Skills");
    Files().OpenCharacterClick();
    EXPECT_EQ(Hero().HeroName, "");
    EXPECT_EQ(builder->Species.ChosenName(), "Terran");
    EXPECT_FALSE(builder->Changed);
    EXPECT_FALSE(builder->Loading);
    EXPECT_EQ(Label("Page"), "Main");
    EXPECT_EQ(Hero().FileName, Path("terran.xml").string());
    EXPECT_EQ(Files().RecentEntries().front(), Path("terran.xml").string());
}

TEST_F(HeroFileCommands, OpenCharacterStopsWhenTheChangesCouldNotBeSaved) {
    prompter.fileAnswers = {Path("hero.xml")};
    ASSERT_TRUE(Files().Save());
    builder->SetIdentityText(IdentityField::HeroName, "Precious");
    fs::create_directory(SavingPathFor(Path("hero.xml")));

    prompter.Clear();
    prompter.confirmAnswers = {true};
    Files().OpenCharacterClick();
    EXPECT_EQ(prompter.Texts(Kind::Error), std::vector<std::string>{"Error trying to save file"});
    EXPECT_TRUE(prompter.Texts(Kind::OpenFile).empty());
    EXPECT_EQ(Hero().HeroName, "Precious");
}

TEST_F(HeroFileCommands, MissingFileLeavesTheHeroAsItWas) {
    builder->SetIdentityText(IdentityField::HeroName, "Still here");
    const fs::path missing = Path("nowhere.xml");
    EXPECT_FALSE(Files().OpenPath(missing));
    EXPECT_EQ(prompter.Texts(Kind::Error),
              std::vector<std::string>{missing.string() + " does not exist.\rOpen FAILED!"});
    EXPECT_EQ(Hero().HeroName, "Still here");
    EXPECT_TRUE(builder->Changed);
    EXPECT_EQ(Hero().FileName, "");
    EXPECT_FALSE(builder->Loading);
    EXPECT_TRUE(windowShown.empty());

    // A folder is no hero file either.
    prompter.Clear();
    fs::create_directory(Path("folder.xml"));
    EXPECT_FALSE(Files().OpenPath(Path("folder.xml")));
    EXPECT_EQ(prompter.Texts(Kind::Error),
              std::vector<std::string>{Path("folder.xml").string() +
                                       " could not be read.\rOpen FAILED!"});
    EXPECT_EQ(Hero().HeroName, "Still here");
}

TEST_F(HeroFileCommands, ReadingAFileAsksNothingAboutTheSkillList) {
    // Skywing's two free skills fill two rows before the species block chooses it again.
    ChooseSpecies("Skywing");
    ASSERT_GE(builder->SkillTableRowCount(), 2);
    SaveTo("skywing.xml");
    builder->FormClear();
    prompter.Clear();

    Open("skywing.xml");
    EXPECT_TRUE(prompter.Texts(Kind::Confirm).empty());
    builder->OpenStartupHero(Path("skywing.xml").string());
    EXPECT_TRUE(prompter.Texts(Kind::Confirm).empty());
    EXPECT_EQ(builder->Species.ChosenName(), "Skywing");
}

TEST_F(HeroFileCommands, CommandLineHeroIsOpenedUnchanged) {
    ChooseSpecies("Terran");
    builder->SetIdentityText(IdentityField::HeroName, "From the shell");
    SaveTo("shell.xml");
    Start();

    builder->OpenStartupHero(Path("shell.xml").string());
    EXPECT_EQ(Hero().HeroName, "From the shell");
    EXPECT_FALSE(builder->Changed);
    EXPECT_TRUE(builder->Ready);
    EXPECT_EQ(Label("FileName"), Path("shell.xml").string());
    EXPECT_EQ(Label("Page"), "Main");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(HeroFileCommands, RecentFilesKeepTheLastEightMostRecentFirst) {
    for (int i = 1; i <= 10; ++i) {
        prompter.fileAnswers = {Path("hero" + std::to_string(i) + ".xml")};
        ASSERT_TRUE(Files().SaveAs());
    }
    prompter.confirmAnswers = {false};
    prompter.fileAnswers = {Path("hero5.xml")};
    Files().OpenCharacterClick();

    const std::vector<std::string> expected{
        Path("hero5.xml").string(), Path("hero10.xml").string(), Path("hero9.xml").string(),
        Path("hero8.xml").string(), Path("hero7.xml").string(),  Path("hero6.xml").string(),
        Path("hero4.xml").string(), Path("hero3.xml").string(),
    };
    EXPECT_EQ(Files().RecentEntries(), expected);

    // Kept for the next run; an entry whose file has gone is dropped when chosen.
    Start();
    EXPECT_EQ(Files().RecentEntries(), expected);
    fs::remove(Path("hero10.xml"));
    Files().OpenRecentClick(Path("hero10.xml").string());
    EXPECT_EQ(
        prompter.Texts(Kind::Error),
        std::vector<std::string>{Path("hero10.xml").string() + " does not exist.\rOpen FAILED!"});
    EXPECT_EQ(Files().RecentEntries().size(), 7u);
    Files().OpenRecentClick(Path("hero3.xml").string());
    EXPECT_EQ(Files().RecentEntries().front(), Path("hero3.xml").string());
    EXPECT_EQ(Hero().FileName, Path("hero3.xml").string());
}

} // namespace
} // namespace files_test
