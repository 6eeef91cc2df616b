// The engine on the demo carrier's own tariffs, built by the data kit: Mexican lanes cross
// at the nearest border crossing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/program_dir.h"
#include "base/text.h"
#include "datakit/tariff_part.h"
#include "engine/engine_record.h"
#include "engine/tariffs.h"
#include "engine/vorn_abi.h"
#include "vorn/tariff.h"

namespace tarvex::vorn {
namespace {

namespace fs = std::filesystem;
using namespace tarvex::engine;

class DemoRatingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new fs::path(fs::temp_directory_path() /
                        ("tarvex-vorn-demo-" + std::to_string(::getpid())));
    fs::remove_all(*dir_);
    fs::create_directories(*dir_);
    datakit::Report report;
    datakit::TariffPart().build(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo", *dir_, report);
    ASSERT_TRUE(report.ok()) << report.faults()[0];
  }
  static void TearDownTestSuite() {
    fs::remove_all(*dir_);
    delete dir_;
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
    r.discount(1).setText(D2, 0, fmt(percentTimes100, 4));
    for (int i = 1; i <= 6; ++i)
      r.discount(1).setText(D2, i, " " + std::to_string(percentTimes100));
    for (int i = 7; i <= 9; ++i) r.discount(1).setText(D2, i, " 0000");
    return r;
  }
  static std::string fmt(int value, std::size_t digits) {
    std::string text = std::to_string(value);
    return std::string(digits > text.size() ? digits - text.size() : 0, '0') + text;
  }
  static std::int64_t Cents(const std::string& amount) {
    return std::llround(base::Val(amount) * 100);
  }
  static std::int64_t Cents(const EngineRecord& r, TextField<InEngineRecord> field) {
    return Cents(r.trimmed(field));
  }
  // The net charge as the quote composes it from the engine's answer: below the minimum
  // charge the minimum with its discount, else the charge with its discount, and the net
  // is the first amount less the discount.
  static std::int64_t Net(const EngineRecord& r) {
    const bool minimum = Cents(r, H20) < Cents(r, H16);
    const std::int64_t first =
        minimum ? Cents(r, H16) + Cents(r, H36) : Cents(r, H20) + Cents(r, H35);
    return first - (minimum ? Cents(r, H36) : Cents(r, H35));
  }
  static void Rate(EngineRecord& r, int weight) {
    r.line(1).setText(L3, std::to_string(weight));
    Vorn_RateShipment(r.data());
  }

  static fs::path* dir_;
  std::string path_;
};

fs::path* DemoRatingTest::dir_ = nullptr;

TEST_F(DemoRatingTest, AMexicanLaneCrossesAtTheCrossingNearestItsMexicanPoint) {
  const auto tariff = ParseTariff(base::FileToString(*dir_ / "KRMX2026.vtf"));
  ASSERT_TRUE(tariff);
  const auto points = PointTable::Parse(base::FileToString(*dir_ / "vornpts.vtf"));
  ASSERT_TRUE(points);
  struct Case {
    const char* mexican;
    const char* crossing;
  };
  const Case cases[] = {
      {"22000M", "Tijuana"},        // Baja California
      {"83000M", "Nogales"},        // Sonora
      {"31000M", "Ciudad Juarez"},  // Chihuahua
      {"88000M", "Reynosa"},        // Tamaulipas
      {"27000M", "Nuevo Laredo"},   // Coahuila
  };
  for (const Case& c : cases) {
    const BorderCrossing* crossing = tariff->NearestCrossing(*points->Find(c.mexican));
    ASSERT_NE(crossing, nullptr);
    EXPECT_NE(crossing->name.find(c.crossing), std::string::npos)
        << c.mexican << ": " << crossing->name;
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
    Rate(r, 1000);
    ASSERT_TRUE(r.blank(H2)) << portion;
    EXPECT_EQ(r.trimmed(H13), "KR0100") << portion;
  }
  EngineRecord miles;
  miles.setText(H4, "MILE0001");
  miles.setText(H7, "22000M");
  miles.setText(H9, "92101");
  miles.setText(H11, "00");
  Vorn_RateShipment(miles.data());
  EXPECT_LT(base::Val(miles.trimmed(H13)), 40);
}

}  // namespace
}  // namespace tarvex::vorn
