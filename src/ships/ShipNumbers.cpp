#include "ships/ShipNumbers.h"

#include "xml/ValueParsing.h"

#include <algorithm>

namespace {

Exact PowerOfTen(int exponent) {
    Exact value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    return value;
}

// Groups the digits of a whole, non-negative number in threes.
std::string Grouped(const std::string& digits, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += separator;
        text += digits[i];
    }
    return text;
}

} // namespace

std::optional<ShipDecimal> ParseShipDecimal(std::string_view text, int places) {
    if (!ParseDecimal(text)) return std::nullopt;
    // The text is a plain decimal: an optional sign, digits and one separator at most.
    const std::string trimmed = Trim(text);
    std::string_view rest = trimmed;
    bool negative = false;
    if (rest.front() == '+' || rest.front() == '-') {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    const std::size_t separator = rest.find_first_of(".,");
    const std::string_view whole = rest.substr(0, separator);
    const std::string_view fraction =
        separator == std::string_view::npos ? std::string_view() : rest.substr(separator + 1);

    Exact wholeValue = 0;
    for (char digit : whole) {
        wholeValue = wholeValue * 10 + (digit - '0');
        if (wholeValue > kLargestShipDecimal) return std::nullopt;
    }
    // The fraction to one place more than kept, then rounded half away from zero.
    const int kept = std::clamp(places, 0, 6);
    Exact fractionValue = 0;
    for (int i = 0; i <= kept; ++i)
        fractionValue =
            fractionValue * 10 + (i < static_cast<int>(fraction.size()) ? fraction[i] - '0' : 0);
    fractionValue = (fractionValue + 5) / 10;
    const Exact value = wholeValue * kMillion + fractionValue * PowerOfTen(6 - kept);
    return ShipDecimal{static_cast<std::int64_t>(negative ? -value : value)};
}

Exact RoundToStep(Exact value, Exact step) {
    if (step <= 1) return value;
    const Exact magnitude = value < 0 ? -value : value;
    const Exact rounded = (magnitude + step / 2) / step * step;
    return value < 0 ? -rounded : rounded;
}

std::string IntegerText(Exact value) {
    if (value == 0) return "0";
    const bool negative = value < 0;
    std::string digits;
    while (value != 0) {
        const int digit = static_cast<int>(value % 10);
        digits += static_cast<char>('0' + (digit < 0 ? -digit : digit));
        value /= 10;
    }
    if (negative) digits += '-';
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string FixedText(Exact millionths, int decimals, char separator) {
    decimals = std::clamp(decimals, 0, 6);
    const Exact step = PowerOfTen(6 - decimals);
    const Exact rounded = RoundToStep(millionths, step) / step;
    const Exact magnitude = rounded < 0 ? -rounded : rounded;
    const Exact scale = PowerOfTen(decimals);
    std::string text = (rounded < 0 ? "-" : "") + IntegerText(magnitude / scale);
    if (decimals > 0) {
        std::string fraction = IntegerText(magnitude % scale);
        text += separator + std::string(decimals - fraction.size(), '0') + fraction;
    }
    return text;
}

std::string GeneralText(Exact millionths, char separator) {
    std::string text = FixedText(millionths, 6, separator);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == separator) text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string CurrencyFormat::Format(Exact whole) const {
    if (whole < 0)
        return negativePrefix + Grouped(IntegerText(-whole), groupSeparator) + negativeSuffix;
    return positivePrefix + Grouped(IntegerText(whole), groupSeparator) + positiveSuffix;
}

std::string CostText(Exact thousandsInMillionths, const CurrencyFormat& currency) {
    if (thousandsInMillionths % kMillion == 0)
        return currency.Format(thousandsInMillionths / kMillion) + ",000";
    return currency.Format(RoundToStep(thousandsInMillionths, 1000) / 1000);
}
