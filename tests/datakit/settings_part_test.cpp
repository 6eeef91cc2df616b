#include "datakit/settings_part.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/files.h"
#include "pricing/settings.h"
#include "support/program_dir.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

class SettingsPartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_ / "src" / "files");
    fs::create_directories(root_ / "out");
  }
  testing::ScratchDir scratch_;
  const fs::path root_ = scratch_.path();
};

TEST_F(SettingsPartTest, TheDemoSourceBuildsAFullRecordAndDumpsBack) {
  Report report;
  SettingsPart().build(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo", root_ / "out", report);
  for (const auto& f : report.faults()) ADD_FAILURE() << f;
  const fs::path built = root_ / "out" / "variable.dat";
  EXPECT_EQ(base::FileLength(built), 966);
  const auto s = pricing::ReadSettings(built);
  ASSERT_TRUE(s.ok());
  EXPECT_NE(s.record.RateAdjustmentFactor, 0.0);
  EXPECT_TRUE(fs::exists(root_ / "out" / "disclaimer.dat"));

  Report checked;
  SettingsPart().check(root_ / "out", checked);
  EXPECT_TRUE(checked.ok());
  std::ostringstream dump;
  EXPECT_TRUE(SettingsPart().dump(built, dump, checked));
  EXPECT_NE(dump.str().find("CarrierName = Kestrel Ridge Freight Lines\n"), std::string::npos);
  EXPECT_FALSE(SettingsPart().dump(root_ / "out" / "disclaimer.dat", dump, checked));
}

TEST_F(SettingsPartTest, ReportsEveryFaultOfASupplierSource) {
  std::ofstream(root_ / "src" / "settings.ini") << "CarrierName = A\n"
                                                   "CarrierState = MOX\n"
                                                   "NoSuchField = 1\n"
                                                   "FakOn = on\n"
                                                   "just text\n"
                                                   "CarrierName = B\n";
  Report report;
  SettingsPart().build(root_ / "src", root_ / "out", report);
  const auto& faults = report.faults();
  const auto has = [&](const std::string& part) {
    for (const auto& f : faults)
      if (f.find(part) != std::string::npos) return true;
    return false;
  };
  EXPECT_TRUE(has("settings.ini:2: value of CarrierState does not fit"));
  EXPECT_TRUE(has("settings.ini:3: unknown field NoSuchField"));
  EXPECT_TRUE(has("settings.ini:4: value of FakOn"));
  EXPECT_TRUE(has("settings.ini:5: expected FieldName = value"));
  EXPECT_TRUE(has("CarrierName given twice"));
  EXPECT_TRUE(has("no value for EngineCode"));
}

TEST_F(SettingsPartTest, CheckFindsAMissingOrMisSizedRecord) {
  Report missing;
  SettingsPart().check(root_ / "out", missing);
  EXPECT_FALSE(missing.ok());
  std::ofstream(root_ / "out" / "variable.dat") << std::string(700, ' ');
  Report shortFile;
  SettingsPart().check(root_ / "out", shortFile);
  ASSERT_FALSE(shortFile.ok());
  EXPECT_NE(shortFile.faults()[0].find("length 700"), std::string::npos);
}

}  // namespace
}  // namespace tarvex::datakit
