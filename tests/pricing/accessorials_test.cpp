// Accessorial charges: the six types with their limits, the New York and Canadian rules, the
// window's rows, checks and buttons.
#include "pricing/accessorials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <tuple>

#include "base/files.h"
#include "pricing/frm_accessorial_charges.h"
#include "support/window_test.h"

namespace tarvex::pricing {
namespace {

namespace fs = std::filesystem;

AccessorialRecord Charge(std::string name, std::int16_t type, double rate, double minimum,
                         double maximum, std::string unit = "") {
  return {std::move(name), type, rate, minimum, maximum, std::move(unit)};
}

class AccessorialsTest : public testing::WindowTest {
 protected:
  void File(const std::vector<AccessorialRecord>& records, std::size_t cut = 0) {
    std::string bytes;
    for (const auto& r : records) {
      const base::ByteRecord b = r.ToBytes();
      bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    base::WriteFileAtomic(dir_ / "ACCCHG.DAT", bytes.substr(0, bytes.size() - cut));
  }
  // New York City: ZIPs 10001 to 10292, two Longs.
  void NewYorkCity() {
    base::ByteRecord range(8);
    range.setInt32(0, 10001);
    range.setInt32(4, 10292);
    base::WriteFixedRecord(dir_ / "NYCPts.dat", 8, 1, range);
  }
  AccessorialShipment shipment_{"64120", "30303", 1250, 400};
};

TEST_F(AccessorialsTest, TypesAndLimitsAsTheCarrierPublishesThem) {
  const std::tuple<AccessorialRecord, double, double> cases[] = {
      {Charge("Notify", 3, 25.00, 30.00, 0), 0, 30.00},
      {Charge("Inside", 2, 1.50, 0, 0), 0, 18.75},      // 1,250 lb
      {Charge("Inside", 2, 1.50, 0, 15.00), 0, 15.00},  // held at the maximum
      {Charge("Insurance", 1, 0.5, 0, 0), 10000, 50.00},
      {Charge("Hazardous", 4, 15, 0, 0), 0, 60.00},  // 15 % of a 400.00 net
      {Charge("COD", 5, 0, 0, 0), 42.5, 42.50},
      {Charge("Detention", 6, 90, 0, 0, "Hour"), 2.5, 225.00},
      {Charge("Unknown", 9, 90, 10, 0), 1, 0},
  };
  for (const auto& [record, value, expected] : cases)
    EXPECT_DOUBLE_EQ(AccessorialCharge(record, value, shipment_), expected) << record.name;
  EXPECT_EQ(UnitLabel(Charge("Detention", 6, 90, 0, 0, "Hour")), "$/Hour");
  EXPECT_EQ(InputLabel(Charge("Value", 1, 1, 0, 0)), "$ Value");
}

TEST_F(AccessorialsTest, MissingShortAndTornFilesPriceNothing) {
  EXPECT_TRUE(ReadAccessorials(dir_ / "accchg.dat").empty());
  File({Charge("Liftgate", 3, 95, 0, 0), Charge("Notify", 3, 20, 0, 0)}, 10);
  EXPECT_EQ(ReadAccessorials(programDir_.resolve(kAccessorialFileName)).size(), 1U);
  base::WriteFileAtomic(dir_ / "ACCCHG.DAT", std::string(50, 'x'));
  EXPECT_TRUE(ReadAccessorials(programDir_.resolve(kAccessorialFileName)).empty());
}

TEST(AccessorialFault, NumbersBeyondWhatTheTypeMeansAreDamage) {
  const double nan = std::nan("");
  const double inf = HUGE_VAL;
  // What the fault says, "" for a sound record.
  const std::pair<AccessorialRecord, const char*> cases[] = {
      {Charge("Insurance", 1, 100, 0, 0), ""},
      {Charge("Inside", 2, 9999.99, 999999.99, -999999.99), ""},
      {Charge("Liftgate", 3, 999999.99, 0, 0), ""},
      {Charge("Insurance", 1, 100.5, 0, 0), "rate 100.5"},
      {Charge("Hazardous", 4, -1, 0, 0), "rate -1"},
      {Charge("Inside", 2, 10000, 0, 0), "rate 10000"},
      {Charge("Liftgate", 3, nan, 95, 0), "rate nan"},
      {Charge("Liftgate", 3, 1e300, 95, 0), "rate 1e+300"},
      {Charge("Liftgate", 3, 95, inf, 0), "minimum inf"},
      {Charge("Liftgate", 3, 95, -5, 0), "minimum -5"},
      {Charge("Liftgate", 3, 95, 95, -inf), "maximum -inf"},
      {Charge("Liftgate", 3, 95, 95, 1e6), "maximum 1000000"},
      {Charge("Liftgate", 0, 95, 95, 0), "type 0"},
      {Charge("Liftgate", 7, 95, 95, 0), "type 7"},
  };
  for (const auto& [record, said] : cases) {
    const std::string fault = AccessorialFault(record);
    if (*said == '\0') {
      EXPECT_EQ(fault, "") << record.name;
    } else {
      EXPECT_NE(fault.find(said), std::string::npos) << fault;
      EXPECT_NE(fault.find(record.name), std::string::npos) << fault;
    }
  }
}

// A ticked charge gives way to its New York twin for a New York City destination, Customs
// Clearance counts for a Canadian origin only, and a damaged ticked charge is left out and said.
TEST_F(AccessorialsTest, NewYorkTwinCanadianDepartureAndDamagedCharges) {
  File({Charge("Liftgate", 3, 95, 0, 0), Charge("NYLiftgate", 3, 125, 0, 0),
        Charge("CDSCustoms Clearance", 3, 65, 0, 0), Charge("Notify", 3, 1e132, 0, 0),
        Charge("Inside", 3, 20, 0, 0), Charge("NYInside", 3, std::nan(""), 0, 0)});
  NewYorkCity();
  const AccessorialShipment newYork{"64120", "10001", 500, 0};
  const std::tuple<std::vector<TickedAccessorial>, AccessorialShipment, double, const char*>
      cases[] = {
          {{{1, 0}, {3, 0}}, shipment_, 95, ""},
          {{{1, 0}, {3, 0}}, newYork, 125, ""},
          {{{1, 0}, {3, 0}}, {"M5V3L9", "30303", 500, 0}, 160, ""},
          {{{1, 0}, {4, 0}}, shipment_, 95, "\"Notify\" has the rate 1e+132"},
          {{{1, 0}, {5, 0}}, newYork, 125, "\"NYInside\" has the rate nan"},
          {{{1, 0}, {9, 0}}, shipment_, 95, "the ticked record 9 is no longer in it"},
      };
  for (const auto& [ticked, shipment, total, said] : cases) {
    std::string fault;
    EXPECT_DOUBLE_EQ(TotalAccessorialCharges(programDir_, ticked, shipment, &fault), total);
    if (*said == '\0') {
      EXPECT_EQ(fault, "");
    } else {
      EXPECT_NE(fault.find(said), std::string::npos) << fault;
      EXPECT_NE(fault.find("ACCCHG.DAT"), std::string::npos) << fault;
    }
  }
  // A torn list, and a damaged New York City list, are said whatever is ticked.
  File({Charge("Liftgate", 3, 95, 0, 0), Charge("Notify", 3, 20, 0, 0)}, 10);
  std::string fault;
  EXPECT_DOUBLE_EQ(TotalAccessorialCharges(programDir_, {{1, 0}}, shipment_, &fault), 95);
  EXPECT_NE(fault.find("partial record"), std::string::npos) << fault;
  File({Charge("Liftgate", 3, 95, 0, 0)});
  base::WriteFileAtomic(dir_ / "NYCPts.dat", std::string(12, '\x01'));
  EXPECT_DOUBLE_EQ(TotalAccessorialCharges(programDir_, {{1, 0}}, shipment_, &fault), 95);
  EXPECT_NE(fault.find("NYCPts.dat"), std::string::npos) << fault;
}

class AccessorialWindowTest : public AccessorialsTest {
 protected:
  void Open(const std::function<void(forms::Driver&)>& work) {
    WhileOpen(window_, [&] { work(driver_); });
  }
  frmAccessorialCharges window_{runtime_, programDir_, ""};
};

TEST_F(AccessorialWindowTest, RowsChecksCancelAndReset) {
  File({Charge("Liftgate", 3, 95, 95, 0), Charge("NYLiftgate", 3, 125, 0, 0),
        Charge("Insurance", 1, 0.5, 30, 0), Charge("CDSCustoms Clearance", 3, 65, 0, 0)});
  Open([&](forms::Driver& d) {
    EXPECT_EQ(window_.chkAccessorialCharge[1].caption(), "Liftgate");
    EXPECT_EQ(window_.chkAccessorialCharge[2].caption(), "Insurance");  // the NY twin is unlisted
    EXPECT_EQ(window_.chkAccessorialCharge[2].tag(), "3");
    EXPECT_EQ(window_.chkAccessorialCharge[3].caption(), "Customs Clearance");
    EXPECT_FALSE(window_.chkAccessorialCharge[4].visible());
    EXPECT_EQ(window_.lblAccessorialType[2].caption(), "% of Value");
    EXPECT_TRUE(window_.txtUserInput[2].visible());
    EXPECT_FALSE(window_.txtUserInput[1].visible());
    d.Click(window_.chkAccessorialCharge[2]);
    d.Click(window_.cmdOK);  // a ticked value box must hold a positive value
    EXPECT_EQ(desktop_.Messages(), (std::vector<std::string>{"A Positive Value is Required"}));
    EXPECT_EQ(runtime_.ActiveControl(), &window_.txtUserInput[2]);
    d.Type(window_.txtUserInput[2], "10000");
    d.Click(window_.chkAccessorialCharge[1]);
    d.Click(window_.cmdClose);
  });
  ASSERT_EQ(window_.Ticked().size(), 2U);  // Cancel keeps the ticks in force
  EXPECT_DOUBLE_EQ(TotalAccessorialCharges(programDir_, window_.Ticked(), shipment_), 145);
  Open([&](forms::Driver& d) {
    d.Click(window_.cmdClear);
    EXPECT_TRUE(window_.visible());  // Reset does not close the window
    EXPECT_EQ(window_.txtUserInput[2].text(), "");
    d.Click(window_.cmdOK);
  });
  EXPECT_TRUE(window_.Ticked().empty());
}

TEST_F(AccessorialWindowTest, AChargePerUnitWithABlankUnitCanStillBePriced) {
  File({Charge("Pallets", 6, 12.5, 0, 0, "")});
  Open([&](forms::Driver& d) {
    ASSERT_TRUE(window_.txtUserInput[1].visible());
    d.Click(window_.chkAccessorialCharge[1]);
    d.Type(window_.txtUserInput[1], "4");
    d.Click(window_.cmdOK);
  });
  EXPECT_DOUBLE_EQ(TotalAccessorialCharges(programDir_, window_.Ticked(), shipment_), 50);
}

TEST_F(AccessorialWindowTest, MoreThanFifteenChargesAreSaidOnce) {
  std::vector<AccessorialRecord> many;
  for (int i = 0; i < 17; ++i) many.push_back(Charge("Charge " + std::to_string(i), 3, 10, 0, 0));
  File(many);
  Open([&](forms::Driver& d) { d.Click(window_.cmdClose); });
  Open([&](forms::Driver& d) { d.Click(window_.cmdClose); });
  EXPECT_EQ(desktop_.Messages().size(), 1U);
  EXPECT_EQ(window_.chkAccessorialCharge[15].caption(), "Charge 14");
}

TEST_F(AccessorialWindowTest, DamagedChargesAreNotOfferedAndSaidByName) {
  File({Charge("Liftgate", 3, 95, 95, 0), Charge("Inside", 2, HUGE_VAL, 0, 0),
        Charge("Notify", 3, 18, 18, 0)});
  Open([&](forms::Driver& d) { d.Click(window_.cmdClose); });
  ASSERT_EQ(desktop_.Messages().size(), 1U);
  EXPECT_NE(desktop_.Messages()[0].find("ACCCHG.DAT"), std::string::npos);
  EXPECT_NE(desktop_.Messages()[0].find("\"Inside\" has the rate inf"), std::string::npos);
  EXPECT_EQ(window_.chkAccessorialCharge[1].caption(), "Liftgate");
  EXPECT_EQ(window_.chkAccessorialCharge[2].caption(), "Notify");
  EXPECT_EQ(window_.chkAccessorialCharge[2].tag(), "3");
  EXPECT_FALSE(window_.chkAccessorialCharge[3].visible());
}

TEST_F(AccessorialWindowTest, RulesTariffOpensTheCarriersPage) {
  File({});
  Put("webhost.dat", "www.carrier.example\r\n");
  Open([&](forms::Driver& d) {
    d.Click(window_.cmdViewKRVLRulesTariff);
    desktop_.canOpen = false;
    d.Click(window_.cmdViewKRVLRulesTariff);
    d.Click(window_.cmdClose);
  });
  EXPECT_EQ(desktop_.opened.front(), "http://www.carrier.example/shipping/rules/index.aspx");
  EXPECT_EQ(desktop_.Messages(), (std::vector<std::string>{"Unable to find an Internet Browser"}));
}

}  // namespace
}  // namespace tarvex::pricing
