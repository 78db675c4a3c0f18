// The File menu's hero commands: "Open Character", "Save", "Save As", the recent files, the
// hero named on the command line, and what a failed open or save leaves behind.

#include "HeroFileFixture.h"

#include "app/Pages.h"

namespace files_test {
namespace {

namespace fs = std::filesystem;

using HeroFileCommands = HeroFileTest;

TEST_F(HeroFileCommands, SaveAsksForANameOnlyWhileTheHeroHasNone) {
    builder->Identity().SetText(IdentityField::HeroName, "Ria");
    EXPECT_FALSE(Files().Save()); // the dialog is cancelled: nothing changes
    EXPECT_TRUE(builder->Changed());
    EXPECT_EQ(Hero().FileName, "");
    prompter.fileAnswers = {Path("ria.xml")};
    EXPECT_TRUE(Files().Save());
    EXPECT_FALSE(builder->Changed());

    // Now it has one: "Save" writes there without asking, "Save As" always asks.
    builder->Identity().SetText(IdentityField::HeroName, "Ria Voss");
    EXPECT_TRUE(Files().Save());
    EXPECT_NE(app.Read("ria.xml").find(R"(HeroName="Ria Voss")"), std::string::npos);
    prompter.fileAnswers = {Path("copy.xml")};
    EXPECT_TRUE(Files().SaveAs());
    EXPECT_EQ(prompter.Texts(Kind::SaveFile), Strings(3, "Save as XML"));
    EXPECT_EQ(Hero().FileName, Path("copy.xml").string());
    for (const auto& entry : fs::directory_iterator(Path("copy.xml").parent_path()))
        EXPECT_EQ(entry.path().filename().string().find(".saving"), std::string::npos);
}

TEST_F(HeroFileCommands, SaveChangesGoesOnOnlyWhenNothingWouldBeLost) {
    EXPECT_TRUE(Files().OfferToSave()); // nothing unsaved: no question
    EXPECT_TRUE(prompter.messages.empty());
    builder->Identity().SetText(IdentityField::HeroName, "Ria");
    prompter.confirmAnswers = {false};
    EXPECT_TRUE(Files().OfferToSave()); // "No"
    prompter.confirmAnswers = {true};
    EXPECT_FALSE(Files().OfferToSave()); // "Yes", and the "Save as XML" dialog is cancelled
    prompter.confirmAnswers = {true};
    ClickNew();
    EXPECT_EQ(Hero().HeroName, "Ria");
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings(3, "Save Changes?"));
    prompter.confirmAnswers = {true};
    prompter.fileAnswers = {Path("ria.xml")};
    EXPECT_TRUE(Files().OfferToSave()); // "Yes", and saved
    EXPECT_FALSE(builder->Changed());
}

TEST_F(HeroFileCommands, FailedSaveKeepsTheOldFileAndTheUnsavedChanges) {
    prompter.fileAnswers = {Path("hero.xml")};
    ASSERT_TRUE(Files().Save());
    const std::string saved = app.Read("hero.xml");
    builder->Identity().SetText(IdentityField::HeroName, "Second");
    prompter.Clear();

    // A read-only file is not replaced, whoever runs the test.
    fs::permissions(Path("hero.xml"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(Files().Save());
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Error trying to save file"});
    EXPECT_TRUE(prompter.Texts(Kind::Plain).empty());
    EXPECT_EQ(app.Read("hero.xml"), saved);
    EXPECT_TRUE(builder->Changed());

    // "Open Character" and "New" stop when the changes could not be saved first.
    prompter.confirmAnswers = {true};
    Files().OpenCharacter();
    EXPECT_TRUE(prompter.Texts(Kind::OpenFile).empty());
    EXPECT_EQ(Hero().HeroName, "Second");
    prompter.confirmAnswers = {true};
    ClickNew();
    EXPECT_EQ(Hero().HeroName, "Second");
    EXPECT_TRUE(builder->Changed());

    // A target whose folder has gone: the hero keeps its old file name.
    prompter.Clear();
    prompter.fileAnswers = {Path("gone") / "hero.xml"};
    EXPECT_FALSE(Files().SaveAs());
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Error trying to save file"});
    EXPECT_EQ(Hero().FileName, Path("hero.xml").string());
    EXPECT_TRUE(builder->Changed());
}

TEST_F(HeroFileCommands, OpenCharacterOffersToSaveThenOpensTheChosenFile) {
    ChooseSpecies("Terran");
    SaveTo("terran.xml");
    builder->Identity().SetText(IdentityField::HeroName, "Unsaved");

    // No to saving, then the dialog is cancelled: the hero stays as it was.
    Files().OpenCharacter();
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings{"Save Changes?"});
    EXPECT_EQ(Hero().HeroName, "Unsaved");
    prompter.fileAnswers = {Path("terran.xml")};
    builder->Document().Views.SetLabel(kPageLabel, "Skills");
    Files().OpenCharacter();
    EXPECT_EQ(Hero().HeroName + "|" + builder->Species().ChosenName(), "|Terran");
    EXPECT_FALSE(builder->Changed() || builder->Document().Loading());
    EXPECT_EQ(Labels("Page FileName"), "Main " + Path("terran.xml").string());
}

TEST_F(HeroFileCommands, MissingFileLeavesTheHeroAsItWas) {
    builder->Identity().SetText(IdentityField::HeroName, "Still here");
    EXPECT_FALSE(Files().OpenPath(Path("nowhere.xml")));
    fs::create_directory(Path("folder.xml"));
    EXPECT_FALSE(Files().OpenPath(Path("folder.xml")));
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{Path("nowhere.xml").string() + " does not exist.\rOpen FAILED!",
                       Path("folder.xml").string() + " could not be read.\rOpen FAILED!"}));
    EXPECT_EQ(Hero().HeroName + "|" + Hero().FileName, "Still here|");
    EXPECT_TRUE(builder->Changed() && !builder->Document().Loading());
    EXPECT_TRUE(windowShown.empty());
}

TEST_F(HeroFileCommands, CommandLineHeroOpensUnchangedWithoutTheSkillListQuestion) {
    // Skywing's two free skills fill two rows before the species block chooses it again.
    ChooseSpecies("Skywing");
    builder->Identity().SetText(IdentityField::HeroName, "From the shell");
    SaveTo("shell.xml");
    Start();
    Files().OpenStartupHero(Path("shell.xml").string());
    EXPECT_EQ(Hero().HeroName + "|" + builder->Species().ChosenName(), "From the shell|Skywing");
    EXPECT_TRUE(builder->Document().Ready() && !builder->Changed());
    EXPECT_EQ(Labels("FileName Page"), Path("shell.xml").string() + " Main");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(HeroFileCommands, RecentFilesKeepTheLastEightMostRecentFirst) {
    auto path = [this](int i) { return Path("hero" + std::to_string(i) + ".xml").string(); };
    for (int i = 1; i <= 10; ++i) {
        prompter.fileAnswers = {path(i)};
        ASSERT_TRUE(Files().SaveAs());
    }
    prompter.fileAnswers = {path(5)};
    Files().OpenCharacter();
    const Strings expected{path(5), path(10), path(9), path(8), path(7), path(6), path(4), path(3)};
    EXPECT_EQ(Files().RecentEntries(), expected);

    // Kept for the next run; an entry whose file has gone is dropped when chosen.
    Start();
    EXPECT_EQ(Files().RecentEntries(), expected);
    fs::remove(path(10));
    Files().OpenRecent(path(10));
    EXPECT_EQ(Files().RecentEntries().size(), 7u);
    Files().OpenRecent(path(3));
    EXPECT_EQ(Files().RecentEntries().front(), path(3));
}

} // namespace
} // namespace files_test

namespace files_test {
namespace {

TEST_F(HeroFileCommands, DialogsOfAHeroWithoutAFileStartInTheLastFolderUsed) {
    std::filesystem::create_directories(Path("party"));
    prompter.fileAnswers = {Path("party") / "ria.xml"};
    ASSERT_TRUE(Files().SaveAs());
    ClickNew();
    Files().OpenCharacter();
    EXPECT_EQ(prompter.lastDialog.directory, Path("party"));
    Files().SaveAs();
    EXPECT_EQ(prompter.lastDialog.directory, Path("party"));
    EXPECT_EQ(prompter.lastDialog.initialName, "*.xml");

    // A hero with a file offers its own folder and name.
    prompter.fileAnswers = {Path("party") / "ria.xml"};
    Files().OpenCharacter();
    Files().SaveAs();
    EXPECT_EQ(prompter.lastDialog.directory, Path("party"));
    EXPECT_EQ(prompter.lastDialog.initialName, "ria.xml");
}

} // namespace
} // namespace files_test
