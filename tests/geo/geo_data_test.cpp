// The demo geography as the data kit builds it, read back through the program's own look-ups,
// and the kit's check on deliberately broken copies.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "datakit/geo_part.h"
#include "geo/postal_code.h"
#include "geo/service_guide.h"
#include "geo/special_points.h"
#include "support/program_dir.h"

namespace tarvex::geo {
namespace {

namespace fs = std::filesystem;
using datakit::GeoPart;
using datakit::Report;

class DemoGeography : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    built_ = std::make_unique<testing::ScratchDir>();
    Report report;
    GeoPart().build(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo", built_->path(), report);
  }
  static void TearDownTestSuite() { built_.reset(); }

  static base::ProgramDir dir() { return built_->dir(); }
  static std::int32_t Terminal(const char* code, const char* end = "O") {
    std::string indicator;
    std::int16_t extra = 0;
    return FindServiceTerminal(dir(), code, end, indicator, extra);
  }
  static std::string TerminalCodeOf(const char* code) {
    return base::Trim(GetTerminalCode(dir(), Terminal(code)));
  }

  static std::unique_ptr<testing::ScratchDir> built_;
};

std::unique_ptr<testing::ScratchDir> DemoGeography::built_;

TEST_F(DemoGeography, StatesOfRealPrefixesIncludingTerritoriesAndMilitary) {
  EXPECT_EQ(base::FileLength(built_->path() / "state.dat"), 999 * 3);
  struct Case {
    int prefix;
    const char* state;
  };
  const Case cases[] = {{5, "NY"},   {6, "PR"},   {8, "VI"},   {90, "AE"},
                        {303, "GA"}, {340, "AA"}, {641, "MO"}, {962, "AP"},
                        {969, "GU"}, {995, "AK"}, {967, "HI"}, {200, "DC"},
                        {1, ""},     {99, ""},    {213, ""},   {999, "AK"}};
  for (const auto& c : cases) EXPECT_EQ(StateFromZipPrefix(dir(), c.prefix), c.state) << c.prefix;
}

TEST_F(DemoGeography, EveryKindOfPointHasItsTerminal) {
  // A three-digit code lies in its prefix's range.
  for (const auto& [code, terminal] :
       {std::pair{"64105", "KCMO"}, std::pair{"641", "KCMO"}, std::pair{"30303", "ATLA"},
        std::pair{"10001", "NEWK"}, std::pair{"90058", "LOSA"}, std::pair{"M5V3L9", "TORO"},
        std::pair{"H2Y1C6", "MONT"}, std::pair{"T2P2M5", "CALG"}, std::pair{"06390M", "LARE"},
        std::pair{"064M", "LARE"}, std::pair{"22000M", "SDGO"}})
    EXPECT_EQ(TerminalCodeOf(code), terminal) << code;
  EXPECT_EQ(Terminal("00100"), 0);  // unassigned prefix

  std::string indicator;
  std::int16_t extra = -1;
  FindServiceTerminal(dir(), "06390M", "D", indicator, extra);
  EXPECT_EQ(indicator, "I");  // Mexico through a partner at the border
  FindServiceTerminal(dir(), "64105", "O", indicator, extra);
  EXPECT_EQ(indicator, "D");
  EXPECT_EQ(extra, 0);
}

TEST_F(DemoGeography, LanesOfEveryKindAreServedWithDays) {
  struct Lane {
    const char* origin;
    const char* destination;
    const char* type;
  };
  const std::vector<Lane> lanes = {
      {"64105", "30303", "Direct"},       {"64105", "M5V3L9", "Direct"},
      {"M5V3L9", "H2Y1C6", "Direct"},     {"75201", "06390M", "Non-Direct"},
      {"M5V3L9", "44100M", "Non-Direct"}, {"60606", "V6B1A1", "Direct"},
  };
  for (const auto& l : lanes) {
    EXPECT_TRUE(CheckZipCombination(dir(), PostalPrefix(l.origin), PostalPrefix(l.destination)))
        << l.origin << " -> " << l.destination;
    LaneService lane;
    lane.originTerminal =
        FindServiceTerminal(dir(), l.origin, "O", lane.originIndicator, lane.originExtraDays);
    lane.destinationTerminal = FindServiceTerminal(
        dir(), l.destination, "D", lane.destinationIndicator, lane.destinationExtraDays);
    const auto shown = ServiceDaysDisplay(dir(), lane);
    EXPECT_EQ(shown.serviceType, l.type) << l.origin << " -> " << l.destination;
    EXPECT_GE(base::Val(shown.serviceDays), 1) << shown.serviceDays;
    EXPECT_NE(shown.serviceDays.find(" Day(s)"), std::string::npos);
  }
  // Days grow with the distance: across the country takes longer than next door.
  LaneService near{1, 2, "D", "D", 0, 0, ""};
  LaneService far{32, 26, "D", "D", 0, 0, ""};  // Atlanta to Seattle
  EXPECT_LT(base::Val(ServiceDaysDisplay(dir(), near).serviceDays),
            base::Val(ServiceDaysDisplay(dir(), far).serviceDays));
}

TEST_F(DemoGeography, SpecialPointsOnRealRanges) {
  EXPECT_TRUE(IsNewYorkCityPoint(dir(), "10001"));
  EXPECT_TRUE(IsNewYorkCityPoint(dir(), "11201"));
  EXPECT_TRUE(IsNewYorkCityPoint(dir(), "10314"));
  EXPECT_FALSE(IsNewYorkCityPoint(dir(), "10550"));  // Mount Vernon, outside the city
  EXPECT_FALSE(IsNewYorkCityPoint(dir(), "M5V3L9"));
  EXPECT_DOUBLE_EQ(GetCaliforniaSurcharge(dir(), "90058", "94621").amount, 12.50);
  EXPECT_DOUBLE_EQ(GetCaliforniaSurcharge(dir(), "64105", "94621").amount, 14.00);
  EXPECT_DOUBLE_EQ(GetCaliforniaSurcharge(dir(), "64105", "22000M").amount, 0.0);
  EXPECT_DOUBLE_EQ(GetHighCostFee(dir(), "64105", "99501", 1000).amount, 95.00);
  EXPECT_DOUBLE_EQ(GetHighCostFee(dir(), "82001", "64105", 1000).amount, 30.00);  // no "$": 30.000
  EXPECT_DOUBLE_EQ(GetHighCostFee(dir(), "64105", "82001", 1000).amount, 0.0);    // origin only
  EXPECT_GT(base::FileLength(built_->path() / kRuralFileName), 0);
  EXPECT_FALSE(CheckRuralPoints(dir(), "64105", "30303").has_value());
  // The first listed rural point gives the message.
  const std::string firstRural =
      base::Trim(base::FileToString(built_->path() / kRuralFileName).substr(0, 6));
  ASSERT_TRUE(CheckRuralPoints(dir(), "64105", firstRural).has_value());
}

TEST_F(DemoGeography, CityListSortedWithRealCitiesOfThreeCountries) {
  const std::string content = base::FileToString(built_->path() / "cityzip.dat");
  ASSERT_EQ(content.size() % 36, 0u);
  ASSERT_GT(content.size() / 36, 40000u);
  bool savannah = false;
  bool toronto = false;
  bool monterrey = false;
  for (std::size_t p = 0; p < content.size(); p += 36) {
    const std::string city = base::Trim(content.substr(p, 28));
    const std::string state = content.substr(p + 28, 2);
    const std::string code = base::Trim(content.substr(p + 30, 6));
    savannah = savannah || (city == "Savannah" && state == "GA" && code == "31401");
    toronto = toronto || (base::StartsWithNoCase(city, "Toronto") && state == "ON");
    monterrey = monterrey || (city == "Monterrey" && state == "MX" && code == "64000M");
  }
  EXPECT_TRUE(savannah);
  EXPECT_TRUE(toronto);
  EXPECT_TRUE(monterrey);
}

TEST_F(DemoGeography, StateNamesForTheDiscountEditor) {
  const std::string content = base::FileToString(built_->path() / "stname.dat");
  EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 49);
  EXPECT_EQ(content.substr(0, 23), "Alabama              AL");
}

TEST_F(DemoGeography, DumpPrintsEveryFileAsText) {
  for (const char* name :
       {"state.dat", "cityzip.dat", "ServTerm.dat", "ServZipsA.dat", "ServMatx.dat", "zipval.dat",
        "RuralPts.dat", "HighCost.dat", "CA_Pnts.dat", "NYCPts.dat", "stname.dat"}) {
    std::ostringstream out;
    Report report;
    EXPECT_TRUE(GeoPart().dump(built_->path() / name, out, report)) << name;
    EXPECT_TRUE(report.ok()) << name;
    EXPECT_FALSE(out.str().empty()) << name;
  }
  std::ostringstream out;
  Report report;
  GeoPart().dump(built_->path() / "ServZipsA.dat", out, report);
  EXPECT_NE(out.str().find("640    ... 64199  | terminal   1 | origin D +0"), std::string::npos);
  EXPECT_FALSE(GeoPart().dump(built_->path() / "variable.dat", out, report));
}

// A copy of the demo directory to break one file of.
class BrokenCopy : public DemoGeography {
 protected:
  void SetUp() override {
    for (const auto& e : fs::directory_iterator(built_->path()))
      fs::copy_file(e.path(), copy_.path() / e.path().filename());
  }
  std::string read(const char* name) const { return base::FileToString(copy_.path() / name); }
  void write(const char* name, const std::string& bytes) const { copy_.Put(name, bytes); }
  std::vector<std::string> check() const {
    Report report;
    GeoPart().check(copy_.path(), report);
    return report.faults();
  }
  static bool Has(const std::vector<std::string>& faults, const std::string& a,
                  const std::string& b) {
    return std::any_of(faults.begin(), faults.end(), [&](const std::string& f) {
      return f.find(a) != std::string::npos && f.find(b) != std::string::npos;
    });
  }
  testing::ScratchDir copy_;
};

TEST_F(BrokenCopy, UnsortedAndOverlappingRangesAndABadTerminal) {
  std::string zips = read("ServZipsA.dat");
  // Swap records 10 and 11; record 20 overlaps record 19; record 30 names terminal 999.
  const std::string r10 = zips.substr(9 * 23, 23);
  zips.replace(9 * 23, 23, zips.substr(10 * 23, 23));
  zips.replace(10 * 23, 23, r10);
  auto r20 = ServiceZipRange::FromBytes(
      base::ByteRecord(std::vector<std::uint8_t>(zips.begin() + 19 * 23, zips.begin() + 20 * 23)));
  const auto r19 = ServiceZipRange::FromBytes(
      base::ByteRecord(std::vector<std::uint8_t>(zips.begin() + 18 * 23, zips.begin() + 19 * 23)));
  r20.lowest = r19.highest;
  auto bytes = r20.ToBytes();
  zips.replace(19 * 23, 23, reinterpret_cast<const char*>(bytes.data()), 23);
  auto r30 = ServiceZipRange::FromBytes(
      base::ByteRecord(std::vector<std::uint8_t>(zips.begin() + 29 * 23, zips.begin() + 30 * 23)));
  r30.terminal = 999;
  bytes = r30.ToBytes();
  zips.replace(29 * 23, 23, reinterpret_cast<const char*>(bytes.data()), 23);
  write("ServZipsA.dat", zips);
  const auto faults = check();
  EXPECT_TRUE(Has(faults, "ServZipsA.dat record 11", "out of order")) << faults.size();
  EXPECT_TRUE(Has(faults, "ServZipsA.dat record 20", "overlaps the range of record 19"));
  EXPECT_TRUE(Has(faults, "ServZipsA.dat record 30", "terminal 999 is not one of the 51"));
}

TEST_F(BrokenCopy, AShortMatrixAndACutRecord) {
  write("ServMatx.dat", read("ServMatx.dat").substr(0, 2 * 100 + 1));
  const auto faults = check();
  EXPECT_TRUE(Has(faults, "ServMatx.dat", "not a whole number of 2-byte records"));
  EXPECT_TRUE(Has(faults, "ServMatx.dat", "100 records; 51 terminals need a matrix of 51 x 51"));
}

TEST_F(BrokenCopy, UncoveredPrefixesAndUnsortedLists) {
  // Without its Kansas City ranges the guide leaves prefixes without a terminal.
  std::string zips = read("ServZipsA.dat");
  std::string kept;
  for (std::size_t p = 0; p < zips.size(); p += 23)
    if (zips.compare(p + 1, 3, "640") != 0) kept += zips.substr(p, 23);
  write("ServZipsA.dat", kept);
  std::string rural = read("RuralPts.dat");
  std::swap_ranges(rural.begin(), rural.begin() + 6, rural.begin() + 6);
  write("RuralPts.dat", rural);
  std::string cities = read("cityzip.dat");
  std::swap_ranges(cities.begin(), cities.begin() + 36, cities.begin() + 360);
  write("cityzip.dat", cities);
  const auto faults = check();
  EXPECT_TRUE(Has(faults, "state.dat record 640", "ZIP 640 has no serving terminal"));
  EXPECT_TRUE(Has(faults, "cityzip.dat", "has no serving terminal"));
  EXPECT_TRUE(Has(faults, "RuralPts.dat record 2", "out of order"));
  EXPECT_TRUE(Has(faults, "cityzip.dat record 2", "out of order"));
}

TEST_F(BrokenCopy, SpecialPointListsAndTextFiles) {
  write("HighCost.dat",
        "99501,99950,Alaska,B,$95.00,$abc,$450.00\n"
        "82001,83128,Wyoming,O,30,0,0\n"
        "59001,59999,Montana,X,$1,$1,$1\n"
        "59001,59999");
  base::ByteRecord a(16);
  a.setInt32(0, 90001);
  a.setInt32(4, 92000);
  a.setFloat64(8, 10);
  base::ByteRecord b(16);
  b.setInt32(0, 91000);
  b.setInt32(4, 93000);
  b.setFloat64(8, 10);
  write("CA_Pnts.dat", std::string(reinterpret_cast<const char*>(a.data()), 16) +
                           std::string(reinterpret_cast<const char*>(b.data()), 16));
  write("stname.dat", read("stname.dat") + "Alaska               AK\r\n");
  fs::remove(copy_.path() / "NYCPts.dat");
  const auto faults = check();
  EXPECT_TRUE(Has(faults, "HighCost.dat entry 1", "rate '$abc' is not a number and counts as 0"));
  EXPECT_TRUE(Has(faults, "HighCost.dat entry 2", "minimum '30' without \"$\" reads as 300"));
  EXPECT_TRUE(Has(faults, "HighCost.dat entry 3", "direction 'X'"));
  EXPECT_TRUE(Has(faults, "HighCost.dat", "the last entry has 2 of its 7 values"));
  EXPECT_TRUE(Has(faults, "CA_Pnts.dat record 2", "overlaps record 1"));
  EXPECT_TRUE(Has(faults, "stname.dat line 50", "beyond the 49 states"));
  EXPECT_TRUE(Has(faults, "NYCPts.dat", "missing"));
}

TEST(GeoPartBuild, ReportsFaultsOfASupplierSource) {
  testing::ScratchDir src;
  testing::ScratchDir out;
  fs::create_directories(src.path() / "geo");
  std::ofstream(src.path() / "geo" / "state_prefixes.tsv") << "# from\tto\tstate\n"
                                                              "001\t005\tNY\n"
                                                              "990\t1000\tAK\n"
                                                              "303\tGA\n";
  std::ofstream(src.path() / "geo" / "rural_points.txt") << "30303\nA1B\n";
  Report report;
  GeoPart().build(src.path(), out.path(), report);
  const auto& faults = report.faults();
  const auto has = [&](const std::string& what) {
    return std::any_of(faults.begin(), faults.end(),
                       [&](const std::string& f) { return f.find(what) != std::string::npos; });
  };
  EXPECT_TRUE(has("state_prefixes.tsv:3: expected a prefix range"));
  EXPECT_TRUE(has("state_prefixes.tsv:4: expected 3 columns, found 2"));
  EXPECT_TRUE(has("rural_points.txt:2: not a postal code: A1B"));
  EXPECT_TRUE(has("terminals.tsv: missing"));
  EXPECT_EQ(StateFromZipPrefix(out.dir(), 5), "NY");
  EXPECT_TRUE(IsRuralPoint(out.dir(), "30303"));
}

}  // namespace
}  // namespace tarvex::geo
