#include "StartedBuilder.h"

#include <gtest/gtest.h>

namespace {

const char* kRuleSets = R"(<?xml version="1.0"?>
<RuleSets>
 <RuleSet Name="Gritty" AttributePts="50" SkillPtIntMod="0" SkillPtMult="4" BonusSkillPts="5"
          Rule2C="true" FXPoints="12"/>
 <ruleset name="Gritty" AttributePts="70"/>
 <RULESET NAME="Core" AttributePts="80"/>
 <RuleSet Name="Loose" attributepts="90" Rule2C="-1" rule2c="0"/>
 <Group><RuleSet Name="Tame" Rule2C="0" FXPoints="many" AttributePts="7.5"/></Group>
 <RuleSet Name="Polite" Rule2C="yes"/>
 <RuleSet AttributePts="1"/>
</RuleSets>
)";

class RuleSets : public StartedBuilder {
protected:
    void SetUp() override {
        app.Write("Data/config.xml", "<Configuration/>");
        app.Write("defaults.xml", kCoreOnlyDefaults);
        app.Write("Data/rulesets.xml", kRuleSets);
        Start();
        prompter.Clear();
    }
    const RuleSetList& List() { return Rules().ruleSets; }
    const TRuleset& InForce() { return builder->RuleSet(); }
    int CheckedEntry() {
        const auto& entries = List().Entries();
        int checked = -1;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (!entries[i].checked) continue;
            EXPECT_EQ(checked, -1) << "more than one entry checked";
            checked = static_cast<int>(i);
        }
        return checked;
    }
};

TEST_F(RuleSets, CatalogueEntriesFollowTheBuiltInCore) {
    const auto& list = List().List();
    const auto& entries = List().Entries();
    ASSERT_EQ(list.size(), 8u);
    ASSERT_EQ(entries.size(), 8u);
    const char* names[] = {"Core", "Gritty", "Gritty", "Core", "Loose", "Tame", "Polite", ""};
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].Name, names[i]);
        EXPECT_EQ(entries[i].caption, names[i]);
        EXPECT_EQ(entries[i].menuName, "RuleSet" + std::to_string(i));
    }

    // The built-in Core is in force at start, with no FX points.
    EXPECT_EQ(CheckedEntry(), 0);
    EXPECT_EQ(builder->CurrentRuleSetName, "Core");
    EXPECT_EQ(InForce().FXPoints, 0);
    EXPECT_EQ(InForce().AttributePts, 60);

    const TRuleset& gritty = list[1];
    EXPECT_EQ(gritty.AttributePts, 50);
    EXPECT_EQ(gritty.SkillPtIntMod, 0);
    EXPECT_EQ(gritty.SkillPtMult, 4);
    EXPECT_EQ(gritty.BonusSkillPts, 5);
    EXPECT_TRUE(gritty.Rule2C);
    EXPECT_EQ(gritty.FXPoints, 12);

    // Parameter names in another letter case are ignored; a catalogue entry gets 10 FX points.
    EXPECT_EQ(list[4].AttributePts, 60);
    EXPECT_TRUE(list[4].Rule2C); // "-1"
    EXPECT_EQ(list[4].FXPoints, 10);
    EXPECT_EQ(list[2].FXPoints, 10);

    // Values that do not convert leave the catalogue default.
    EXPECT_FALSE(list[5].Rule2C);
    EXPECT_EQ(list[5].FXPoints, 10);
    EXPECT_EQ(list[5].AttributePts, 60);
    EXPECT_FALSE(list[6].Rule2C); // "yes"
    EXPECT_EQ(list[7].AttributePts, 1);
}

TEST_F(RuleSets, AClickPutsTheFirstRuleSetOfThatNameInForce) {
    builder->Rules.RuleSetClick(2); // the second "Gritty"
    EXPECT_EQ(CheckedEntry(), 2);
    EXPECT_EQ(builder->CurrentRuleSetName, "Gritty");
    EXPECT_EQ(builder->Views.Label("Ruleset").text, "Gritty");
    EXPECT_EQ(InForce().AttributePts, 50);
    EXPECT_TRUE(InForce().Rule2C);
    EXPECT_FALSE(builder->Changed);

    builder->Rules.RuleSetClick(3); // the catalogue's "Core" is shadowed by the built-in
    EXPECT_EQ(CheckedEntry(), 3);
    EXPECT_EQ(InForce().AttributePts, 60);
    EXPECT_EQ(InForce().FXPoints, 0);

    builder->Rules.RuleSetClick(4);
    EXPECT_EQ(InForce().Name, "Loose");
    EXPECT_FALSE(builder->Changed);
    EXPECT_TRUE(prompter.messages.empty());

    // The rule set is not part of the hero: it survives "New".
    builder->Clear1Click();
    EXPECT_EQ(InForce().Name, "Loose");
    EXPECT_EQ(builder->CurrentRuleSetName, "Loose");
}

TEST_F(RuleSets, SetRuleSetByNameOrKeepTheOneInForce) {
    builder->Rules.SetRuleSet("Gritty");
    EXPECT_EQ(CheckedEntry(), 1);
    EXPECT_EQ(InForce().AttributePts, 50);

    builder->Rules.SetRuleSet("loose"); // names are compared exactly
    EXPECT_EQ(prompter.Texts(Kind::Error),
              std::vector<std::string>{"Ruleset \"loose\" not found. Using current default"});
    EXPECT_EQ(CheckedEntry(), 1);
    EXPECT_EQ(builder->CurrentRuleSetName, "Gritty");
    EXPECT_EQ(InForce().Name, "Gritty");
    EXPECT_EQ(InForce().AttributePts, 50);
}

TEST(RuleSetCatalogue, WithoutACatalogueOnlyCoreIsOffered) {
    TempAppDir app;
    app.Write("Data/config.xml", "<Configuration/>");
    ScriptedPrompter prompter;
    AppPaths paths(app.Root());
    HeroBuilder builder(prompter, paths);
    ASSERT_TRUE(builder.FormCreate());
    ASSERT_EQ(builder.Rules.ruleSets.List().size(), 1u);
    EXPECT_EQ(builder.Rules.ruleSets.Entries()[0].menuName, "RuleSet0");
    EXPECT_EQ(builder.RuleSet().Name, "Core");
}

} // namespace
