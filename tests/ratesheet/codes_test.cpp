#include "ratesheet/codes.h"

#include <gtest/gtest.h>

namespace tarvex::ratesheet {
namespace {

TEST(RateSheetCodes, ZipFormsAndSidelineCodes) {
  struct Case {
    const char* code;
    bool zipForm;
    bool sideline;
  };
  for (const Case c : {
           Case{"", false, true},
           Case{"300", true, true},
           Case{"64120", true, false},
           Case{"009", true, false},
           Case{"010", true, true},
           Case{"994", true, true},
           Case{"995", true, false},
           Case{"K1A", true, true},
           Case{"Z9Z", true, false},
           Case{"K1A0A", true, false},
           Case{"K1", false, false},
           Case{"1K1", false, false},
           Case{"064M", true, true},
           Case{"000M", false, true},
           Case{"06600M", true, false},
           Case{"12M", false, false},
           Case{"30", false, false},
           Case{"3000", false, false},
       }) {
    EXPECT_EQ(IsValidZipForm(c.code), c.zipForm) << c.code;
    EXPECT_EQ(IsValidSidelineCode(c.code), c.sideline) << c.code;
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

}  // namespace
}  // namespace tarvex::ratesheet
