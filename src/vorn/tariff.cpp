#include "vorn/tariff.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

#include "base/text.h"
#include "fmt/format.h"

namespace tarvex::vorn {

int CountryOf(std::string_view code) {
  const std::string t = base::Trim(code);
  if (base::Val(t) > 0) return !t.empty() && t.back() == 'M' ? 3 : 1;
  return 2;
}

std::string PrefixOf(std::string_view code) {
  return base::ToUpper(base::Trim(code).substr(0, 3));
}

int Tariff::ClassIndex(std::string_view className) const {
  for (std::size_t i = 0; i < classes.size(); ++i)
    if (classes[i] == className) return static_cast<int>(i);
  return -1;
}

const ServedRange* Tariff::Serving(std::string_view code) const {
  const int country = CountryOf(code);
  const std::string prefix = PrefixOf(code);
  if (prefix.size() < 3) return nullptr;
  const std::string five = base::ToUpper(base::Trim(code).substr(0, 5));
  const ServedRange* found = nullptr;
  for (const ServedRange& r : served) {
    if (r.country != country) continue;
    if (r.low.size() == 5) {
      if (five.size() == 5 && five >= r.low && five <= r.high) return &r;
    } else if (found == nullptr && prefix >= r.low && prefix <= r.high) {
      found = &r;
    }
  }
  return found;
}

const Band& Tariff::BandFor(double miles) const {
  for (const Band& b : bands)
    if (miles <= b.upToMiles) return b;
  return bands.back();
}

const BorderCrossing* Tariff::NearestCrossing(std::pair<double, double> mexicanPoint) const {
  const BorderCrossing* nearest = nullptr;
  double best = 0;
  for (const BorderCrossing& c : crossings) {
    const double miles = RoadMiles(mexicanPoint, {c.latitude, c.longitude});
    if (nearest == nullptr || miles < best) {
      nearest = &c;
      best = miles;
    }
  }
  return nearest;
}

namespace {

constexpr std::string_view kTariffHeader = "VORN-TARIFF 2";
constexpr std::string_view kOldTariffHeader = "VORN-TARIFF 1";  // one crossing, unnamed
constexpr std::string_view kPointsHeader = "VORN-POINTS 1";

bool Fail(std::string* error, int line, const std::string& what) {
  if (error != nullptr) *error = "line " + std::to_string(line) + ": " + what;
  return false;
}

// The words of a line, split at blanks and tabs.
std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

// A whole word as a whole number within [low, high], whatever the process locale.
bool WholeNumber(std::string_view word, std::int64_t low, std::int64_t high, std::int32_t& value) {
  std::int64_t v = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
  if (ec != std::errc() || end != word.data() + word.size() || v < low || v > high) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

// A whole word as a finite number within [low, high], whatever the process locale.
bool RealNumber(std::string_view word, double low, double high, double& value) {
  double v = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
  if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(v) || v < low ||
      v > high)
    return false;
  value = v;
  return true;
}

bool Coordinates(std::string_view latitude, std::string_view longitude,
                 std::pair<double, double>& at) {
  return RealNumber(latitude, -90, 90, at.first) && RealNumber(longitude, -180, 180, at.second);
}

// Reads one line after the header into the tariff; false with the fault in `error`.
class TariffReader {
 public:
  explicit TariffReader(Tariff& t) : t_(t) {}

  bool Line(const std::vector<std::string_view>& w, int lineNo, std::string* error) {
    const std::string_view word = w[0];
    const std::size_t n = w.size();
    auto once = [&](const char* key) {
      return seen_.insert(key).second || Fail(error, lineNo, std::string(key) + " given twice");
    };
    if (word == "NAME") {
      if (!once("NAME")) return false;
      if (n != 2 || w[1].size() > 8) return Fail(error, lineNo, "NAME of 1 to 8 characters");
      t_.name = base::ToUpper(w[1]);
      return true;
    }
    if (word == "MAXWEIGHT") {
      if (!once("MAXWEIGHT")) return false;
      return (n == 2 && WholeNumber(w[1], 0, kMaxWeight, t_.maxWeight)) ||
             Fail(error, lineNo, "MAXWEIGHT of 0 to 999999 pounds");
    }
    if (word == "CLASSES") {
      if (!once("CLASSES")) return false;
      if (!t_.bands.empty()) return Fail(error, lineNo, "CLASSES after a BAND");
      std::set<std::string_view> names;
      for (std::size_t i = 1; i < n; ++i) {
        if (w[i].size() > kMaxClassName || !names.insert(w[i]).second)
          return Fail(error, lineNo, "class names of 1 to 3 characters, each once");
        t_.classes.emplace_back(w[i]);
      }
      return (!t_.classes.empty() && t_.classes.size() <= kMaxClasses) ||
             Fail(error, lineNo, "1 to 20 classes expected");
    }
    if (word == "BREAKS") {
      if (!once("BREAKS")) return false;
      if (!t_.bands.empty()) return Fail(error, lineNo, "BREAKS after a BAND");
      for (std::size_t i = 1; i < n; ++i) {
        std::int32_t b = 0;
        if (!WholeNumber(w[i], 0, kMaxWeight, b) || (!t_.breaks.empty() && b <= t_.breaks.back()))
          return Fail(error, lineNo, "breaks are rising weights of 0 to 999999 pounds");
        t_.breaks.push_back(b);
      }
      return (!t_.breaks.empty() && t_.breaks.size() <= kMaxBreaks && t_.breaks.front() == 0) ||
             Fail(error, lineNo, "1 to 9 breaks from 0 expected");
    }
    if (word == "SERVE") {
      ServedRange r;
      if ((n != 5 && n != 6) || w[1].size() != 1 || w[1][0] < '1' || w[1][0] > '3' ||
          (w[2].size() != 3 && w[2].size() != 5) || w[3].size() != w[2].size() || w[2] > w[3] ||
          (w[4] != "D" && w[4] != "I") ||
          (n == 6 && !RealNumber(w[5], 0.01, kMaxServedFactor, r.factor)))
        return Fail(error, lineNo, "SERVE country low high D|I [factor] expected");
      r.country = w[1][0] - '0';
      r.low = std::string(w[2]);
      r.high = std::string(w[3]);
      r.service = w[4][0];
      t_.served.push_back(std::move(r));
      return true;
    }
    if (word == "BORDER") {
      std::pair<double, double> at;
      if (n < 3 || !Coordinates(w[1], w[2], at))
        return Fail(error, lineNo, "BORDER latitude longitude [name] expected");
      BorderCrossing c{at.first, at.second, {}};
      for (std::size_t i = 3; i < n; ++i) c.name += (i > 3 ? " " : "") + std::string(w[i]);
      t_.crossings.push_back(std::move(c));
      return true;
    }
    if (word == "BAND") {
      if (t_.classes.empty() || t_.breaks.empty())
        return Fail(error, lineNo, "CLASSES and BREAKS must come first");
      if (t_.classes.size() * t_.breaks.size() > static_cast<std::size_t>(kTableCells))
        return Fail(error, lineNo, "classes times breaks must fit the lane table (171)");
      Band b;
      if (n != 3 || !RealNumber(w[1], 0, kMaxMiles, b.upToMiles) || b.upToMiles <= 0 ||
          w[2].size() > kMaxRbn ||
          (!t_.bands.empty() && b.upToMiles <= t_.bands.back().upToMiles) ||
          FindBand(w[2]) != nullptr)
        return Fail(error, lineNo, "BAND miles rbn expected, rising, rbn unique");
      b.rbn = std::string(w[2]);
      b.rates.assign(t_.classes.size(), {});
      bandIndex_.emplace(b.rbn, t_.bands.size());
      t_.bands.push_back(std::move(b));
      return true;
    }
    if (word == "RATES") {
      Band* b = n >= 3 ? FindBand(w[1]) : nullptr;
      const int c = n >= 3 ? t_.ClassIndex(w[2]) : -1;
      if (b == nullptr || c < 0) return Fail(error, lineNo, "RATES for an unknown band or class");
      if (n != 3 + t_.breaks.size()) return Fail(error, lineNo, "one rate per break expected");
      for (std::size_t i = 0; i < t_.breaks.size(); ++i)
        if (!WholeNumber(w[3 + i], 0, kMaxRateCents, b->rates[static_cast<std::size_t>(c)][i]))
          return Fail(error, lineNo, "rates are 0 to 999999 cents per hundred pounds");
      return true;
    }
    if (word == "MINIMUM") {
      Band* b = n == 5 ? FindBand(w[1]) : nullptr;
      MinimumEntry m;
      if (b == nullptr || !WholeNumber(w[2], 0, 9, m.digit) ||
          !WholeNumber(w[3], 0, kMaxWeight, m.weight) ||
          !WholeNumber(w[4], 0, kMaxChargeCents, m.cents) || b->minimum.size() >= kMaxChargeEntries)
        return Fail(error, lineNo,
                    "MINIMUM rbn digit weight cents expected (cents to 999999, 30 at most)");
      b->minimum.push_back(m);
      return true;
    }
    return Fail(error, lineNo, "unknown line " + std::string(word.substr(0, 20)));
  }

 private:
  // By an index, so that a file of many bands reads in time proportional to its size.
  Band* FindBand(std::string_view rbn) {
    const auto it = bandIndex_.find(rbn);
    return it == bandIndex_.end() ? nullptr : &t_.bands[it->second];
  }

  Tariff& t_;
  std::set<std::string> seen_;
  std::map<std::string, std::size_t, std::less<>> bandIndex_;
};

// Calls `each` with every line of the text (without its line end) and its number; stops
// when `each` returns false.
template <typename Each>
void ForEachLine(std::string_view text, Each each) {
  int lineNo = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    std::string_view line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    at = end + 1;
    if (!each(line, ++lineNo)) return;
  }
}

}  // namespace

std::optional<Tariff> ParseTariff(std::string_view text, std::string* error) {
  Tariff t;
  TariffReader reader(t);
  bool header = false;
  bool ended = false;
  bool damaged = false;
  int lastLine = 0;
  ForEachLine(text, [&](std::string_view line, int lineNo) {
    lastLine = lineNo;
    const std::vector<std::string_view> w = Words(line);
    if (w.empty()) return true;
    if (!header) {
      const std::string first = base::Trim(line);
      header = first == kTariffHeader || first == kOldTariffHeader;
      damaged = !header && !Fail(error, lineNo, "not a tariff file");
      return header;
    }
    if (w.size() == 1 && w[0] == "END") {
      ended = true;
      return false;
    }
    damaged = !reader.Line(w, lineNo, error);
    return !damaged;
  });
  if (damaged) return std::nullopt;
  if (!header) return Fail(error, lastLine, "not a tariff file"), std::nullopt;
  if (!ended) return Fail(error, lastLine, "file ends before END"), std::nullopt;
  if (t.name.empty() || t.bands.empty())
    return Fail(error, lastLine, "a tariff needs a NAME and a BAND"), std::nullopt;
  return t;
}

std::string WriteTariff(const Tariff& t) {
  std::string out =
      fmt::format("{}\nNAME {}\nMAXWEIGHT {}\nCLASSES", kTariffHeader, t.name, t.maxWeight);
  for (const auto& c : t.classes) out += " " + c;
  out += "\nBREAKS";
  for (const auto b : t.breaks) out += fmt::format(" {}", b);
  out += '\n';
  for (const auto& r : t.served)
    out += fmt::format("SERVE {} {} {} {}{}\n", r.country, r.low, r.high, r.service,
                       r.factor == 1.0 ? std::string() : fmt::format(" {}", r.factor));
  for (const auto& c : t.crossings)
    out += fmt::format("BORDER {} {}{}{}\n", c.latitude, c.longitude, c.name.empty() ? "" : " ",
                       c.name);
  for (const Band& b : t.bands) out += fmt::format("BAND {} {}\n", b.upToMiles, b.rbn);
  for (const Band& b : t.bands) {
    for (std::size_t c = 0; c < t.classes.size() && c < b.rates.size(); ++c) {
      out += "RATES " + b.rbn + " " + t.classes[c];
      for (std::size_t w = 0; w < t.breaks.size() && w < kMaxBreaks; ++w)
        out += fmt::format(" {}", b.rates[c][w]);
      out += '\n';
    }
    for (const auto& m : b.minimum)
      out += fmt::format("MINIMUM {} {} {} {}\n", b.rbn, m.digit, m.weight, m.cents);
  }
  out += "END\n";
  return out;
}

namespace {

std::string PointKey(int country, std::string_view prefix) {
  return std::to_string(country) + ":" + std::string(prefix);
}

}  // namespace

void PointTable::Add(int country, const std::string& key, double latitude, double longitude) {
  points_[PointKey(country, base::ToUpper(key))] = {latitude, longitude};
}

std::optional<std::pair<double, double>> PointTable::Find(std::string_view code) const {
  const int country = CountryOf(code);
  const std::string prefix = PrefixOf(code);
  const auto it = points_.find(PointKey(country, country == 3 ? prefix.substr(0, 2) : prefix));
  if (it == points_.end()) return std::nullopt;
  return it->second;
}

std::string PointTable::Write() const {
  std::string out = std::string(kPointsHeader) + "\n";
  for (const auto& [key, at] : points_)
    out += fmt::format("{} {} {} {}\n", key.substr(0, 1), key.substr(2), at.first, at.second);
  return out;
}

std::optional<PointTable> PointTable::Parse(std::string_view text, std::string* error) {
  PointTable table;
  bool damaged = false;
  int lines = 0;
  ForEachLine(text, [&](std::string_view line, int lineNo) {
    lines = lineNo;
    if (lineNo == 1) {
      damaged = base::Trim(line) != kPointsHeader && !Fail(error, 1, "not a points file");
      return !damaged;
    }
    const std::vector<std::string_view> w = Words(line);
    if (w.empty()) return true;
    std::int32_t country = 0;
    std::pair<double, double> at;
    if (w.size() != 4 || !WholeNumber(w[0], 1, 3, country) || w[1].size() > 3 ||
        !Coordinates(w[2], w[3], at)) {
      damaged = !Fail(error, lineNo, "country prefix latitude longitude expected");
      return false;
    }
    table.Add(country, std::string(w[1]), at.first, at.second);
    return true;
  });
  if (damaged) return std::nullopt;
  if (lines == 0) return Fail(error, 0, "empty points file"), std::nullopt;
  return table;
}

double RoadMiles(std::pair<double, double> from, std::pair<double, double> to) {
  constexpr double kEarthMiles = 3958.8;
  constexpr double kRad = 3.14159265358979323846 / 180.0;
  const double dLat = (to.first - from.first) * kRad;
  const double dLon = (to.second - from.second) * kRad;
  const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                   std::cos(from.first * kRad) * std::cos(to.first * kRad) * std::sin(dLon / 2) *
                       std::sin(dLon / 2);
  return 2 * kEarthMiles * std::asin(std::min(1.0, std::sqrt(a))) * kCircuityFactor;
}

}  // namespace tarvex::vorn
