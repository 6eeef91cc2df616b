#include "datakit/settings_part.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "datakit/part_test.h"
#include "pricing/settings.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

class SettingsPartTest : public PartTest {};

// The demo directory's build and check of every part are
// DemoDirectory.BuildsAndPassesTheWholeCheck.
TEST_F(DemoDirectory, SettingsAreAFullRecordAndDumpBack) {
  const fs::path built = built_->path() / "variable.dat";
  const auto s = pricing::ReadSettings(built);
  ASSERT_TRUE(s.ok());
  EXPECT_NE(s.record.RateAdjustmentFactor, 0.0);
  EXPECT_TRUE(fs::exists(built_->path() / "disclaimer.dat"));
  Report report;
  std::ostringstream dump;
  EXPECT_TRUE(SettingsPart().dump(built, dump, report));
  EXPECT_NE(dump.str().find("CarrierName = Kestrel Ridge Freight Lines\n"), std::string::npos);
  EXPECT_FALSE(SettingsPart().dump(built_->path() / "disclaimer.dat", dump, report));
}

TEST_F(SettingsPartTest, ReportsEveryFaultOfASupplierSource) {
  scratch_.Put("src/settings.ini",
               "CarrierName = A\n"
               "CarrierState = MOX\n"
               "NoSuchField = 1\n"
               "FakOn = on\n"
               "just text\n"
               "CarrierName = B\n");
  Report report;
  SettingsPart().build(src_, out_, report);
  const std::string faults = Faults(report);
  for (const char* expected :
       {"settings.ini:2: value of CarrierState does not fit",
        "settings.ini:3: unknown field NoSuchField", "settings.ini:4: value of FakOn",
        "settings.ini:5: expected FieldName = value", "CarrierName given twice",
        "no value for EngineCode"})
    EXPECT_NE(faults.find(expected), std::string::npos) << expected << "\n" << faults;
}

TEST_F(SettingsPartTest, CheckFindsAMissingOrMisSizedRecord) {
  Report missing;
  SettingsPart().check(out_, missing);
  EXPECT_FALSE(missing.ok());
  scratch_.Put("out/variable.dat", std::string(700, ' '));
  Report shortFile;
  SettingsPart().check(out_, shortFile);
  ASSERT_FALSE(shortFile.ok());
  EXPECT_NE(shortFile.faults()[0].find("length 700"), std::string::npos);
}

}  // namespace
}  // namespace tarvex::datakit
