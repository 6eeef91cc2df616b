#include "geo/postal_code.h"

#include <array>
#include <string>

#include "base/files.h"
#include "base/number_format.h"
#include "base/text.h"
#include "geo/record_file.h"

namespace tarvex::geo {
namespace {

bool AllDigits(std::string_view text) {
  for (char c : text)
    if (!base::IsDigit(c)) return false;
  return true;
}

struct ProvinceRange {
  const char* from;
  const char* to;
  const char* province;
};

// Tried in this order; the first range that holds the prefix wins.
constexpr std::array<ProvinceRange, 12> kProvinces = {{
    {"T0A", "T9Z", "AB"},
    {"V0A", "V9Z", "BC"},
    {"R0A", "R9Z", "MB"},
    {"E0A", "E9Z", "NB"},
    {"A0A", "A9Z", "NF"},
    {"B0A", "B9Z", "NS"},
    {"X0A", "X9Z", "NT"},
    {"K0A", "P9Z", "ON"},
    {"C0A", "C9Z", "PE"},
    {"G0A", "J9Z", "PQ"},
    {"S0A", "S9Z", "SK"},
    {"Y0A", "Y9Z", "YT"},
}};

}  // namespace

Country PostalCountry(std::string_view code) {
  const std::string t = base::Trim(code);
  if (base::Val(t) == 0) return Country::CN;
  if (!t.empty() && t.back() == 'M') return Country::MX;
  return Country::US;
}

const char* CountryCode(Country country) {
  switch (country) {
    case Country::CN:
      return "CN";
    case Country::MX:
      return "MX";
    case Country::US:
      break;
  }
  return "US";
}

bool ValidatePostalCode(std::string_view code) {
  const std::size_t n = code.size();
  const double v = base::Val(code);
  if (n == 3 || n == 5 || v <= 0) {
    // An empty code, 000, 00000 and short codes that begin with a letter.
    if (n < 6 && v == 0) return false;
    if (AllDigits(code)) return true;
    // The Canadian form: letter, digit, letter, ... over the whole length.
    for (std::size_t i = 0; i < n; ++i) {
      const bool letterPosition = i % 2 == 0;
      if (letterPosition ? !base::IsUpper(code[i]) : !base::IsDigit(code[i])) return false;
    }
    return true;
  }
  return code.back() == 'M' && (n == 6 || n == 4);
}

int FilterPostalCodeKey(std::string_view text, int selLength, int keyAscii) {
  if (keyAscii == 8 || keyAscii == 9 || keyAscii == 13) return keyAscii;
  if (keyAscii < 0 || keyAscii > 255) return 0;
  char key = static_cast<char>(keyAscii);
  const auto upperOf = [](char c) { return static_cast<char>(c - 'a' + 'A'); };

  if (static_cast<int>(text.size()) == selLength) {
    // The key replaces the whole text.
    if (base::IsLower(key)) key = upperOf(key);
    if (!base::IsUpper(key) && !base::IsDigit(key)) return 0;
    return static_cast<unsigned char>(key);
  }

  const std::string trimmed = base::Trim(text);
  const std::size_t m = trimmed.size();
  char first = text.empty() ? '\0' : text.front();
  if (base::IsLower(first)) first = upperOf(first);
  const bool canadian =
      base::IsUpper(first) || (trimmed.empty() && (base::IsUpper(key) || base::IsLower(key)));
  if (canadian) {
    if (m > 5) return 0;
    if (m % 2 == 0) {
      if (base::IsLower(key)) return static_cast<unsigned char>(upperOf(key));
      return base::IsUpper(key) ? keyAscii : 0;
    }
    return base::IsDigit(key) ? keyAscii : 0;
  }
  if (m < 5) return base::IsDigit(key) ? keyAscii : 0;
  return keyAscii == 77 ? keyAscii : 0;
}

std::string StateFromZipPrefix(const base::ProgramDir& dir, std::int64_t prefix,
                               std::string* fault) {
  if (prefix < 1 || prefix > 999) return "";
  const auto file = dir.resolve(kStateFileName);
  const auto report = [&](const std::string& what) {
    if (fault) *fault = "The state table \"" + file.string() + "\" " + what;
    return std::string();
  };
  std::string prefixText = std::to_string(prefix);
  prefixText.insert(0, 3 - prefixText.size(), '0');
  const auto read = base::ReadFixedRecord(file, kStateRecordLength, prefix);
  if (read.status == base::RecordStatus::Missing)
    return report("is missing, so the state of ZIP prefix " + prefixText + " cannot be told.");
  if (!read.ok() || base::FileLength(file) % static_cast<std::int64_t>(kStateRecordLength) != 0)
    return report("is damaged: it " +
                  std::string(read.ok() ? "ends in a partial record"
                                        : "ends before the record of ZIP prefix " + prefixText) +
                  ".");
  const std::string state = read.record.text(0, 2);
  const bool letters = base::IsUpper(state[0]) && base::IsUpper(state[1]);
  if (!letters && state != "  ")
    return report("is damaged: the record of ZIP prefix " + prefixText + " holds no state.");
  return base::TrimRight(state);
}

std::string ProvinceFromPostalCode(std::string_view code) {
  const std::string prefix = PostalPrefix(base::Trim(code));
  for (const auto& range : kProvinces) {
    if (base::CompareText(range.from, prefix) <= 0 && base::CompareText(prefix, range.to) <= 0)
      return range.province;
  }
  return "";
}

std::string StateOfPoint(const base::ProgramDir& dir, std::string_view code, std::string* fault) {
  const std::string t = base::Trim(code);
  switch (PostalCountry(t)) {
    case Country::MX:
      return "MX";
    case Country::CN:
      return ProvinceFromPostalCode(t);
    case Country::US:
      break;
  }
  const std::int32_t prefix = base::RoundHalfEven(base::Val(PostalPrefix(t)));
  return prefix >= 1 ? StateFromZipPrefix(dir, prefix, fault) : "";
}

std::string PostalPrefix(std::string_view code) {
  return std::string(code.substr(0, 3));
}

bool CheckZipCombination(const base::ProgramDir& dir, std::string_view originPrefix,
                         std::string_view destinationPrefix) {
  RecordFile file(dir.resolve(kZipValFileName), kZipValRecordLength);
  const auto within = [](const std::string& low, std::string_view value, const std::string& high) {
    return base::CompareText(low, value) <= 0 && base::CompareText(value, high) <= 0;
  };
  for (std::int64_t n = 1; n <= file.count(); ++n) {
    const auto record = file.read(n);
    if (!record) break;
    if (within(record->text(0, 3), originPrefix, record->text(3, 3)) &&
        within(record->text(6, 3), destinationPrefix, record->text(9, 3)))
      return true;
  }
  return false;
}

}  // namespace tarvex::geo
