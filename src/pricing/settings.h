// The program-wide settings record and its file variable.dat.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "base/byte_record.h"

namespace tarvex::pricing {

// In-memory copy of the 966-byte settings record. Text fields hold their stored width
// (blank-padded); switches hold the stored int16 and are on when non-zero.
struct SettingsRecord {
  std::string CarrierName;
  std::string CarrierStreet;
  std::string CarrierStreet2;
  std::string CarrierCity;
  std::string CarrierState;
  std::string CarrierPostalCode;
  std::string Reserved1;
  std::string Reserved2;
  std::string Reserved3;
  std::string Reserved4;
  std::string ProductName;
  std::string EffectiveDate;
  std::string VersionText;
  std::string SupportName;
  std::string SupportNumber;
  std::string EngineCode;
  std::string ProductNumber;
  std::int16_t AccessorialsOn = 0;
  std::int16_t PromptAccessorials = 0;
  std::int16_t BillOfLadingOn = 0;
  std::int16_t CityLookupOn = 0;
  std::int16_t FakOn = 0;
  std::int16_t UseFloorTables = 0;
  std::int16_t RateSheetFloorOn = 0;
  std::int16_t ServiceGuideOn = 0;
  std::int16_t PricePerUnitOn = 0;
  std::int16_t PromptPricePerUnit = 0;
  std::int16_t RateSheetOn = 0;
  std::int16_t RateSheetExportOn = 0;
  std::int16_t RulesOn = 0;
  std::string DefaultOrigin;
  std::int16_t OriginLocked = 0;
  std::string DefaultDestination;
  std::int16_t DestinationLocked = 0;
  std::string DefaultClass;
  std::int16_t ClassLocked = 0;
  std::int32_t DefaultWeight = 0;
  std::int16_t WeightLocked = 0;
  double FuelSurchargeLTL = 0.0;
  std::int16_t FuelSurchargeLTLLocked = 0;
  double FuelSurchargeTL = 0.0;
  std::int16_t FuelSurchargeTLLocked = 0;
  double RateAdjustmentFactor = 1.0;  // rates as the tariff has them
  std::int16_t RateAdjustmentLocked = 0;
  double CanadianExchangeFactor = 0.0;
  std::int16_t ExchangeFactorLocked = 0;
  std::int16_t EngineDiscountSuppressed = 0;
  std::int16_t EngineDiscountMode = 0;
  std::array<double, 5> RateSheetDiscounts{};  // indexes 1 to 4 used
  std::int16_t DiscountOnCharges = 0;
  std::int16_t ShowMiles = 0;
  std::int16_t ThreeDigitCodes = 0;
  std::array<std::string, 5> RateSheetHeaders;  // indexes 1 to 4 used
  std::string IconFile;
  std::int32_t MaxTotalWeight = 0;
  std::int16_t MapOn = 0;
  double HiddenRateAdjustmentFactor = 0.0;
  double FuelSurchargeLTLMX = 0.0;
};

inline bool On(std::int16_t value) {
  return value != 0;
}

constexpr std::size_t kSettingsRecordLength = 966;
// Files written before the Mexican LTL fuel surcharge existed end after field 57.
constexpr std::size_t kSettingsShortLength = 958;
constexpr const char* kSettingsFileName = "variable.dat";

// Every stored field of the record by number (1 to 58): name, offset, size and kind.
enum class FieldKind { Text, Int16, Int32, Double, DoubleArray4, TextArray4 };
struct SettingsField {
  int number;
  const char* name;
  std::size_t offset;
  std::size_t size;
  FieldKind kind;
};
const std::array<SettingsField, 58>& SettingsLayout();

// The record to and from its 966 bytes.
SettingsRecord DecodeSettings(const base::ByteRecord& bytes);
base::ByteRecord EncodeSettings(const SettingsRecord& settings);

// The text of a field for dumps and the data kit ("-1", "2.5", "ACME"), and its reverse.
std::string FieldText(const SettingsRecord& settings, const SettingsField& field);
bool SetFieldText(SettingsRecord& settings, const SettingsField& field, const std::string& text);

enum class SettingsStatus { Ok, Missing, Unreadable, Damaged };

struct SettingsRead {
  SettingsStatus status = SettingsStatus::Missing;
  SettingsRecord record;  // as stored when Ok or Damaged
  std::string fault;      // Damaged: the first field that holds what it cannot mean
  bool ok() const { return status == SettingsStatus::Ok; }
};

// The first number field of the record that holds what the field cannot mean ("" when every
// field is sound): "FuelSurchargeLTL holds nan, which is not a percentage from 0 to 100".
std::string SettingsFault(const SettingsRecord& settings);

// Reads record 1 of the file. A file of any length other than 966 lacks field 58, which
// then starts equal to field 39. A file shorter than the 958 bytes of the older layout
// is unreadable: its fields would be cut off. A record whose numbers are out of their
// limits (SettingsFault) is Damaged.
SettingsRead ReadSettings(const std::filesystem::path& file);

// Writes the record as record 1, replacing the file atomically.
bool WriteSettings(const std::filesystem::path& file, const SettingsRecord& settings,
                   std::string* error = nullptr);

// The engine's adjustment factor text: (hidden + visible factor) x 10000, whole.
std::string AdjustmentFactorText(const SettingsRecord& settings);

}  // namespace tarvex::pricing
