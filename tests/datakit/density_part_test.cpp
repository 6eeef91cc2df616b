// The density part of the kit: the scale checked as it is read and refused whole.
#include "datakit/density_part.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "datakit/part_test.h"
#include "tools/density.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

class DensityPartTest : public PartTest {};

TEST_F(DensityPartTest, FaultsNameTheLineAndABadScaleWritesNoTable) {
  scratch_.Put("src/density.tsv", "# bands\n0\t1\t400\n2\t-\t300\n1 2 3\n");
  Report report;
  DensityPart().build(src_, out_, report);
  ASSERT_EQ(report.faults().size(), 2U);
  EXPECT_NE(report.faults()[0].find("density.tsv:3"), std::string::npos) << report.faults()[0];
  EXPECT_NE(report.faults()[0].find("does not begin where"), std::string::npos);
  EXPECT_NE(report.faults()[1].find("density.tsv:4"), std::string::npos) << report.faults()[1];
  EXPECT_FALSE(fs::exists(out_ / tools::DensityTableName(false)));

  // A class outside the freight classes is the reader's refusal, reported before writing.
  scratch_.Put("src/density.tsv", "0\t-\t95\n");
  Report refused;
  DensityPart().build(src_, out_, refused);
  ASSERT_EQ(refused.faults().size(), 1U);
  EXPECT_NE(refused.faults()[0].find("no freight class"), std::string::npos);
  EXPECT_FALSE(fs::exists(out_ / tools::DensityTableName(false)));
}

}  // namespace
}  // namespace tarvex::datakit
