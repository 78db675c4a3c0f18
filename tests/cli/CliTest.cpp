// tavorn-cli run as a person runs it: the JSON of "show", the exit codes of "check" and the
// files "save" writes, on the sample heroes and the bundled catalogues.

#include "TempAppDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The program beside the build's tests folder.
fs::path CliProgram() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return self.parent_path().parent_path() / "tavorn-cli";
}

struct CliRun {
    int status = -1;
    std::string out;
};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CliRun RunCli(const std::vector<std::string>& arguments, const fs::path& errors) {
    std::string command = Quoted(CliProgram().string());
    for (const std::string& argument : arguments)
        command += " " + Quoted(argument);
    command += " 2>" + Quoted(errors.string());
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<fs::path> Examples() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(TAVORN_SOURCE_DIR) / "examples"))
        if (entry.path().extension() == ".xml") files.push_back(entry.path());
    return files;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(CliProgram())) GTEST_SKIP() << "tavorn-cli was not built";
        app.CopyBundledData();
    }
    CliRun RunHere(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin() + 1, {"--appdir", app.Root().string()});
        return RunCli(arguments, app.Root() / "stderr.txt");
    }
    std::string Errors() const { return app.Read("stderr.txt"); }

    TempAppDir app;
};

TEST_F(Cli, ShowPrintsTheDocumentedViewsOfEachExample) {
    std::vector<std::string> labels{"AttributeCost",
                                    "ActionCheck.Marginal",
                                    "ActionCheck.Ordinary",
                                    "ActionCheck.Good",
                                    "ActionCheck.Amazing",
                                    "ActionDie",
                                    "Actions",
                                    "Move.Sprint",
                                    "Move.Run",
                                    "Move.Walk",
                                    "Move.EasySwim",
                                    "Move.Swim",
                                    "Move.Glide",
                                    "Move.Fly",
                                    "Stun",
                                    "Wound",
                                    "Mortal",
                                    "Fatigue",
                                    "LastResortCost",
                                    "LastResortMax",
                                    "SkillPoints",
                                    "BroadSkills",
                                    "HeroName",
                                    "PlayerName",
                                    "GameMaster",
                                    "Career",
                                    "Gender",
                                    "Species",
                                    "Profession",
                                    "Specialization",
                                    "Motivation",
                                    "MoralAttitude",
                                    "Trait1",
                                    "Trait2",
                                    "Ruleset"};
    for (const char* attribute : {"STR", "DEX", "CON", "INT", "WIL", "PER"})
        for (const char* column : {"Base", "Total", "Ut", "Limits"})
            labels.push_back(std::string(attribute) + "." + column);
    for (const char* attribute : {"STR", "DEX", "INT", "WIL"})
        labels.push_back(std::string(attribute) + ".Res");

    // Several files at once: one object each, in an array.
    const auto examples = Examples();
    ASSERT_EQ(examples.size(), 3u);
    std::vector<std::string> arguments{"show"};
    for (const fs::path& example : examples)
        arguments.push_back(example.string());
    const CliRun all = RunHere(arguments);
    ASSERT_EQ(all.status, 0) << Errors();
    const auto shown = nlohmann::json::parse(all.out);
    ASSERT_TRUE(shown.is_array());
    ASSERT_EQ(shown.size(), 3u);
    for (std::size_t i = 0; i < examples.size(); ++i) {
        const auto& json = shown[i];
        SCOPED_TRACE(examples[i].filename().string());
        EXPECT_EQ(json["file"], examples[i].string());
        for (const std::string& name : labels)
            EXPECT_TRUE(json["labels"].contains(name)) << name;
        for (const char* name : {"Skills", "FixedNotes", "FreeNotes", "SkillPointAdjustments"})
            EXPECT_TRUE(json["tables"].contains(name)) << name;
        EXPECT_EQ(json["tables"]["Skills"][0],
                  nlohmann::json({"Skills", "Rank", "Att", "Score", "Die", "Cost"}));
        EXPECT_EQ(json["importErrors"], nlohmann::json::array());
        EXPECT_FALSE(json["labels"]["Species"].get<std::string>().empty());
    }

    // One file: the object itself.
    const CliRun courier =
        RunHere({"show", (fs::path(TAVORN_SOURCE_DIR) / "examples/aerlithi-courier.xml").string()});
    const auto json = nlohmann::json::parse(courier.out);
    EXPECT_EQ(json["labels"]["HeroName"], R"(Kel "Two-Knives" <Vey> & Co)");
    EXPECT_EQ(json["labels"]["Ruleset"], "Broad Schooling");
    EXPECT_EQ(json["tables"]["FreeNotes"][1], nlohmann::json({""}));
    EXPECT_EQ(json["tables"]["Skills"][4][0], "  Ground Vehicle: Hover bike");
}

TEST_F(Cli, CheckExitsWithWhatTheImportFound) {
    const fs::path example = fs::path(TAVORN_SOURCE_DIR) / "examples/earthkin-tech-op.xml";
    CliRun run = RunHere({"check", example.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");

    const fs::path unknown =
        app.Write("unknown.xml", R"(<HeroData><Hero Species="Earthkin" Profession="Combat Spec">
<Skills><Skill Level="2" Name="Hyperspace Yodel"/></Skills></Hero></HeroData>)");
    run = RunHere({"check", unknown.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Unknown skill: Hyperspace Yodel  2\nCombat Spec Specialization Not Set\n");

    run = RunHere({"check", example.string(), unknown.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, unknown.string() + ": Unknown skill: Hyperspace Yodel  2\n" +
                           unknown.string() + ": Combat Spec Specialization Not Set\n");

    run = RunHere({"check", (app.Root() / "nowhere.xml").string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(Errors().find("nowhere.xml does not exist"), std::string::npos) << Errors();

    run = RunHere({"check"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(Errors().find("usage:"), std::string::npos);
}

TEST_F(Cli, SaveWritesTheCurrentLayout) {
    for (const fs::path& example : Examples()) {
        SCOPED_TRACE(example.filename().string());
        const fs::path out = app.Root() / example.filename();
        ASSERT_EQ(RunHere({"save", example.string(), out.string()}).status, 0) << Errors();
        EXPECT_EQ(ReadWholeFile(out), ReadWholeFile(example));
    }

    const fs::path old = app.Write("old.xml", "<HERO HeroName=\"Old\"><Species>Earthkin</Species>"
                                              "<Profession>Tech Op</Profession></HERO>");
    const fs::path out = app.Root() / "new.xml";
    ASSERT_EQ(RunHere({"save", old.string(), out.string()}).status, 0) << Errors();
    const std::string text = ReadWholeFile(out);
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<HeroData>\r\n", 0), 0u);
    EXPECT_NE(text.find(R"(Profession="Tech Op" Species="Earthkin")"), std::string::npos);

    EXPECT_EQ(RunHere({"save", old.string(), (app.Root() / "gone" / "x.xml").string()}).status, 2);
}

} // namespace
