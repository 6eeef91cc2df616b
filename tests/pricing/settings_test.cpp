#include "pricing/settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "base/files.h"
#include "support/program_dir.h"

namespace tarvex::pricing {
namespace {

namespace fs = std::filesystem;

class SettingsFile : public testing::ProgramDirTest {
 protected:
  void WriteBytes(const base::ByteRecord& r, std::size_t length) {
    std::ofstream(file_, std::ios::binary)
        .write(reinterpret_cast<const char*>(r.data()), static_cast<std::streamsize>(length));
  }
  fs::path file_ = dir_ / "variable.dat";
};

// The layout is the contract with the carrier's data supplier: fields packed without gaps
// from 0 to 966, each where the record's table puts it.
TEST(SettingsLayout, FieldsArePackedWithoutGapsTo966Bytes) {
  std::size_t expected = 0;
  for (const auto& f : SettingsLayout()) {
    EXPECT_EQ(f.offset, expected) << f.name;
    expected = f.offset + f.size;
  }
  EXPECT_EQ(expected, kSettingsRecordLength);
}

TEST_F(SettingsFile, RoundTripsEveryFieldAtItsOffset) {
  SettingsRecord s;
  s.CarrierName = "Kestrel Ridge Freight Lines";
  s.VersionText = "4.2.571.3";
  s.EngineCode = "KRFL";
  s.FakOn = -1;
  s.DefaultWeight = 1500;
  s.FuelSurchargeLTL = 24.5;
  s.RateSheetDiscounts = {0, 1, 65, 70, 150};
  s.RateSheetHeaders = {"", "Head 1", "", "", "Head 4"};
  s.MaxTotalWeight = 20000;
  s.FuelSurchargeLTLMX = 21.75;
  ASSERT_TRUE(WriteSettings(file_, s));
  EXPECT_EQ(base::FileLength(file_), 966);

  const auto raw = base::ReadFixedRecord(file_, 966, 1);
  ASSERT_TRUE(raw.ok());
  EXPECT_EQ(raw.record.text(0, 27), "Kestrel Ridge Freight Lines");
  EXPECT_EQ(raw.record.text(517, 10), "KRFL      ");
  EXPECT_EQ(raw.record.int16(545), -1);
  EXPECT_EQ(raw.record.int32(584), 1500);
  EXPECT_DOUBLE_EQ(raw.record.float64(590), 24.5);
  EXPECT_DOUBLE_EQ(raw.record.float64(634 + 16), 70);
  EXPECT_EQ(raw.record.text(672 + 3 * 65, 6), "Head 4");
  EXPECT_EQ(raw.record.int32(944), 20000);
  EXPECT_DOUBLE_EQ(raw.record.float64(958), 21.75);

  const auto back = ReadSettings(file_);
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.record.CarrierName.size(), 50u);  // stored width, blank-padded
}

// Every field with a value of its own: a field written or read at another's place shows.
TEST_F(SettingsFile, EveryOneOfTheFieldsComesBackAsWritten) {
  SettingsRecord s;
  std::vector<std::string> written;
  for (const SettingsField& f : SettingsLayout()) {
    const int n = f.number;
    std::string text;
    switch (f.kind) {
      case FieldKind::Text:
        text = ("F" + std::to_string(n) + "abcdefgh").substr(0, f.size);
        break;
      case FieldKind::Int16:
        text = std::to_string(n * 3 - 100);
        break;
      case FieldKind::Int32:
        text = std::to_string(n * 1000 + 7);
        break;
      case FieldKind::Double:
        text = "0." + std::to_string(n) + "5";
        break;  // within every limit
      case FieldKind::DoubleArray4:
        text = "1,2.5,3.5," + std::to_string(n);
        break;
      case FieldKind::TextArray4:
        text = "a|b" + std::to_string(n) + "|c|d";
        break;
    }
    ASSERT_TRUE(SetFieldText(s, f, text)) << f.name << " " << text;
    EXPECT_EQ(FieldText(s, f), text) << f.name;
    written.push_back(text);
  }
  ASSERT_TRUE(WriteSettings(file_, s));
  const auto back = ReadSettings(file_);
  ASSERT_TRUE(back.ok());
  std::size_t i = 0;
  for (const SettingsField& f : SettingsLayout())
    EXPECT_EQ(FieldText(back.record, f), written[i++]) << f.name;
  EXPECT_EQ(i, 58U);
}

TEST_F(SettingsFile, OlderShortFileTakesMexicanFuelFromLtlAndSavesFull) {
  SettingsRecord s;
  s.FuelSurchargeLTL = 31.2;
  s.FuelSurchargeLTLMX = 99;  // not in a 958-byte file
  s.AccessorialsOn = 1;       // a supplier's 1 counts as on, like -1
  WriteBytes(EncodeSettings(s), kSettingsShortLength);
  auto read = ReadSettings(file_);
  ASSERT_TRUE(read.ok());
  EXPECT_DOUBLE_EQ(read.record.FuelSurchargeLTLMX, 31.2);
  EXPECT_TRUE(On(read.record.AccessorialsOn));
  ASSERT_TRUE(WriteSettings(file_, read.record));
  EXPECT_EQ(base::FileLength(file_), 966);
  EXPECT_DOUBLE_EQ(ReadSettings(file_).record.FuelSurchargeLTLMX, 31.2);
}

TEST_F(SettingsFile, MissingOrTruncatedFileIsReportedNotRead) {
  EXPECT_EQ(ReadSettings(file_).status, SettingsStatus::Missing);
  WriteBytes(EncodeSettings(SettingsRecord{}), 500);
  EXPECT_EQ(ReadSettings(file_).status, SettingsStatus::Unreadable);
  std::ofstream(file_, std::ios::trunc).close();
  EXPECT_EQ(ReadSettings(file_).status, SettingsStatus::Unreadable);
  EXPECT_EQ(ReadSettings(dir_).status, SettingsStatus::Missing);
}

// Each number field with a value it cannot mean; the fault names the field.
TEST_F(SettingsFile, NumbersBeyondWhatTheirFieldsMeanMakeTheRecordDamaged) {
  const std::pair<const char*, void (*)(SettingsRecord&)> cases[] = {
      {"FuelSurchargeLTL", [](SettingsRecord& s) { s.FuelSurchargeLTL = std::nan(""); }},
      {"FuelSurchargeLTL", [](SettingsRecord& s) { s.FuelSurchargeLTL = -0.5; }},
      {"FuelSurchargeTL", [](SettingsRecord& s) { s.FuelSurchargeTL = 1e300; }},
      {"FuelSurchargeLTLMX", [](SettingsRecord& s) { s.FuelSurchargeLTLMX = 100.5; }},
      {"RateAdjustmentFactor", [](SettingsRecord& s) { s.RateAdjustmentFactor = 1e300; }},
      {"RateAdjustmentFactor", [](SettingsRecord& s) { s.RateAdjustmentFactor = 0; }},
      {"HiddenRateAdjustmentFactor",
       [](SettingsRecord& s) { s.HiddenRateAdjustmentFactor = HUGE_VAL; }},
      {"add up to -0.5", [](SettingsRecord& s) { s.HiddenRateAdjustmentFactor = -1.5; }},
      // Sent as "0" in the engine's five characters, which it takes for no adjustment.
      {"add up to 1e-20",
       [](SettingsRecord& s) {
         s.RateAdjustmentFactor = 1e-20;
         s.HiddenRateAdjustmentFactor = 0;
       }},
      {"CanadianExchangeFactor", [](SettingsRecord& s) { s.CanadianExchangeFactor = 1e132; }},
      {"CanadianExchangeFactor", [](SettingsRecord& s) { s.CanadianExchangeFactor = -60; }},
      {"RateSheetDiscounts(1)", [](SettingsRecord& s) { s.RateSheetDiscounts[1] = -HUGE_VAL; }},
      {"RateSheetDiscounts(2)", [](SettingsRecord& s) { s.RateSheetDiscounts[2] = 100; }},
      {"RateSheetDiscounts(3)", [](SettingsRecord& s) { s.RateSheetDiscounts[3] = std::nan(""); }},
      {"RateSheetDiscounts(4)", [](SettingsRecord& s) { s.RateSheetDiscounts[4] = 2e6; }},
      {"DefaultWeight", [](SettingsRecord& s) { s.DefaultWeight = -1; }},
      {"DefaultWeight", [](SettingsRecord& s) { s.DefaultWeight = 100000; }},
      {"MaxTotalWeight", [](SettingsRecord& s) { s.MaxTotalWeight = INT32_MIN; }},
  };
  for (const auto& [field, damage] : cases) {
    SettingsRecord s;
    s.FuelSurchargeLTL = 24.5;
    s.CanadianExchangeFactor = 38.5;
    s.MaxTotalWeight = 20000;
    damage(s);
    ASSERT_TRUE(WriteSettings(file_, s));
    const auto read = ReadSettings(file_);
    EXPECT_EQ(read.status, SettingsStatus::Damaged) << field;
    EXPECT_NE(read.fault.find(field), std::string::npos) << read.fault;
  }
  // The limits themselves are sound values, and a new record is sound.
  SettingsRecord edge;
  edge.FuelSurchargeLTL = 100;
  edge.FuelSurchargeTL = 0;
  edge.RateAdjustmentFactor = 9.99;
  edge.HiddenRateAdjustmentFactor = -9;
  edge.CanadianExchangeFactor = -50;
  edge.RateSheetDiscounts = {0, -5, 99.99, 0, 999999.99};
  edge.DefaultWeight = 99999;
  EXPECT_EQ(SettingsFault(edge), "");
  EXPECT_EQ(SettingsFault(SettingsRecord{}), "");
}

// Texts that fit every field are round-tripped above.
TEST(SettingsText, FieldTextRefusesWhatDoesNotFitAndKeepsEmptyEntries) {
  SettingsRecord s;
  const auto& l = SettingsLayout();
  EXPECT_FALSE(SetFieldText(s, l[4], "MOX"));     // CarrierState is two characters
  EXPECT_FALSE(SetFieldText(s, l[17], "40000"));  // beyond an int16
  EXPECT_FALSE(SetFieldText(s, l[17], "yes"));
  EXPECT_FALSE(SetFieldText(s, l[38], "24,5"));
  EXPECT_FALSE(SetFieldText(s, l[48], "1,2,3"));
  EXPECT_TRUE(SetFieldText(s, l[52], "A|B||D"));
  EXPECT_EQ(FieldText(s, l[52]), "A|B||D");
}

TEST(AdjustmentFactor, IsTheSumOfBothFactorsTimesTenThousand) {
  SettingsRecord s;
  s.RateAdjustmentFactor = 1.05;
  s.HiddenRateAdjustmentFactor = 0;
  EXPECT_EQ(AdjustmentFactorText(s), "10500");
  s.RateAdjustmentFactor = 0.95;
  s.HiddenRateAdjustmentFactor = 0.02;
  EXPECT_EQ(AdjustmentFactorText(s), "9700");
}

}  // namespace
}  // namespace tarvex::pricing
