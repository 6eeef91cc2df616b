#include "datakit/geo_part.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/byte_record.h"
#include "base/files.h"
#include "base/program_dir.h"
#include "base/text.h"
#include "geo/postal_code.h"
#include "geo/service_guide.h"
#include "geo/special_points.h"
#include "ratesheet/zipcodes.h"
#include "vorn/tariff.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;
using geo::ServiceZipRange;
using geo::TerminalRecord;

constexpr const char* kCityZipFileName = "cityzip.dat";
constexpr std::size_t kCityZipRecordLength = 36;
constexpr const char* kStateNameFileName = "stname.dat";
constexpr std::size_t kStateNameLines = 49;

// The demo carrier's service rules: points near a terminal of their own country are served
// directly, others through an interline partner; Mexican points always through a partner
// at the border. Days between terminals grow with the road distance.
constexpr double kDirectMilesUs = 250;
constexpr double kDirectMilesCanada = 300;
constexpr double kRoadFactor = 1.15;
// The package knows forward sortation areas only, so every Canadian code of the demo data
// carries this local delivery unit.
constexpr const char* kLocalDeliveryUnit = "0A0";

struct Point {
  double lat = 0;
  double lon = 0;
};

double Miles(Point a, Point b) {
  constexpr double kPi = 3.14159265358979323846;
  const auto rad = [](double deg) { return deg * kPi / 180; };
  const double dLat = rad(b.lat - a.lat);
  const double dLon = rad(b.lon - a.lon);
  const double h =
      std::sin(dLat / 2) * std::sin(dLat / 2) +
      std::cos(rad(a.lat)) * std::cos(rad(b.lat)) * std::sin(dLon / 2) * std::sin(dLon / 2);
  return 3958.8 * 2 * std::asin(std::sqrt(std::min(1.0, h)));
}

std::optional<double> ParseNumber(const std::string& text) {
  return base::ParseNumber(text);
}

std::optional<std::int32_t> ParseWhole(const std::string& text) {
  const auto v = ParseNumber(text);
  if (!v || *v != std::floor(*v) || std::abs(*v) > 2147483647.0) return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

bool IsLetters(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

struct Row {
  std::string where;
  std::vector<std::string> cells;
};

// The rows of a tab-separated source with at least `columns` cells.
std::vector<Row> ReadRows(const fs::path& file, std::size_t columns, Report& report) {
  std::vector<Row> rows;
  for (const DataLine& line : ReadDataLines(file, report)) {
    Row row{line.where, SplitCells(line.text)};
    if (row.cells.size() < columns)
      report.fault(row.where,
                   fmt::format("expected {} columns, found {}", columns, row.cells.size()));
    else
      rows.push_back(std::move(row));
  }
  return rows;
}

std::string Bytes(const base::ByteRecord& r) {
  return std::string(reinterpret_cast<const char*>(r.data()), r.size());
}

void Write(const fs::path& out, const char* name, const std::string& content, Report& report) {
  std::string error;
  if (!base::WriteFileAtomic(out / name, content, &error))
    report.fault((out / name).string(), error);
}

std::optional<Point> ParsePoint(const Row& row, std::size_t latColumn, Report& report) {
  const auto lat = ParseNumber(row.cells[latColumn]);
  const auto lon = ParseNumber(row.cells[latColumn + 1]);
  if (!lat || !lon || std::abs(*lat) > 90 || std::abs(*lon) > 180) {
    report.fault(row.where, "latitude and longitude are no coordinates");
    return std::nullopt;
  }
  return Point{*lat, *lon};
}

struct Terminal {
  TerminalRecord record;
  Point at;
  bool canadian = false;
};

struct Assignment {
  std::int32_t terminal = 0;
  std::string indicator;
  std::int16_t extraDays = 0;
  bool operator==(const Assignment&) const = default;
};

// The nearest terminal among those `eligible` allows, and how the point is served from it.
template <typename Eligible>
Assignment Assign(Point p, const std::vector<Terminal>& terminals, Eligible eligible,
                  double directMiles, bool alwaysInterline, int customsDays) {
  double best = 1e300;
  std::int32_t bestTerminal = 0;
  for (std::size_t i = 0; i < terminals.size(); ++i) {
    if (!eligible(terminals[i])) continue;
    const double d = Miles(p, terminals[i].at);
    if (d < best) {
      best = d;
      bestTerminal = static_cast<std::int32_t>(i + 1);
    }
  }
  Assignment a;
  a.terminal = bestTerminal;
  const bool direct = !alwaysInterline && best <= directMiles;
  a.indicator = direct ? "D" : "I";
  int extra = 0;
  if (direct) {
    extra = best <= 120 ? 0 : 1;
  } else {
    extra = std::min(5, 1 + static_cast<int>(std::ceil(std::max(0.0, best - directMiles) / 250)));
  }
  a.extraDays = static_cast<std::int16_t>(extra + customsDays);
  return a;
}

std::int16_t TransitDays(const Terminal& from, const Terminal& to) {
  const double road = Miles(from.at, to.at) * kRoadFactor;
  int days = road <= 300    ? 1
             : road <= 600  ? 2
             : road <= 1000 ? 3
             : road <= 1500 ? 4
             : road <= 2000 ? 5
                            : 6;
  if (from.canadian != to.canadian) ++days;  // the border crossing
  return static_cast<std::int16_t>(days);
}

struct City {
  std::string name;
  std::string state;
  std::string code;
};

void Build(const fs::path& source, const fs::path& out, Report& report) {
  const fs::path geoDir = source / "geo";
  if (!fs::is_directory(geoDir)) {
    report.fault(geoDir.string(), "missing");
    return;
  }

  // Terminals.
  std::vector<Terminal> terminals;
  for (const auto& row : ReadRows(geoDir / "terminals.tsv", 16, report)) {
    const auto number = ParseWhole(row.cells[0]);
    if (!number || *number != static_cast<std::int32_t>(terminals.size() + 1)) {
      report.fault(row.where, "terminals are numbered 1, 2, 3 ... in file order");
      continue;
    }
    const auto at = ParsePoint(row, 14, report);
    if (!at) continue;
    Terminal t;
    auto& r = t.record;
    const auto& c = row.cells;
    r.code = c[1];
    r.name = c[2];
    r.address1 = c[3];
    r.address2 = c[4];
    r.city = c[5];
    r.state = c[6];
    r.zip = c[7];
    r.phone = c[8];
    r.freePhone = c[9];
    r.fax = c[10];
    r.email = c[11];
    r.contactName = c[12];
    r.contactTitle = c[13];
    t.at = *at;
    t.canadian = geo::PostalCountry(r.zip) == geo::Country::CN;
    terminals.push_back(std::move(t));
  }
  std::string servTerm;
  for (const auto& t : terminals) servTerm += Bytes(t.record.ToBytes());
  Write(out, geo::kTerminalFileName, servTerm, report);

  std::string matrix;
  for (const auto& from : terminals) {
    for (const auto& to : terminals) {
      base::ByteRecord r(geo::kServiceMatrixRecordLength);
      r.setInt16(0, TransitDays(from, to));
      matrix += Bytes(r);
    }
  }
  Write(out, geo::kServiceMatrixFileName, matrix, report);

  // States of the ZIP prefixes.
  std::array<std::string, 1000> stateOf{};
  for (const auto& row : ReadRows(geoDir / "state_prefixes.tsv", 3, report)) {
    const auto from = ParseWhole(row.cells[0]);
    const auto to = ParseWhole(row.cells[1]);
    if (!from || !to || *from < 1 || *to > 999 || *from > *to || row.cells[2].size() != 2) {
      report.fault(row.where, "expected a prefix range within 001 ... 999 and a state");
      continue;
    }
    for (auto p = *from; p <= *to; ++p) stateOf[static_cast<std::size_t>(p)] = row.cells[2];
  }
  std::string stateDat;
  for (std::size_t p = 1; p <= 999; ++p) stateDat += base::PadRight(stateOf[p], 3);
  Write(out, geo::kStateFileName, stateDat, report);

  // States and territories the carrier's trucks do not reach: no terminal serves them and
  // the city look-up does not offer them.
  std::set<std::string> unserved;
  for (const auto& row : ReadRows(geoDir / "unserved_states.tsv", 1, report)) {
    const std::string s = base::Trim(row.cells[0]);
    if (s.size() != 2 || !IsLetters(s)) {
      report.fault(row.where, "expected a two-letter state");
      continue;
    }
    unserved.insert(s);
  }
  const auto servedPrefix = [&](std::int32_t prefix) {
    return prefix >= 1 && prefix <= 999 &&
           unserved.count(stateOf[static_cast<std::size_t>(prefix)]) == 0;
  };

  // The ranges a state typed as a sideline low code expands into: its prefixes a sideline
  // code may name (010 ... 994), a range going on over unassigned prefixes, at most three.
  std::map<std::string, std::vector<ratesheet::CodeRange>> stateRanges;
  std::string lastState;
  for (std::size_t p = 10; p <= 994; ++p) {
    const std::string& s = stateOf[p];
    if (s.empty()) continue;
    auto& ranges = stateRanges[s];
    const std::string code = fmt::format("{:03}", p);
    if (s == lastState)
      ranges.back().high = code;
    else
      ranges.push_back({code, code});
    lastState = s;
  }
  std::string zipcodes;
  for (const auto& [state, ranges] : stateRanges) {
    if (unserved.count(state) != 0) continue;
    if (ranges.size() > ratesheet::kRangesPerState) {
      report.fault((geoDir / "state_prefixes.tsv").string(),
                   state + " lies in more than three ranges of prefixes");
      continue;
    }
    zipcodes += ratesheet::ZipCodesLine(state, ranges) + "\r\n";
  }
  Write(out, ratesheet::kZipCodesFileName, zipcodes, report);

  // Serving terminals of every point, merged into ranges.
  const auto usTerminal = [](const Terminal& t) { return !t.canadian; };
  const auto canadianTerminal = [](const Terminal& t) { return t.canadian; };
  // Mexican freight crosses at a terminal of a border state and goes on with a partner.
  const auto borderTerminal = [](const Terminal& t) {
    const std::string s = base::Trim(t.record.state);
    return s == "TX" || s == "NM" || s == "AZ" || s == "CA";
  };
  std::vector<ServiceZipRange> ranges;
  const auto extend = [&ranges](int country, const std::string& low, const std::string& high,
                                const Assignment& a, bool adjacent) {
    if (adjacent && !ranges.empty()) {
      auto& last = ranges.back();
      if (last.country == country && last.terminal == a.terminal &&
          last.originIndicator == a.indicator && last.originExtraDays == a.extraDays) {
        last.highest = high;
        return;
      }
    }
    ranges.push_back(
        {country, low, high, a.terminal, a.indicator, a.indicator, a.extraDays, a.extraDays});
  };
  if (!terminals.empty()) {
    int previous = -1;
    for (const auto& row : ReadRows(geoDir / "us_prefixes.tsv", 3, report)) {
      const auto prefix = ParseWhole(row.cells[0]);
      const auto at = ParsePoint(row, 1, report);
      if (!prefix || *prefix < 1 || *prefix > 999 || *prefix <= previous) {
        report.fault(row.where, "expected ascending prefixes 001 ... 999");
        continue;
      }
      if (!at) continue;
      if (stateOf[static_cast<std::size_t>(*prefix)].empty()) {
        report.fault(row.where, "prefix has no state");
        continue;
      }
      if (!servedPrefix(*prefix)) continue;
      const auto a = Assign(*at, terminals, usTerminal, kDirectMilesUs, false, 0);
      const std::string low = fmt::format("{:03d}", *prefix);
      extend(1, low, low + "99", a, *prefix == previous + 1);
      previous = *prefix;
    }
  }
  std::vector<City> cities;
  std::string previousFsa;
  for (const auto& row : ReadRows(geoDir / "ca_fsas.tsv", 5, report)) {
    const std::string& fsa = row.cells[0];
    const auto at = ParsePoint(row, 3, report);
    if (fsa.size() != 3 || !geo::ValidatePostalCode(fsa + kLocalDeliveryUnit) ||
        base::CompareText(fsa, previousFsa) <= 0) {
      report.fault(row.where, "expected ascending forward sortation areas such as K1A");
      continue;
    }
    previousFsa = fsa;
    if (!at) continue;
    cities.push_back({row.cells[2], row.cells[1], fsa + kLocalDeliveryUnit});
    if (terminals.empty()) continue;
    extend(2, fsa, fsa + "9Z9",
           Assign(*at, terminals, canadianTerminal, kDirectMilesCanada, false, 0), true);
  }
  int previousRegion = 0;
  for (const auto& row : ReadRows(geoDir / "mx_regions.tsv", 5, report)) {
    const auto from = ParseWhole(row.cells[0]);
    const auto to = ParseWhole(row.cells[1]);
    const auto at = ParsePoint(row, 3, report);
    if (!from || !to || *from <= previousRegion || *to < *from || *to > 99) {
      report.fault(row.where, "expected ascending two-digit ranges 01 ... 99");
      continue;
    }
    previousRegion = *to;
    if (!at || terminals.empty()) continue;
    // "01000M" up to "169M": five-digit codes and three-digit prefixes alike.
    extend(3, fmt::format("{:02d}000M", *from), fmt::format("{:02d}9M", *to),
           Assign(*at, terminals, borderTerminal, 0, true, 1), false);
  }
  std::string servZips;
  for (const auto& r : ranges) servZips += Bytes(r.ToBytes());
  Write(out, geo::kServiceZipFileName, servZips, report);

  // City list.
  for (const auto& row : ReadRows(geoDir / "us_cities.tsv", 3, report)) {
    std::size_t p = 0;
    const std::string& list = row.cells[2];
    while (p < list.size()) {
      auto blank = list.find(' ', p);
      if (blank == std::string::npos) blank = list.size();
      const std::string item = list.substr(p, blank - p);
      p = blank + 1;
      if (item.empty()) continue;
      const auto dash = item.find('-');
      const auto low = ParseWhole(item.substr(0, dash));
      const auto high = dash == std::string::npos ? low : ParseWhole(item.substr(dash + 1));
      if (!low || !high || *low < 1 || *high > 99999 || *high < *low) {
        report.fault(row.where, "not a ZIP code or run of codes: " + item);
        continue;
      }
      for (auto z = *low; z <= *high; ++z)
        if (servedPrefix(z / 100))
          cities.push_back({row.cells[1], row.cells[0], fmt::format("{:05d}", z)});
    }
  }
  for (const auto& row : ReadRows(geoDir / "mx_cities.tsv", 2, report)) {
    const std::string code = row.cells[1] + "M";
    if (!geo::ValidatePostalCode(code)) {
      report.fault(row.where, "not a Mexican postal code: " + row.cells[1]);
      continue;
    }
    cities.push_back({row.cells[0], "MX", code});
  }
  for (auto& c : cities) c.name = base::Utf8ToCp1252(c.name).substr(0, 28);
  std::stable_sort(cities.begin(), cities.end(), [](const City& a, const City& b) {
    const int byName = base::CompareText(base::ToUpper(a.name), base::ToUpper(b.name));
    if (byName != 0) return byName < 0;
    if (a.state != b.state) return a.state < b.state;
    return a.code < b.code;
  });
  std::string cityZip;
  cityZip.reserve(cities.size() * kCityZipRecordLength);
  for (const auto& c : cities) {
    cityZip += base::PadRight(c.name, 28);
    cityZip += base::PadRight(c.state, 2);
    cityZip += base::PadRight(c.code, 6);
  }
  Write(out, kCityZipFileName, cityZip, report);

  // Allowed combinations.
  std::string zipval;
  for (const auto& row : ReadRows(geoDir / "zipval.tsv", 4, report)) {
    bool fits = true;
    for (std::size_t i = 0; i < 4; ++i) fits = fits && row.cells[i].size() == 3;
    if (!fits) {
      report.fault(row.where, "every bound is a three-character prefix");
      continue;
    }
    for (std::size_t i = 0; i < 4; ++i) zipval += row.cells[i];
  }
  Write(out, geo::kZipValFileName, zipval, report);

  // Special points.
  std::vector<std::string> rural;
  for (const auto& row : ReadRows(geoDir / "rural_points.txt", 1, report)) {
    const std::string code = base::ToUpper(base::Trim(row.cells[0]));
    if (!geo::ValidatePostalCode(code)) {
      report.fault(row.where, "not a postal code: " + row.cells[0]);
      continue;
    }
    rural.push_back(code);
  }
  std::sort(rural.begin(), rural.end(),
            [](const std::string& a, const std::string& b) { return base::CompareText(a, b) < 0; });
  rural.erase(std::unique(rural.begin(), rural.end()), rural.end());
  std::string ruralDat;
  for (const auto& r : rural) ruralDat += base::PadRight(r, geo::kRuralRecordLength);
  Write(out, geo::kRuralFileName, ruralDat, report);

  const auto writeRanges = [&](const char* sourceName, const char* name, std::size_t length) {
    std::string content;
    for (const auto& row : ReadRows(geoDir / sourceName, length == 16 ? 3 : 2, report)) {
      const auto low = ParseWhole(row.cells[0]);
      const auto high = ParseWhole(row.cells[1]);
      const auto amount = length == 16 ? ParseNumber(row.cells[2]) : std::optional<double>(0);
      if (!low || !high || !amount) {
        report.fault(row.where,
                     "expected two ZIP codes" + std::string(length == 16 ? " and an amount" : ""));
        continue;
      }
      base::ByteRecord r(length);
      r.setInt32(0, *low);
      r.setInt32(4, *high);
      if (length == 16) r.setFloat64(8, *amount);
      content += Bytes(r);
    }
    Write(out, name, content, report);
  };
  writeRanges("california_points.tsv", geo::kCaliforniaFileName, geo::kCaliforniaRecordLength);
  writeRanges("nyc_points.tsv", geo::kNewYorkCityFileName, geo::kNewYorkCityRecordLength);

  // Text files travel as they are; the check reads them as the program does.
  for (const auto& [from, to] :
       {std::pair<const char*, const char*>{"high_cost.csv", geo::kHighCostFileName},
        {"stname.txt", kStateNameFileName}}) {
    if (!fs::exists(geoDir / from)) {
      report.fault((geoDir / from).string(), "missing");
      continue;
    }
    Write(out, to, base::FileToString(geoDir / from), report);
  }
}

// ---- check ----

struct Checker {
  const fs::path& dir;
  Report& report;

  fs::path file(const char* name) const { return base::ProgramDir(dir).resolve(name); }

  // The whole records of a fixed-record file; a missing file or a length that is not a whole
  // number of records is a finding.
  std::optional<std::vector<base::ByteRecord>> records(const char* name, std::size_t length,
                                                       bool mayBeEmpty = false) {
    const fs::path f = file(name);
    const auto size = base::FileLength(f);
    if (size < 0) {
      report.fault(f.string(), "missing");
      return std::nullopt;
    }
    const auto l = static_cast<std::int64_t>(length);
    if (size % l != 0)
      report.fault(f.string(),
                   fmt::format("length {} is not a whole number of {}-byte records", size, length));
    if (size < l && !mayBeEmpty) report.fault(f.string(), "holds no record");
    const std::string content = base::FileToString(f);
    std::vector<base::ByteRecord> out;
    for (std::size_t p = 0; p + length <= content.size(); p += length)
      out.emplace_back(
          std::vector<std::uint8_t>(content.begin() + static_cast<std::ptrdiff_t>(p),
                                    content.begin() + static_cast<std::ptrdiff_t>(p + length)));
    return out;
  }

  void fault(const char* name, std::size_t record, const std::string& what) {
    report.fault(fmt::format("{} record {}", file(name).string(), record), what);
  }
};

void CheckStates(Checker& k) {
  const auto recs = k.records(geo::kStateFileName, geo::kStateRecordLength);
  if (!recs) return;
  if (recs->size() != 999)
    k.report.fault(k.file(geo::kStateFileName).string(),
                   fmt::format("{} records; every prefix 1 ... 999 needs one", recs->size()));
  for (std::size_t i = 0; i < recs->size(); ++i) {
    const std::string s = (*recs)[i].text(0, 2);
    if (s != "  " && !IsLetters(s))
      k.fault(geo::kStateFileName, i + 1, "state '" + s + "' is neither two letters nor blank");
  }
}

std::int32_t CheckTerminals(Checker& k) {
  const auto recs = k.records(geo::kTerminalFileName, geo::kTerminalRecordLength);
  if (!recs) return 0;
  std::set<std::string> codes;
  for (std::size_t i = 0; i < recs->size(); ++i) {
    const auto t = TerminalRecord::FromBytes((*recs)[i]);
    const std::string code = base::Trim(t.code);
    if (code.empty()) k.fault(geo::kTerminalFileName, i + 1, "terminal code is blank");
    if (!code.empty() && !codes.insert(code).second)
      k.fault(geo::kTerminalFileName, i + 1, "terminal code " + code + " is given twice");
    if (base::Trim(t.name).empty()) k.fault(geo::kTerminalFileName, i + 1, "name is blank");
  }
  return static_cast<std::int32_t>(recs->size());
}

void CheckServiceRanges(Checker& k, std::int32_t terminals) {
  const auto recs = k.records(geo::kServiceZipFileName, geo::kServiceZipRecordLength);
  if (!recs) return;
  for (std::size_t i = 0; i < recs->size(); ++i) {
    const auto r = ServiceZipRange::FromBytes((*recs)[i]);
    const std::size_t n = i + 1;
    const std::string digit = (*recs)[i].text(0, 1);
    if (digit != "1" && digit != "2" && digit != "3")
      k.fault(geo::kServiceZipFileName, n, "country digit '" + digit + "' is not 1, 2 or 3");
    if (r.lowest.empty() || base::CompareText(r.lowest, r.highest) > 0)
      k.fault(geo::kServiceZipFileName, n,
              "range " + r.lowest + " ... " + r.highest + " is empty or reversed");
    if (r.terminal < 1 || r.terminal > terminals)
      k.fault(geo::kServiceZipFileName, n,
              fmt::format("terminal {} is not one of the {} terminals", r.terminal, terminals));
    for (const auto& ind : {r.originIndicator, r.destinationIndicator})
      if (ind != "D" && ind != "I")
        k.fault(geo::kServiceZipFileName, n, "service indicator '" + ind + "' is not D or I");
    if (r.originExtraDays < 0 || r.destinationExtraDays < 0)
      k.fault(geo::kServiceZipFileName, n, "extra days are negative");
    if (i == 0) continue;
    const auto prev = ServiceZipRange::FromBytes((*recs)[i - 1]);
    if (prev.country > r.country ||
        (prev.country == r.country && base::CompareText(prev.lowest, r.lowest) >= 0)) {
      k.fault(geo::kServiceZipFileName, n, "out of order: ranges are sorted by country, then code");
    } else if (prev.country == r.country && base::CompareText(prev.highest, r.lowest) >= 0) {
      k.fault(geo::kServiceZipFileName, n,
              "range " + r.lowest + " ... " + r.highest + " overlaps the range of record " +
                  std::to_string(i) + " (" + prev.lowest + " ... " + prev.highest + ")");
    }
  }
}

void CheckMatrix(Checker& k, std::int32_t terminals) {
  const auto recs = k.records(geo::kServiceMatrixFileName, geo::kServiceMatrixRecordLength);
  if (!recs) return;
  const auto expected = static_cast<std::size_t>(terminals) * static_cast<std::size_t>(terminals);
  if (recs->size() != expected)
    k.report.fault(k.file(geo::kServiceMatrixFileName).string(),
                   fmt::format("{} records; {} terminals need a matrix of {} x {} = {}",
                               recs->size(), terminals, terminals, terminals, expected));
  for (std::size_t i = 0; i < recs->size(); ++i) {
    const auto days = (*recs)[i].int16(0);
    if (days < 1)
      k.fault(geo::kServiceMatrixFileName, i + 1, fmt::format("{} days between terminals", days));
  }
}

// The tariffs the program can rate with: those tariffs.dat and taripntr.dat name, and for each
// state that has one, its intrastate tariff. Nothing when tariffs.dat is not there (a
// directory of the geography alone).
struct Tariffs {
  std::map<std::string, vorn::Tariff> byName;
  std::vector<std::pair<std::string, std::string>> intrastate;  // state, tariff name
};

Tariffs LoadTariffs(Checker& k) {
  Tariffs t;
  const fs::path list = k.file("tariffs.dat");
  if (!fs::exists(list)) return t;
  std::vector<std::string> names;
  const auto lines = [](const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      out.push_back(line);
    }
    return out;
  };
  for (const auto& line : lines(base::FileToString(list))) {
    if (line.size() < 3) continue;
    const std::string kind = base::ToUpper(line.substr(0, 2));
    const std::string name = base::ToUpper(base::Trim(line.substr(2, 8)));
    names.push_back(name);
    if (kind != "US" && kind != "CD" && kind != "CN" && kind != "UM" && kind != "CM")
      t.intrastate.emplace_back(kind, name);
  }
  for (const auto& line : lines(base::FileToString(k.file("taripntr.dat"))))
    if (line.size() >= 21) names.push_back(base::ToUpper(base::Trim(line.substr(20, 8))));
  for (const auto& name : names) {
    if (name.empty() || t.byName.count(name) != 0) continue;
    const fs::path f = k.file((name + std::string(vorn::kTariffExtension)).c_str());
    if (!fs::exists(f)) {
      k.report.fault(f.string(),
                     "tariffs.dat or taripntr.dat names " + name + ", which is missing");
      continue;
    }
    // A damaged tariff is the tariff part's finding; here it only serves nothing.
    if (const auto tariff = vorn::ParseTariff(base::FileToString(f)))
      t.byName.emplace(name, *tariff);
  }
  return t;
}

bool InBox(const StateBox& box, double latitude, double longitude) {
  const auto within = [&](double lon) {
    return lon >= box.west - kStateBoxSlack && lon <= box.east + kStateBoxSlack;
  };
  return latitude >= box.south - kStateBoxSlack && latitude <= box.north + kStateBoxSlack &&
         (within(longitude) || within(longitude - 360));
}

// Every ZIP prefix with a state: a serving terminal when the city list offers a code of it or
// a tariff serves it (a prefix with neither is one the carrier does not serve, and then no
// tariff may rate it either); a centre, which the engine measures from, inside the state;
// and its state's intrastate tariff serves it.
void CheckPrefixes(Checker& k) {
  const auto states = k.records(geo::kStateFileName, geo::kStateRecordLength);
  if (!states) return;
  const base::ProgramDir dir(k.dir);
  std::set<int> offered;
  if (const auto cities = k.records(kCityZipFileName, kCityZipRecordLength))
    for (const auto& r : *cities) {
      const std::string code = base::Trim(r.text(30, 6));
      if (code.size() == 5 && geo::PostalCountry(code) == geo::Country::US)
        offered.insert(static_cast<int>(base::Val(code.substr(0, 3))));
    }
  const Tariffs tariffs = LoadTariffs(k);
  std::optional<vorn::PointTable> points;
  const fs::path pointsFile = k.file(std::string(vorn::kPointsFileName).c_str());
  if (fs::exists(pointsFile)) {
    std::string error;
    points = vorn::PointTable::Parse(base::FileToString(pointsFile), &error);
    if (!points) k.report.fault(pointsFile.string(), "cannot be read: " + error);
  }
  std::string indicator;
  std::int16_t extra = 0;
  for (std::size_t i = 0; i < states->size(); ++i) {
    const std::string state = base::Trim((*states)[i].text(0, 2));
    if (state.empty()) continue;
    const std::size_t n = i + 1;
    const std::string prefix = fmt::format("{:03d}", n);
    std::string servedBy;
    for (const auto& [name, tariff] : tariffs.byName)
      if (servedBy.empty() && tariff.Serving(prefix) != nullptr) servedBy = name;
    bool hasTerminal = true;
    for (const auto& code : {prefix, prefix + "00", prefix + "99"})
      hasTerminal = hasTerminal && geo::FindServiceTerminal(dir, code, "O", indicator, extra) != 0;
    if (!hasTerminal && offered.count(static_cast<int>(n)) != 0)
      k.fault(geo::kStateFileName, n,
              "ZIP " + prefix + " has no serving terminal, yet the city look-up offers it");
    else if (!hasTerminal && !servedBy.empty())
      k.fault(geo::kStateFileName, n,
              "ZIP " + prefix + " has no serving terminal, yet tariff " + servedBy + " serves it");
    for (const auto& [s, name] : tariffs.intrastate) {
      const auto t = tariffs.byName.find(name);
      if (s == state && hasTerminal && t != tariffs.byName.end() &&
          t->second.Serving(prefix) == nullptr)
        k.fault(geo::kStateFileName, n,
                "ZIP " + prefix + " of " + state + " is not served by " + name + ", the " + state +
                    " intrastate tariff");
    }
    if (!points) continue;
    const auto at = points->Find(prefix);
    if (!at) {
      if (hasTerminal && !servedBy.empty())
        k.report.fault(pointsFile.string(),
                       "ZIP " + prefix + " is served but has no centre to measure from");
      continue;
    }
    const auto box = std::find_if(StateBoxes().begin(), StateBoxes().end(),
                                  [&](const StateBox& b) { return state == b.state; });
    if (box == StateBoxes().end()) {
      k.report.fault(pointsFile.string(),
                     fmt::format("ZIP {} of {} has a centre ({:.4f}, {:.4f}), yet {} has no place "
                                 "of its own",
                                 prefix, state, at->first, at->second, state));
    } else if (!InBox(*box, at->first, at->second)) {
      k.report.fault(
          pointsFile.string(),
          fmt::format("ZIP {} has its centre ({:.4f}, {:.4f}) outside {} (latitude {:.2f} ... "
                      "{:.2f}, longitude {:.2f} ... {:.2f})",
                      prefix, at->first, at->second, state, box->south, box->north, box->west,
                      box->east));
    }
  }
}

// Every code of the city list has a serving terminal.
void CheckCoverage(Checker& k) {
  // The city list holds tens of thousands of codes: each is looked for among the ranges of
  // its country in memory (their order is checked above).
  const auto ranges = k.records(geo::kServiceZipFileName, geo::kServiceZipRecordLength);
  const auto cities = k.records(kCityZipFileName, kCityZipRecordLength);
  if (!ranges || !cities) return;
  std::map<int, std::vector<ServiceZipRange>> byCountry;
  for (const auto& r : *ranges) {
    auto z = ServiceZipRange::FromBytes(r);
    byCountry[z.country].push_back(std::move(z));
  }
  for (auto& [country, list] : byCountry)
    std::sort(list.begin(), list.end(), [](const ServiceZipRange& a, const ServiceZipRange& b) {
      return base::CompareText(a.lowest, b.lowest) < 0;
    });
  for (std::size_t i = 0; i < cities->size(); ++i) {
    const std::string code = base::Trim((*cities)[i].text(30, 6));
    const auto& list = byCountry[geo::ServiceCountryDigit(code)];
    auto it = std::upper_bound(list.begin(), list.end(), code,
                               [](const std::string& c, const ServiceZipRange& r) {
                                 return base::CompareText(c, r.lowest) < 0;
                               });
    const bool covered = it != list.begin() && base::CompareText(code, std::prev(it)->highest) <= 0;
    if (!covered) k.fault(kCityZipFileName, i + 1, "code " + code + " has no serving terminal");
  }
}

void CheckCities(Checker& k) {
  const auto recs = k.records(kCityZipFileName, kCityZipRecordLength);
  if (!recs) return;
  std::string previous;
  for (std::size_t i = 0; i < recs->size(); ++i) {
    const auto& r = (*recs)[i];
    const std::string name = base::ToUpper(r.text(0, 28));
    const std::string code = base::Trim(r.text(30, 6));
    if (base::Trim(name).empty()) k.fault(kCityZipFileName, i + 1, "city name is blank");
    if (!geo::ValidatePostalCode(code))
      k.fault(kCityZipFileName, i + 1, "'" + code + "' is not a postal code");
    if (i > 0 && base::CompareText(previous, name) > 0)
      k.fault(kCityZipFileName, i + 1, "out of order: cities are sorted by name");
    previous = name;
  }
}

void CheckCombinations(Checker& k) {
  const auto recs = k.records(geo::kZipValFileName, geo::kZipValRecordLength);
  if (!recs) return;
  for (std::size_t i = 0; i < recs->size(); ++i) {
    const auto& r = (*recs)[i];
    if (base::CompareText(r.text(0, 3), r.text(3, 3)) > 0 ||
        base::CompareText(r.text(6, 3), r.text(9, 3)) > 0)
      k.fault(geo::kZipValFileName, i + 1, "a prefix range is reversed");
  }
}

void CheckRural(Checker& k) {
  const auto recs = k.records(geo::kRuralFileName, geo::kRuralRecordLength, true);
  if (!recs) return;
  std::string previous;
  for (std::size_t i = 0; i < recs->size(); ++i) {
    const std::string code = base::ToUpper(base::Trim((*recs)[i].text(0, 6)));
    if (code.empty()) k.fault(geo::kRuralFileName, i + 1, "blank code");
    if (i > 0 && base::CompareText(previous, code) >= 0)
      k.fault(geo::kRuralFileName, i + 1, "out of order or given twice: " + code);
    previous = code;
  }
}

void CheckZipRanges(Checker& k, const char* name, std::size_t length) {
  const auto recs = k.records(name, length, true);
  if (!recs) return;
  for (std::size_t i = 0; i < recs->size(); ++i) {
    const auto& r = (*recs)[i];
    const auto low = r.int32(0);
    const auto high = r.int32(4);
    if (low < 1 || high > 99999 || low > high)
      k.fault(name, i + 1, fmt::format("range {} ... {} is not a range of ZIP codes", low, high));
    if (length == geo::kCaliforniaRecordLength &&
        (!std::isfinite(r.float64(8)) || r.float64(8) < 0))
      k.fault(name, i + 1, "surcharge is not an amount");
    if (i > 0) {
      const auto& prev = (*recs)[i - 1];
      if (prev.int32(0) >= low)
        k.fault(name, i + 1, "out of order: ranges are sorted by their lowest code");
      else if (prev.int32(4) >= low)
        k.fault(name, i + 1, fmt::format("range {} ... {} overlaps record {}", low, high, i));
    }
  }
}

void CheckHighCost(Checker& k) {
  const fs::path f = k.file(geo::kHighCostFileName);
  if (!fs::exists(f)) {
    k.report.fault(f.string(), "missing");
    return;
  }
  std::size_t leftOver = 0;
  const auto entries = geo::ParseHighCost(base::FileToString(f), &leftOver);
  if (leftOver > 0)
    k.report.fault(f.string(), fmt::format("the last entry has {} of its 7 values", leftOver));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto& e = entries[i];
    const std::string where = fmt::format("{} entry {}", f.string(), i + 1);
    const std::string d = base::Trim(e.direction);
    if (d != "O" && d != "D" && d != "B")
      k.report.fault(where, "direction '" + e.direction + "' is not O, D or B");
    if (base::CompareText(base::Trim(e.lowest), base::Trim(e.highest)) > 0)
      k.report.fault(where, "area " + e.lowest + " ... " + e.highest + " is reversed");
    for (const auto& [what, text] : {std::pair<const char*, std::string>{"minimum", e.minimumText},
                                     {"rate", e.rateText},
                                     {"maximum", e.maximumText}}) {
      if (!geo::HighCostAmount(text)) {
        k.report.fault(where, fmt::format("{} '{}' is not a number and counts as 0", what, text));
      } else if (text.find('$') == std::string::npos && text.find('.') == std::string::npos &&
                 base::Val(text) != 0) {
        k.report.fault(where, fmt::format("{} '{}' without \"$\" reads as {}0", what, text, text));
      }
    }
  }
}

void CheckStateNames(Checker& k) {
  const fs::path f = k.file(kStateNameFileName);
  if (!fs::exists(f)) {
    k.report.fault(f.string(), "missing");
    return;
  }
  const std::string content = base::FileToString(f);
  std::size_t p = 0;
  std::size_t line = 0;
  while (p < content.size()) {
    auto end = content.find('\n', p);
    if (end == std::string::npos) end = content.size();
    std::string text = content.substr(p, end - p);
    p = end + 1;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    ++line;
    const std::string where = fmt::format("{} line {}", f.string(), line);
    if (line > kStateNameLines) {
      k.report.fault(where, "beyond the 49 states the discount editor lists");
      continue;
    }
    if (text.size() != 23 || !IsLetters(text.substr(21, 2)) ||
        base::Trim(text.substr(0, 21)).empty())
      k.report.fault(where, "expected a 21-character state name and a two-letter code");
    if (text.find(',') != std::string::npos) k.report.fault(where, "a comma splits the line");
  }
}

void CheckStateRanges(Checker& k) {
  const fs::path f = k.file(ratesheet::kZipCodesFileName);
  std::ifstream in(f, std::ios::binary);
  if (!in) {
    k.report.fault(f.string(), "missing");
    return;
  }
  // The window stops at the first key past the one it looks for: the keys must rise.
  std::string line;
  std::string last;
  for (std::size_t n = 1; std::getline(in, line); ++n) {
    const std::string key = line.substr(0, 2);
    const std::string where = fmt::format("{} line {}", f.string(), n);
    if (!last.empty() && base::CompareText(key, last) <= 0)
      k.report.fault(where, "state " + key + " does not follow " + last);
    last = key;
    const auto ranges = ratesheet::ReadStateRanges(base::ProgramDir(k.dir), key);
    if (!ranges.ok())
      k.report.fault(where, ranges.fault());
    else if (ranges.value().empty())
      k.report.fault(where, "state " + key + " cannot be found");
  }
}

void Check(const fs::path& dir, Report& report) {
  Checker k{dir, report};
  CheckStates(k);
  const auto terminals = CheckTerminals(k);
  CheckServiceRanges(k, terminals);
  CheckMatrix(k, terminals);
  CheckCities(k);
  CheckCoverage(k);
  CheckPrefixes(k);
  CheckCombinations(k);
  CheckRural(k);
  CheckZipRanges(k, geo::kCaliforniaFileName, geo::kCaliforniaRecordLength);
  CheckZipRanges(k, geo::kNewYorkCityFileName, geo::kNewYorkCityRecordLength);
  CheckHighCost(k);
  CheckStateNames(k);
  CheckStateRanges(k);
}

// ---- dump ----

bool Dump(const fs::path& file, std::ostream& out, Report& report) {
  const std::string name = file.filename().string();
  const auto is = [&name](const char* n) { return base::EqualsNoCase(name, n); };
  const auto each = [&](std::size_t length, auto line) {
    const std::string content = base::FileToString(file);
    if (base::FileLength(file) < 0) report.fault(file.string(), "missing");
    std::size_t n = 0;
    for (std::size_t p = 0; p + length <= content.size(); p += length) {
      base::ByteRecord r(
          std::vector<std::uint8_t>(content.begin() + static_cast<std::ptrdiff_t>(p),
                                    content.begin() + static_cast<std::ptrdiff_t>(p + length)));
      out << fmt::format("{:>6}  ", ++n) << line(r) << '\n';
    }
    if (content.size() % length != 0)
      report.fault(file.string(), fmt::format("{} bytes left over after the last whole record",
                                              content.size() % length));
  };
  if (is(geo::kStateFileName)) {
    each(geo::kStateRecordLength, [](const base::ByteRecord& r) { return r.text(0, 2); });
  } else if (is(kCityZipFileName)) {
    each(kCityZipRecordLength, [](const base::ByteRecord& r) {
      return base::Cp1252ToUtf8(r.text(0, 28)) + " | " + r.text(28, 2) + " | " + r.text(30, 6);
    });
  } else if (is(geo::kTerminalFileName)) {
    each(geo::kTerminalRecordLength, [](const base::ByteRecord& r) {
      const auto t = TerminalRecord::FromBytes(r);
      const auto tr = [](const std::string& s) { return base::Cp1252ToUtf8(base::Trim(s)); };
      return fmt::format(
          "{} | {} | {} | {} | {}, {}  {} | phone {} | free {} | fax {} | {} | {}, {}", tr(t.code),
          tr(t.name), tr(t.address1), tr(t.address2), tr(t.city), tr(t.state), tr(t.zip),
          tr(t.phone), tr(t.freePhone), tr(t.fax), tr(t.email), tr(t.contactName),
          tr(t.contactTitle));
    });
  } else if (is(geo::kServiceZipFileName)) {
    each(geo::kServiceZipRecordLength, [](const base::ByteRecord& r) {
      const auto z = ServiceZipRange::FromBytes(r);
      return fmt::format(
          "{} | {:<6} ... {:<6} | terminal {:>3} | origin {} +{} | destination {} +{}",
          r.text(0, 1), z.lowest, z.highest, z.terminal, z.originIndicator, z.originExtraDays,
          z.destinationIndicator, z.destinationExtraDays);
    });
  } else if (is(geo::kServiceMatrixFileName)) {
    const auto n = geo::TerminalCount(base::ProgramDir(file.parent_path()));
    std::int64_t i = 0;
    each(geo::kServiceMatrixRecordLength, [&](const base::ByteRecord& r) {
      const std::int64_t at = i++;
      if (n < 1) return fmt::format("{} days", r.int16(0));
      return fmt::format("from {:>3} to {:>3}: {} days", at / n + 1, at % n + 1, r.int16(0));
    });
  } else if (is(geo::kZipValFileName)) {
    each(geo::kZipValRecordLength, [](const base::ByteRecord& r) {
      return r.text(0, 3) + " ... " + r.text(3, 3) + "  to  " + r.text(6, 3) + " ... " +
             r.text(9, 3);
    });
  } else if (is(geo::kRuralFileName)) {
    each(geo::kRuralRecordLength, [](const base::ByteRecord& r) { return r.text(0, 6); });
  } else if (is(geo::kCaliforniaFileName)) {
    each(geo::kCaliforniaRecordLength, [](const base::ByteRecord& r) {
      return fmt::format("{:05d} ... {:05d} | {:.2f}", r.int32(0), r.int32(4), r.float64(8));
    });
  } else if (is(geo::kNewYorkCityFileName)) {
    each(geo::kNewYorkCityRecordLength, [](const base::ByteRecord& r) {
      return fmt::format("{:05d} ... {:05d}", r.int32(0), r.int32(4));
    });
  } else if (is(geo::kHighCostFileName)) {
    if (base::FileLength(file) < 0) report.fault(file.string(), "missing");
    std::size_t n = 0;
    for (const auto& e : geo::ParseHighCost(base::FileToString(file))) {
      const auto amount = [](const std::string& t) {
        const auto a = geo::HighCostAmount(t);
        return a ? fmt::format("{:.2f}", *a) : "0 (not a number: '" + t + "')";
      };
      out << fmt::format("{:>6}  {} ... {} | {} | {} | minimum {} | rate {} | maximum {}\n", ++n,
                         e.lowest, e.highest, e.text, e.direction, amount(e.minimumText),
                         amount(e.rateText), amount(e.maximumText));
    }
  } else if (is(kStateNameFileName)) {
    out << base::FileToString(file);
  } else {
    return false;
  }
  return true;
}

}  // namespace

const std::vector<StateBox>& StateBoxes() {
  // From the Census outlines of the states (the demo source geo/state_bounds.tsv, written by
  // geo/convert_outlines.py, holds the same figures); Alaska reaches west across the date line.
  static const std::vector<StateBox> boxes = {
      {"AK", 51.23, 71.35, -187.54, -129.98}, {"AL", 30.22, 35.01, -88.47, -84.89},
      {"AR", 33.00, 36.50, -94.62, -89.66},   {"AS", -14.37, -14.16, -170.85, -169.42},
      {"AZ", 31.33, 37.00, -114.81, -109.04}, {"CA", 32.53, 42.01, -124.41, -114.13},
      {"CO", 36.99, 41.00, -109.06, -102.04}, {"CT", 40.98, 42.05, -73.73, -71.79},
      {"DC", 38.79, 38.99, -77.12, -76.91},   {"DE", 38.45, 39.84, -75.79, -75.05},
      {"FL", 24.51, 31.00, -87.63, -80.03},   {"GA", 30.36, 35.00, -85.61, -80.84},
      {"GU", 13.25, 13.65, 144.62, 144.96},   {"HI", 18.92, 22.23, -160.25, -154.81},
      {"IA", 40.38, 43.50, -96.63, -90.14},   {"ID", 41.99, 49.00, -117.24, -111.04},
      {"IL", 36.97, 42.51, -91.51, -87.49},   {"IN", 37.77, 41.76, -88.10, -84.78},
      {"KS", 36.99, 40.00, -102.05, -94.59},  {"KY", 36.50, 39.15, -89.57, -81.97},
      {"LA", 28.93, 33.02, -94.04, -88.82},   {"MA", 41.24, 42.89, -73.51, -69.93},
      {"MD", 37.92, 39.72, -79.49, -75.05},   {"ME", 43.06, 47.46, -71.08, -66.98},
      {"MI", 41.70, 48.19, -90.42, -82.42},   {"MN", 43.50, 49.38, -97.24, -89.49},
      {"MO", 36.00, 40.61, -95.77, -89.10},   {"MP", 14.11, 18.81, 145.12, 146.08},
      {"MS", 30.18, 35.00, -91.64, -88.10},   {"MT", 44.36, 49.00, -116.05, -104.04},
      {"NC", 33.85, 36.59, -84.32, -75.46},   {"ND", 45.93, 49.00, -104.05, -96.56},
      {"NE", 40.00, 43.00, -104.05, -95.31},  {"NH", 42.70, 45.31, -72.56, -70.70},
      {"NJ", 38.93, 41.36, -75.56, -73.89},   {"NM", 31.33, 37.00, -109.05, -103.00},
      {"NV", 35.00, 42.00, -120.01, -114.04}, {"NY", 40.50, 45.02, -79.76, -71.86},
      {"OH", 38.41, 41.98, -84.82, -80.52},   {"OK", 33.62, 37.00, -103.00, -94.43},
      {"OR", 41.99, 46.27, -124.55, -116.46}, {"PA", 39.72, 42.27, -80.52, -74.70},
      {"PR", 17.91, 18.52, -67.94, -65.22},   {"RI", 41.15, 42.02, -71.86, -71.12},
      {"SC", 32.03, 35.22, -83.35, -78.54},   {"SD", 42.48, 45.95, -104.06, -96.44},
      {"TN", 34.98, 36.68, -90.31, -81.65},   {"TX", 25.84, 36.50, -106.65, -93.52},
      {"UT", 37.00, 42.00, -114.05, -109.04}, {"VA", 36.54, 39.47, -83.68, -75.24},
      {"VI", 17.68, 18.38, -65.08, -64.58},   {"VT", 42.73, 45.02, -73.44, -71.49},
      {"WA", 45.54, 49.00, -124.73, -116.92}, {"WI", 42.49, 47.08, -92.89, -86.82},
      {"WV", 37.20, 40.64, -82.64, -77.72},   {"WY", 41.00, 45.01, -111.06, -104.05},
  };
  return boxes;
}

Part GeoPart() {
  return Part{"geography", Build, Check, Dump};
}

}  // namespace tarvex::datakit
