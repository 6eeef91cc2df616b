#include "vorn/tariff.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "base/text.h"

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
  for (const ServedRange& r : served)
    if (r.country == country && prefix >= r.low && prefix <= r.high) return &r;
  return nullptr;
}

const Band& Tariff::BandFor(double miles) const {
  for (const Band& b : bands)
    if (miles <= b.upToMiles) return b;
  return bands.back();
}

namespace {

bool Fail(std::string* error, int line, const std::string& what) {
  if (error != nullptr) *error = "line " + std::to_string(line) + ": " + what;
  return false;
}

bool ReadInt(std::istringstream& in, std::int32_t& value) {
  long long v = 0;
  if (!(in >> v) || v < 0 || v > 99999999) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

Band* FindBand(Tariff& t, const std::string& rbn) {
  for (Band& b : t.bands)
    if (b.rbn == rbn) return &b;
  return nullptr;
}

bool ParseLine(Tariff& t, const std::string& line, int lineNo, std::string* error) {
  std::istringstream in(line);
  std::string word;
  in >> word;
  if (word == "NAME") {
    in >> t.name;
    t.name = base::ToUpper(t.name);
    return !t.name.empty() && t.name.size() <= 8 ? true : Fail(error, lineNo, "bad tariff name");
  }
  if (word == "MAXWEIGHT") return ReadInt(in, t.maxWeight) || Fail(error, lineNo, "bad weight");
  if (word == "CLASSES") {
    for (std::string c; in >> c;) t.classes.push_back(c);
    return !t.classes.empty() && t.classes.size() <= kMaxClasses
               ? true
               : Fail(error, lineNo, "1 to 20 classes expected");
  }
  if (word == "BREAKS") {
    std::int32_t b = 0;
    while (ReadInt(in, b)) {
      if (!t.breaks.empty() && b <= t.breaks.back())
        return Fail(error, lineNo, "breaks must rise");
      t.breaks.push_back(b);
    }
    return !t.breaks.empty() && t.breaks.size() <= kMaxBreaks && t.breaks.front() == 0
               ? true
               : Fail(error, lineNo, "1 to 9 breaks from 0 expected");
  }
  if (word == "SERVE") {
    ServedRange r;
    std::string service;
    if (!(in >> r.country >> r.low >> r.high >> service) || r.country < 1 || r.country > 3 ||
        r.low.size() != 3 || r.high.size() != 3 || (service != "D" && service != "I"))
      return Fail(error, lineNo, "SERVE country low high D|I expected");
    r.service = service[0];
    t.served.push_back(r);
    return true;
  }
  if (word == "BORDER") {
    double lat = 0, lon = 0;
    if (!(in >> lat >> lon) || std::fabs(lat) > 90 || std::fabs(lon) > 180)
      return Fail(error, lineNo, "BORDER latitude longitude expected");
    t.border = {lat, lon};
    return true;
  }
  if (word == "BAND") {
    Band b;
    if (!(in >> b.upToMiles >> b.rbn) || b.upToMiles <= 0 || b.rbn.size() > 11 ||
        (!t.bands.empty() && b.upToMiles <= t.bands.back().upToMiles) || FindBand(t, b.rbn))
      return Fail(error, lineNo, "BAND miles rbn expected, rising, rbn unique");
    b.rates.assign(t.classes.size(), {});
    t.bands.push_back(std::move(b));
    return true;
  }
  if (word == "RATES") {
    std::string rbn, className;
    in >> rbn >> className;
    Band* b = FindBand(t, rbn);
    const int c = t.ClassIndex(className);
    if (b == nullptr || c < 0) return Fail(error, lineNo, "RATES for an unknown band or class");
    for (std::size_t i = 0; i < t.breaks.size(); ++i)
      if (!ReadInt(in, b->rates[static_cast<std::size_t>(c)][i]))
        return Fail(error, lineNo, "one rate per break expected");
    return true;
  }
  if (word == "MINIMUM") {
    std::string rbn;
    MinimumEntry m;
    in >> rbn;
    Band* b = FindBand(t, rbn);
    if (b == nullptr || !(in >> m.digit) || m.digit < 0 || m.digit > 9 || !ReadInt(in, m.weight) ||
        !ReadInt(in, m.cents) || b->minimum.size() >= 30)
      return Fail(error, lineNo, "MINIMUM rbn digit weight cents expected (30 at most)");
    b->minimum.push_back(m);
    return true;
  }
  return Fail(error, lineNo, "unknown line " + word);
}

}  // namespace

std::optional<Tariff> ParseTariff(std::string_view text, std::string* error) {
  Tariff t;
  std::istringstream in{std::string(text)};
  std::string line;
  int lineNo = 0;
  bool header = false;
  bool ended = false;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (base::Trim(line).empty()) continue;
    if (!header) {
      if (line != "VORN-TARIFF 1") return Fail(error, lineNo, "not a tariff file"), std::nullopt;
      header = true;
      continue;
    }
    if (line == "END") {
      ended = true;
      break;
    }
    // Classes and breaks come before anything that refers to them.
    if ((line.rfind("BAND", 0) == 0 || line.rfind("RATES", 0) == 0) &&
        (t.classes.empty() || t.breaks.empty()))
      return Fail(error, lineNo, "CLASSES and BREAKS must come first"), std::nullopt;
    if (!ParseLine(t, line, lineNo, error)) return std::nullopt;
  }
  if (!ended) return Fail(error, lineNo, "file ends before END"), std::nullopt;
  if (t.name.empty() || t.bands.empty())
    return Fail(error, lineNo, "a tariff needs a NAME and a BAND"), std::nullopt;
  return t;
}

std::string WriteTariff(const Tariff& t) {
  std::ostringstream out;
  out << "VORN-TARIFF 1\nNAME " << t.name << "\nMAXWEIGHT " << t.maxWeight << "\nCLASSES";
  for (const auto& c : t.classes) out << ' ' << c;
  out << "\nBREAKS";
  for (const auto b : t.breaks) out << ' ' << b;
  out << '\n';
  for (const auto& r : t.served)
    out << "SERVE " << r.country << ' ' << r.low << ' ' << r.high << ' ' << r.service << '\n';
  if (t.border) out << "BORDER " << t.border->first << ' ' << t.border->second << '\n';
  for (const Band& b : t.bands) out << "BAND " << b.upToMiles << ' ' << b.rbn << '\n';
  for (const Band& b : t.bands) {
    for (std::size_t c = 0; c < t.classes.size(); ++c) {
      out << "RATES " << b.rbn << ' ' << t.classes[c];
      for (std::size_t w = 0; w < t.breaks.size(); ++w) out << ' ' << b.rates[c][w];
      out << '\n';
    }
    for (const auto& m : b.minimum)
      out << "MINIMUM " << b.rbn << ' ' << m.digit << ' ' << m.weight << ' ' << m.cents << '\n';
  }
  out << "END\n";
  return out.str();
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
  std::ostringstream out;
  out.precision(8);
  out << "VORN-POINTS 1\n";
  for (const auto& [key, at] : points_)
    out << key.substr(0, 1) << ' ' << key.substr(2) << ' ' << at.first << ' ' << at.second << '\n';
  return out.str();
}

std::optional<PointTable> PointTable::Parse(std::string_view text, std::string* error) {
  PointTable table;
  std::istringstream in{std::string(text)};
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (lineNo == 1) {
      if (base::Trim(line) != "VORN-POINTS 1") return Fail(error, 1, "not a points file"), std::nullopt;
      continue;
    }
    if (base::Trim(line).empty()) continue;
    std::istringstream fields(line);
    int country = 0;
    std::string key;
    double lat = 0, lon = 0;
    if (!(fields >> country >> key >> lat >> lon) || country < 1 || country > 3 ||
        std::fabs(lat) > 90 || std::fabs(lon) > 180)
      return Fail(error, lineNo, "country prefix latitude longitude expected"), std::nullopt;
    table.Add(country, key, lat, lon);
  }
  if (lineNo == 0) return Fail(error, 0, "empty points file"), std::nullopt;
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
