// The robot designer on a small catalogue: what each PL offers, upgrades one per Class, the
// abilities and derived values, and clearing.

#include "RobotFixture.h"

TEST_F(RobotTest, CatalogueIsReadWithNamesInAnyCaseAndNoneEntriesFirst) {
    const RobotCatalogue& c = designer->Catalogue();
    ASSERT_EQ(c.Processors.size(), 3u);
    EXPECT_EQ(c.Processors[2].Name, "Loom"); // lower-case element and attribute names
    EXPECT_EQ(c.Processors[2].StepMod, -1);
    EXPECT_EQ(c.Chasis[0].Weight, 40.5);
    EXPECT_EQ(c.Materials[0].CostX, 1.25); // "," read as the decimal point
    EXPECT_EQ(c.Actuators[2].DEX, 0);      // not an integer: left as it was
    EXPECT_EQ(c.Casings.front().Name, "None");
    EXPECT_EQ(c.AuxPropulsions.size(), 3u);
    EXPECT_EQ(c.BackupPowers.front().Name, "None");
    EXPECT_EQ(c.BackupPowers[1].Name, "Cells");

    // Without a catalogue only the "None" entries are left to choose.
    app.Write("Data/robots.xml", "");
    std::filesystem::remove(app.Data() / "robots.xml");
    Start();
    EXPECT_EQ(Choice(RobotSlot::Casing).items, Strings{"None"});
    EXPECT_EQ(Choice(RobotSlot::Processor).items, Strings{});
    EXPECT_EQ(Label(kRobotActionCheckLabel), "1+/0/0/0");
}

TEST_F(RobotTest, RaisingThePLRefillsEveryChoiceWithItsFirstEntry) {
    // At PL 5 only parts of PL 0 to 5 are offered, the first of each chosen.
    EXPECT_EQ(Choice(RobotSlot::Processor).items, (Strings{"Abacus", "Slate"}));
    EXPECT_EQ(Choice(RobotSlot::Casing).items, (Strings{"None", "Skin"}));
    EXPECT_EQ(Choice(RobotSlot::AuxPropulsion).items, (Strings{"None", "Treads"}));
    EXPECT_EQ(Choice(RobotSlot::Power2).items, (Strings{"None", "Cells"}));
    EXPECT_EQ(Names(kAvailablePortsTable), Strings{"Jack"});
    EXPECT_EQ(Names(kAvailableSensorsTable), Strings{"Eye"});

    designer->ChoosePart(RobotSlot::Processor, "Slate");
    designer->ChoosePart(RobotSlot::Chasis, "Spar");
    designer->ChoosePart(RobotSlot::Casing, "Skin");
    designer->ChoosePart(RobotSlot::Actuator, "Gears");
    EXPECT_EQ(designer->Robot().Processor.Name, "Slate");
    EXPECT_EQ(Label(kRobotCONLabel), "8");
    designer->ChoosePart(RobotSlot::Chasis, "No such frame"); // keeps the slot
    EXPECT_EQ(designer->Robot().Chasis.Name, "Spar");

    designer->ChoosePL("7");
    const std::vector<std::pair<RobotSlot, Strings>> offered{
        {RobotSlot::Processor, {"Abacus", "Slate", "Loom"}},
        {RobotSlot::Chasis, {"Crate", "Spar", "Shell"}},
        {RobotSlot::Material, {"Tin", "Foam"}},
        {RobotSlot::Actuator, {"Pulleys", "Gears", "Fibre"}},
        {RobotSlot::Casing, {"None", "Skin", "Mantle"}},
        {RobotSlot::Propulsion, {"Treads", "Skirt"}},
        {RobotSlot::AuxPropulsion, {"None", "Treads", "Skirt"}},
        {RobotSlot::Power1, {"Cells", "Pile"}},
        {RobotSlot::Power2, {"None", "Cells", "Pile"}}};
    for (const auto& [slot, items] : offered) {
        EXPECT_EQ(Choice(slot).items, items);
        EXPECT_EQ(Choice(slot).index, 0);
    }
    EXPECT_EQ(designer->Robot().Processor.Name, "Abacus");
    EXPECT_EQ(designer->Robot().Chasis.Name, "Crate");
    EXPECT_EQ(designer->Robot().Casing.Name, "None");
    EXPECT_EQ(Names(kAvailablePortsTable), (Strings{"Jack", "Beam"}));
    EXPECT_EQ(Label(kRobotPLLabel), "7");

    designer->ChoosePL("seven"); // not a PL: nothing changes
    EXPECT_EQ(Label(kRobotPLLabel), "7");
}

TEST_F(RobotTest, OnlyOneUpgradeOfAClassAndOnlyOfActiveSources) {
    EXPECT_EQ(Names(kAvailableUpgradesTable), (Strings{"Gyros", "Spindle"}));
    Add(RobotList::Upgrades, "Gyros");
    EXPECT_EQ(Names(kUpgradesTable), Strings{"Gyros"});
    EXPECT_EQ(Names(kAvailableUpgradesTable), Strings{}); // Spindle shares the Agility class
    designer->ChoosePL("6");
    EXPECT_EQ(Names(kAvailableUpgradesTable), Strings{"Seed"});

    designer->RemovePart(RobotList::Upgrades, 0);
    EXPECT_EQ(Names(kAvailableUpgradesTable), (Strings{"Gyros", "Spindle", "Seed"}));

    // Ports, manipulators and sensors may be taken twice and stay offered.
    Add(RobotList::Ports, "Jack");
    Add(RobotList::Ports, "Jack");
    EXPECT_EQ(Names(kPortsTable), (Strings{"Jack", "Jack"}));
    EXPECT_EQ(Names(kAvailablePortsTable), Strings{"Jack"});
    designer->RemovePart(RobotList::Ports, 1);
    EXPECT_EQ(Names(kPortsTable), Strings{"Jack"});

    designer->AddPart(RobotList::Sensors, std::nullopt);
    designer->RemovePart(RobotList::Manipulators, std::nullopt);
    designer->RemovePart(RobotList::Ports, 5);
    EXPECT_EQ(prompter.Texts(Kind::Info),
              (Strings{"Nothing to add", "Nothing to remove", "Nothing to remove"}));
}

TEST_F(RobotTest, AbilitiesFollowTheParts) {
    // Pulleys DEX 9, Abacus INT 12 and StepMod 2, no bonus: Ordinary 10.
    EXPECT_EQ(Label(kRobotSTRLabel), "6");
    EXPECT_EQ(Label(kRobotDEXLabel), "9");
    EXPECT_EQ(Label(kRobotCONLabel), "7");
    EXPECT_EQ(Label(kRobotINTLabel), "12");
    EXPECT_EQ(Label(kRobotActionCheckLabel), "11+/10/5/2");
    EXPECT_EQ(Label(kRobotActionDieLabel), "+d6");
    EXPECT_EQ(Label(kRobotActionsLabel), "1"); // DEX 9 + WIL 1
    EXPECT_EQ(Label(kRobotArmorLabel), "");    // casing "None"
    designer->ChoosePart(RobotSlot::Casing, "Skin");
    EXPECT_EQ(Label(kRobotArmorLabel), "d4-1/d4-2/d4-3");

    // WIL and PER by PL without upgrades.
    const std::pair<const char*, const char*> byPL[] = {
        {"5", "1"}, {"6", "3"}, {"7", "5"}, {"8", "7"}, {"9", "9"}};
    for (const auto& [pl, value] : byPL) {
        designer->ChoosePL(pl);
        EXPECT_EQ(Label(kRobotWILLabel), value) << "PL " << pl;
        EXPECT_EQ(Label(kRobotPERLabel), value) << "PL " << pl;
    }

    // Upgrades add DEX, WIL, PER and the action check bonus (their Actions do not count).
    designer->ChoosePL("8");
    designer->ChoosePart(RobotSlot::Actuator, "Pulleys");
    designer->ChoosePart(RobotSlot::Processor, "Abacus");
    Add(RobotList::Upgrades, "Spindle");
    Add(RobotList::Upgrades, "Seed");
    EXPECT_EQ(Label(kRobotDEXLabel), "11");
    EXPECT_EQ(Label(kRobotWILLabel), "9");
    EXPECT_EQ(Label(kRobotPERLabel), "8");
    EXPECT_EQ(Label(kRobotActionCheckLabel), "13+/12/6/3"); // (11 + 12) / 2 + 1
    EXPECT_EQ(Label(kRobotActionsLabel), "2");              // 11 + 9
}

TEST(RobotScores, ActionsResistanceAndMortal) {
    const std::pair<int, int> actions[] = {{-40, 1}, {0, 1},  {15, 1}, {16, 2}, {23, 2},
                                           {24, 3},  {31, 3}, {32, 4}, {90, 4}};
    for (const auto& [sum, count] : actions)
        EXPECT_EQ(RobotActions(sum), count) << sum;

    EXPECT_EQ(RobotResText(0), "-2"); // below the table: its lowest row
    EXPECT_EQ(RobotResText(-3), "-2");
    EXPECT_EQ(RobotResText(5), "-1");
    EXPECT_EQ(RobotResText(10), "0");
    EXPECT_EQ(RobotResText(11), "+1");
    EXPECT_EQ(RobotResText(19), "+5");

    EXPECT_EQ(RobotMortal(7), 4);
    EXPECT_EQ(RobotMortal(8), 4);
    EXPECT_EQ(RobotMortal(9), 5);
    EXPECT_EQ(ComputeRobotActionCheck(-3, 0, 0).Text(), "0+/-1/0/0"); // toward zero
}

TEST_F(RobotTest, ClearGivesAFreshDesignAtTheSamePL) {
    designer->ChoosePL("7");
    designer->ChoosePart(RobotSlot::Processor, "Loom");
    designer->SetDesignation("Tinker");
    designer->SetNotes("first\nsecond");
    Add(RobotList::Sensors, "Sonar");
    Add(RobotList::Upgrades, "Gyros");
    EXPECT_TRUE(designer->Changed());

    designer->ClearDesign();
    EXPECT_EQ(designer->PL(), 7);
    EXPECT_EQ(designer->Robot().Processor.Name, "Abacus");
    EXPECT_EQ(designer->Designation(), "");
    EXPECT_EQ(designer->Notes(), Strings{});
    EXPECT_EQ(Names(kSensorsTable), Strings{});
    EXPECT_EQ(Names(kAvailableUpgradesTable), (Strings{"Gyros", "Spindle", "Seed"}));
    EXPECT_FALSE(designer->Changed());
}
