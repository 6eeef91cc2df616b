#include "datakit/discount_sets_part.h"

#include <gtest/gtest.h>

#include <string>

#include "datakit/part_test.h"
#include "support/program_dir.h"

namespace tarvex::datakit {
namespace {

class DiscountSetsPartTest : public testing::ProgramDirTest {};

TEST_F(DiscountSetsPartTest, FindsSetsTheQuoteWindowWouldRefuseOrNeverPick) {
  const std::string good =
      "[Discounts]\r\noptTraditional=True\r\noptState=False\r\noptRates=True\r\n"
      "optCharges=False\r\n";
  Put("d00000.ini", good + "txtOutboundInterstateDirectLTL=62.5\r\n");
  Put("d64108.ini",
      "[Discounts]\r\ncboKeyZip=64109\r\noptTraditional=True\r\noptState=True\r\n"
      "optRates=False\r\noptCharges=False\r\ntxtOutboundInterstateDirectLTL=100\r\n"
      "txtInboundDirectFloorMX=ten\r\n[MO]\r\nOutboundDirectLTL=-1\r\n");
  Put("d641.ini", good);
  Put("d30303.ini", "[GA]\r\nOutboundDirectLTL=50\r\n");
  Report report;
  DiscountSetsPart().check(dir_, report);
  const std::string faults = Faults(report);
  for (const char* expected :
       {"d64108.ini: cboKeyZip = 64109 in the file of set 64108",
        "d64108.ini: exactly one of optTraditional and optState must be True",
        "d64108.ini: exactly one of optRates and optCharges must be True",
        "d64108.ini: txtOutboundInterstateDirectLTL = 100: a discount lies from 0 to below 100",
        "d64108.ini: txtInboundDirectFloorMX = ten is not a number",
        "d64108.ini [MO]: OutboundDirectLTL = -1: a discount", "d641.ini: the look-up picks",
        "d30303.ini: no [Discounts] section"})
    EXPECT_NE(faults.find(expected), std::string::npos) << expected << "\n" << faults;
  EXPECT_EQ(faults.find("d00000.ini"), std::string::npos) << faults;
}

TEST_F(DiscountSetsPartTest, DirectoryWithoutSetsHasNoFaults) {
  Report report;
  DiscountSetsPart().check(dir_, report);
  EXPECT_TRUE(report.ok());
  EXPECT_FALSE(report.notes().empty());  // the missing default set is worth a note
}

}  // namespace
}  // namespace tarvex::datakit
