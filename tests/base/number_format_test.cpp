#include "base/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <cstdlib>

#include "base/text.h"

namespace tarvex::base {
namespace {

TEST(FormatMask, RoundsHalvesAwayFromZeroAsTheTextReads) {
  struct Case {
    double value;
    const char* mask;
    const char* text;
  };
  const Case cases[] = {
      {2.345, "0.00", "2.35"},    {2.344999, "0.00", "2.34"},
      {-2.345, "0.00", "-2.35"},  {1.005, "0.00", "1.01"},
      {0.125, "0.00", "0.13"},    {1234.5, "0.00 ", "1234.50 "},
      {0, "0.00 ", "0.00 "},      {24.5, "0.000", "24.500"},
      {0.0005, "0.000", "0.001"}, {7, "0000", "0007"},
      {12.5, "0000", "0013"},     {64120, "00000", "64120"},
      {501, "00000", "00501"},    {0.245, "0.00%", "24.50%"},
      {0.65, "0.00%", "65.00%"},  {99999.995, "0.00", "100000.00"},
      {-0.004, "0.00", "0.00"},   {2.5, "0", "3"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatMask(c.value, c.mask), c.text) << c.value << " " << c.mask;
}

TEST(FormatMask, WritesTheUsersDecimalSeparator) {
  EXPECT_EQ(FormatMask(1234.5, "0.00 ", ','), "1234,50 ");
  EXPECT_EQ(FormatMask(3, "0000", ','), "0003");
}

TEST(WholeNumbers, RoundHalfEvenWhereTheProgramRoundsAndCutWhereItCuts) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.51), 3);
  EXPECT_EQ(RoundHalfEven(1e12), INT32_MAX);
  EXPECT_EQ(TruncateToWhole(-2.7), -2);
  EXPECT_EQ(TruncateToWhole(2.7), 2);
  EXPECT_EQ(FloorToWhole(-2.2), -3);
  // A pasted 1e20 is no overflow.
  EXPECT_EQ(TruncateToWhole(1e20), INT64_MAX);
  EXPECT_EQ(TruncateToWhole(-1e300), INT64_MIN);
  EXPECT_EQ(FloorToWhole(1e19), INT64_MAX);
}

TEST(NumberToText, GivesTheShortestPlainText) {
  EXPECT_EQ(NumberToText(0), "0");
  EXPECT_EQ(NumberToText(12.5), "12.5");
  EXPECT_EQ(NumberToText(1500000), "1500000");
  EXPECT_EQ(NumberToText(-0.25), "-0.25");
  EXPECT_EQ(NumberToText(1.05 * 10000), "10500");
  EXPECT_EQ(NumberToText(0.1 + 0.2), "0.3");
  EXPECT_EQ(NumberToText(123456789012.5), "123456789012.5");
  // Fifteen significant digits, rounded, as an adjustment factor's text is sent to the engine.
  EXPECT_EQ(NumberToText(1234.5678901234567), "1234.56789012346");
  EXPECT_EQ(NumberToText(1.005 * 1.1), "1.1055");
}

// The process locale, which Qt sets from the environment, changes nothing but what
// LocaleDecimalSeparator reports.
TEST(Numbers, AreTheSameInADecimalCommaProcessLocale) {
  ::setenv("LC_ALL", "fr_CA.UTF-8", 1);
  ASSERT_NE(std::setlocale(LC_ALL, "fr_CA.UTF-8"), nullptr)
      << "the fr_CA.UTF-8 locale is missing: scripts/setup-deps.sh makes it";
  EXPECT_EQ(LocaleDecimalSeparator(), ',');
  EXPECT_EQ(FormatMask(2.345, "0.00"), "2.35");
  EXPECT_EQ(FormatMask(1234.5, "0.00 ", ','), "1234,50 ");
  EXPECT_EQ(RoundForDisplay(1.005, 2), 1.01);
  EXPECT_EQ(NumberToText(12.5), "12.5");
  EXPECT_EQ(NumberToText(1234.5678901234567), "1234.56789012346");
  EXPECT_EQ(Val("46.5"), 46.5);
  EXPECT_EQ(ValLocal("65,5", ','), 65.5);
  ::setenv("LC_ALL", "C", 1);
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(LocaleDecimalSeparator(), '.');
  ::unsetenv("LC_ALL");
}

}  // namespace
}  // namespace tarvex::base
