#include "ratesheet/request.h"

#include <gtest/gtest.h>

namespace tarvex::ratesheet {
namespace {

TEST(FirstHiddenWeightColumn, HidesTheBreaksAboveTheMaximumWeight) {
  struct Case {
    int maximum;
    int column;
  };
  for (const Case c : {Case{-1, 2}, Case{0, 2}, Case{499, 2}, Case{500, 3}, Case{999, 3},
                       Case{1000, 4}, Case{4999, 5}, Case{5000, 6}, Case{12000, 7}, Case{20000, 8},
                       Case{39999, 9}, Case{40000, 0}, Case{2000000, 0}})
    EXPECT_EQ(FirstHiddenWeightColumn(c.maximum), c.column) << c.maximum;
}

}  // namespace
}  // namespace tarvex::ratesheet
