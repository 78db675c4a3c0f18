// The hero core driven the way the main window drives it: species, profession and score
// changes through the builder, checked against the texts the Main page shows. The formulas
// themselves are checked in the derived-score tests; these check that every change reaches
// every value that depends on it.

#include "BuilderTest.h"

namespace {

const char* kConfig = R"(<Configuration>
  <SOURCE NAME="Outer Reaches" />
  <Profession NAME="Void Pilot" SOURCE="Core" MINDEX="12" ACTIONMOD="2" />
</Configuration>)";

// With only Core active the list reads Terran, Skywing, Chromeborn; Driftborn comes first
// once "Outer Reaches" is switched on.
const char* kSpecies = R"(<SpeciesList>
  <SPECIES MOVESDC="True" CANFLY="TRUE" DURMULT="2.0" CYBERSKILL="True">
    <Name>Driftborn</Name><Source>Outer Reaches</Source><STR MIN="6" MAX="16" />
  </SPECIES>
  <SPECIES><Name>Terran</Name><Source>Core</Source><INT MIN="3" MAX="15" /></SPECIES>
  <SPECIES PRIMITIVE="True" CANGLIDE="true" CANFLY="True" MOVEMULT1="1.2" MOVEMULT2="1.5"
           DURMULT="1.5">
    <Name>Skywing</Name><Source>Core</Source><ActionStep>2</ActionStep>
    <STR MIN="12" MAX="18" /><CON MIN="5" MAX="9" />
  </SPECIES>
  <SPECIES CYBERSKILL="True"><Name>Chromeborn</Name><Source>Core</Source></SPECIES>
</SpeciesList>)";

const std::string kMove =
    "Move.Sprint Move.Run Move.Walk Move.EasySwim Move.Swim Move.Glide Move.Fly";
const std::string kCheck =
    "ActionCheck.Marginal ActionCheck.Ordinary ActionCheck.Good ActionCheck.Amazing";
const std::string kDurability = "Stun Wound Mortal Fatigue";
const CheckView kCyberSkillOffered{"Cyberskill [ 10 skill points ]", false, true, true};

class HeroCore : public BuilderTest {
protected:
    void SetUp() override {
        WriteData(kConfig, kSpecies, nullptr,
                  R"(<RuleSets><RULESET NAME="Lean" AttributePts="50" /></RuleSets>)");
        Start();
    }
    void Set(int attribute, int score) { builder->Attributes().SetScore(attribute, score); }
    void Key(int attribute, char key) { builder->Attributes().StepScore(attribute, key); }
    const CheckView& Check(const char* name) const { return builder->Views().CheckNamed(name); }
};

TEST_F(HeroCore, StartsClearedAndEveryClearGivesTheSameViews) {
    for (const std::string a : {"STR", "DEX", "CON", "INT", "WIL", "PER"})
        EXPECT_EQ(Labels(a + ".Base " + a + ".Total " + a + ".Limits " + a + ".Ut"), "10 10 4/14 5")
            << a;
    EXPECT_EQ(Labels("STR.Res DEX.Res INT.Res WIL.Res"), "+0 +0 +0 +0");
    EXPECT_EQ(builder->Views().Labels().count("CON.Res") +
                  builder->Views().Labels().count("PER.Res"),
              0u);
    EXPECT_EQ(Labels(kCheck + " ActionDie Actions LastResortCost LastResortMax AttributeCost"),
              "11+ 10 5 2 0 2 3 1 60");
    EXPECT_FALSE(builder->Views().LabelNamed("AttributeCost").red);
    EXPECT_EQ(Labels(kMove + " " + kDurability), "20 12 4 2 4 - - 10 10 5 5");
    EXPECT_EQ(builder->Views().ChoiceNamed("Species").index, -1);
    EXPECT_EQ(builder->Views().ChoiceNamed("Profession").index, -1);
    EXPECT_FALSE(builder->Views().ChoiceNamed("Specialization").visible ||
                 Check("Primitive").visible);
    EXPECT_EQ(Check("CyberSkill"), kCyberSkillOffered);
    EXPECT_FALSE(builder->Changed());

    const auto labels = builder->Views().Labels();
    const auto choices = builder->Views().Choices();
    const auto checks = builder->Views().Checks();
    ChooseSpecies("Chromeborn");
    ChooseProfession("Free Agent");
    builder->ChooseSpecialization(1);
    Set(attSTR, 14);
    Key(attCON, 'w');
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        builder->ClearHero();
        EXPECT_EQ(builder->Views().Labels(), labels);
        EXPECT_EQ(builder->Views().Choices(), choices);
        EXPECT_EQ(builder->Views().Checks(), checks);
        EXPECT_FALSE(builder->Changed());
        EXPECT_EQ(builder->Hero().Specialization, -1);
    }
}

TEST_F(HeroCore, ScoresStayWithinTheirLimitsAndEveryChangeMarksTheHero) {
    Set(attSTR, 20);
    EXPECT_EQ(Label("STR.Total"), "14");
    Set(attSTR, 1);
    EXPECT_EQ(Labels("STR.Total STR.Res STR.Ut"), "4 -2 2");
    builder->Document().SetChanged(false);
    Key(attSTR, 'q'); // already at the minimum, and still a change
    EXPECT_TRUE(builder->Changed());
    Key(attSTR, 'w');
    Key(attSTR, 'w');
    EXPECT_EQ(Labels("STR.Total STR.Res"), "6 -1");

    builder->Document().SetChanged(false);
    Key(attSTR, 'x');
    Key(attSTR, 'W');
    EXPECT_EQ(Label("STR.Total"), "6");
    EXPECT_FALSE(builder->Changed());
}

TEST_F(HeroCore, EachAttributeUpdatesWhatDependsOnIt) {
    Set(attSTR, 12);
    Set(attDEX, 11);
    EXPECT_EQ(Label("Move.Sprint"), "22");
    Set(attINT, 14);
    EXPECT_EQ(Labels(kCheck), "13+ 12 6 3");
    Set(attDEX, 14);
    EXPECT_EQ(Labels(kCheck), "15+ 14 7 3");
    EXPECT_EQ(Label("Move.Sprint"), "26");

    Set(attCON, 11);
    EXPECT_EQ(Labels(kDurability + " Actions"), "11 11 6 6 2");
    Set(attWIL, 4); // WIL + CON = 15
    EXPECT_EQ(Label("Actions"), "1");
    Key(attWIL, 'w'); // 16
    EXPECT_EQ(Label("Actions"), "2");

    Set(attPER, 7);
    EXPECT_EQ(Labels("LastResortCost LastResortMax"), "- 0");
    Set(attPER, 13);
    EXPECT_EQ(Labels("LastResortCost LastResortMax AttributeCost"), "1 3 69");
}

TEST_F(HeroCore, CostCountsBasesAndTurnsRedOverTheRuleSetsBudget) {
    TMutation keenEyes; // a taken mutation: also raises the PER maximum
    keenEyes.Per = 1;
    builder->Hero().Advantages.push_back(keenEyes);
    TBenefit strength; // a bought benefit: its raise counts in the bonus totals
    strength.Str = 2;
    builder->Hero().Benefits.push_back(strength);
    Recompute();
    EXPECT_EQ(Labels("PER.Limits STR.Limits"), "4/15 4/14");
    Set(attSTR, 13);
    EXPECT_EQ(Labels("STR.Total STR.Base STR.Res AttributeCost"), "13 11 +2 60"); // PER base 9
    EXPECT_FALSE(builder->Views().LabelNamed("AttributeCost").red);
    Key(attSTR, 'w');
    EXPECT_EQ(builder->Views().LabelNamed("AttributeCost"), (LabelView{"61", true, true}));

    // Another rule set recomputes the colour, and is a change: the hero file records it.
    Key(attSTR, 'q');
    builder->Document().SetChanged(false);
    ChooseRules("Lean"); // 50 points
    EXPECT_EQ(Label("Ruleset"), "Lean");
    EXPECT_TRUE(builder->Views().LabelNamed("AttributeCost").red);
    ChooseRules("Core");
    EXPECT_FALSE(builder->Views().LabelNamed("AttributeCost").red);
    EXPECT_TRUE(builder->Changed());
}

TEST_F(HeroCore, ChoosingASpeciesAppliesItsRecord) {
    ChooseSpecies("Skywing");
    EXPECT_TRUE(builder->Changed());
    // STR below the species' range and CON above it both go to the minimum.
    EXPECT_EQ(Labels("Species STR.Limits CON.Limits DEX.Limits STR.Total CON.Total"),
              "Skywing 12/18 5/9 4/14 12 5");
    EXPECT_EQ(Labels(kMove + " " + kDurability), "39 24 9 4.5 9 46.5 93 7 7 4 4");
    EXPECT_EQ(Labels("Actions ActionDie AttributeCost"), "1 +d6 57");
    EXPECT_EQ(Check("Primitive"),
              (CheckView{"Reduce Primitive Penalty From +2 to +1 step", false, true, true}));
    const std::string log = app.Read("tavorn.log");
    EXPECT_NE(log.find("\nCurSpecies.Name=Skywing\n"), std::string::npos) << log;
    EXPECT_NE(log.find("\nDurMult = 1.5\n"), std::string::npos) << log;

    // Every species change unticks the primitive choice.
    builder->SetPrimitive(true);
    ChooseSpecies("Skywing");
    EXPECT_FALSE(Check("Primitive").checked);

    // A plain species: its limits replace the old ones (minimum 3 is raised to 4), scores that
    // fit stay.
    builder->SetPrimitive(true);
    ChooseSpecies("Terran");
    EXPECT_EQ(Labels("STR.Limits INT.Limits STR.Total ActionDie Stun"), "4/14 4/15 12 0 5");
    EXPECT_FALSE(Check("Primitive").visible || Check("Primitive").checked);

    ChooseSpecies("Chromeborn");
    EXPECT_EQ(Check("CyberSkill"), (CheckView{"Cyberskill [ Free ]", true, true, false}));
    ChooseSpecies("Terran");
    EXPECT_EQ(Check("CyberSkill"), kCyberSkillOffered);
    EXPECT_FALSE(builder->Hero().CyberSkill);
}

TEST_F(HeroCore, SourceTogglesKeepTheSpeciesByNameOrDropIt) {
    ChooseSpecies("Skywing");
    ClickSource("Outer Reaches");
    EXPECT_EQ(builder->Views().ChoiceNamed("Species").items,
              (Strings{"Driftborn", "Terran", "Skywing", "Chromeborn"}));
    EXPECT_EQ(builder->Views().ChoiceNamed("Species").index, 2);
    EXPECT_EQ(Labels("Species STR.Limits Move.Glide"), "Skywing 12/18 46.5");

    // CON joins this species' movement sum, so a CON change moves it too.
    ChooseSpecies("Driftborn");
    Set(attSTR, 10);
    Set(attCON, 10);
    EXPECT_EQ(Labels(kMove), "30 20 8 4 8 - 60");
    Set(attCON, 8);
    EXPECT_EQ(Labels("Move.Sprint Stun"), "28 16");
    Set(attSTR, 15);

    // Switched off: the species goes with its limits and its free Cyberskill; STR 15 is
    // above the maximum now and goes to the minimum.
    ClickSource("Outer Reaches");
    EXPECT_EQ(builder->Views().ChoiceNamed("Species").index, -1);
    EXPECT_EQ(Label("Species"), "");
    EXPECT_EQ(Labels("STR.Limits STR.Total Move.Sprint Stun"), "4/14 4 14 8");
    EXPECT_EQ(Check("CyberSkill"), kCyberSkillOffered);
}

TEST_F(HeroCore, ProfessionsRaiseMinimumsAndFreeAgentOffersAResistanceBonus) {
    Set(attPER, 8);
    EXPECT_EQ(Label("LastResortMax"), "1");
    ChooseProfession("Free Agent");
    EXPECT_TRUE(builder->Changed());
    EXPECT_EQ(Labels("DEX.Total DEX.Limits WIL.Limits DEX.Res LastResortCost LastResortMax"),
              "11 11/14 9/14 +1 3 2");
    EXPECT_EQ(Labels(kCheck), "13+ 12 6 3"); // (11 + 10) / 2 + 2
    EXPECT_EQ(builder->Views().ChoiceNamed("Specialization"),
              (ChoiceView{{"STR", "DEX", "INT", "WIL"}, -1, true, true, "Resistance Bonus"}));

    builder->Document().SetChanged(false);
    builder->ChooseSpecialization(1);
    EXPECT_TRUE(builder->Changed());
    EXPECT_EQ(Labels("Specialization DEX.Res STR.Res"), "DEX +2 +0");

    // Another profession takes the bonuses away.
    ChooseProfession("Tech Op");
    EXPECT_EQ(Labels("DEX.Res LastResortMax INT.Total"), "+1 1 11");
    EXPECT_FALSE(builder->Views().ChoiceNamed("Specialization").visible);

    // A catalogue profession is chosen again by name after every reload.
    ChooseProfession("Void Pilot");
    EXPECT_EQ(Labels("DEX.Total ActionCheck.Ordinary"), "12 13");
    for (int toggle = 1; toggle <= 2; ++toggle) {
        SCOPED_TRACE(toggle);
        ClickSource("Outer Reaches");
        EXPECT_EQ(builder->Views().ChoiceNamed("Profession").index, 7);
        EXPECT_EQ(Labels("DEX.Limits ActionCheck.Ordinary"), "12/14 13");
        EXPECT_EQ(Label("Profession"), "Void Pilot");
    }
}

} // namespace
