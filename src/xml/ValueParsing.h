#pragma once
// Conversions of the values that catalogues and files hold. Each returns no value when the
// text cannot be converted, so that the reader can apply the fallback it defines.

#include <optional>
#include <string>
#include <string_view>

// A decimal integer, optionally signed, with no other characters. Surrounding blanks are
// allowed. Out-of-range values do not convert.
std::optional<int> ParseInteger(std::string_view text);
std::optional<long long> ParseInteger64(std::string_view text);

// A decimal number written with "." (or ",", as typed in some locales) whatever the locale.
std::optional<double> ParseDecimal(std::string_view text);

// The catalogue rule for flags such as PSIONIC: true exactly when the text, upper-cased, is
// "TRUE"; anything else is false. It never fails.
bool IsTrueText(std::string_view text);

// The boolean text rule: "True" or "False" in any letter case, or a whole number where any
// non-zero value means true.
std::optional<bool> ParseBooleanText(std::string_view text);

// A number in general decimal form with up to 15 significant digits, "." as separator and
// no exponent: "1.5", "3", "0.25", "3.3" for 3 x 1.1.
std::string FormatDecimal(double value);

// Removes blanks, tabs and line breaks at both ends.
std::string Trim(std::string_view text);
