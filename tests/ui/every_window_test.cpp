// Every window of the program on the demo data, in both layouts and in the states a user
// sees it in: names unique, every shown control inside its window and frame, no overlaps but
// declared ones, and Tab reaching every input.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/frm_msg.h"
#include "app/frm_rate_sheet.h"
#include "engine/frm_intrastate_tariffs.h"
#include "pricing/frm_accessorial_charges.h"
#include "pricing/frm_discounts.h"
#include "pricing/settings.h"
#include "support/demo_program.h"
#include "support/layout_check.h"
#include "support/window_test.h"

namespace tarvex::testing {
namespace {

void ExpectSoundLayout(const forms::Form& form, const std::string& state) {
  for (const std::string& fault : LayoutFaults(form))
    ADD_FAILURE() << form.name() << " " << state << ": " << fault;
}

// The demo carrier's version runs the Mexico layout; the parameter says whether to keep it.
class EveryWindow : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    const bool mexico = GetParam();
    if (!mexico) {
      pricing::SettingsRecord s = pricing::ReadSettings(p_.dir.resolve("variable.dat")).record;
      s.VersionText = "Version 4.2.3";
      ASSERT_TRUE(pricing::WriteSettings(p_.dir.resolve("variable.dat"), s));
    }
    p_.intro.Show();
    ExpectSoundLayout(p_.intro, "as the splash");
    p_.driver.FireTimer(p_.intro.Timer1);
    ASSERT_TRUE(p_.desktop.Messages().empty()) << p_.desktop.Messages()[0];
    ASSERT_EQ(p_.program.Mexico571Mode, mexico);
    ASSERT_TRUE(p_.main.visible());
  }
  std::string Layout() const { return GetParam() ? "in the Mexico layout" : "in the US layout"; }

  // Opens a window with a click on a command of the quote window and checks it while it is
  // open, after `act` has worked in it; the desktop closes it afterwards.
  void CheckWhileOpen(forms::Control& command, const std::string& window,
                      const std::function<void(forms::Form&)>& act = {}) {
    EXPECT_TRUE(ActInOpened<forms::Form>(p_.desktop, p_.driver, command, window,
                                         [&](forms::Form& form) {
                                           if (act) act(form);
                                           ExpectSoundLayout(form, Layout());
                                         }))
        << window << " did not open from " << command.displayName();
    p_.desktop.modalScripts.erase(window);
  }

  void Quote(const char* destination) {
    p_.driver.Click(p_.main.cmdNewShipment);
    p_.TypeQuote("64120", destination, "85", "1200");
    EXPECT_TRUE(p_.desktop.Messages().empty()) << destination << ": " << p_.desktop.Messages()[0];
    EXPECT_TRUE(p_.main.lblTotalCharge.visible()) << destination;
    p_.desktop.shown.clear();
  }

  DemoProgram p_;
};

TEST_P(EveryWindow, QuoteWindowEmptyAndWithQuotesToEachCountry) {
  ExpectSoundLayout(p_.main, Layout() + " on start");
  bool asked = false;
  p_.desktop.modalScripts["frmSingleshipment"] = [&](forms::Form& form) {
    asked = true;
    ExpectSoundLayout(form, Layout());
    p_.runtime.KeyOnForm(form, 'N');
  };
  for (const char* destination : {"30303", "M5V3L9", "06600M"}) {
    Quote(destination);
    ExpectSoundLayout(p_.main, Layout() + " with a quote to " + destination);
  }
  EXPECT_TRUE(asked) << "the single-shipment question never came";

  // Ticked accessorial charges add their row to the totals of a cross-border quote.
  CheckWhileOpen(p_.main.mnuEditAccessorialCharges, "frmAccessorialCharges", [&](forms::Form& f) {
    auto& window = dynamic_cast<pricing::frmAccessorialCharges&>(f);
    for (int k = 1; k <= pricing::kAccessorialRows; ++k) {
      if (!window.chkAccessorialCharge[k].visible()) continue;
      p_.driver.Click(window.chkAccessorialCharge[k]);
      if (window.txtUserInput[k].visible()) p_.driver.Type(window.txtUserInput[k], "2");
    }
    p_.driver.Click(window.cmdOK);
  });
  for (const char* destination : {"M5V3L9", "06600M"}) {
    Quote(destination);
    EXPECT_TRUE(p_.main.lblAccessorialCharge.visible());
    ExpectSoundLayout(p_.main, Layout() + " with accessorials to " + destination);
  }
}

TEST_P(EveryWindow, FakAccessorialChargesServiceMapAndTheTerminalsOfAQuotedLane) {
  CheckWhileOpen(p_.main.mnuEditFAK, "frmFAK");
  CheckWhileOpen(p_.main.mnuEditAccessorialCharges, "frmAccessorialCharges");
  CheckWhileOpen(p_.main.mnuViewMap, "frmMap");
  Quote("30303");
  CheckWhileOpen(p_.main.mnuViewTerminalInformation, "frmTerminalInformation");
}

TEST_P(EveryWindow, DiscountEditorOfEachCountryWithItsGridAndSummary) {
  CheckWhileOpen(p_.main.mnuEditDiscountsUS, "frmDiscounts", [&](forms::Form& form) {
    auto& w = dynamic_cast<pricing::frmDiscounts&>(form);
    ExpectSoundLayout(w, Layout() + " with the lane-type fields");
    p_.driver.Click(w.cmdAdvancedOptions);
    ExpectSoundLayout(w, Layout() + " with the advanced options");
    p_.driver.Click(w.optState);
    EXPECT_TRUE(ActInOpened<forms::Form>(
        p_.desktop, p_.driver, w.cmdDiscountSummary, "frmDiscountSummary",
        [&](forms::Form& summary) { ExpectSoundLayout(summary, Layout()); }));
  });
  CheckWhileOpen(p_.main.mnuEditDiscountsCanadian, "frmDiscounts");
  CheckWhileOpen(p_.main.mnuEditDiscountsMexican, "frmDiscounts");
}

TEST_P(EveryWindow, CityLookupWithAListOfCities) {
  p_.driver.Focus(p_.main.txtOrigin);
  CheckWhileOpen(p_.main.mnuCityLookup, "frmZipLU", [&](forms::Form& form) {
    p_.driver.Type(*form.Find("txtCity"), "KANSAS");
    p_.driver.Tab();
    EXPECT_GT(form.Find("lstCity")->listCount(), 1);
  });
}

TEST_P(EveryWindow, DefaultsWithTheHiddenFactorShown) {
  CheckWhileOpen(p_.main.mnuEditDefaults, "frmDefaults", [&](forms::Form& form) {
    p_.driver.Press(*form.Find("txtOrigin"), 1);
    EXPECT_TRUE(form.Find("txtHiddenRateAdjustmentFactor")->visible());
  });
}

TEST_P(EveryWindow, SpeedSheetOfEachCountryInRatesAndAlternation) {
  for (const char* destination : {"30303", "M5V3L9", "06600M"}) {
    Quote(destination);
    CheckWhileOpen(p_.main.mnuViewSpeedSheetAlternation, "frmSpeedSheetAlternation",
                   [&](forms::Form& form) {
                     EXPECT_FALSE(form.Find("lblRates", 1)->caption().empty()) << destination;
                     ExpectSoundLayout(form, Layout() + " with rates to " + destination);
                     p_.driver.Click(*form.Find("optAlternation"));
                   });
    EXPECT_TRUE(p_.desktop.Messages().empty()) << destination << ": " << p_.desktop.Messages()[0];
  }
}

// A rate sheet request with its options and discounts windows, opened from its commands.
TEST_P(EveryWindow, RateSheetWithItsOptionsAndDiscounts) {
  int children = 0;
  CheckWhileOpen(p_.main.mnuFileRateSheet, "frmRateSheet", [&](forms::Form& f) {
    auto& window = dynamic_cast<app::frmRateSheet&>(f);
    for (const char* name : {"frmRSOptions", "frmDiscountRS"})
      p_.desktop.modalScripts[name] = [&](forms::Form& child) {
        ++children;
        ExpectSoundLayout(child, Layout());
      };
    p_.driver.Click(window.mnuRateSheetOptions);
    p_.driver.Click(window.cmdDiscount);
  });
  EXPECT_EQ(children, 2);
}

TEST_P(EveryWindow, DensityClassCalculatorThenTheFirstLineWithoutAClass) {
  // A class on the first line, set without leaving the empty origin.
  p_.main.cboClass[0].setText("85");
  // A click on the button gives it the focus first.
  p_.driver.Focus(p_.main.cmdDensityClassCalculator);
  CheckWhileOpen(p_.main.cmdDensityClassCalculator, "frmDensityClassCalculator",
                 [&](forms::Form& form) {
                   for (const auto& [box, text] : {std::pair{"txtLength", "48"},
                                                   {"txtWidth", "40"},
                                                   {"txtHeight", "48"},
                                                   {"txtWeight", "500"}})
                     p_.driver.Type(*form.Find(box), text);
                   EXPECT_EQ(p_.program.ratingState, "N");
                 });
  EXPECT_EQ(p_.runtime.ActiveControl(), &p_.main.cboClass[1]);
  EXPECT_TRUE(p_.desktop.Messages().empty()) << p_.desktop.Messages()[0];
}

TEST_P(EveryWindow, BillOfLadingWithTheQuoteFieldsAtRest) {
  p_.driver.Type(p_.main.txtOrigin, "1");
  CheckWhileOpen(p_.main.mnuFileBillofLading, "frmBOL", [&](forms::Form&) {
    // Leaving the quote's origin for the bill of lading checks nothing.
    EXPECT_EQ(p_.program.ratingState, "N");
  });
  EXPECT_EQ(p_.program.ratingState, "Y");
  EXPECT_TRUE(p_.desktop.Messages().empty());
}

TEST_P(EveryWindow, About) {
  CheckWhileOpen(p_.main.mnuHelpAbout, "frmAbout", [&](forms::Form& form) {
    EXPECT_EQ(form.caption(), "About Tarvex Rating System");
    const std::string date = form.Find("lblProgramDate")->caption();
    EXPECT_EQ(date.size(), std::string("Last Program Modification 12-07-2026 ").size()) << date;
  });
}

TEST_P(EveryWindow, HelpAndRulesOpenTheirDocuments) {
  p_.driver.Click(p_.main.mnuHelpContents);
  p_.driver.Click(p_.main.mnuViewRules);
  EXPECT_EQ(p_.desktop.opened,
            (std::vector<std::string>{p_.program.dir.resolve("Help.pdf").string(),
                                      p_.program.dir.resolve("rules.pdf").string()}));
  EXPECT_TRUE(p_.desktop.Messages().empty());
}

// Print on the rate sheet request opens the chooser; here it is shown on the program's data.
TEST_P(EveryWindow, IntrastateTariffs) {
  engine::ChosenStates chosen{};
  engine::frmIntrastateTariffs window(p_.runtime, p_.program.dir, chosen);
  bool opened = false;
  p_.desktop.modalScripts["frmIntrastateTariffs"] = [&](forms::Form& form) {
    opened = true;
    ExpectSoundLayout(form, Layout());
  };
  window.ShowModal();
  EXPECT_TRUE(opened);
  EXPECT_GT(window.used(), 0);
}

// Shown directly on the program's data rather than through a filled-in request, every output
// ticked.
TEST_P(EveryWindow, RateSheetProduction) {
  app::frmMsg window(p_.program);
  bool opened = false;
  p_.desktop.modalScripts["frmMsg"] = [&](forms::Form& form) {
    opened = true;
    ExpectSoundLayout(form, Layout());
    for (forms::CheckBox* box : {&window.Check1, &window.Check3, &window.chkCSV, &window.Check2})
      p_.driver.Click(*box);
    ExpectSoundLayout(form, Layout() + " with every output ticked");
    p_.driver.Click(window.cmdCancelPrint);
  };
  window.ShowModal();
  EXPECT_TRUE(opened);
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, EveryWindow, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) {
                           return param.param ? "Mexico" : "US";
                         });

}  // namespace
}  // namespace tarvex::testing
