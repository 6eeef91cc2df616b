#include "ratesheet/zipcodes.h"

#include <gtest/gtest.h>

#include "support/program_dir.h"

namespace tarvex::ratesheet {
namespace {

class ZipCodesTest : public testing::ProgramDirTest {
 protected:
  std::string Fault(std::string_view state) {
    const auto read = ReadStateRanges(programDir_, state);
    EXPECT_FALSE(read.ok()) << state;
    return read.fault();
  }
};

TEST_F(ZipCodesTest, RangesOfTheStateReadInFileOrder) {
  Put(kZipCodesFileName, "AL2350 352 354 369\r\nTX3733 733 750 799 885 885\r\nWY1820 831\r\n");
  const auto tx = ReadStateRanges(programDir_, "TX");
  ASSERT_TRUE(tx.ok()) << tx.fault();
  EXPECT_EQ(tx.value(), (std::vector<CodeRange>{{"733", "733"}, {"750", "799"}, {"885", "885"}}));
  EXPECT_EQ(ReadStateRanges(programDir_, "AL").value().size(), 2U);
  EXPECT_TRUE(ReadStateRanges(programDir_, "NY").value().empty());
  EXPECT_TRUE(ReadStateRanges(programDir_, "ZZ").value().empty());
}

TEST_F(ZipCodesTest, LinesAreWrittenAsTheyAreRead) {
  const std::vector<std::vector<CodeRange>> cases{{{"010", "994"}},
                                                  {{"200", "200"}, {"202", "205"}},
                                                  {{"A0A", "A9Z"}, {"B0A", "B9Z"}, {"C0A", "C9Z"}}};
  for (const auto& ranges : cases) {
    Put(kZipCodesFileName, ZipCodesLine("MO", ranges) + "\n");
    EXPECT_EQ(ReadStateRanges(programDir_, "MO").value(), ranges);
  }
}

TEST_F(ZipCodesTest, MissingShortAndCorruptFilesNameTheFile) {
  EXPECT_NE(Fault("TX").find(kZipCodesFileName), std::string::npos);
  for (const char* bytes : {"TX3733\r\n", "TX1733 7\r\n", "TX1799 733\r\n", "tx1733 733\r\n",
                            "TX1ABC DEF\r\n", "TX0\r\n"}) {
    Put(kZipCodesFileName, bytes);
    EXPECT_NE(Fault("TX").find("is damaged: line 1"), std::string::npos) << bytes;
  }
  // A damaged line past the state looked for is never read.
  Put(kZipCodesFileName, "AL1350 352\r\n??\r\n");
  EXPECT_TRUE(ReadStateRanges(programDir_, "AL").ok());
}

}  // namespace
}  // namespace tarvex::ratesheet
