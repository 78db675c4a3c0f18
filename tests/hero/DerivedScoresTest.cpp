#include "hero/DerivedScores.h"
#include "hero/StepNotation.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

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
    const std::pair<int, const char*> dice[] = {{-6, ""},   {-5, "-d20"}, {-1, "-d4"}, {0, "0"},
                                                {1, "+d4"}, {7, "+3d20"}, {8, ""}};
    for (const auto& [step, text] : dice)
        EXPECT_EQ(Step2Die(step), text) << step;
    const std::pair<int, int> rows[] = {{4, -2}, {5, -1}, {6, -1}, {7, 0},  {10, 0},
                                        {11, 1}, {13, 2}, {15, 3}, {17, 4}, {18, 4},
                                        {19, 5}, {30, 5}, {0, -2}, {-7, -2}};
    for (const auto& [score, modifier] : rows)
        EXPECT_EQ(AttMod(score), modifier) << score;
    EXPECT_EQ(ResistanceText(10, true), "+1");
    EXPECT_EQ(ResistanceText(4, true), "-1");
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
    EXPECT_FALSE(CostIsRed(60, 60));
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

// The thresholds themselves are checked through the builder; here the bonuses on top.
TEST(DerivedScores, ActionsAndLastResortAboveTheThresholds) {
    EXPECT_EQ(ActionCount(16, 16, 1), 5);
    const LastResort lastResort = ComputeLastResort(15, true);
    EXPECT_EQ(lastResort.Cost + " " + std::to_string(lastResort.Max), "1 5");
    EXPECT_EQ(ComputeLastResort(11, false).Cost, "2");
}

TEST(Movement, TableBranch) {
    EXPECT_EQ(Move(12, 11, 1.0), (Texts{"22", "14", "4", "2", "4", "-", "-"}));
    // The sum 23 still reads its own row; above the table the row of 32, even with the
    // formula allowed.
    EXPECT_EQ(Move(12, 11, 1.0, 1.0, true)[0], "22");
    EXPECT_EQ(Move(19, 19, 1.0), (Texts{"32", "22", "8", "4", "8", "-", "-"}));
    EXPECT_EQ(Move(16, 16, 1.0, 1.0, true)[0], "32");
    // Below the table: its first row. The base rounds half to even: 11 x 1.5 = 16.5 -> 16.
    EXPECT_EQ(Move(1, 1, 0.5), (Texts{"6", "4", "2", "1", "2", "-", "-"}));
    EXPECT_EQ(Move(6, 5, 1.5)[0], "16");
    // Glide and fly: the table's values x the first multiplier, truncated.
    EXPECT_EQ(Move(10, 10, 1.25, 1.0, false, true), (Texts{"24", "16", "6", "3", "6", "30", "60"}));
}

TEST(Movement, EveryRowOfTheTableAtBothOfItsSums) {
    // Sprint, run, walk, easy swim and swim of each row; glide and fly are the sprint and
    // twice it. The rows after the first cover two sums each.
    const int rows[][5] = {{6, 4, 2, 1, 2},   {8, 6, 2, 1, 2},   {10, 6, 2, 1, 2},
                           {12, 8, 2, 1, 2},  {14, 10, 4, 2, 4}, {16, 10, 4, 2, 4},
                           {18, 12, 4, 2, 4}, {20, 12, 4, 2, 4}, {22, 14, 4, 2, 4},
                           {24, 16, 6, 3, 6}, {26, 16, 6, 3, 6}, {28, 18, 6, 3, 6},
                           {30, 20, 8, 4, 8}, {32, 22, 8, 4, 8}};
    for (int row = 0; row < 14; ++row) {
        const int* r = rows[row];
        const Texts expected{std::to_string(r[0]),    std::to_string(r[1]), std::to_string(r[2]),
                             std::to_string(r[3]),    std::to_string(r[4]), std::to_string(r[0]),
                             std::to_string(2 * r[0])};
        const int low = row == 0 ? 2 : 6 + 2 * row;
        const int high = row == 0 ? 7 : row == 13 ? 32 : low + 1;
        for (const int sum : {low, high})
            EXPECT_EQ(Move(sum / 2, sum - sum / 2, 1.0, 1.0, false, true), expected) << sum;
    }
}

TEST(Movement, FormulaBranch) {
    EXPECT_EQ(Move(20, 20, 1.0, 1.0, true), (Texts{"40", "38", "10", "5", "10", "-", "-"}));
    // Easy swim 36 / 8 = 4.5 rounds down; an odd base loses one first.
    EXPECT_EQ(Move(18, 18, 1.0, 1.0, true), (Texts{"36", "34", "8", "4", "8", "-", "-"}));
    EXPECT_EQ(Move(19, 18, 1.0, 1.0, true, true), (Texts{"36", "34", "8", "4", "8", "36", "72"}));
    // Run 67.13 goes up to the even 68.
    EXPECT_EQ(Move(35, 35, 1.0, 1.0, true)[1], "68");
}

TEST(Movement, SecondMultiplierScalesEveryShownRate) {
    EXPECT_EQ(Move(6, 6, 1.0, 1.5, false, true), (Texts{"18", "12", "3", "1.5", "3", "18", "36"}));
    EXPECT_EQ(Move(6, 6, 1.0, 1.5, false, false, ',')[3], "1,5");
    EXPECT_EQ(Move(10, 10, 1.0, 1.1)[3], "2.2"); // no binary-fraction noise
}

// Scores, bonuses and multipliers far outside any game: every sum stops at the edge of int,
// the multipliers are used within 0..100, and nothing is undefined (the sanitizer build runs
// this too).
TEST(DerivedScores, ExtremeInputsStopAtTheEdgesInsteadOfWrapping) {
    constexpr int big = INT_MAX;
    constexpr int small = INT_MIN;
    TBenefit benefits;
    TMutation mutations;
    for (TBonuses* bonuses :
         {static_cast<TBonuses*>(&benefits), static_cast<TBonuses*>(&mutations)})
        bonuses->Stun = bonuses->Mortal = bonuses->ACIncrease = bonuses->ACBonus = bonuses->Action =
            bonuses->Str = big;
    const BonusTotals bonus = SumBonuses(benefits, mutations, TFXBenefit{});
    EXPECT_EQ(std::tie(bonus.Stun, bonus.Attr[attSTR]), std::make_tuple(big, big));

    TSpeciesData species;
    species.AttrMax.fill(big);
    TMutation mutation;
    mutation.Str = big;
    mutation.Dex = small;
    const AttributeLimits limits = ComputeLimits(species, {big, 0, 0, 0, 0, 0}, mutation);
    EXPECT_EQ(std::tie(limits.Min[attSTR], limits.Max[attSTR], limits.Max[attDEX]),
              std::make_tuple(big, big, -1));
    EXPECT_EQ(AttributeBase(small, big), small);
    EXPECT_EQ(AttributePointCost({big, big, big, big, big, big}, BonusTotals{}), big);

    const ActionCheck check = ComputeActionCheck(big, big, big, bonus, big);
    EXPECT_EQ(std::tie(check.Ordinary, check.Marginal, check.Good),
              std::make_tuple(big, big, big / 2));
    EXPECT_EQ(check.Die, "");
    EXPECT_EQ(ComputeActionCheck(10, 10, small, BonusTotals{}, small).Die, "");
    EXPECT_EQ(ActionCount(big, big, big), big);

    const Durability most = ComputeDurability(big, 1e20, bonus);
    EXPECT_EQ(std::tie(most.Stun, most.Wound, most.Mortal), std::make_tuple(big, big, big));
    EXPECT_EQ(ComputeDurability(10, 1e20, BonusTotals{}).Stun, 1000); // multiplier 100
    EXPECT_EQ(ComputeDurability(10, std::nan(""), BonusTotals{}).Stun, 0);
    EXPECT_EQ(ComputeDurability(small, 100, BonusTotals{}).Mortal, (small + 1) / 2);

    EXPECT_EQ(EvenUp(1e300), big);
    EXPECT_EQ(EvenUp(std::nan("")), 0);
}

TEST(Movement, ExtremeMultipliersAndScores) {
    // Both multipliers used as 100: the sum 2000 reads the row of 32, every rate x 100.
    EXPECT_EQ(Move(10, 10, 1e20, 1e20, false, true),
              (Texts{"3200", "2200", "800", "400", "800", "320000", "640000"}));
    EXPECT_EQ(Move(10, 10, std::nan(""), -5.0)[0], "0");

    TSpeciesData species;
    species.MoveMult1 = species.MoveMult2 = 1e20;
    species.MoveSDC = species.MoveCalc = true;
    // The base stops at INT_MAX, an odd number, and loses one.
    EXPECT_EQ(ComputeMovement(INT_MAX, INT_MAX, INT_MAX, species, '.').Sprint, "214748364600");
}
