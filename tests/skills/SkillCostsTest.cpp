// The cost of a rank: for ordinary prices exactly what the rank-by-rank sum gives, for absurd
// prices and ranks a bounded number without overflow.

#include "skills/SkillCosts.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// The cost as the rules word it, one rank after another.
long long SumOfRanks(int price, int rank, bool rule2C) {
    if (rule2C) return static_cast<long long>(rank) * price;
    long long total = 0;
    for (int k = 1; k <= rank; ++k)
        total += price + k - 1;
    return total;
}

TEST(RankCost, EqualsTheRankByRankSumForEveryCataloguePriceUpToRank99) {
    for (const bool rule2C : {false, true}) {
        for (int price = -1000; price <= 1000; ++price) {
            for (int rank = 1; rank <= 99; ++rank) {
                ASSERT_EQ(RankCost(price, rank, false, rule2C), SumOfRanks(price, rank, rule2C))
                    << "price " << price << " rank " << rank << (rule2C ? " Rule2C" : "");
            }
            ASSERT_EQ(RankCost(price, 7, true, rule2C), price); // a broad skill: its price
        }
    }
    EXPECT_EQ(RankCost(3, 0, false, false), 0);         // below rank 1 nothing is bought
    EXPECT_EQ(RankCost(3, 1000, false, false), 502500); // exact far above rank 99
}

TEST(RankCost, AbsurdPricesAndRanksStopAtTheShownBound) {
    constexpr int limit = static_cast<int>(kRankCostLimit);
    EXPECT_EQ(RankCost(INT_MIN, 99, false, false), -limit);
    EXPECT_EQ(RankCost(INT_MIN, 99, false, true), -limit);
    EXPECT_EQ(RankCost(INT_MAX, INT_MAX, false, false), limit);
    EXPECT_EQ(RankCost(INT_MIN, INT_MAX, false, true), -limit);
    EXPECT_EQ(RankCost(0, INT_MAX, false, false), limit); // the rank steps alone
    EXPECT_EQ(RankCost(INT_MIN, INT_MAX, false, false), -limit);
    EXPECT_EQ(RankCost(INT_MAX, 1, true, false), limit);
    EXPECT_EQ(RankCost(-5, INT_MIN, false, false), 0);

    TSkillItem entry;
    entry.Cost = INT_MIN;
    entry.ProfC = true;
    EXPECT_EQ(PriceFor(entry, "C", true), INT_MIN); // the discount cannot wrap around
}

} // namespace
