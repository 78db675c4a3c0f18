#include "app/HeroBuilder.h"
#include "app/ScriptedPrompter.h"
#include "app/Version.h"

#include "TempAppDir.h"

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedPrompter::Kind;

const char* kMinimalConfig = "<?xml version=\"1.0\"?><Configuration/>";

TEST(Startup, RefusesToRunWithoutTheConfigurationCatalogue) {
    TempAppDir app;
    ScriptedPrompter prompter;
    AppPaths paths(app.Root());
    HeroBuilder builder(prompter, paths);
    EXPECT_FALSE(builder.FormCreate());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].kind, Kind::Error);
    EXPECT_EQ(prompter.messages[0].text, "Configuration Data File not found.\rAborting!");
    EXPECT_FALSE(builder.Ready);
}

TEST(Startup, StartsOnAnEmptyUnchangedHero) {
    TempAppDir app;
    app.Write("Data/config.xml", kMinimalConfig);
    app.Write("defaults.xml", "<Defaults><Sources Active=\"Core\" /></Defaults>");
    app.Write("tavorn.log", "old run\n");
    app.Write("debug.log", "old trace\n");
    ScriptedPrompter prompter;
    AppPaths paths(app.Root());
    HeroBuilder builder(prompter, paths);
    ASSERT_TRUE(builder.FormCreate());
    EXPECT_TRUE(builder.Ready);
    EXPECT_FALSE(builder.Changed);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(app.Read("tavorn.log").find("old run"), std::string::npos); // a new main log
    EXPECT_FALSE(app.Exists("debug.log"));
    EXPECT_EQ(builder.Views.Label("Page").text, "Main");
}

TEST(Startup, TheConfigurationFolderIsFoundWhateverItsLetterCase) {
    TempAppDir app;
    std::filesystem::remove_all(app.Data());
    app.Write("data/CONFIG.XML", kMinimalConfig);
    ScriptedPrompter prompter;
    AppPaths paths(app.Root());
    HeroBuilder builder(prompter, paths);
    EXPECT_TRUE(builder.FormCreate());
}

TEST(Startup, CommandLineHeroIsShownUnchanged) {
    TempAppDir app;
    app.Write("Data/config.xml", kMinimalConfig);
    ScriptedPrompter prompter;
    AppPaths paths(app.Root());
    HeroBuilder builder(prompter, paths);
    ASSERT_TRUE(builder.FormCreate());
    builder.DataChanged();
    builder.OpenStartupHero("/some/where/hero.xml");
    EXPECT_FALSE(builder.Changed);
    EXPECT_TRUE(builder.Ready);
    EXPECT_EQ(builder.Views.Label("FileName").text, "/some/where/hero.xml");
}

TEST(Shell, NewAsksToSaveOnlyWhenSomethingChanged) {
    TempAppDir app;
    app.Write("Data/config.xml", kMinimalConfig);
    ScriptedPrompter prompter;
    AppPaths paths(app.Root());
    HeroBuilder builder(prompter, paths);
    ASSERT_TRUE(builder.FormCreate());
    prompter.Clear();

    builder.Clear1Click();
    EXPECT_TRUE(prompter.messages.empty());

    builder.Hero.HeroName = "Rhen";
    builder.DataChanged();
    builder.Clear1Click();
    EXPECT_EQ(prompter.Texts(Kind::Confirm), std::vector<std::string>{"Save Changes?"});
    EXPECT_EQ(builder.Hero.HeroName, "");
    EXPECT_FALSE(builder.Changed);

    builder.Creatures1Click();
    builder.Ships1Click();
    EXPECT_EQ(prompter.Texts(Kind::Plain),
              std::vector<std::string>(2, "Not yet enabled..\rCheck back in a future version"));
}

TEST(Logs, MainLogStartsWithTheVersionLabel) {
    TempAppDir app;
    ScriptedPrompter prompter;
    AppPaths paths(app.Root());
    AppLogs logs(paths, prompter);
    logs.Log("CurSpecies.Name=Earthkin");
    logs.Log("second");
    EXPECT_EQ(app.Read("tavorn.log"),
              std::string(kVersionLabel) + "\nCurSpecies.Name=Earthkin\nsecond\n");
    logs.RestartMainLog();
    EXPECT_FALSE(app.Exists("tavorn.log"));
}

TEST(Logs, DebugLogKinds) {
    TempAppDir app;
    ScriptedPrompter prompter;
    AppPaths paths(app.Root());
    AppLogs logs(paths, prompter);
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
}

TEST(Logs, AnUnwritableLogIsReportedAndTheLineLost) {
    TempAppDir app;
    ScriptedPrompter prompter;
    // A log path that is a folder can be neither created nor appended to, even as root.
    std::filesystem::create_directories(app.Root() / "debug.log");
    std::filesystem::create_directories(app.Root() / "Sub");
    AppPaths paths(app.Root());
    AppLogs logs(paths, prompter);
    logs.DebugLog(2, "trace");
    ASSERT_EQ(prompter.Texts(Kind::Error).size(), 1u);
    EXPECT_EQ(prompter.Texts(Kind::Error)[0],
              "Unable to write \"trace\" to " + (app.Root() / "debug.log").string());

    AppPaths missing(app.Root() / "gone");
    AppLogs orphan(missing, prompter);
    orphan.DebugLog(1, "problem");
    EXPECT_EQ(prompter.Texts(Kind::Error)[1], "Unable to create " +
                                                  (app.Root() / "gone" / "ImportError.log").string() +
                                                  " and write \"problem\"");
}

} // namespace
