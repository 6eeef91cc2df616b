#include "pricing/discount_sets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "pricing/ini_file.h"
#include "support/program_dir.h"

namespace tarvex::pricing {
namespace {

namespace fs = std::filesystem;
using Items = std::vector<std::string>;

class DiscountSets : public testing::ProgramDirTest {
 protected:
  DiscountKeyList Fill(const char* country, int mode) {
    std::string tag;
    return FillDiscountKeyList(base::ProgramDir(dir_), country, mode, tag);
  }
  void Options(const std::string& name, bool traditional, bool rates) {
    Put(name, std::string("[Discounts]\r\noptTraditional=") + (traditional ? "True" : "False") +
                  "\r\noptState=" + (traditional ? "False" : "True") +
                  "\r\noptRates=" + (rates ? "True" : "False") +
                  "\r\noptCharges=" + (rates ? "False" : "True") + "\r\n");
  }
};

TEST_F(DiscountSets, EachCountryListsItsOwnSets) {
  EXPECT_EQ(Fill("U", 1).items, Items{"00000"});  // an empty directory: the default set only
  for (const char* name : {"d00000.ini", "d000000.ini", "d0000.ini", "d64120.ini"}) Put(name, "");
  EXPECT_EQ(Fill("U", 1).items, (Items{"00000", "64120"}));
  EXPECT_EQ(Fill("C", 1).items, Items{"000000"});
  EXPECT_EQ(Fill("C", 1).text, "000000");
  EXPECT_EQ(Fill("M", 1).items, Items{"0000"});
  EXPECT_EQ(Fill("M", 1).text, "0000");
  // Any country letter other than C and M is the United States.
  EXPECT_EQ(Fill("", 1).items, (Items{"00000", "64120"}));
}

TEST_F(DiscountSets, UsListTakesEverySetFileAndAddsTheDefaultLast) {
  // The key ends at the first "."; "d.ini" names no key, "d1 2.ini" one that cannot be a set's
  // file name.
  for (const char* name : {"d30301.ini", "D07102.INI", "d10001.bak.ini", "readme.ini", "d64120.txt",
                           "d.ini", "d1 2.ini"})
    Put(name, "");
  fs::create_directories(dir_ / "d55555.ini");  // a folder, not a set
  EXPECT_EQ(Fill("U", 1).items, (Items{"07102", "10001", "30301", "00000"}));
}

TEST_F(DiscountSets, ModeThreeDescribesEachSetsOptions) {
  Options("d64120.ini", /*traditional=*/true, /*rates=*/false);
  Options("d000000.ini", /*traditional=*/false, /*rates=*/true);
  EXPECT_EQ(Fill("U", 3).items, (Items{"64120     Traditional     Charges         ",
                                       // No d00000.ini: the key and five blanks.
                                       "00000     "}));
  EXPECT_EQ(Fill("C", 3).items, Items{"000000    State           Rates           "});
  EXPECT_EQ(Fill("M", 3).items, Items{"0000    "});
}

TEST_F(DiscountSets, OnlyExactlyTrueCountsAsSelected) {
  Put("d00000.ini", "[Discounts]\r\noptTraditional=true\r\noptState=True\r\noptRates=-1\r\n");
  EXPECT_EQ(Fill("U", 3).items, Items{"00000     State           "});
}

TEST_F(DiscountSets, TagKeepsTheSavedSetSelectedOnce) {
  Put("d64120.ini", "");
  std::string tag = "64120";
  const base::ProgramDir dir(dir_);
  auto list = FillDiscountKeyList(dir, "U", 1, tag);
  EXPECT_EQ(list.text, "64120");
  EXPECT_EQ(tag, "");
  list = FillDiscountKeyList(dir, "U", 1, tag);
  EXPECT_EQ(list.text, "00000");
}

TEST(DiscountSetNames, OnlyPlainKeysNameAFile) {
  EXPECT_EQ(DiscountSetFileName("00000").value(), "d00000.ini");
  EXPECT_EQ(DiscountSetFileName("64120").value(), "d64120.ini");
  for (const char* key : {"", "..", "../x", "a/b", "a\\b", "1 2", "12.5", "C:1", "64120\r\n"})
    EXPECT_FALSE(DiscountSetFileName(key).has_value()) << key;
}

TEST(StateSection, ZeroValuesStillWriteAllEightKeys) {
  EXPECT_EQ(StateSectionText({}),
            "OutboundDirectFloor=0\r\nOutboundDirectLTL=0\r\nOutboundInterlineFloor=0\r\n"
            "OutboundInterlineLTL=0\r\nInboundDirectFloor=0\r\nInboundDirectLTL=0\r\n"
            "InboundInterlineFloor=0\r\nInboundInterlineLTL=0");
}

TEST_F(DiscountSets, StateSectionRoundTripsThroughTheIniLayer) {
  const auto file = dir_ / "d64120.ini";
  ASSERT_TRUE(WriteIniSection("KS", StateSectionText({0, 40, 0, 0, 95.5, 35, 0, 0}), file));
  EXPECT_EQ(ReadIniValue("KS", "InboundDirectFloor", file, ""), "95.5");
  EXPECT_EQ(ReadIniValue("KS", "OutboundDirectLTL", file, ""), "40");
}

}  // namespace
}  // namespace tarvex::pricing
