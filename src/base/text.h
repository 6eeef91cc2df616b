// Text conventions every part shares: lenient numbers, trimming, padding, code-order comparison.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvex::base {

// The lenient numeric value of a text: leading blanks skipped, the longest numeric
// prefix taken (sign, digits, one decimal point, exponent), 0 when there is none.
// "12345M" is 12345, "A1B2C3" is 0, " -1.5e2x" is -150. The decimal point is always ".".
double Val(std::string_view text);

// A text that is wholly one finite number ("12.5", " -3 ", "1e3"), read the same in every
// process locale; nothing for anything else ("12x", "", "nan").
std::optional<double> ParseNumber(std::string_view text);

// Val with a given decimal separator, for texts the user typed or labels showed.
double ValLocal(std::string_view text, char decimalSeparator);

// Blanks (spaces only, as the classic runtime trims) removed from the ends.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// The text cut or blank-padded on the right to exactly `width` characters.
std::string PadRight(std::string_view text, std::size_t width);
// The text blank-padded on the left to at least `width` characters (never cut).
std::string PadLeft(std::string_view text, std::size_t width);

// Comparison by character code (unsigned bytes): <0, 0, >0.
int CompareText(std::string_view a, std::string_view b);

// ASCII classes: data files are bytes, and <cctype> would follow the process locale.
constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
constexpr bool IsLower(char c) {
  return c >= 'a' && c <= 'z';
}
constexpr bool IsLetter(char c) {
  return IsUpper(c) || IsLower(c);
}

// ASCII upper and lower case; other bytes unchanged.
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);

bool Contains(std::string_view text, std::string_view part);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EqualsNoCase(std::string_view a, std::string_view b);

// Data files hold single-byte Windows-1252 text; the desktop speaks UTF-8.
std::string Cp1252ToUtf8(std::string_view text);
// Characters with no Windows-1252 form become "?".
std::string Utf8ToCp1252(std::string_view text);

}  // namespace tarvex::base
