#include "pricing/floors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/program_dir.h"

namespace tarvex::pricing {
namespace {

using Ranges = std::vector<std::pair<std::string, std::string>>;

class Floors : public testing::ProgramDirTest {
 protected:
  // Writes the four tables: column ranges (UniqCan), row ranges (UniqUS), the matrix row by
  // row, and the amounts in cents by floor code (records 1 to `amountRecords`).
  void Tables(const Ranges& columns, const Ranges& rows, const std::string& matrix,
              const std::map<unsigned char, std::int16_t>& cents, int amountRecords = 128) {
    Put("UniqCan.dat", RangeBytes(columns));
    Put("UniqUS.dat", RangeBytes(rows));
    Put("Floor.dat", matrix);
    std::string amounts(static_cast<std::size_t>(amountRecords) * 2, '\0');
    for (const auto& [code, value] : cents) {
      if (code > amountRecords) continue;
      const auto u = static_cast<std::uint16_t>(value);
      amounts[(code - 1u) * 2] = static_cast<char>(u & 0xFF);
      amounts[(code - 1u) * 2 + 1] = static_cast<char>(u >> 8);
    }
    Put("UniqFlor.dat", amounts);
  }
  static std::string RangeBytes(const Ranges& ranges) {
    std::string bytes;
    for (const auto& [low, high] : ranges) bytes += low + high;
    return bytes;
  }
  LaneFloor Floor(const char* origin, const char* destination, double customer = 0,
                  bool useTables = true) const {
    return GetLaneFloor(base::ProgramDir(dir_), origin, destination, customer, useTables);
  }
  // No floor, and a fault that names every one of `parts`.
  static void ExpectFault(const LaneFloor& floor, std::initializer_list<const char*> parts) {
    EXPECT_EQ(floor.amount, 0.0) << *parts.begin();
    for (const char* part : parts)
      EXPECT_NE(floor.fault.find(part), std::string::npos) << floor.fault;
  }
  // Default 40.00 in record 32, cells A = 85.00, B = 120.50.
  const std::map<unsigned char, std::int16_t> cents_ = {{32, 4000}, {'A', 8500}, {'B', 12050}};
};

TEST_F(Floors, CustomerFloorWinsWithoutReadingATableAndNoTablesGiveNoFloor) {
  // No table exists in this directory.
  for (const auto& [customer, useTables, amount] :
       {std::tuple{45.0, true, 45.0}, std::tuple{0.0, false, 0.0}, std::tuple{-5.0, false, 0.0}}) {
    const auto floor = Floor("M5V3L9", "64120", customer, useTables);
    EXPECT_TRUE(floor.ok()) << floor.fault;
    EXPECT_EQ(floor.amount, amount) << customer;
  }
}

TEST_F(Floors, CellOfTheLaneGivesItsAmount) {
  // Columns: Toronto, Montreal. Rows: Kansas City, Atlanta.
  Tables({{"M5A00", "M5Z99"}, {"H1A00", "H9Z99"}}, {{"64000", "64999"}, {"30000", "31999"}},
         "AB"
         "B ",
         cents_);
  const std::tuple<const char*, const char*, double> cases[] = {
      {"M5V3L9", "64120", 85.0},   // Canadian origin: column by origin, row by destination
      {"64120", "M5V3L9", 85.0},   // Canadian destination: the same cell
      {"H2X1Y4", "64120", 120.5},  // column 2, row 1
      {"M5V3L9", "30301", 120.5},  // column 1, row 2
      {"H2X1Y4", "30301", 40.0},   // blank cell: the table's default
      {"V6B1A1", "64120", 40.0},   // no column for Vancouver: the default
      {"M5V3L9", "99501", 40.0},   // no row for Anchorage: the default
  };
  for (const auto& [origin, destination, amount] : cases) {
    const auto floor = Floor(origin, destination, 0.0);
    EXPECT_TRUE(floor.ok()) << floor.fault;
    EXPECT_EQ(floor.amount, amount) << origin << " to " << destination;
  }
}

TEST_F(Floors, BlankCellDoesNotEndTheSearch) {
  // Two rows both hold 64120; the first's cell is blank, the second's is B.
  Tables({{"M5A00", "M5Z99"}}, {{"64000", "64999"}, {"64100", "64199"}}, " B", cents_);
  EXPECT_EQ(Floor("M5V3L9", "64120").amount, 120.5);
  // Two columns both hold M5V; the first column's only matching cell is blank.
  Tables({{"M5A00", "M5Z99"}, {"M5V00", "M5V99"}}, {{"64000", "64999"}}, " A", cents_);
  EXPECT_EQ(Floor("M5V3L9", "64120").amount, 85.0);
}

TEST_F(Floors, SecondPassTriesTheLaneTheOtherWayRound) {
  // Between two US points the first pass looks up the destination among the columns; this
  // table only has the origin among the columns.
  Tables({{"64000", "64999"}}, {{"30000", "31999"}}, "A", cents_);
  EXPECT_EQ(Floor("64120", "30301").amount, 85.0);
  EXPECT_EQ(Floor("30301", "64120").amount, 85.0);
  // Between two Canadian points the same holds.
  Tables({{"M5A00", "M5Z99"}}, {{"H1A00", "H9Z99"}}, "B", cents_);
  EXPECT_EQ(Floor("M5V3L9", "H2X1Y4").amount, 120.5);
  EXPECT_EQ(Floor("H2X1Y4", "M5V3L9").amount, 120.5);
}

TEST_F(Floors, BoundsAreInsideAndFiveCharactersCompare) {
  Tables({{"M5V3L", "M5V3L"}}, {{"64120", "64130"}}, "A", cents_);
  EXPECT_EQ(Floor("M5V3L9", "64120").amount, 85.0);    // low bound; six characters cut to five
  EXPECT_EQ(Floor("M5V3L9", "64130").amount, 85.0);    // high bound
  EXPECT_EQ(Floor("M5V3L9", "64131").amount, 40.0);    // just past it
  EXPECT_EQ(Floor("M5V3K9", "64120").amount, 40.0);    // just below the column
  EXPECT_EQ(Floor(" M5V3L9", "64120 ").amount, 85.0);  // codes are trimmed first
}

TEST_F(Floors, CodeZeroIsNoFloorAndNeedsNoAmounts) {
  Tables({{"M5A00", "M5Z99"}}, {{"64000", "64999"}}, std::string(1, '\0'), cents_);
  std::filesystem::remove(dir_ / "UniqFlor.dat");
  const auto floor = Floor("M5V3L9", "64120");
  EXPECT_TRUE(floor.ok()) << floor.fault;
  EXPECT_EQ(floor.amount, 0.0);
}

TEST_F(Floors, EmptyRangeTablesAreReportedRatherThanLeavingEveryLaneAtTheDefault) {
  for (const bool emptyColumns : {true, false}) {
    Tables(emptyColumns ? Ranges{} : Ranges{{"M5A00", "M5Z99"}},
           emptyColumns ? Ranges{{"64000", "64999"}} : Ranges{}, "", cents_);
    ExpectFault(Floor("M5V3L9", "64120"),
                {emptyColumns ? "UniqCan.dat" : "UniqUS.dat", "is empty"});
  }
}

TEST_F(Floors, RangesAndAmountsThatAreNoFloorsAreReported) {
  Tables({{"M5A00", "M5Z99"}}, {{"64000", "64999"}}, "A", {{32, 4000}, {'A', -8500}});
  ExpectFault(Floor("M5V3L9", "64120"), {"UniqFlor.dat", "-8500 cents"});
  Tables({{"M5A00", "M5Z99"}}, {{"64000", std::string("649\x01\x09", 5)}}, "A", cents_);
  ExpectFault(Floor("M5V3L9", "64120"), {"UniqUS.dat"});
}

TEST_F(Floors, FileNamesAreFoundWithoutRegardToCase) {
  Tables({{"M5A00", "M5Z99"}}, {{"64000", "64999"}}, "A", cents_);
  std::filesystem::rename(dir_ / "UniqFlor.dat", dir_ / "UNIQFLOR.DAT");
  std::filesystem::rename(dir_ / "Floor.dat", dir_ / "floor.dat");
  EXPECT_EQ(Floor("M5V3L9", "64120").amount, 85.0);
}

TEST_F(Floors, MissingTableIsReportedByNameAndGivesNoFloor) {
  for (const char* name : {"UniqCan.dat", "UniqUS.dat", "Floor.dat", "UniqFlor.dat"}) {
    Tables({{"M5A00", "M5Z99"}}, {{"64000", "64999"}}, "A", cents_);
    std::filesystem::remove(dir_ / name);
    ExpectFault(Floor("M5V3L9", "64120"), {name, "missing"});
  }
}

TEST_F(Floors, ShortTablesAreReportedAndNeverReadPast) {
  // Amounts end before the default record 32.
  Tables({{"M5A00", "M5Z99"}}, {{"64000", "64999"}}, " ", cents_, 20);
  ExpectFault(Floor("M5V3L9", "64120"), {"UniqFlor.dat", "record 32"});

  // A matrix with fewer cells than its ranges need.
  Tables({{"M5A00", "M5Z99"}, {"H1A00", "H9Z99"}}, {{"64000", "64999"}, {"30000", "31999"}}, "AB ",
         cents_);
  ExpectFault(Floor("M5V3L9", "64120"), {"Floor.dat"});

  // A matrix with more cells than its ranges need: a range file has lost ranges.
  Tables({{"M5A00", "M5Z99"}}, {{"64000", "64999"}}, "AB", cents_);
  ExpectFault(Floor("M5V3L9", "64120"), {"Floor.dat\" holds 2 cells", "UniqCan.dat", "UniqUS.dat"});

  // A corrupt code pointing past the amounts' last record.
  Tables({{"M5A00", "M5Z99"}}, {{"64000", "64999"}}, "\xff", cents_);
  ExpectFault(Floor("M5V3L9", "64120"), {"record 255"});
}

TEST_F(Floors, APartialRangeRecordIsReportedWhereverItIs) {
  for (const std::size_t length : {14u, 15u, 25u, 35u}) {
    Tables({{"M5A00", "M5Z99"}}, {}, "AAAA", cents_);
    std::string rows = RangeBytes({{"30000", "31999"}, {"64000", "64999"}, {"70000", "70999"}});
    rows.resize(length, ' ');
    Put("UniqUS.dat", rows);
    ExpectFault(Floor("M5V3L9", "99501"), {"UniqUS.dat", "partial record"});
  }
}

}  // namespace
}  // namespace tarvex::pricing
