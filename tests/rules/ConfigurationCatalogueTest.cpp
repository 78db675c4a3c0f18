#include "StartedBuilder.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

const char* kConfig = R"(<?xml version="1.0"?>
<Configuration>
 <Source Name="Outer Reach"/>
 <SubCategory Name="Loose Ends"/>
 <Motivation Name="Glory" Source="Core"/>
 <Motivation Name="Duty"/>
 <Trait Name="Bold" Source="Outer Reach"/>
 <Motivation Name="Revenge"/>
 <motivation Name="Lowercase" Source="Core"/>
 <MoralAttitude NAME="Lawful"/>
 <MoralAttitude Name="Ruthless" Source="Outer Reach"/>
 <Trait name="Calm" SOURCE="core"/>
 <Trait Name="Calm"/>
 <TRAIT Name="Shouty"/>
 <Category Name="Weapons"/>
 <SUBCATEGORY NAME="Blades"/>
 <category name="Armor"/>
 <subcategory name="Shields"/>
 <SubCategory Name="Helmets"/>
 <Profession Name="Star Pilot" Source="Outer Reach" MinDex="11" ActionMod="2"/>
 <Profession Name="Scout"/>
 <profession Name="Not A Profession"/>
</Configuration>
)";

class ConfigurationCatalogue : public StartedBuilder {
protected:
    void SetUp() override { app.Write("Data/config.xml", kConfig); }
    const GameConfiguration& Config() { return Rules().config; }
};

TEST_F(ConfigurationCatalogue, ChoicesFollowTheActiveSourcesAndTheElementNames) {
    app.Write("defaults.xml", kCoreOnlyDefaults);
    Start();
    // "Duty" inherits "Core"; "Revenge" inherits "Outer Reach" from the Trait before it;
    // "Lawful" inherits "Core" from the element whose name is not matched.
    EXPECT_EQ(Config().motivations, (Strings{"Glory", "Duty"}));
    EXPECT_EQ(Config().moralAttitudes, Strings{"Lawful"});
    EXPECT_EQ(Config().traits, (Strings{"Calm", "Calm"}));
    EXPECT_EQ(Config().equipmentCategories, (Strings{"Weapons", "Armor"}));
    const auto& subcategories = Config().equipmentSubcategories;
    ASSERT_EQ(subcategories.size(), 4u);
    const std::pair<const char*, const char*> expected[] = {
        {"Loose Ends", ""}, {"Blades", "Weapons"}, {"Shields", "Armor"}, {"Helmets", "Armor"}};
    for (std::size_t i = 0; i < subcategories.size(); ++i) {
        EXPECT_EQ(subcategories[i].Name, expected[i].first);
        EXPECT_EQ(subcategories[i].Category, expected[i].second);
    }

    // Professions are not filtered by source and follow the seven built-in ones.
    const ProfessionChoice& professions = builder->Professions;
    ASSERT_EQ(professions.choices.size(), 9u);
    ASSERT_EQ(professions.list.size(), 9u);
    EXPECT_EQ(professions.choices[0], "Combat Spec");
    EXPECT_EQ(professions.choices[7], "Star Pilot");
    EXPECT_EQ(professions.choices[8], "Scout");
    EXPECT_EQ(professions.list[7].Name, "Star Pilot");
    EXPECT_EQ(professions.list[7].MinDex, 11);
    EXPECT_EQ(professions.list[7].ActionMod, 2);

    // A reload rebuilds every list rather than adding to it.
    ClickSource("Outer Reach");
    EXPECT_EQ(Config().motivations, (Strings{"Glory", "Duty", "Revenge"}));
    EXPECT_EQ(Config().moralAttitudes, (Strings{"Lawful", "Ruthless"}));
    EXPECT_EQ(Config().traits, (Strings{"Bold", "Calm", "Calm"}));
    EXPECT_EQ(Config().equipmentCategories.size(), 2u);
    EXPECT_EQ(Config().equipmentSubcategories.size(), 4u);
    EXPECT_EQ(builder->Professions.choices.size(), 9u);
    EXPECT_EQ(builder->Professions.list.size(), 9u);
}

TEST_F(ConfigurationCatalogue, ChoicesOfASourceSwitchedOffAreEmptied) {
    app.Write("defaults.xml", "<Defaults><Sources Active=\"Core,Outer Reach\"/></Defaults>");
    Start();
    ASSERT_EQ(Config().motivations, (Strings{"Glory", "Duty", "Revenge"}));
    builder->ChooseIdentity(IdentityChoice::Motivation, 2);    // Revenge
    builder->ChooseIdentity(IdentityChoice::MoralAttitude, 0); // Lawful
    builder->ChooseIdentity(IdentityChoice::Trait1, 0);        // Bold
    builder->ChooseIdentity(IdentityChoice::Trait2, 2);        // Calm
    builder->Professions.CmbProfessionChange(7);               // Star Pilot
    ASSERT_EQ(builder->Hero.Motivation, "Revenge");

    ClickSource("Outer Reach");
    EXPECT_EQ(builder->Hero.Motivation, "");
    EXPECT_EQ(builder->Hero.MoralAttitude, "Lawful");
    EXPECT_EQ(builder->Hero.Trait1, "");
    EXPECT_EQ(builder->Hero.Trait2, "Calm");
    EXPECT_EQ(builder->Views.Label("Motivation").text, "");
    EXPECT_EQ(builder->Views.Choice("Motivation").index, -1);
    EXPECT_EQ(builder->Views.Choice("Trait2").Chosen(), "Calm");
    EXPECT_EQ(builder->Professions.ChosenName(), "Star Pilot");
}

} // namespace
