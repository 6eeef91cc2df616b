// The density class calculator's arithmetic and its density tables dencls.dat (imperial) and
// denclsM.dat (metric): 24-byte records of low bound, high bound and class.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/read_result.h"

namespace tarvex::tools {

// One band of the density scale: low ≤ density < high gives the class.
struct DensityBand {
  double low = 0.0;
  double high = 0.0;
  double freightClass = 0.0;
};

inline constexpr std::size_t kDensityRecordLength = 24;
// More bands than any density scale has: a longer file is not a density table.
inline constexpr std::size_t kMaxDensityBands = 200;
// The largest dimension the window takes: inches, or metres in metric mode.
inline constexpr double kMaxDimensionImperial = 350.0;
inline constexpr double kMaxDimensionMetric = 8.9;

// "dencls.dat", or "denclsM.dat" for dimensions in metres.
std::string DensityTableName(bool metric);

// Every band of the table. Refused, with a message naming the file: a missing or empty file,
// a partial record, a bound that is not a finite number from 0 up, a band whose high bound is
// not above its low one, a class that is not a freight class.
base::ReadResult<std::vector<DensityBand>> ReadDensityTable(const std::filesystem::path& file);
// The same from the file's bytes; `file` names it in the message.
base::ReadResult<std::vector<DensityBand>> ParseDensityTable(std::string_view bytes,
                                                             const std::string& file);
// The bytes of a table of these bands.
std::string EncodeDensityTable(const std::vector<DensityBand>& bands);

// The class of the first band holding the density (its high bound belongs to the next band).
std::optional<double> ClassForDensity(const std::vector<DensityBand>& bands, double density);

// Whether a length, width or height is taken: up to 350 inches, or 8.9 metres.
bool DimensionAccepted(double value, bool metric);

// What the window shows for dimensions and weight, each written with `decimalSeparator`.
struct DensityFigures {
  std::string volume;     // W × L × H with two decimals: cubic inches, or cubic metres
  std::string cubicFeet;  // imperial only: the volume in cubic feet, two decimals
  std::string density;    // pounds per cubic foot (or metre), two decimals
};

// The density of a shipment from the texts of the four boxes; nothing when one is empty or
// not above 0. The density divides by the volume as shown (two decimals), as the calculator
// always has: 48 × 40 × 48 in and 500 lb make 53.33 cu ft and 9.38.
std::optional<DensityFigures> ComputeDensity(std::string_view length, std::string_view width,
                                             std::string_view height, std::string_view weight,
                                             bool metric, char decimalSeparator = '.');

}  // namespace tarvex::tools
