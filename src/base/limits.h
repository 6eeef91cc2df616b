// What the numbers of the program's data files can mean: a value outside these limits is a
// damaged file, reported by name, never a price.
#pragma once

#include <cmath>
#include <string>

namespace tarvex::base {

// Money in dollars: no single charge, fee or floor of one LTL shipment comes near a million
// dollars, so a larger amount (or a negative one) can only be a damaged file.
inline constexpr double kMoneyLimit = 1'000'000;
inline bool IsMoney(double value) {
  return std::isfinite(value) && value >= 0 && value < kMoneyLimit;
}

// A percentage of a charge: from 0 to 100.
inline bool IsPercentage(double value) {
  return std::isfinite(value) && value >= 0 && value <= 100;
}

// A discount percentage: below 100, as the quote window and the discount editor refuse 100
// or more.
inline bool IsDiscountPercentage(double value) {
  return std::isfinite(value) && value >= 0 && value < 100;
}

// The stored value as a message shows it: "nan", "inf", "1e+300", "35.5".
std::string StoredNumberText(double value);

}  // namespace tarvex::base
