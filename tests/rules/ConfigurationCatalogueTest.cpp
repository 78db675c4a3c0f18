#include "BuilderTest.h"

namespace {

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
 <Profession Name="Star Pilot" Source="Outer Reach" MinDex="11" ActionMod="2"/>
 <Profession Name="Scout"/>
 <profession Name="Not A Profession"/>
</Configuration>
)";

class ConfigurationCatalogue : public BuilderTest {
protected:
    void SetUp() override { app.Write("Data/config.xml", kConfig); }
    const GameConfiguration& Config() { return builder->Rules().config; }
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
    Strings subcategories;
    for (const auto& sub : Config().equipmentSubcategories)
        subcategories.push_back(sub.Name + "/" + sub.Category);
    EXPECT_EQ(subcategories, (Strings{"Loose Ends/", "Blades/Weapons", "Shields/Armor"}));

    // Professions are not filtered by source and follow the seven built-in ones.
    const ProfessionChoice& professions = builder->Professions();
    ASSERT_EQ(professions.choices.size(), 9u);
    EXPECT_EQ(professions.choices[8], "Scout");
    EXPECT_EQ(std::tie(professions.list[7].Name, professions.list[7].MinDex),
              std::make_tuple(std::string("Star Pilot"), 11));

    // A reload rebuilds every list rather than adding to it.
    ClickSource("Outer Reach");
    EXPECT_EQ(Config().motivations, (Strings{"Glory", "Duty", "Revenge"}));
    EXPECT_EQ(Config().moralAttitudes, (Strings{"Lawful", "Ruthless"}));
    EXPECT_EQ(Config().traits, (Strings{"Bold", "Calm", "Calm"}));
    EXPECT_EQ(Config().equipmentSubcategories.size(), 3u);
    EXPECT_EQ(builder->Professions().list.size(), 9u);
}

TEST_F(ConfigurationCatalogue, ChoicesOfASourceSwitchedOffAreEmptied) {
    app.Write("defaults.xml", "<Defaults><Sources Active=\"Core,Outer Reach\"/></Defaults>");
    Start();
    builder->Identity().Choose(IdentityChoice::Motivation, 2); // Revenge
    builder->Identity().Choose(IdentityChoice::Trait1, 0);     // Bold
    builder->Identity().Choose(IdentityChoice::Trait2, 2);     // Calm
    ChooseProfession("Star Pilot");
    ASSERT_EQ(builder->Hero().Motivation, "Revenge");

    ClickSource("Outer Reach");
    EXPECT_EQ(builder->Hero().Motivation + builder->Hero().Trait1, "");
    EXPECT_EQ(builder->Hero().Trait2, "Calm");
    EXPECT_EQ(Label("Motivation"), "");
    EXPECT_EQ(builder->Views().ChoiceNamed("Motivation").index, -1);
    EXPECT_EQ(builder->Views().ChoiceNamed("Trait2").Chosen(), "Calm");
    EXPECT_EQ(builder->Professions().ChosenName(), "Star Pilot");
}

} // namespace
