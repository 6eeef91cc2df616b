// The engine's tariffs as it loads them from the data path: served ranges, distance bands
// with their rate basis numbers, class rates by weight break, minimum-charge entries, the
// border crossings of Mexican lanes, and the coordinates it measures distance with.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex::vorn {

inline constexpr std::string_view kTariffExtension = ".vtf";
inline constexpr std::string_view kPointsFileName = "vornpts.vtf";
inline constexpr std::string_view kMileageTariff = "MILE0001";
// Road miles are this much longer than the great-circle distance.
inline constexpr double kCircuityFactor = 1.18;
inline constexpr int kMaxClasses = 20;
inline constexpr int kMaxBreaks = 9;

// What a tariff value may hold to mean anything in the engine record's fields; a file
// beyond them is damaged.
inline constexpr std::int32_t kMaxWeight = 999999;       // six-character weight fields
inline constexpr std::int32_t kMaxRateCents = 999999;    // 9,999.99 per hundred pounds
inline constexpr std::int32_t kMaxChargeCents = 999999;  // a minimum of 9,999.99
inline constexpr double kMaxMiles = 100000;
inline constexpr std::size_t kMaxClassName = 3;  // the class field of a shipment line
inline constexpr std::size_t kMaxRbn = 11;
inline constexpr std::size_t kMaxChargeEntries = 30;
// The lane's rate table X2(4 ... 174) holds classes x breaks rates.
inline constexpr int kTableCells = 171;

// 1 United States, 2 Canada, 3 Mexico, as the base-point lists number them.
int CountryOf(std::string_view code);
// The three characters a code is placed and served by ("640", "M5V", "123" of 12345M).
std::string PrefixOf(std::string_view code);

struct ServedRange {
  int country = 0;
  std::string low;  // prefixes, compared as text
  std::string high;
  char service = 'D';  // D direct, I interline
  // Rates and minimum charges of a lane with an end in this range are multiplied by it: what
  // a partner carrier adds for the points it serves.
  double factor = 1.0;
};

inline constexpr double kMaxServedFactor = 10.0;

struct MinimumEntry {
  int digit = 1;  // 0 marks a single-shipment entry
  std::int32_t weight = 0;
  std::int32_t cents = 0;
};

struct Band {
  double upToMiles = 0;
  std::string rbn;
  // rates[class][break] in cents per hundred pounds; 0 is no rate.
  std::vector<std::array<std::int32_t, kMaxBreaks>> rates;
  std::vector<MinimumEntry> minimum;
};

// A place where a Mexican lane crosses the border.
struct BorderCrossing {
  double latitude = 0;
  double longitude = 0;
  std::string name;  // for people reading the tariff
};

struct Tariff {
  std::string name;
  std::int32_t maxWeight = 0;
  std::vector<std::string> classes;  // "50" ... "500"
  std::vector<std::int32_t> breaks;  // ascending, first 0
  std::vector<ServedRange> served;
  std::vector<Band> bands;  // ascending by upToMiles
  std::vector<BorderCrossing> crossings;

  int ClassIndex(std::string_view className) const;
  // The served range of a code, nothing when the tariff does not serve it. A range of
  // five-character codes is narrower than one of prefixes and wins over it.
  const ServedRange* Serving(std::string_view code) const;
  const Band& BandFor(double miles) const;
  // The crossing nearest a Mexican point; nothing when the tariff names none.
  const BorderCrossing* NearestCrossing(std::pair<double, double> mexicanPoint) const;
};

// Parses the compiled text of one tariff; nothing, with the line at fault, when it is
// damaged: unknown or repeated lines, or a number that is not finite or beyond its field.
std::optional<Tariff> ParseTariff(std::string_view text, std::string* error = nullptr);
// The text ParseTariff reads.
std::string WriteTariff(const Tariff& tariff);

// Coordinates by country and prefix (Mexico by its first two digits).
class PointTable {
 public:
  void Add(int country, const std::string& key, double latitude, double longitude);
  std::optional<std::pair<double, double>> Find(std::string_view code) const;
  bool empty() const { return points_.empty(); }
  std::size_t size() const { return points_.size(); }
  std::string Write() const;
  static std::optional<PointTable> Parse(std::string_view text, std::string* error = nullptr);

 private:
  std::map<std::string, std::pair<double, double>> points_;
};

// Great-circle miles times the circuity factor.
double RoadMiles(std::pair<double, double> from, std::pair<double, double> to);

}  // namespace tarvex::vorn
