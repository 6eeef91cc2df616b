#include "datakit/floors_part.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>

#include "datakit/part_test.h"
#include "pricing/floors.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

class FloorsPartTest : public PartTest {};

// The demo directory's build and check of every part are
// DemoDirectory.BuildsAndPassesTheWholeCheck.
TEST_F(DemoDirectory, FloorTablesGiveTheFloorsOfTheirSourcesAndDumpAsText) {
  // Figures read off columns.csv, rows.csv, matrix.csv and amounts.csv by hand; how the
  // look-up walks the tables is the Floors tests'.
  const std::tuple<const char*, const char*, double> cases[] = {
      {"M5V3L9", "64120", 75.00},   // Ontario, Central: B
      {"H2X1Y4", "10001", 85.00},   // Quebec, Northeast: C
      {"V6B1A1", "98101", 75.00},   // British Columbia, West: B
      {"T2P1J9", "30303", 125.00},  // Alberta, Southeast: F
      {"30303", "64120", 75.00},    // home region column, Southeast: B (first pass)
      {"64120", "80202", 80.00},    // home region, West: blank cell, the default
  };
  for (const auto& [origin, destination, amount] : cases) {
    const auto floor = pricing::GetLaneFloor(dir(), origin, destination, 0.0, true);
    EXPECT_TRUE(floor.ok()) << floor.fault;
    EXPECT_DOUBLE_EQ(floor.amount, amount) << origin << " to " << destination;
  }
  // Each table dumps as text.
  Report report;
  std::ostringstream columns, matrix, amounts;
  EXPECT_TRUE(FloorsPart().dump(built_->path() / "UniqCan.dat", columns, report));
  EXPECT_NE(columns.str().find("1: K0A00 - P9Z99\n"), std::string::npos) << columns.str();
  EXPECT_TRUE(FloorsPart().dump(built_->path() / "Floor.dat", matrix, report));
  EXPECT_NE(matrix.str().find("5: E F D C B -\n"), std::string::npos) << matrix.str();
  EXPECT_TRUE(FloorsPart().dump(built_->path() / "UniqFlor.dat", amounts, report));
  EXPECT_NE(amounts.str().find("32 (default): 80.00\n"), std::string::npos) << amounts.str();
  EXPECT_NE(amounts.str().find("71: 145.00\n"), std::string::npos) << amounts.str();
  EXPECT_FALSE(FloorsPart().dump(built_->path() / "variable.dat", amounts, report));
  EXPECT_TRUE(report.ok()) << Faults(report);
}

TEST_F(FloorsPartTest, ReportsEveryFaultOfASupplierSourceAndWritesNothing) {
  scratch_.Put("src/floors/columns.csv",
               "K0A00,P9Z99,Ontario\nG0A,J9Z99,short bound\nV9Z99,V0A00,reversed\n");
  scratch_.Put("src/floors/rows.csv", "00000,49999\n50000,99999\n");
  scratch_.Put("src/floors/matrix.csv", "r1,A,B,C\nr2,A,Q\n");
  scratch_.Put("src/floors/amounts.csv", "A,65\nB,75\nC,999\nA,70\n");
  Report report;
  FloorsPart().build(src_, out_, report);
  const std::string faults = Faults(report);
  for (const char* expected :
       {"columns.csv:2: bounds must be five characters", "columns.csv:3: low bound above high",
        "amounts.csv:3: amount must lie", "amounts.csv:4: code given twice",
        "amounts.csv: no default floor", "matrix.csv:1: expected a label and 2 codes",
        "matrix.csv:2: code Q has no amount"})
    EXPECT_NE(faults.find(expected), std::string::npos) << expected << "\n" << faults;
  EXPECT_FALSE(fs::exists(out_ / "Floor.dat"));
  EXPECT_FALSE(fs::exists(out_ / "UniqFlor.dat"));
}

TEST_F(FloorsPartTest, SourceWithoutFloorsBuildsNoTables) {
  Report report;
  FloorsPart().build(src_, out_, report);
  EXPECT_TRUE(report.ok());
  EXPECT_TRUE(fs::is_empty(out_));
  FloorsPart().check(out_, report);
  EXPECT_TRUE(report.ok());
}

TEST_F(BrokenDemo, FloorCheckFindsDamagedTables) {
  fs::resize_file(copy_ / "Floor.dat", 29);
  fs::resize_file(copy_ / "UniqUS.dat", 45);
  fs::resize_file(copy_ / "UniqFlor.dat", 40);
  const auto faults = check();
  EXPECT_TRUE(Has(faults, "Floor.dat: 29 cells, the ranges need 24"));
  EXPECT_TRUE(Has(faults, "UniqUS.dat: length 45"));
  EXPECT_TRUE(Has(faults, "UniqFlor.dat: no default floor"));
  EXPECT_TRUE(Has(faults, "Floor.dat", "has no amount"));
  fs::remove(copy_ / "UniqCan.dat");
  EXPECT_TRUE(Has(check(), "UniqCan.dat: missing"));
}

}  // namespace
}  // namespace tarvex::datakit
