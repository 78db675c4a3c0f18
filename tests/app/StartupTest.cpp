#include "app/Version.h"

#include "BuilderTest.h"

namespace {

using Startup = BuilderTest;

TEST_F(Startup, RefusesToRunWithoutTheConfigurationCatalogue) {
    paths.emplace(app.Root());
    builder.emplace(prompter, *paths);
    EXPECT_FALSE(builder->Start());
    EXPECT_EQ(prompter.Texts(Kind::Error),
              Strings{"Configuration Data File not found.\rAborting!"});
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_FALSE(builder->Document().Ready());
}

TEST_F(Startup, StartsOnAnEmptyUnchangedHeroWhateverTheFolderNamesLetterCase) {
    std::filesystem::remove_all(app.Data());
    app.Write("data/CONFIG.XML", "<Configuration/>");
    app.Write("defaults.xml", kCoreOnlyDefaults);
    app.Write("tavorn.log", "old run\n");
    app.Write("debug.log", "old trace\n");
    Start();
    EXPECT_TRUE(builder->Document().Ready());
    EXPECT_FALSE(builder->Changed());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(app.Read("tavorn.log").find("old run"), std::string::npos); // a new main log
    EXPECT_FALSE(app.Exists("debug.log"));
    EXPECT_EQ(Label("Page"), "Main");
}

TEST_F(Startup, NewAsksToSaveOnlyWhenSomethingChanged) {
    WriteData("<Configuration/>");
    Start();
    ClickNew();
    EXPECT_TRUE(prompter.messages.empty());

    builder->Hero().HeroName = "Rhen";
    builder->MarkChanged();
    ClickNew();
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings{"Save Changes?"});
    EXPECT_EQ(builder->Hero().HeroName, "");
    EXPECT_FALSE(builder->Changed());

    builder->ReportNotYetEnabled();
    EXPECT_EQ(prompter.Texts(Kind::Plain),
              Strings{"Not yet enabled..\rCheck back in a future version"});
}

TEST_F(Startup, LogsByKind) {
    AppPaths here(app.Root());
    AppLogs logs(here, prompter);
    logs.Log("CurSpecies.Name=Earthkin");
    EXPECT_EQ(app.Read("tavorn.log"), std::string(kVersionLabel) + "\nCurSpecies.Name=Earthkin\n");
    logs.RestartMainLog();
    EXPECT_FALSE(app.Exists("tavorn.log"));

    logs.DebugLog(2, "AddSkill: Sidearm");
    logs.DebugLog(2, "IncreaseSkillRank: Sidearm");
    logs.DebugLog(1, "Unknown skill: Juggling");
    EXPECT_EQ(app.Read("debug.log"), "AddSkill: Sidearm\nIncreaseSkillRank: Sidearm\n");
    EXPECT_EQ(app.Read("ImportError.log"), "Unknown skill: Juggling\n");
    logs.DebugLog(-1, "Just initializing");
    EXPECT_FALSE(app.Exists("ImportError.log"));
    EXPECT_TRUE(app.Exists("debug.log"));
    logs.DebugLog(-2, "Initialized");
    EXPECT_FALSE(app.Exists("debug.log"));
    logs.DebugLog(7, "ignored");
    EXPECT_TRUE(prompter.messages.empty());

    // Held lines reach the file when the outermost hold ends; a log deleted while held
    // starts again with the next line.
    logs.Hold();
    logs.Hold();
    logs.DebugLog(2, "one");
    logs.Release();
    logs.DebugLog(-2, "");
    logs.DebugLog(2, "two");
    EXPECT_EQ(app.Read("debug.log"), "");
    logs.Release();
    EXPECT_EQ(app.Read("debug.log"), "two\n");
    logs.DebugLog(-2, "");

    // A log path that is a folder can be neither created nor appended to, even as root.
    std::filesystem::create_directories(app.Root() / "debug.log");
    logs.DebugLog(2, "trace");
    AppPaths missing(app.Root() / "gone");
    AppLogs orphan(missing, prompter);
    orphan.DebugLog(1, "problem");
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"Unable to write \"trace\" to " + (app.Root() / "debug.log").string(),
                       "Unable to create " + (app.Root() / "gone" / "ImportError.log").string() +
                           " and write \"problem\""}));
}

} // namespace
