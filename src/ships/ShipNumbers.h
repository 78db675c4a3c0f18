#pragma once
// The starship designer's numbers, held exactly. A catalogue decimal (power per hull point,
// the armor's share of the hull, ...) is kept to four decimal places and the hull points a
// person gives a component to two, so every size, power figure, hull point count and cost
// of a design is a sum of products that a count of millionths holds without rounding: a
// drive taking 7 % of a 300-point hull takes 21 hull points, not 21.000000000000004, and
// costs whole thousands when its price per hull point is whole.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A count of millionths, wide enough for any sum a design can reach.
using Exact = __int128;
inline constexpr Exact kMillion = 1'000'000;

// A decimal of the catalogue or of a design, in millionths.
struct ShipDecimal {
    std::int64_t millionths = 0;

    static constexpr ShipDecimal Whole(std::int64_t value) { return {value * 1'000'000}; }
    constexpr Exact Value() const { return millionths; }
    bool operator==(const ShipDecimal&) const = default;
};

// The largest whole part a decimal may have; larger values are not read.
inline constexpr std::int64_t kLargestShipDecimal = 1'000'000'000'000;

// A decimal written with "." (or ","), rounded half away from zero to `places` decimal
// places (0 to 6). No value when the text is not such a number or its whole part exceeds
// kLargestShipDecimal.
std::optional<ShipDecimal> ParseShipDecimal(std::string_view text, int places);

// `value` millionths rounded half away from zero to a multiple of `step` millionths.
Exact RoundToStep(Exact value, Exact step);

// A whole number as decimal digits, with a "-" in front when negative.
std::string IntegerText(Exact value);
// Millionths with exactly `decimals` decimal places (rounded half away from zero).
std::string FixedText(Exact millionths, int decimals, char separator = '.');
// Millionths in the general number format: no trailing zeros, no separator for whole values.
std::string GeneralText(Exact millionths, char separator = '.');

// How the locale writes an amount of money without decimals: what stands before and after
// the grouped digits, for positive and for negative amounts. The default is the program's
// own format, "$1,500" and "-$1,500".
struct CurrencyFormat {
    std::string positivePrefix = "$";
    std::string positiveSuffix;
    std::string negativePrefix = "-$";
    std::string negativeSuffix;
    std::string groupSeparator = ",";

    // A whole amount in this format.
    std::string Format(Exact whole) const;
};

// A cost counted in millionths of a thousand, as the designer shows it: whole thousands as
// the amount of thousands followed by ",000", any other cost as the whole amount (rounded
// half away from zero to a unit).
std::string CostText(Exact thousandsInMillionths, const CurrencyFormat& currency);
