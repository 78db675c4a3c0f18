#include "skills/SkillCosts.h"

#include "hero/CheckedArithmetic.h"
#include "xml/ValueParsing.h"

#include <algorithm>

int PriceFor(const TSkillItem& entry, const std::string& code, bool professionChosen) {
    if (!professionChosen) return entry.Cost;
    const auto has = [&code](char letter) { return code.find(letter) != std::string::npos; };
    const bool discounted = (entry.ProfC && has('C')) || (entry.ProfD && has('D')) ||
                            (entry.ProfT && has('T')) || (entry.ProfF && has('F')) ||
                            (entry.ProfM && has('M'));
    return discounted ? SubtractClamped(entry.Cost, 1) : entry.Cost;
}

int RankCost(int price, int rank, bool broadSkill, bool rule2C) {
    // In 64 bits no product or sum of two ints below can overflow: |R x c| <= 2^62 and
    // R(R-1)/2 < 2^61.
    const long long c = price;
    const long long r = rank;
    long long total = 0;
    if (broadSkill)
        total = c;
    else if (rule2C)
        total = r * c;
    else if (r > 0)
        total = r * c + r * (r - 1) / 2; // c + (c + 1) + ... + (c + R - 1)
    return static_cast<int>(std::clamp(total, -kRankCostLimit, kRankCostLimit));
}

std::string ScoreText(int ordinary) {
    const int good = ordinary / 2;
    const int amazing = good / 2;
    return std::to_string(ordinary) + "/" + std::to_string(good) + "/" + std::to_string(amazing);
}

int RankWithinLimits(int rank) {
    return std::clamp(rank, 1, kHighestRank);
}

SkillKey SplitKey(const std::string& key) {
    const std::size_t colon = key.find(':');
    if (colon == std::string::npos) return {Trim(key), ""};
    return {Trim(key.substr(0, colon)), Trim(key.substr(colon + 1))};
}
