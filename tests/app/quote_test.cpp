// The quote window headless on the demo carrier's data, with a scripted engine.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "app_session.h"
#include "base/number_format.h"
#include "geo/city_lookup.h"
#include "geo/special_points.h"
#include "pricing/frm_fak.h"

namespace tarvex::app {
namespace {

using engine::EngineRecord;

class QuoteTest : public ProgramDirTest {
 protected:
  void SetUp() override {
    CopyDemoData();
    WriteText(dir / "CustomerServiceMsg.dat", "Please call customer service.");
    WriteText(dir / "InternationalCustomerServiceMsg.dat", "Please call international service.");
    settings = DemoSettings();
    settings.PromptAccessorials = 0;
  }
  Session& Quote(char separator = '.') {
    Session& s = StartQuoting(settings, separator);
    // Miles and the lane check answer by default; each test adds what it needs.
    s.engine.SetDefaultRating([](EngineRecord& r) {
      r.setText(engine::H2, "");
      r.setText(engine::H13, r.trimmed(engine::H4) == "MILE0001" ? "812" : "1234");
    });
    return s;
  }
  // Starts quoting and types a lane from Kansas City.
  Session& QuoteLane(const std::string& destination, char separator = '.') {
    Session& s = Quote(separator);
    s.Lane("64120", destination);
    return s;
  }
  // One line of class 100, 300 lb on a lane from Kansas City, rated as `Rated` answers.
  Session& QuoteLine(const std::string& destination = "30303") {
    Session& s = QuoteLane(destination);
    s.engine.SetDefaultRating(Rated);
    s.RateLine(0, "100", "300");
    return s;
  }
  pricing::SettingsRecord settings;
};

TEST_F(QuoteTest, LaneCheckShowsStatesTerminalsMilesAndRbn) {
  Session& s = QuoteLane("30303");
  EXPECT_TRUE(s.desktop.Messages().empty()) << s.desktop.Messages()[0];
  EXPECT_EQ(s.main.lblOriginState.caption(), "MO");
  EXPECT_EQ(s.main.lblDestinationState.caption(), "GA");
  EXPECT_FALSE(s.main.lblOriginTerminal.caption().empty());
  EXPECT_FALSE(s.main.lblServiceDays.caption().empty());
  EXPECT_EQ(s.main.lblMiles.caption(), "Miles = 812");
  EXPECT_EQ(s.main.lblRBN.caption(), "RBN = 1234");
  EXPECT_EQ(s.program.engineRecord.trimmed(engine::H7), "64120");
  EXPECT_EQ(s.program.engineRecord.trimmed(engine::H9), "30303");
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.cboClass[0]);
  EXPECT_EQ(s.main.cboClass[0].text(), "50");  // the demo's default class
}

TEST_F(QuoteTest, InvalidOriginSendsTheUserBackAndTheDestinationStepOnlyResetsTheFlag) {
  Session& s = Quote();
  s.driver.Type(s.main.txtOrigin, "6412");
  s.driver.Tab();
  EXPECT_EQ(s.desktop.Messages(), (std::vector<std::string>{"Invalid ZIP/Postal Code"}));
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtOrigin);
  // The bounce through the destination consumed the flag without a check.
  EXPECT_EQ(s.program.ratingState, "Y");
  EXPECT_EQ(s.engine.count("RateShipment"), 0);
}

TEST_F(QuoteTest, InvalidDestinationStaysInTheDestination) {
  Session& s = QuoteLane("3030");
  EXPECT_EQ(s.desktop.Messages(), (std::vector<std::string>{"Invalid ZIP/Postal Code"}));
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtDestination);
  EXPECT_EQ(s.program.ratingState, "Y");
}

TEST_F(QuoteTest, ThreeDigitCodesAreExtendedForTheEngine) {
  for (const bool on : {true, false}) {
    settings.ThreeDigitCodes = on ? 1 : 0;
    Session& s = Quote();
    s.driver.Type(s.main.txtOrigin, "303");
    s.driver.Tab();
    EXPECT_EQ(s.program.engineRecord.trimmed(engine::H7), on ? "30301" : "303");
  }
}

TEST_F(QuoteTest, MexicanOriginShowsMxAndTheDensityCalculator) {
  Session& s = Quote();
  s.Lane("12345M", "64120");
  EXPECT_EQ(s.main.lblOriginState.caption(), "MX");
  EXPECT_TRUE(s.main.cmdDensityClassCalculator.visible());
}

TEST_F(QuoteTest, LockedOriginTakesItsDefaultAndOnlyEnter) {
  settings.OriginLocked = 1;
  settings.DefaultOrigin = "64120";
  Session& s = Quote();
  s.driver.Focus(s.main.txtDestination);
  s.driver.Focus(s.main.txtOrigin);
  EXPECT_EQ(s.main.txtOrigin.text(), "64120");
  s.driver.Type(s.main.txtOrigin, "9");
  EXPECT_EQ(s.main.txtOrigin.text(), "64120");
  s.driver.PressEnter(s.main.txtOrigin);
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtDestination);
}

TEST_F(QuoteTest, EngineRefusalShowsTheCustomerServiceMessage) {
  Session& s = Quote();
  s.engine.SetDefaultRating([](EngineRecord& r) {
    r.setText(engine::H2, r.trimmed(engine::H4) == "MILE0001" ? "" : "216");
    r.setText(engine::H13, "812");
  });
  s.Lane("64120", "30303");
  EXPECT_EQ(s.desktop.Messages(), (std::vector<std::string>{"Please call customer service."}));
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtOrigin);
  EXPECT_EQ(s.main.lblRBN.caption(), "");
}

TEST_F(QuoteTest, SingleShipmentQuestionWhenAnEntryOnlyAppliesToSingleShipments) {
  // The single-shipment entry may stand anywhere in the table, the first place included.
  struct Case {
    const char* t1;
    std::int32_t firstAmount;
    std::int32_t secondAmount;
    bool asked;
  };
  for (const Case c : {Case{"10", 0, 4500, true}, Case{"11", 0, 4500, false},
                       Case{"01", 4500, 0, true}, Case{"01", 0, 4500, false}}) {
    Session& s = Quote();
    s.engine.SetDefaultRating([c](EngineRecord& r) {
      r.setText(engine::H2, "");
      r.setText(engine::H13, "1234");
      r.setValue(engine::T6, 2);
      r.setText(engine::T1, c.t1);
      r.setValue(engine::T4, 0, c.firstAmount);
      r.setValue(engine::T4, 1, c.secondAmount);
    });
    s.desktop.modalScripts["frmSingleshipment"] = [&s](forms::Form& form) {
      s.runtime.KeyOnForm(form, 'y');
    };
    s.Lane("64120", "30303");
    SCOPED_TRACE(std::string(c.t1) + " " + std::to_string(c.firstAmount));
    EXPECT_EQ(s.program.engineRecord.text(engine::H23), c.asked ? "Y" : "N");
    EXPECT_EQ(s.engine.count("RateShipment"), c.asked ? 3 : 2);  // miles, lane, once more
  }
}

TEST_F(QuoteTest, PointOutsideTheServiceGuideIsRefusedWithTheCustomerServiceMessage) {
  // A guide whose one range serves Kansas City only.
  const base::ByteRecord range =
      geo::ServiceZipRange{1, "64000", "64999", 1, "D", "D", 0, 0}.ToBytes();
  WriteText(dir / "ServZipsA.dat",
            std::string(reinterpret_cast<const char*>(range.data()), range.size()));
  Session& s = QuoteLane("30303");
  EXPECT_EQ(s.main.lblServiceType.caption(), "None");
  EXPECT_EQ(s.desktop.Messages(), (std::vector<std::string>{"Please call customer service."}));
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtOrigin);
}

TEST_F(QuoteTest, InterlineCanadianPointGetsTheInternationalMessage) {
  Session& s = QuoteLane("A0A1A0");
  ASSERT_FALSE(s.desktop.Messages().empty());
  EXPECT_EQ(s.desktop.Messages().back(), "Please call international service.");
  EXPECT_EQ(s.main.txtDestination.text(), "");
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtDestination);
}

// The tariff list's own test answers No as well.
TEST_F(QuoteTest, IntrastateTariffAnsweredYesShowsItsCaption) {
  Session& s = Quote();
  s.desktop.answers = {true};
  s.Lane("75201", "77002");
  ASSERT_FALSE(s.desktop.shown.empty());
  EXPECT_EQ(s.desktop.shown[0].text, "Use Texas Intrastate Tariff?");
  EXPECT_EQ(s.main.lblIntrastateTariff.caption(), "Texas Intrastate Tariff");
  EXPECT_EQ(s.program.engineRecord.trimmed(engine::H4), "KRTX2026");
}

TEST_F(QuoteTest, CombinationOutsideTheServedRangesIsRefused) {
  WriteText(dir / "zipval.dat", "005999005999");
  Session& s = QuoteLane("M5V3L9");
  EXPECT_EQ(s.desktop.Messages(),
            (std::vector<std::string>{"Invalid ZIP/Postal Code Combination"}));
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtOrigin);
}

TEST_F(QuoteTest, FilledLinesBecomeConsecutiveEngineLines) {
  settings.FakOn = 0;
  Session& s = QuoteLane("30303");
  s.engine.SetDefaultRating(Rated);
  for (const int line : {0, 2, 5}) {
    s.main.cboClass[line].setText(line == 2 ? "92.5" : "100");
    s.driver.Focus(s.main.cboClass[line]);
    s.driver.Type(s.main.txtWeight[line], "500");
    s.driver.Focus(s.main.cboClass[line + 1]);
  }
  const EngineRecord r = s.engine.lastRated();
  EXPECT_EQ(r.trimmed(engine::H11), "03");
  EXPECT_EQ(r.line(2).trimmed(engine::L2), "92");
  EXPECT_EQ(r.line(3).trimmed(engine::L3), "500");
  for (const int line : {0, 2, 5}) EXPECT_EQ(s.main.lblCharge[line].caption(), "100.00 ");
  EXPECT_EQ(s.main.lblCharge[1].caption(), "");
  EXPECT_EQ(s.main.lblUndiscountedCharge.caption(), "300.00 ");
  EXPECT_TRUE(s.main.lblTotalChargeLabel.visible());
}

TEST_F(QuoteTest, InvalidClassAndWeightLimit) {
  settings.MaxTotalWeight = 20000;
  Session& s = QuoteLane("30303");
  s.main.cboClass[0].setText("90");
  s.driver.Tab();
  EXPECT_EQ(s.desktop.Messages(), (std::vector<std::string>{"Invalid Class"}));
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.cboClass[0]);
  s.desktop.shown.clear();
  s.main.cboClass[0].setText("85");
  s.engine.SetDefaultRating([](EngineRecord& r) {
    Rated(r);
    r.setText(engine::H14, "20001");
  });
  s.driver.Tab();
  s.driver.Type(s.main.txtWeight[0], "20001");
  s.driver.Tab();
  EXPECT_EQ(s.desktop.Messages(),
            (std::vector<std::string>{"Total weight may not exceed 20000 lbs."}));
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtWeight[0]);
}

TEST_F(QuoteTest, MinimumChargeComposition) {
  settings.FakOn = 0;
  settings.UseFloorTables = 0;
  Session& s = QuoteLane("30303");
  s.engine.SetDefaultRating([](EngineRecord& r) {
    Rated(r);
    r.setText(engine::H20, "95.00");
    r.setText(engine::H16, "110.00");
    r.setText(engine::H36, "20.00");
  });
  s.RateLine(0, "100", "300");
  EXPECT_EQ(s.main.lblUndiscountedChargeLabel.caption(), "Minimum Charge");
  EXPECT_EQ(s.main.lblUndiscountedCharge.caption(), "130.00 ");
  EXPECT_EQ(s.main.lblDiscount.caption(), "20.00 ");
  EXPECT_EQ(s.main.lblNet.caption(), "110.00 ");
  EXPECT_FALSE(s.main.lblCharge[0].visible());
}

TEST_F(QuoteTest, EngineDiscountFieldsFromTheLtlBox) {
  settings.EngineDiscountMode = 3;
  settings.EngineDiscountSuppressed = 0;
  Session& s = Quote();
  s.main.txtDiscount[1].setText("65");
  const EngineRecord& r = s.program.engineRecord;
  EXPECT_EQ(r.text(engine::H26), "Y");
  EXPECT_EQ(r.discount(1).trimmed(engine::D2, 0), "6500");  // as typed, before any rating
}

TEST_F(QuoteTest, DiscountOfOneHundredIsRefusedButAFloorIsNot) {
  Session& s = Quote();
  s.main.txtDiscount[0].setText("150");
  s.main.txtDiscount[1].setText("100");
  EXPECT_EQ(s.desktop.Messages(), (std::vector<std::string>{"Invalid Discount"}));
  EXPECT_EQ(s.main.txtDiscount[1].text(), "");
  EXPECT_EQ(s.main.txtDiscount[0].text(), "150");
  EXPECT_EQ(s.engine.count("RateShipment"), 0);  // no quote on the screen: nothing re-rated
}

TEST_F(QuoteTest, FuelSurchargeMinimumCanadianTotalAndItsPricePerUnit) {
  settings.PricePerUnitOn = 1;
  settings.PromptPricePerUnit = 1;
  settings.FakOn = 0;
  settings.UseFloorTables = 0;
  settings.FuelSurchargeLTL = 1.0;
  settings.CanadianExchangeFactor = 40;
  Session& s = QuoteLane("M5V3L9");
  s.engine.SetDefaultRating([](EngineRecord& r) {
    Rated(r);
    r.setText(engine::H20, "125.00");
  });
  s.RateLine(0, "100", "300");
  EXPECT_EQ(s.main.lblFuelSurcharge.caption(), "2.00 ");  // 1.25 is raised to the minimum
  EXPECT_EQ(s.main.lblCrossBorderCharge.caption(), "35.00 ");
  EXPECT_EQ(s.main.lblTotalCharge.caption(), "162.00 ");
  EXPECT_EQ(s.main.lblTotalChargeLabel.caption(), "Total US Charge");
  EXPECT_EQ(s.main.lblCanCurrencyExchange.caption(), "64.80 ");
  EXPECT_EQ(s.main.lblTotalCanCharge.caption(), "226.80 ");
  EXPECT_TRUE(s.main.lblSufferanceFeeMessage.visible());  // Ontario
  s.driver.Replace(s.main.txtPPU, "4");
  EXPECT_EQ(s.main.lblPPU.caption(), "56.70 ");
  // An edited destination takes the quote away, and its price per unit with it.
  s.driver.Press(s.main.txtDestination, forms::keys::Backspace);
  ASSERT_EQ(s.main.txtDestination.text(), "");
  EXPECT_EQ(s.main.lblTotalCanCharge.caption(), "");
  EXPECT_THAT(s.main.lblPPU.caption(), ::testing::AnyOf("", "0.00 "));
}

TEST_F(QuoteTest, FakWindowRefreshesTheLabelsAndRatesAgain) {
  settings.FakOn = 1;
  Session& s = QuoteLine();
  EXPECT_EQ(s.main.lblFAK[0].caption(), "100");
  s.desktop.modalScripts["frmFAK"] = [&s](forms::Form& form) {
    auto& fak = static_cast<pricing::frmFAK&>(form);
    s.driver.Replace(fak.cboClass[8], "85");
    s.driver.Click(fak.cmdSaveFAK);
  };
  const int before = s.engine.count("RateShipment");
  s.driver.Click(s.main.mnuEditFAK);
  EXPECT_EQ(s.main.lblFAK[0].caption(), "85");
  EXPECT_EQ(s.engine.count("RateShipment"), before + 1);
  EXPECT_EQ(s.engine.lastRated().line(1).trimmed(engine::L2), "85");
  EXPECT_EQ(s.program.ratingState, "Y");
}

TEST_F(QuoteTest, PrintingAQuoteSaysSoAndACancelSaysNothing) {
  Session& s = QuoteLane("30303");
  s.driver.Click(s.main.cmdPrint);
  ASSERT_EQ(s.desktop.printed.size(), 1U);
  EXPECT_EQ(s.desktop.printed[0].pages[0].lines[0].text, s.main.caption());
  EXPECT_EQ(s.desktop.Messages(), (std::vector<std::string>{"Information Printed"}));
  s.desktop.printResult = forms::PrintResult::Cancelled;
  s.driver.Click(s.main.mnuFilePrint);
  EXPECT_EQ(s.desktop.Messages().size(), 1U);
}

TEST_F(QuoteTest, CityLookUpPutsThePickedCodeIntoTheOriginAndMovesOn) {
  settings.CityLookupOn = 1;
  Session& s = Quote();
  std::string second;
  s.desktop.modalScripts["frmZipLU"] = [&](forms::Form& form) {
    auto& window = static_cast<geo::frmZipLU&>(form);
    s.driver.Type(window.txtCity, "sav");
    s.driver.Tab();
    ASSERT_GE(window.lstCity.listCount(), 3);
    second = window.lstZip.items()[1];
    s.driver.Select(window.lstCity, 1);
    s.driver.Press(window.lstCity, forms::keys::Enter);
  };
  ASSERT_TRUE(s.main.mnuCityLookup.enabled());
  s.driver.Click(s.main.mnuCityLookup);
  EXPECT_EQ(s.main.txtOrigin.text(), second);
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtDestination);
  EXPECT_FALSE(s.main.lblOriginState.caption().empty());
  EXPECT_TRUE(s.desktop.Messages().empty());
}

TEST_F(QuoteTest, HighCostAreaAndCaliforniaRowsFromTheDemoLists) {
  settings.UseFloorTables = 0;
  Session& s = QuoteLine("33040");  // the Florida Keys
  const double fee = geo::GetHighCostFee(base::ProgramDir(dir), "64120", "33040", 1500).amount;
  ASSERT_GT(fee, 0);
  EXPECT_EQ(s.main.lblHCSAFee.caption(), base::FormatMask(fee, "0.00 "));
  EXPECT_TRUE(s.main.lblHCSAFeeLabel.visible());
  EXPECT_FALSE(s.main.lblCaliforniaSurchargeLabel.visible());
  Session& ca = QuoteLine("90210");
  EXPECT_EQ(ca.main.lblCaliforniaSurcharge.caption(), "12.50 ");
  EXPECT_TRUE(ca.main.lblCaliforniaSurchargeLabel.visible());
  // The rows close up below the fuel surcharge: accessorials, then California, then the total.
  EXPECT_EQ(ca.main.lblCaliforniaSurchargeLabel.top(),
            ca.main.lblAccessorialChargeLabel.top() + 240);
  EXPECT_EQ(ca.main.lblTotalChargeLabel.top(), ca.main.lblCaliforniaSurchargeLabel.top() + 240);
}

TEST_F(QuoteTest, MexicanLaneInMexicoModeIsRatedTwiceWithBothPanels) {
  settings.VersionText = "Version 4.2.571.3";
  settings.UseFloorTables = 0;
  Session& s = QuoteLane("06600M");
  ASSERT_TRUE(s.program.Mexico571Mode);
  std::vector<std::string> portions;
  s.engine.SetDefaultRating([&portions](EngineRecord& r) {
    portions.push_back(r.text(engine::H3));
    Rated(r);
    r.setText(engine::H20, portions.size() == 1 ? "300.00" : "200.00");
  });
  s.main.txtDiscount[3].setText("10");
  s.RateLine(0, "92.5", "300");
  EXPECT_EQ(portions, (std::vector<std::string>{"   P", "   S"}));
  EXPECT_EQ(s.engine.lastRated().line(1).trimmed(engine::L2), "92");  // "92.5" cut for the MX part
  EXPECT_EQ(s.main.lblNet.caption(), "300.00 ");
  EXPECT_EQ(s.main.lblNetMX.caption(), "200.00 ");
  EXPECT_TRUE(s.main.lblNetMXLabel.visible());
  EXPECT_EQ(s.main.lblNetMXLabel.caption(), "Net Charge (MX)");
  EXPECT_EQ(s.main.lblNetLabel.caption(), "Net Charge (US)");
  EXPECT_EQ(s.program.engineRecord.text(engine::H3), "   S");
  EXPECT_TRUE(s.main.fraDiscountMX.visible());
  EXPECT_EQ(s.main.lblUndiscountedChargeLabel.top(), 4860);
}

TEST_F(QuoteTest, FakClassesStayUnsubstitutedOnAMexicanLaneOutsideMexicoMode) {
  settings.VersionText = "Version 4.2.100.3";
  settings.FakOn = 1;
  Session& s = Quote();
  ASSERT_EQ(s.program.fak.FakInEffect, 'Y');  // the demo table rates class 50 as 65
  for (const char* destination : {"30303", "06600M"}) {
    s.driver.Click(s.main.cmdNewShipment);
    s.Lane("64120", destination);
    s.engine.SetDefaultRating(Rated);
    s.RateLine(0, "50", "300");
    EXPECT_EQ(s.engine.lastRated().line(1).trimmed(engine::L2),
              std::string(destination) == "30303" ? "65" : "50")
        << destination;
  }
}

TEST_F(QuoteTest, LeavingTheLastWeightForNewShipmentRatesButPrintDoesNot) {
  Session& s = QuoteLane("30303");
  s.engine.SetDefaultRating(Rated);
  s.driver.Replace(s.main.cboClass[7], "100");
  s.driver.Type(s.main.txtWeight[7], "500");
  int before = s.engine.count("RateShipment");
  s.driver.Focus(s.main.cmdNewShipment);
  EXPECT_EQ(s.engine.count("RateShipment"), before + 1);
  s.driver.Replace(s.main.cboClass[6], "100");
  s.driver.Type(s.main.txtWeight[6], "500");
  before = s.engine.count("RateShipment");
  s.driver.Click(s.main.cmdPrint);
  EXPECT_EQ(s.engine.count("RateShipment"), before);
}

TEST_F(QuoteTest, EngineRefusalOfARatingLeavesThePreviousResults) {
  Session& s = QuoteLine();
  ASSERT_EQ(s.main.lblCharge[0].caption(), "100.00 ");
  s.engine.SetDefaultRating(testing::ScriptedEngine::Refuse(" 222"));
  s.driver.Replace(s.main.txtWeight[0], "60000");
  s.driver.Tab();
  EXPECT_EQ(s.desktop.Messages(), (std::vector<std::string>{"Please call customer service."}));
  EXPECT_EQ(s.main.lblCharge[0].caption(), "100.00 ");
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtOrigin);
}

TEST_F(QuoteTest, DiscountOnChargesShowsItsPercentageAndTheFloorHoldsTheNet) {
  settings.UseFloorTables = 0;
  settings.EngineDiscountMode = 3;
  settings.EngineDiscountSuppressed = 0;
  Session& s = QuoteLane("30303");
  s.program.settings.DiscountOnCharges = 1;  // as a set pricing on charges leaves it
  // The engine discounts the 300.00 of charges by the 65 % it is sent: 195.00 off.
  s.engine.SetDefaultRating([](EngineRecord& r) {
    Rated(r);
    r.setText(engine::H16, "50.00");
    r.setText(engine::H20, "105.00");
    r.setText(engine::H35, "195.00");
  });
  s.main.txtDiscount[1].setText("65");
  s.RateLine(0, "100", "300");
  EXPECT_EQ(s.engine.lastRated().text(engine::H33), "C");
  EXPECT_EQ(s.main.lblUndiscountedChargeLabel.caption(), "Undiscounted Charge");
  EXPECT_EQ(s.main.lblUndiscountedCharge.caption(), "300.00 ");
  EXPECT_EQ(s.main.lblDiscountLabel.caption(), "65.00% Discount");
  EXPECT_EQ(s.main.lblNet.caption(), "105.00 ");
  EXPECT_EQ(s.main.lblNetLabel.caption(), "Net Charge");
  // A customer floor above the net holds it.
  s.main.txtDiscount[0].setText("150");
  EXPECT_EQ(s.main.lblNet.caption(), "150.00 ");
  EXPECT_EQ(s.main.lblNetLabel.caption(), "MC Floor");
}

TEST_F(QuoteTest, NewShipmentEmptiesEverythingAndStartsAtTheOrigin) {
  Session& s = QuoteLane("30303");
  s.main.txtDiscount[1].setText("50");
  s.driver.Click(s.main.cmdNewShipment);
  EXPECT_EQ(s.main.txtOrigin.text(), "");
  EXPECT_EQ(s.main.txtDestination.text(), "");
  EXPECT_EQ(s.main.txtDiscount[1].text(), "");
  EXPECT_EQ(s.main.lblRBN.caption(), "");
  EXPECT_EQ(s.program.engineRecord.trimmed(engine::H7), "");
  EXPECT_EQ(s.main.optApplyOutboundPricing.value(), 1);
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtOrigin);
}

// The portion ratings of a Mexican lane: each records the classes it was sent and answers
// with its own net.
struct Portions {
  std::vector<std::string> classesOfS;
  testing::ScriptedEngine::RatingReply Reply(const std::string& netP, const std::string& netS) {
    return [this, netP, netS](EngineRecord& r) {
      Rated(r);
      const bool second = r.trimmed(engine::H3) == "S";
      if (second)
        for (int n = 1; n <= base::Val(r.trimmed(engine::H11)); ++n)
          classesOfS.push_back(r.line(n).trimmed(engine::L2));
      r.setText(engine::H20, second ? netS : netP);
    };
  }
};

TEST_F(QuoteTest, MexicanPortionRatesTheClassesOfThePackedLines) {
  settings.VersionText = "Version 4.2.571.3";
  settings.UseFloorTables = 0;
  settings.FakOn = 0;
  Session& s = QuoteLane("06600M");
  Portions portions;
  s.engine.SetDefaultRating(portions.Reply("300.00", "200.00"));
  // Line 1 has a class and no weight: the first rating packs lines 0 and 2 together.
  for (const auto& [line, cls, weight] :
       {std::tuple{0, "100", "1200"}, std::tuple{1, "50", ""}, std::tuple{2, "300", "500"}}) {
    s.driver.Replace(s.main.cboClass[line], cls);
    s.driver.Replace(s.main.txtWeight[line], weight);
    s.driver.Tab();
  }
  ASSERT_GE(portions.classesOfS.size(), 2U);
  const std::vector<std::string> last(portions.classesOfS.end() - 2, portions.classesOfS.end());
  EXPECT_EQ(last, (std::vector<std::string>{"100", "300"}));
}

TEST_F(QuoteTest, MexicanPanelKeepsItsCentsWithTheDecimalComma) {
  settings.VersionText = "Version 4.2.571.3";
  settings.UseFloorTables = 0;
  Session& s = QuoteLane("06600M", ',');
  Portions portions;
  s.engine.SetDefaultRating(portions.Reply("300.40", "541.60"));
  s.RateLine(0, "100", "300");
  EXPECT_EQ(s.main.lblNet.caption(), "300,40 ");
  EXPECT_EQ(s.main.lblNetMX.caption(), "541,60 ");
}

TEST_F(QuoteTest, NoLineLeftClearsTheTotals) {
  Session& s = QuoteLine();
  ASSERT_TRUE(s.main.lblTotalChargeLabel.visible());
  const int ratings = s.engine.count("RateShipment");
  // The only class box emptied: nothing is left to rate, and nothing may stay printable.
  s.driver.Replace(s.main.cboClass[0], "");
  s.driver.Press(s.main.cboClass[0], forms::keys::Backspace);
  s.driver.Tab();
  EXPECT_EQ(s.engine.count("RateShipment"), ratings);
  EXPECT_EQ(s.main.lblTotalCharge.caption(), "");
  EXPECT_FALSE(s.main.lblTotalChargeLabel.visible());
  EXPECT_EQ(s.main.lblNet.caption(), "");
}

TEST_F(QuoteTest, AfterNewShipmentAWeightUnderAnEmptyClassRatesNothing) {
  settings.DefaultClass = "";
  Session& s = Quote();
  s.driver.Click(s.main.cmdNewShipment);
  s.Lane("64120", "30303");
  s.engine.SetDefaultRating(Rated);
  const int ratings = s.engine.count("RateShipment");
  s.driver.Type(s.main.txtWeight[1], "800");
  s.driver.Tab();
  EXPECT_EQ(s.engine.count("RateShipment"), ratings);
  EXPECT_EQ(s.main.lblTotalCharge.caption(), "");
}

TEST_F(QuoteTest, AnOriginLeftForAButtonIsCheckedWithTheDestination) {
  Session& s = QuoteLane("30303");
  ASSERT_TRUE(s.desktop.Messages().empty());
  s.driver.Replace(s.main.txtOrigin, "9");
  s.driver.Focus(s.main.cmdClose);  // a button: the origin goes unchecked
  EXPECT_TRUE(s.desktop.Messages().empty());
  s.driver.Focus(s.main.txtDestination);
  s.driver.Tab();
  EXPECT_EQ(s.desktop.Messages(), (std::vector<std::string>{"Invalid ZIP/Postal Code"}));
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtOrigin);
  EXPECT_EQ(s.main.lblRBN.caption(), "");
}

TEST_F(QuoteTest, ARefusedLaneLeavesNothingOfTheLaneBeforeIt) {
  Session& s = QuoteLine();
  ASSERT_EQ(s.main.lblDestinationState.caption(), "GA");
  s.driver.Replace(s.main.txtDestination, "A0A");  // not a code
  s.driver.Tab();
  EXPECT_EQ(s.desktop.Messages(), (std::vector<std::string>{"Invalid ZIP/Postal Code"}));
  for (const forms::Label* l : {&s.main.lblDestinationState, &s.main.lblDestinationTerminal,
                                &s.main.lblMiles, &s.main.lblRBN, &s.main.lblTotalCharge})
    EXPECT_EQ(l->caption(), "") << l->name();
  EXPECT_FALSE(s.main.lblTotalChargeLabel.visible());
}

TEST_F(QuoteTest, EditsOtherThanTypingPassTheKeyRules) {
  settings.ClassLocked = 1;
  settings.WeightLocked = 0;
  Session& s = QuoteLane("30303");
  s.engine.SetDefaultRating(Rated);
  const std::string lockedClass = s.main.cboClass[0].text();
  // A paste over a locked class is refused as typing it is.
  s.runtime.UserEdit(s.main.cboClass[0], "300");
  EXPECT_EQ(s.main.cboClass[0].text(), lockedClass);
  s.driver.Focus(s.main.txtWeight[0]);
  // A pasted number too large for the box keeps what the key filter lets through.
  s.runtime.UserEdit(s.main.txtWeight[0], "1e20");
  EXPECT_EQ(s.main.txtWeight[0].text(), "120");
  s.runtime.UserEdit(s.main.txtWeight[0], "12345678");
  EXPECT_EQ(s.main.txtWeight[0].text(), "12345");
  s.runtime.UserEdit(s.main.txtWeight[0], "123");  // a cut of the end
  EXPECT_EQ(s.main.txtWeight[0].text(), "123");
  s.program.settings.WeightLocked = 1;
  s.runtime.UserEdit(s.main.txtWeight[0], "");
  EXPECT_EQ(s.main.txtWeight[0].text(), "123");
}

TEST_F(QuoteTest, PickingAClassFromTheListThenTypingReplacesIt) {
  Session& s = QuoteLane("30303");
  const int item55 = 1;
  ASSERT_EQ(s.main.cboClass[0].items()[item55], "55");
  for (int round = 0; round < 2; ++round) {  // the same item picked again after typing
    s.driver.Select(s.main.cboClass[0], item55);
    EXPECT_EQ(s.main.cboClass[0].text(), "55");
    s.runtime.KeyPress(s.main.cboClass[0], '7');
    EXPECT_EQ(s.main.cboClass[0].text(), "7");
  }
}

TEST_F(QuoteTest, DoubleClickingATerminalOrServiceLabelOpensTheTerminalWindow) {
  Session& s = Quote();
  // Even before a lane is accepted, when the menu entry is still disabled.
  ASSERT_FALSE(s.main.mnuViewTerminalInformation.enabled());
  for (forms::Label* label : {&s.main.lblOriginTerminal, &s.main.lblDestinationTerminal,
                              &s.main.lblServiceDays, &s.main.lblServiceType}) {
    s.desktop.log.clear();
    s.driver.DblClick(*label);
    EXPECT_EQ(
        std::count(s.desktop.log.begin(), s.desktop.log.end(), "modal: frmTerminalInformation"), 1)
        << label->name();
    EXPECT_EQ(s.program.ratingState, "Y");
  }
}

TEST_F(QuoteTest, WindowsOpenedFromTheMenusRateNothingOnTheWayAndRestoreTheFlag) {
  settings.FakOn = 1;
  settings.AccessorialsOn = 1;
  settings.MapOn = 1;
  Session& s = QuoteLane("30303");
  s.engine.SetDefaultRating(Rated);
  // Each window by name, with the command that opens it.
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"frmMap", [&] { s.driver.Click(s.main.mnuViewMap); }},
      {"frmFAK", [&] { s.driver.Click(s.main.mnuEditFAK); }},
      {"frmAccessorialCharges", [&] { s.driver.Click(s.main.mnuEditAccessorialCharges); }},
      {"frmTerminalInformation", [&] { s.driver.DblClick(s.main.lblServiceDays); }},
      {"frmDefaults", [&] { s.driver.Click(s.main.mnuEditDefaults); }},
  };
  for (const auto& [window, open] : commands) {
    SCOPED_TRACE(window);
    // Opened from the origin box, the window finds the flag at "N".
    s.driver.Focus(s.main.txtOrigin);
    std::string flagInside;
    s.desktop.modalScripts[window] = [&](forms::Form&) { flagInside = s.program.ratingState; };
    open();
    EXPECT_EQ(flagInside, "N");
    EXPECT_EQ(s.program.ratingState, "Y");
    // Opened while a typed weight still has the focus: leaving the box for it rates nothing.
    s.driver.Replace(s.main.cboClass[0], "100");
    s.driver.Replace(s.main.txtWeight[0], "500");
    const int before = s.engine.count("RateShipment");
    int inside = -1;
    s.desktop.modalScripts[window] = [&](forms::Form&) { inside = s.engine.count("RateShipment"); };
    open();
    EXPECT_EQ(inside, before);
    EXPECT_EQ(s.program.ratingState, "Y");
  }
  s.driver.Focus(s.main.txtOrigin);
  s.driver.Click(s.main.mnuFileCalculator);
  EXPECT_EQ(s.desktop.started, (std::vector<std::string>{"calc.exe"}));
  EXPECT_EQ(s.program.ratingState, "Y");
}

TEST_F(QuoteTest, EveryWindowCarriesTheProgramIcon) {
  settings.IconFile = "carrier.ico";
  Session& s = QuoteLane("30303");
  s.driver.DblClick(s.main.lblServiceDays);
  const std::string icon = (dir / "carrier.ico").string();
  for (const forms::Form* form : s.runtime.forms())
    if (form->loaded() || form->name() == "frmTerminalInformation") {
      EXPECT_EQ(form->icon(), icon) << form->name();
    }
}

}  // namespace
}  // namespace tarvex::app
