#pragma once
// The numbers of the Main page that follow from the hero's attribute scores, species,
// profession and bonus totals: attribute limits, bases, untrained scores, resistance
// modifiers, the action check, the number of actions, movement, durability, last resort
// points and the attribute point cost. Every function here is pure; the builder calls
// them again whenever one of their inputs changes and shows the results.
//
// Whatever the inputs, nothing here overflows: species multipliers are used within 0..100
// (the range the species reader accepts), and a sum or product beyond what an int holds
// stops at its edge (hero/CheckedArithmetic.h).

#include "hero/TypeDefinitions.h"

#include <array>
#include <optional>
#include <string>

using AttributeValues = std::array<int, kAttributeCount>; // one value per attribute, STR..PER

// The bonus fields of the hero's three bonus totals (benefits, mutations, always-active FX),
// each summed over the three records.
struct BonusTotals {
    int ACBonus = 0;    // action die steps
    int ACIncrease = 0; // action check score
    int Action = 0;     // actions per round
    int Stun = 0;
    int Wound = 0;
    int Fatigue = 0;
    int Mortal = 0;
    AttributeValues Attr{}; // attribute bonuses, STR..PER
};

BonusTotals SumBonuses(const TBenefit& benefits, const TMutation& mutations, const TFXBenefit& fx);

// ---------------------------------------------------------------------------
// Attributes
// ---------------------------------------------------------------------------

struct AttributeLimits {
    AttributeValues Min{};
    AttributeValues Max{};
};

// Minimum: the species minimum, raised to the profession minimum where that is higher.
// Maximum: the species maximum plus the mutation change of that attribute (benefits and FX
// do not raise it here).
AttributeLimits ComputeLimits(const TSpeciesData& species,
                              const AttributeValues& professionMinimums,
                              const TMutation& mutationTotals);

// The limits column text: "4/14".
std::string LimitsText(int min, int max);

// The base of an attribute: its score without the bonuses for it.
int AttributeBase(int score, int bonus);

// The untrained score: half the score, rounded toward zero.
int UntrainedScore(int score);

// The resistance modifier text: the attribute modifier of the score, one more when the
// hero has the resistance bonus on this attribute; signed, "+0" for zero. A score below 1
// counts as 1 (the lowest row, -2).
std::string ResistanceText(int score, bool bonus);

// Sum of the six bases (score minus bonus per attribute).
int AttributePointCost(const AttributeValues& scores, const BonusTotals& bonus);

// The cost is shown in red when it is over the rule set's budget or below zero.
bool CostIsRed(int cost, int attributePts);

// ---------------------------------------------------------------------------
// Action check and actions
// ---------------------------------------------------------------------------

struct ActionCheck {
    int Marginal = 0;
    int Ordinary = 0;
    int Good = 0;
    int Amazing = 0;
    std::string MarginalText; // Marginal followed by "+": "11+"
    std::string Die;          // step text of the action die; empty beyond the notation
};

// Ordinary = Trunc((DEX + INT) / 2) + the profession's modifier (none without a profession)
// + ACIncrease; Marginal one more; Good half of Ordinary; Amazing half of Good. The die is
// the step ACBonus + the species' action step.
ActionCheck ComputeActionCheck(int dex, int intelligence, std::optional<int> professionActionMod,
                               const BonusTotals& bonus, int speciesActionStep);

// Actions per round by WIL + CON: 1 below 16, 2 below 24, 3 below 32, else 4; plus the bonus.
int ActionCount(int wil, int con, int bonusAction);

// ---------------------------------------------------------------------------
// Movement
// ---------------------------------------------------------------------------

// The movement rates as shown; Glide and Fly are "-" when the species cannot.
struct MovementRates {
    std::string Sprint, Run, Walk, EasySwim, Swim, Glide, Fly;
};

// Rounding used by movement (the values are never negative there).
double RoundHalfEven(double x); // nearest, an exact half to the even neighbour
double RoundHalfDown(double x); // nearest, an exact half downward
int EvenUp(double x);           // Trunc(x), or one more when that is odd

// Movement from STR, DEX and CON with the species' movement multipliers and abilities.
// Numbers are shown in their shortest decimal form with `decimalSeparator`.
MovementRates ComputeMovement(int str, int dex, int con, const TSpeciesData& species,
                              char decimalSeparator);

// ---------------------------------------------------------------------------
// Durability and last resort points
// ---------------------------------------------------------------------------

struct Durability {
    int Stun = 0;
    int Wound = 0;
    int Mortal = 0;
    int Fatigue = 0;
};

// D = Trunc(CON x DurMult); Stun and Wound D, Mortal and Fatigue Trunc((D + 1) / 2); each
// plus its bonus.
Durability ComputeDurability(int con, double durMult, const BonusTotals& bonus);

struct LastResort {
    std::string Cost; // skill points per last resort point; "-" when none can be had
    int Max = 0;      // most last resort points the hero may hold
};

// By PER; the profession with the last resort bonus raises the maximum by one.
LastResort ComputeLastResort(int per, bool lastResortBonus);

// ---------------------------------------------------------------------------
// Psionic energy
// ---------------------------------------------------------------------------

// Trunc(WIL x (the profession's psionic adjustment + the species' psionic multiplier)),
// truncated toward zero. Without a profession the caller passes an adjustment of 0.
int PsionicEnergy(double professionAdjustment, double speciesMultiplier, int will);
