#include "datakit/tariff_part.h"

#include <charconv>
#include <cmath>
#include <map>
#include <ostream>
#include <sstream>
#include <vector>

#include "base/files.h"
#include "base/text.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

struct Section {
  std::string name;
  std::vector<std::pair<int, std::string>> lines;  // line number, text
};

std::vector<Section> Sections(const std::string& source) {
  std::vector<Section> sections;
  std::istringstream in(source);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    const auto hash = line.find('#');
    const std::string t = base::Trim(hash == std::string::npos ? line : line.substr(0, hash));
    if (t.empty()) continue;
    if (t.front() == '[' && t.back() == ']') {
      sections.push_back({base::Trim(t.substr(1, t.size() - 2)), {}});
      continue;
    }
    if (sections.empty()) sections.push_back({"", {}});
    sections.back().lines.emplace_back(lineNo, t);
  }
  return sections;
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// A whole word as a finite number, whatever the process locale.
bool Number(const std::string& text, double& value) {
  const char* first = text.data();
  if (!text.empty() && text[0] == '+') ++first;
  const auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
  return !text.empty() && ec == std::errc() && end == text.data() + text.size() &&
         std::isfinite(value);
}

// A number that a whole-number field of the tariff can hold.
bool Within(double value, double low, double high) {
  return value >= low && value <= high;
}

}  // namespace

std::optional<vorn::Tariff> CompileTariff(const std::string& source, const std::string& where,
                                          Report& report) {
  vorn::Tariff t;
  std::map<std::string, double> classFactor;
  std::map<std::int32_t, double> breakFactor;
  struct BandRule {
    double baseRate;
  };
  std::map<std::string, BandRule> rules;
  std::map<std::string, std::vector<std::vector<std::string>>> explicitRates;
  std::vector<vorn::MinimumEntry> single;
  const std::size_t faultsBefore = report.faults().size();
  auto fault = [&](int line, const std::string& what) {
    report.fault(where + ":" + std::to_string(line), what);
  };

  for (const Section& s : Sections(source)) {
    for (const auto& [lineNo, text] : s.lines) {
      const std::vector<std::string> w = Words(text);
      double a = 0, b = 0, c = 0;
      if (s.name == "tariff") {
        const auto eq = text.find('=');
        if (eq == std::string::npos) {
          fault(lineNo, "expected key = value");
          continue;
        }
        const std::string key = base::Trim(text.substr(0, eq));
        const std::string value = base::Trim(text.substr(eq + 1));
        const std::vector<std::string> values = Words(value);
        if (key == "name") {
          t.name = base::ToUpper(value);
          if (t.name.empty() || t.name.size() > 8) fault(lineNo, "a name of 1 to 8 characters");
        } else if (key == "max_weight") {
          if (!Number(value, a) || !Within(a, 0, vorn::kMaxWeight))
            fault(lineNo, "max_weight is a number of pounds up to 999999");
          else
            t.maxWeight = static_cast<std::int32_t>(a);
        } else if (key == "classes") {
          t.classes = values;
        } else if (key == "breaks") {
          for (const std::string& v : values) {
            if (!Number(v, a) || !Within(a, 0, vorn::kMaxWeight) ||
                (!t.breaks.empty() && a <= t.breaks.back()))
              fault(lineNo, "breaks are rising pound weights up to 999999");
            else
              t.breaks.push_back(static_cast<std::int32_t>(a));
          }
        } else if (key == "border") {
          // One crossing, the way sources before [crossings] named it.
          if (values.size() != 2 || !Number(values[0], a) || !Number(values[1], b) ||
              !Within(a, -90, 90) || !Within(b, -180, 180))
            fault(lineNo, "border is latitude and longitude");
          else
            t.crossings.push_back({a, b, {}});
        } else {
          fault(lineNo, "unknown key " + key);
        }
      } else if (s.name == "served") {
        double factor = 1.0;
        if ((w.size() != 4 && w.size() != 5) || (w[0] != "1" && w[0] != "2" && w[0] != "3") ||
            (w[1].size() != 3 && w[1].size() != 5) || w[2].size() != w[1].size() ||
            (w[3] != "D" && w[3] != "I") || w[1] > w[2] ||
            (w.size() == 5 &&
             (!Number(w[4], factor) || !Within(factor, 0.01, vorn::kMaxServedFactor)))) {
          fault(lineNo, "expected country low high D|I [factor from 0.01 to 10]");
          continue;
        }
        t.served.push_back(
            {w[0][0] - '0', base::ToUpper(w[1]), base::ToUpper(w[2]), w[3][0], factor});
      } else if (s.name == "crossings") {
        if (w.size() < 3 || !Number(w[0], a) || !Number(w[1], b) || !Within(a, -90, 90) ||
            !Within(b, -180, 180)) {
          fault(lineNo, "expected latitude longitude name");
          continue;
        }
        vorn::BorderCrossing crossing{a, b, w[2]};
        for (std::size_t i = 3; i < w.size(); ++i) crossing.name += " " + w[i];
        t.crossings.push_back(std::move(crossing));
      } else if (s.name == "bands") {
        if (w.size() != 4 || !Number(w[0], a) || !Number(w[2], b) || !Number(w[3], c) ||
            w[1].empty() || w[1].size() > vorn::kMaxRbn || !Within(a, 1e-9, vorn::kMaxMiles) ||
            !Within(b, 0, vorn::kMaxRateCents) || !Within(c, 0, vorn::kMaxChargeCents) ||
            (!t.bands.empty() && a <= t.bands.back().upToMiles)) {
          fault(lineNo,
                "expected rising up_to_miles, rbn, base_rate and minimum_cents up to 999999");
          continue;
        }
        vorn::Band band;
        band.upToMiles = a;
        band.rbn = w[1];
        band.minimum.push_back({1, 0, static_cast<std::int32_t>(c)});
        rules[band.rbn] = {b};
        t.bands.push_back(band);
      } else if (s.name == "class_factors") {
        if (w.size() != 2 || !Number(w[1], a) || !Within(a, 1e-6, 1000))
          fault(lineNo, "expected class factor");
        else
          classFactor[w[0]] = a;
      } else if (s.name == "break_factors") {
        if (w.size() != 2 || !Number(w[0], a) || !Number(w[1], b) ||
            !Within(a, 0, vorn::kMaxWeight) || !Within(b, 1e-6, 1000))
          fault(lineNo, "expected break factor");
        else
          breakFactor[static_cast<std::int32_t>(a)] = b;
      } else if (s.name == "single_shipment") {
        if (w.size() != 2 || !Number(w[0], a) || !Number(w[1], b) ||
            !Within(a, 0, vorn::kMaxWeight) || !Within(b, 0, vorn::kMaxChargeCents))
          fault(lineNo, "expected up_to_weight cents, each up to 999999");
        else
          single.push_back({0, static_cast<std::int32_t>(a), static_cast<std::int32_t>(b)});
      } else if (s.name.rfind("rates ", 0) == 0) {
        explicitRates[base::Trim(s.name.substr(6))].push_back(w);
      } else {
        fault(lineNo, "line outside a known section [" + s.name + "]");
      }
    }
  }
  if (t.name.empty()) report.fault(where, "no name in [tariff]");
  if (t.classes.empty() || t.classes.size() > 20) report.fault(where, "1 to 20 classes");
  if (t.breaks.empty() || t.breaks.size() > 9 || t.breaks.front() != 0)
    report.fault(where, "1 to 9 breaks starting at 0");
  if (t.served.empty()) report.fault(where, "no [served] ranges");
  if (t.bands.empty()) report.fault(where, "no [bands]");
  if (report.faults().size() != faultsBefore) return std::nullopt;

  for (vorn::Band& band : t.bands) {
    band.rates.assign(t.classes.size(), {});
    band.minimum.insert(band.minimum.end(), single.begin(), single.end());
    const auto given = explicitRates.find(band.rbn);
    for (std::size_t ci = 0; ci < t.classes.size(); ++ci) {
      for (std::size_t wi = 0; wi < t.breaks.size(); ++wi) {
        if (given != explicitRates.end()) continue;
        const auto cf = classFactor.find(t.classes[ci]);
        const auto bf = breakFactor.find(t.breaks[wi]);
        if (cf == classFactor.end() || bf == breakFactor.end()) {
          report.fault(where, "no factor for class " + t.classes[ci] + " or break " +
                                  std::to_string(t.breaks[wi]) + ", and no [rates " + band.rbn +
                                  "]");
          return std::nullopt;
        }
        const double rate = std::round(rules[band.rbn].baseRate * cf->second * bf->second);
        if (!Within(rate, 0, vorn::kMaxRateCents)) {
          report.fault(where, "band " + band.rbn + ": a rate beyond 999999 cents for class " +
                                  t.classes[ci]);
          return std::nullopt;
        }
        band.rates[ci][wi] = static_cast<std::int32_t>(rate);
      }
    }
    if (given == explicitRates.end()) continue;
    for (const std::vector<std::string>& row : given->second) {
      const int ci = t.ClassIndex(row.empty() ? "" : row[0]);
      if (ci < 0 || row.size() != t.breaks.size() + 1) {
        report.fault(where, "[rates " + band.rbn + "]: a row is a class and one rate per break");
        return std::nullopt;
      }
      for (std::size_t wi = 0; wi < t.breaks.size(); ++wi) {
        double v = 0;
        if (!Number(row[wi + 1], v) || !Within(std::round(v), 0, vorn::kMaxRateCents)) {
          report.fault(where,
                       "[rates " + band.rbn + "]: rates are cents per hundred pounds up to 999999");
          return std::nullopt;
        }
        band.rates[static_cast<std::size_t>(ci)][wi] = static_cast<std::int32_t>(std::lround(v));
      }
    }
  }
  for (const auto& [rbn, rows] : explicitRates)
    if (rules.find(rbn) == rules.end()) report.fault(where, "[rates " + rbn + "] names no band");
  if (report.faults().size() != faultsBefore) return std::nullopt;
  // The engine must load what is built: whatever its reader refuses is a fault here.
  std::string error;
  if (!vorn::ParseTariff(vorn::WriteTariff(t), &error)) {
    report.fault(where, "the engine would refuse the built tariff: " + error);
    return std::nullopt;
  }
  return t;
}

std::string BasePointList(const vorn::Tariff& tariff) {
  std::string out;
  for (const vorn::ServedRange& r : tariff.served)
    out += std::to_string(r.country) + base::PadRight(r.low, 5) + base::PadRight(r.high, 5) + " " +
           r.service + "\r\n";
  return out;
}

namespace {

// Coordinates the engine measures with: US prefixes, Canadian areas, Mexican states.
void BuildPoints(const fs::path& geo, const fs::path& out, Report& report) {
  vorn::PointTable points;
  auto rows = [&](const char* file, std::size_t columns, auto take) {
    for (const DataLine& line : ReadDataLines(geo / file, report)) {
      const std::vector<std::string> cells = SplitCells(line.text);
      if (cells.size() >= columns) take(cells);
    }
  };
  rows("us_prefixes.tsv", 3, [&](const std::vector<std::string>& c) {
    points.Add(1, c[0], base::Val(c[1]), base::Val(c[2]));
  });
  rows("ca_fsas.tsv", 5, [&](const std::vector<std::string>& c) {
    points.Add(2, c[0], base::Val(c[3]), base::Val(c[4]));
  });
  rows("mx_regions.tsv", 5, [&](const std::vector<std::string>& c) {
    for (int p = static_cast<int>(base::Val(c[0])); p <= static_cast<int>(base::Val(c[1])); ++p) {
      const std::string key = (p < 10 ? "0" : "") + std::to_string(p);
      points.Add(3, key, base::Val(c[3]), base::Val(c[4]));
    }
  });
  std::string error;
  if (!base::WriteFileAtomic(out / std::string(vorn::kPointsFileName), points.Write(), &error))
    report.fault((out / std::string(vorn::kPointsFileName)).string(), error);
}

void Build(const fs::path& source, const fs::path& out, Report& report) {
  const fs::path dir = source / "tariffs";
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return;
  BuildPoints(source / "geo", out, report);
  // Rules every tariff of the carrier shares (classes, breaks, factors) sit in common.rules.
  const std::string common = base::FileToString(dir / "common.rules");
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    if (entry.path().extension() != ".tariff") continue;
    const auto tariff = CompileTariff(common + "\n" + base::FileToString(entry.path()),
                                      entry.path().string(), report);
    if (!tariff) continue;
    std::string error;
    if (!base::WriteFileAtomic(out / (tariff->name + std::string(vorn::kTariffExtension)),
                               vorn::WriteTariff(*tariff), &error) ||
        !base::WriteFileAtomic(out / (tariff->name + ".b"), BasePointList(*tariff), &error))
      report.fault(entry.path().string(), error);
  }
}

void Check(const fs::path& dir, Report& report) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    const std::string name = entry.path().filename().string();
    std::string error;
    if (base::EqualsNoCase(entry.path().extension().string(),
                           std::string(vorn::kTariffExtension))) {
      if (base::EqualsNoCase(name, std::string(vorn::kPointsFileName))) {
        if (!vorn::PointTable::Parse(base::FileToString(entry.path()), &error))
          report.fault(entry.path().string(), error);
      } else if (!vorn::ParseTariff(base::FileToString(entry.path()), &error)) {
        report.fault(entry.path().string(), error);
      }
    }
  }
}

bool Dump(const fs::path&, std::ostream&, Report&) {
  return false;
}

}  // namespace

Part TariffPart() {
  return {"tariffs", &Build, &Check, &Dump};
}

}  // namespace tarvex::datakit
