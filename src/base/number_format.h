// Number masks and whole-number conversions as the program shows and rounds numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvex::base {

// Formats with one of the program's masks: "0", "0.00", "0.000", "0000", "00000",
// "0.00%" (value times 100, then "%") and the money mask "0.00 " (trailing blank).
// Halves round away from zero after rounding to 15 significant digits, so 2.345 shows 2.35.
// An unknown mask is a programming fault and formats like "0.00".
std::string FormatMask(double value, std::string_view mask, char decimalSeparator = '.');

// Rounds to `decimals` places the way the masks do (15 significant digits, halves away from zero).
double RoundForDisplay(double value, int decimals);

// Nearest whole number with halves to even, as the program rounds counts (CLng).
// Values beyond the 32-bit range saturate.
std::int32_t RoundHalfEven(double value);

// Whole part, cut towards zero.
std::int64_t TruncateToWhole(double value);

// Largest whole number not greater than the value (Int).
std::int64_t FloorToWhole(double value);

// The shortest plain text of a number: "0", "12.5", "1500000", "-0.25"; at most 15
// significant digits, no exponent below 1e15, "." as the decimal point.
std::string NumberToText(double value);

// The decimal separator of the user's locale: the text of 3 / 2 written by the locale
// holds "." or not. Found once at start-up.
char LocaleDecimalSeparator();

}  // namespace tarvex::base
