#include "datakit/fak_part.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/files.h"
#include "pricing/fak.h"
#include "support/program_dir.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

class FakPartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_ / "src");
    fs::create_directories(root_ / "out");
  }
  void Source(const std::string& text) { std::ofstream(root_ / "src" / "fak.txt") << text; }
  testing::ScratchDir scratch_;
  const fs::path root_ = scratch_.path();
};

TEST_F(FakPartTest, SubstitutionsBuildTheTableAndDumpBack) {
  Source("# demo\n50 = 65\n77.5 = 85\n");
  Report report;
  FakPart().build(root_ / "src", root_ / "out", report);
  EXPECT_TRUE(report.ok());
  pricing::FakState state;
  ASSERT_EQ(pricing::ReadFakTable(root_ / "out" / "fak.dat", pricing::StandardClassTable(), state),
            pricing::FakReadStatus::Ok);
  EXPECT_EQ(state.FakTable[0], 65);
  EXPECT_EQ(state.FakTable[5], 85);
  EXPECT_EQ(state.FakTable[1], 55);
  EXPECT_EQ(state.FakInEffect, 'Y');
  std::ostringstream dump;
  EXPECT_TRUE(FakPart().dump(root_ / "out" / "fak.dat", dump, report));
  EXPECT_NE(dump.str().find("77 = 85\n"), std::string::npos);
}

TEST_F(FakPartTest, FaultsNameTheLine) {
  Source("50 = 65\n50 = 70\n45 = 50\nnonsense\n");
  Report report;
  FakPart().build(root_ / "src", root_ / "out", report);
  ASSERT_EQ(report.faults().size(), 3U);
  EXPECT_NE(report.faults()[0].find("fak.txt:2"), std::string::npos);
  fs::remove(root_ / "out" / "fak.dat");
  base::WriteFileAtomic(root_ / "out" / "FAK.DAT", "short");
  FakPart().check(root_ / "out", report);
  EXPECT_EQ(report.faults().size(), 4U);
}

}  // namespace
}  // namespace tarvex::datakit
