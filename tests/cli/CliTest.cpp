// tavorn-cli run as a person runs it: the JSON of "show", the exit codes of "check" and the
// files "save" writes, on the sample heroes and the bundled catalogues.

#include "TempAppDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <sstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// The program beside the build's tests folder.
fs::path CliProgram() {
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).parent_path().parent_path() / "tavorn-cli";
}

const fs::path kExamples = fs::path(TAVORN_SOURCE_DIR) / "examples";

std::vector<std::string> Examples() {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(kExamples))
        if (entry.path().extension() == ".xml") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(CliProgram())) GTEST_SKIP() << "tavorn-cli was not built";
        app.CopyBundledData();
    }
    // Runs "tavorn-cli COMMAND --appdir APP ARGUMENTS..." and keeps what it printed.
    int Run(const std::string& command, const std::vector<std::string>& arguments) {
        std::string line = "'" + CliProgram().string() + "' " + command + " --appdir '" +
                           app.Root().string() + "'";
        for (const std::string& argument : arguments)
            line += " '" + argument + "'";
        const fs::path output = app.Root() / "stdout.txt", errors = app.Root() / "stderr.txt";
        const int status =
            std::system((line + " >'" + output.string() + "' 2>'" + errors.string() + "'").c_str());
        out = ReadWholeFile(output);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Errors() const { return app.Read("stderr.txt"); }

    TempAppDir app;
    std::string out;
};

TEST_F(Cli, ShowPrintsTheDocumentedViewsOfEachExample) {
    std::istringstream documented(
        "AttributeCost ActionCheck.Marginal ActionCheck.Ordinary ActionCheck.Good "
        "ActionCheck.Amazing ActionDie Actions Move.Sprint Move.Run Move.Walk Move.EasySwim "
        "Move.Swim Move.Glide Move.Fly Stun Wound Mortal Fatigue LastResortCost LastResortMax "
        "SkillPoints BroadSkills HeroName PlayerName GameMaster Career Gender Species Profession "
        "Specialization Motivation MoralAttitude Trait1 Trait2 Ruleset STR.Res DEX.Res INT.Res "
        "WIL.Res");
    std::vector<std::string> labels{std::istream_iterator<std::string>(documented), {}};
    for (const char* attribute : {"STR", "DEX", "CON", "INT", "WIL", "PER"})
        for (const char* column : {".Base", ".Total", ".Ut", ".Limits"})
            labels.push_back(attribute + std::string(column));

    // Several files at once: one object each, in an array.
    const auto examples = Examples();
    ASSERT_EQ(examples.size(), 4u);
    ASSERT_EQ(Run("show", examples), 0) << Errors();
    const Json shown = Json::parse(out);
    ASSERT_EQ(shown.size(), 4u);
    for (std::size_t i = 0; i < examples.size(); ++i) {
        const Json& json = shown[i];
        SCOPED_TRACE(examples[i]);
        EXPECT_EQ(json["file"], examples[i]);
        for (const std::string& name : labels)
            EXPECT_TRUE(json["labels"].contains(name)) << name;
        for (const char* name : {"Skills", "FixedNotes", "FreeNotes", "SkillPointAdjustments"})
            EXPECT_TRUE(json["tables"].contains(name)) << name;
        EXPECT_EQ(json["tables"]["Skills"][0],
                  Json({"Skills", "Rank", "Att", "Score", "Die", "Cost"}));
        EXPECT_EQ(json["importErrors"], Json::array());
    }

    // One file: the object itself.
    ASSERT_EQ(Run("show", {(kExamples / "aerlithi-courier.xml").string()}), 0) << Errors();
    const Json json = Json::parse(out);
    EXPECT_EQ(json["labels"]["HeroName"], R"(Kel "Two-Knives" <Vey> & Co)");
    EXPECT_EQ(json["labels"]["Ruleset"], "Broad Schooling");
    EXPECT_EQ(json["tables"]["FreeNotes"][1], Json({""}));
    EXPECT_EQ(json["tables"]["Skills"][4][0], "  Ground Vehicle: Hover bike");
}

TEST_F(Cli, CheckExitsWithWhatTheImportFound) {
    const std::string example = (kExamples / "earthkin-tech-op.xml").string();
    EXPECT_EQ(Run("check", {example}), 0);
    EXPECT_EQ(out, "");

    const std::string unknown =
        app.Write("unknown.xml", R"(<HeroData><Hero Species="Earthkin" Profession="Combat Spec">
<Skills><Skill Level="2" Name="Hyperspace Yodel"/></Skills></Hero></HeroData>)");
    EXPECT_EQ(Run("check", {unknown}), 1);
    EXPECT_EQ(out, "Unknown skill: Hyperspace Yodel  2\nCombat Spec Specialization Not Set\n");
    EXPECT_EQ(Run("check", {example, unknown}), 1);
    EXPECT_EQ(out, unknown + ": Unknown skill: Hyperspace Yodel  2\n" + unknown +
                       ": Combat Spec Specialization Not Set\n");

    EXPECT_EQ(Run("check", {(app.Root() / "nowhere.xml").string()}), 2);
    EXPECT_NE(Errors().find("nowhere.xml does not exist"), std::string::npos) << Errors();
    EXPECT_EQ(Run("check", {}), 2);
    EXPECT_NE(Errors().find("usage:"), std::string::npos);
}

TEST_F(Cli, SaveWritesTheCurrentLayout) {
    // Each example is saved by the program already: open and save give the same bytes.
    for (const std::string& example : Examples()) {
        const fs::path out = app.Root() / fs::path(example).filename();
        ASSERT_EQ(Run("save", {example, out.string()}), 0) << Errors();
        EXPECT_EQ(ReadWholeFile(out), ReadWholeFile(example)) << example;
    }

    const std::string old =
        app.Write("old.xml", "<HERO HeroName=\"Old\"><Species>Earthkin</Species>"
                             "<Profession>Tech Op</Profession></HERO>");
    ASSERT_EQ(Run("save", {old, (app.Root() / "new.xml").string()}), 0) << Errors();
    const std::string text = app.Read("new.xml");
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<HeroData>\r\n", 0), 0u);
    EXPECT_NE(text.find(R"(Profession="Tech Op" Species="Earthkin")"), std::string::npos);
    EXPECT_EQ(Run("save", {old, (app.Root() / "gone" / "x.xml").string()}), 2);
}

} // namespace

TEST_F(Cli, ShowPrintsExactlyTheRecordedViewsOfEachExample) {
    // What "show" printed for each example when it was recorded, with the example named as
    // "examples/NAME.xml": any change to a shown text is a change to the program.
    for (const std::string& example : Examples()) {
        const std::string name = fs::path(example).stem().string();
        ASSERT_EQ(Run("show", {example}), 0) << Errors();
        std::string shown = out;
        const std::string relative = "examples/" + name + ".xml";
        for (std::size_t at = shown.find(example); at != std::string::npos;
             at = shown.find(example, at + relative.size()))
            shown.replace(at, example.size(), relative);
        EXPECT_EQ(shown, ReadWholeFile(fs::path(TAVORN_SOURCE_DIR) / "tests" / "cli" / "expected" /
                                       (name + ".json")))
            << name;
    }
}
