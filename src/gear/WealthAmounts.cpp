#include "gear/WealthAmounts.h"

#include "xml/ValueParsing.h"

#include <algorithm>

namespace {
constexpr int kMoneyDecimals = 4;
constexpr std::size_t kLimitDigits = 15; // the digits of kMoneyLimit
// Exponents beyond this carry no amount that fits anyway.
constexpr long kExponentCap = 100'000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of at most 15 decimal digits.
std::int64_t DigitsValue(std::string_view digits) {
    std::int64_t value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}
} // namespace

ParsedMoney ParseMoney(std::string_view input, char decimalSeparator) {
    const std::string text = Trim(input);
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    std::string digits;
    long fractionDigits = 0;
    bool separatorSeen = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            digits += text[i];
            if (separatorSeen) ++fractionDigits;
        } else if (text[i] == decimalSeparator && !separatorSeen) {
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (digits.empty()) return {};

    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        if (i == text.size() || !IsDigit(text[i])) return {};
        for (; i < text.size() && IsDigit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentCap);
        if (negativeExponent) exponent = -exponent;
    }
    if (i != text.size()) return {};

    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return {MoneyText::Amount, 0};
    digits.erase(0, first);

    // The value in ten-thousandths is digits x 10^shift.
    const long shift = exponent - fractionDigits + kMoneyDecimals;
    const long length = static_cast<long>(digits.size());
    std::int64_t amount = 0;
    if (shift >= 0) {
        if (length + shift > static_cast<long>(kLimitDigits)) return {MoneyText::TooLarge, 0};
        amount = DigitsValue(digits);
        for (long k = 0; k < shift; ++k)
            amount *= 10;
    } else {
        const long whole = length + shift; // digits before the rounding point
        if (whole > static_cast<long>(kLimitDigits)) return {MoneyText::TooLarge, 0};
        std::string dropped;
        if (whole > 0) {
            amount =
                DigitsValue(std::string_view(digits).substr(0, static_cast<std::size_t>(whole)));
            dropped = digits.substr(static_cast<std::size_t>(whole));
        } else {
            dropped = std::string(static_cast<std::size_t>(-whole), '0') + digits;
        }
        const bool beyondHalf = dropped.find_first_not_of('0', 1) != std::string::npos;
        if (dropped[0] > '5' || (dropped[0] == '5' && (beyondHalf || amount % 2 != 0))) ++amount;
    }
    if (amount > kMoneyLimit) return {MoneyText::TooLarge, 0};
    return {MoneyText::Amount, negative ? -amount : amount};
}

std::string FormatMoney(std::int64_t amount, char decimalSeparator) {
    const std::uint64_t magnitude =
        amount < 0 ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
    const std::uint64_t scale = static_cast<std::uint64_t>(kMoneyScale);
    std::string text = amount < 0 ? "-" : "";
    text += std::to_string(magnitude / scale);
    std::string fraction = std::to_string(magnitude % scale);
    fraction.insert(0, static_cast<std::size_t>(kMoneyDecimals) - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) text += decimalSeparator + fraction;
    return text;
}

std::optional<std::int64_t> AddMoney(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum) || sum > kMoneyLimit || sum < -kMoneyLimit)
        return std::nullopt;
    return sum;
}
