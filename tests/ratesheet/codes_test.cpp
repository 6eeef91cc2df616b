#include "ratesheet/codes.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "ratesheet/request.h"

namespace tarvex::ratesheet {
namespace {

TEST(RateSheetCodes, ZipFormsAndSidelineCodes) {
  const std::tuple<const char*, bool, bool> cases[] = {
      {"", false, true},    {"300", true, true},    {"64120", true, false},  {"009", true, false},
      {"010", true, true},  {"994", true, true},    {"995", true, false},    {"K1A", true, true},
      {"Z9Z", true, false}, {"K1A0A", true, false}, {"K1", false, false},    {"1K1", false, false},
      {"064M", true, true}, {"000M", false, true},  {"06600M", true, false}, {"12M", false, false},
      {"30", false, false}, {"3000", false, false},
  };
  for (const auto& [code, zipForm, sideline] : cases) {
    EXPECT_EQ(IsValidZipForm(code), zipForm) << code;
    EXPECT_EQ(IsValidSidelineCode(code), sideline) << code;
  }
}

TEST(RateSheetCodes, CountryHeadlineWideningAndClassCodes) {
  EXPECT_EQ(CountryOfSideline("64120"), SidelineCountry::US);
  EXPECT_EQ(CountryOfSideline("064M"), SidelineCountry::Mexico);
  EXPECT_EQ(CountryOfSideline("K1A"), SidelineCountry::Canada);
  EXPECT_EQ(WidenHeadline("300"), "30001");
  EXPECT_EQ(WidenHeadline("K1A"), "K1A0A");
  EXPECT_EQ(RateSheetClassCode("50    "), " 50");
  EXPECT_EQ(RateSheetClassCode("100   "), "100");
  EXPECT_EQ(RateSheetClassCode("77.5  "), "77.");
}

TEST(RateSheetCodes, WeightCaptionsNameEachBreakByItsLowerBound) {
  const std::vector<std::int32_t> breaks{0, 500, 1000, 2000, 5000, 10000, 20000, 30000, 40000};
  const char* expected[] = {"L5C", "5C", "1M", "2M", "5M", "10M", "20M", "30M", "40M"};
  for (std::size_t i = 0; i < breaks.size(); ++i) EXPECT_EQ(WeightCaption(breaks, i), expected[i]);
  // Breaks that do not fall on whole hundreds or thousands keep their fraction.
  EXPECT_EQ(WeightCaption({0, 250, 1500}, 0), "L2.5C");
  EXPECT_EQ(WeightCaption({0, 250, 1500}, 2), "1.5M");
  // Break 0 takes the unit of its own size: below 1000 pounds, hundreds.
  EXPECT_EQ(WeightCaption({0, 2000}, 0), "L20C");
  EXPECT_EQ(WeightCaption({0, 500}, 5), "");
}

TEST(FirstHiddenWeightColumn, HidesTheBreaksAboveTheMaximumWeight) {
  const std::pair<int, int> cases[] = {
      {-1, 2},   {0, 2},     {499, 2},   {500, 3},   {999, 3},   {1000, 4},    {4999, 5},
      {5000, 6}, {12000, 7}, {20000, 8}, {39999, 9}, {40000, 0}, {2000000, 0},
  };
  for (const auto& [maximum, column] : cases)
    EXPECT_EQ(FirstHiddenWeightColumn(maximum), column) << maximum;
}

}  // namespace
}  // namespace tarvex::ratesheet
