#include "skills/SkillCosts.h"

#include "xml/ValueParsing.h"

int PriceFor(const TSkillItem& entry, const std::string& code, bool professionChosen) {
    if (!professionChosen) return entry.Cost;
    const auto has = [&code](char letter) { return code.find(letter) != std::string::npos; };
    const bool discounted = (entry.ProfC && has('C')) || (entry.ProfD && has('D')) ||
                            (entry.ProfT && has('T')) || (entry.ProfF && has('F')) ||
                            (entry.ProfM && has('M'));
    return discounted ? entry.Cost - 1 : entry.Cost;
}

int RankCost(int price, int rank, bool broadSkill, bool rule2C) {
    if (broadSkill) return price;
    if (rule2C) return rank * price;
    int total = 0;
    for (int k = 1; k <= rank; ++k)
        total += price + k - 1;
    return total;
}

std::string ScoreText(int ordinary) {
    const int good = ordinary / 2;
    const int amazing = good / 2;
    return std::to_string(ordinary) + "/" + std::to_string(good) + "/" + std::to_string(amazing);
}

SkillKey SplitKeyTrimmed(const std::string& key) {
    const std::size_t colon = key.find(':');
    if (colon == std::string::npos) return {key, ""};
    return {key.substr(0, colon), Trim(key.substr(colon + 1))};
}

SkillKey SplitKeyAfterBlank(const std::string& key) {
    const std::size_t colon = key.find(':');
    if (colon == std::string::npos) return {key, ""};
    std::size_t start = colon + 1;
    if (start < key.size() && key[start] == ' ') ++start;
    return {key.substr(0, colon), key.substr(start)};
}
