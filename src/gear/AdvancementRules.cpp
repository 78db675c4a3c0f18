#include "gear/AdvancementRules.h"

#include "hero/CheckedArithmetic.h"

LevelStanding LevelFor(long long points) {
    if (points < 6) return {1, ClampToInt(6 - points)};
    long long threshold = 6;
    long long step = 6;
    long long level = 1;
    while (threshold <= points) {
        ++step;
        ++level;
        threshold += step;
    }
    return {ClampToInt(level), ClampToInt(threshold - points)};
}

std::optional<BenefitColumn> ColumnFor(const std::string& code) {
    if (code.find('D') != std::string::npos) return BenefitColumn::D;
    if (code.empty()) return std::nullopt;
    const char letter = code.size() == 2 && code.find('A') != std::string::npos ? code[1] : code[0];
    switch (letter) {
    case 'C':
        return BenefitColumn::C;
    case 'D':
        return BenefitColumn::D;
    case 'F':
        return BenefitColumn::F;
    case 'T':
        return BenefitColumn::T;
    case 'M':
        return BenefitColumn::M;
    default:
        return std::nullopt;
    }
}

int CostIn(const TBenefit& benefit, BenefitColumn column) {
    switch (column) {
    case BenefitColumn::C:
        return benefit.CCost;
    case BenefitColumn::D:
        return benefit.DCost;
    case BenefitColumn::F:
        return benefit.FCost;
    case BenefitColumn::T:
        return benefit.TCost;
    case BenefitColumn::M:
        return benefit.MCost;
    }
    return 0;
}

int LevelIn(const TBenefit& benefit, BenefitColumn column) {
    switch (column) {
    case BenefitColumn::C:
        return benefit.CLevel;
    case BenefitColumn::D:
        return benefit.DLevel;
    case BenefitColumn::F:
        return benefit.FLevel;
    case BenefitColumn::T:
        return benefit.TLevel;
    case BenefitColumn::M:
        return benefit.MLevel;
    }
    return 100;
}

std::optional<AttributeRaise> RaiseOf(const TBonuses& bonuses) {
    const int values[] = {bonuses.Str, bonuses.Dex, bonuses.Con,
                          bonuses.Int, bonuses.Wil, bonuses.Per};
    for (int a = 0; a < 6; ++a)
        if (values[a] > 0) return AttributeRaise{a, values[a]};
    return std::nullopt;
}

TBenefit BenefitTotalsOf(const std::vector<TBenefit>& bought) {
    long long sums[13] = {};
    for (const TBenefit& benefit : bought) {
        const int fields[] = {benefit.ACBonus, benefit.ACIncrease, benefit.Action,
                              benefit.Fatigue, benefit.Mortal,     benefit.Stun,
                              benefit.Wound};
        for (int i = 0; i < 7; ++i)
            sums[i] += fields[i];
        if (const auto raise = RaiseOf(benefit)) sums[7 + raise->attribute] += raise->amount;
    }
    TBenefit totals;
    totals.ACBonus = ClampToInt(sums[0]);
    totals.ACIncrease = ClampToInt(sums[1]);
    totals.Action = ClampToInt(sums[2]);
    totals.Fatigue = ClampToInt(sums[3]);
    totals.Mortal = ClampToInt(sums[4]);
    totals.Stun = ClampToInt(sums[5]);
    totals.Wound = ClampToInt(sums[6]);
    totals.Str = ClampToInt(sums[7]);
    totals.Dex = ClampToInt(sums[8]);
    totals.Con = ClampToInt(sums[9]);
    totals.Int = ClampToInt(sums[10]);
    totals.Wil = ClampToInt(sums[11]);
    totals.Per = ClampToInt(sums[12]);
    return totals;
}
