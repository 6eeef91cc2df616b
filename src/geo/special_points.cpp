#include "geo/special_points.h"

#include <cmath>
#include <cstdlib>

#include "base/files.h"
#include "base/text.h"
#include "geo/postal_code.h"
#include "geo/record_file.h"

namespace tarvex::geo {
namespace {

bool IsMexican(std::string_view code) {
  return base::Val(code) > 0 && !code.empty() && code.back() == 'M';
}

// Bisection over a list of numeric ZIP ranges (lowest and highest as 32-bit integers first).
std::optional<base::ByteRecord> FindZipRange(const std::filesystem::path& file,
                                             std::size_t recordLength, std::string_view code) {
  const std::string t = base::Trim(code);
  const double key = base::Val(t);
  if (key == 0 || IsMexican(t)) return std::nullopt;
  RecordFile list(file, recordLength);
  return Bisect(list, [key](const base::ByteRecord& r) {
    const double lowest = r.int32(0);
    const double highest = r.int32(4);
    if (lowest <= key && key <= highest) return 0;
    return key > lowest ? 1 : -1;
  });
}

bool Within(const std::string& code, const HighCostEntry& e) {
  return base::CompareText(base::Trim(e.lowest), code) <= 0 &&
         base::CompareText(code, base::Trim(e.highest)) <= 0;
}

}  // namespace

bool IsRuralPoint(const base::ProgramDir& dir, std::string_view code) {
  const std::string t = base::Trim(code);
  if (t.empty() || IsMexican(t)) return false;
  const std::string key = base::ToUpper(t);
  RecordFile list(dir.resolve(kRuralFileName), kRuralRecordLength);
  return Bisect(list,
                [&key](const base::ByteRecord& r) {
                  return base::CompareText(
                      key, base::ToUpper(base::Trim(r.text(0, kRuralRecordLength))));
                })
      .has_value();
}

std::optional<std::string> CheckRuralPoints(const base::ProgramDir& dir, std::string_view origin,
                                            std::string_view destination) {
  const std::string o = base::Trim(origin);
  const std::string d = base::Trim(destination);
  std::string m;
  if (IsRuralPoint(dir, o)) m = "'" + o + "'";
  const bool destinationRural = IsRuralPoint(dir, d);
  if (destinationRural) {
    if (m.empty()) {
      m = "'" + d + "' is a RURAL ZIP/Postal Code";
    } else {
      m += " and '" + d + "' are RURAL ZIP/Postal Codes";
    }
  }
  if (!destinationRural && !m.empty()) m += " is a RURAL Zip/Postal Code";
  if (m.empty()) return std::nullopt;
  return m +
         " and arrangements with these customers have been made to service them 1 to 4 "
         "times per week.";
}

std::vector<HighCostEntry> ParseHighCost(std::string_view content, std::size_t* leftOver) {
  std::vector<std::string> values;
  std::size_t i = 0;
  const std::size_t n = content.size();
  const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (i < n) {
    // One line: values split at commas; a quoted value runs to its closing quote.
    std::size_t end = content.find_first_of("\r\n", i);
    if (end == std::string_view::npos) end = n;
    const std::string_view line = content.substr(i, end - i);
    i = end;
    while (i < n && (content[i] == '\r' || content[i] == '\n')) ++i;
    if (base::Trim(line).empty()) continue;
    std::size_t p = 0;
    while (true) {
      while (p < line.size() && isBlank(line[p])) ++p;
      std::string value;
      if (p < line.size() && line[p] == '"') {
        const std::size_t close = line.find('"', p + 1);
        value = std::string(line.substr(
            p + 1, close == std::string_view::npos ? std::string_view::npos : close - p - 1));
        p = close == std::string_view::npos ? line.size() : close + 1;
        const std::size_t comma = line.find(',', p);
        p = comma == std::string_view::npos ? line.size() : comma;
      } else {
        const std::size_t comma = line.find(',', p);
        const std::size_t stop = comma == std::string_view::npos ? line.size() : comma;
        value = base::TrimRight(line.substr(p, stop - p));
        while (!value.empty() && value.back() == '\t') value.pop_back();
        p = stop;
      }
      values.push_back(std::move(value));
      if (p >= line.size()) break;
      ++p;  // the comma
    }
  }
  std::vector<HighCostEntry> entries;
  std::size_t v = 0;
  for (; v + 7 <= values.size(); v += 7) {
    entries.push_back({values[v], values[v + 1], values[v + 2], values[v + 3], values[v + 4],
                       values[v + 5], values[v + 6]});
  }
  if (leftOver) *leftOver = values.size() - v;
  return entries;
}

std::optional<double> HighCostAmount(std::string_view text) {
  const auto dollar = text.find('$');
  const std::string number =
      base::Trim(dollar == std::string_view::npos ? std::string(text) + "0"
                                                  : std::string(text.substr(dollar + 1)));
  // Wholly a number: an optional sign, digits with at most one decimal point.
  std::size_t p = 0;
  if (p < number.size() && (number[p] == '+' || number[p] == '-')) ++p;
  bool digits = false;
  bool point = false;
  for (; p < number.size(); ++p) {
    const char c = number[p];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  return base::Val(number);
}

double GetHighCostFee(const base::ProgramDir& dir, std::string_view origin,
                      std::string_view destination, double weight) {
  const std::string o = base::Trim(origin);
  const std::string d = base::Trim(destination);
  double total = 0;
  for (const auto& e : ParseHighCost(base::FileToString(dir.resolve(kHighCostFileName)))) {
    const std::string direction = base::Trim(e.direction);
    const bool applies = (direction == "O" && Within(o, e)) ||
                         (direction == "B" && (Within(d, e) || Within(o, e))) ||
                         (direction == "D" && Within(d, e));
    if (!applies) continue;
    const double minimum = HighCostAmount(e.minimumText).value_or(0);
    const double rate = HighCostAmount(e.rateText).value_or(0);
    const double maximum = HighCostAmount(e.maximumText).value_or(0);
    double fee = rate > 0 && weight > 0 ? weight / 100 * rate : 0;
    if (fee < minimum) fee = minimum;
    if (maximum > 0 && fee > maximum) fee = maximum;
    if (fee > 0) total += fee;
  }
  return total;
}

double GetCaliforniaSurcharge(const base::ProgramDir& dir, std::string_view origin,
                              std::string_view destination) {
  const auto file = dir.resolve(kCaliforniaFileName);
  for (const std::string_view code : {origin, destination}) {
    if (const auto r = FindZipRange(file, kCaliforniaRecordLength, code)) {
      const double amount = r->float64(8);
      // A damaged amount is no surcharge rather than a wrong total.
      return std::isfinite(amount) ? amount : 0;
    }
  }
  return 0;
}

bool IsNewYorkCityPoint(const base::ProgramDir& dir, std::string_view code) {
  return FindZipRange(dir.resolve(kNewYorkCityFileName), kNewYorkCityRecordLength, code)
      .has_value();
}

}  // namespace tarvex::geo
