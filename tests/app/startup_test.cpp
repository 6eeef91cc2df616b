// Launch, start-up and the main window load, driven headlessly.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app_session.h"

namespace tarvex::app {
namespace {

namespace fs = std::filesystem;

class StartupTest : public ProgramDirTest {
 protected:
  void SetUp() override {
    settings = DemoSettings();
    Settings(settings);
    WriteText(dir / "disclaimer.dat", "Rates are subject to change.");
    WriteText(dir / "bordercrossingfee.dat", "35.00");
    WriteText(dir / "CustomerServiceMsg.dat", "Please call customer service.");
    WriteText(dir / "intro.bmp", "bmp");
  }
  pricing::SettingsRecord DemoSettings() const {
    pricing::SettingsRecord s;
    s.CarrierName = "Kestrel Ridge Freight Lines";
    s.EffectiveDate = "01/04/2027";
    s.VersionText = "Version 4.2.100.3";
    s.EngineCode = "KRFL";
    s.IconFile = "tarvex.ico";
    s.FakOn = 0;
    s.PricePerUnitOn = 1;
    s.PromptPricePerUnit = 1;
    s.ServiceGuideOn = 1;
    return s;
  }
  // Writes `settings` and starts the program afresh.
  Session& Restart() {
    Settings(settings);
    return Start();
  }
  pricing::SettingsRecord settings;
};

TEST_F(StartupTest, SplashThenMainWindowWithCarrierCaptions) {
  Session& s = Start();
  EXPECT_TRUE(s.desktop.Messages().empty());
  EXPECT_TRUE(s.intro.visible());
  EXPECT_EQ(s.intro.caption(), "Kestrel Ridge Freight Lines");
  EXPECT_EQ(s.intro.width(), 9600);
  EXPECT_EQ(s.intro.height(), 7320);
  EXPECT_EQ(s.intro.left(), (19200 - 9600) / 2);
  EXPECT_EQ(fs::path(s.intro.picture()).filename(), "intro.bmp");
  EXPECT_EQ(fs::path(s.intro.icon()).filename(), "tarvex.ico");
  // The main window is loaded behind the splash but not shown.
  EXPECT_TRUE(s.main.loaded());
  EXPECT_FALSE(s.main.visible());
  EXPECT_EQ(s.main.caption(), "Kestrel Ridge Freight Lines - Effective: 01/04/2027");
  EXPECT_EQ(s.main.lblVersion.caption(), "Version 4.2.100.3");
  EXPECT_EQ(s.main.lblDisclaimer.caption(), "Rates are subject to change.");
  EXPECT_DOUBLE_EQ(s.main.borderCrossingFee(), 35.0);
  EXPECT_EQ(s.main.customerServiceMessage(), "Please call customer service.");

  s.driver.FireTimer(s.intro.Timer1);
  EXPECT_FALSE(s.intro.loaded());
  EXPECT_TRUE(s.main.visible());
  EXPECT_EQ(s.runtime.ActiveControl(), &s.main.txtOrigin);
}

TEST_F(StartupTest, AKeyOrClickOnTheSplashShowsTheMainWindowAtOnce) {
  Session& s = Start();
  s.runtime.KeyOnForm(s.intro, 'x');
  EXPECT_TRUE(s.main.visible());
  s.runtime.ClickForm(s.intro);  // the splash has gone; nothing happens twice
  s.driver.FireTimer(s.intro.Timer1);
  EXPECT_TRUE(s.main.visible());
}

TEST_F(StartupTest, ClosingTheSplashWithItsCloseButtonShowsTheMainWindow) {
  Session& s = Start();
  s.driver.Close(s.intro);
  EXPECT_FALSE(s.intro.loaded());
  EXPECT_TRUE(s.main.visible());
  EXPECT_FALSE(s.desktop.quit);
}

TEST_F(StartupTest, JpegPictureIsPreferredToBitmap) {
  WriteText(dir / "INTRO.JPG", "jpg");
  Session& s = Start();
  EXPECT_EQ(fs::path(s.intro.picture()).filename(), "INTRO.JPG");
}

TEST_F(StartupTest, EngineCallsAtStartAndEnd) {
  Session& s = Start();
  EXPECT_EQ(s.engine.callNames(), (std::vector<std::string>{"InitializeVorn", "Set_Vorndata"}));
  const std::string path = s.engine.calls()[0].argument;
  EXPECT_EQ(path.back(), '/');
  EXPECT_EQ(fs::path(path), fs::path(dir.string() + "/"));
  EXPECT_EQ(s.program.engineRecord.text(engine::H6).substr(0, 4), "KRFL");
  EXPECT_EQ(fs::current_path(), dir);

  s.driver.FireTimer(s.intro.Timer1);
  s.driver.Click(s.main.cmdClose);
  EXPECT_FALSE(s.main.loaded());
  EXPECT_TRUE(s.desktop.quit);
  EXPECT_EQ(s.engine.count("EndVorn"), 1);
}

TEST_F(StartupTest, SecondInstanceIsRefusedWithTheExactMessage) {
  Session& first = Start();
  Session second(dir);
  second.intro.Show();
  EXPECT_EQ(
      second.desktop.Messages(),
      (std::vector<std::string>{"You are not allowed to run more than one instance of this "
                                "program.  Please use the instance that is already running."}));
  EXPECT_TRUE(second.desktop.quit);
  EXPECT_FALSE(second.intro.loaded());
  EXPECT_TRUE(second.engine.calls().empty());
  EXPECT_TRUE(first.intro.visible());
}

TEST_F(StartupTest, LockedEngineFilesOrAMissingEngineEndTheProgram) {
  struct Case {
    std::function<void(Session&)> arrange;
    const char* message;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {[](Session& s) { s.engine.initializeStatus = 10; },
       "Another program has some needed files locked.  Please close other Rating Systems and "
       "Rate Sheet programs and try again.",
       {"InitializeVorn"}},
      {[](Session& s) {
         s.program.engineUnavailable = "The rating engine libvorn.so could not be found.";
       },
       "The rating engine libvorn.so could not be found.",
       {}},
  };
  for (const Case& c : cases) {
    Session s(dir);
    c.arrange(s);
    s.intro.Show();
    EXPECT_EQ(s.desktop.Messages(), std::vector<std::string>{c.message});
    EXPECT_TRUE(s.desktop.quit);
    EXPECT_FALSE(s.intro.loaded());
    EXPECT_FALSE(s.main.loaded());
    EXPECT_EQ(s.engine.callNames(), c.calls);
  }
}

TEST_F(StartupTest, OtherEngineStatusesLetTheStartGoOn) {
  session = std::make_unique<Session>(dir);
  session->engine.initializeStatus = 3;
  session->engine.setVorndataStatus = 10;
  session->intro.Show();
  EXPECT_TRUE(session->desktop.Messages().empty());
  EXPECT_TRUE(session->main.loaded());
  EXPECT_EQ(session->program.lastEngineStatus, 10);
}

TEST_F(StartupTest, MissingOrShortSettingsStopWithTheFileNamed) {
  for (const bool missing : {true, false}) {
    if (missing)
      fs::remove(dir / "variable.dat");
    else
      WriteText(dir / "variable.dat", std::string(400, ' '));
    Session& s = Start();
    ASSERT_EQ(s.desktop.Messages().size(), 1U);
    EXPECT_NE(s.desktop.Messages()[0].find("variable.dat"), std::string::npos);
    EXPECT_TRUE(s.desktop.quit);
    EXPECT_TRUE(s.engine.calls().empty());
    EXPECT_FALSE(s.main.loaded());
    if (!missing) {
      EXPECT_EQ(fs::file_size(dir / "variable.dat"), 400U);  // left untouched
    }
  }
}

// The reader's own test goes through every field out of its limits; one reaches the start.
TEST_F(StartupTest, ASettingOutOfItsLimitsStopsWithTheFileAndFieldNamed) {
  settings.CanadianExchangeFactor = 1e132;
  Session& s = Restart();
  ASSERT_EQ(s.desktop.Messages().size(), 1U);
  EXPECT_NE(s.desktop.Messages()[0].find("variable.dat"), std::string::npos);
  EXPECT_NE(s.desktop.Messages()[0].find("CanadianExchangeFactor"), std::string::npos)
      << s.desktop.Messages()[0];
  EXPECT_TRUE(s.desktop.quit);
  EXPECT_TRUE(s.engine.calls().empty());
}

TEST_F(StartupTest, MexicoLayoutNeedsTheFullStopAfter571) {
  struct Case {
    const char* version;
    bool mexico;
    int height;
  };
  for (const Case& c : {Case{"Version 4.2.571.3", true, 8995}, Case{"571.", true, 8995},
                        Case{"Version 4.2.571", false, 8280}, Case{"Version 5710", false, 8280}}) {
    settings.VersionText = c.version;
    Session& s = Restart();
    SCOPED_TRACE(c.version);
    EXPECT_EQ(s.program.Mexico571Mode, c.mexico);
    EXPECT_EQ(s.main.height(), c.height);
    EXPECT_EQ(s.main.fraFooter.top(), c.height - 1275);  // the lower part moves with the height
    EXPECT_EQ(s.main.width(), 9600);
    if (c.mexico) {
      EXPECT_EQ(s.main.cmdClose.top(), c.height - 1875);
      EXPECT_EQ(s.main.fraDiscount.caption(), "Current Settings - US/CAN");
      EXPECT_EQ(s.main.fraDiscountMX.caption(), "Current Settings - MX");
      EXPECT_EQ(s.main.mnuEditDiscountsUS.caption(), "Discounts - US");
      EXPECT_EQ(s.main.mnuEditDiscountsCanadian.caption(), "Discounts - Canadian");
      EXPECT_EQ(s.main.mnuEditDiscountsMexican.caption(), "Discounts - Mexican");
    } else {
      EXPECT_EQ(s.main.mnuEditDiscountsUS.caption(), "Discounts US / US");
      EXPECT_EQ(s.main.mnuEditDiscountsCanadian.caption(), "Discounts US / CA");
      EXPECT_EQ(s.main.mnuEditDiscountsMexican.caption(), "Discounts MX / US, MX / CA");
    }
  }
}

TEST_F(StartupTest, CarrierWith502HidesTheMexicanMenuAndDisclaimer) {
  for (const char* name : {"Carrier 502 Lines", "Kestrel Ridge Freight Lines"}) {
    settings.CarrierName = name;
    Session& s = Restart();
    const bool shown = std::string(name).find("502") == std::string::npos;
    EXPECT_EQ(s.main.mnuEditDiscountsMexican.visible(), shown) << name;
    EXPECT_EQ(s.main.lblDisclaimer.visible(), shown) << name;
    EXPECT_EQ(s.main.lblDisclaimerLabel.visible(), shown) << name;
  }
}

TEST_F(StartupTest, SwitchesShapeTheScreen) {
  settings.PromptPricePerUnit = 0;  // units frame needs both switches
  settings.ServiceGuideOn = 1;
  settings.ShowMiles = 0;
  settings.FakOn = 0;
  settings.MapOn = 2;  // any non-zero value is on
  Session& s = Restart();
  s.main.txtPPU.setText("12");
  s.main.ConfigureScreen();
  EXPECT_FALSE(s.main.fraPPU.visible());
  EXPECT_EQ(s.main.txtPPU.text(), "");
  EXPECT_TRUE(s.main.lblTerminalLabel.visible());
  EXPECT_TRUE(s.main.mnuViewTerminalInformation.visible());
  EXPECT_FALSE(s.main.lblMiles.visible());
  EXPECT_FALSE(s.main.lblFAKLabel.visible());
  EXPECT_TRUE(s.main.mnuViewMap.visible());
}

TEST_F(StartupTest, MissingMessageFilesGiveEmptyTextsAndNoFee) {
  fs::remove(dir / "disclaimer.dat");
  WriteText(dir / "bordercrossingfee.dat", "n/a");
  Session& s = Start();
  EXPECT_EQ(s.main.lblDisclaimer.caption(), "");
  EXPECT_EQ(s.main.internationalCustomerServiceMessage(), "");
  EXPECT_DOUBLE_EQ(s.main.borderCrossingFee(), 0.0);
}

TEST_F(StartupTest, FakTableIsReadWhenFakIsOn) {
  settings.FakOn = 1;
  Session& without = Restart();
  ASSERT_EQ(without.desktop.Messages().size(), 1U);  // missing table reported, start goes on
  EXPECT_NE(without.desktop.Messages()[0].find("fak.dat"), std::string::npos);
  EXPECT_EQ(without.program.fak.FakInEffect, 'N');
  EXPECT_TRUE(without.main.loaded());
  pricing::FakState fak;
  fak.FakTable = pricing::StandardClassTable();
  fak.FakTable[17] = 250;
  ASSERT_TRUE(pricing::WriteFakTable(dir / "FAK.dat", pricing::StandardClassTable(), fak));
  Session& s = Start();
  EXPECT_TRUE(s.desktop.Messages().empty());
  EXPECT_EQ(s.program.fak.FakInEffect, 'Y');
}

TEST_F(StartupTest, CalculatorThatCannotStartIsReported) {
  Session& s = Start();
  s.driver.FireTimer(s.intro.Timer1);
  s.desktop.canStart = false;
  s.driver.Click(s.main.mnuFileCalculator);
  ASSERT_EQ(s.desktop.shown.size(), 1U);
  EXPECT_EQ(s.desktop.shown[0].text, "Calculator not found");
  EXPECT_EQ(s.desktop.shown[0].title, "Error");
  EXPECT_EQ(s.program.ratingState, "Y");
}

}  // namespace
}  // namespace tarvex::app
