#include "vorn/engine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
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

// A non-negative amount divided by `unit`, halves rounded up.
std::int64_t HalfUp(std::int64_t value, std::int64_t unit) {
  return (value + unit / 2) / unit;
}

// Cents as the engine writes amounts: "." and two decimals, whatever the
// process locale.
std::string Money(std::int64_t cents) {
  return fmt::format("{}{}.{:02}", cents < 0 ? "-" : "", std::abs(cents) / 100,
                     std::abs(cents) % 100);
}

std::int32_t Narrow(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

void Refuse(EngineRecordView& r, int code) {
  r.setText(H2, fmt::format("{:4}", code));
}

// The discount bracket of a billed weight: D2(1) below 500 lb ... D2(9) from 40
// 000 lb.
constexpr std::int64_t kBracketStarts[] = {500, 1000, 2000, 5000, 10000, 20000, 30000, 40000};
int Bracket(std::int64_t weight) {
  int bracket = 1;
  for (const std::int64_t b : kBracketStarts)
    if (weight >= b) ++bracket;
  return bracket;
}

// The minimum charge entry for a total weight: the last non-single-shipment
// entry at or below it.
const MinimumEntry* MinimumFor(const Band& band, double weight) {
  const MinimumEntry* found = nullptr;
  for (const MinimumEntry& m : band.minimum)
    if (m.digit != 0 && (found == nullptr || m.weight <= weight)) found = &m;
  return found;
}

// The request's adjustment factor and discount fields, as whole numbers so that
// every rounding is exact.
class Pricing {
 public:
  explicit Pricing(const EngineRecordView& r)
      : engineDiscount_(r.text(H26) == "Y"),
        onRates_(r.trimmed(H33) == "R"),
        adjustment_(base::Val(r.trimmed(H37))) {
    // No factor, or a senseless one, rates at the tariff's own figures.
    if (!(adjustment_ > 0 && adjustment_ < 1e6)) adjustment_ = 10000;
    for (int i = 0; i < 10 && engineDiscount_; ++i) {
      const double v = base::Val(r.discount(1).trimmed(D2, i));
      discounts_[static_cast<std::size_t>(i)] = v > 0 ? std::llround(std::min(v, 10000.0)) : 0;
    }
  }
  // A partner's factor for the points it serves.
  void Scale(double factor) { adjustment_ *= factor; }
  bool applies() const { return engineDiscount_; }
  bool onRates() const { return onRates_; }
  // D2(index) in hundredths of a percent, 0 ... 10000; 0 without the engine
  // discount.
  std::int64_t Discount(int index) const { return discounts_[static_cast<std::size_t>(index)]; }
  // The discount a rate carries in a bracket: the bracket's own on rates, none
  // on charges.
  std::int64_t RateDiscount(int bracket) const { return onRates_ ? Discount(bracket) : 0; }
  // Tariff cents times the adjustment factor, to whole cents.
  std::int64_t Adjusted(std::int32_t cents) const {
    return static_cast<std::int64_t>(std::floor(cents * adjustment_ / 10000.0 + 0.5 + 1e-7));
  }
  // A shown rate: adjusted, to whole cents, then less its discount, to whole
  // cents.
  std::int64_t Rate(std::int32_t tariffCents, std::int64_t discount) const {
    return HalfUp(Adjusted(tariffCents) * (10000 - discount), 10000);
  }

 private:
  bool engineDiscount_;
  bool onRates_;
  double adjustment_;  // times 10000
  std::array<std::int64_t, 10> discounts_{};
};

struct Shipment {
  std::vector<std::size_t> classes;
  std::vector<std::int64_t> weights;
  std::int64_t total = 0;
};

// One way of billing a shipment: at its own weight, or at a heavier weight with
// the missing pounds charged at the lowest of the lines' rates.
struct Billing {
  std::int64_t weight = 0;
  std::vector<std::int64_t> rates;    // cents per hundred pounds, discounted on rates
  std::vector<std::int64_t> charges;  // cents
  std::int64_t deficitRate = 0;
  std::int64_t deficitCharge = 0;
  std::int64_t discountAmount = 0;  // on charges
  std::int64_t net = 0;             // after every discount
};

// The billing at `weight` with the rates of break `breakAt` and the discount of
// the weight's bracket; nothing when the tariff has no rate there for a line's
// class. The line charges are rounded one by one and the deficit charge takes
// what the billed weight adds, rounded once, so that the shown charges add up
// to the billed amount.
std::optional<Billing> Bill(const Band& band, const Pricing& pricing, const Shipment& s,
                            std::int64_t weight, std::size_t breakAt) {
  Billing b;
  b.weight = weight;
  const std::int64_t discount = pricing.Discount(Bracket(weight));
  const std::int64_t rateDiscount = pricing.onRates() ? discount : 0;
  std::int64_t exact = 0;  // hundredths of a cent
  std::int64_t lines = 0;
  for (std::size_t i = 0; i < s.classes.size(); ++i) {
    const std::int32_t tariffCents = band.rates[s.classes[i]][breakAt];
    if (tariffCents == 0) return std::nullopt;
    const std::int64_t rate = pricing.Rate(tariffCents, rateDiscount);
    b.rates.push_back(rate);
    b.charges.push_back(HalfUp(rate * s.weights[i], 100));
    lines += b.charges.back();
    exact += rate * s.weights[i];
    if (i == 0 || rate < b.deficitRate) b.deficitRate = rate;
  }
  const std::int64_t deficit = weight - s.total;
  if (deficit > 0)
    b.deficitCharge =
        std::max<std::int64_t>(0, HalfUp(exact + b.deficitRate * deficit, 100) - lines);
  else
    b.deficitRate = 0;
  const std::int64_t gross = lines + b.deficitCharge;
  if (!pricing.onRates()) b.discountAmount = HalfUp(gross * discount, 10000);
  b.net = gross - b.discountAmount;
  return b;
}

// The heavier weights a shipment may be billed at: the tariff's breaks above
// its weight and, with the engine discount, the starts of the discount brackets
// above it.
std::vector<std::int64_t> HeavierWeights(const Tariff& t, std::int64_t total, bool discounted) {
  std::vector<std::int64_t> weights;
  for (const std::int32_t b : t.breaks)
    if (b > total) weights.push_back(b);
  if (discounted)
    for (const std::int64_t b : kBracketStarts)
      if (b > total) weights.push_back(b);
  std::sort(weights.begin(), weights.end());
  weights.erase(std::unique(weights.begin(), weights.end()), weights.end());
  return weights;
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
  // In name order, so that of two files naming one tariff the same one always
  // wins.
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
  // A Mexican lane rated in portions meets at the tariff's crossing nearest the
  // Mexican point.
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

  Pricing pricing(r);
  pricing.Scale(servedFrom->factor * servedTo->factor);
  // The lane's rate table and charge entries, for lane checks and rate sheets
  // alike.
  const int classCount = static_cast<int>(t.classes.size());
  const int breakCount = static_cast<int>(t.breaks.size());
  const MinimumEntry* baseMinimum = MinimumFor(band, 0);
  r.setValue(X2, 0, baseMinimum != nullptr ? Narrow(pricing.Adjusted(baseMinimum->cents)) : 0);
  for (int c = 0; c < 20; ++c)
    r.setText(X3, c, c < classCount ? t.classes[static_cast<std::size_t>(c)] : "");
  for (int w = 0; w < 20; ++w)
    r.setValue(X4, w, w < breakCount ? t.breaks[static_cast<std::size_t>(w)] : 0);
  r.setValue(X5, static_cast<std::int16_t>(classCount));
  r.setValue(X6, static_cast<std::int16_t>(breakCount));
  for (int w = 0; w < breakCount; ++w) {
    const auto wi = static_cast<std::size_t>(w);
    const std::int64_t discount = pricing.RateDiscount(Bracket(t.breaks[wi]));
    for (int c = 0; c < classCount; ++c)
      r.setValue(X2, c * breakCount + w + 4,
                 Narrow(pricing.Rate(band.rates[static_cast<std::size_t>(c)][wi], discount)));
  }
  std::string digits;
  for (std::size_t i = 0; i < kMaxChargeEntries; ++i) {
    const bool used = i < band.minimum.size();
    digits += used ? static_cast<char>('0' + band.minimum[i].digit) : ' ';
    r.setValue(T3, static_cast<int>(i), used ? band.minimum[i].weight : 0);
    // A minimum is charged adjusted, as X2(0) and H16 show it; a single-shipment charge is not.
    const MinimumEntry* m = used ? &band.minimum[i] : nullptr;
    r.setValue(T4, static_cast<int>(i),
               m == nullptr    ? 0
               : m->digit != 0 ? Narrow(pricing.Adjusted(m->cents))
                               : m->cents);
  }
  r.setText(T1, digits);
  r.setValue(T6, static_cast<std::int16_t>(std::min(band.minimum.size(), kMaxChargeEntries)));

  // A lane check carries no lines.
  const std::string h11 = r.trimmed(H11);
  const double lines = base::Val(h11);
  if (h11.empty() || lines == 0) {
    // The lane's minimum after its discount, as a rate sheet shows it; blank when too wide.
    const std::int64_t laneMinimum =
        baseMinimum != nullptr ? pricing.Adjusted(baseMinimum->cents) : 0;
    const std::int64_t laneDiscount = HalfUp(laneMinimum * pricing.Discount(0), 10000);
    const std::string minimumText = Money(laneMinimum - laneDiscount);
    const std::string discountText = Money(laneDiscount);
    const bool fits = minimumText.size() <= H16.width && discountText.size() <= H36.width;
    r.setText(H16, fits ? minimumText : "");
    r.setText(H36, fits ? discountText : "");
    return;
  }
  if (!(lines > 0 && lines <= 20) || lines != std::floor(lines)) return Refuse(r, kBadLineCount);
  const int n = static_cast<int>(lines);

  Shipment shipment;
  for (int i = 1; i <= n; ++i) {
    const int c = t.ClassIndex(r.line(i).trimmed(L2));
    if (c < 0) return Refuse(r, kUnknownClass);
    const double weight = base::Val(r.line(i).trimmed(L3));
    if (!(weight > 0 && weight <= kMaxWeight) || weight != std::floor(weight))
      return Refuse(r, kBadWeight);
    shipment.classes.push_back(static_cast<std::size_t>(c));
    shipment.weights.push_back(static_cast<std::int64_t>(weight));
    shipment.total += static_cast<std::int64_t>(weight);
  }
  if (shipment.total > kMaxWeight || (t.maxWeight > 0 && shipment.total > t.maxWeight))
    return Refuse(r, kBadWeight);

  // What the customer pays for a billing: its net and any single-shipment
  // charge, never below the minimum charge after its discount.
  const MinimumEntry* minimumEntry = MinimumFor(band, static_cast<double>(shipment.total));
  const std::int64_t minimum = minimumEntry != nullptr ? pricing.Adjusted(minimumEntry->cents) : 0;
  const std::int64_t minimumDiscount = HalfUp(minimum * pricing.Discount(0), 10000);
  std::int64_t singleShipment = 0;
  if (r.text(H23) == "Y")
    for (const MinimumEntry& m : band.minimum)
      if (m.digit == 0 && shipment.total <= m.weight) {
        singleShipment = m.cents;
        break;
      }
  auto pays = [&](const Billing& b) {
    return std::max(b.net + singleShipment, minimum - minimumDiscount);
  };

  std::size_t at = 0;
  while (at + 1 < t.breaks.size() && t.breaks[at + 1] <= shipment.total) ++at;
  std::optional<Billing> best = Bill(band, pricing, shipment, shipment.total, at);
  if (!best) return Refuse(r, kMissingRate);
  // A heavier billed weight, at a higher break or in a better discount bracket,
  // is taken only when the customer pays less with it after its own bracket's
  // discount; a tie keeps the lighter weight.
  for (const std::int64_t weight : HeavierWeights(t, shipment.total, pricing.applies())) {
    std::size_t breakAt = 0;
    while (breakAt + 1 < t.breaks.size() && t.breaks[breakAt + 1] <= weight) ++breakAt;
    if (breakAt == at && Bracket(weight) == Bracket(shipment.total)) continue;
    const std::optional<Billing> b = Bill(band, pricing, shipment, weight, breakAt);
    if (b && pays(*b) < pays(*best)) best = b;
  }

  // Every amount is written whole or the rating is refused, never cut to its
  // field.
  std::vector<std::pair<TextField<InEngineRecord>, std::string>> header = {
      {H14, std::to_string(shipment.total)},
      {H15, std::to_string(best->weight)},
      {H16, Money(minimum - minimumDiscount)},
      {H17, Money(best->deficitRate)},
      {H18, std::to_string(best->weight - shipment.total)},
      {H19, Money(best->deficitCharge)},
      {H20, Money(best->net + singleShipment)},
      {H35, Money(best->discountAmount)},
      {H36, Money(minimumDiscount)},
  };
  for (const auto& [field, text] : header)
    if (text.size() > field.width) return Refuse(r, kAmountTooWide);
  for (std::size_t i = 0; i < best->rates.size(); ++i)
    if (Money(best->rates[i]).size() > L4.width || Money(best->charges[i]).size() > L5.width)
      return Refuse(r, kAmountTooWide);
  for (int i = 1; i <= 20; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    r.line(i).setText(L4, i <= n ? Money(best->rates[k]) : "");
    r.line(i).setText(L5, i <= n ? Money(best->charges[k]) : "");
  }
  for (const auto& [field, text] : header) r.setText(field, text);
}

}  // namespace tarvex::vorn
