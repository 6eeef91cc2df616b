// The demo carrier's whole program directory as the data kit lays it out: the lanes it quotes
// are believable (centres inside their states, intrastate tariffs serving their whole state,
// places no truck reaches refused, no city on the rural list), and the check refuses copies
// broken in each of those ways. Its geography is read back through the program's own look-ups.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "datakit/geo_part.h"
#include "datakit/kit.h"
#include "datakit/part_test.h"
#include "geo/postal_code.h"
#include "geo/service_guide.h"
#include "geo/special_points.h"
#include "vorn/tariff.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

TEST_F(DemoDirectory, BuildsAndPassesTheWholeCheck) {
  for (const auto& f : buildFaults_) ADD_FAILURE() << f;
  Report checked;
  for (const Part& part : Parts()) part.check(built_->path(), checked);
  for (const auto& f : checked.faults()) ADD_FAILURE() << f;
}

// That every served prefix has its centre inside its state, and that intrastate tariffs serve
// every prefix of their state, is the kit's check: BuildsAndPassesTheWholeCheck on the demo,
// and the BrokenDemo tests on copies broken in those ways.
TEST_F(DemoDirectory, AnIntrastateTariffServesItsStateOnly) {
  EXPECT_NE(TariffNamed("KRTX2026").Serving("73301"), nullptr);  // Austin
  EXPECT_EQ(TariffNamed("KRTX2026").Serving("64120"), nullptr);
}

TEST_F(DemoDirectory, PlacesNoTruckReachesAreRefused) {
  // Prefixes that Mexican codes share (09x, 340, 962 ... 969) pass the combination table
  // zipval.dat on to the service guide, which refuses them; Puerto Rico and the Virgin Islands
  // are refused by the table itself.
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"96201", "military, Pacific", true},  {"09001", "military, Europe", true},
      {"34001", "military, Americas", true}, {"96910", "Guam", true},
      {"96813", "Honolulu", true},           {"96799", "American Samoa", true},
      {"00901", "San Juan", false},          {"00802", "St. Thomas", false},
  };
  for (const auto& [code, what, combination] : cases) {
    EXPECT_EQ(TerminalOf(code), "") << what;
    EXPECT_EQ(geo::CheckZipCombination(dir(), "641", geo::PostalPrefix(code)), combination) << what;
    EXPECT_EQ(geo::CheckZipCombination(dir(), geo::PostalPrefix(code), "641"), combination) << what;
    for (const char* name : {"KRUS2026", "KRCD2026", "KRMX2026"})
      EXPECT_EQ(TariffNamed(name).Serving(code), nullptr) << name << " " << what;
  }
  // The Mexican codes that share those prefixes are still served, and Alaska by road.
  for (const char* code : {"34000M", "96400M", "09000M", "99501"}) {
    EXPECT_NE(TerminalOf(code), "") << code;
    EXPECT_TRUE(geo::CheckZipCombination(dir(), "641", geo::PostalPrefix(code))) << code;
  }
}

// That it offers only places with a serving terminal is the kit's check.
TEST_F(DemoDirectory, TheCityLookUpOffersRealCitiesOfThreeCountries) {
  const std::string content = base::FileToString(built_->path() / "cityzip.dat");
  ASSERT_GT(content.size(), 36U * 40000);
  std::set<std::string> found;  // the state or province of each city found
  for (std::size_t p = 0; p + 36 <= content.size(); p += 36) {
    const std::string city = base::Trim(content.substr(p, 28));
    const std::string code = base::Trim(content.substr(p + 30, 6));
    const std::string province = content.substr(p + 28, 2);
    if ((city == "Savannah" && province == "GA" && code == "31401") ||
        (base::StartsWithNoCase(city, "Toronto") && province == "ON") ||
        (city == "Monterrey" && province == "MX" && code == "64000M"))
      found.insert(province);
  }
  EXPECT_EQ(found, (std::set<std::string>{"GA", "MX", "ON"}));
}

TEST_F(DemoDirectory, MetropolitanAreasAreNotRural) {
  // Lubbock and its suburbs, Rapid City, and a Manhattan code whose package coordinates lie in
  // Asia: all far from a terminal, none rural.
  for (const char* code : {"79401", "79424", "79382", "57701", "57702", "57703", "10200"})
    EXPECT_FALSE(geo::IsRuralPoint(dir(), code)) << code;
  // Small towns far from every terminal still are.
  for (const char* code : {"57567", "58856", "59211"}) EXPECT_TRUE(geo::IsRuralPoint(dir(), code));
}

TEST_F(DemoDirectory, StatesOfRealPrefixesIncludingTerritoriesAndMilitary) {
  const std::pair<int, const char*> cases[] = {{5, "NY"},   {6, "PR"},   {8, "VI"},   {90, "AE"},
                                               {303, "GA"}, {340, "AA"}, {641, "MO"}, {962, "AP"},
                                               {969, "GU"}, {995, "AK"}, {967, "HI"}, {200, "DC"},
                                               {1, ""},     {99, ""},    {213, ""},   {999, "AK"}};
  for (const auto& [prefix, state] : cases)
    EXPECT_EQ(geo::StateFromZipPrefix(dir(), prefix), state) << prefix;
}

TEST_F(DemoDirectory, EveryKindOfPointHasItsTerminal) {
  // A three-digit code lies in its prefix's range; prefix 001 is unassigned.
  for (const auto& [code, terminal] :
       {std::pair{"64105", "KCMO"}, std::pair{"641", "KCMO"}, std::pair{"30303", "ATLA"},
        std::pair{"10001", "NEWK"}, std::pair{"10201", "NEWK"}, std::pair{"90058", "LOSA"},
        std::pair{"M5V3L9", "TORO"}, std::pair{"H2Y1C6", "MONT"}, std::pair{"T2P2M5", "CALG"},
        std::pair{"06390M", "LARE"}, std::pair{"064M", "LARE"}, std::pair{"22000M", "SDGO"},
        std::pair{"00100", ""}})
    EXPECT_EQ(TerminalOf(code), terminal) << code;
  std::string indicator;
  std::int16_t extra = -1;
  geo::FindServiceTerminal(dir(), "06390M", "D", indicator, extra);
  EXPECT_EQ(indicator, "I");  // Mexico through a partner at the border
  geo::FindServiceTerminal(dir(), "64105", "O", indicator, extra);
  EXPECT_EQ(indicator, "D");
  EXPECT_EQ(extra, 0);
}

TEST_F(DemoDirectory, LanesOfEveryKindAreServedWithDays) {
  const std::tuple<const char*, const char*, const char*> lanes[] = {
      {"64105", "30303", "Direct"},       {"64105", "M5V3L9", "Direct"},
      {"M5V3L9", "H2Y1C6", "Direct"},     {"75201", "06390M", "Non-Direct"},
      {"M5V3L9", "44100M", "Non-Direct"}, {"60606", "V6B1A1", "Direct"},
  };
  for (const auto& [origin, destination, type] : lanes) {
    EXPECT_TRUE(
        geo::CheckZipCombination(dir(), geo::PostalPrefix(origin), geo::PostalPrefix(destination)))
        << origin << " -> " << destination;
    geo::LaneService lane;
    lane.originTerminal =
        geo::FindServiceTerminal(dir(), origin, "O", lane.originIndicator, lane.originExtraDays);
    lane.destinationTerminal = geo::FindServiceTerminal(
        dir(), destination, "D", lane.destinationIndicator, lane.destinationExtraDays);
    const auto shown = geo::ServiceDaysDisplay(dir(), lane);
    EXPECT_EQ(shown.serviceType, type) << origin << " -> " << destination;
  }
  // Days grow with the distance: across the country takes longer than next door.
  geo::LaneService near{1, 2, "D", "D", 0, 0, ""};
  geo::LaneService far{32, 26, "D", "D", 0, 0, ""};  // Atlanta to Seattle
  EXPECT_LT(base::Val(geo::ServiceDaysDisplay(dir(), near).serviceDays),
            base::Val(geo::ServiceDaysDisplay(dir(), far).serviceDays));
}

TEST_F(DemoDirectory, SpecialPointsOnRealRanges) {
  // 10550 is Mount Vernon, outside the city.
  for (const auto& [code, inside] :
       {std::pair{"10001", true}, std::pair{"11201", true}, std::pair{"10314", true},
        std::pair{"10550", false}, std::pair{"M5V3L9", false}})
    EXPECT_EQ(geo::IsNewYorkCityPoint(dir(), code), inside) << code;
  EXPECT_DOUBLE_EQ(geo::GetCaliforniaSurcharge(dir(), "90058", "94621").amount, 12.50);
  EXPECT_DOUBLE_EQ(geo::GetCaliforniaSurcharge(dir(), "64105", "94621").amount, 14.00);
  EXPECT_DOUBLE_EQ(geo::GetCaliforniaSurcharge(dir(), "64105", "22000M").amount, 0.0);
  EXPECT_DOUBLE_EQ(geo::GetHighCostFee(dir(), "64105", "99501", 1000).amount, 95.00);
  // No "$": 30.000. Then an origin-only entry.
  EXPECT_DOUBLE_EQ(geo::GetHighCostFee(dir(), "82001", "64105", 1000).amount, 30.00);
  EXPECT_DOUBLE_EQ(geo::GetHighCostFee(dir(), "64105", "82001", 1000).amount, 0.0);
  EXPECT_FALSE(geo::CheckRuralPoints(dir(), "64105", "30303").has_value());
}

TEST_F(DemoDirectory, StateNamesForTheDiscountEditor) {
  const std::string content = base::FileToString(built_->path() / "stname.dat");
  EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 49);
  EXPECT_EQ(content.substr(0, 23), "Alabama              AL");
}

TEST_F(DemoDirectory, GeographyDumpsEveryFileAsText) {
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

TEST_F(DemoDirectory, MapIsDrawnOverLandAndWater) {
  const std::string bmp = base::FileToString(built_->path() / "Map.BMP");
  ASSERT_EQ(bmp.size(), 54U + 900 * 600 * 3);
  std::map<std::uint32_t, int> count;
  for (std::size_t at = 54; at + 3 <= bmp.size(); at += 3)
    ++count[static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 2]) << 16 |
                                       static_cast<unsigned char>(bmp[at + 1]) << 8 |
                                       static_cast<unsigned char>(bmp[at]))];
  const auto share = [&](std::uint32_t rgb) { return count[rgb] / (900.0 * 600.0); };
  EXPECT_GT(share(0xC6DBEA), 0.2);    // sea and lakes
  EXPECT_GT(share(0x4F5B66), 0.01);   // coasts and national borders
  EXPECT_GT(share(0x8E969E), 0.003);  // borders between states
  // The territories take every colour of the palette, and none takes most of the land.
  int palette = 0;
  for (const std::uint32_t c : {0xF6C9A0U, 0xB9DDB0U, 0xC9C3EAU, 0xF4E4A1U, 0xA9D8DCU, 0xEDB9C6U,
                                0xD5E6A6U, 0xC7D3E8U, 0xE8CFB0U, 0xBFE3CFU}) {
    palette += count[c] > 0 ? 1 : 0;
    EXPECT_LT(share(c), 0.15) << std::hex << c;
  }
  EXPECT_GE(palette, 8);
}

TEST(StateBoxes, MatchTheirReadableSource) {
  std::ifstream in(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo" / "geo" / "state_bounds.tsv");
  std::vector<std::string> rows;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') rows.push_back(line);
  const auto& boxes = StateBoxes();
  ASSERT_EQ(rows.size(), boxes.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto& b = boxes[i];
    EXPECT_EQ(rows[i], fmt::format("{}\t{:.2f}\t{:.2f}\t{:.2f}\t{:.2f}", b.state, b.south, b.north,
                                   b.west, b.east));
    EXPECT_LT(b.south, b.north) << b.state;
    EXPECT_LT(b.west, b.east) << b.state;
  }
}

TEST_F(BrokenDemo, ACentreOutsideItsStateIsRefused) {
  auto points = Points();
  points.Add(1, "102", 40.7340, -69.3745);  // the plain mean over one point put in Asia
  points.Add(1, "340", 25.0, -80.0);        // a military prefix has no place
  copy_.Put("vornpts.vtf", points.Write());
  const auto faults = check();
  EXPECT_TRUE(Has(faults, "vornpts.vtf", "ZIP 102 has its centre (40.7340, -69.3745) outside NY"));
  EXPECT_TRUE(Has(faults, "vornpts.vtf", "ZIP 340 of AA has a centre"));
  EXPECT_EQ(faults.size(), 2U);
}

TEST_F(BrokenDemo, AnIntrastateTariffMissingAPrefixOfItsState) {
  editTariff("KRTX2026", [](vorn::Tariff& t) {
    t.served.erase(std::remove_if(t.served.begin(), t.served.end(),
                                  [](const vorn::ServedRange& r) { return r.low == "733"; }),
                   t.served.end());
  });
  const auto faults = check();
  EXPECT_TRUE(Has(faults, "state.dat record 733",
                  "ZIP 733 of TX is not served by KRTX2026, the TX intrastate tariff"));
  EXPECT_EQ(faults.size(), 1U);
}

TEST_F(BrokenDemo, ATariffServingWhatNoTerminalServes) {
  editTariff("KRUS2026", [](vorn::Tariff& t) { t.served = {{1, "005", "999", 'D'}}; });
  const auto faults = check();
  for (const char* prefix : {"006", "090", "340", "962", "967", "969"})
    EXPECT_TRUE(Has(faults, std::string("ZIP ") + prefix,
                    "has no serving terminal, yet tariff KRUS2026 serves it"))
        << prefix;
}

TEST_F(BrokenDemo, ATariffTheListNamesIsMissing) {
  fs::remove(copy_.path() / "KRKS2026.vtf");
  EXPECT_TRUE(Has(check(), "KRKS2026.vtf", "names KRKS2026, which is missing"));
}

TEST_F(BrokenDemo, UnsortedAndOverlappingRangesAndABadTerminal) {
  std::string zips = read("ServZipsA.dat");
  const auto record = [&](std::size_t n) {  // counted from 1
    const auto at = zips.begin() + static_cast<std::ptrdiff_t>((n - 1) * 23);
    return geo::ServiceZipRange::FromBytes(
        base::ByteRecord(std::vector<std::uint8_t>(at, at + 23)));
  };
  const auto put = [&](std::size_t n, const geo::ServiceZipRange& r) {
    zips.replace((n - 1) * 23, 23, reinterpret_cast<const char*>(r.ToBytes().data()), 23);
  };
  // Swap records 10 and 11; record 20 overlaps record 19; record 30 names terminal 999.
  const auto r10 = record(10);
  put(10, record(11));
  put(11, r10);
  auto r20 = record(20);
  r20.lowest = record(19).highest;
  put(20, r20);
  auto r30 = record(30);
  r30.terminal = 999;
  put(30, r30);
  copy_.Put("ServZipsA.dat", zips);
  const auto faults = check();
  EXPECT_TRUE(Has(faults, "ServZipsA.dat record 11", "out of order")) << faults.size();
  EXPECT_TRUE(Has(faults, "ServZipsA.dat record 20", "overlaps the range of record 19"));
  EXPECT_TRUE(Has(faults, "ServZipsA.dat record 30", "terminal 999 is not one of the 51"));
}

TEST_F(BrokenDemo, AShortMatrixAndACutRecord) {
  copy_.Put("ServMatx.dat", read("ServMatx.dat").substr(0, 2 * 100 + 1));
  const auto faults = check();
  EXPECT_TRUE(Has(faults, "ServMatx.dat", "not a whole number of 2-byte records"));
  EXPECT_TRUE(Has(faults, "ServMatx.dat", "100 records; 51 terminals need a matrix of 51 x 51"));
}

TEST_F(BrokenDemo, UncoveredPrefixesAndUnsortedLists) {
  // Without its Kansas City ranges the guide leaves prefixes without a terminal.
  std::string zips = read("ServZipsA.dat");
  std::string kept;
  for (std::size_t p = 0; p < zips.size(); p += 23)
    if (zips.compare(p + 1, 3, "640") != 0) kept += zips.substr(p, 23);
  copy_.Put("ServZipsA.dat", kept);
  std::string rural = read("RuralPts.dat");
  std::swap_ranges(rural.begin(), rural.begin() + 6, rural.begin() + 6);
  copy_.Put("RuralPts.dat", rural);
  std::string cities = read("cityzip.dat");
  std::swap_ranges(cities.begin(), cities.begin() + 36, cities.begin() + 360);
  copy_.Put("cityzip.dat", cities);
  const auto faults = check();
  EXPECT_TRUE(Has(faults, "state.dat record 640", "ZIP 640 has no serving terminal"));
  EXPECT_TRUE(Has(faults, "cityzip.dat", "has no serving terminal"));
  EXPECT_TRUE(Has(faults, "RuralPts.dat record 2", "out of order"));
  EXPECT_TRUE(Has(faults, "cityzip.dat record 2", "out of order"));
}

TEST_F(BrokenDemo, SpecialPointListsAndTextFiles) {
  copy_.Put("HighCost.dat",
            "99501,99950,Alaska,B,$95.00,$abc,$450.00\n"
            "82001,83128,Wyoming,O,30,0,0\n"
            "59001,59999,Montana,X,$1,$1,$1\n"
            "59001,59999");
  const auto range = [](std::int32_t low, std::int32_t high) {
    base::ByteRecord r(16);
    r.setInt32(0, low);
    r.setInt32(4, high);
    r.setFloat64(8, 10);
    return std::string(reinterpret_cast<const char*>(r.data()), 16);
  };
  copy_.Put("CA_Pnts.dat", range(90001, 92000) + range(91000, 93000));
  copy_.Put("stname.dat", read("stname.dat") + "Alaska               AK\r\n");
  fs::remove(copy_ / "NYCPts.dat");
  const auto faults = check();
  EXPECT_TRUE(Has(faults, "HighCost.dat entry 1", "rate '$abc' is not a number and counts as 0"));
  EXPECT_TRUE(Has(faults, "HighCost.dat entry 2", "minimum '30' without \"$\" reads as 300"));
  EXPECT_TRUE(Has(faults, "HighCost.dat entry 3", "direction 'X'"));
  EXPECT_TRUE(Has(faults, "HighCost.dat", "the last entry has 2 of its 7 values"));
  EXPECT_TRUE(Has(faults, "CA_Pnts.dat record 2", "overlaps record 1"));
  EXPECT_TRUE(Has(faults, "stname.dat line 50", "beyond the 49 states"));
  EXPECT_TRUE(Has(faults, "NYCPts.dat", "missing"));
}

class GeoPartBuild : public PartTest {};

TEST_F(GeoPartBuild, ReportsFaultsOfASupplierSource) {
  scratch_.Put("src/geo/state_prefixes.tsv",
               "# from\tto\tstate\n"
               "001\t005\tNY\n"
               "990\t1000\tAK\n"
               "303\tGA\n");
  scratch_.Put("src/geo/rural_points.txt", "30303\nA1B\n");
  Report report;
  GeoPart().build(src_, out_, report);
  const auto& faults = report.faults();
  EXPECT_TRUE(Has(faults, "state_prefixes.tsv:3: expected a prefix range"));
  EXPECT_TRUE(Has(faults, "state_prefixes.tsv:4: expected 3 columns, found 2"));
  EXPECT_TRUE(Has(faults, "rural_points.txt:2: not a postal code: A1B"));
  EXPECT_TRUE(Has(faults, "terminals.tsv: missing"));
  EXPECT_EQ(geo::StateFromZipPrefix(base::ProgramDir(out_), 5), "NY");
  EXPECT_TRUE(geo::IsRuralPoint(base::ProgramDir(out_), "30303"));
}

}  // namespace
}  // namespace tarvex::datakit
