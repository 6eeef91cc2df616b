#include "pricing/lane_discounts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "pricing/discount_sets.h"
#include "support/program_dir.h"

namespace tarvex::pricing {
namespace {

using Fields = std::array<std::optional<std::string>, 4>;

LaneDiscountInputs Lane(const char* origin, const char* originState, const char* destination,
                        const char* destinationState) {
  LaneDiscountInputs lane;
  lane.originPostalCode = origin;
  lane.destinationPostalCode = destination;
  lane.originState = lane.originStateCaption = originState;
  lane.destinationState = lane.destinationStateCaption = destinationState;
  return lane;
}

class LaneDiscountLookUp : public testing::ProgramDirTest {
 protected:
  void SetUp() override {
    ProgramDirTest::SetUp();
    // A Kansas City customer priced by lane type, discounts on rates. The Interline fields
    // hold other figures: they must never price a lane.
    Put("d64120.ini",
        "[Discounts]\r\ncboKeyZip=64120\r\noptTraditional=True\r\noptState=False\r\n"
        "optRates=True\r\noptCharges=False\r\n"
        "txtOutboundInterstateDirectFloor=85\r\ntxtOutboundInterstateDirectLTL=62.5\r\n"
        "txtOutboundInterstateInterlineFloor=1\r\ntxtOutboundInterstateInterlineLTL=2\r\n"
        "txtOutboundIntrastateDirectFloor=70\r\ntxtOutboundIntrastateDirectLTL=55\r\n"
        "txtInboundInterstateDirectFloor=90\r\ntxtInboundInterstateDirectLTL=60\r\n");
    Put("d00000.ini",
        "[Discounts]\r\noptTraditional=True\r\noptCharges=True\r\n"
        "txtOutboundInterstateDirectFloor=100\r\ntxtOutboundInterstateDirectLTL=50\r\n");
    Put("d07102.ini",
        "[Discounts]\r\noptTraditional=True\r\noptRates=True\r\n"
        "txtInboundInterstateDirectFloor=77.5\r\ntxtInboundInterstateDirectLTL=45\r\n");
    Put("d000000.ini",
        "[Discounts]\r\noptTraditional=True\r\noptCharges=True\r\n"
        "txtOutboundInterstateDirectFloor=110\r\ntxtOutboundInterstateDirectLTL=40\r\n"
        "txtOutboundIntrastateDirectFloor=9\r\ntxtOutboundIntrastateDirectLTL=9\r\n"
        "txtInboundInterstateDirectFloor=115\r\ntxtInboundInterstateDirectLTL=41\r\n");
    Put("d0000.ini",
        "[Discounts]\r\noptTraditional=True\r\noptCharges=True\r\n"
        "txtOutboundInterstateDirectFloor=120\r\ntxtOutboundInterstateDirectLTL=35\r\n"
        "txtOutboundIntrastateDirectFloor=130\r\ntxtOutboundIntrastateDirectLTL=30\r\n"
        "txtOutboundDirectFloorUS=140\r\ntxtOutboundDirectLTLUS=25\r\n"
        "txtOutboundDirectFloorCN=145\r\ntxtOutboundDirectLTLCN=24\r\n"
        "txtOutboundDirectFloorMX=150\r\ntxtOutboundDirectLTLMX=20\r\n"
        "txtOutboundIndirectFloorMX=3\r\ntxtOutboundIndirectLTLMX=4\r\n"
        "txtInboundDirectFloorUS=160\r\ntxtInboundDirectLTLUS=15\r\n"
        "txtInboundDirectFloorMX=170\r\ntxtInboundDirectLTLMX=10\r\n");
    // An Atlanta customer priced by the state at the far end, discounts on charges.
    Put("d30303.ini",
        "[Discounts]\r\noptTraditional=False\r\noptState=True\r\noptRates=False\r\n"
        "optCharges=True\r\n"
        "[MO]\r\nOutboundDirectFloor=95.5\r\nOutboundDirectLTL=48\r\n"
        "OutboundInterlineFloor=1\r\nOutboundInterlineLTL=2\r\n"
        "InboundDirectFloor=99\r\nInboundDirectLTL=47\r\n"
        "InboundInterlineFloor=3\r\nInboundInterlineLTL=4\r\n");
    // A set that never says how it is priced.
    Put("d73301.ini",
        "[Discounts]\r\noptRates=True\r\n[TX]\r\nOutboundDirectFloor=60\r\n"
        "OutboundDirectLTL=30\r\n");
  }

  LaneDiscounts LookUp(const LaneDiscountInputs& lane) const {
    auto result = LookUpLaneDiscounts(base::ProgramDir(dir_), lane);
    EXPECT_TRUE(result.has_value());
    return result.value_or(LaneDiscounts{});
  }
};

TEST_F(LaneDiscountLookUp, PicksTheSetAndFieldsOfEachLane) {
  const std::nullopt_t kept = std::nullopt;
  struct Case {
    const char* what;
    LaneDiscountInputs lane;
    bool inbound;
    bool mexico571;
    const char* setKey;
    Fields fields;
    bool onCharges;
    const char* country;
  } cases[] = {
      // clang-format off
      {"outbound from a customer's ZIP to another state", Lane("64120", "MO", "30301", "GA"),
       false, false, "64120", {"85.00", "62.50", kept, kept}, false, "US"},
      {"outbound within the customer's state", Lane("64120", "MO", "63101", "MO"),
       false, false, "64120", {"70.00", "55.00", kept, kept}, false, "US"},
      {"origin without a set of its own: the default set", Lane("66061", "KS", "30301", "GA"),
       false, false, "00000", {"100.00", "50.00", kept, kept}, true, "US"},
      {"inbound to a ZIP with a leading zero", Lane("64120", "MO", "07102", "NJ"),
       true, false, "07102", {"77.50", "45.00", kept, kept}, false, "US"},
      {"inbound pricing keys on the destination", Lane("07102", "NJ", "64120", "MO"),
       true, false, "64120", {"90.00", "60.00", kept, kept}, false, "US"},
      {"Canadian destination", Lane("64120", "MO", "M5V3L9", "ON"),
       false, false, "000000", {"110.00", "40.00", kept, kept}, true, "CN"},
      {"Canadian origin", Lane("M5V3L9", "ON", "64120", "MO"),
       false, false, "000000", {"110.00", "40.00", kept, kept}, true, "CN"},
      {"US-Mexico without the Mexican portion", Lane("64120", "MO", "44100M", "MX"),
       false, false, "0000", {"120.00", "35.00", kept, kept}, true, "US"},
      {"Canada-Mexico: the Mexican set's intrastate fields", Lane("M5V3L9", "ON", "44100M", "MX"),
       false, false, "0000", {"130.00", "30.00", kept, kept}, true, "CN"},
      {"US-Mexico with the Mexican portion", Lane("64120", "MO", "44100M", "MX"),
       false, true, "0000", {"140.00", "25.00", "150.00", "20.00"}, true, "US"},
      {"Mexico-US inbound with the Mexican portion", Lane("44100M", "MX", "64120", "MO"),
       true, true, "0000", {"160.00", "15.00", "170.00", "10.00"}, true, "US"},
      {"Canada-Mexico with the Mexican portion", Lane("M5V3L9", "ON", "44100M", "MX"),
       false, true, "0000", {"145.00", "24.00", "150.00", "20.00"}, true, "CN"},
      {"state pricing outbound: the destination's state", Lane("30303", "GA", "64120", "MO"),
       false, false, "30303", {"95.50", "48.00", kept, kept}, true, "US"},
      {"state pricing inbound: the origin's state", Lane("64120", "MO", "30303", "GA"),
       true, false, "30303", {"99.00", "47.00", kept, kept}, true, "US"},
      {"state pricing with the Mexican portion leaves fields 2 and 3",
       Lane("30303", "GA", "64120", "MO"),
       false, true, "30303", {"95.50", "48.00", kept, kept}, true, "US"},
      {"no optTraditional: priced by state", Lane("73301", "TX", "75201", "TX"),
       false, false, "73301", {"60.00", "30.00", kept, kept}, false, "US"},
      {"empty destination counts as Canadian", Lane("64120", "MO", "", ""),
       false, false, "000000", {"110.00", "40.00", kept, kept}, true, "CN"},
      {"two empty states compare equal: intrastate", Lane("64120", "", "63101", ""),
       false, false, "64120", {"70.00", "55.00", kept, kept}, false, "US"},
      // clang-format on
  };
  for (auto& c : cases) {
    c.lane.inboundPricing = c.inbound;
    c.lane.mexico571Mode = c.mexico571;
    const auto result = LookUp(c.lane);
    EXPECT_EQ(result.setKey, c.setKey) << c.what;
    EXPECT_EQ(result.txtDiscount, c.fields) << c.what;
    EXPECT_EQ(result.DiscountOnCharges, c.onCharges) << c.what;
    EXPECT_EQ(result.country, c.country) << c.what;
  }
}

TEST_F(LaneDiscountLookUp, EmptyOriginChangesNothing) {
  EXPECT_FALSE(LookUpLaneDiscounts(base::ProgramDir(dir_), Lane("  ", "", "64120", "MO")));
}

TEST_F(LaneDiscountLookUp, MissingSetFilesGiveEmptyFieldsWithoutAMessage) {
  std::filesystem::remove(dir_ / "d000000.ini");
  auto result = LookUp(Lane("64120", "MO", "M5V3L9", "ON"));
  EXPECT_EQ(result.txtDiscount, (Fields{"", "", std::nullopt, std::nullopt}));
  EXPECT_TRUE(result.DiscountOnCharges);
  EXPECT_TRUE(result.pricedByState);  // nothing says "Traditional"
  std::filesystem::remove(dir_ / "d00000.ini");
  result = LookUp(Lane("66061", "KS", "30301", "GA"));
  EXPECT_EQ(result.setKey, "00000");
  EXPECT_EQ(result.txtDiscount, (Fields{"", "", std::nullopt, std::nullopt}));
}

TEST_F(LaneDiscountLookUp, NoCharacterOfAPostalCodeReachesAFileName) {
  Put("d64120.ini", "");
  for (const char* code : {"64120/../../etc/passwd", "../d64120", "64120\\..\\x", "-64120", "1e300",
                           "64120.ini", "999999999999"}) {
    const auto result = LookUp(Lane(code, "MO", "30301", "GA"));
    const std::string name = result.setFile.filename().string();
    EXPECT_EQ(result.setFile.parent_path(), dir_) << code;
    EXPECT_EQ(name.front(), 'd') << code;
    EXPECT_EQ(name.substr(name.size() - 4), ".ini") << code;
    for (char ch : name.substr(1, name.size() - 5)) EXPECT_TRUE(ch >= '0' && ch <= '9') << code;
  }
}

TEST_F(LaneDiscountLookUp, ValuesBeyondWhatTheirFieldsMeanAreSaidAndLeftEmpty) {
  // The floor and LTL in the set, the two fields shown, and what the fault says.
  using Case =
      std::tuple<const char*, const char*, const char*, const char*, std::vector<std::string>>;
  const Case cases[] = {
      {"85", "62.5", "85.00", "62.50", {}},
      {"999999.99", "99.99", "999999.99", "99.99", {}},
      {"85", "100", "85.00", "", {"LTL in [Discounts] holds \"100\""}},
      {"85", "1e300", "85.00", "", {"holds \"1e300\""}},
      {"85", "nan", "85.00", "", {"holds \"nan\""}},
      {"85", "-5", "85.00", "", {"holds \"-5\""}},
      {"1e300", "62.5", "", "62.50", {"Floor in [Discounts] holds"}},
      {"-1", "inf", "", "", {"holds \"-1\"", "holds \"inf\""}},
      {"1000000", "62.5", "", "62.50", {"a floor from 0"}},
  };
  for (const auto& [floor, ltl, shownFloor, shownLtl, said] : cases) {
    Put("d64120.ini", std::string("[Discounts]\r\noptTraditional=True\r\noptState=False\r\n") +
                          "txtOutboundInterstateDirectFloor=" + floor +
                          "\r\ntxtOutboundInterstateDirectLTL=" + ltl + "\r\n");
    const auto result = LookUp(Lane("64120", "MO", "30301", "GA"));
    EXPECT_EQ(result.txtDiscount, (Fields{shownFloor, shownLtl, std::nullopt, std::nullopt}))
        << floor << " " << ltl;
    if (said.empty()) {
      EXPECT_EQ(result.fault, "");
    }
    for (const std::string& part : said) {
      EXPECT_NE(result.fault.find(part), std::string::npos) << result.fault;
      EXPECT_NE(result.fault.find("d64120.ini"), std::string::npos) << result.fault;
    }
  }
  // A state section is judged the same way.
  Put("d30303.ini",
      "[Discounts]\r\noptTraditional=False\r\noptState=True\r\n[MO]\r\n"
      "OutboundDirectFloor=95.5\r\nOutboundDirectLTL=4.8e301\r\n");
  const auto state = LookUp(Lane("30303", "GA", "64120", "MO"));
  EXPECT_EQ(state.txtDiscount[1], "");
  EXPECT_NE(state.fault.find("OutboundDirectLTL in [MO]"), std::string::npos) << state.fault;
}

TEST_F(LaneDiscountLookUp, OptionPairsThatAreNotOneTrueAreSaid) {
  for (const auto& [traditional, state, said] :
       std::vector<std::tuple<const char*, const char*, bool>>{{"True", "False", false},
                                                               {"True", "True", true},
                                                               {"Trve", "False", true},
                                                               {"False", "False", true}}) {
    Put("d64120.ini", std::string("[Discounts]\r\noptTraditional=") + traditional +
                          "\r\noptState=" + state + "\r\n");
    const auto result = LookUp(Lane("64120", "MO", "30301", "GA"));
    EXPECT_EQ(result.fault.find("optTraditional and optState") != std::string::npos, said)
        << traditional << " " << state << ": " << result.fault;
  }
}

TEST(DiscountFieldText, ShowsNumbersWithTwoDecimals) {
  // "62.5" on a comma desktop: the demo sets there.
  const std::tuple<const char*, char, const char*> cases[] = {
      {"85", '.', "85.00"},   {" 62.5 ", '.', "62.50"},
      {"2.345", '.', "2.35"}, {"0", '.', "0.00"},
      {"", '.', ""},          {"  ", '.', ""},
      {"n/a", '.', "n/a"},    {"12,5", ',', "12,50"},
      {"62.5", ',', "62,50"}, {"12,5", '.', "12,5"}};
  for (const auto& [text, separator, shown] : cases)
    EXPECT_EQ(DiscountFieldText(text, separator), shown) << text;
}

// The demo carrier's sets as shipped in the program directory.
TEST(DemoDiscountSets, PriceTheDemoLanes) {
  const base::ProgramDir dir(std::filesystem::path(TARVEX_SOURCE_DIR) / "data/demo/files");
  std::string tag;
  EXPECT_EQ(FillDiscountKeyList(dir, "U", 3, tag).items,
            (std::vector<std::string>{"00000     Traditional     Rates           ",
                                      "07102     Traditional     Charges         ",
                                      "30303     State           Charges         ",
                                      "64108     Traditional     Rates           "}));

  auto lane = Lane("64108", "MO", "30303", "GA");
  auto result = LookUpLaneDiscounts(dir, lane);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->txtDiscount, (Fields{"85.00", "62.50", std::nullopt, std::nullopt}));
  EXPECT_FALSE(result->DiscountOnCharges);

  lane.inboundPricing = true;  // the Atlanta consignee's set, by the origin's state
  result = LookUpLaneDiscounts(dir, lane);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->setKey, "30303");
  EXPECT_EQ(result->txtDiscount, (Fields{"82.50", "62.00", std::nullopt, std::nullopt}));
  EXPECT_TRUE(result->DiscountOnCharges);

  lane.inboundPricing = false;
  lane.mexico571Mode = true;
  lane.destinationPostalCode = "44100M";
  lane.destinationState = lane.destinationStateCaption = "MX";
  result = LookUpLaneDiscounts(dir, lane);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->txtDiscount, (Fields{"110.00", "40.00", "65.00", "25.00"}));
}

}  // namespace
}  // namespace tarvex::pricing
