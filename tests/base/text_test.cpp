#include "base/text.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarvex::base {
namespace {

TEST(Val, TakesTheLongestNumericPrefixAndZeroForNone) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"12345M", 12345}, {"A1B2C3", 0}, {"", 0},          {"   42", 42},
      {"-1.5e2x", -150}, {"1.5E", 1.5}, {"3.25.7", 3.25}, {".5", 0.5},
      {"+7", 7},         {"1D2", 100},  {"- 5", 0},       {"77.5", 77.5},
      {"  0012", 12},    {"12 34", 12}, {"$12", 0},       {"5.", 5},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << c.text;
  // Beyond a double, as the C library reads it: infinite, or 0 below the smallest.
  EXPECT_EQ(Val("1e400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("-1e400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(Val("1e-400"), 0.0);
}

TEST(ParseNumber, TakesOnlyAWholeFiniteNumber) {
  EXPECT_EQ(ParseNumber(" 12.5 "), 12.5);
  EXPECT_EQ(ParseNumber("+3"), 3);
  EXPECT_EQ(ParseNumber("-1e3"), -1000);
  for (const char* text : {"", " ", "12x", "1,5", "nan", "inf", "1e400", "--1"})
    EXPECT_FALSE(ParseNumber(text).has_value()) << text;
}

TEST(Val, LocalSeparatorReadsTheUsersDecimalComma) {
  EXPECT_DOUBLE_EQ(ValLocal("12,50", ','), 12.5);
  EXPECT_DOUBLE_EQ(ValLocal("12.50", ','), 12);
  EXPECT_DOUBLE_EQ(ValLocal("12.50", '.'), 12.5);
}

TEST(Text, TrimsBlanksOnlyAndPadsToWidth) {
  EXPECT_EQ(Trim("  ab c  "), "ab c");
  EXPECT_EQ(Trim("\tab "), "\tab");  // the classic trim knows only blanks
  EXPECT_EQ(Trim("    "), "");
  EXPECT_EQ(PadRight("ME1", 6), "ME1   ");
  EXPECT_EQ(PadRight("ABCDEFGH", 6), "ABCDEF");
  EXPECT_EQ(PadLeft("84", 4), "  84");
  EXPECT_EQ(PadLeft("12345", 4), "12345");
}

TEST(Text, ComparesByCharacterCode) {
  EXPECT_LT(CompareText("A1B", "a1b"), 0);
  EXPECT_LT(CompareText("30303", "A0A"), 0);  // digits sort before letters
  EXPECT_LT(CompareText("303", "30303"), 0);
  EXPECT_EQ(CompareText("M5V", "M5V"), 0);
  EXPECT_GT(CompareText("\xE9", "z"), 0);  // high bytes compare unsigned
}

TEST(Text, CaseHelpersTouchAsciiOnly) {
  EXPECT_EQ(ToUpper("a1b2c3"), "A1B2C3");
  EXPECT_TRUE(EqualsNoCase("FAK.dat", "fak.DAT"));
  EXPECT_FALSE(EqualsNoCase("fak.dat", "fak.da"));
  EXPECT_TRUE(StartsWithNoCase("Courier New", "courier"));
}

TEST(Cp1252, RoundTripsTheCodePageAndMarksWhatItCannotHold) {
  const std::string stored =
      "Montr\xE9"
      "al \x80"
      "5 \x93ok\x94";
  const std::string utf8 = Cp1252ToUtf8(stored);
  EXPECT_EQ(utf8, "Montréal €5 “ok”");
  EXPECT_EQ(Utf8ToCp1252(utf8), stored);
  EXPECT_EQ(Utf8ToCp1252("日本"), "??");
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");  // cut sequence
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "?");  // a byte the code page leaves empty
  // A supplier's city name that is not UTF-8 shows where it went wrong, not less.
  EXPECT_EQ(Utf8ToCp1252("Caf\xFF Ville"), "Caf? Ville");
  EXPECT_EQ(Utf8ToCp1252("a\x80"
                         "b"),
            "a?b");
  EXPECT_EQ(Utf8ToCp1252("\xC3(x"), "?(x");
}

}  // namespace
}  // namespace tarvex::base
