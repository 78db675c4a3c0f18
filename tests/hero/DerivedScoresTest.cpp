#include "hero/DerivedScores.h"
#include "hero/Professions.h"
#include "hero/StepNotation.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

// Sprint, Run, Walk, Easy Swim, Swim, Glide, Fly.
Texts Move(int str, int dex, double mult1, double mult2 = 1.0, bool calc = false,
           bool wings = false, char separator = '.') {
    TSpeciesData species;
    species.MoveMult1 = mult1;
    species.MoveMult2 = mult2;
    species.MoveCalc = calc;
    species.CanGlide = species.CanFly = wings;
    const MovementRates m = ComputeMovement(str, dex, 10, species, separator);
    return {m.Sprint, m.Run, m.Walk, m.EasySwim, m.Swim, m.Glide, m.Fly};
}

} // namespace

TEST(StepNotation, DieTextAndModifierTable) {
    const Texts dice{"-d20", "-d12", "-d8",  "-d6",  "-d4",   "0",    "+d4",
                     "+d6",  "+d8",  "+d12", "+d20", "+2d20", "+3d20"};
    for (int step = -5; step <= 7; ++step)
        EXPECT_EQ(Step2Die(step), dice[step + 5]) << step;
    EXPECT_EQ(Step2Die(-6), "");
    EXPECT_EQ(Step2Die(8), "");

    const std::pair<int, int> rows[] = {{1, -2}, {4, -2}, {5, -1}, {6, -1}, {7, 0},  {10, 0},
                                        {11, 1}, {12, 1}, {13, 2}, {14, 2}, {15, 3}, {16, 3},
                                        {17, 4}, {18, 4}, {19, 5}, {30, 5}, {0, 5}};
    for (const auto& [score, modifier] : rows)
        EXPECT_EQ(AttMod(score), modifier) << score;
    EXPECT_EQ(ResistanceText(10, false), "+0");
    EXPECT_EQ(ResistanceText(10, true), "+1");
    EXPECT_EQ(ResistanceText(4, true), "-1");
}

// A cleared hero: all scores 10, no species, no profession, no bonuses.
TEST(DerivedScores, ClearedHero) {
    const TSpeciesData species;
    const BonusTotals bonus = SumBonuses(TBenefit{}, TMutation{}, TFXBenefit{});
    const AttributeLimits limits = ComputeLimits(species, {0, 0, 0, 0, 0, 0}, TMutation{});
    for (int a = 0; a < kAttributeCount; ++a)
        EXPECT_EQ(LimitsText(limits.Min[a], limits.Max[a]), "4/14");
    EXPECT_EQ(UntrainedScore(10), 5);
    EXPECT_EQ(AttributePointCost({10, 10, 10, 10, 10, 10}, bonus), 60);
    EXPECT_FALSE(CostIsRed(60, 60));

    const ActionCheck check = ComputeActionCheck(10, 10, std::nullopt, bonus, 0);
    EXPECT_EQ(std::make_tuple(check.Ordinary, check.MarginalText, check.Good, check.Amazing),
              std::make_tuple(10, std::string("11+"), 5, 2));
    EXPECT_EQ(check.Die, "0");
    EXPECT_EQ(ActionCount(10, 10, bonus.Action), 2);
    EXPECT_EQ(Move(10, 10, 1.0), (Texts{"20", "12", "4", "2", "4", "-", "-"}));

    const Durability d = ComputeDurability(10, species.DurMult, bonus);
    EXPECT_EQ(std::make_tuple(d.Stun, d.Wound, d.Mortal, d.Fatigue), std::make_tuple(10, 10, 5, 5));
    const LastResort lastResort = ComputeLastResort(10, false);
    EXPECT_EQ(lastResort.Cost, "3");
    EXPECT_EQ(lastResort.Max, 1);
}

TEST(DerivedScores, BonusesFeedBasesActionCheckAndDurability) {
    TBenefit benefits;
    benefits.Dex = 1;
    benefits.ACIncrease = 1;
    TMutation mutations;
    mutations.Dex = 2;
    mutations.ACBonus = 1;
    mutations.Stun = -1;
    TFXBenefit fx;
    fx.Dex = 3;
    fx.ACBonus = 1;
    fx.Mortal = 2;
    const BonusTotals bonus = SumBonuses(benefits, mutations, fx);
    EXPECT_EQ(AttributePointCost({10, 16, 10, 10, 10, 10}, bonus), 60);
    EXPECT_TRUE(CostIsRed(61, 60));
    EXPECT_TRUE(CostIsRed(-1, 60));

    // Trunc(23 / 2) + profession 2 + ACIncrease 1; die steps 2 (bonus) + 1 (species).
    const ActionCheck check = ComputeActionCheck(13, 10, 2, bonus, 1);
    EXPECT_EQ(std::make_tuple(check.Ordinary, check.MarginalText, check.Good, check.Amazing),
              std::make_tuple(14, std::string("15+"), 7, 3));
    EXPECT_EQ(check.Die, "+d8");
    EXPECT_EQ(ComputeActionCheck(10, 10, std::nullopt, bonus, 6).Die, ""); // step 8

    const Durability d = ComputeDurability(11, 1.0, bonus);
    EXPECT_EQ(std::make_tuple(d.Stun, d.Wound, d.Mortal, d.Fatigue), std::make_tuple(10, 11, 8, 6));
    EXPECT_EQ(ComputeDurability(11, 1.5, BonusTotals{}).Mortal, 8); // D = Trunc(16.5)
}

TEST(DerivedScores, LimitsTakeTheHigherMinimumAndTheMutationMaximum) {
    TSpeciesData species;
    species.AttrMin = {6, 3, 4, 4, 4, 4};
    species.AttrMax = {16, 14, 14, 14, 14, 12};
    TMutation mutations;
    mutations.Str = 2;
    mutations.Per = -1;
    const AttributeLimits limits = ComputeLimits(
        species, MinimumsOf(BuiltInProfessions()[kResistanceBonusPosition]), mutations);
    EXPECT_EQ(limits.Min, (AttributeValues{6, 11, 4, 4, 9, 4}));
    EXPECT_EQ(limits.Max, (AttributeValues{18, 14, 14, 14, 14, 11}));
}

TEST(DerivedScores, ActionsAndLastResortThresholds) {
    EXPECT_EQ(ActionCount(8, 7, 0), 1);
    EXPECT_EQ(ActionCount(8, 8, 0), 2);
    EXPECT_EQ(ActionCount(12, 12, 0), 3);
    EXPECT_EQ(ActionCount(16, 16, 1), 5);

    const std::tuple<int, bool, std::string, int> rows[] = {
        {7, false, "-", 0},  {8, true, "3", 2},   {11, false, "2", 2},
        {14, false, "1", 3}, {15, false, "1", 4}, {15, true, "1", 5}};
    for (const auto& [per, bonus, cost, max] : rows) {
        const LastResort lastResort = ComputeLastResort(per, bonus);
        EXPECT_EQ(lastResort.Cost, cost) << per;
        EXPECT_EQ(lastResort.Max, max) << per;
    }
}

TEST(Movement, TableBranch) {
    EXPECT_EQ(Move(12, 11, 1.0), (Texts{"22", "14", "4", "2", "4", "-", "-"}));
    // Above the table without the formula: the row of 32, even with the formula allowed.
    EXPECT_EQ(Move(19, 19, 1.0), (Texts{"32", "22", "8", "4", "8", "-", "-"}));
    EXPECT_EQ(Move(16, 16, 1.0, 1.0, true), (Texts{"32", "22", "8", "4", "8", "-", "-"}));
    // Below the table: its first row.
    EXPECT_EQ(Move(1, 1, 0.5), (Texts{"6", "4", "2", "1", "2", "-", "-"}));
    // The base rounds half to even: 11 x 1.5 = 16.5 -> 16.
    EXPECT_EQ(Move(6, 5, 1.5)[0], "16");
    // Glide and fly: the table's values x the first multiplier, truncated (B = 25: 24, 48).
    EXPECT_EQ(Move(10, 10, 1.25, 1.0, false, true), (Texts{"24", "16", "6", "3", "6", "30", "60"}));

    TSpeciesData addsCon;
    addsCon.MoveSDC = true;
    EXPECT_EQ(ComputeMovement(6, 6, 10, addsCon, '.').Sprint, "22");
}

TEST(Movement, FormulaBranch) {
    EXPECT_EQ(Move(20, 20, 1.0, 1.0, true), (Texts{"40", "38", "10", "5", "10", "-", "-"}));
    // Easy swim 36 / 8 = 4.5 rounds down.
    EXPECT_EQ(Move(18, 18, 1.0, 1.0, true), (Texts{"36", "34", "8", "4", "8", "-", "-"}));
    // 44 / 8 = 5.5 also rounds down; Run 67.13 goes up to the even 68.
    EXPECT_EQ(Move(22, 22, 1.0, 1.0, true)[3], "5");
    EXPECT_EQ(Move(35, 35, 1.0, 1.0, true)[1], "68");
    // An odd base loses one first.
    EXPECT_EQ(Move(19, 18, 1.0, 1.0, true, true), (Texts{"36", "34", "8", "4", "8", "36", "72"}));
}

TEST(Movement, SecondMultiplierScalesEveryShownRate) {
    EXPECT_EQ(Move(6, 6, 1.0, 1.5, false, true), (Texts{"18", "12", "3", "1.5", "3", "18", "36"}));
    EXPECT_EQ(Move(6, 6, 1.0, 1.5, false, false, ',')[3], "1,5");
    // No binary-fraction noise: 2 x 1.1.
    EXPECT_EQ(Move(10, 10, 1.0, 1.1)[3], "2.2");
}
