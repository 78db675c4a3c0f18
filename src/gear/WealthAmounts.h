#pragma once
// Money: a 64-bit count of ten-thousandths (12.5 is 125000), read from the text a person types
// or a hero file holds, and shown in general number form (no trailing zeros).
//
// Every amount and every account balance stays within kMoneyLimit either way, so that a sum
// of two amounts and the conversions of starting money can never overflow, and every amount
// shows exactly with at most 15 significant digits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::int64_t kMoneyScale = 10'000;
// 99999999999.9999: the largest amount an entry or a balance may reach, either way.
inline constexpr std::int64_t kMoneyLimit = 999'999'999'999'999;

enum class MoneyText { Amount, NotNumeric, TooLarge };

struct ParsedMoney {
    MoneyText kind = MoneyText::NotNumeric;
    std::int64_t amount = 0; // ten-thousandths, when kind is Amount
};

// A number with an optional sign, digits with at most one decimal separator, and an optional
// exponent ("1.5", "-2,25", "3e2"), blanks around it allowed. Converted exactly: digits past
// the fourth decimal round to the nearest ten-thousandth, halves to even.
ParsedMoney ParseMoney(std::string_view text, char decimalSeparator);

// The amount in units with up to four decimals and no trailing zeros: "7.5", "-0.0001", "12".
std::string FormatMoney(std::int64_t amount, char decimalSeparator);

// a + b when the result stays within kMoneyLimit; none otherwise.
std::optional<std::int64_t> AddMoney(std::int64_t a, std::int64_t b);
