// Equipment: the filter over the catalogue read again on every run, taking and carrying
// items with their quantities and totals, the combat table they feed, and the hero file.

#include "gear/Equipment.h"

#include "BuilderTest.h"

namespace {

const char* kConfig = R"(<Configuration>
  <SOURCE NAME="Outer Reaches" />
  <CATEGORY NAME="Weapons"><SUBCATEGORY NAME="Edged Weapon"/><SUBCATEGORY NAME="Sidearm"/></CATEGORY>
  <CATEGORY NAME="Armor"><SUBCATEGORY NAME="Basic Armor"/></CATEGORY>
  <CATEGORY NAME="Gear"><SUBCATEGORY NAME="Tools"/></CATEGORY>
</Configuration>)";

const char* kEquipment = R"(<Equipment>
  <EQUIPMENTITEM NAME="Shiv" CATEGORY="Weapons" SUBCATEGORY="Edged Weapon" PL="5" MASS="0.1"
    COST="20" AVAILABILITY="Common" SOURCE="Core" TYPE="LI/O" DMGO="d4s" DMGG="d4+1s" DMGA="d4+2w"/>
  <equipmentitem name="Glass Dirk" category="Weapons" subcategory="Edged Weapon" mass="heavy"
    cost="x" source="Core" dmgo="d4s" dmgg="d4s" dmga="d4s"/>
  <EQUIPMENTITEM NAME="Phase Edge" CATEGORY="Weapons" SUBCATEGORY="Edged Weapon" PL="9" SOURCE="Core"/>
  <EQUIPMENTITEM NAME="Relic Blade" CATEGORY="Weapons" SUBCATEGORY="Edged Weapon" PL="-1" SOURCE="Core"/>
  <EQUIPMENTITEM NAME="Reach Knife" CATEGORY="Weapons" SUBCATEGORY="Edged Weapon" PL="6" SOURCE="Outer Reaches"/>
  <EQUIPMENTITEM NAME="Weave Vest" CATEGORY="Armor" SUBCATEGORY="Basic Armor" PL="6" MASS="2.5"
    COST="300" SOURCE="Core" LI="d6" DMGO="d8" HI="d4" EN="d4-1" TYPE="LI/O" AP="-1" HIDE="3"/>
  <EQUIPMENTITEM NAME="Pry Bar" CATEGORY="Gear" SUBCATEGORY="Tools" PL="3" MASS="0.1" COST="5" SOURCE="Core"/>
</Equipment>)";

const char* kSkills = R"(<Skills>
  <SKILL NAME="Melee Weapons" BROADSKILL="Melee Weapons" SOURCE="Core" ATTRIB="1" BASEPRICE="4" />
  <SKILL NAME="Edged Weapon" BROADSKILL="Melee Weapons" SOURCE="Core" ATTRIB="1" BASEPRICE="2" />
</Skills>)";

class EquipmentTest : public BuilderTest {
protected:
    void SetUp() override {
        WriteData(kConfig, nullptr, kSkills);
        app.Write("Data/equipment.xml", kEquipment);
        Start();
        prompter.Clear();
    }
    Equipment& E() { return builder->Gear(); }
    const TableView& Table(const char* name) const { return builder->Views().TableNamed(name); }
    std::vector<std::string> Column(const char* table, std::size_t column = 0) const {
        std::vector<std::string> cells;
        for (std::size_t r = 1; r < Table(table).size(); ++r)
            cells.push_back(Table(table)[r][column]);
        return cells;
    }
    void Show(const std::string& category, const std::string& subcategory) {
        E().ChooseCategory(category);
        E().ChooseSubcategory(subcategory);
    }
};

TEST_F(EquipmentTest, TheFilterReadsCategoryLevelAndSource) {
    EXPECT_EQ(builder->Views().ChoiceNamed("EquipmentCategory").items,
              (Strings{"Weapons", "Armor", "Gear"}));
    E().ChooseCategory("Weapons");
    EXPECT_EQ(builder->Views().ChoiceNamed("EquipmentSubcategory").items,
              (Strings{"Edged Weapon", "Sidearm"}));
    EXPECT_TRUE(Column("AvailableEquipment").empty()); // no subcategory chosen yet
    E().ChooseSubcategory("Edged Weapon");
    // PL 9 and PL -1 are never listed; a source not in play is not either.
    EXPECT_EQ(Column("AvailableEquipment"), (Strings{"Shiv", "Glass Dirk"}));
    EXPECT_EQ(Table("AvailableEquipment")[2],
              (TableRow{"Glass Dirk", "0", "0", "0", "", "Core"})); // not numbers count 0
    // Unticking "0" hides the item without a PL.
    E().SetProgressLevel(0, false);
    EXPECT_EQ(Column("AvailableEquipment"), Strings{"Shiv"});
    EXPECT_FALSE(builder->Views().Check(kProgressLevelChecks[0]).checked);
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    EXPECT_EQ(Column("AvailableEquipment"), (Strings{"Shiv", "Reach Knife"}));
    // The catalogue is read again on every run.
    app.Write("Data/equipment.xml", "<Equipment/>");
    E().SetProgressLevel(0, true);
    EXPECT_TRUE(Column("AvailableEquipment").empty());
    EXPECT_TRUE(prompter.Texts(Kind::Error).empty());
}

TEST_F(EquipmentTest, CarriedItemsQuantitiesAndTotals) {
    E().TakeItem(1);
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Nothing to add"});
    Show("Gear", "Tools");
    E().TakeItem(1);
    E().TakeItem(1);
    EXPECT_TRUE(builder->Changed());
    EXPECT_EQ(Labels("EquipmentMass EquipmentCost"), "0.2kg 10");
    E().IncreaseQuantity(1);
    EXPECT_EQ(Table("Equipment")[1], (TableRow{"Pry Bar", "2", "0.1", "5", "0.2", "10"}));
    E().DecreaseQuantity(2);
    E().DecreaseQuantity(1);
    E().DecreaseQuantity(1);
    EXPECT_EQ(Column("Equipment", 1), (Strings{"1", "1"}));
    E().RemoveEquipment(2);
    E().RemoveEquipment(1);
    EXPECT_EQ(Table("Equipment").size(), 1u);
    EXPECT_EQ(Labels("EquipmentMass EquipmentCost"), "0kg 0");
    prompter.Clear();
    E().IncreaseQuantity(0);
    E().DecreaseQuantity(1);
    E().RemoveEquipment(1);
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"Select an equipment item to increase quantity.",
                       "Select an equipment item to decrease quantity.",
                       "Select an equipment item to remove."}));
}

TEST_F(EquipmentTest, CarriedWeaponsAndArmorReachTheCombatTables) {
    builder->Attributes().SetScore(attSTR, 11);
    Show("Weapons", "Edged Weapon");
    E().TakeItem(1); // no RANGE: a hand weapon
    Show("Armor", "Basic Armor");
    E().TakeItem(1);
    EXPECT_EQ(Table("Weapons").back(),
              (TableRow{"Shiv", "5/2/1", "+d4", "LI/O", "Personal", "d4+1s/d4+2s/d4+3w"}));
    EXPECT_EQ(Table("Armor").back(),
              (TableRow{"Weave Vest", "-", "-", "LI/O", "d8/d4/d4-1", "-1", "3"}));
    ASSERT_TRUE(builder->Skills().AddSkill("Edged Weapon", "", 2));
    EXPECT_EQ(Table("Weapons").back()[1] + " " + Table("Weapons").back()[2], "13/6/3 +d0");
    builder->Attributes().SetScore(attSTR, 10);
    EXPECT_EQ(Table("Weapons").back()[5], "d4s/d4+1s/d4+2w");
}

TEST_F(EquipmentTest, HeroFileKeepsItemsAsWritten) {
    Show("Weapons", "Edged Weapon");
    E().TakeItem(1);
    E().IncreaseQuantity(1);
    TEquipmentItem custom;
    custom.Name = "Lucky \"Coin\"";
    custom.Category = "Gear";
    custom.Subcategory = "Tools";
    custom.Source = "Custom";
    custom.Mass = 0.25;
    custom.Cost = 1;
    custom.PL = 7;
    custom.Quantity = 3;
    custom.Ammo = -1;
    custom.Range.clear();
    E().AddEquipment(custom);
    const std::string text = Files().HeroFileText();
    EXPECT_NE(text.find("<Equipment>\r\n  <EquipmentList>\r\n"
                        "<EquipmentItem Name=\"Shiv\" Category=\"Weapons\" Subcategory=\"Edged "
                        "Weapon\" Availability=\"Common\" Mass=\"0.1\" Cost=\"20\" PL=\"5\" "
                        "Source=\"Core\" Number=\"2\" Ammo=\"0\" Type=\"LI/O\" Range=\"Personal\" "
                        "Dmg1=\"d4s\" Dmg2=\"d4+1s\" Dmg3=\"d4+2w\" />\r\n"
                        "<EquipmentItem Name=\"Lucky &quot;Coin&quot;\" Category=\"Gear\" "
                        "Subcategory=\"Tools\" Availability=\"\" Mass=\"0.25\" Cost=\"1\" "
                        "PL=\"7\" Source=\"Custom\" Number=\"3\" />\r\n"
                        "   </EquipmentList>\r\n</Equipment>\r\n"),
              std::string::npos)
        << text;
    ASSERT_EQ(Files().LoadHeroText(text, "gear.xml"), HeroLoad::Loaded);
    EXPECT_EQ(Column("Equipment"), (Strings{"Shiv", "Lucky \"Coin\""}));
    EXPECT_EQ(builder->Hero().Equipment[1].Ammo, -1);
    EXPECT_EQ(Files().HeroFileText(), text);
}

} // namespace

namespace {

TEST_F(EquipmentTest, CustomEquipmentChecksItsFieldsInOrder) {
    const auto refused = [this](const CustomEquipmentForm& form) {
        prompter.Clear();
        const EquipmentField field = E().AddCustomEquipment(form);
        const Strings errors = prompter.Texts(Kind::Error);
        return std::make_pair(field, errors.empty() ? std::string() : errors.front());
    };
    CustomEquipmentForm form;
    EXPECT_EQ(refused(form),
              std::make_pair(EquipmentField::Category, std::string("Select a category")));
    form.category = "Ammunition";
    EXPECT_EQ(refused(form).second, "Select a subcategory");
    form.subcategory = "Slugs";
    form.qty = "two";
    EXPECT_EQ(refused(form).second, "Qty must be numeric");
    form.qty = "-2";
    form.mass = "0,5";
    form.pl = "";
    EXPECT_EQ(refused(form).second, "Progress Level must be numeric");
    form.pl = "6";
    form.cost = "1.5";
    EXPECT_EQ(refused(form).second, "Cost must be numeric");
    form.cost = "4";
    form.ammo = "";
    EXPECT_EQ(refused(form),
              std::make_pair(EquipmentField::Ammo, std::string("Ammo must be numeric")));
    EXPECT_TRUE(builder->Hero().Equipment.empty());
    form.ammo = "30";
    form.dmgO = "d4s"; // locked for ammunition: not taken
    EXPECT_EQ(E().AddCustomEquipment(form), EquipmentField::None);
    const TEquipmentItem& ammo = builder->Hero().Equipment.back();
    EXPECT_EQ(ammo.Quantity, -2);
    EXPECT_EQ(ammo.Mass, 0.5);
    EXPECT_EQ(ammo.Ammo, 30);
    EXPECT_EQ(ammo.Source, "Custom");
    EXPECT_EQ(ammo.DmgO + ammo.Range + ammo.Type, "");

    form.category = "Weapons";
    form.ranges = "5/10/20";
    form.acc = "+1";
    form.ammo = "oops"; // locked for weapons: not read
    EXPECT_EQ(refused(form).second, "Select type");
    form.type = "LI/G";
    EXPECT_EQ(E().AddCustomEquipment(form), EquipmentField::None);
    const TEquipmentItem& weapon = builder->Hero().Equipment.back();
    EXPECT_EQ(weapon.Ammo, -1);
    EXPECT_EQ(weapon.Range + " " + weapon.AP + " " + weapon.DmgO + " " + weapon.Type,
              "5/10/20 +1 d4s LI/G");
    EXPECT_EQ(Table("Weapons").back()[0], "");
}

} // namespace
