#include "ratesheet/sideline_codes.h"

#include <cmath>

#include "base/text.h"
#include "geo/postal_code.h"

namespace tarvex::ratesheet {

namespace {

// Steps `code` by one from its last character, carrying: digits 0–9, letters A–Z.
std::string Step(std::string code) {
  for (std::size_t i = code.size(); i-- > 0;) {
    char& c = code[i];
    if (c == '9') {
      c = '0';
    } else if (c == 'Z') {
      c = 'A';
    } else {
      ++c;
      return code;
    }
  }
  return code;  // every character wrapped: "999" becomes "000"
}

bool Numeric(std::string_view code) {
  for (const char c : code)
    if (!base::IsDigit(c)) return false;
  return !code.empty();
}

bool Canadian(std::string_view code) {
  for (std::size_t i = 0; i < code.size(); ++i)
    if (i % 2 == 0 ? !base::IsUpper(code[i]) : !base::IsDigit(code[i])) return false;
  return !code.empty();
}

}  // namespace

std::string NextSidelineCode(std::string_view code) {
  if (code.size() == 4 && code[3] == 'M') return NextSidelineCode(code.substr(0, 3)) + "M";
  if (code.size() != 3 && code.size() != 5) return std::string(code);
  if (Numeric(code) || Canadian(code)) return Step(std::string(code));
  return std::string(code);
}

std::int64_t RateSheetMinimum(std::string_view minimumCharge, double floor) {
  const std::int64_t m = std::llround(base::Val(minimumCharge) * 100);
  const std::int64_t f = std::llround(floor * 100);
  // The floor's text keeps only its last five characters.
  if (f > m) return f % 100000;
  return m;
}

std::string PadRight6(std::string_view text) {
  std::string padded(text);
  if (padded.size() < 6) padded.append(6 - padded.size(), ' ');
  return padded;
}

std::string StateOfCode(const base::ProgramDir& dir, std::string_view code) {
  const double value = base::Val(code);
  if (!code.empty() && code.back() == 'M' && value != 0) return "MX";
  if (value != 0 || Numeric(code))
    return geo::StateFromZipPrefix(dir, static_cast<std::int64_t>(base::Val(code.substr(0, 3))));
  std::string full(code);
  if (full.size() == 3)
    full += "0A0";
  else if (full.size() == 5)
    full += "0";
  else
    return "";
  return geo::ProvinceFromPostalCode(full);
}

}  // namespace tarvex::ratesheet
