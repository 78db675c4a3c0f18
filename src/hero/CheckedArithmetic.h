#pragma once
// Arithmetic on the game's numbers that cannot overflow. The readers keep catalogue numbers
// within the ranges the rules use, but the sums here also take bonuses and scores from
// elsewhere: a result beyond what an int holds stops at its edge instead of wrapping, and a
// decimal becomes a whole number only through a conversion that clamps (NaN counts as 0).

#include <cmath>
#include <limits>

inline constexpr int kIntLowest = std::numeric_limits<int>::min();
inline constexpr int kIntHighest = std::numeric_limits<int>::max();

// A wide intermediate result brought back into int.
constexpr int ClampToInt(long long value) {
    if (value < kIntLowest) return kIntLowest;
    if (value > kIntHighest) return kIntHighest;
    return static_cast<int>(value);
}

// A wide intermediate result brought into [lowest, highest].
constexpr int ClampToRange(long long value, int lowest, int highest) {
    if (value < lowest) return lowest;
    if (value > highest) return highest;
    return static_cast<int>(value);
}

// a + b, stopping at the edges of int.
constexpr int AddClamped(int a, int b) {
    return ClampToInt(static_cast<long long>(a) + b);
}

// a - b, stopping at the edges of int.
constexpr int SubtractClamped(int a, int b) {
    return ClampToInt(static_cast<long long>(a) - b);
}

// a x b, stopping at the edges of int.
constexpr int MultiplyClamped(int a, int b) {
    return ClampToInt(static_cast<long long>(a) * b);
}

// A decimal brought into [lowest, highest]; NaN gives `lowest`.
constexpr double ClampDecimal(double value, double lowest, double highest) {
    if (!(value >= lowest)) return lowest; // also NaN
    if (value > highest) return highest;
    return value;
}

// The whole part of a decimal (toward zero) as an int, stopping at the edges of int.
inline int TruncToInt(double value) {
    if (std::isnan(value)) return 0;
    const double whole = std::trunc(value);
    if (whole <= static_cast<double>(kIntLowest)) return kIntLowest;
    if (whole >= static_cast<double>(kIntHighest)) return kIntHighest;
    return static_cast<int>(whole);
}
