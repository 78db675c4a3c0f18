#pragma once
// The rules that price skills, shared by skills, psionic skills and FX: the per-rank price
// for the hero's profession, the cost of a rank, the score text and the row keys.

#include "hero/TypeDefinitions.h"

#include <string>

inline bool IsBroadSkill(const TSkillItem& skill) {
    return skill.Name == skill.BroadSkill;
}

// The per-rank price of a catalogue entry for a profession code ("C", "DF", ...; empty when
// no profession is chosen): one less when one of its profession letters is in the code.
int PriceFor(const TSkillItem& catalogueEntry, const std::string& professionCode,
             bool professionChosen);

// What an entry costs at a rank for a per-rank price: a broad skill its price; a specialty or
// instance the sum of price, price + 1, ... over its ranks (R x price + R(R-1)/2; nothing
// below rank 1), or rank x price under the optional advancement rule. Computed at once for
// any rank; a cost beyond +-kRankCostLimit is shown at that bound, so that the skill point
// budget can add up many of them. Prices from the catalogues (-1000..1000) stay far inside
// it up to rank 99.
inline constexpr long long kRankCostLimit = 1'000'000;
int RankCost(int price, int rank, bool broadSkill, bool rule2C);

// The highest rank a specialty or an instance reaches, however it is raised or read.
inline constexpr int kHighestRank = 99;
// A rank asked for (a file's level, a rank kept across a reload) brought into 1..kHighestRank.
int RankWithinLimits(int rank);

// An Ordinary score with its Good and Amazing halves: "13/6/3".
std::string ScoreText(int ordinary);

// A table row key ("Climb", "Language: Old Tongue") split into the skill name and the detail
// of an instance, both without blanks at their ends. Details are kept trimmed, so the key of a
// row finds its instance whichever operation reads it.
struct SkillKey {
    std::string name;
    std::string detail;
};
SkillKey SplitKey(const std::string& key);
