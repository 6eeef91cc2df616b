// What a rate sheet is to contain, as the request window hands it to the production.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace tarvex::ratesheet {

inline constexpr int kSidelinePairs = 16;
inline constexpr int kClassColumns = 19;
inline constexpr int kWeightRows = 9;

struct RateSheetRequest {
  std::string HeadlineCode;
  // From the headline to each sideline point; false: from each sideline point to it.
  bool Outbound = true;
  // Slots 0 … 15 are filled from the screen; the run stops at the first pair not in use.
  std::array<std::string, kSidelinePairs + 1> SidelineLow;
  std::array<std::string, kSidelinePairs + 1> SidelineHigh;
  std::array<bool, kClassColumns> ClassSelected{};
  std::array<bool, kWeightRows> WeightSelected{};
  // The class of each column as the engine takes it, right-aligned in three characters.
  std::array<std::string, kClassColumns> RateSheetClassCodes;

  // A pair is in use when both its codes are given.
  bool PairInUse(std::size_t i) const {
    return !SidelineLow.at(i).empty() && !SidelineHigh.at(i).empty();
  }
};

// The first weight column (counted from 1) to hide for a maximum total weight, or 0 when every
// column stays: the rate sheet and the speed sheet show no break the carrier would not haul.
int FirstHiddenWeightColumn(int maxTotalWeight);

}  // namespace tarvex::ratesheet
