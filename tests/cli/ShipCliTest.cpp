// tavorn-cli ship: a design made from the command line on the bundled catalogue, printed as
// the designer's totals and its component lists.

#include "TempAppDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

fs::path CliProgram() {
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).parent_path().parent_path() / "tavorn-cli";
}

class ShipCli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(CliProgram())) GTEST_SKIP() << "tavorn-cli was not built";
        app.CopyBundledData();
    }
    int Run(const std::vector<std::string>& arguments) {
        std::string line =
            "'" + CliProgram().string() + "' ship --appdir '" + app.Root().string() + "'";
        for (const std::string& argument : arguments)
            line += " '" + argument + "'";
        const int status = std::system((line + " >'" + (app.Root() / "out.txt").string() + "' 2>'" +
                                        (app.Root() / "err.txt").string() + "'")
                                           .c_str());
        out = app.Read("out.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::vector<std::string> Names(const Json& table) const {
        std::vector<std::string> names;
        for (std::size_t row = 1; row < table.size(); ++row)
            names.push_back(table[row][0]);
        return names;
    }

    TempAppDir app;
    std::string out;
};

} // namespace

TEST_F(ShipCli, PrintsTheTotalsAndTheOfferedListsOfADesign) {
    // 300 + 30 points; 10 % armor at 3; a plant of 20 and an engine of 30; a 7 % drive whose
    // hull points are ignored; a support system of 2.
    ASSERT_EQ(Run({"--hull", "Mastiff Escort", "--armor", "Reactive Lattice", "--power",
                   "Fusion Torus:20", "--engine", "Plasma Drive:30", "--ftl", "Star Tack Drive:99",
                   "--support", "Flight Deck:2"}),
              0)
        << app.Read("err.txt");
    const Json json = Json::parse(out);
    EXPECT_EQ(json["labels"], Json({{"HullPoints", "330.00"},
                                    {"HullPointsUsed", "103.00"},
                                    {"Power", "100.00"},
                                    {"NetPower", "69.00"},
                                    {"Cost", "$3,335,000"},
                                    {"ArmorHullPoints", "30"}}));
    for (const char* table : {"Hulls", "Armor", "Power", "Engines", "FTL", "Support"})
        EXPECT_TRUE(json["tables"].contains(table)) << table;
    EXPECT_EQ(json["tables"]["Hulls"][0][12], "Cost");
    EXPECT_EQ(json["tables"]["Hulls"][1][12], "$150,000");
    EXPECT_EQ(json["tables"]["Power"][0][0], "Power Plant");
    // The window's defaults: PL 6 and 7, every technology.
    EXPECT_EQ(Names(json["tables"]["FTL"]),
              std::vector<std::string>({"Fold Spindle", "Star Tack Drive"}));

    // Only the boxes named: PL 8 ticks 6 and 7 too; only Fusion Tech besides "*".
    ASSERT_EQ(Run({"--hull", "Wasp Courier", "--pl", "8", "--tech", "F"}), 0);
    const Json filtered = Json::parse(out);
    EXPECT_EQ(Names(filtered["tables"]["Power"]),
              std::vector<std::string>({"Combustion Cell Array", "Fission Pile", "Fusion Torus",
                                        "Compact Fusion Core"}));
    EXPECT_EQ(
        Names(filtered["tables"]["Armor"]), // a small hull: light and medium only
        std::vector<std::string>({"Laminate Plating", "Braided Alloy Hide", "Reactive Lattice"}));

    // A component not offered, hull points that are no number, a box that does not exist.
    EXPECT_EQ(Run({"--hull", "Wasp Courier", "--power", "Zero-Point Tap:2"}), 2);
    EXPECT_NE(app.Read("err.txt").find("\"Zero-Point Tap\" is not offered"), std::string::npos);
    EXPECT_EQ(Run({"--hull", "Wasp Courier", "--power", "Fusion Torus:lots"}), 2);
    EXPECT_NE(app.Read("err.txt").find("Hull Points must be a number"), std::string::npos);
    EXPECT_EQ(Run({"--hull", "Wasp Courier", "--pl", "5"}), 2);
    EXPECT_EQ(Run({"--armor", "Laminate Plating"}), 2);
    EXPECT_NE(app.Read("err.txt").find("usage:"), std::string::npos);
}
