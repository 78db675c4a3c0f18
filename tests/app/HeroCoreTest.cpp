// The hero core driven the way the main window drives it: species, profession and score
// changes through the builder, checked against the texts the Main page shows.

#include "app/HeroBuilder.h"
#include "app/ScriptedPrompter.h"

#include "TempAppDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failure messages for the views compared whole.
[[maybe_unused]] static void PrintTo(const LabelView& label, std::ostream* out) {
    *out << "{\"" << label.text << "\"" << (label.red ? " red" : "")
         << (label.visible ? "" : " hidden") << "}";
}
[[maybe_unused]] static void PrintTo(const CheckView& check, std::ostream* out) {
    *out << "{\"" << check.caption << "\"" << (check.checked ? " ticked" : " unticked")
         << (check.visible ? "" : " hidden") << (check.enabled ? "" : " disabled") << "}";
}

namespace {

using Kind = ScriptedPrompter::Kind;

// One extra source, one catalogue profession at list position 7.
const char* kConfig = R"(<?xml version="1.0"?>
<Configuration>
  <SOURCE NAME="Outer Reaches" />
  <Profession NAME="Void Pilot" SOURCE="Core" SKILLDISCOUNT="T" MINDEX="12" ACTIONMOD="2" />
</Configuration>)";

// With only Core active the list reads Terran, Skywing, Chromeborn; Driftborn comes first
// once "Outer Reaches" is switched on.
const char* kSpecies = R"(<?xml version="1.0"?>
<SpeciesList>
  <SPECIES ID="4" MOVESDC="True" CANFLY="TRUE" DURMULT="2.0" CYBERSKILL="True">
    <Name>Driftborn</Name><Source>Outer Reaches</Source>
    <STR MIN="6" MAX="16" />
  </SPECIES>
  <SPECIES ID="1">
    <Name>Terran</Name><Source>Core</Source>
    <INT MIN="3" MAX="15" />
  </SPECIES>
  <SPECIES ID="2" PRIMITIVE="True" CANGLIDE="true" CANFLY="True" MOVEMULT1="1.2"
           MOVEMULT2="1.5" DURMULT="1.5">
    <Name>Skywing</Name><Source>Core</Source><ActionStep>2</ActionStep>
    <STR MIN="12" MAX="18" /><CON MIN="5" MAX="9" />
  </SPECIES>
  <SPECIES ID="3" CYBERSKILL="True">
    <Name>Chromeborn</Name><Source>Core</Source>
  </SPECIES>
</SpeciesList>)";

const char* kRuleSets = R"(<RuleSets><RULESET NAME="Lean" AttributePts="50" /></RuleSets>)";

constexpr int kTerran = 0, kSkywing = 1, kChromeborn = 2; // positions with only Core active
constexpr int kCombatSpec = 0, kFreeAgent = 4, kTechOp = 5, kVoidPilot = 7;
constexpr std::size_t kOuterReaches = 1; // entry of the Sources menu

class HeroCore : public ::testing::Test {
protected:
    HeroCore() {
        app.Write("Data/config.xml", kConfig);
        app.Write("Data/species.xml", kSpecies);
        app.Write("Data/rulesets.xml", kRuleSets);
        app.Write("defaults.xml", "<Defaults><Sources Active=\"Core\" /></Defaults>");
        paths = std::make_unique<AppPaths>(app.Root());
        builder = std::make_unique<HeroBuilder>(prompter, *paths);
    }
    void SetUp() override { ASSERT_TRUE(builder->FormCreate()); }

    std::string Text(const std::string& name) const { return builder->Views.Label(name).text; }
    std::string Text(int attribute, const char* column) const {
        return Text(AttributeViewName(attribute, column));
    }
    AttributeScores& Attributes() { return builder->Attributes; }

    void ExpectActionCheck(const char* marginal, const char* ordinary, const char* good,
                           const char* amazing) const {
        EXPECT_EQ(Text("ActionCheck.Marginal"), marginal);
        EXPECT_EQ(Text("ActionCheck.Ordinary"), ordinary);
        EXPECT_EQ(Text("ActionCheck.Good"), good);
        EXPECT_EQ(Text("ActionCheck.Amazing"), amazing);
    }
    void ExpectMovement(const std::vector<std::string>& rates) const {
        const char* names[] = {"Sprint", "Run", "Walk", "EasySwim", "Swim", "Glide", "Fly"};
        std::vector<std::string> shown;
        for (const char* name : names)
            shown.push_back(Text(std::string("Move.") + name));
        EXPECT_EQ(shown, rates);
    }
    void ExpectDurability(const char* stun, const char* wound, const char* mortal,
                          const char* fatigue) const {
        EXPECT_EQ(Text("Stun"), stun);
        EXPECT_EQ(Text("Wound"), wound);
        EXPECT_EQ(Text("Mortal"), mortal);
        EXPECT_EQ(Text("Fatigue"), fatigue);
    }

    TempAppDir app;
    ScriptedPrompter prompter;
    std::unique_ptr<AppPaths> paths;
    std::unique_ptr<HeroBuilder> builder;
};

// --- the cleared hero ------------------------------------------------------------------------

TEST_F(HeroCore, StartsCleared) {
    for (int a = 0; a < kAttributeCount; ++a) {
        SCOPED_TRACE(kAttributeNames[static_cast<std::size_t>(a)]);
        EXPECT_EQ(Text(a, "Base"), "10");
        EXPECT_EQ(Text(a, "Total"), "10");
        EXPECT_EQ(Text(a, "Limits"), "4/14");
        EXPECT_EQ(Text(a, "Ut"), "5");
        const bool hasRes = a != attCON && a != attPER;
        EXPECT_EQ(builder->Views.Labels().count(AttributeViewName(a, "Res")), hasRes ? 1u : 0u);
        if (hasRes) {
            EXPECT_EQ(Text(a, "Res"), "+0");
        }
    }
    EXPECT_EQ(builder->Views.Label("AttributeCost"), (LabelView{"60", false, true}));
    ExpectActionCheck("11+", "10", "5", "2");
    EXPECT_EQ(Text("ActionDie"), "0");
    EXPECT_EQ(Text("Actions"), "2");
    ExpectMovement({"20", "12", "4", "2", "4", "-", "-"});
    ExpectDurability("10", "10", "5", "5");
    EXPECT_EQ(Text("LastResortCost"), "3");
    EXPECT_EQ(Text("LastResortMax"), "1");

    const ChoiceView& species = builder->Views.Choice("Species");
    EXPECT_EQ(species.items, (std::vector<std::string>{"Terran", "Skywing", "Chromeborn"}));
    EXPECT_EQ(species.index, -1);
    EXPECT_EQ(builder->Views.Choice("Profession").index, -1);
    EXPECT_EQ(builder->Views.Choice("Profession").items.size(), 8u);
    EXPECT_FALSE(builder->Views.Choice("Specialization").visible);
    EXPECT_FALSE(builder->Views.Check("Primitive").visible);
    EXPECT_EQ(builder->Views.Check("CyberSkill"),
              (CheckView{"Cyberskill [ 10 skill points ]", false, true, true}));
    EXPECT_FALSE(builder->Changed);
}

TEST_F(HeroCore, ClearingAChangedHeroShowsTheStartUpViewsAgain) {
    const auto labels = builder->Views.Labels();
    const auto choices = builder->Views.Choices();
    const auto checks = builder->Views.Checks();

    builder->Species.CmbSpeciesChange(kChromeborn);
    builder->Professions.CmbProfessionChange(kFreeAgent);
    builder->Professions.CmbSpecialChange(1);
    Attributes().SetScore(attSTR, 14);
    Attributes().SetScore(attPER, 13);
    Attributes().KeyPress(attCON, 'w');
    Attributes().KeyPress(attWIL, 'q');
    ASSERT_NE(builder->Views.Labels(), labels);

    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        builder->FormClear();
        EXPECT_EQ(builder->Views.Labels(), labels);
        EXPECT_EQ(builder->Views.Choices(), choices);
        EXPECT_EQ(builder->Views.Checks(), checks);
        EXPECT_FALSE(builder->Changed);
        EXPECT_EQ(builder->Hero.SpeciesIndex, -1);
        EXPECT_EQ(builder->Hero.ProfessionIndex, -1);
        EXPECT_EQ(builder->Hero.Specialization, -1);
    }
}

// --- attribute scores ------------------------------------------------------------------------

TEST_F(HeroCore, ScoresStayWithinTheirLimitsAndEveryChangeMarksTheHero) {
    Attributes().SetScore(attSTR, 20);
    EXPECT_EQ(Text(attSTR, "Total"), "14");
    EXPECT_TRUE(builder->Changed);

    builder->SetChanged(false);
    Attributes().SetScore(attSTR, 1);
    EXPECT_EQ(Text(attSTR, "Total"), "4");
    EXPECT_EQ(Text(attSTR, "Res"), "-2");
    EXPECT_EQ(Text(attSTR, "Ut"), "2");
    EXPECT_TRUE(builder->Changed);

    builder->SetChanged(false);
    Attributes().KeyPress(attSTR, 'q'); // already at the minimum
    EXPECT_EQ(Text(attSTR, "Total"), "4");
    EXPECT_TRUE(builder->Changed);

    Attributes().KeyPress(attSTR, 'w');
    Attributes().KeyPress(attSTR, 'w');
    EXPECT_EQ(Text(attSTR, "Total"), "6");
    EXPECT_EQ(Text(attSTR, "Res"), "-1");

    builder->SetChanged(false);
    Attributes().KeyPress(attSTR, 'x');
    Attributes().KeyPress(attSTR, 'W');
    EXPECT_EQ(Text(attSTR, "Total"), "6");
    EXPECT_FALSE(builder->Changed);

    Attributes().SetScore(attDEX, 14);
    Attributes().KeyPress(attDEX, 'w');
    EXPECT_EQ(Text(attDEX, "Total"), "14");
    EXPECT_EQ(Text(attDEX, "Res"), "+2");
    EXPECT_EQ(Text("AttributeCost"), "60");
}

TEST_F(HeroCore, EachAttributeUpdatesWhatDependsOnIt) {
    // STR and DEX: movement; DEX and INT: the action check.
    Attributes().SetScore(attSTR, 12);
    Attributes().SetScore(attDEX, 11);
    ExpectMovement({"22", "14", "4", "2", "4", "-", "-"});
    ExpectActionCheck("11+", "10", "5", "2");
    Attributes().SetScore(attINT, 14);
    ExpectActionCheck("13+", "12", "6", "3");
    Attributes().SetScore(attDEX, 14);
    ExpectActionCheck("15+", "14", "7", "3");
    ExpectMovement({"26", "16", "6", "3", "6", "-", "-"});

    // CON: durability and the number of actions; WIL: the number of actions.
    Attributes().SetScore(attCON, 13);
    ExpectDurability("13", "13", "7", "7");
    EXPECT_EQ(Text("Actions"), "2"); // WIL 10 + CON 13 = 23
    Attributes().KeyPress(attCON, 'w');
    EXPECT_EQ(Text("Actions"), "3"); // 24
    Attributes().SetScore(attWIL, 4);
    EXPECT_EQ(Text("Actions"), "2"); // 18
    Attributes().SetScore(attCON, 11);
    EXPECT_EQ(Text("Actions"), "1"); // 15
    ExpectDurability("11", "11", "6", "6");
    ExpectMovement({"26", "16", "6", "3", "6", "-", "-"}); // CON does not move this species

    // PER: last resort points.
    Attributes().SetScore(attPER, 7);
    EXPECT_EQ(Text("LastResortCost"), "-");
    EXPECT_EQ(Text("LastResortMax"), "0");
    Attributes().SetScore(attPER, 12);
    EXPECT_EQ(Text("LastResortCost"), "2");
    EXPECT_EQ(Text("LastResortMax"), "2");
    Attributes().SetScore(attPER, 13);
    EXPECT_EQ(Text("LastResortCost"), "1");
    EXPECT_EQ(Text("LastResortMax"), "3");

    // Every change updates the cost: 12 + 14 + 11 + 14 + 4 + 13.
    EXPECT_EQ(Text("AttributeCost"), "68");
}

TEST_F(HeroCore, BonusesCountInTheTotalButNotInTheBaseOrTheCost) {
    builder->Hero.MutationTotals.Per = 1; // also raises the PER maximum
    builder->Hero.BenefitTotals.Str = 2;
    Attributes().SetAttribLevels();
    EXPECT_EQ(Text(attPER, "Limits"), "4/15");
    EXPECT_EQ(Text(attSTR, "Limits"), "4/14");

    Attributes().SetScore(attPER, 15);
    EXPECT_EQ(Text(attPER, "Total"), "15");
    EXPECT_EQ(Text(attPER, "Base"), "14");
    EXPECT_EQ(Text("LastResortCost"), "1");
    EXPECT_EQ(Text("LastResortMax"), "4");

    Attributes().SetScore(attSTR, 12);
    EXPECT_EQ(Text(attSTR, "Total"), "12");
    EXPECT_EQ(Text(attSTR, "Base"), "10");
    EXPECT_EQ(Text(attSTR, "Res"), "+1");
    EXPECT_EQ(Text("AttributeCost"), "64"); // 10 + 10 + 10 + 10 + 10 + 14
}

TEST_F(HeroCore, CostTurnsRedOverTheRuleSetBudget) {
    Attributes().SetScore(attSTR, 11);
    EXPECT_EQ(builder->Views.Label("AttributeCost"), (LabelView{"61", true, true}));
    Attributes().SetScore(attSTR, 10);
    EXPECT_FALSE(builder->Views.Label("AttributeCost").red);

    builder->SetChanged(false);
    builder->Rules.RuleSetClick(1); // "Lean": 50 points
    EXPECT_EQ(Text("Ruleset"), "Lean");
    EXPECT_EQ(builder->Views.Label("AttributeCost"), (LabelView{"60", true, true}));
    EXPECT_FALSE(builder->Changed);

    Attributes().SetScore(attSTR, 4);
    Attributes().SetScore(attDEX, 6);
    EXPECT_EQ(builder->Views.Label("AttributeCost"), (LabelView{"50", false, true}));
    Attributes().KeyPress(attDEX, 'w');
    EXPECT_TRUE(builder->Views.Label("AttributeCost").red);

    builder->SetChanged(false);
    builder->Rules.RuleSetClick(0);
    EXPECT_EQ(builder->Views.Label("AttributeCost"), (LabelView{"51", false, true}));
    EXPECT_FALSE(builder->Changed);
}

// --- species ---------------------------------------------------------------------------------

TEST_F(HeroCore, ChoosingASpeciesAppliesItsRecord) {
    builder->Species.CmbSpeciesChange(kSkywing);
    EXPECT_TRUE(builder->Changed);
    EXPECT_EQ(Text("Species"), "Skywing");
    EXPECT_EQ(builder->Views.Choice("Species").index, kSkywing);

    // STR below the species' range and CON above it both go to the minimum.
    EXPECT_EQ(Text(attSTR, "Limits"), "12/18");
    EXPECT_EQ(Text(attCON, "Limits"), "5/9");
    EXPECT_EQ(Text(attDEX, "Limits"), "4/14");
    EXPECT_EQ(Text(attSTR, "Total"), "12");
    EXPECT_EQ(Text(attSTR, "Res"), "+1");
    EXPECT_EQ(Text(attCON, "Total"), "5");
    EXPECT_EQ(Text("AttributeCost"), "57");

    // Movement sum Round(22 x 1.2) = 26; glide and fly from that row times 1.2, truncated;
    // everything times 1.5.
    ExpectMovement({"39", "24", "9", "4.5", "9", "46.5", "93"});
    ExpectDurability("7", "7", "4", "4"); // Trunc(5 x 1.5)
    EXPECT_EQ(Text("Actions"), "1");      // WIL 10 + CON 5
    EXPECT_EQ(Text("ActionDie"), "+d6");
    ExpectActionCheck("11+", "10", "5", "2");

    EXPECT_EQ(builder->Views.Check("Primitive"),
              (CheckView{"Reduce Primitive Penalty From +2 to +1 step", false, true, true}));
    EXPECT_EQ(builder->Views.Check("CyberSkill"),
              (CheckView{"Cyberskill [ 10 skill points ]", false, true, true}));

    const std::string log = app.Read("tavorn.log");
    EXPECT_NE(log.find("\nCurSpecies.Name=Skywing\n"), std::string::npos) << log;
    EXPECT_NE(log.find("\nDurMult = 1.5\n"), std::string::npos) << log;

    // Back to a plain species: its limits and multipliers replace the old ones, scores that
    // fit stay.
    builder->Species.CmbSpeciesChange(kTerran);
    EXPECT_EQ(Text(attSTR, "Limits"), "4/14");
    EXPECT_EQ(Text(attINT, "Limits"), "4/15"); // species minimum 3, raised to 4
    EXPECT_EQ(Text(attSTR, "Total"), "12");
    ExpectMovement({"22", "14", "4", "2", "4", "-", "-"});
    ExpectDurability("5", "5", "3", "3");
    EXPECT_EQ(Text("ActionDie"), "0");
    EXPECT_FALSE(builder->Views.Check("Primitive").visible);
}

TEST_F(HeroCore, PrimitiveChoiceIsUntickedByEverySpeciesChange) {
    builder->Species.CmbSpeciesChange(kSkywing);
    builder->Species.CbPrimitiveClick(true);
    EXPECT_TRUE(builder->Views.Check("Primitive").checked);
    builder->Species.CmbSpeciesChange(kSkywing);
    EXPECT_FALSE(builder->Views.Check("Primitive").checked);
    EXPECT_TRUE(builder->Views.Check("Primitive").visible);

    builder->Species.CbPrimitiveClick(true);
    builder->Species.CmbSpeciesChange(kTerran);
    EXPECT_FALSE(builder->Views.Check("Primitive").checked);
    EXPECT_FALSE(builder->Views.Check("Primitive").visible);
}

TEST_F(HeroCore, SpeciesWithFreeCyberskill) {
    builder->Species.CmbSpeciesChange(kChromeborn);
    EXPECT_EQ(builder->Views.Check("CyberSkill"),
              (CheckView{"Cyberskill [ Free ]", true, true, false}));
    EXPECT_TRUE(builder->Hero.CyberSkill);

    builder->Species.CmbSpeciesChange(kTerran);
    EXPECT_EQ(builder->Views.Check("CyberSkill"),
              (CheckView{"Cyberskill [ 10 skill points ]", false, true, true}));
    EXPECT_FALSE(builder->Hero.CyberSkill);
}

TEST_F(HeroCore, SourceTogglesKeepTheSpeciesByNameOrDropIt) {
    builder->Species.CmbSpeciesChange(kSkywing);
    builder->Rules.SourceClick(kOuterReaches);
    EXPECT_EQ(prompter.Texts(Kind::Confirm), std::vector<std::string>{"Make this the default?"});
    const ChoiceView& species = builder->Views.Choice("Species");
    EXPECT_EQ(species.items,
              (std::vector<std::string>{"Driftborn", "Terran", "Skywing", "Chromeborn"}));
    EXPECT_EQ(species.index, 2);
    EXPECT_EQ(Text("Species"), "Skywing");
    EXPECT_EQ(Text(attSTR, "Limits"), "12/18");
    EXPECT_EQ(Text("Move.Glide"), "46.5");

    // A species of the extra source: CON joins its movement sum.
    builder->Species.CmbSpeciesChange(0);
    EXPECT_EQ(Text("Species"), "Driftborn");
    EXPECT_EQ(Text(attSTR, "Limits"), "6/16");
    Attributes().SetScore(attSTR, 10);
    Attributes().SetScore(attCON, 10);
    ExpectMovement({"30", "20", "8", "4", "8", "-", "60"});
    ExpectDurability("20", "20", "10", "10");
    Attributes().SetScore(attCON, 8);
    ExpectMovement({"28", "18", "6", "3", "6", "-", "56"});
    ExpectDurability("16", "16", "8", "8");
    Attributes().SetScore(attSTR, 15);
    EXPECT_TRUE(builder->Views.Check("CyberSkill").checked);

    // Switching the source off drops the species and everything that came with it; STR 15
    // is now above the maximum and goes to the minimum.
    builder->Rules.SourceClick(kOuterReaches);
    EXPECT_EQ(species.items, (std::vector<std::string>{"Terran", "Skywing", "Chromeborn"}));
    EXPECT_EQ(species.index, -1);
    EXPECT_EQ(Text("Species"), "");
    EXPECT_EQ(builder->Hero.SpeciesIndex, -1);
    for (int a = 0; a < kAttributeCount; ++a)
        EXPECT_EQ(Text(a, "Limits"), "4/14") << kAttributeNames[static_cast<std::size_t>(a)];
    EXPECT_EQ(Text(attSTR, "Total"), "4");
    ExpectMovement({"14", "10", "4", "2", "4", "-", "-"});
    ExpectDurability("8", "8", "4", "4");
    // The free Cyberskill was the species' own: it goes with the species, as it does when
    // another species without it is chosen.
    EXPECT_EQ(builder->Views.Check("CyberSkill"),
              (CheckView{"Cyberskill [ 10 skill points ]", false, true, true}));
}

// --- professions -----------------------------------------------------------------------------

TEST_F(HeroCore, FreeAgentRaisesDexAndOffersAResistanceBonus) {
    builder->Professions.CmbProfessionChange(kFreeAgent);
    EXPECT_TRUE(builder->Changed);
    EXPECT_EQ(Text("Profession"), "Free Agent");
    EXPECT_EQ(Text(attDEX, "Total"), "11");
    EXPECT_EQ(Text(attDEX, "Limits"), "11/14");
    EXPECT_EQ(Text(attWIL, "Limits"), "9/14");
    EXPECT_EQ(Text(attSTR, "Limits"), "4/14");
    ExpectActionCheck("13+", "12", "6", "3"); // (11 + 10) / 2 + 2
    EXPECT_EQ(Text("LastResortMax"), "2");

    const ChoiceView& special = builder->Views.Choice("Specialization");
    EXPECT_TRUE(special.visible);
    EXPECT_EQ(special.caption, "Resistance Bonus");
    EXPECT_EQ(special.items, (std::vector<std::string>{"STR", "DEX", "INT", "WIL"}));
    EXPECT_EQ(special.index, -1);
    EXPECT_EQ(Text(attDEX, "Res"), "+1");

    builder->SetChanged(false);
    builder->Professions.CmbSpecialChange(1);
    EXPECT_TRUE(builder->Changed);
    EXPECT_EQ(Text("Specialization"), "DEX");
    EXPECT_EQ(Text(attDEX, "Res"), "+2");
    EXPECT_EQ(Text(attSTR, "Res"), "+0");
    builder->Professions.CmbSpecialChange(0);
    EXPECT_EQ(Text(attSTR, "Res"), "+1");
    EXPECT_EQ(Text(attDEX, "Res"), "+1");

    Attributes().SetScore(attPER, 8);
    EXPECT_EQ(Text("LastResortCost"), "3");
    EXPECT_EQ(Text("LastResortMax"), "2");

    // Another profession takes the bonuses away.
    builder->Professions.CmbProfessionChange(kTechOp);
    EXPECT_EQ(Text(attSTR, "Res"), "+0");
    EXPECT_EQ(Text("LastResortMax"), "1");
    EXPECT_EQ(Text(attINT, "Total"), "11");
    ExpectActionCheck("13+", "12", "6", "3"); // (11 + 11) / 2 + 1
    EXPECT_FALSE(builder->Views.Choice("Specialization").visible);
}

TEST_F(HeroCore, ProfessionChangeRecomputesTheLastResortMaximum) {
    Attributes().SetScore(attPER, 8);
    EXPECT_EQ(Text("LastResortMax"), "1");
    builder->Professions.CmbProfessionChange(kFreeAgent);
    EXPECT_EQ(Text("LastResortMax"), "2");
}

TEST_F(HeroCore, CombatSpecAddsThreeToTheActionCheck) {
    builder->Professions.CmbProfessionChange(kCombatSpec);
    EXPECT_EQ(Text(attSTR, "Total"), "11");
    EXPECT_EQ(Text(attSTR, "Limits"), "11/14");
    EXPECT_EQ(Text(attCON, "Total"), "10");
    EXPECT_EQ(Text(attCON, "Limits"), "9/14");
    ExpectActionCheck("14+", "13", "6", "3");
    const ChoiceView& special = builder->Views.Choice("Specialization");
    EXPECT_TRUE(special.visible);
    EXPECT_EQ(special.caption, "Weapon Specialization");
}

TEST_F(HeroCore, ChosenProfessionSurvivesASourceToggle) {
    builder->Professions.CmbProfessionChange(kVoidPilot);
    EXPECT_EQ(Text("Profession"), "Void Pilot");
    EXPECT_EQ(Text(attDEX, "Total"), "12");
    ExpectActionCheck("14+", "13", "6", "3");

    for (int toggle = 1; toggle <= 2; ++toggle) {
        SCOPED_TRACE(toggle);
        builder->Rules.SourceClick(kOuterReaches);
        EXPECT_EQ(Text("Profession"), "Void Pilot");
        EXPECT_EQ(builder->Views.Choice("Profession").index, kVoidPilot);
        EXPECT_EQ(builder->Views.Choice("Profession").items.size(), 8u);
        EXPECT_EQ(Text(attDEX, "Limits"), "12/14");
        ExpectActionCheck("14+", "13", "6", "3");
    }

    builder->Professions.CmbProfessionChange(kFreeAgent);
    builder->Rules.SourceClick(kOuterReaches);
    EXPECT_EQ(Text("Profession"), "Free Agent");
    EXPECT_EQ(Text(attDEX, "Limits"), "11/14");
    EXPECT_EQ(Text("LastResortMax"), "2");
}

} // namespace
