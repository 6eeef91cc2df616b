#include "ratesheet/codes.h"

#include "base/number_format.h"
#include "base/text.h"

namespace tarvex::ratesheet {

namespace {

// Letters at odd positions and digits at even ones, counted from 1.
bool AlternatesFromLetter(std::string_view code) {
  for (std::size_t i = 0; i < code.size(); ++i)
    if (i % 2 == 0 ? !base::IsUpper(code[i]) : !base::IsDigit(code[i])) return false;
  return true;
}

}  // namespace

bool IsNumericCode(std::string_view code) {
  if (code.empty()) return false;
  for (const char c : code)
    if (!base::IsDigit(c)) return false;
  return true;
}

bool IsValidZipForm(std::string_view code) {
  const std::size_t n = code.size();
  if ((n == 3 || n == 5) && IsNumericCode(code)) return true;
  if ((n == 3 || n == 5) && AlternatesFromLetter(code)) return true;
  return (n == 4 || n == 6) && code.back() == 'M' && base::Val(code) > 0;
}

bool IsValidSidelineCode(std::string_view code) {
  if (code.empty()) return true;
  if (code.size() == 3 && IsNumericCode(code)) return code >= "010" && code <= "994";
  if (code.size() == 4 && code.back() == 'M') return IsNumericCode(code.substr(0, 3));
  return code.size() == 3 && base::CompareText(code, "A0A") >= 0 &&
         base::CompareText(code, "Y9Z") <= 0;
}

SidelineCountry CountryOfSideline(std::string_view code) {
  if (IsNumericCode(code)) return SidelineCountry::US;
  if (code.size() == 4) return SidelineCountry::Mexico;
  return SidelineCountry::Canada;
}

std::string WidenHeadline(std::string_view code) {
  return std::string(code) + (IsNumericCode(code) ? "01" : "0A");
}

std::string WeightCaption(const std::vector<std::int32_t>& breaks, std::size_t index) {
  if (index >= breaks.size()) return "";
  // Break 0 has no lower bound worth printing: it is "less than" the next break.
  const bool first = index == 0;
  const std::size_t shown = first ? 1 : index;
  const double pounds = shown < breaks.size() ? static_cast<double>(breaks[shown]) : 0.0;
  const bool hundreds = breaks[index] < 1000;
  const std::string caption =
      hundreds ? base::NumberToText(pounds / 100) + "C" : base::NumberToText(pounds / 1000) + "M";
  return first ? "L" + caption : caption;
}

std::string RateSheetClassCode(std::string_view className) {
  std::string code = base::PadLeft(base::NumberToText(base::Val(base::Trim(className))), 3);
  return code.substr(0, 3);
}

}  // namespace tarvex::ratesheet
