#include "ratesheet/sideline_codes.h"

#include <gtest/gtest.h>

#include <tuple>

#include "ratesheet/base_points.h"
#include "ratesheet/production.h"

namespace tarvex::ratesheet {
namespace {

TEST(NextSidelineCode, StepsEveryKindOfCode) {
  const std::pair<const char*, const char*> cases[] = {
      {"300", "301"},     {"099", "100"},     {"999", "000"},     {"A0A", "A0B"},
      {"A0Z", "A1A"},     {"A9Z", "B0A"},     {"123M", "124M"},   {"999M", "000M"},
      {"99999", "00000"}, {"30012", "30013"}, {"K1A0Z", "K1A1A"}, {"K1A9Z", "K1B0A"},
      {"30A", "30A"},     {"", ""},
  };
  for (const auto& [code, next] : cases) EXPECT_EQ(NextSidelineCode(code), next) << code;
}

TEST(NextSidelineCode, ACanadianRangeVisitsEveryLetterThenCarries) {
  std::vector<std::string> visited;
  for (std::optional<std::string> c = "A0A"; c; c = Production::Next(*c, "A1C"))
    visited.push_back(*c);
  ASSERT_EQ(visited.size(), 29U);
  EXPECT_EQ(visited[25], "A0Z");
  EXPECT_EQ(visited[26], "A1A");
  EXPECT_EQ(visited.back(), "A1C");
  // The prefix range that reaches 999 stops there rather than wrapping to 000.
  EXPECT_EQ(Production::Next("999", "999"), std::nullopt);
  EXPECT_EQ(Production::Next("998", "999"), "999");
}

TEST(RateSheetMinimum, TheFloorWinsOnlyWhenHigher) {
  EXPECT_EQ(RateSheetMinimum("  85.00", 95.00), 9500);
  EXPECT_EQ(RateSheetMinimum("  85.00", 80.00), 8500);
  EXPECT_EQ(RateSheetMinimum("85.00", 0), 8500);
  // A floor's text keeps its last five digits.
  EXPECT_EQ(RateSheetMinimum("85.00", 1234.56), 23456);
  EXPECT_EQ(PadRight6("9500"), "9500  ");
  EXPECT_EQ(PadRight6("1234567"), "1234567");
}

TEST(SplitCode, CutsAPrefixAtTheEndsOfItsRanges) {
  const std::vector<BaseRange> ranges = {
      {1, "010", "089"}, {1, "100", "339"},     {1, "30450", "30479"}, {1, "341", "961"},
      {2, "A0A", "A9Z"}, {2, "K1A5A", "K1A9Z"}, {3, "200", "299"}};
  const std::tuple<const char*, std::vector<std::string>, const char*> cases[] = {
      {"300", {"30000"}, "00-99"},   {"304", {"30400", "30450", "30480"}, "00-49,50-79,80-99"},
      {"30460", {"30460"}, "60-60"}, {"A1B", {"A1B0A"}, "0A-9Z"},
      {"K1A", {"K1A5A"}, "5A-9Z"},  // the part before 5A is served by no range
      {"250M", {"25000M"}, "00-99"}, {"340", {"34000"}, "00-99"},  // no range: the engine decides
  };
  for (const auto& [code, points, note] : cases) {
    const std::vector<CodePart> parts = SplitCode(code, ranges);
    std::vector<std::string> found;
    for (const CodePart& p : parts) found.push_back(p.point);
    EXPECT_EQ(found, points) << code;
    EXPECT_EQ(NoteOfParts(parts), note) << code;
  }
}

TEST(ParseBasePoints, ReadsTheListAndNamesTheLineAtFault) {
  const auto ok = ParseBasePoints("1005  005   D\r\n13045030479 I\r\n2A0A  A9Z   I\r\n\r\n", "K.b");
  ASSERT_TRUE(ok.ok()) << ok.fault();
  ASSERT_EQ(ok.value().size(), 3U);
  EXPECT_EQ(ok.value()[1].low, "30450");
  EXPECT_EQ(ok.value()[1].high, "30479");
  for (const char* bad :
       {"4005  005   D", "1005  30479 D", "1300  200   D", "1AB0  AB0   D", "2A0   A9Z   D", "1"}) {
    const auto read = ParseBasePoints(std::string("1010  089   D\n") + bad, "K.b");
    EXPECT_FALSE(read.ok()) << bad;
    EXPECT_NE(read.fault().find("K.b is damaged: line 2"), std::string::npos) << read.fault();
  }
}

}  // namespace
}  // namespace tarvex::ratesheet
