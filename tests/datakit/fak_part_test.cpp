#include "datakit/fak_part.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "base/files.h"
#include "datakit/part_test.h"
#include "pricing/fak.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

class FakPartTest : public PartTest {};

TEST_F(FakPartTest, SubstitutionsBuildTheTableAndDumpBack) {
  scratch_.Put("src/fak.txt", "# demo\n50 = 65\n77.5 = 85\n");
  Report report;
  FakPart().build(src_, out_, report);
  EXPECT_TRUE(report.ok());
  pricing::FakState state;
  ASSERT_EQ(pricing::ReadFakTable(out_ / "fak.dat", pricing::StandardClassTable(), state),
            pricing::FakReadStatus::Ok);
  EXPECT_EQ(state.FakTable[0], 65);
  EXPECT_EQ(state.FakTable[5], 85);
  EXPECT_EQ(state.FakTable[1], 55);
  std::ostringstream dump;
  EXPECT_TRUE(FakPart().dump(out_ / "fak.dat", dump, report));
  EXPECT_NE(dump.str().find("77 = 85\n"), std::string::npos);
}

TEST_F(FakPartTest, FaultsNameTheLine) {
  scratch_.Put("src/fak.txt", "50 = 65\n50 = 70\n45 = 50\nnonsense\n");
  Report report;
  FakPart().build(src_, out_, report);
  ASSERT_EQ(report.faults().size(), 3U);
  EXPECT_NE(report.faults()[0].find("fak.txt:2"), std::string::npos);
  fs::remove(out_ / "fak.dat");
  base::WriteFileAtomic(out_ / "FAK.DAT", "short");
  FakPart().check(out_, report);
  EXPECT_EQ(report.faults().size(), 4U);
}

}  // namespace
}  // namespace tarvex::datakit
