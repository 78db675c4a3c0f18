#pragma once
// The ranges within which the catalogue readers and the defaults file reader take the game's
// numbers. A value outside the range of its field is treated like a value that cannot be
// converted: the reader's fallback for that field applies (each reader lists its fields with
// their range and fallback). The bounds are far beyond anything a game uses and well inside
// what the sums of the rules can carry, so no derived score or cost can overflow on them.

#include "xml/ValueParsing.h"

#include <optional>
#include <string_view>

struct IntRange {
    int lowest;
    int highest;
    constexpr bool Contains(long long value) const { return value >= lowest && value <= highest; }
};

struct DecimalRange {
    double lowest;
    double highest;
    constexpr bool Contains(double value) const { return value >= lowest && value <= highest; }
};

// Attribute limits of a species (MIN, MAX).
inline constexpr IntRange kAttributeLimitRange{1, 99};
// Minimum scores of a profession; 0 sets no minimum of its own.
inline constexpr IntRange kProfessionMinimumRange{0, 99};
// Multipliers of a species: DURMULT, PSIMULT, MOVEMULT1, MOVEMULT2, CYBERMULT.
inline constexpr DecimalRange kMultiplierRange{0.0, 100.0};
// Die steps and small modifiers: the species' action step and cyber bonus, the profession's
// action check modifier and psionic adjustment, the rule set's INT modifier.
inline constexpr IntRange kModifierRange{-99, 99};
// Skill point amounts: skill prices, the species' skill points, custom perk and flaw costs,
// the rule set's bonus skill points.
inline constexpr IntRange kSkillPointRange{-1000, 1000};
// An adjustment of the skill points used, typed on the Campaign page.
inline constexpr IntRange kAdjustmentRange{-1000, 1000};
// Point budgets of a rule set (attribute points, FX points) and its skill point multiplier.
inline constexpr IntRange kBudgetRange{0, 1000};
inline constexpr IntRange kSkillPointMultiplierRange{0, 100};
// Benefits: the hero level from which a profession column offers one (100 and above keep it
// out), and achievement points typed for one entry.
inline constexpr IntRange kBenefitLevelRange{0, 1000};
inline constexpr IntRange kAchievementPointRange{-100'000, 100'000};
// Counts kept by a species record: broad skills.
inline constexpr IntRange kCountRange{0, 99};
// Cyberware: progress level, quality (1 Ordinary .. 3 Amazing, 0 unknown), size in tolerance
// points, cost, mass in kg.
inline constexpr IntRange kProgressLevelRange{0, 99};
inline constexpr IntRange kCyberQualityRange{0, 3};
inline constexpr IntRange kCyberSizeRange{0, 1000};
inline constexpr IntRange kCyberCostRange{0, 10'000'000};
inline constexpr DecimalRange kCyberMassRange{0.0, 100'000.0};

// A decimal integer within `range`; none when the text is not one or lies outside.
inline std::optional<int> ParseIntegerIn(std::string_view text, IntRange range) {
    const auto value = ParseInteger(text);
    if (!value || !range.Contains(*value)) return std::nullopt;
    return value;
}

// A decimal number within `range`; none when the text is not one or lies outside.
inline std::optional<double> ParseDecimalIn(std::string_view text, DecimalRange range) {
    const auto value = ParseDecimal(text);
    if (!value || !range.Contains(*value)) return std::nullopt;
    return value;
}
