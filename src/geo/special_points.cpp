#include "geo/special_points.h"

#include <cmath>
#include <cstdlib>

#include "base/files.h"
#include "base/limits.h"
#include "base/text.h"
#include "geo/postal_code.h"
#include "geo/record_file.h"

namespace tarvex::geo {
namespace {

bool IsMexican(std::string_view code) {
  return base::Val(code) > 0 && !code.empty() && code.back() == 'M';
}

std::string Damaged(const char* list, const std::filesystem::path& file, const std::string& what) {
  return "The " + std::string(list) + " \"" + file.string() + "\" is damaged: " + what + ".";
}

constexpr const char* kPartialRecord = "it ends in a partial record";

// Bisection over a list of numeric ZIP ranges (lowest and highest as 32-bit integers first).
// `damage` tells why the list cannot be searched: a partial last record, or a range read on
// the way that is not two five-digit ZIP codes in order. `found` takes the record number.
std::optional<base::ByteRecord> FindZipRange(const std::filesystem::path& file,
                                             std::size_t recordLength, std::string_view code,
                                             std::string& damage, std::int64_t* found = nullptr) {
  RecordFile list(file, recordLength);
  damage = list.whole() ? "" : kPartialRecord;
  const std::string t = base::Trim(code);
  const double key = base::Val(t);
  if (!damage.empty() || key == 0 || IsMexican(t)) return std::nullopt;
  auto match = Bisect(
      list,
      [&](const base::ByteRecord& r) {
        const std::int32_t lowest = r.int32(0);
        const std::int32_t highest = r.int32(4);
        if (damage.empty() && !(0 <= lowest && lowest <= highest && highest <= 99999))
          damage = "a range read for " + t + " runs from " + std::to_string(lowest) + " to " +
                   std::to_string(highest) + ", which are no ZIP codes in order";
        if (lowest <= key && key <= highest) return 0;
        return key > lowest ? 1 : -1;
      },
      found);
  if (!damage.empty()) return std::nullopt;
  return match;
}

// A bound of a high-cost area: a ZIP code or prefix (3 to 5 digits), a Mexican one (the same
// followed by M), or the beginning of a Canadian code (letter, digit, letter, ...).
bool IsAreaBound(std::string_view bound) {
  if (bound.empty() || bound.size() > 6) return false;
  if (base::IsLetter(bound[0])) {
    for (std::size_t i = 0; i < bound.size(); ++i)
      if (i % 2 == 0 ? !base::IsLetter(bound[i]) : !base::IsDigit(bound[i])) return false;
    return true;
  }
  const std::string_view digits = bound.back() == 'M' ? bound.substr(0, bound.size() - 1) : bound;
  if (digits.size() < 3 || digits.size() > 5) return false;
  for (const char c : digits)
    if (!base::IsDigit(c)) return false;
  return true;
}

bool Within(const std::string& code, const HighCostEntry& e) {
  return base::CompareText(base::Trim(e.lowest), code) <= 0 &&
         base::CompareText(code, base::Trim(e.highest)) <= 0;
}

}  // namespace

bool IsRuralPoint(const base::ProgramDir& dir, std::string_view code, std::string* fault) {
  const std::string t = base::Trim(code);
  if (t.empty() || IsMexican(t)) return false;
  const std::string key = base::ToUpper(t);
  const auto file = dir.resolve(kRuralFileName);
  RecordFile list(file, kRuralRecordLength);
  std::string damage = list.whole() ? "" : kPartialRecord;
  const bool found = Bisect(list, [&](const base::ByteRecord& r) {
                       const std::string text = r.text(0, kRuralRecordLength);
                       if (damage.empty() && !ValidatePostalCode(base::ToUpper(base::Trim(text))))
                         damage = "a record holds no ZIP or postal code";
                       return base::CompareText(key, base::ToUpper(base::Trim(text)));
                     }).has_value();
  if (fault && !damage.empty()) *fault = Damaged("rural point list", file, damage);
  return found;
}

std::optional<std::string> CheckRuralPoints(const base::ProgramDir& dir, std::string_view origin,
                                            std::string_view destination, std::string* fault) {
  const std::string o = base::Trim(origin);
  const std::string d = base::Trim(destination);
  std::string m;
  if (IsRuralPoint(dir, o, fault)) m = "'" + o + "'";
  const bool destinationRural = IsRuralPoint(dir, d, fault);
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

std::string HighCostEntryFault(const HighCostEntry& e) {
  const std::string direction = base::Trim(e.direction);
  if (direction != "O" && direction != "D" && direction != "B")
    return "the entry for " + base::Trim(e.lowest) + " to " + base::Trim(e.highest) +
           " has the direction \"" + e.direction + "\", which is not O, D or B";
  // A rate per hundred pounds of $10,000 would price one pallet beyond any freight charge.
  const struct {
    const char* name;
    const std::string& text;
    double limit;
  } amounts[] = {{"minimum", e.minimumText, base::kMoneyLimit},
                 {"rate", e.rateText, 10000},
                 {"maximum", e.maximumText, base::kMoneyLimit}};
  for (const auto& a : amounts) {
    const auto value = HighCostAmount(a.text);
    if (!value || !std::isfinite(*value) || *value < 0 || *value >= a.limit)
      return "the entry for " + base::Trim(e.lowest) + " to " + base::Trim(e.highest) +
             " has the " + a.name + " \"" + a.text + "\", which is not an amount from 0 to below " +
             base::StoredNumberText(a.limit);
  }
  return {};
}

ListAmount GetHighCostFee(const base::ProgramDir& dir, std::string_view origin,
                          std::string_view destination, double weight) {
  const std::string o = base::Trim(origin);
  const std::string d = base::Trim(destination);
  const auto file = dir.resolve(kHighCostFileName);
  ListAmount result;
  const auto refuse = [&](const std::string& what) {
    result.amount = 0;
    result.fault = Damaged("high-cost service area list", file, what) +
                   " No high-cost service area fee is charged on this quote.";
    return result;
  };
  std::size_t leftOver = 0;
  const auto entries = ParseHighCost(base::FileToString(file), &leftOver);
  // Values out of step with their entries would put a rate where a bound belongs.
  if (leftOver != 0) return refuse("it ends in an incomplete entry");
  for (const auto& e : entries) {
    // An area whose bounds are no codes holds nothing: the fee of the area it was is lost.
    for (const std::string& bound : {base::Trim(e.lowest), base::Trim(e.highest)})
      if (!IsAreaBound(bound))
        return refuse("an entry's area runs from \"" + e.lowest + "\" to \"" + e.highest +
                      "\", which are no ZIP or postal codes");
    const bool holdsOrigin = Within(o, e);
    const bool holdsDestination = Within(d, e);
    if (!holdsOrigin && !holdsDestination) continue;
    if (const std::string fault = HighCostEntryFault(e); !fault.empty()) return refuse(fault);
    const std::string direction = base::Trim(e.direction);
    const bool applies = (direction == "O" && holdsOrigin) ||
                         (direction == "B" && (holdsDestination || holdsOrigin)) ||
                         (direction == "D" && holdsDestination);
    if (!applies) continue;
    const double minimum = HighCostAmount(e.minimumText).value_or(0);
    const double rate = HighCostAmount(e.rateText).value_or(0);
    const double maximum = HighCostAmount(e.maximumText).value_or(0);
    double fee = rate > 0 && weight > 0 ? weight / 100 * rate : 0;
    if (fee < minimum) fee = minimum;
    if (maximum > 0 && fee > maximum) fee = maximum;
    if (fee > 0) result.amount += fee;
  }
  return result;
}

ListAmount GetCaliforniaSurcharge(const base::ProgramDir& dir, std::string_view origin,
                                  std::string_view destination) {
  const auto file = dir.resolve(kCaliforniaFileName);
  ListAmount result;
  constexpr const char* kNone = " No California surcharge is charged on this quote.";
  for (const std::string_view code : {origin, destination}) {
    std::string damage;
    std::int64_t record = 0;
    const auto r = FindZipRange(file, kCaliforniaRecordLength, code, damage, &record);
    if (!damage.empty()) {
      result.fault = Damaged("California point list", file, damage) + kNone;
      return result;
    }
    if (!r) continue;
    const double amount = r->float64(8);
    if (!base::IsMoney(amount)) {
      result.fault =
          Damaged("California point list", file,
                  "record " + std::to_string(record) + " holds " + base::StoredNumberText(amount) +
                      " as its surcharge, which is not an amount from 0 to below "
                      "1000000") +
          kNone;
      return result;
    }
    result.amount = amount;
    return result;
  }
  return result;
}

bool IsNewYorkCityPoint(const base::ProgramDir& dir, std::string_view code, std::string* fault) {
  const auto file = dir.resolve(kNewYorkCityFileName);
  std::string damage;
  const bool found = FindZipRange(file, kNewYorkCityRecordLength, code, damage).has_value();
  if (!damage.empty() && fault) *fault = Damaged("New York City point list", file, damage);
  return found;
}

}  // namespace tarvex::geo
