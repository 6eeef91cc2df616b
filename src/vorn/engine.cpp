#include "vorn/engine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "base/text.h"
#include "fmt/format.h"

namespace tarvex::vorn {

using namespace tarvex::engine;

namespace {

std::string ReadAll(const std::filesystem::path& file, bool& ok) {
  std::ifstream in(file, std::ios::binary);
  ok = static_cast<bool>(in);
  std::ostringstream s;
  s << in.rdbuf();
  ok = ok && !in.bad();
  return s.str();
}

double Cents(double dollars) {
  const double c = dollars * 100;
  return std::round(c + (c >= 0 ? 1e-7 : -1e-7)) / 100;
}

std::string Money(double dollars) {
  return fmt::format("{:.2f}", Cents(dollars));
}

void Refuse(EngineRecordView& r, int code) {
  char text[8];
  std::snprintf(text, sizeof text, "%4d", code);
  r.setText(H2, text);
}

// The discount bracket of a billed weight: D2(1) below 500 lb ... D2(9) from 40 000 lb.
int Bracket(double weight) {
  constexpr double kBreaks[] = {500, 1000, 2000, 5000, 10000, 20000, 30000, 40000};
  int bracket = 1;
  for (const double b : kBreaks)
    if (weight >= b) ++bracket;
  return bracket;
}

// A discount text of D2: the percentage times 100.
double Percent(const EngineRecordView& r, int index) {
  return base::Val(r.discount(1).trimmed(D2, index)) / 100.0;
}

// The minimum charge entry for a total weight: the last non-single-shipment entry at or
// below it.
const MinimumEntry* MinimumFor(const Band& band, double weight) {
  const MinimumEntry* found = nullptr;
  for (const MinimumEntry& m : band.minimum)
    if (m.digit != 0 && (found == nullptr || m.weight <= weight)) found = &m;
  return found;
}

}  // namespace

void Engine::Clear() {
  tariffs_.clear();
  points_ = PointTable{};
  loadReport_.clear();
}

std::int16_t Engine::Load(const std::filesystem::path& dataPath) {
  Clear();
  std::int16_t status = kLoaded;
  auto report = [this](const std::filesystem::path& file, const std::string& what) {
    loadReport_ += file.string() + ": " + what + "\n";
  };
  // In name order, so that of two files naming one tariff the same one always wins.
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(dataPath, ec)) {
    std::error_code entryError;
    if (entry.is_regular_file(entryError)) files.push_back(entry.path());
  }
  if (ec) report(dataPath, "cannot be read: " + ec.message());
  std::sort(files.begin(), files.end());
  bool pointsFound = false;
  for (const std::filesystem::path& file : files) {
    const std::string name = file.filename().string();
    const bool points = base::EqualsNoCase(name, kPointsFileName);
    if (!points &&
        (name.size() <= kTariffExtension.size() ||
         !base::EqualsNoCase(name.substr(name.size() - kTariffExtension.size()), kTariffExtension)))
      continue;
    bool ok = false;
    const std::string text = ReadAll(file, ok);
    std::string error;
    if (points) {
      pointsFound = true;
      const auto table = ok ? PointTable::Parse(text, &error) : std::nullopt;
      if (table && !table->empty())
        points_ = *table;
      else
        report(file, !ok ? "cannot be read" : table ? "holds no points" : error);
      continue;
    }
    auto tariff = ok ? ParseTariff(text, &error) : std::nullopt;
    if (!tariff) {
      report(file, ok ? error : "cannot be read");
      status = kDamagedTariff;
      continue;
    }
    if (tariffs_.count(tariff->name) != 0) {
      report(file, "names tariff " + tariff->name + ", which another file already holds");
      status = kDamagedTariff;
      continue;
    }
    const std::string key = tariff->name;
    tariffs_.emplace(key, std::move(*tariff));
  }
  if (!pointsFound) report(dataPath / std::string(kPointsFileName), "missing");
  if (points_.empty()) return kNoPoints;
  if (tariffs_.empty()) {
    report(dataPath, "no tariff file (*" + std::string(kTariffExtension) + ")");
    return kNoTariffs;
  }
  return status;
}

void Engine::Tables(TableRecordView& r) const {
  r.setValue(K3, 0);
  r.setValue(K4, 0);
  const auto it = tariffs_.find(base::ToUpper(r.trimmed(K5)));
  if (it == tariffs_.end()) return;
  const Tariff& t = it->second;
  for (int i = 0; i < 20; ++i) {
    const auto k = static_cast<std::size_t>(i);
    r.setText(K1, i, k < t.classes.size() ? t.classes[k] : "");
    r.setValue(K2, i, k < t.breaks.size() ? t.breaks[k] : 0);
  }
  r.setValue(K3, static_cast<std::int16_t>(std::min<std::size_t>(t.classes.size(), 20)));
  r.setValue(K4, static_cast<std::int16_t>(t.breaks.size()));
}

void Engine::Rate(EngineRecordView& r) const {
  r.setText(H2, "");
  if (tariffs_.empty() || points_.empty()) return Refuse(r, kNotLoaded);
  const std::string origin = r.trimmed(H7);
  const std::string destination = r.trimmed(H9);
  const std::string tariffName = base::ToUpper(r.trimmed(H4));

  if (tariffName == kMileageTariff) {
    const auto from = points_.Find(origin);
    const auto to = points_.Find(destination);
    if (!from || !to) return Refuse(r, kUnplacedPoint);
    r.setText(H13, std::to_string(std::lround(RoadMiles(*from, *to))));
    return;
  }
  const auto found = tariffs_.find(tariffName);
  if (found == tariffs_.end()) return Refuse(r, kUnknownTariff);
  const Tariff& t = found->second;
  const ServedRange* servedFrom = t.Serving(origin);
  if (servedFrom == nullptr) return Refuse(r, kOriginNotServed);
  const ServedRange* servedTo = t.Serving(destination);
  if (servedTo == nullptr) return Refuse(r, kDestinationNotServed);
  r.setText(H28, std::string(1, servedFrom->service));
  r.setText(H29, std::string(1, servedTo->service));

  auto from = points_.Find(origin);
  auto to = points_.Find(destination);
  if (!from || !to) return Refuse(r, kNoDistance);
  // A Mexican lane rated in portions meets at the tariff's crossing nearest the Mexican point.
  const std::string portion = r.trimmed(H3);
  const bool mexicanOrigin = CountryOf(origin) == 3;
  const bool mexicanDestination = CountryOf(destination) == 3;
  if (mexicanOrigin != mexicanDestination && (portion == "P" || portion == "S")) {
    if (const BorderCrossing* c = t.NearestCrossing(mexicanOrigin ? *from : *to)) {
      const std::pair<double, double> crossing{c->latitude, c->longitude};
      const bool usPortion = portion == "P";
      if (mexicanOrigin == usPortion)
        from = crossing;
      else
        to = crossing;
    }
  }
  const Band& band = t.BandFor(RoadMiles(*from, *to));
  r.setText(H13, band.rbn);

  double adjustment = base::Val(r.trimmed(H37)) / 10000.0;
  if (adjustment <= 0) adjustment = 1.0;
  const bool engineDiscount = r.text(H26) == "Y";
  const bool onRates = r.trimmed(H33) == "R";
  auto rateDollars = [&](std::size_t c, std::size_t w) {
    return band.rates[c][w] * adjustment / 100.0;
  };

  // The lane's rate table and charge entries, for lane checks and rate sheets alike.
  const int classCount = static_cast<int>(t.classes.size());
  const int breakCount = static_cast<int>(t.breaks.size());
  const MinimumEntry* baseMinimum = MinimumFor(band, 0);
  r.setValue(X2, 0,
             baseMinimum != nullptr
                 ? static_cast<std::int32_t>(std::lround(baseMinimum->cents * adjustment))
                 : 0);
  for (int c = 0; c < 20; ++c)
    r.setText(X3, c, c < classCount ? t.classes[static_cast<std::size_t>(c)] : "");
  for (int w = 0; w < 20; ++w)
    r.setValue(X4, w, w < breakCount ? t.breaks[static_cast<std::size_t>(w)] : 0);
  r.setValue(X5, static_cast<std::int16_t>(classCount));
  r.setValue(X6, static_cast<std::int16_t>(breakCount));
  std::array<double, kMaxBreaks> tableFactor{};
  for (int w = 0; w < breakCount; ++w)
    tableFactor[static_cast<std::size_t>(w)] =
        adjustment * (engineDiscount && onRates
                          ? 1 - Percent(r, Bracket(t.breaks[static_cast<std::size_t>(w)])) / 100
                          : 1);
  for (int c = 0; c < classCount; ++c)
    for (int w = 0; w < breakCount; ++w) {
      const auto wi = static_cast<std::size_t>(w);
      const double cents = band.rates[static_cast<std::size_t>(c)][wi] * tableFactor[wi];
      r.setValue(X2, c * breakCount + w + 4, static_cast<std::int32_t>(std::lround(cents)));
    }
  std::string digits;
  for (std::size_t i = 0; i < 30; ++i) {
    const bool used = i < band.minimum.size();
    digits += used ? static_cast<char>('0' + band.minimum[i].digit) : ' ';
    r.setValue(T3, static_cast<int>(i), used ? band.minimum[i].weight : 0);
    r.setValue(T4, static_cast<int>(i), used ? band.minimum[i].cents : 0);
  }
  r.setText(T1, digits);
  r.setValue(T6, static_cast<std::int16_t>(band.minimum.size()));

  // A lane check carries no lines.
  const std::string h11 = r.trimmed(H11);
  const double lines = base::Val(h11);
  if (h11.empty() || lines == 0) return;
  if (lines < 0 || lines > 20 || lines != std::floor(lines)) return Refuse(r, kBadLineCount);
  const int n = static_cast<int>(lines);

  std::vector<std::size_t> classOf;
  std::vector<double> weightOf;
  double total = 0;
  for (int i = 1; i <= n; ++i) {
    const int c = t.ClassIndex(r.line(i).trimmed(L2));
    if (c < 0) return Refuse(r, kUnknownClass);
    const std::string weightText = r.line(i).trimmed(L3);
    const double weight = base::Val(weightText);
    if (weight <= 0 || weight != std::floor(weight)) return Refuse(r, kBadWeight);
    classOf.push_back(static_cast<std::size_t>(c));
    weightOf.push_back(weight);
    total += weight;
  }
  if (t.maxWeight > 0 && total > t.maxWeight) return Refuse(r, kBadWeight);
  std::size_t at = 0;
  while (at + 1 < t.breaks.size() && t.breaks[at + 1] <= total) ++at;
  for (std::size_t i = 0; i < classOf.size(); ++i)
    if (band.rates[classOf[i]][at] == 0) return Refuse(r, kMissingRate);

  // Rated at its own break, or billed at a higher break's minimum weight when cheaper.
  auto chargeAt = [&](std::size_t w) {
    double sum = 0;
    for (std::size_t i = 0; i < classOf.size(); ++i)
      sum += Cents(Cents(rateDollars(classOf[i], w)) * weightOf[i] / 100);
    return sum;
  };
  std::size_t billedBreak = at;
  double best = chargeAt(at);
  double deficitWeight = 0;
  double deficitRate = 0;
  for (std::size_t w = at + 1; w < t.breaks.size(); ++w) {
    double lowest = 0;
    bool complete = true;
    for (std::size_t i = 0; i < classOf.size(); ++i) {
      if (band.rates[classOf[i]][w] == 0) complete = false;
      const double rate = Cents(rateDollars(classOf[i], w));
      if (i == 0 || rate < lowest) lowest = rate;
    }
    if (!complete) continue;
    const double deficit = t.breaks[w] - total;
    const double candidate = chargeAt(w) + Cents(lowest * deficit / 100);
    if (candidate < best) {
      best = candidate;
      billedBreak = w;
      deficitWeight = deficit;
      deficitRate = lowest;
    }
  }
  const double billed = deficitWeight > 0 ? t.breaks[billedBreak] : total;
  const double percent = engineDiscount ? Percent(r, Bracket(billed)) : 0;
  const double rateFactor = engineDiscount && onRates ? 1 - percent / 100 : 1;

  double sum = 0;
  for (int i = 1; i <= 20; ++i) {
    if (i > n) {
      r.line(i).setText(L4, "");
      r.line(i).setText(L5, "");
      continue;
    }
    const auto k = static_cast<std::size_t>(i - 1);
    const double rate = Cents(Cents(rateDollars(classOf[k], billedBreak)) * rateFactor);
    const double charge = Cents(rate * weightOf[k] / 100);
    r.line(i).setText(L4, Money(rate));
    r.line(i).setText(L5, Money(charge));
    sum += charge;
  }
  const double shownDeficitRate = Cents(deficitRate * rateFactor);
  const double deficitCharge = Cents(shownDeficitRate * deficitWeight / 100);
  sum += deficitCharge;
  double discount = 0;
  if (engineDiscount && !onRates) discount = Cents(sum * percent / 100);
  double charges = sum - discount;
  if (r.text(H23) == "Y")
    for (const MinimumEntry& m : band.minimum)
      if (m.digit == 0 && total <= m.weight) {
        charges += m.cents / 100.0;
        break;
      }

  const MinimumEntry* minimumEntry = MinimumFor(band, total);
  const double minimum =
      minimumEntry != nullptr ? Cents(minimumEntry->cents * adjustment / 100) : 0;
  const double minimumDiscount = engineDiscount ? Cents(minimum * Percent(r, 0) / 100) : 0;

  r.setText(H14, std::to_string(static_cast<long>(total)));
  r.setText(H15, std::to_string(static_cast<long>(billed)));
  r.setText(H16, Money(minimum - minimumDiscount));
  r.setText(H17, Money(shownDeficitRate));
  r.setText(H18, std::to_string(static_cast<long>(deficitWeight)));
  r.setText(H19, Money(deficitCharge));
  r.setText(H20, Money(charges));
  r.setText(H35, Money(discount));
  r.setText(H36, Money(minimumDiscount));
}

}  // namespace tarvex::vorn
