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
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            return std::nullopt;
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

bool IsTrueText(std::string_view text) {
    return UpperCase(text) == "TRUE";
}

std::optional<bool> ParseBooleanText(std::string_view text) {
    const std::string upper = UpperCase(Trim(text));
    if (upper == "TRUE") return true;
    if (upper == "FALSE") return false;
    if (const auto number = ParseInteger64(upper)) return *number != 0;
    return std::nullopt;
}

std::string FormatDecimal(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    // Up to 15 significant digits, so that 3 x 1.1 reads "3.3" and not the last bits of the
    // binary fraction; then without exponent and without trailing zeros.
    char buffer[400];
    auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (written.ec != std::errc()) return "0";
    std::string text(buffer, written.ptr);
    if (text.find('e') == std::string::npos) return text;
    double rounded = value;
    std::from_chars(buffer, written.ptr, rounded);
    written = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed);
    if (written.ec != std::errc()) return text;
    text.assign(buffer, written.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text;
}
