#pragma once
// The rules of advancement, as pure functions: the level reached with a number of achievement
// points, the benefit column of a profession code, a benefit's cost and level in a column,
// the attribute a benefit raises, and the totals of bought benefits.

#include "hero/TypeDefinitions.h"

#include <optional>
#include <string>
#include <vector>

struct LevelStanding {
    int level = 1;
    int pointsNeeded = 6; // points still missing for the next level
};
// Level 1 below 6 points; from 6 on each level takes one point more than the one before
// (6, 13, 21, 30, ...), without end.
LevelStanding LevelFor(long long points);

// The benefit columns, in the order of the catalogue's cost/level pairs.
enum class BenefitColumn { C, D, F, T, M };
// "D" anywhere wins; a two-letter code holding "A" takes its second letter; otherwise the
// first letter. None when the letter names no column (or the code is empty).
std::optional<BenefitColumn> ColumnFor(const std::string& professionCode);
int CostIn(const TBenefit& benefit, BenefitColumn column);
int LevelIn(const TBenefit& benefit, BenefitColumn column);

// The attribute (0 STR .. 5 PER) a benefit raises and by how much: the first of its six
// attribute values above 0. None when it raises no attribute.
struct AttributeRaise {
    int attribute = 0;
    int amount = 0;
};
std::optional<AttributeRaise> RaiseOf(const TBonuses& bonuses);

// The attribute a mutation changes and by how much: the first of its six attribute values that
// is not 0. None when it changes no attribute.
std::optional<AttributeRaise> ChangeOf(const TBonuses& bonuses);

// The bonus totals of taken mutations: every bonus field summed, and of the attribute fields
// only the change each mutation applies (to the score and the maximum alike).
TMutation MutationTotalsOf(const std::vector<TMutation>& advantages,
                           const std::vector<TMutation>& drawbacks);

// The bonus totals of the bought benefits: every bonus field summed, and of the attribute
// fields only the raise each benefit applies, so that the totals always match what buying
// added to the scores.
TBenefit BenefitTotalsOf(const std::vector<TBenefit>& bought);
