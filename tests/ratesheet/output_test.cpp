#include "ratesheet/output.h"

#include <gtest/gtest.h>

#include <utility>

#include "base/text.h"

namespace tarvex::ratesheet {
namespace {

PointRating Details(std::vector<std::int32_t> weights, std::vector<std::int32_t> amounts,
                    std::string flags, double floor = 0) {
  PointRating r;
  r.weights = std::move(weights);
  r.amounts = std::move(amounts);
  r.flags = std::move(flags);
  r.floor = floor;
  return r;
}

TEST(DetailLines, MarkEachEntryAndHoldTheFloor) {
  const std::pair<PointRating, std::string> cases[] = {
      {Details({0}, {9500}, "1"), "*[MC 95.00]"},
      {Details({0, 499}, {8500, 2500}, "10", 95.0), "*[MC 95.00][>498 95.00]"},
      {Details({0, 0}, {9500, 2500}, "10"), "*[MC 95.00][SSMC 25.00]"},
      {Details({0, 500}, {9500, 0}, "11"), "*[MC 95.00]"},  // an empty amount is left out
  };
  for (const auto& [rating, line1] : cases) {
    const DetailLines d = BuildDetailLines(rating);
    EXPECT_EQ(d.line1, line1 + std::string(94 - line1.size(), ' ') + "|");
    EXPECT_EQ(d.line2, "");
  }
}

TEST(DetailLines, ALongListBreaksAfterTheLastWholeEntry) {
  std::vector<std::int32_t> weights;
  std::vector<std::int32_t> amounts;
  for (int i = 1; i <= 10; ++i) {
    weights.push_back(i * 1000);
    amounts.push_back(10000 + i);
  }
  const DetailLines d = BuildDetailLines(Details(weights, amounts, "1111111111"));
  ASSERT_EQ(d.line1.size(), 95U);
  ASSERT_EQ(d.line2.size(), 95U);
  // "*", one entry of 13 characters and five of 14 end at position 84; the seventh would not
  // end before position 95.
  const std::string first = base::TrimRight(d.line1.substr(0, 94));
  EXPECT_EQ(first.size(), 84U);
  EXPECT_EQ(first.substr(70), "[>5999 100.06]");
  EXPECT_EQ(base::TrimRight(d.line2.substr(0, 94)),
            " [>6999 100.07][>7999 100.08][>8999 100.09][>9999 100.10]");
}

}  // namespace
}  // namespace tarvex::ratesheet
