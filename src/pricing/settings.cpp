#include "pricing/settings.h"

#include <charconv>
#include <cmath>

#include "base/files.h"
#include "base/limits.h"
#include "base/number_format.h"
#include "base/text.h"

namespace tarvex::pricing {
namespace {

using FK = FieldKind;

constexpr std::array<SettingsField, 58> kLayout = {{
    {1, "CarrierName", 0, 50, FK::Text},
    {2, "CarrierStreet", 50, 35, FK::Text},
    {3, "CarrierStreet2", 85, 35, FK::Text},
    {4, "CarrierCity", 120, 25, FK::Text},
    {5, "CarrierState", 145, 2, FK::Text},
    {6, "CarrierPostalCode", 147, 10, FK::Text},
    {7, "Reserved1", 157, 30, FK::Text},
    {8, "Reserved2", 187, 30, FK::Text},
    {9, "Reserved3", 217, 30, FK::Text},
    {10, "Reserved4", 247, 100, FK::Text},
    {11, "ProductName", 347, 30, FK::Text},
    {12, "EffectiveDate", 377, 30, FK::Text},
    {13, "VersionText", 407, 30, FK::Text},
    {14, "SupportName", 437, 50, FK::Text},
    {15, "SupportNumber", 487, 30, FK::Text},
    {16, "EngineCode", 517, 10, FK::Text},
    {17, "ProductNumber", 527, 10, FK::Text},
    {18, "AccessorialsOn", 537, 2, FK::Int16},
    {19, "PromptAccessorials", 539, 2, FK::Int16},
    {20, "BillOfLadingOn", 541, 2, FK::Int16},
    {21, "CityLookupOn", 543, 2, FK::Int16},
    {22, "FakOn", 545, 2, FK::Int16},
    {23, "UseFloorTables", 547, 2, FK::Int16},
    {24, "RateSheetFloorOn", 549, 2, FK::Int16},
    {25, "ServiceGuideOn", 551, 2, FK::Int16},
    {26, "PricePerUnitOn", 553, 2, FK::Int16},
    {27, "PromptPricePerUnit", 555, 2, FK::Int16},
    {28, "RateSheetOn", 557, 2, FK::Int16},
    {29, "RateSheetExportOn", 559, 2, FK::Int16},
    {30, "RulesOn", 561, 2, FK::Int16},
    {31, "DefaultOrigin", 563, 6, FK::Text},
    {32, "OriginLocked", 569, 2, FK::Int16},
    {33, "DefaultDestination", 571, 6, FK::Text},
    {34, "DestinationLocked", 577, 2, FK::Int16},
    {35, "DefaultClass", 579, 3, FK::Text},
    {36, "ClassLocked", 582, 2, FK::Int16},
    {37, "DefaultWeight", 584, 4, FK::Int32},
    {38, "WeightLocked", 588, 2, FK::Int16},
    {39, "FuelSurchargeLTL", 590, 8, FK::Double},
    {40, "FuelSurchargeLTLLocked", 598, 2, FK::Int16},
    {41, "FuelSurchargeTL", 600, 8, FK::Double},
    {42, "FuelSurchargeTLLocked", 608, 2, FK::Int16},
    {43, "RateAdjustmentFactor", 610, 8, FK::Double},
    {44, "RateAdjustmentLocked", 618, 2, FK::Int16},
    {45, "CanadianExchangeFactor", 620, 8, FK::Double},
    {46, "ExchangeFactorLocked", 628, 2, FK::Int16},
    {47, "EngineDiscountSuppressed", 630, 2, FK::Int16},
    {48, "EngineDiscountMode", 632, 2, FK::Int16},
    {49, "RateSheetDiscounts", 634, 32, FK::DoubleArray4},
    {50, "DiscountOnCharges", 666, 2, FK::Int16},
    {51, "ShowMiles", 668, 2, FK::Int16},
    {52, "ThreeDigitCodes", 670, 2, FK::Int16},
    {53, "RateSheetHeaders", 672, 260, FK::TextArray4},
    {54, "IconFile", 932, 12, FK::Text},
    {55, "MaxTotalWeight", 944, 4, FK::Int32},
    {56, "MapOn", 948, 2, FK::Int16},
    {57, "HiddenRateAdjustmentFactor", 950, 8, FK::Double},
    {58, "FuelSurchargeLTLMX", 958, 8, FK::Double},
}};

// Member of the record behind each field number, so encode, decode and the text form
// walk one table instead of three hand-written lists.
struct Binding {
  std::string SettingsRecord::*text = nullptr;
  std::int16_t SettingsRecord::*i16 = nullptr;
  std::int32_t SettingsRecord::*i32 = nullptr;
  double SettingsRecord::*f64 = nullptr;
};

Binding Bind(int number) {
  using R = SettingsRecord;
  Binding b;
  switch (number) {
    case 1:
      b.text = &R::CarrierName;
      break;
    case 2:
      b.text = &R::CarrierStreet;
      break;
    case 3:
      b.text = &R::CarrierStreet2;
      break;
    case 4:
      b.text = &R::CarrierCity;
      break;
    case 5:
      b.text = &R::CarrierState;
      break;
    case 6:
      b.text = &R::CarrierPostalCode;
      break;
    case 7:
      b.text = &R::Reserved1;
      break;
    case 8:
      b.text = &R::Reserved2;
      break;
    case 9:
      b.text = &R::Reserved3;
      break;
    case 10:
      b.text = &R::Reserved4;
      break;
    case 11:
      b.text = &R::ProductName;
      break;
    case 12:
      b.text = &R::EffectiveDate;
      break;
    case 13:
      b.text = &R::VersionText;
      break;
    case 14:
      b.text = &R::SupportName;
      break;
    case 15:
      b.text = &R::SupportNumber;
      break;
    case 16:
      b.text = &R::EngineCode;
      break;
    case 17:
      b.text = &R::ProductNumber;
      break;
    case 18:
      b.i16 = &R::AccessorialsOn;
      break;
    case 19:
      b.i16 = &R::PromptAccessorials;
      break;
    case 20:
      b.i16 = &R::BillOfLadingOn;
      break;
    case 21:
      b.i16 = &R::CityLookupOn;
      break;
    case 22:
      b.i16 = &R::FakOn;
      break;
    case 23:
      b.i16 = &R::UseFloorTables;
      break;
    case 24:
      b.i16 = &R::RateSheetFloorOn;
      break;
    case 25:
      b.i16 = &R::ServiceGuideOn;
      break;
    case 26:
      b.i16 = &R::PricePerUnitOn;
      break;
    case 27:
      b.i16 = &R::PromptPricePerUnit;
      break;
    case 28:
      b.i16 = &R::RateSheetOn;
      break;
    case 29:
      b.i16 = &R::RateSheetExportOn;
      break;
    case 30:
      b.i16 = &R::RulesOn;
      break;
    case 31:
      b.text = &R::DefaultOrigin;
      break;
    case 32:
      b.i16 = &R::OriginLocked;
      break;
    case 33:
      b.text = &R::DefaultDestination;
      break;
    case 34:
      b.i16 = &R::DestinationLocked;
      break;
    case 35:
      b.text = &R::DefaultClass;
      break;
    case 36:
      b.i16 = &R::ClassLocked;
      break;
    case 37:
      b.i32 = &R::DefaultWeight;
      break;
    case 38:
      b.i16 = &R::WeightLocked;
      break;
    case 39:
      b.f64 = &R::FuelSurchargeLTL;
      break;
    case 40:
      b.i16 = &R::FuelSurchargeLTLLocked;
      break;
    case 41:
      b.f64 = &R::FuelSurchargeTL;
      break;
    case 42:
      b.i16 = &R::FuelSurchargeTLLocked;
      break;
    case 43:
      b.f64 = &R::RateAdjustmentFactor;
      break;
    case 44:
      b.i16 = &R::RateAdjustmentLocked;
      break;
    case 45:
      b.f64 = &R::CanadianExchangeFactor;
      break;
    case 46:
      b.i16 = &R::ExchangeFactorLocked;
      break;
    case 47:
      b.i16 = &R::EngineDiscountSuppressed;
      break;
    case 48:
      b.i16 = &R::EngineDiscountMode;
      break;
    case 50:
      b.i16 = &R::DiscountOnCharges;
      break;
    case 51:
      b.i16 = &R::ShowMiles;
      break;
    case 52:
      b.i16 = &R::ThreeDigitCodes;
      break;
    case 54:
      b.text = &R::IconFile;
      break;
    case 55:
      b.i32 = &R::MaxTotalWeight;
      break;
    case 56:
      b.i16 = &R::MapOn;
      break;
    case 57:
      b.f64 = &R::HiddenRateAdjustmentFactor;
      break;
    case 58:
      b.f64 = &R::FuelSurchargeLTLMX;
      break;
    default:
      break;  // 49 and 53 are arrays
  }
  return b;
}

constexpr std::size_t kHeaderWidth = 65;

}  // namespace

const std::array<SettingsField, 58>& SettingsLayout() {
  return kLayout;
}

SettingsRecord DecodeSettings(const base::ByteRecord& bytes) {
  SettingsRecord s;
  for (const auto& f : kLayout) {
    const Binding b = Bind(f.number);
    switch (f.kind) {
      case FK::Text:
        s.*b.text = bytes.text(f.offset, f.size);
        break;
      case FK::Int16:
        s.*b.i16 = bytes.int16(f.offset);
        break;
      case FK::Int32:
        s.*b.i32 = bytes.int32(f.offset);
        break;
      case FK::Double:
        s.*b.f64 = bytes.float64(f.offset);
        break;
      case FK::DoubleArray4:
        for (std::size_t i = 1; i <= 4; ++i)
          s.RateSheetDiscounts[i] = bytes.float64(f.offset + 8 * (i - 1));
        break;
      case FK::TextArray4:
        for (std::size_t i = 1; i <= 4; ++i)
          s.RateSheetHeaders[i] = bytes.text(f.offset + kHeaderWidth * (i - 1), kHeaderWidth);
        break;
    }
  }
  return s;
}

base::ByteRecord EncodeSettings(const SettingsRecord& s) {
  base::ByteRecord bytes(kSettingsRecordLength, ' ');
  for (const auto& f : kLayout) {
    const Binding b = Bind(f.number);
    switch (f.kind) {
      case FK::Text:
        bytes.setText(f.offset, f.size, s.*b.text);
        break;
      case FK::Int16:
        bytes.setInt16(f.offset, s.*b.i16);
        break;
      case FK::Int32:
        bytes.setInt32(f.offset, s.*b.i32);
        break;
      case FK::Double:
        bytes.setFloat64(f.offset, s.*b.f64);
        break;
      case FK::DoubleArray4:
        for (std::size_t i = 1; i <= 4; ++i)
          bytes.setFloat64(f.offset + 8 * (i - 1), s.RateSheetDiscounts[i]);
        break;
      case FK::TextArray4:
        for (std::size_t i = 1; i <= 4; ++i)
          bytes.setText(f.offset + kHeaderWidth * (i - 1), kHeaderWidth, s.RateSheetHeaders[i]);
        break;
    }
  }
  return bytes;
}

std::string FieldText(const SettingsRecord& s, const SettingsField& f) {
  const Binding b = Bind(f.number);
  switch (f.kind) {
    case FK::Text:
      return base::TrimRight(s.*b.text);
    case FK::Int16:
      return std::to_string(s.*b.i16);
    case FK::Int32:
      return std::to_string(s.*b.i32);
    case FK::Double:
      return base::NumberToText(s.*b.f64);
    case FK::DoubleArray4: {
      std::string out;
      for (std::size_t i = 1; i <= 4; ++i)
        out += (i > 1 ? "," : "") + base::NumberToText(s.RateSheetDiscounts[i]);
      return out;
    }
    case FK::TextArray4: {
      std::string out;
      for (std::size_t i = 1; i <= 4; ++i)
        out += (i > 1 ? "|" : "") + base::TrimRight(s.RateSheetHeaders[i]);
      return out;
    }
  }
  return {};
}

namespace {

// The whole text must be the number, read the same in every process locale.
template <typename Number>
bool ParseAll(const std::string& text, Number& out) {
  std::string_view t = text;
  while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
  while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  if (t.empty()) return false;
  const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), out);
  return error == std::errc() && end == t.data() + t.size();
}

bool ParseWhole(const std::string& text, long long lo, long long hi, long long& out) {
  return ParseAll(text, out) && out >= lo && out <= hi;
}

bool ParseReal(const std::string& text, double& out) {
  return ParseAll(text, out) && std::isfinite(out);
}

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const auto at = text.find(sep, start);
    parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) break;
    start = at + 1;
  }
  return parts;
}

}  // namespace

bool SetFieldText(SettingsRecord& s, const SettingsField& f, const std::string& text) {
  const Binding b = Bind(f.number);
  long long whole = 0;
  switch (f.kind) {
    case FK::Text:
      if (text.size() > f.size) return false;
      s.*b.text = base::PadRight(text, f.size);
      return true;
    case FK::Int16:
      if (!ParseWhole(text, -32768, 32767, whole)) return false;
      s.*b.i16 = static_cast<std::int16_t>(whole);
      return true;
    case FK::Int32:
      if (!ParseWhole(text, INT32_MIN, INT32_MAX, whole)) return false;
      s.*b.i32 = static_cast<std::int32_t>(whole);
      return true;
    case FK::Double:
      return ParseReal(text, s.*b.f64);
    case FK::DoubleArray4: {
      const auto parts = Split(text, ',');
      if (parts.size() != 4) return false;
      std::array<double, 5> values{};
      for (std::size_t i = 0; i < 4; ++i)
        if (!ParseReal(parts[i], values[i + 1])) return false;
      s.RateSheetDiscounts = values;
      return true;
    }
    case FK::TextArray4: {
      const auto parts = Split(text, '|');
      if (parts.size() != 4) return false;
      for (std::size_t i = 0; i < 4; ++i)
        if (parts[i].size() > kHeaderWidth) return false;
      for (std::size_t i = 0; i < 4; ++i)
        s.RateSheetHeaders[i + 1] = base::PadRight(parts[i], kHeaderWidth);
      return true;
    }
  }
  return false;
}

std::string SettingsFault(const SettingsRecord& s) {
  const auto holds = [](const char* field, double value, const char* what) {
    return std::string(field) + " holds " + base::StoredNumberText(value) + ", which is not " +
           what;
  };
  constexpr const char* kPercentage = "a percentage from 0 to 100";
  const std::pair<const char*, double> fuel[] = {{"FuelSurchargeLTL", s.FuelSurchargeLTL},
                                                 {"FuelSurchargeTL", s.FuelSurchargeTL},
                                                 {"FuelSurchargeLTLMX", s.FuelSurchargeLTLMX}};
  for (const auto& [field, value] : fuel)
    if (!base::IsPercentage(value)) return holds(field, value, kPercentage);
  // The engine takes the factors' sum times 10000 in five characters, and takes what reads
  // as 0 there for no adjustment at all: the sum must be 0.0001 at least and below 10.
  constexpr const char* kFactor = "an adjustment factor from 0.0001 to below 10";
  if (!std::isfinite(s.RateAdjustmentFactor) || s.RateAdjustmentFactor == 0 ||
      std::fabs(s.RateAdjustmentFactor) >= 10)
    return holds("RateAdjustmentFactor", s.RateAdjustmentFactor, kFactor);
  if (!std::isfinite(s.HiddenRateAdjustmentFactor) || std::fabs(s.HiddenRateAdjustmentFactor) >= 10)
    return holds("HiddenRateAdjustmentFactor", s.HiddenRateAdjustmentFactor, kFactor);
  const double factor = s.RateAdjustmentFactor + s.HiddenRateAdjustmentFactor;
  if (!(factor >= 0.0001 && factor < 10))
    return "RateAdjustmentFactor and HiddenRateAdjustmentFactor add up to " +
           base::StoredNumberText(factor) + ", which is not " + kFactor;
  // The Canadian dollar has stayed between half and twice the US dollar: an exchange
  // percentage beyond -50 to 100 cannot be meant.
  if (!std::isfinite(s.CanadianExchangeFactor) || s.CanadianExchangeFactor < -50 ||
      s.CanadianExchangeFactor > 100)
    return holds("CanadianExchangeFactor", s.CanadianExchangeFactor,
                 "an exchange percentage from -50 to 100");
  if (!std::isfinite(s.RateSheetDiscounts[1]) ||
      std::fabs(s.RateSheetDiscounts[1]) >= base::kMoneyLimit)
    return holds("RateSheetDiscounts(1)", s.RateSheetDiscounts[1], "a number below 1000000");
  for (const std::size_t i : {2u, 3u})
    if (!base::IsDiscountPercentage(s.RateSheetDiscounts[i]))
      return holds(i == 2 ? "RateSheetDiscounts(2)" : "RateSheetDiscounts(3)",
                   s.RateSheetDiscounts[i], "a discount percentage from 0 to below 100");
  if (!base::IsMoney(s.RateSheetDiscounts[4]))
    return holds("RateSheetDiscounts(4)", s.RateSheetDiscounts[4],
                 "a floor from 0 to below 1000000");
  // The weight box takes five digits.
  if (s.DefaultWeight < 0 || s.DefaultWeight > 99999)
    return "DefaultWeight holds " + std::to_string(s.DefaultWeight) +
           ", which is not a weight from 0 to 99999 pounds";
  if (s.MaxTotalWeight < 0)
    return "MaxTotalWeight holds " + std::to_string(s.MaxTotalWeight) +
           ", which is not a weight limit (0 is none)";
  return {};
}

SettingsRead ReadSettings(const std::filesystem::path& file) {
  SettingsRead result;
  const std::int64_t length = base::FileLength(file);
  if (length < 0) return result;
  if (length < static_cast<std::int64_t>(kSettingsShortLength)) {
    result.status = SettingsStatus::Unreadable;
    return result;
  }
  std::string content = base::FileToString(file);
  if (content.size() != static_cast<std::size_t>(length)) {
    result.status = SettingsStatus::Unreadable;
    return result;
  }
  // The older 958-byte layout reads as a record whose last field is missing.
  content.resize(kSettingsRecordLength, '\0');
  std::vector<std::uint8_t> bytes(content.begin(), content.end());
  result.record = DecodeSettings(base::ByteRecord(std::move(bytes)));
  if (length != static_cast<std::int64_t>(kSettingsRecordLength))
    result.record.FuelSurchargeLTLMX = result.record.FuelSurchargeLTL;
  result.fault = SettingsFault(result.record);
  result.status = result.fault.empty() ? SettingsStatus::Ok : SettingsStatus::Damaged;
  return result;
}

bool WriteSettings(const std::filesystem::path& file, const SettingsRecord& settings,
                   std::string* error) {
  const base::ByteRecord bytes = EncodeSettings(settings);
  return base::WriteFileAtomic(
      file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error);
}

std::string AdjustmentFactorText(const SettingsRecord& settings) {
  return base::NumberToText((settings.HiddenRateAdjustmentFactor + settings.RateAdjustmentFactor) *
                            10000.0);
}

}  // namespace tarvex::pricing
