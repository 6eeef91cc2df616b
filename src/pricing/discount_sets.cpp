#include "pricing/discount_sets.h"

#include <algorithm>
#include <system_error>

#include "base/number_format.h"
#include "base/text.h"
#include "pricing/ini_file.h"

namespace tarvex::pricing {
namespace {

namespace fs = std::filesystem;

bool IsSetFileName(std::string_view name) {
  return name.size() >= 5 && (name.front() == 'd' || name.front() == 'D') &&
         base::EqualsNoCase(name.substr(name.size() - 4), ".ini");
}

// The key of a set file name: from the second character up to the first ".", upper-cased.
std::string KeyOfFileName(std::string_view name) {
  const std::size_t dot = name.find('.');
  return base::ToUpper(name.substr(1, dot - 1));
}

std::vector<std::string> SetFileNames(const fs::path& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    if (IsSetFileName(name)) names.push_back(std::move(name));
  }
  // The platform's order is not fixed; name order keeps the list the same on every run.
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return base::CompareText(a, b) < 0; });
  return names;
}

std::string Described(const base::ProgramDir& dir, std::string_view key, std::string_view gap) {
  std::string entry(key);
  entry.append(gap);
  if (const auto path = DiscountSetPath(dir, key)) entry.append(SetOptionDescriptions(*path));
  return entry;
}

}  // namespace

const std::vector<std::string>& LaneTypeFieldNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (const char* direction : {"Outbound", "Inbound"})
      for (const char* jurisdiction : {"Interstate", "Intrastate"})
        for (const char* service : {"Direct", "Interline"})
          for (const char* kind : {"Floor", "LTL"})
            list.push_back(std::string("txt") + direction + jurisdiction + service + kind);
    return list;
  }();
  return names;
}

const std::vector<std::string>& CrossBorderFieldNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (const char* direction : {"Outbound", "Inbound"})
      for (const char* service : {"Direct", "Indirect"})
        for (const char* kind : {"Floor", "LTL"})
          for (const char* portion : {"US", "CN", "MX"})
            list.push_back(std::string("txt") + direction + service + kind + portion);
    return list;
  }();
  return names;
}

bool IsLtlField(std::string_view name) {
  return base::Contains(name, "LTL");
}

bool IsSetNumber(std::string_view text, char decimalSeparator) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t start = i;
  while (i < text.size() && base::IsDigit(text[i])) ++i;
  std::size_t digits = i - start;
  if (i < text.size() && text[i] == decimalSeparator) {
    const std::size_t fraction = ++i;
    while (i < text.size() && base::IsDigit(text[i])) ++i;
    digits += i - fraction;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i >= text.size() || !base::IsDigit(text[i])) return false;
    while (i < text.size() && base::IsDigit(text[i])) ++i;
  }
  return i == text.size();
}

bool IsValidSetKey(std::string_view key) {
  if (key.empty() || key.size() > 64) return false;
  return std::all_of(key.begin(), key.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  });
}

std::optional<std::string> DiscountSetFileName(std::string_view key) {
  if (!IsValidSetKey(key)) return std::nullopt;
  return "d" + std::string(key) + ".ini";
}

std::optional<fs::path> DiscountSetPath(const base::ProgramDir& dir, std::string_view key) {
  const auto name = DiscountSetFileName(key);
  if (!name) return std::nullopt;
  return dir.resolve(*name);
}

std::string SetOptionDescriptions(const fs::path& file) {
  static constexpr std::array<std::pair<const char*, const char*>, 4> kOptions = {{
      {"optTraditional", "Traditional"},
      {"optState", "State"},
      {"optRates", "Rates"},
      {"optCharges", "Charges"},
  }};
  std::string text;
  for (const auto& [key, description] : kOptions)
    if (ReadIniValue(kDiscountsSection, key, file, "") == "True")
      text.append(base::PadRight(description, 16));
  return text;
}

std::string StateSectionText(const std::array<double, 8>& values) {
  std::string text;
  for (std::size_t i = 0; i < kStateSectionKeys.size(); ++i) {
    if (i > 0) text.append("\r\n");
    text.append(kStateSectionKeys[i]).append("=").append(base::NumberToText(values[i]));
  }
  return text;
}

DiscountKeyList FillDiscountKeyList(const base::ProgramDir& dir, std::string_view country, int mode,
                                    std::string& tag) {
  DiscountKeyList list;
  if (country == "C" || country == "M") {
    const std::string key = country == "C" ? kCanadianSetKey : kMexicanSetKey;
    list.items.push_back(mode == 3 ? Described(dir, key, "    ") : key);
    list.text = key;
    return list;
  }

  bool defaultSeen = false;
  for (const auto& name : SetFileNames(dir.path())) {
    const std::string key = KeyOfFileName(name);
    if (key == kCanadianSetKey || key == kMexicanSetKey) continue;
    // A name that cannot be a set's own file name (d.ini, "d a.ini") is no set.
    if (!IsValidSetKey(key)) continue;
    if (std::find(list.items.begin(), list.items.end(), key) != list.items.end()) continue;
    if (key == kDefaultUsSetKey) defaultSeen = true;
    list.items.push_back(key);
  }
  if (!defaultSeen) list.items.emplace_back(kDefaultUsSetKey);
  list.text = kDefaultUsSetKey;

  if (mode == 3)
    for (auto& entry : list.items) entry = Described(dir, base::Trim(entry), "     ");

  if (!tag.empty()) {
    list.text = tag;
    tag.clear();
  }
  return list;
}

}  // namespace tarvex::pricing
