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

std::optional<AttributeRaise> ChangeOf(const TBonuses& bonuses) {
    const int values[] = {bonuses.Str, bonuses.Dex, bonuses.Con,
                          bonuses.Int, bonuses.Wil, bonuses.Per};
    for (int a = 0; a < 6; ++a)
        if (values[a] != 0) return AttributeRaise{a, values[a]};
    return std::nullopt;
}

namespace {
// Sums the bonus fields of records into `totals`; of the attribute fields only what `change`
// picks for each record.
template <class Record, class Change>
void AddUpBonuses(TBonuses& totals, const std::vector<const std::vector<Record>*>& lists,
                Change change) {
    long long sums[13] = {};
    for (const auto* list : lists)
        for (const Record& record : *list) {
            const int fields[] = {record.ACBonus, record.ACIncrease, record.Action,
                                  record.Fatigue, record.Mortal,     record.Stun,
                                  record.Wound};
            for (int i = 0; i < 7; ++i)
                sums[i] += fields[i];
            if (const auto picked = change(record)) sums[7 + picked->attribute] += picked->amount;
        }
    int TBonuses::*const targets[] = {&TBonuses::ACBonus, &TBonuses::ACIncrease, &TBonuses::Action,
                                      &TBonuses::Fatigue, &TBonuses::Mortal,     &TBonuses::Stun,
                                      &TBonuses::Wound,   &TBonuses::Str,        &TBonuses::Dex,
                                      &TBonuses::Con,     &TBonuses::Int,        &TBonuses::Wil,
                                      &TBonuses::Per};
    for (int i = 0; i < 13; ++i)
        totals.*targets[i] = ClampToInt(sums[i]);
}
} // namespace

TMutation MutationTotalsOf(const std::vector<TMutation>& advantages,
                           const std::vector<TMutation>& drawbacks) {
    TMutation totals;
    AddUpBonuses(totals, std::vector<const std::vector<TMutation>*>{&advantages, &drawbacks},
               [](const TMutation& m) { return ChangeOf(m); });
    return totals;
}

TBenefit BenefitTotalsOf(const std::vector<TBenefit>& bought) {
    TBenefit totals;
    AddUpBonuses(totals, std::vector<const std::vector<TBenefit>*>{&bought},
               [](const TBenefit& b) { return RaiseOf(b); });
    return totals;
}
