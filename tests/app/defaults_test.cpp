// The defaults window opened from the quote window: what it shows, refuses and saves, and the
// quote window brought up to date afterwards.
#include <gtest/gtest.h>

#include <functional>

#include "app/frm_defaults.h"
#include "app_session.h"
#include "base/files.h"
#include "support/window_test.h"

namespace tarvex::app {
namespace {

using engine::EngineRecord;

class DefaultsTest : public ProgramDirTest {
 protected:
  void SetUp() override {
    settings = DemoForQuoting();
    for (std::int16_t* lock :
         {&settings.OriginLocked, &settings.DestinationLocked, &settings.ClassLocked,
          &settings.WeightLocked, &settings.FuelSurchargeLTLLocked, &settings.FuelSurchargeTLLocked,
          &settings.RateAdjustmentLocked, &settings.ExchangeFactorLocked})
      *lock = 0;
  }
  Session& Quote(char separator = '.') {
    Session& s = StartQuoting(settings, separator);
    s.engine.SetDefaultRating([](EngineRecord& r) { r.setText(engine::H2, ""); });
    return s;
  }
  // Opens the defaults from the menu and lets `act` work in the window.
  void Defaults(Session& s, const std::function<void(frmDefaults&)>& act) {
    EXPECT_TRUE(
        testing::ActInOpened(s.desktop, s.driver, s.main.mnuEditDefaults, "frmDefaults", act));
  }
  pricing::SettingsRecord Stored() const {
    return pricing::ReadSettings(dir / "variable.dat").record;
  }
  pricing::SettingsRecord settings;
};

TEST_F(DefaultsTest, LockedFieldKeepsItsValueAndAHalfClassIsStoredWhole) {
  settings.FuelSurchargeTLLocked = -1;
  settings.FuelSurchargeTL = 18.2468;
  settings.ClassLocked = 0;
  Session& s = Quote();
  Defaults(s, [&](frmDefaults& w) {
    EXPECT_FALSE(w.txtFuelSurchargeTL.enabled());
    EXPECT_EQ(w.txtFuelSurchargeTL.text(), "18.247");
    EXPECT_TRUE(w.cboClass.enabled());
    EXPECT_EQ(w.cboClass.items()[7], "92");
    s.driver.Replace(w.cboClass, "92.5");
    s.driver.Tab();
    EXPECT_EQ(w.lblStatusBar.caption(), " Enter a Valid Weight ");
    s.driver.Click(w.cmdSave);
  });
  EXPECT_TRUE(s.desktop.Messages().empty());
  EXPECT_EQ(Stored().FuelSurchargeTL, 18.2468);
  EXPECT_EQ(Stored().DefaultClass, "92 ");
  EXPECT_EQ(s.program.settings.DefaultClass, "92 ");
  Defaults(s, [&](frmDefaults& w) {
    EXPECT_EQ(w.cboClass.text(), "92");
    s.driver.Click(w.cmdIgnore);
  });
}

TEST_F(DefaultsTest, CtrlATogglesTheHiddenFactorWhichIsSavedEitherWay) {
  settings.RateAdjustmentFactor = 1;
  settings.HiddenRateAdjustmentFactor = 0;
  Session& s = Quote();
  Defaults(s, [&](frmDefaults& w) {
    EXPECT_FALSE(w.txtHiddenRateAdjustmentFactor.visible());
    s.driver.Press(w.txtOrigin, 1);
    EXPECT_TRUE(w.txtHiddenRateAdjustmentFactor.visible());
    EXPECT_TRUE(w.lblHiddenRateAdjustmentFactor.visible());
    s.driver.Replace(w.txtHiddenRateAdjustmentFactor, "0.25");
    s.driver.Press(w.txtHiddenRateAdjustmentFactor, 1);
    EXPECT_FALSE(w.txtHiddenRateAdjustmentFactor.visible());
    EXPECT_NE(s.runtime.ActiveControl(), &w.txtHiddenRateAdjustmentFactor);
    s.driver.Click(w.cmdSave);
  });
  EXPECT_EQ(Stored().HiddenRateAdjustmentFactor, 0.25);
  EXPECT_EQ(s.program.engineRecord.trimmed(engine::H37), "12500");
}

TEST_F(DefaultsTest, LeavingForCancelSkipsTheChecksAndCancelStoresNothing) {
  Session& s = Quote();
  const std::string before = base::FileToString(dir / "variable.dat");
  Defaults(s, [&](frmDefaults& w) {
    s.driver.Replace(w.txtOrigin, "6412");
    s.driver.Click(w.cmdIgnore);
  });
  EXPECT_TRUE(s.desktop.Messages().empty());
  Defaults(s, [&](frmDefaults& w) {
    s.driver.Replace(w.txtOrigin, "6412");
    s.driver.Click(w.cmdSave);
    EXPECT_EQ(s.runtime.ActiveControl(), &w.txtOrigin);
    s.driver.Replace(w.txtOrigin, "64120");
    s.driver.Replace(w.cboClass, "90");
    s.driver.Click(w.cmdSave);
    EXPECT_EQ(s.runtime.ActiveControl(), &w.cboClass);
    s.driver.Click(w.cmdIgnore);
  });
  EXPECT_EQ(s.desktop.Messages(),
            (std::vector<std::string>{"Invalid ZIP/Postal Code", "Invalid Class"}));
  EXPECT_EQ(base::FileToString(dir / "variable.dat"), before);
}

TEST_F(DefaultsTest, FactorsAndPercentagesOutOfRangeAreRefusedWithTheWindowOpen) {
  Session& s = Quote();
  const std::string before = base::FileToString(dir / "variable.dat");
  struct Case {
    forms::TextBox frmDefaults::*box;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {&frmDefaults::txtRateAdjustmentFactor, "0", kRateAdjustmentMessage},
      {&frmDefaults::txtRateAdjustmentFactor, "", kRateAdjustmentMessage},
      {&frmDefaults::txtRateAdjustmentFactor, "12",
       "Rate adjustment factors must add up to less than 10"},
      {&frmDefaults::txtFuelSurchargeLTL, "150",
       "Fuel surcharge must be a percentage from 0 to 100"},
      {&frmDefaults::txtCanadianExchangeFactor, "101",
       "Canadian exchange factor must be a percentage from -50 to 100"},
  };
  for (const Case& c : cases) {
    s.desktop.shown.clear();
    Defaults(s, [&](frmDefaults& w) {
      forms::TextBox& box = w.*c.box;
      s.driver.Press(box, forms::keys::Backspace);
      s.driver.Type(box, c.typed);
      s.driver.Click(w.cmdSave);
      EXPECT_TRUE(w.visible()) << c.typed;
      EXPECT_EQ(s.runtime.ActiveControl(), &box) << c.typed;
      EXPECT_EQ(box.text(), c.typed);
      s.driver.Click(w.cmdIgnore);
    });
    EXPECT_EQ(s.desktop.Messages(), (std::vector<std::string>{c.message})) << c.typed;
  }
  EXPECT_EQ(base::FileToString(dir / "variable.dat"), before);
}

TEST_F(DefaultsTest, AFailedSaveNamesTheFileAndKeepsTheTypedValues) {
  Session& s = Quote();
  std::filesystem::remove(dir / "variable.dat");
  std::filesystem::create_directories(dir / "variable.dat");  // a folder where the file goes
  const double fuel = s.program.settings.FuelSurchargeLTL;
  Defaults(s, [&](frmDefaults& w) {
    s.driver.Replace(w.txtFuelSurchargeLTL, "12.5");
    s.driver.Click(w.cmdSave);
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.txtFuelSurchargeLTL.text(), "12.5");
    s.driver.Click(w.cmdIgnore);
  });
  ASSERT_EQ(s.desktop.Messages().size(), 1U);
  EXPECT_NE(s.desktop.Messages()[0].find("variable.dat"), std::string::npos);
  EXPECT_EQ(s.program.settings.FuelSurchargeLTL, fuel);
}

TEST_F(DefaultsTest, SavedDefaultsRateTheQuoteAgainAndReshapeTheScreen) {
  settings.FuelSurchargeLTL = 10;
  settings.PricePerUnitOn = -1;
  settings.PromptPricePerUnit = 0;
  settings.FakOn = 0;
  Session& s = Quote(',');
  s.Lane("64120", "30303");
  s.engine.SetDefaultRating(Rated);
  s.RateLine(0, "100", "500");
  ASSERT_EQ(s.main.lblFuelSurcharge.caption(), "30,00 ");
  EXPECT_FALSE(s.main.fraPPU.visible());
  Defaults(s, [&](frmDefaults& w) {
    EXPECT_EQ(w.txtFuelSurchargeLTL.text(), "10,000");
    // The demo carrier runs the Mexico layout: one LTL fuel surcharge for every lane.
    EXPECT_FALSE(w.txtFuelSurchargeLTLMX.visible());
    EXPECT_EQ(w.lblFuelSurcharge.caption(), "Fuel Surcharge  (US / CAN %)");
    EXPECT_TRUE(w.fraPromptFor.visible());
    EXPECT_TRUE(w.chkPricePerUnit.visible());
    EXPECT_EQ(w.chkPricePerUnit.value(), 0);
    s.driver.Replace(w.txtFuelSurchargeLTL, "20,5");
    s.driver.Click(w.chkPricePerUnit);
    s.driver.Click(w.cmdSave);
  });
  EXPECT_EQ(Stored().FuelSurchargeLTL, 20.5);
  EXPECT_EQ(Stored().PromptPricePerUnit, -1);
  EXPECT_EQ(s.main.lblFuelSurcharge.caption(), "61,50 ");
  EXPECT_TRUE(s.main.fraPPU.visible());
  EXPECT_EQ(s.program.ratingState, "Y");
}

TEST_F(DefaultsTest, PromptsOfFeaturesThatAreOffAreNotOffered) {
  settings.PricePerUnitOn = 0;
  settings.PromptPricePerUnit = -1;
  settings.AccessorialsOn = 0;
  settings.VersionText = "Version 4.2.3";
  Session& s = Quote();
  Defaults(s, [&](frmDefaults& w) {
    EXPECT_FALSE(w.fraPromptFor.visible());
    EXPECT_TRUE(w.txtFuelSurchargeLTLMX.visible());
    EXPECT_EQ(w.lblFuelSurcharge.caption(), "Fuel Srchg %   within US/CAN");
    s.driver.Click(w.cmdSave);
  });
  EXPECT_EQ(Stored().PromptPricePerUnit, 0);
}

}  // namespace
}  // namespace tarvex::app
