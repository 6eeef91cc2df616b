// The demo carrier's whole program directory as the data kit lays it out: the lanes it quotes
// are believable (centres inside their states, intrastate tariffs serving their whole state,
// places no truck reaches refused, no city on the rural list), and the check refuses copies
// broken in each of those ways.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "datakit/geo_part.h"
#include "datakit/kit.h"
#include "geo/postal_code.h"
#include "geo/service_guide.h"
#include "geo/special_points.h"
#include "support/program_dir.h"
#include "vorn/tariff.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;
using ScratchDir = testing::ScratchDir;

class DemoDirectory : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    built_ = std::make_unique<ScratchDir>();
    Report report;
    for (const Part& part : Parts()) part.build(Source(), built_->path(), report);
    buildFaults_ = report.faults();
  }
  static void TearDownTestSuite() { built_.reset(); }

  static fs::path Source() { return fs::path(TARVEX_SOURCE_DIR) / "data" / "demo"; }
  static base::ProgramDir dir() { return built_->dir(); }
  static std::string TerminalOf(const std::string& code) {
    std::string indicator;
    std::int16_t extra = 0;
    return base::Trim(
        geo::GetTerminalCode(dir(), geo::FindServiceTerminal(dir(), code, "D", indicator, extra)));
  }
  static vorn::Tariff TariffNamed(const std::string& name) {
    auto t = vorn::ParseTariff(base::FileToString(built_->path() / (name + ".vtf")));
    EXPECT_TRUE(t.has_value()) << name;
    return t.value_or(vorn::Tariff{});
  }
  static vorn::PointTable Points() {
    auto p = vorn::PointTable::Parse(base::FileToString(built_->path() / "vornpts.vtf"));
    EXPECT_TRUE(p.has_value());
    return p.value_or(vorn::PointTable{});
  }

  static std::unique_ptr<ScratchDir> built_;
  static std::vector<std::string> buildFaults_;
};

std::unique_ptr<ScratchDir> DemoDirectory::built_;
std::vector<std::string> DemoDirectory::buildFaults_;

TEST_F(DemoDirectory, BuildsAndPassesTheWholeCheck) {
  for (const auto& f : buildFaults_) ADD_FAILURE() << f;
  Report checked;
  for (const Part& part : Parts()) part.check(built_->path(), checked);
  for (const auto& f : checked.faults()) ADD_FAILURE() << f;
}

TEST_F(DemoDirectory, ManhattanIsServedFromNewarkAtRoadMilesFromKansasCity) {
  EXPECT_EQ(TerminalOf("10201"), "NEWK");
  EXPECT_EQ(TerminalOf("10001"), "NEWK");
  const auto points = Points();
  const auto kc = points.Find("64120");
  const auto manhattan = points.Find("10201");
  ASSERT_TRUE(kc && manhattan);
  const double miles = vorn::RoadMiles(*kc, *manhattan);
  EXPECT_GT(miles, 1150);
  EXPECT_LT(miles, 1350);
}

TEST_F(DemoDirectory, EveryServedPrefixHasItsCentreInsideItsState) {
  const auto points = Points();
  int measured = 0;
  for (int p = 1; p <= 999; ++p) {
    const std::string state = geo::StateFromZipPrefix(dir(), p);
    const auto at = points.Find(fmt::format("{:03d}", p));
    if (state.empty() || !at) continue;
    ++measured;
    const auto& boxes = StateBoxes();
    const auto box = std::find_if(boxes.begin(), boxes.end(),
                                  [&](const StateBox& b) { return state == b.state; });
    ASSERT_NE(box, boxes.end()) << p << " " << state;
    EXPECT_GE(at->first, box->south - kStateBoxSlack) << p;
    EXPECT_LE(at->first, box->north + kStateBoxSlack) << p;
    EXPECT_GE(at->second, box->west - kStateBoxSlack) << p;
    EXPECT_LE(at->second, box->east + kStateBoxSlack) << p;
  }
  EXPECT_GT(measured, 880);
}

TEST_F(DemoDirectory, IntrastateTariffsServeEveryPrefixOfTheirState) {
  for (const auto& [state, name] : {std::pair{"TX", "KRTX2026"}, std::pair{"CA", "KRCA2026"}}) {
    const vorn::Tariff t = TariffNamed(name);
    int prefixes = 0;
    for (int p = 1; p <= 999; ++p) {
      if (geo::StateFromZipPrefix(dir(), p) != state) continue;
      ++prefixes;
      EXPECT_NE(t.Serving(fmt::format("{:03d}", p)), nullptr) << name << " " << p;
    }
    EXPECT_GT(prefixes, 40) << state;
  }
  EXPECT_NE(TariffNamed("KRTX2026").Serving("73301"), nullptr);  // Austin
  EXPECT_EQ(TariffNamed("KRTX2026").Serving("64120"), nullptr);
}

TEST_F(DemoDirectory, PlacesNoTruckReachesAreRefused) {
  struct Case {
    const char* code;
    const char* what;
    bool combination;  // zipval.dat lets the lane on to the service guide
  };
  // Prefixes that Mexican codes share (09x, 340, 962 ... 969) pass the combination table and
  // are refused by the service guide; Puerto Rico and the Virgin Islands by the table itself.
  for (const Case& c :
       {Case{"96201", "military, Pacific", true}, Case{"09001", "military, Europe", true},
        Case{"34001", "military, Americas", true}, Case{"96910", "Guam", true},
        Case{"96813", "Honolulu", true}, Case{"96799", "American Samoa", true},
        Case{"00901", "San Juan", false}, Case{"00802", "St. Thomas", false}}) {
    EXPECT_EQ(TerminalOf(c.code), "") << c.what;
    EXPECT_EQ(geo::CheckZipCombination(dir(), "641", geo::PostalPrefix(c.code)), c.combination)
        << c.what;
    EXPECT_EQ(geo::CheckZipCombination(dir(), geo::PostalPrefix(c.code), "641"), c.combination)
        << c.what;
    for (const char* name : {"KRUS2026", "KRCD2026", "KRMX2026"})
      EXPECT_EQ(TariffNamed(name).Serving(c.code), nullptr) << name << " " << c.what;
  }
  // The Mexican codes that share those prefixes are still served, and Alaska by road.
  for (const char* code : {"34000M", "96400M", "09000M", "99501"}) {
    EXPECT_NE(TerminalOf(code), "") << code;
    EXPECT_TRUE(geo::CheckZipCombination(dir(), "641", geo::PostalPrefix(code))) << code;
  }
}

TEST_F(DemoDirectory, TheCityLookUpOffersOnlyServedPlaces) {
  const std::string content = base::FileToString(built_->path() / "cityzip.dat");
  ASSERT_GT(content.size(), 36U * 40000);
  int refused = 0;
  for (std::size_t p = 0; p + 36 <= content.size(); p += 36) {
    const std::string code = base::Trim(content.substr(p + 30, 6));
    if (geo::PostalCountry(code) != geo::Country::US) continue;
    const int prefix = static_cast<int>(base::Val(code.substr(0, 3)));
    const std::string state = geo::StateFromZipPrefix(dir(), prefix);
    if (state == "AA" || state == "AE" || state == "AP" || state == "HI" || state == "GU" ||
        state == "PR" || state == "VI")
      ++refused;
  }
  EXPECT_EQ(refused, 0);
}

TEST_F(DemoDirectory, MetropolitanAreasAreNotRural) {
  // Lubbock and its suburbs, Rapid City, and a Manhattan code whose package coordinates lie in
  // Asia: all far from a terminal, none rural.
  for (const char* code : {"79401", "79424", "79382", "57701", "57702", "57703", "10200"})
    EXPECT_FALSE(geo::IsRuralPoint(dir(), code)) << code;
  // Small towns far from every terminal still are.
  for (const char* code : {"57567", "58856", "59211"}) EXPECT_TRUE(geo::IsRuralPoint(dir(), code));
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

// A copy of the demo directory to break one file of.
class BrokenDemo : public DemoDirectory {
 protected:
  void SetUp() override {
    for (const auto& e : fs::directory_iterator(built_->path()))
      fs::copy_file(e.path(), copy_.path() / e.path().filename());
  }
  std::vector<std::string> check() const {
    Report report;
    for (const Part& part : Parts()) part.check(copy_.path(), report);
    return report.faults();
  }
  static bool Has(const std::vector<std::string>& faults, const std::string& a,
                  const std::string& b) {
    return std::any_of(faults.begin(), faults.end(), [&](const std::string& f) {
      return f.find(a) != std::string::npos && f.find(b) != std::string::npos;
    });
  }
  void editTariff(const std::string& name, void (*edit)(vorn::Tariff&)) const {
    vorn::Tariff t = TariffNamed(name);
    edit(t);
    copy_.Put(name + ".vtf", vorn::WriteTariff(t));
  }
  ScratchDir copy_;
};

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

}  // namespace
}  // namespace tarvex::datakit
