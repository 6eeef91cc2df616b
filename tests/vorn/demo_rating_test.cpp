// The engine on the demo carrier's own tariffs, built by the data kit: what a customer pays
// never falls as the shipment gets heavier, Mexican lanes cross at the nearest border
// crossing, and Canada-Mexico lanes are rated.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "base/files.h"
#include "base/program_dir.h"
#include "base/text.h"
#include "datakit/tariff_part.h"
#include "engine/engine_record.h"
#include "engine/tariffs.h"
#include "engine/vorn_abi.h"
#include "support/program_dir.h"
#include "vorn/tariff.h"

namespace tarvex::vorn {
namespace {

namespace fs = std::filesystem;
using namespace tarvex::engine;

class DemoRatingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    built_ = std::make_unique<testing::ScratchDir>();
    dir_ = &built_->path();
    datakit::Report report;
    datakit::TariffPart().build(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo", *dir_, report);
    ASSERT_TRUE(report.ok()) << report.faults()[0];
  }
  static void TearDownTestSuite() {
    dir_ = nullptr;
    built_.reset();
  }
  void SetUp() override {
    path_ = dir_->string() + "/";
    ASSERT_EQ(Vorn_InitializeVorn(path_.c_str()), 0);
    ASSERT_EQ(Vorn_Set_Vorndata(path_.c_str()), 0);
  }
  void TearDown() override { Vorn_EndVorn(); }

  // A rating request as the quote sends it: one line, the customer's discount written the
  // way the program writes it (D2(0) ... D2(6) the percentage x 100, D2(7) ... D2(9) none).
  static EngineRecord Request(const char* tariff, const char* origin, const char* destination,
                              const char* basis, int percentTimes100) {
    EngineRecord r;
    r.setText(H3, " ME1");
    r.setText(H4, tariff);
    r.setText(H7, origin);
    r.setText(H9, destination);
    r.setText(H23, "N");
    r.setText(H37, "10000");
    r.setText(H11, "01");
    r.line(1).setText(L2, "100");
    r.setText(H26, "Y");
    r.setText(H33, basis);
    r.discount(1).setText(D1, "D%");
    const std::string percent = std::to_string(percentTimes100);  // four digits at most
    r.discount(1).setText(D2, 0, std::string(4 - percent.size(), '0') + percent);
    for (int i = 1; i <= 6; ++i) r.discount(1).setText(D2, i, " " + percent);
    for (int i = 7; i <= 9; ++i) r.discount(1).setText(D2, i, " 0000");
    return r;
  }
  static std::int64_t Cents(const std::string& amount) {
    return std::llround(base::Val(amount) * 100);
  }
  static std::int64_t Cents(const EngineRecord& r, TextField<InEngineRecord> field) {
    return Cents(r.trimmed(field));
  }
  // The net charge as the quote composes it from the engine's answer: the minimum charge
  // with its discount below the minimum, else the charge with its discount, less that
  // discount; which leaves the greater of the minimum and the charge.
  static std::int64_t Net(const EngineRecord& r) { return std::max(Cents(r, H20), Cents(r, H16)); }
  // Rates the request at the weight and returns the answer, in the same record.
  static const EngineRecord& Rate(EngineRecord& r, int weight) {
    r.line(1).setText(L3, std::to_string(weight));
    Vorn_RateShipment(r.data());
    return r;
  }

  static std::unique_ptr<testing::ScratchDir> built_;
  static const fs::path* dir_;
  std::string path_;
};

std::unique_ptr<testing::ScratchDir> DemoRatingTest::built_;
const fs::path* DemoRatingTest::dir_ = nullptr;

// Name, tariff, origin, destination, portion, and the customer's 65.5 % on rates or on charges.
using SweptLane =
    std::tuple<const char*, const char*, const char*, const char*, const char*, const char*>;

class NetSweepTest : public DemoRatingTest, public ::testing::WithParamInterface<SweptLane> {};

// Every pound from 1 to 45,000 lb (the tariffs' own limit; the program's limit off).
TEST_P(NetSweepTest, TheNetNeverFallsAsTheWeightRises) {
  const auto& [name, tariff, origin, destination, portion, basis] = GetParam();
  EngineRecord r = Request(tariff, origin, destination, basis, 6550);
  r.setText(H3, portion);
  std::int64_t previous = 0;
  int failures = 0;
  for (int weight = 1; weight <= 45000 && failures < 5; ++weight) {
    ASSERT_TRUE(Rate(r, weight).blank(H2)) << weight << " lb: " << r.text(H2);
    const std::int64_t net = Net(r);
    EXPECT_GE(net, previous) << "cents net at " << weight << " lb against " << weight - 1;
    // The shown line and deficit charges add up to the billed amount.
    const std::int64_t billed = Cents(r, H20) + Cents(r, H35);
    const std::int64_t shown = Cents(r.line(1).trimmed(L5)) + Cents(r, H19);
    EXPECT_EQ(shown, billed) << weight << " lb: line " << r.line(1).trimmed(L5) << " and deficit "
                             << r.trimmed(H19);
    if (net < previous || shown != billed) ++failures;
    previous = net;
  }
}

INSTANTIATE_TEST_SUITE_P(
    DemoLanes, NetSweepTest,
    ::testing::Values(
        // Kansas City to Atlanta, to Toronto, and to Monterrey (its US portion).
        SweptLane{"UsOnRates", "KRUS2026", "64120", "30303", " ME1", "R"},
        SweptLane{"UsOnCharges", "KRUS2026", "64120", "30303", " ME1", "C"},
        SweptLane{"CanadianOnRates", "KRCD2026", "64120", "M5V3L9", " ME1", "R"},
        SweptLane{"CanadianOnCharges", "KRCD2026", "64120", "M5V3L9", " ME1", "C"},
        SweptLane{"MexicanOnRates", "KRMX2026", "64120", "64000M", "   P", "R"},
        SweptLane{"MexicanOnCharges", "KRMX2026", "64120", "64000M", "   P", "C"}),
    [](const ::testing::TestParamInfo<SweptLane>& lane) {
      return std::string(std::get<0>(lane.param));
    });

TEST_F(DemoRatingTest, OnePoundMoreCostsLessThanADollarMore) {
  // Kansas City to Atlanta, class 100, the demo customer's 50 % on rates. 15,484 lb used to
  // be billed as 20,000 lb, where the customer has no discount: 1,823.90 became 3,648.00.
  // 425 and 426 lb are both billed as 500 lb (60.04 less 50 %), rounded once.
  using Case = std::tuple<int, const char*, const char*>;
  const Case cases[] = {{15483, "1823.90", "1824.02"}, {425, "150.10", "150.10"}};
  for (const auto& [weight, lighterNet, heavierNet] : cases) {
    EngineRecord r = Request("KRUS2026", "64120", "30303", "R", 5000);
    ASSERT_TRUE(Rate(r, weight).blank(H2));
    const std::int64_t lighter = Net(r);
    EXPECT_EQ(r.trimmed(H20), lighterNet) << weight;
    EXPECT_EQ(Rate(r, weight + 1).trimmed(H20), heavierNet) << weight + 1;
    EXPECT_GE(Net(r), lighter);
    EXPECT_LT(Net(r) - lighter, 100) << weight;
  }
}

TEST_F(DemoRatingTest, AMexicanLaneCrossesAtTheCrossingNearestItsMexicanPoint) {
  const auto tariff = ParseTariff(base::FileToString(*dir_ / "KRMX2026.vtf"));
  ASSERT_TRUE(tariff);
  const auto points = PointTable::Parse(base::FileToString(*dir_ / "vornpts.vtf"));
  ASSERT_TRUE(points);
  using Case = std::tuple<const char*, const char*>;
  const Case cases[] = {
      {"22000M", "Tijuana"},        // Baja California
      {"83000M", "Nogales"},        // Sonora
      {"31000M", "Ciudad Juarez"},  // Chihuahua
      {"88000M", "Reynosa"},        // Tamaulipas
      {"27000M", "Nuevo Laredo"},   // Coahuila
  };
  for (const auto& [mexican, name] : cases) {
    const BorderCrossing* crossing = tariff->NearestCrossing(*points->Find(mexican));
    ASSERT_NE(crossing, nullptr);
    EXPECT_THAT(crossing->name, ::testing::HasSubstr(name)) << mexican;
  }
  // Tijuana to San Diego: about 20 road miles on either side of San Ysidro, so both portions
  // fall in the first band, where crossing at Laredo made the US portion 1,250 miles.
  const BorderCrossing* west = tariff->NearestCrossing(*points->Find("22000M"));
  const double usMiles = RoadMiles(*points->Find("92101"), {west->latitude, west->longitude});
  EXPECT_GT(usMiles, 10);
  EXPECT_LT(usMiles, 40);
  for (const char* portion : {"   P", "   S"}) {
    EngineRecord r = Request("KRMX2026", "22000M", "92101", "R", 0);
    r.setText(H3, portion);
    ASSERT_TRUE(Rate(r, 1000).blank(H2)) << portion;
    EXPECT_EQ(r.trimmed(H13), "KR0100") << portion;
  }
}

TEST_F(DemoRatingTest, ACanadaMexicoLaneTakesTheCmTariffLineAndIsRated) {
  // The program's tariff selection over the demo tariff list, then the engine.
  const base::ProgramDir demoFiles(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo" / "files");
  for (const auto& [origin, destination] : std::vector<std::pair<const char*, const char*>>{
           {"M5V3L9", "64000M"}, {"64000M", "H3B1A1"}}) {
    EngineRecord r = Request("", origin, destination, "C", 6500);
    ASSERT_TRUE(SelectTariff(demoFiles, r, TariffRequest{"", "", true, nullptr, nullptr}).ok);
    EXPECT_EQ(r.trimmed(H4), "KRMX2026") << origin << " to " << destination;
    std::vector<std::string> rbns;
    for (const char* portion : {" ME1", "   P", "   S"}) {
      r.setText(H3, portion);
      ASSERT_TRUE(Rate(r, 2500).blank(H2)) << origin << portion << r.text(H2);
      rbns.push_back(r.trimmed(H13));
      EXPECT_EQ(r.trimmed(H14), "2500");
      EXPECT_GT(Net(r), 0);
    }
    // Toronto or Montreal to Monterrey is about 2,000 road miles; the Mexican portion from
    // the crossing near Monterrey is short.
    EXPECT_EQ(rbns[0].substr(0, 3), "KR2");
    EXPECT_EQ(rbns[2], "KR0250");
  }
}

}  // namespace
}  // namespace tarvex::vorn
