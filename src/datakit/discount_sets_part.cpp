#include "datakit/discount_sets_part.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "base/text.h"
#include "pricing/discount_sets.h"
#include "pricing/ini_file.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;
using pricing::kDiscountsSection;

void Build(const fs::path&, const fs::path&, Report&) {}

void CheckValue(const std::string& where, const std::string& name, const std::string& value,
                Report& report) {
  if (value.empty()) return;
  if (!pricing::IsSetNumber(value)) {
    report.fault(where, name + " = " + value + " is not a number");
    return;
  }
  const double number = base::Val(value);
  if (pricing::IsLtlField(name) && (number < 0 || number >= 100))
    report.fault(where, name + " = " + value + ": a discount lies from 0 to below 100");
}

void CheckOneOf(const std::string& where, const fs::path& file, const char* a, const char* b,
                Report& report) {
  const bool first = pricing::ReadIniValue(kDiscountsSection, a, file, "") == "True";
  const bool second = pricing::ReadIniValue(kDiscountsSection, b, file, "") == "True";
  if (first == second)
    report.fault(where, std::string("exactly one of ") + a + " and " + b + " must be True");
}

void CheckSet(const fs::path& file, Report& report) {
  const std::string name = file.filename().string();
  const std::string where = file.string();
  const std::string key = base::ToUpper(name.substr(1, name.find('.') - 1));
  if (!pricing::IsValidSetKey(key)) {
    report.fault(where, "not a set name: d, the key in letters or digits, .ini");
    return;
  }
  const bool allDigits =
      std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (key != pricing::kCanadianSetKey && key != pricing::kMexicanSetKey &&
      (key.size() != 5 || !allDigits))
    report.fault(where, "the look-up picks US sets by five-digit ZIP; no lane can use set " + key);
  const auto sections = pricing::ReadIniSectionNames(file);
  if (std::none_of(sections.begin(), sections.end(),
                   [](const std::string& s) { return base::EqualsNoCase(s, kDiscountsSection); })) {
    report.fault(where, "no [Discounts] section");
    return;
  }
  const std::string saved = pricing::ReadIniValue(kDiscountsSection, "cboKeyZip", file, "");
  if (!saved.empty() && saved != key)
    report.fault(where, "cboKeyZip = " + saved + " in the file of set " + key);
  CheckOneOf(where, file, "optTraditional", "optState", report);
  CheckOneOf(where, file, "optRates", "optCharges", report);
  for (const auto* names : {&pricing::LaneTypeFieldNames(), &pricing::CrossBorderFieldNames()})
    for (const auto& field : *names)
      CheckValue(where, field, pricing::ReadIniValue(kDiscountsSection, field, file, ""), report);
  for (const auto& section : sections) {
    if (base::EqualsNoCase(section, kDiscountsSection)) continue;
    for (const char* field : pricing::kStateSectionKeys)
      CheckValue(where + " [" + section + "]", field,
                 pricing::ReadIniValue(section, field, file, ""), report);
  }
}

void Check(const fs::path& dir, Report& report) {
  std::vector<fs::path> sets;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code typeError;
    if (it->is_regular_file(typeError) && name.size() >= 5 && (name[0] == 'd' || name[0] == 'D') &&
        base::EqualsNoCase(name.substr(name.size() - 4), ".ini"))
      sets.push_back(it->path());
  }
  std::sort(sets.begin(), sets.end());
  for (const auto& file : sets) CheckSet(file, report);
  const base::ProgramDir program(dir);
  if (!program.exists(std::string("d") + pricing::kDefaultUsSetKey + ".ini"))
    report.note("discount sets: no default US set d00000.ini in " + dir.string() +
                "; lanes without a set of their own get no discounts");
}

bool Dump(const fs::path&, std::ostream&, Report&) {
  return false;
}

}  // namespace

Part DiscountSetsPart() {
  return {"discount sets", &Build, &Check, &Dump};
}

}  // namespace tarvex::datakit
