// The starship designer as a person uses it: choosing sections, double clicking components,
// clearing lists, and the totals of the page.

#include "ships/ShipDesigner.h"
#include "app/ScriptedPrompter.h"

#include "TempAppDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Kind = ScriptedPrompter::Kind;
using Strings = std::vector<std::string>;

const char* const kCatalogue = R"(<Ships>
  <HULL Name="Plain" Type="Light" Points="100" Bonus="20" Tough="Lt" Stun="50" Wound="40" Mortal="25" Crit="12" Cost="100"/>
  <HULL Name="Big" Type="Medium" Points="300" Bonus="0" Tough="Md" Cost="2000"/>
  <HULL Name="Tiny" Type="Small" Points="40" Tough="Sm" Cost="10"/>
  <ARMOR Name="Shell" Type="light" PL="6" Tech="*" LI="d4" HI="d4-1" En="d4-2" Hull="10" Cost="2"/>
  <ARMOR Name="Slab" Type="heavy" PL="7" Tech="S" LI="d8" HI="d6" En="d6" Hull="12.5" Cost="3"/>
  <ARMOR Name="Mass" Type="super-heavy" PL="7" Tech="G" LI="d10" HI="d8" En="d8" Hull="20" Cost="5"/>
  <POWER Name="Cell" PL="6" Tech="*" Power="1.5" BaseCost="20" Cost="3"/>
  <POWER Name="Cell" PL="7" Tech="F" Power="4" BaseCost="900" Cost="90"/>
  <POWER Name="Old" PL="5" Tech="*" Power="9"/>
  <ENGINE Name="Ion" PL="6" Tech="*" Power="-0.5" BaseCost="10" Cost="4"/>
  <FTL Name="Tack" PL="7" Tech="*" Power="0" BaseCost="0" Cost="25" FixedSize="7"/>
  <FTL Name="Anchor" PL="7" Tech="*" Power="0" BaseCost="100" Cost="2" FixedSize="5"/>
  <FTL Name="Fold" PL="7" Tech="T" Power="-2" BaseCost="500" Cost="30"/>
  <SUPPORT Name="Deck" PL="6" Tech="*" Hull="2" Power="-0.5" Cost="5"/>
</Ships>)";

class ShipDesignerTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.Write("Data/ship_data.xml", kCatalogue);
        paths = std::make_unique<AppPaths>(app.Root());
        designer = std::make_unique<ShipDesigner>(prompter, *paths);
    }
    // Chooses the section and double clicks the offered row whose first cell is `name`
    // (the first one, or the one after `skip` others of that name).
    bool Add(ShipSection section, const std::string& name, int skip = 0) {
        if (!designer->ChooseSection(section)) return false;
        const TableView& table = Table(kShipComponentTables[static_cast<std::size_t>(section)]);
        for (std::size_t row = 1; row < table.size(); ++row)
            if (table[row][0] == name && skip-- == 0) return designer->AddComponent(row - 1);
        ADD_FAILURE() << name << " is not offered";
        return false;
    }
    std::string Label(LabelName name) const { return designer->Views().Label(name).text; }
    const TableView& Table(TableName name) const { return designer->Views().Table(name); }
    Strings Column(TableName name, std::size_t column = 0) const {
        Strings cells;
        for (std::size_t row = 1; row < Table(name).size(); ++row)
            cells.push_back(Table(name)[row][column]);
        return cells;
    }

    TempAppDir app;
    ScriptedPrompter prompter;
    std::unique_ptr<AppPaths> paths;
    std::unique_ptr<ShipDesigner> designer;
};

} // namespace

TEST_F(ShipDesignerTest, SectionsNeedAHullAndArmorMustFitIt) {
    EXPECT_EQ(Label(kShipSectionShown), "HULL");
    EXPECT_FALSE(designer->ChooseSection(ShipSection::Power));
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Select a hull first"});
    EXPECT_EQ(designer->Section(), ShipSection::Hull);
    EXPECT_FALSE(designer->Views().Label(kShipHullPointsField).visible);

    ASSERT_TRUE(Add(ShipSection::Hull, "Tiny"));
    EXPECT_EQ(Column(kShipComponentTables[1]), Strings{"Shell"}); // "Sm": light only
    ASSERT_TRUE(Add(ShipSection::Hull, "Plain"));
    EXPECT_EQ(Column(kShipComponentTables[1]), Strings({"Shell", "Slab"})); // "Lt"
    ASSERT_TRUE(Add(ShipSection::Hull, "Big"));
    EXPECT_EQ(Column(kShipComponentTables[1]), Strings({"Shell", "Slab", "Mass"}));

    // The filter follows its boxes at once; PL 5 is never offered.
    designer->SetTechBox('S', false);
    EXPECT_EQ(Column(kShipComponentTables[1]), Strings({"Shell", "Mass"}));
    EXPECT_EQ(Column(kShipComponentTables[2], 1), Strings({"6", "7"}));
    designer->SetPLBox(6, false);
    EXPECT_EQ(Column(kShipComponentTables[2]), Strings{});
    EXPECT_FALSE(designer->Views().Check(kShipPLChecks[1]).checked);

    ASSERT_TRUE(designer->ChooseSection(ShipSection::Engine));
    EXPECT_TRUE(designer->Views().Label(kShipHullPointsField).visible);
    ASSERT_TRUE(designer->ChooseSection(ShipSection::Support));
    EXPECT_FALSE(designer->Views().Label(kShipHullPointsField).visible);
}

TEST_F(ShipDesignerTest, TotalsOfHullArmorAndComponents) {
    ASSERT_TRUE(Add(ShipSection::Hull, "Plain"));
    EXPECT_EQ(Label(kShipHullName), "Plain");
    EXPECT_EQ(Label(kShipStun) + Label(kShipWound) + Label(kShipMortal) + Label(kShipCrit),
              "50402512");
    EXPECT_EQ(Label(kShipHullPoints), "120.00");
    EXPECT_EQ(Label(kShipArmorName), "None");
    EXPECT_EQ(Label(kShipArmorLI) + Label(kShipArmorHI) + Label(kShipArmorEn), "---");
    EXPECT_EQ(Label(kShipArmorPercent), "0%");

    // 100 points, armor of 10 % at 2 a hull point: 10 hull points, 20 thousand.
    ASSERT_TRUE(Add(ShipSection::Armor, "Shell"));
    EXPECT_EQ(Label(kShipArmorName), "Shell, light");
    EXPECT_EQ(Label(kShipArmorLI) + " " + Label(kShipArmorHI) + " " + Label(kShipArmorEn),
              "d4 d4-1 d4-2");
    EXPECT_EQ(Label(kShipArmorPercent), "10%");
    EXPECT_EQ(Label(kShipArmorHullPoints), "10");
    EXPECT_EQ(Label(kShipHullPointsUsed), "10.00");
    EXPECT_EQ(Label(kShipCost), "$120,000");

    // A power plant of 2.5 hull points: 3.75 power, 20 + 3 x 2.5 = 27.5 thousand.
    designer->SetHullPointsText("2.5");
    ASSERT_TRUE(Add(ShipSection::Power, "Cell"));
    EXPECT_EQ(Table(kShipPowerEntries),
              TableView({{"HP", "Pwr", "Description"}, {"2.5", "3.75", "Cell"}}));
    EXPECT_EQ(Label(kShipPower), "3.75");
    EXPECT_EQ(Label(kShipCost), "$147,500");

    // An engine of 2 takes 1 power; a support system takes the field's whole hull points.
    designer->SetHullPointsText("2");
    ASSERT_TRUE(Add(ShipSection::Engine, "Ion"));
    designer->SetHullPointsText("3.9");
    ASSERT_TRUE(Add(ShipSection::Support, "Deck"));
    EXPECT_EQ(Table(kShipSupportEntries)[1], TableRow({"3", "-1.5", "Deck"}));
    EXPECT_EQ(Label(kShipPower), "3.75");
    EXPECT_EQ(Label(kShipNetPower), "1.25");
    EXPECT_EQ(Label(kShipHullPointsUsed), "17.50");
    EXPECT_EQ(Label(kShipCost), "$180,500"); // + 18 for the engine, + 15 for the deck

    // Another hull keeps the armor and the entries; the armor's share follows the hull.
    ASSERT_TRUE(Add(ShipSection::Hull, "Big"));
    EXPECT_EQ(Label(kShipArmorName), "Shell, light");
    EXPECT_EQ(Label(kShipArmorHullPoints), "30");
    EXPECT_EQ(Table(kShipPowerEntries).size(), 2u);
    EXPECT_EQ(Label(kShipHullPoints), "300.00");
    EXPECT_EQ(Label(kShipHullPointsUsed), "37.50");
}

TEST_F(ShipDesignerTest, FixedSizeDrivesTakeTheirShareExactly) {
    ASSERT_TRUE(Add(ShipSection::Hull, "Plain"));
    designer->SetHullPointsText("not a number"); // not read for a fixed-size drive
    ASSERT_TRUE(Add(ShipSection::FTL, "Anchor"));
    EXPECT_EQ(Table(kShipFTLEntries)[1], TableRow({"5", "0", "Anchor"}));
    EXPECT_EQ(Label(kShipHullPointsUsed), "5.00");
    EXPECT_TRUE(prompter.Texts(Kind::Error).empty());

    // 7 % of 300 points at 25 a point: 21 hull points and 525 thousand, whole.
    designer->ClearDesign();
    ASSERT_TRUE(Add(ShipSection::Hull, "Big"));
    ASSERT_TRUE(Add(ShipSection::FTL, "Tack"));
    EXPECT_EQ(Label(kShipHullPointsUsed), "21.00");
    EXPECT_EQ(Label(kShipCost), "$2,525,000");
    // On another hull the drive takes its share of that one.
    ASSERT_TRUE(Add(ShipSection::Hull, "Plain"));
    EXPECT_EQ(Table(kShipFTLEntries)[1][0], "7");
}

TEST_F(ShipDesignerTest, ADoubleClickAddsTheRowsComponentAndListsClearAfterAYes) {
    ASSERT_TRUE(Add(ShipSection::Hull, "Plain"));
    designer->SetHullPointsText("1");
    ASSERT_TRUE(Add(ShipSection::Power, "Cell"));
    ASSERT_TRUE(Add(ShipSection::Power, "Cell"));
    // The second catalogue plant of that name is a component of its own.
    ASSERT_TRUE(Add(ShipSection::Power, "Cell", 1));
    EXPECT_EQ(Column(kShipPowerEntries, 1), Strings({"1.5", "1.5", "4"}));

    // Hull points that are not a number add nothing.
    for (const char* bad : {"abc", "", "-1", "1000000001"}) {
        prompter.Clear();
        designer->SetHullPointsText(bad);
        EXPECT_FALSE(Add(ShipSection::Power, "Cell")) << bad;
        EXPECT_EQ(prompter.Texts(Kind::Error),
                  Strings{"Hull Points must be a number from 0 to 1000000000, not \"" +
                          std::string(bad) + "\""});
    }
    EXPECT_EQ(Table(kShipPowerEntries).size(), 4u);

    EXPECT_FALSE(designer->ClearEntries(ShipEntryList::Power)); // answered No
    EXPECT_EQ(Table(kShipPowerEntries).size(), 4u);
    prompter.confirmAnswers = {true};
    EXPECT_TRUE(designer->ClearEntries(ShipEntryList::Power));
    EXPECT_EQ(Table(kShipPowerEntries), EntryHeader());
    EXPECT_EQ(prompter.Texts(Kind::Confirm),
              Strings({"Clear Power Entries?", "Clear Power Entries?"}));
    EXPECT_EQ(Label(kShipPower), "0.00");
    // An empty list asks nothing.
    prompter.Clear();
    EXPECT_FALSE(designer->ClearEntries(ShipEntryList::Support));
    EXPECT_TRUE(prompter.messages.empty());

    // File > Clear: an empty design, the hulls shown again.
    ASSERT_TRUE(Add(ShipSection::Armor, "Shell"));
    designer->ClearDesign();
    EXPECT_EQ(Label(kShipHullName), "");
    EXPECT_EQ(Label(kShipArmorName), "None");
    EXPECT_EQ(Label(kShipHullPoints), "0.00");
    EXPECT_EQ(Label(kShipCost), "$0,000");
    EXPECT_EQ(designer->Section(), ShipSection::Hull);
    EXPECT_FALSE(designer->ChooseSection(ShipSection::Armor));
}

TEST_F(ShipDesignerTest, CostsOfWholeThousandsAndOfParts) {
    // 100 (hull) + 12.5 x 3 (armor) + 10 + 4 x 0.75 (engine) = 150.5 thousand.
    ASSERT_TRUE(Add(ShipSection::Hull, "Plain"));
    ASSERT_TRUE(Add(ShipSection::Armor, "Slab"));
    EXPECT_EQ(Label(kShipArmorHullPoints), "12.5");
    designer->SetHullPointsText("0.75");
    ASSERT_TRUE(Add(ShipSection::Engine, "Ion"));
    EXPECT_EQ(Label(kShipCost), "$150,500");
    EXPECT_EQ(Label(kShipNetPower), "-0.38"); // -0.375, half away from zero

    designer->ClearDesign();
    ASSERT_TRUE(Add(ShipSection::Hull, "Plain"));
    designer->SetHullPointsText("10");
    ASSERT_TRUE(Add(ShipSection::Power, "Cell"));
    EXPECT_EQ(Label(kShipCost), "$150,000");
}
