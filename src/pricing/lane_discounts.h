// The discount look-up of a lane: which customer set and which of its fields price the lane
// on the quote window, and whether the discount applies to rates or to charges.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "base/program_dir.h"

namespace tarvex::pricing {

// What the look-up reads from the quote window and the rating request when it runs.
struct LaneDiscountInputs {
  std::string originPostalCode;  // the rating request's six-character fields
  std::string destinationPostalCode;
  std::string originState;  // the lane's two-character state or province codes
  std::string destinationState;
  std::string originStateCaption;  // captions of lblOriginState and lblDestinationState
  std::string destinationStateCaption;
  bool inboundPricing = false;  // optApplyInboundPricing selected
  bool mexico571Mode = false;   // the program-wide Mexico571Mode
  char decimalSeparator = '.';  // the user's, for the two-decimal display
};

// What the look-up hands back: the texts for txtDiscount(0) to (3), nothing where a field is
// left as it was; the DiscountOnCharges flag; and the lane's country, "CN" or "US".
struct LaneDiscounts {
  std::array<std::optional<std::string>, 4> txtDiscount;
  bool DiscountOnCharges = true;
  std::string country;
  std::string setKey;             // the set that priced the lane ("64120", "00000", "000000", ...)
  std::filesystem::path setFile;  // its file, which may not exist
  bool pricedByState = false;
  // Set when the set holds what its fields cannot mean (a floor that is no amount from 0 to
  // below 1000000, an LTL discount that is no percentage from 0 to below 100, a value that is
  // no number, option buttons that are not one of a pair "True"); such a field is left empty.
  std::string fault;
};

// Nothing when the origin is empty (the look-up then changes nothing). Postal codes are
// reduced to their numeric value before they name a set, so no character of a code can reach
// a file name; a missing set file gives empty fields, never a message.
std::optional<LaneDiscounts> LookUpLaneDiscounts(const base::ProgramDir& dir,
                                                 const LaneDiscountInputs& lane);

// A set's value as the discount fields show it: a number with two decimals ("0.00"), an empty
// value empty, any other text as it stands. A number may use the user's separator or ".".
std::string DiscountFieldText(const std::string& value, char decimalSeparator = '.');

}  // namespace tarvex::pricing
