#include "ratesheet/request.h"

#include <array>
#include <utility>

namespace tarvex::ratesheet {

int FirstHiddenWeightColumn(int maxTotalWeight) {
  // Below each limit, the column from which the breaks lie above what may be shipped.
  static constexpr std::array<std::pair<int, int>, 8> kLimits{{
      {500, 2},
      {1000, 3},
      {2000, 4},
      {5000, 5},
      {10000, 6},
      {20000, 7},
      {30000, 8},
      {40000, 9},
  }};
  for (const auto& [limit, column] : kLimits)
    if (maxTotalWeight < limit) return column;
  return 0;
}

}  // namespace tarvex::ratesheet
