#include "tools/density.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/byte_record.h"
#include "base/files.h"
#include "base/number_format.h"
#include "base/text.h"

namespace tarvex::tools {

namespace {

constexpr std::array<double, 18> kFreightClasses = {50,  55,  60,  65,  70,  77.5, 85,  92.5, 100,
                                                    110, 125, 150, 175, 200, 250,  300, 400,  500};

bool IsFreightClass(double value) {
  return std::find(kFreightClasses.begin(), kFreightClasses.end(), value) != kFreightClasses.end();
}

bool IsBound(double value) {
  return std::isfinite(value) && value >= 0.0;
}

}  // namespace

std::string DensityTableName(bool metric) {
  return metric ? "denclsM.dat" : "dencls.dat";
}

base::ReadResult<std::vector<DensityBand>> ParseDensityTable(std::string_view bytes,
                                                             const std::string& file) {
  using Result = base::ReadResult<std::vector<DensityBand>>;
  const std::string table = "The density table " + file;
  if (bytes.empty()) return Result::Fault(table + " holds no density bands.");
  if (bytes.size() % kDensityRecordLength != 0)
    return Result::Fault(table + " ends in a partial record.");
  const std::size_t count = bytes.size() / kDensityRecordLength;
  if (count > kMaxDensityBands)
    return Result::Fault(table + " holds " + std::to_string(count) + " bands, more than " +
                         std::to_string(kMaxDensityBands) + ".");
  std::vector<DensityBand> bands;
  bands.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view raw = bytes.substr(i * kDensityRecordLength, kDensityRecordLength);
    const base::ByteRecord record(std::vector<std::uint8_t>(raw.begin(), raw.end()));
    const DensityBand band{record.float64(0), record.float64(8), record.float64(16)};
    const std::string where = table + ", record " + std::to_string(i + 1) + ",";
    if (!IsBound(band.low) || !IsBound(band.high))
      return Result::Fault(where + " has a density bound that is no number from 0 up.");
    if (band.high <= band.low)
      return Result::Fault(where + " has a high bound that is not above its low bound.");
    if (!IsFreightClass(band.freightClass))
      return Result::Fault(where + " has a class that is no freight class.");
    bands.push_back(band);
  }
  return Result::Ok(std::move(bands));
}

base::ReadResult<std::vector<DensityBand>> ReadDensityTable(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec))
    return base::ReadResult<std::vector<DensityBand>>::Fault("The density table " + file.string() +
                                                             " could not be found.");
  if (base::FileLength(file) > static_cast<std::int64_t>(kMaxDensityBands * kDensityRecordLength))
    return base::ReadResult<std::vector<DensityBand>>::Fault("The density table " + file.string() +
                                                             " is longer than any density table.");
  return ParseDensityTable(base::FileToString(file), file.string());
}

std::string EncodeDensityTable(const std::vector<DensityBand>& bands) {
  std::string bytes;
  for (const DensityBand& band : bands) {
    base::ByteRecord record(kDensityRecordLength);
    record.setFloat64(0, band.low);
    record.setFloat64(8, band.high);
    record.setFloat64(16, band.freightClass);
    bytes.append(record.bytes().begin(), record.bytes().end());
  }
  return bytes;
}

std::optional<double> ClassForDensity(const std::vector<DensityBand>& bands, double density) {
  for (const DensityBand& band : bands)
    if (band.low <= density && density < band.high) return band.freightClass;
  return std::nullopt;
}

bool DimensionAccepted(double value, bool metric) {
  return value <= (metric ? kMaxDimensionMetric : kMaxDimensionImperial);
}

std::optional<DensityFigures> ComputeDensity(std::string_view length, std::string_view width,
                                             std::string_view height, std::string_view weight,
                                             bool metric, char decimalSeparator) {
  for (const std::string_view text : {length, width, height, weight})
    if (base::Trim(text).empty()) return std::nullopt;
  const double l = base::ValLocal(length, decimalSeparator);
  const double w = base::ValLocal(width, decimalSeparator);
  const double h = base::ValLocal(height, decimalSeparator);
  const double g = base::ValLocal(weight, decimalSeparator);
  if (!(l > 0 && w > 0 && h > 0 && g > 0)) return std::nullopt;
  DensityFigures figures;
  figures.volume = base::FormatMask(w * l * h, "0.00", decimalSeparator);
  const double volume = base::ValLocal(figures.volume, decimalSeparator);
  double divisor = volume;
  if (!metric) {
    figures.cubicFeet = base::FormatMask(volume / 1728.0, "0.00", decimalSeparator);
    divisor = base::ValLocal(figures.cubicFeet, decimalSeparator);
  }
  const double density = divisor == 0.0 ? 0.0 : g / divisor;
  figures.density = base::FormatMask(density, "0.00", decimalSeparator);
  return figures;
}

}  // namespace tarvex::tools
