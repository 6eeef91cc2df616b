// The rating engine behind the five entry points: loads the tariffs of a data path and
// answers rating, lane-check and mileage requests in the engine record.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "engine/engine_record.h"
#include "vorn/tariff.h"

namespace tarvex::vorn {

// Statuses of loading, as Vorn_Set_Vorndata returns them.
inline constexpr std::int16_t kLoaded = 0;
inline constexpr std::int16_t kNoTariffs = 20;
inline constexpr std::int16_t kDamagedTariff = 21;
inline constexpr std::int16_t kNoPoints = 22;

// Refusals written right-aligned into the four characters of H2.
enum Refusal : int {
  kNotLoaded = 201,
  kUnknownTariff = 210,
  kOriginNotServed = 216,
  kDestinationNotServed = 217,
  kNoDistance = 218,
  kUnknownClass = 221,
  kBadWeight = 222,
  kMissingRate = 223,
  kBadLineCount = 224,
  kAmountTooWide = 225,
  kUnplacedPoint = 230,
};

class Engine {
 public:
  // Loads every tariff file and the points file of the directory; the status says what was
  // wrong, and whatever loaded stays usable.
  std::int16_t Load(const std::filesystem::path& dataPath);
  void Rate(engine::EngineRecordView& record) const;
  void Tables(engine::TableRecordView& record) const;
  void Clear();

  const std::map<std::string, Tariff>& tariffs() const { return tariffs_; }
  const PointTable& points() const { return points_; }
  // Problems found by the last Load, one per line, each naming its file.
  const std::string& loadReport() const { return loadReport_; }

 private:
  std::map<std::string, Tariff> tariffs_;
  PointTable points_;
  std::string loadReport_;
};

}  // namespace tarvex::vorn
