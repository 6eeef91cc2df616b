#include "base/number_format.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace tarvex::base {
namespace {

// The 15 significant digits of a finite value and its decimal exponent, whatever the
// process locale: 2.345 gives "234500000000000" and 0.
struct Digits15 {
  std::string digits;
  int exponent = 0;
};

Digits15 SignificantDigits(double value) {
  char buf[40];
  const auto written =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
  const std::string_view text(buf, static_cast<std::size_t>(written.ptr - buf));
  Digits15 out;
  const auto e = text.find('e');
  for (const char c : text.substr(0, e))
    if (c != '.') out.digits += c;
  std::string_view exponent = text.substr(e + 1);
  if (!exponent.empty() && exponent.front() == '+') exponent.remove_prefix(1);
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), out.exponent);
  return out;
}

// The value as the classic runtime holds it for display: 15 significant digits.
double To15Digits(double value) {
  if (value == 0.0 || !std::isfinite(value)) return value;
  char buf[40];
  const auto written =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  double rounded = value;
  std::from_chars(buf, written.ptr, rounded);
  return rounded;
}

// Whole part of a value, saturated to the 64-bit range (1e20 typed or pasted is no fault).
std::int64_t SaturatedWhole(double whole) {
  constexpr double kLimit = 9.2e18;
  if (whole >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (whole <= -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(whole);
}

}  // namespace

double RoundForDisplay(double value, int decimals) {
  if (!std::isfinite(value) || value == 0.0) return 0.0;
  // Round the 15-significant-digit decimal text, not the binary value, so that
  // 2.345 rounds up as it reads.
  const auto [digits, exponent] = SignificantDigits(value);
  const int keep = exponent + 1 + decimals;  // digits kept before the rounding digit
  if (keep < 0) return 0.0;
  double kept = 0.0;
  for (int i = 0; i < keep && i < static_cast<int>(digits.size()); ++i)
    kept = kept * 10.0 + (digits[static_cast<std::size_t>(i)] - '0');
  for (int i = static_cast<int>(digits.size()); i < keep; ++i) kept *= 10.0;
  if (keep < static_cast<int>(digits.size()) && digits[static_cast<std::size_t>(keep)] >= '5')
    kept += 1.0;
  const double result = kept / std::pow(10.0, decimals);
  return value < 0 ? -result : result;
}

std::string FormatMask(double value, std::string_view mask, char decimalSeparator) {
  if (!std::isfinite(value)) value = 0.0;
  int decimals = 2;
  int minWhole = 1;
  std::string suffix;
  double v = value;
  if (mask == "0") {
    decimals = 0;
  } else if (mask == "0.000") {
    decimals = 3;
  } else if (mask == "0000") {
    decimals = 0;
    minWhole = 4;
  } else if (mask == "00000") {
    decimals = 0;
    minWhole = 5;
  } else if (mask == "0.00%") {
    v = value * 100.0;
    suffix = "%";
  } else if (mask == "0.00 ") {
    suffix = " ";
  }
  const double rounded = RoundForDisplay(v, decimals);
  const bool negative = rounded < 0.0;
  std::string body = fmt::format("{:.{}f}", std::fabs(rounded), decimals);
  auto dot = body.find('.');
  std::string whole = dot == std::string::npos ? body : body.substr(0, dot);
  if (static_cast<int>(whole.size()) < minWhole)
    whole.insert(0, static_cast<std::size_t>(minWhole) - whole.size(), '0');
  std::string out = negative ? "-" + whole : whole;
  if (dot != std::string::npos) {
    out += decimalSeparator;
    out += body.substr(dot + 1);
  }
  return out + suffix;
}

std::int32_t RoundHalfEven(double value) {
  if (!std::isfinite(value)) return 0;
  const double r = std::nearbyint(value);  // default rounding mode: halves to even
  if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(r);
}

std::int64_t TruncateToWhole(double value) {
  if (!std::isfinite(value)) return 0;
  return SaturatedWhole(std::trunc(value));
}

std::int64_t FloorToWhole(double value) {
  if (!std::isfinite(value)) return 0;
  return SaturatedWhole(std::floor(value));
}

std::string NumberToText(double value) {
  if (!std::isfinite(value) || value == 0.0) return "0";
  const double v = To15Digits(value);
  if (std::fabs(v) >= 1e15) return fmt::format("{:.14E}", v);
  std::string s = fmt::format("{:.15f}", v);
  // Keep 15 significant digits, then drop trailing zeros.
  std::size_t firstDigit = s.find_first_of("123456789");
  std::size_t kept = 0;
  std::size_t cut = s.size();
  for (std::size_t i = firstDigit; i < s.size(); ++i) {
    if (s[i] == '.') continue;
    if (++kept == 15) {
      cut = i + 1;
      break;
    }
  }
  s.resize(cut);
  if (s.find('.') != std::string::npos) {
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
  } else {
    // cut inside the whole part: restore its zeros
    const std::string full = fmt::format("{:.0f}", v);
    if (s.size() < full.size()) s.append(full.size() - s.size(), '0');
  }
  if (s == "-0" || s.empty()) return "0";
  return s;
}

char LocaleDecimalSeparator() {
  try {
    const std::locale user("");
    return std::use_facet<std::numpunct<char>>(user).decimal_point() == '.' ? '.' : ',';
  } catch (...) {
    // A locale the system does not have: the C library writes numbers as the C locale does.
    return '.';
  }
}

}  // namespace tarvex::base
