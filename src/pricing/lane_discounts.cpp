#include "pricing/lane_discounts.h"

#include "base/files.h"
#include "base/limits.h"
#include "base/number_format.h"
#include "base/text.h"
#include "geo/postal_code.h"
#include "pricing/discount_sets.h"
#include "pricing/ini_file.h"

namespace tarvex::pricing {
namespace {

// The set key of a ZIP: its numeric value with five digits. Only digits come out of this, so
// the key can name a file whatever the code held.
std::string KeyZip(std::string_view postalCode) {
  const double value = base::Val(postalCode);
  if (!(value >= 0) || value > 99999999) return {};
  return base::FormatMask(value, "00000");
}

}  // namespace

std::string DiscountFieldText(const std::string& value, char decimalSeparator) {
  const std::string text = base::Trim(value);
  if (text.empty()) return {};
  // A set written on a desktop with the other separator still shows its numbers.
  for (const char separator : {decimalSeparator, '.'})
    if (IsSetNumber(text, separator))
      return base::FormatMask(base::ValLocal(text, separator), "0.00", decimalSeparator);
  return value;
}

std::optional<LaneDiscounts> LookUpLaneDiscounts(const base::ProgramDir& dir,
                                                 const LaneDiscountInputs& lane) {
  if (base::Trim(lane.originPostalCode).empty()) return std::nullopt;

  const bool mexicanPortion =
      lane.mexico571Mode && (base::Trim(lane.originStateCaption) == "MX" ||
                             base::Trim(lane.destinationStateCaption) == "MX");
  const geo::Country origin = geo::PostalCountry(lane.originPostalCode);
  const geo::Country destination = geo::PostalCountry(lane.destinationPostalCode);
  const bool canadianEnd = origin == geo::Country::CN || destination == geo::Country::CN;
  const bool mexicanEnd = origin == geo::Country::MX || destination == geo::Country::MX;

  LaneDiscounts result;
  // The customer is the shipper on outbound pricing and the consignee on inbound.
  std::string key =
      KeyZip(lane.inboundPricing ? lane.destinationPostalCode : lane.originPostalCode);
  bool intrastate = lane.originState == lane.destinationState;
  const auto keyFile = DiscountSetPath(dir, key);
  if (!keyFile || base::FileLength(*keyFile) < 0) key = kDefaultUsSetKey;
  if (canadianEnd) {
    key = kCanadianSetKey;
    intrastate = false;
  }
  if (mexicanEnd) {
    // In the Mexican set the "Intrastate" fields price Mexico-Canada lanes.
    key = kMexicanSetKey;
    intrastate = canadianEnd && !lane.mexico571Mode;
  }
  result.setKey = key;
  result.setFile = *DiscountSetPath(dir, key);

  std::vector<std::string> faults;
  const auto read = [&](const std::string& section, const std::string& name) -> std::string {
    const std::string value = base::Trim(ReadIniValue(section, name, result.setFile, ""));
    if (value.empty()) return {};
    const bool ltl = IsLtlField(name);
    for (const char separator : {lane.decimalSeparator, '.'}) {
      if (!IsSetNumber(value, separator)) continue;
      const double number = base::ValLocal(value, separator);
      if (ltl ? base::IsDiscountPercentage(number) : base::IsMoney(number))
        return DiscountFieldText(value, lane.decimalSeparator);
      break;
    }
    faults.push_back(
        name + " in [" + section + "] holds \"" + value + "\", which is not " +
        (ltl ? "a discount percentage from 0 to below 100" : "a floor from 0 to below 1000000"));
    return {};
  };
  const auto option = [&](const char* name) {
    return ReadIniValue(kDiscountsSection, name, result.setFile, "");
  };
  // The editor writes both buttons of a pair, exactly one "True"; anything else is damage.
  for (const auto& [first, second] :
       {std::pair{"optTraditional", "optState"}, std::pair{"optRates", "optCharges"}}) {
    const std::string a = option(first);
    const std::string b = option(second);
    if (!a.empty() && !b.empty() && (a == "True") == (b == "True"))
      faults.push_back(std::string(first) + " and " + second + " hold \"" + a + "\" and \"" + b +
                       "\", where exactly one must be True");
  }
  result.DiscountOnCharges = option("optRates") != "True";
  result.pricedByState = option("optTraditional") != "True";
  result.country = canadianEnd ? "CN" : "US";

  const std::string direction = lane.inboundPricing ? "Inbound" : "Outbound";
  if (!result.pricedByState) {
    std::string prefix = "txt" + direction;
    if (!mexicanPortion) prefix += intrastate ? "Intrastate" : "Interstate";
    prefix += "Direct";
    if (!mexicanPortion) {
      result.txtDiscount[0] = read(kDiscountsSection, prefix + "Floor");
      result.txtDiscount[1] = read(kDiscountsSection, prefix + "LTL");
    } else {
      result.txtDiscount[0] = read(kDiscountsSection, prefix + "Floor" + result.country);
      result.txtDiscount[1] = read(kDiscountsSection, prefix + "LTL" + result.country);
      result.txtDiscount[2] = read(kDiscountsSection, prefix + "FloorMX");
      result.txtDiscount[3] = read(kDiscountsSection, prefix + "LTLMX");
    }
  } else {
    // The state at the far end of the customer's lane.
    const std::string section = lane.inboundPricing ? lane.originState : lane.destinationState;
    result.txtDiscount[0] = read(section, direction + "DirectFloor");
    result.txtDiscount[1] = read(section, direction + "DirectLTL");
  }
  if (!faults.empty()) {
    result.fault = "The discount set \"" + result.setFile.string() + "\" is damaged: ";
    for (std::size_t i = 0; i < faults.size(); ++i) result.fault += (i > 0 ? "; " : "") + faults[i];
    result.fault += ". Such fields are left empty.";
  }
  return result;
}

}  // namespace tarvex::pricing
