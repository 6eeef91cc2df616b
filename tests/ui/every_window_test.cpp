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
#include "pricing/settings.h"
#include "support/demo_program.h"
#include "support/layout_check.h"

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
    bool opened = false;
    p_.desktop.modalScripts[window] = [&](forms::Form& form) {
      opened = true;
      if (act) act(form);
      ExpectSoundLayout(form, Layout());
    };
    p_.driver.Click(command);
    EXPECT_TRUE(opened) << window << " did not open from " << command.displayName();
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

TEST_P(EveryWindow, TerminalInformationOfAQuotedLane) {
  Quote("30303");
  CheckWhileOpen(p_.main.mnuViewTerminalInformation, "frmTerminalInformation");
}

TEST_P(EveryWindow, Fak) {
  CheckWhileOpen(p_.main.mnuEditFAK, "frmFAK");
}

TEST_P(EveryWindow, AccessorialCharges) {
  CheckWhileOpen(p_.main.mnuEditAccessorialCharges, "frmAccessorialCharges");
}

TEST_P(EveryWindow, CityLookupWithAListOfCities) {
  p_.driver.Focus(p_.main.txtOrigin);
  CheckWhileOpen(p_.main.mnuCityLookup, "frmZipLU", [&](forms::Form& form) {
    forms::Control& city = *form.Find("txtCity");
    p_.driver.Type(city, "KANSAS");
    p_.driver.Tab();
    EXPECT_GT(form.Find("lstCity")->listCount(), 1);
  });
}

TEST_P(EveryWindow, ServiceMap) {
  CheckWhileOpen(p_.main.mnuViewMap, "frmMap");
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

// The request window that opens it is not part of this build: shown on the program's data,
// every output ticked.
TEST_P(EveryWindow, RateSheetProduction) {
  app::frmMsg window(p_.program);
  bool opened = false;
  p_.desktop.modalScripts["frmMsg"] = [&](forms::Form& form) {
    opened = true;
    ExpectSoundLayout(form, Layout());
    for (forms::Control* box : {static_cast<forms::Control*>(&window.Check1),
                                static_cast<forms::Control*>(&window.Check3),
                                static_cast<forms::Control*>(&window.chkCSV),
                                static_cast<forms::Control*>(&window.Check2)})
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
