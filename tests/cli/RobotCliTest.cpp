// tavorn-cli's robot and roster commands run as a person runs them, on the sample robots and
// heroes and the bundled catalogues.

#include "TempAppDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

fs::path Program() {
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).parent_path().parent_path() / "tavorn-cli";
}

const fs::path kExamples = fs::path(TAVORN_SOURCE_DIR) / "examples";
const fs::path kCourier = kExamples / "robots" / "tallyframe-courier.xml";
const fs::path kWarden = kExamples / "robots" / "lumen-warden.xml";

class RobotCli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(Program())) GTEST_SKIP() << "tavorn-cli was not built";
        app.CopyBundledData();
    }
    // Runs "tavorn-cli WORDS... --appdir APP" and keeps what it printed.
    int Run(const std::vector<std::string>& words) {
        std::string line = "'" + Program().string() + "'";
        for (const std::string& word : words)
            line += " '" + word + "'";
        line += " --appdir '" + app.Root().string() + "'";
        const fs::path output = app.Root() / "stdout.txt", errors = app.Root() / "stderr.txt";
        const int status =
            std::system((line + " >'" + output.string() + "' 2>'" + errors.string() + "'").c_str());
        out = ReadWholeFile(output);
        err = ReadWholeFile(errors);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TempAppDir app;
    std::string out, err;
};

} // namespace

TEST_F(RobotCli, ShowPrintsTheDesignersValues) {
    ASSERT_EQ(Run({"robot", "show", kWarden.string()}), 0) << err;
    const Json json = Json::parse(out);
    const Json& labels = json["labels"];
    for (const char* name : {"STR", "DEX", "CON", "INT", "WIL", "PER", "ActionCheck", "ActionDie",
                             "Actions", "Armor", "Designation", "PL"})
        EXPECT_TRUE(labels.contains(name)) << name;
    EXPECT_EQ(labels["Designation"], "Lumen Warden");
    EXPECT_EQ(labels["PL"], "9");
    EXPECT_EQ(labels["CON"], "13");
    EXPECT_EQ(labels["DEX"], "15"); // Tensor Filaments 13, Balance Gyros +1, Quickening Core +1
    EXPECT_EQ(labels["ActionCheck"], "17+/16/8/4");
    EXPECT_EQ(labels["ActionDie"], "-d6");
    EXPECT_EQ(labels["Actions"], "3"); // DEX 15 + WIL 13
    EXPECT_EQ(json["tables"]["Upgrades"], Json({{"Upgrades"},
                                                {"Balance Gyros"},
                                                {"Persona Seed"},
                                                {"Atlas Frame"},
                                                {"Quickening Core"}}));
    for (const char* table : {"Ports", "Manipulators", "Sensors"})
        EXPECT_TRUE(json["tables"][table].is_array()) << table;
    EXPECT_EQ(json["importErrors"], Json::array());

    // A hero file is no robot: the designer's message, and nothing read.
    ASSERT_EQ(Run({"robot", "show", (kExamples / "earthkin-tech-op.xml").string()}), 0);
    EXPECT_EQ(Json::parse(out)["importErrors"], Json({"This is a hero xml, not a robot xml"}));
}

TEST_F(RobotCli, SaveRewritesTheSampleByteForByteAndSheetWritesThePage) {
    for (const fs::path& robot : {kCourier, kWarden}) {
        const fs::path saved = app.Root() / robot.filename();
        ASSERT_EQ(Run({"robot", "save", robot.string(), saved.string()}), 0) << err;
        EXPECT_EQ(ReadWholeFile(saved), ReadWholeFile(robot)) << robot;
    }

    const fs::path sheet = app.Root() / "courier.html";
    ASSERT_EQ(Run({"robot", "sheet", kCourier.string(), "-o", sheet.string()}), 0) << err;
    const std::string html = ReadWholeFile(sheet);
    EXPECT_NE(html.find("<title>Tallyframe Courier</title>"), std::string::npos);
    EXPECT_NE(html.find("<b>Sensor</b></td><td>Glass Eye</td>"), std::string::npos);

    // Usage errors, missing files and hero files end with 2 and a message.
    EXPECT_EQ(Run({"robot", "sheet", kCourier.string()}), 2);
    EXPECT_NE(err.find("usage:"), std::string::npos);
    EXPECT_EQ(Run({"robot", "save", (app.Root() / "none.xml").string(), sheet.string()}), 2);
    EXPECT_NE(err.find("none.xml does not exist"), std::string::npos);
    EXPECT_EQ(Run({"robot", "save", (kExamples / "gruskal-warden.xml").string(), sheet.string()}),
              2);
    EXPECT_NE(err.find("This is a hero xml, not a robot xml"), std::string::npos);
}

TEST_F(RobotCli, RosterOfTheSamplesIsTheSamplePage) {
    const fs::path page = app.Root() / "Roster.html";
    ASSERT_EQ(Run({"roster", (kExamples / "earthkin-tech-op.xml").string(),
                   (kExamples / "aerlithi-courier.xml").string(),
                   (kExamples / "gruskal-warden.xml").string(), kCourier.string(), kWarden.string(),
                   "-o", page.string()}),
              0)
        << err;
    const Json rows = Json::parse(out)["tables"]["Roster"];
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], Json({"Name", "S", "D", "Move", "Action Check", "#", "Armor", "S", "W", "M",
                             "Attacks"}));
    EXPECT_EQ(rows[1][0], "Mara Quell");
    EXPECT_EQ(rows[5], Json({"Lumen Warden", "+2", "+3", "", "17+/16/8/4 [ -d6 ]", "3",
                             "Ward Coat d8/d6+1/d6", "13", "13", "7", ""}));
    for (const Json& row : rows)
        EXPECT_EQ(row.size(), 11u);
    EXPECT_EQ(ReadWholeFile(page), ReadWholeFile(kExamples / "Roster.html"));

    EXPECT_EQ(Run({"roster", (app.Root() / "Data" / "robots.xml").string(), "-o", page.string()}),
              2);
    EXPECT_NE(err.find("is neither a hero nor a robot file"), std::string::npos);
}
