// The component catalogue: names read exactly as written, the fallbacks of values that
// cannot be read, the filter and the component lists as the window shows them.

#include "ships/ShipCatalogue.h"
#include "ships/ShipTables.h"

#include <gtest/gtest.h>

namespace {

ShipCatalogue Read(const std::string& text) {
    ShipCatalogue catalogue;
    ReadShipCatalogueText("<Ships>" + text + "</Ships>", catalogue);
    return catalogue;
}

std::vector<std::size_t> All(std::size_t count) {
    std::vector<std::size_t> all(count);
    for (std::size_t i = 0; i < count; ++i)
        all[i] = i;
    return all;
}

} // namespace

TEST(ShipCatalogue, NamesAreMatchedExactlyAndBadValuesTakeTheirFallbacks) {
    const ShipCatalogue catalogue = Read(R"(
        <hull Name="Lower case" Points="10"/>
        <HULL Name="Shouted" POINTS="10" Points="lots" Bonus="3000000000" Cost="5000000000"/>
        <ARMOR Name="Soft" PL="x" Hull="a lot" Cost="" Tech="S"><HULL Name="Inner"/></ARMOR>
        <POWER Name="P" PL="7" Power="1,5" BaseCost="2147483648" Fuel="maybe" MinSize="-"/>
        <POWER Name="Q" Fuel="1" Power="0.12345"/>
        <ENGINE Name="E" Acc5="fast" Acc50="2.5" MinSize="?" FuelCost="x"/>
        <FTL Name="F" MinSize="?" FixedSize="many" Acc10="1 ly" Power="-"/>
        <SUPPORT Name="S" Hull="?" Cost="?" PL="" Power="?"/>)");

    // "hull" in lower case and the attribute POINTS are not read; the nested element is.
    ASSERT_EQ(catalogue.Hulls.size(), 2u);
    const TShipHulls& hull = catalogue.Hulls[0];
    EXPECT_EQ(hull.Name, "Shouted");
    EXPECT_EQ(hull.Points, 100000);
    EXPECT_EQ(hull.Bonus, 0); // does not fit 32 bits: the fallback, not a wrapped value
    EXPECT_EQ(hull.Cost, 5000000000LL);
    EXPECT_EQ(catalogue.Hulls[1].Name, "Inner");
    EXPECT_EQ(catalogue.Hulls[1].Points, 0); // absent: zero

    const TShipArmor& armor = catalogue.Armor.at(0);
    EXPECT_EQ(armor.PL, 10);
    EXPECT_EQ(armor.Hull, ShipDecimal::Whole(100));
    EXPECT_EQ(armor.Cost, 1000000);

    const TShipPower& power = catalogue.Power.at(0);
    EXPECT_EQ(power.Power, ShipDecimal{1'500'000});
    EXPECT_EQ(power.BaseCost, 1000000);
    EXPECT_EQ(power.MinSize, 10000);
    EXPECT_FALSE(power.Fuel);
    EXPECT_TRUE(catalogue.Power.at(1).Fuel);
    EXPECT_EQ(catalogue.Power.at(1).Power, ShipDecimal{123'500}); // four places kept

    const TShipEngine& engine = catalogue.Engines.at(0);
    EXPECT_EQ(engine.Acc[0], ShipDecimal::Whole(-1));
    EXPECT_EQ(engine.Acc[6], ShipDecimal{2'500'000});
    EXPECT_EQ(engine.Acc[1], ShipDecimal{}); // absent
    EXPECT_EQ(engine.MinSize, 10000);
    EXPECT_EQ(engine.FuelCost, 0);

    const TShipFTL& ftl = catalogue.FTL.at(0);
    EXPECT_EQ(ftl.MinSize, 0);
    EXPECT_EQ(ftl.FixedSize, 0);
    EXPECT_EQ(ftl.Acc[1], "1 ly");
    EXPECT_EQ(ftl.Power, ShipDecimal::Whole(-1));

    const TShipSupport& support = catalogue.Support.at(0);
    EXPECT_EQ(support.Hull, ShipDecimal::Whole(999));
    EXPECT_EQ(support.Cost, 999);
    EXPECT_EQ(support.PL, 10);
    EXPECT_EQ(support.Power, ShipDecimal::Whole(-1));

    ShipCatalogue none;
    ReadShipCatalogue("/nonexistent/ship_data.xml", none);
    EXPECT_TRUE(none.Hulls.empty() && none.Support.empty());
}

TEST(ShipCatalogue, TheFilterOffersByTechnologyAndTicksLevelsCumulatively) {
    ShipFilter filter;
    EXPECT_TRUE(filter.PLTicked(6) && filter.PLTicked(7));
    EXPECT_FALSE(filter.PLTicked(8) || filter.PLTicked(9));

    for (const TechTrack& track : kTechTracks)
        filter.SetTech(track.letter, false);
    EXPECT_TRUE(filter.Offers(7, "*"));
    EXPECT_FALSE(filter.Offers(7, "FQ"));
    EXPECT_FALSE(filter.Offers(7, "*F")); // only "*" alone stands for every track
    filter.SetTech('Q', true);
    EXPECT_TRUE(filter.Offers(7, "FQ"));
    filter.SetTech('Q', false);
    filter.SetTech('F', true);
    EXPECT_TRUE(filter.Offers(6, "FQ"));
    EXPECT_FALSE(filter.SetTech('Z', true));

    filter.SetPL(9, true);
    for (int pl = 6; pl <= 9; ++pl)
        EXPECT_TRUE(filter.PLTicked(pl)) << pl;
    EXPECT_FALSE(filter.Offers(5, "*") || filter.Offers(10, "*"));

    filter.SetPL(7, false);
    EXPECT_TRUE(filter.PLTicked(6));
    EXPECT_FALSE(filter.PLTicked(7) || filter.PLTicked(8) || filter.PLTicked(9));
    EXPECT_FALSE(filter.Offers(8, "*"));
    filter.SetPL(8, true);
    EXPECT_TRUE(filter.PLTicked(7) && !filter.PLTicked(9));
    filter.SetPL(6, false);
    EXPECT_FALSE(filter.PLTicked(6) || filter.PLTicked(7) || filter.PLTicked(8));

    EXPECT_FALSE(ArmorFitsHull("Sm", "heavy") || ArmorFitsHull("Sm", "super-heavy"));
    EXPECT_TRUE(ArmorFitsHull("Sm", "light") && ArmorFitsHull("Lt", "heavy"));
    EXPECT_FALSE(ArmorFitsHull("Lt", "super-heavy"));
    EXPECT_TRUE(ArmorFitsHull("Hv", "super-heavy"));
}

TEST(ShipCatalogue, ComponentListsShowEachSectionsColumns) {
    const ShipCatalogue catalogue = Read(R"(
        <HULL Name="Gnat" Type="Tiny" Points="40" Bonus="0" Tough="Sm" Target="2" Cost="1500"/>
        <HULL Name="Ox" Points="400" Bonus="12" Target="-1" Stun="9" Crew="30" Cost="-3"/>
        <ARMOR Name="Hide" Type="light" PL="6" Tech="*" LI="d4" HI="d4-1" En="0" Hull="12.5" Cost="2"/>
        <POWER Name="Cell" PL="6" Tech="F" Power="1.5" BaseCost="20" Cost="3" MinSize="2" Fuel="True" FuelCost="1" FuelEff="40"/>
        <POWER Name="Tap" PL="9" Tech="Q" Power="0.125" BaseCost="0" Cost="1234" Fuel="False"/>
        <ENGINE Name="Ion" PL="6" Tech="*" Power="-0.5" BaseCost="10" Cost="4" Acc5="0.5" Acc50="3.5" FuelEff="300" FuelCost="1"/>
        <ENGINE Name="Sail" PL="9" Tech="G" Power="-3" Acc5="0" Acc10="2" FuelCost="0"/>
        <FTL Name="Fold" PL="7" Tech="T" Power="-2" BaseCost="500" Cost="30" MinSize="10" Acc10="0.5 ly"/>
        <FTL Name="Tack" PL="7" Tech="*" Power="0.5" BaseCost="0" Cost="25" FixedSize="7"/>
        <SUPPORT Name="Deck" PL="6" Tech="*" Hull="2.5" Power="-0.5" Cost="5" Notes="Seats"/>
        <SUPPORT Name="Skin" PL="7" Tech="X" Hull="3" Power="0.75" Cost="6"/>)");
    const ShipNumberFormat format;

    const TableView hulls = HullTable(catalogue.Hulls, All(2), format);
    EXPECT_EQ(hulls[0], TableRow({"Name", "Type", "Points", "Bonus", "Tough", "Target", "Mvr",
                                  "Stun", "Wnd", "Mtl", "Crit", "Crew", "Cost"}));
    EXPECT_EQ(hulls[1], TableRow({"Gnat", "Tiny", "40", "-", "Sm", "+2 Steps", "0", "0", "0", "0",
                                  "0", "0", "$1,500,000"}));
    EXPECT_EQ(hulls[2][3], "12");
    EXPECT_EQ(hulls[2][5], "-1 Steps");
    EXPECT_EQ(hulls[2][12], "-$3,000");

    EXPECT_EQ(ArmorTable(catalogue.Armor, All(1), format)[1],
              TableRow({"Hide", "light", "6", "*", "d4", "d4-1", "0", "12.5%", "$2,000"}));

    const TableView power = PowerTable(catalogue.Power, All(2), format);
    EXPECT_EQ(power[0].back(), "Fuel Efficiency");
    EXPECT_EQ(power[1], TableRow({"Cell", "6", "F", "1.50/HP", "$20000", "$3,000", "2", "Yes",
                                  "$1000", "40"}));
    EXPECT_EQ(power[2],
              TableRow({"Tap", "9", "Q", "0.13/HP", "$0000", "$1,234,000", "0", "No", "-", "-"}));

    const TableView engines = EngineTable(catalogue.Engines, All(2), format);
    EXPECT_EQ(engines[0],
              TableRow({"Engine", "PL", "Tech", "Power", "Fixed Cost", "Variable Cost", "MinSize",
                        "5%", "10%", "15%", "20%", "30%", "40%", "50%", "Eff", "Fuel Cost"}));
    EXPECT_EQ(engines[1],
              TableRow({"Ion", "6", "*", "-0.50/HP", "$10000", "$4,000/hp", "0", "0.50", "0.00",
                        "0.00", "0.00", "0.00", "0.00", "3.50", "300", "$1000"}));
    EXPECT_EQ(TableRow(engines[2].begin() + 7, engines[2].end()),
              TableRow({"-", "-", "-", "-", "-", "-", "-", "-", "-"}));

    const TableView drives = FTLTable(catalogue.FTL, All(2), format);
    EXPECT_EQ(drives[0][7], "Fixed Size");
    EXPECT_EQ(drives[1], TableRow({"Fold", "7", "T", "-", "$500000", "$30000/HP", "10", "N/A", "",
                                   "0.5 ly", "", "", "", "", ""}));
    EXPECT_EQ(TableRow(drives[2].begin() + 3, drives[2].begin() + 8),
              TableRow({"0.50/HP", "$0", "$25000/HP", "0", "7%"}));

    const TableView support = SupportTable(catalogue.Support, All(2), format);
    EXPECT_EQ(support[0], TableRow({"System", "PL", "Tech", "Hull", "Power", "Cost", "Notes"}));
    EXPECT_EQ(support[1], TableRow({"Deck", "6", "*", "2.5", "-", "$5000/HP", "Seats"}));
    EXPECT_EQ(support[2][4], "0.75/HP");

    // The locale's separator and currency.
    ShipNumberFormat german;
    german.decimalSeparator = ',';
    german.currency = {"", " €", "-", " €", "."};
    EXPECT_EQ(PowerTable(catalogue.Power, {0}, german)[1][3], "1,50/HP");
    EXPECT_EQ(HullTable(catalogue.Hulls, {0}, german)[1][12], "1.500 €,000");
}

TEST(ShipNumbers, DecimalsAreExactAndRoundedHalfAwayFromZero) {
    EXPECT_EQ(ParseShipDecimal("0.125", 2), ShipDecimal{130'000});
    EXPECT_EQ(ParseShipDecimal("-0.125", 2), ShipDecimal{-130'000});
    EXPECT_EQ(ParseShipDecimal(" 7,5 ", 2), ShipDecimal{7'500'000});
    EXPECT_EQ(ParseShipDecimal("1000000000000", 0), ShipDecimal::Whole(1'000'000'000'000));
    for (const char* bad : {"", "x", "1e3", "1000000000001", "1.2.3"})
        EXPECT_FALSE(ParseShipDecimal(bad, 2).has_value()) << bad;

    EXPECT_EQ(FixedText(21 * kMillion, 2), "21.00");
    EXPECT_EQ(FixedText(-5'000, 2), "-0.01");
    EXPECT_EQ(FixedText(1'234'567, 2, ','), "1,23");
    EXPECT_EQ(GeneralText(10'500'000), "10.5");
    EXPECT_EQ(GeneralText(-3 * kMillion), "-3");
    EXPECT_EQ(GeneralText(0), "0");

    const CurrencyFormat dollars;
    EXPECT_EQ(CostText(150 * kMillion, dollars), "$150,000");
    EXPECT_EQ(CostText(150'500'000, dollars), "$150,500");
    EXPECT_EQ(CostText(2'000'500, dollars), "$2,001"); // half a unit rounds up
    EXPECT_EQ(CostText(-1'500'000, dollars), "-$1,500");
    // Beyond what 64 bits hold, still exact.
    const Exact huge = Exact(9'000'000'000'000'000'000ULL) * 1000 * kMillion;
    EXPECT_EQ(CostText(huge, dollars), "$9,000,000,000,000,000,000,000,000");
}
