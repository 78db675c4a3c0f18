#include "xml/ValueParsing.h"

#include "xml/XmlEventReader.h"

#include <charconv>
#include <cmath>
#include <limits>

std::string Trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::optional<long long> ParseInteger64(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) return std::nullopt;
    }
    if (digits.empty()) return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::optional<int> ParseInteger(std::string_view text) {
    const auto value = ParseInteger64(text);
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<double> ParseDecimal(std::string_view text) {
    std::string normalised = Trim(text);
    int separators = 0;
    for (char& c : normalised) {
        if (c == ',') c = '.';
        if (c == '.') ++separators;
    }
    if (normalised.empty() || separators > 1) return std::nullopt;
    std::string_view digits = normalised;
    if (digits.front() == '+') digits.remove_prefix(1);
    // Plain decimal notation only: digits, one separator and an optional sign.
    std::size_t i = digits.starts_with('-') ? 1 : 0;
    bool anyDigit = false;
    for (; i < digits.size(); ++i) {
        if (digits[i] >= '0' && digits[i] <= '9')
            anyDigit = true;
        else if (digits[i] != '.')
            return std::nullopt;
    }
    if (!anyDigit) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool IsTrueText(std::string_view text) { return UpperCase(text) == "TRUE"; }

std::optional<bool> ParseBooleanText(std::string_view text) {
    const std::string upper = UpperCase(Trim(text));
    if (upper == "TRUE") return true;
    if (upper == "FALSE") return false;
    if (const auto number = ParseInteger64(upper)) return *number != 0;
    return std::nullopt;
}

std::string FormatDecimal(double value) {
    if (value == 0) return "0";
    // The shortest text that reads back as the same double.
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc()) return "0";
    std::string text(buffer, end);
    // to_chars may choose exponent notation for very large or small values; spell them out.
    if (text.find('e') != std::string::npos) {
        const auto fixed = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::fixed);
        if (fixed.ec == std::errc()) text.assign(buffer, fixed.ptr);
    }
    return text;
}
