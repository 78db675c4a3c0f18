#include "BuilderTest.h"

namespace {

const char* kRuleSets = R"(<?xml version="1.0"?>
<RuleSets>
 <RuleSet Name="Gritty" AttributePts="50" SkillPtIntMod="0" SkillPtMult="4" BonusSkillPts="5"
          Rule2C="true" FXPoints="12"/>
 <ruleset name="Gritty" AttributePts="70"/>
 <RULESET NAME="Core" AttributePts="80"/>
 <RuleSet Name="Loose" attributepts="90" Rule2C="-1" rule2c="0"/>
 <Group><RuleSet Name="Tame" Rule2C="yes" FXPoints="many" AttributePts="7.5"/></Group>
</RuleSets>
)";

class RuleSets : public BuilderTest {
protected:
    void SetUp() override {
        WriteData("<Configuration/>", nullptr, nullptr, kRuleSets);
        Start();
        prompter.Clear();
    }
    const std::vector<TRuleset>& List() { return builder->Rules().ruleSets.List(); }
    const TRuleset& InForce() { return builder->RuleSet(); }
    // The check marks of the "Rule Set" menu, one digit per entry.
    std::string Marks() {
        std::string marks;
        for (const auto& entry : builder->Rules().ruleSets.Entries())
            marks += entry.checked ? '1' : '0';
        return marks;
    }
};

TEST_F(RuleSets, CatalogueEntriesFollowTheBuiltInCore) {
    const auto& entries = builder->Rules().ruleSets.Entries();
    Strings captions;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        captions.push_back(entries[i].caption);
        EXPECT_EQ(entries[i].menuName, "RuleSet" + std::to_string(i));
    }
    EXPECT_EQ(captions, (Strings{"Core", "Gritty", "Gritty", "Core", "Loose", "Tame"}));
    EXPECT_EQ(Marks(), "100000");
    EXPECT_EQ(InForce().FXPoints, 0);

    const TRuleset& gritty = List()[1];
    EXPECT_EQ(std::tie(gritty.AttributePts, gritty.SkillPtIntMod, gritty.SkillPtMult,
                       gritty.BonusSkillPts, gritty.Rule2C, gritty.FXPoints),
              std::make_tuple(50, 0, 4, 5, true, 12));
    // Parameter names in another letter case are ignored; a catalogue entry gets 10 FX points;
    // values that do not convert leave the catalogue default.
    EXPECT_EQ(std::tie(List()[4].AttributePts, List()[4].Rule2C, List()[4].FXPoints),
              std::make_tuple(60, true, 10));
    EXPECT_EQ(std::tie(List()[5].AttributePts, List()[5].Rule2C, List()[5].FXPoints),
              std::make_tuple(60, false, 10));
}

TEST_F(RuleSets, AClickPutsTheFirstRuleSetOfThatNameInForce) {
    builder->ChooseRuleSet(2); // the second "Gritty"
    EXPECT_EQ(Marks(), "001000");
    EXPECT_EQ(Label("Ruleset"), "Gritty");
    EXPECT_EQ(InForce().AttributePts, 50);
    builder->ChooseRuleSet(3); // the catalogue's "Core" is shadowed by the built-in
    EXPECT_EQ(Marks(), "000100");
    EXPECT_EQ(InForce().AttributePts, 60);
    builder->ChooseRuleSet(4);
    EXPECT_TRUE(builder->Changed()); // the hero file records the rule set
    EXPECT_TRUE(prompter.messages.empty());

    // The rule set is not part of the hero: it survives "New".
    ClickNew();
    EXPECT_EQ(InForce().Name, "Loose");
    EXPECT_EQ(builder->Rules().ruleSets.CurrentName(), "Loose");
}

TEST_F(RuleSets, SetRuleSetByNameOrKeepTheOneInForce) {
    builder->SetRuleSet("Gritty");
    EXPECT_EQ(Marks(), "010000");
    builder->SetRuleSet("loose"); // names are compared exactly
    EXPECT_EQ(prompter.Texts(Kind::Error),
              Strings{"Ruleset \"loose\" not found. Using current default"});
    EXPECT_EQ(Marks(), "010000");
    EXPECT_EQ(InForce().Name, "Gritty");
    // A name not found changes nothing, so it is no change to the hero either.
    builder->Document().SetChanged(false);
    builder->SetRuleSet("Nowhere");
    EXPECT_FALSE(builder->Changed());
}

TEST(RuleSetCatalogue, NumbersOutsideWhatTheRulesUseKeepTheDefaults) {
    TempAppDir app;
    RuleSetList list;
    list.Reset();
    list.ReadCatalogue(app.Write("rulesets.xml",
                                 R"(<RuleSets>
 <RuleSet Name="Wild" AttributePts="2147483647" SkillPtIntMod="-2147483648" SkillPtMult="101"
          BonusSkillPts="1001" FXPoints="-1"/>
</RuleSets>)"));
    ASSERT_EQ(list.List().size(), 2u);
    const TRuleset& wild = list.List()[1];
    EXPECT_EQ(std::tie(wild.AttributePts, wild.SkillPtIntMod, wild.SkillPtMult, wild.BonusSkillPts,
                       wild.FXPoints),
              std::make_tuple(60, -1, 5, 0, 10));
}

} // namespace
