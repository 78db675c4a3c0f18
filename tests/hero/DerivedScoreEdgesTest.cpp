// The edges of the derived-score tables: every row of the attribute modifier, the thresholds of
// the number of actions, each attribute's bonus kept to its own attribute, and psionic energy.

#include "hero/DerivedScores.h"
#include "hero/StepNotation.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DerivedScoreEdges, ResistanceModifierAtBothEdgesOfEveryRow) {
    struct Row {
        int lowest, highest, modifier;
    };
    const Row rows[] = {{1, 4, -2},  {5, 6, -1},  {7, 10, 0},  {11, 12, 1},
                        {13, 14, 2}, {15, 16, 3}, {17, 18, 4}, {19, 25, 5}};
    for (const Row& row : rows)
        for (int score = row.lowest; score <= row.highest; ++score) {
            EXPECT_EQ(AttMod(score), row.modifier) << "score " << score;
            EXPECT_EQ(ResistanceText(score, false), SignedText(row.modifier)) << "score " << score;
            EXPECT_EQ(ResistanceText(score, true), SignedText(row.modifier + 1))
                << "score " << score;
        }
    EXPECT_EQ(ResistanceText(12, false), "+1");
    EXPECT_EQ(ResistanceText(14, false), "+2");
    EXPECT_EQ(ResistanceText(16, false), "+3");
    EXPECT_EQ(ResistanceText(6, true), "+0");
}

TEST(DerivedScoreEdges, ResistanceModifierBelowTheTableIsItsLowestRow) {
    for (const int score : {0, -1, -30, INT_MIN}) {
        EXPECT_EQ(ResistanceText(score, false), "-2") << "score " << score;
        EXPECT_EQ(ResistanceText(score, true), "-1") << "score " << score;
    }
}

TEST(DerivedScoreEdges, ActionsChangeExactlyAtSixteenTwentyFourAndThirtyTwo) {
    const std::pair<int, int> sums[] = {{8, 1},  {15, 1}, {16, 2}, {23, 2},
                                        {24, 3}, {31, 3}, {32, 4}, {40, 4}};
    for (const auto& [sum, actions] : sums) {
        // The same sum whichever attribute carries more of it.
        EXPECT_EQ(ActionCount(sum / 2, sum - sum / 2, 0), actions) << "WIL + CON " << sum;
        EXPECT_EQ(ActionCount(sum - 4, 4, 0), actions) << "WIL + CON " << sum;
    }
    EXPECT_EQ(ActionCount(12, 11, 1), 3); // 23: two, plus the bonus
}

TEST(DerivedScoreEdges, EachRecordKeepsEveryAttributeBonusOnItsOwnAttribute) {
    // Each record gives every attribute a different bonus, so a bonus counted on another
    // attribute, or twice, or not at all shows in the sums.
    auto fill = [](TBonuses& bonus, int scale) {
        bonus.Str = 1 * scale;
        bonus.Dex = 2 * scale;
        bonus.Con = 3 * scale;
        bonus.Int = 4 * scale;
        bonus.Wil = 5 * scale;
        bonus.Per = 6 * scale;
    };
    TBenefit benefits;
    TMutation mutations;
    TFXBenefit fx;
    fill(benefits, 1);
    EXPECT_EQ(SumBonuses(benefits, mutations, fx).Attr, (AttributeValues{1, 2, 3, 4, 5, 6}));
    benefits = TBenefit{};
    fill(mutations, 10);
    EXPECT_EQ(SumBonuses(benefits, mutations, fx).Attr, (AttributeValues{10, 20, 30, 40, 50, 60}));
    mutations = TMutation{};
    fill(fx, 100);
    EXPECT_EQ(SumBonuses(benefits, mutations, fx).Attr,
              (AttributeValues{100, 200, 300, 400, 500, 600}));
    fill(benefits, 1);
    fill(mutations, 10);
    EXPECT_EQ(SumBonuses(benefits, mutations, fx).Attr,
              (AttributeValues{111, 222, 333, 444, 555, 666}));

    // WIL alone and PER alone, in each record.
    for (int record = 0; record < 3; ++record)
        for (const int attribute : {attWIL, attPER}) {
            TBenefit b;
            TMutation m;
            TFXBenefit f;
            TBonuses* const records[] = {&b, &m, &f};
            (attribute == attWIL ? records[record]->Wil : records[record]->Per) = 2;
            AttributeValues expected{};
            expected[static_cast<std::size_t>(attribute)] = 2;
            EXPECT_EQ(SumBonuses(b, m, f).Attr, expected)
                << "record " << record << ", " << kAttributeNames[attribute];
        }
}

TEST(DerivedScoreEdges, PsionicEnergyIsTheProductTruncatedTowardZero) {
    EXPECT_EQ(PsionicEnergy(0.5, 1.0, 12), 18);
    EXPECT_EQ(PsionicEnergy(-0.5, 1.0, 11), 5);   // 5.5 goes down, not to the nearest
    EXPECT_EQ(PsionicEnergy(0.0, 1.5, 13), 19);   // 19.5
    EXPECT_EQ(PsionicEnergy(-0.5, 0.25, 10), -2); // -2.5 goes up to -2, toward zero
    EXPECT_EQ(PsionicEnergy(-0.5, 0.5, 14), 0);
    // No profession: an adjustment of 0, the species multiplier alone.
    EXPECT_EQ(PsionicEnergy(0.0, 0.5, 11), 5);
    EXPECT_EQ(PsionicEnergy(0.0, 1.0, 10), 10);
}

} // namespace
