// Damaged data files on the quote window: every one is said by name, and none prices a quote.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app_session.h"
#include "base/byte_record.h"
#include "base/files.h"

namespace tarvex::app {
namespace {

namespace fs = std::filesystem;

// The total of a lane rated at 300.00 with the demo's 24.5 % fuel surcharge and no fee.
constexpr const char* kTotalWithoutFees = "373.50 ";

class DamagedDataTest : public ProgramDirTest {
 protected:
  void SetUp() override {
    settings = DemoForQuoting();
    WriteText(dir / "CustomerServiceMsg.dat", "Please call customer service.");
    settings.FakOn = 0;
  }
  // Starts quoting and types a lane from Kansas City and, when the lane is accepted, one line.
  Session& Rate(const std::string& destination) {
    Session& s = StartQuoting(settings);
    s.engine.SetDefaultRating(Rated);
    s.Lane("64120", destination);
    if (s.runtime.ActiveControl() == &s.main.cboClass[0]) s.RateLine(0, "100", "1500");
    return s;
  }
  // The one message that names the file, or "" when none does.
  static std::string Naming(const Session& s, const std::string& file) {
    for (const std::string& m : s.desktop.Messages())
      if (m.find(file) != std::string::npos) return m;
    return "";
  }
  pricing::SettingsRecord settings;
};

// A damaged state table or service guide refuses the lane by the file's name and never prices
// it. The readers' own tests go through every kind of damage; here one of each file. The origin's
// state refused sends the user back to the origin, the destination's (30303) keeps the user in the
// destination.
TEST_F(DamagedDataTest, ADamagedStateTableOrServiceGuideRefusesTheLaneByName) {
  const std::string states = base::FileToString(dir / "state.dat");
  const std::string matrix = base::FileToString(dir / "ServMatx.dat");
  std::string longDays;
  for (std::size_t i = 0; i < matrix.size() / 2; ++i) longDays += std::string("\xff\x7f", 2);
  struct Case {
    const char* what;
    const char* file;
    std::optional<std::string> bytes;  // none: no file
    const char* destination;           // 64130: two points of one state when sound
    bool backToOrigin;
  };
  const Case cases[] = {
      {"state record 641 damaged", "state.dat",
       states.substr(0, 3 * 640) + "M\x01 " + states.substr(3 * 641), "64130", true},
      {"state record 303 damaged", "state.dat",
       states.substr(0, 3 * 302) + "\xff\xff " + states.substr(3 * 303), "30303", false},
      {"matrix days of 32767", "ServMatx.dat", longDays, "30303", true},
      {"no range file", "ServZipsA.dat", std::nullopt, "30303", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CopyDemoData();
    if (c.bytes)
      WriteText(dir / c.file, *c.bytes);
    else
      fs::remove(dir / c.file);
    Session& s = Rate(c.destination);
    EXPECT_EQ(s.main.lblTotalCharge.caption(), "");
    EXPECT_NE(Naming(s, c.file), "")
        << (s.desktop.Messages().empty() ? "no message" : s.desktop.Messages()[0]);
    EXPECT_EQ(s.runtime.ActiveControl(),
              c.backToOrigin ? &s.main.txtOrigin : &s.main.txtDestination);
    EXPECT_EQ(s.main.lblServiceDays.caption().find("32767"), std::string::npos);
    // Never priced, least of all as an intrastate lane; one engine call precedes the guide.
    EXPECT_EQ(s.engine.count("RateShipment"), std::string(c.file) == "state.dat" ? 0 : 1);
  }
}

TEST_F(DamagedDataTest, ABorderFeeThatIsNoAmountIsSaidOnEveryCanadianLaneAndNotCharged) {
  for (const std::string& text :
       std::vector<std::string>{"1e308", "-35.00", "1e999", std::string(400, '9')}) {
    SCOPED_TRACE(text.substr(0, 10));
    WriteText(dir / "bordercrossingfee.dat", text);
    Session& s = Rate("M5V3L9");
    EXPECT_NE(Naming(s, "bordercrossingfee.dat"), "");
    EXPECT_EQ(s.main.lblCrossBorderCharge.caption(), "");
    EXPECT_EQ(s.main.lblTotalCharge.caption(), kTotalWithoutFees);
    // A lane between two US points carries no fee and says nothing of it.
    Session& us = Rate("30303");
    EXPECT_NE(us.main.lblTotalCharge.caption(), "");
    EXPECT_EQ(Naming(us, "bordercrossingfee.dat"), "");
  }
  // Text that is no number is a fee of 0, as the program has always read it.
  WriteText(dir / "bordercrossingfee.dat", "nan");
  Session& s = Rate("M5V3L9");
  EXPECT_NE(s.main.lblTotalCharge.caption(), "");
  EXPECT_TRUE(s.desktop.Messages().empty());
  EXPECT_EQ(s.main.lblCrossBorderCharge.caption(), "0.00 ");
}

// Each reader's own tests go through every kind of damage; here one of each reaches the window.
TEST_F(DamagedDataTest, ADiscountSetValueBeyondItsFieldIsSaidAndLeftEmpty) {
  struct Case {
    const char* key;
    const char* value;
    int field;  // txtDiscount index left empty
  };
  const Case cases[] = {
      {"txtOutboundInterstateDirectLTL", "1e300", 1},
      {"txtOutboundInterstateDirectFloor", "inf", 0},
  };
  const std::string original = base::FileToString(dir / "d00000.ini");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + "=" + c.value);
    std::string text = original;
    const auto at = text.find(std::string(c.key) + "=");
    ASSERT_NE(at, std::string::npos);
    const auto end = text.find_first_of("\r\n", at);
    text.replace(at, end - at, std::string(c.key) + "=" + c.value);
    WriteText(dir / "d00000.ini", text);
    Session& s = Rate("30303");
    const std::string said = Naming(s, "d00000.ini");
    EXPECT_NE(said.find(c.key), std::string::npos) << said;
    EXPECT_EQ(s.main.txtDiscount[c.field].text(), "");
    EXPECT_EQ(s.main.lblNet.caption().find("inf"), std::string::npos);
  }
}

TEST_F(DamagedDataTest, DamagedSpecialPointListsAreSaidAndTheirFeesLeftOff) {
  struct Case {
    const char* what;
    const char* file;
    const char* destination;
    std::string bytes;
  };
  base::ByteRecord california(16);
  california.setInt32(0, 90001);
  california.setInt32(4, 90899);
  california.setFloat64(8, 1e132);
  const Case cases[] = {
      {"California fee of 1e132", "CA_Pnts.dat", "90001",
       std::string(reinterpret_cast<const char*>(california.data()), 16)},
      {"high-cost minimum of 1e308", "HighCost.dat", "99501",
       "99501,99950,Alaska,B,$1e308,$4.75,$450.00\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CopyDemoData();
    WriteText(dir / c.file, c.bytes);
    Session& s = Rate(c.destination);
    EXPECT_NE(Naming(s, c.file), "");
    EXPECT_EQ(s.main.lblCaliforniaSurcharge.caption(), "");
    EXPECT_EQ(s.main.lblHCSAFee.caption(), "");
    EXPECT_EQ(s.main.lblTotalCharge.caption(), kTotalWithoutFees);
  }
}

}  // namespace
}  // namespace tarvex::app
