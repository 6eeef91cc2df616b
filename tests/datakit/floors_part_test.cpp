#include "datakit/floors_part.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "base/files.h"
#include "base/program_dir.h"
#include "pricing/floors.h"
#include "support/program_dir.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

class FloorsPartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_ / "src" / "floors");
    fs::create_directories(root_ / "out");
  }
  void Source(const char* name, const std::string& text) {
    std::ofstream(root_ / "src" / "floors" / name, std::ios::binary) << text;
  }
  static std::string Faults(const Report& report) {
    std::string all;
    for (const auto& f : report.faults()) all += f + "\n";
    return all;
  }
  testing::ScratchDir scratch_;
  const fs::path root_ = scratch_.path();
};

TEST_F(FloorsPartTest, DemoTablesGiveTheFloorsOfTheirSources) {
  Report report;
  FloorsPart().build(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo", root_ / "out", report);
  ASSERT_TRUE(report.ok()) << Faults(report);
  Report checked;
  FloorsPart().check(root_ / "out", checked);
  EXPECT_TRUE(checked.ok()) << Faults(checked);

  // Figures read off columns.csv, rows.csv, matrix.csv and amounts.csv by hand.
  const base::ProgramDir dir(root_ / "out");
  struct Case {
    const char* origin;
    const char* destination;
    double floor;
  } cases[] = {
      {"M5V3L9", "64120", 75.00},   // Ontario, Central: B
      {"64120", "M5V3L9", 75.00},   // the same cell inbound
      {"H2X1Y4", "10001", 85.00},   // Quebec, Northeast: C
      {"V6B1A1", "98101", 75.00},   // British Columbia, West: B
      {"T2P1J9", "30303", 125.00},  // Alberta, Southeast: F
      {"30303", "64120", 75.00},    // home region column, Southeast: B (first pass)
      {"64120", "30303", 75.00},    // the same cell on the second pass
      {"64120", "80202", 80.00},    // home region, West: blank cell, the default
      {"60601", "30303", 80.00},    // no column for either end: the default
  };
  for (const auto& c : cases) {
    const auto floor = pricing::GetLaneFloor(dir, c.origin, c.destination, 0.0, true);
    EXPECT_TRUE(floor.ok()) << floor.fault;
    EXPECT_DOUBLE_EQ(floor.amount, c.floor) << c.origin << " to " << c.destination;
  }
}

TEST_F(FloorsPartTest, DumpsEachTableAsText) {
  Report report;
  FloorsPart().build(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo", root_ / "out", report);
  ASSERT_TRUE(report.ok()) << Faults(report);
  std::ostringstream columns, matrix, amounts;
  EXPECT_TRUE(FloorsPart().dump(root_ / "out" / "UniqCan.dat", columns, report));
  EXPECT_NE(columns.str().find("1: K0A00 - P9Z99\n"), std::string::npos) << columns.str();
  EXPECT_TRUE(FloorsPart().dump(root_ / "out" / "Floor.dat", matrix, report));
  EXPECT_NE(matrix.str().find("5: E F D C B -\n"), std::string::npos) << matrix.str();
  EXPECT_TRUE(FloorsPart().dump(root_ / "out" / "UniqFlor.dat", amounts, report));
  EXPECT_NE(amounts.str().find("32 (default): 80.00\n"), std::string::npos) << amounts.str();
  EXPECT_NE(amounts.str().find("71: 145.00\n"), std::string::npos) << amounts.str();
  EXPECT_FALSE(FloorsPart().dump(root_ / "out" / "variable.dat", amounts, report));
  EXPECT_TRUE(report.ok()) << Faults(report);
}

TEST_F(FloorsPartTest, ReportsEveryFaultOfASupplierSourceAndWritesNothing) {
  Source("columns.csv", "K0A00,P9Z99,Ontario\nG0A,J9Z99,short bound\nV9Z99,V0A00,reversed\n");
  Source("rows.csv", "00000,49999\n50000,99999\n");
  Source("matrix.csv", "r1,A,B,C\nr2,A,Q\n");
  Source("amounts.csv", "A,65\nB,75\nC,999\nA,70\n");
  Report report;
  FloorsPart().build(root_ / "src", root_ / "out", report);
  const std::string faults = Faults(report);
  for (const char* expected :
       {"columns.csv:2: bounds must be five characters", "columns.csv:3: low bound above high",
        "amounts.csv:3: amount must lie", "amounts.csv:4: code given twice",
        "amounts.csv: no default floor", "matrix.csv:1: expected a label and 2 codes",
        "matrix.csv:2: code Q has no amount"})
    EXPECT_NE(faults.find(expected), std::string::npos) << expected << "\n" << faults;
  EXPECT_FALSE(fs::exists(root_ / "out" / "Floor.dat"));
  EXPECT_FALSE(fs::exists(root_ / "out" / "UniqFlor.dat"));
}

TEST_F(FloorsPartTest, SourceWithoutFloorsBuildsNoTables) {
  fs::remove_all(root_ / "src" / "floors");
  Report report;
  FloorsPart().build(root_ / "src", root_ / "out", report);
  EXPECT_TRUE(report.ok());
  EXPECT_TRUE(fs::is_empty(root_ / "out"));
  FloorsPart().check(root_ / "out", report);
  EXPECT_TRUE(report.ok());
}

TEST_F(FloorsPartTest, CheckFindsDamagedTables) {
  Report report;
  FloorsPart().build(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo", root_ / "out", report);
  ASSERT_TRUE(report.ok()) << Faults(report);
  const fs::path out = root_ / "out";
  fs::resize_file(out / "Floor.dat", 29);
  fs::resize_file(out / "UniqUS.dat", 45);
  fs::resize_file(out / "UniqFlor.dat", 40);
  Report checked;
  FloorsPart().check(out, checked);
  const std::string faults = Faults(checked);
  EXPECT_NE(faults.find("Floor.dat: 29 cells, the ranges need 24"), std::string::npos) << faults;
  EXPECT_NE(faults.find("UniqUS.dat: length 45"), std::string::npos) << faults;
  EXPECT_NE(faults.find("UniqFlor.dat: no default floor"), std::string::npos) << faults;
  EXPECT_NE(faults.find("has no amount"), std::string::npos) << faults;

  fs::remove(out / "UniqCan.dat");
  Report missing;
  FloorsPart().check(out, missing);
  EXPECT_NE(Faults(missing).find("UniqCan.dat: missing"), std::string::npos) << Faults(missing);
}

}  // namespace
}  // namespace tarvex::datakit
