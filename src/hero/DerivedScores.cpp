#include "hero/DerivedScores.h"

#include "hero/CheckedArithmetic.h"
#include "hero/NumberRanges.h"
#include "hero/StepNotation.h"
#include "xml/ValueParsing.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {
void Add(int& sum, int bonus) {
    sum = AddClamped(sum, bonus);
}

void AddBonuses(BonusTotals& sum, const TBonuses& bonus) {
    Add(sum.ACBonus, bonus.ACBonus);
    Add(sum.ACIncrease, bonus.ACIncrease);
    Add(sum.Action, bonus.Action);
    Add(sum.Stun, bonus.Stun);
    Add(sum.Wound, bonus.Wound);
    Add(sum.Fatigue, bonus.Fatigue);
    Add(sum.Mortal, bonus.Mortal);
    Add(sum.Attr[attSTR], bonus.Str);
    Add(sum.Attr[attDEX], bonus.Dex);
    Add(sum.Attr[attCON], bonus.Con);
    Add(sum.Attr[attINT], bonus.Int);
    Add(sum.Attr[attWIL], bonus.Wil);
    Add(sum.Attr[attPER], bonus.Per);
}

// A species multiplier as the rules use it: within 0..100 (the reader takes no other).
double Multiplier(double value) {
    return ClampDecimal(value, kMultiplierRange.lowest, kMultiplierRange.highest);
}
} // namespace

BonusTotals SumBonuses(const TBenefit& benefits, const TMutation& mutations, const TFXBenefit& fx) {
    BonusTotals sum;
    AddBonuses(sum, benefits);
    AddBonuses(sum, mutations);
    AddBonuses(sum, fx);
    return sum;
}

// ---------------------------------------------------------------------------
// Attributes
// ---------------------------------------------------------------------------

AttributeLimits ComputeLimits(const TSpeciesData& species,
                              const AttributeValues& professionMinimums,
                              const TMutation& mutationTotals) {
    const AttributeValues mutation{mutationTotals.Str, mutationTotals.Dex, mutationTotals.Con,
                                   mutationTotals.Int, mutationTotals.Wil, mutationTotals.Per};
    AttributeLimits limits;
    for (int a = 0; a < kAttributeCount; ++a) {
        limits.Min[a] = species.AttrMin[a];
        if (limits.Min[a] < professionMinimums[a]) limits.Min[a] = professionMinimums[a];
        limits.Max[a] = AddClamped(species.AttrMax[a], mutation[a]);
    }
    return limits;
}

std::string LimitsText(int min, int max) {
    return std::to_string(min) + "/" + std::to_string(max);
}

int AttributeBase(int score, int bonus) {
    return SubtractClamped(score, bonus);
}

int UntrainedScore(int score) {
    return score / 2;
}

std::string ResistanceText(int score, bool bonus) {
    // A score below 1 has no row of the modifier table: it takes the lowest row's modifier.
    return SignedText(AttMod(std::max(score, 1)) + (bonus ? 1 : 0));
}

int AttributePointCost(const AttributeValues& scores, const BonusTotals& bonus) {
    long long cost = 0;
    for (int a = 0; a < kAttributeCount; ++a)
        cost += static_cast<long long>(scores[a]) - bonus.Attr[a];
    return ClampToInt(cost);
}

bool CostIsRed(int cost, int attributePts) {
    return cost > attributePts || cost < 0;
}

// ---------------------------------------------------------------------------
// Action check and actions
// ---------------------------------------------------------------------------

ActionCheck ComputeActionCheck(int dex, int intelligence, std::optional<int> professionActionMod,
                               const BonusTotals& bonus, int speciesActionStep) {
    const int base = ClampToInt((static_cast<long long>(dex) + intelligence) / 2 +
                                professionActionMod.value_or(0) + bonus.ACIncrease);
    ActionCheck check;
    check.Ordinary = base;
    check.Marginal = AddClamped(base, 1);
    check.MarginalText = std::to_string(check.Marginal) + "+";
    check.Good = base / 2;
    check.Amazing = check.Good / 2;
    // Any step beyond the notation reads as one just past its ends: the empty text.
    const long long step = static_cast<long long>(bonus.ACBonus) + speciesActionStep;
    check.Die = Step2Die(static_cast<int>(std::clamp(step, -6LL, 8LL)));
    return check;
}

int ActionCount(int wil, int con, int bonusAction) {
    const long long sum = static_cast<long long>(wil) + con;
    int actions = 4;
    if (sum < 16)
        actions = 1;
    else if (sum < 24)
        actions = 2;
    else if (sum < 32)
        actions = 3;
    return AddClamped(actions, bonusAction);
}

// ---------------------------------------------------------------------------
// Movement
// ---------------------------------------------------------------------------

double RoundHalfEven(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower;
    if (fraction < 0.5) return lower;
    if (fraction > 0.5) return lower + 1;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

double RoundHalfDown(double x) {
    return RoundHalfEven(x - 0.00000000001);
}

int EvenUp(double x) {
    const long long whole = TruncToInt(x);
    return ClampToInt(whole % 2 == 0 ? whole : whole + 1);
}

namespace {

struct MovementRow {
    int Sprint, Run, Walk, EasySwim, Swim, Glide, Fly;
};

// Rows for the sums 2-7, then one row per two sums (8-9, 10-11 ... 30-31), then 32.
constexpr std::array<MovementRow, 14> kMovementTable{{
    {6, 4, 2, 1, 2, 6, 12},
    {8, 6, 2, 1, 2, 8, 16},
    {10, 6, 2, 1, 2, 10, 20},
    {12, 8, 2, 1, 2, 12, 24},
    {14, 10, 4, 2, 4, 14, 28},
    {16, 10, 4, 2, 4, 16, 32},
    {18, 12, 4, 2, 4, 18, 36},
    {20, 12, 4, 2, 4, 20, 40},
    {22, 14, 4, 2, 4, 22, 44},
    {24, 16, 6, 3, 6, 24, 48},
    {26, 16, 6, 3, 6, 26, 52},
    {28, 18, 6, 3, 6, 28, 56},
    {30, 20, 8, 4, 8, 30, 60},
    {32, 22, 8, 4, 8, 32, 64},
}};

constexpr int kMovementTableTop = 32;

// The row of a movement sum. Sums above the table use its last row; sums below 2 (only a
// very small first movement multiplier gets there) use its first row, the slowest, so that
// such a species still moves at the least rate the table knows rather than not at all.
const MovementRow& MovementRowFor(int sum) {
    if (sum > kMovementTableTop) sum = kMovementTableTop;
    if (sum < 8) return kMovementTable[0];
    return kMovementTable[static_cast<std::size_t>((sum - 8) / 2 + 1)];
}

// A rate as shown, with the person's decimal separator.
std::string RateText(double value, char decimalSeparator) {
    std::string text = FormatDecimal(value);
    for (char& c : text)
        if (c == '.') c = decimalSeparator;
    return text;
}

} // namespace

MovementRates ComputeMovement(int str, int dex, int con, const TSpeciesData& species,
                              char decimalSeparator) {
    const double mult1 = Multiplier(species.MoveMult1);
    const double mult2 = Multiplier(species.MoveMult2);
    int b = TruncToInt(RoundHalfEven((static_cast<double>(str) + dex) * mult1));
    if (species.MoveSDC) b = AddClamped(b, con);

    double sprint, run, walk, easySwim, swim, glide, fly;
    if (species.MoveCalc && b > kMovementTableTop) {
        if (b % 2 != 0) b -= 1;
        sprint = b;
        run = EvenUp(b * 0.6153 + b * 0.6875 / 2);
        easySwim = RoundHalfDown(b / 8.0);
        walk = 2 * easySwim;
        swim = walk;
        glide = b;
        fly = 2.0 * b;
    } else {
        const MovementRow& row = MovementRowFor(b);
        sprint = row.Sprint;
        run = row.Run;
        walk = row.Walk;
        easySwim = row.EasySwim;
        swim = row.Swim;
        glide = std::trunc(row.Glide * mult1);
        fly = std::trunc(row.Fly * mult1);
    }

    const auto shown = [&](double value) { return RateText(value * mult2, decimalSeparator); };
    MovementRates rates;
    rates.Sprint = shown(sprint);
    rates.Run = shown(run);
    rates.Walk = shown(walk);
    rates.EasySwim = shown(easySwim);
    rates.Swim = shown(swim);
    rates.Glide = species.CanGlide ? shown(glide) : "-";
    rates.Fly = species.CanFly ? shown(fly) : "-";
    return rates;
}

// ---------------------------------------------------------------------------
// Durability and last resort points
// ---------------------------------------------------------------------------

Durability ComputeDurability(int con, double durMult, const BonusTotals& bonus) {
    const int d = TruncToInt(con * Multiplier(durMult));
    const long long half = (static_cast<long long>(d) + 1) / 2;
    Durability durability;
    durability.Stun = AddClamped(d, bonus.Stun);
    durability.Wound = AddClamped(d, bonus.Wound);
    durability.Mortal = ClampToInt(half + bonus.Mortal);
    durability.Fatigue = ClampToInt(half + bonus.Fatigue);
    return durability;
}

LastResort ComputeLastResort(int per, bool lastResortBonus) {
    LastResort result;
    if (per < 8) {
        result = {"-", 0};
    } else if (per <= 10) {
        result = {"3", 1};
    } else if (per <= 12) {
        result = {"2", 2};
    } else if (per <= 14) {
        result = {"1", 3};
    } else {
        result = {"1", 4};
    }
    if (lastResortBonus) result.Max += 1;
    return result;
}

// ---------------------------------------------------------------------------
// Psionic energy
// ---------------------------------------------------------------------------

int PsionicEnergy(double professionAdjustment, double speciesMultiplier, int will) {
    return TruncToInt((professionAdjustment + speciesMultiplier) * will);
}
