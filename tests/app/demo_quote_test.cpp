// A whole quote on the demo carrier's data with the real engine library.
#include <gtest/gtest.h>

#include "app_session.h"
#include "base/number_format.h"
#include "engine/vorn_library.h"

namespace tarvex::app {
namespace {

namespace fs = std::filesystem;

class DemoQuoteTest : public ProgramDirTest {
 protected:
  void SetUp() override {
    ProgramDirTest::SetUp();
    for (const auto& entry : fs::directory_iterator(TARVEX_PROGRAM_DIR))
      if (entry.is_regular_file())
        fs::copy_file(entry.path(), dir / entry.path().filename(),
                      fs::copy_options::overwrite_existing);
    pricing::SettingsRecord s = DemoSettings();
    s.PromptAccessorials = 0;
    Settings(s);
  }
};

TEST_F(DemoQuoteTest, KansasCityToAtlanta) {
  testing::ScriptedDesktop desktop;
  forms::Runtime runtime{desktop};
  engine::VornLibrary vorn{base::ProgramDir(dir)};
  ASSERT_TRUE(vorn.loaded()) << vorn.error();
  Program program(base::ProgramDir(dir), runtime, vorn);
  frmCorvane1 main(program);
  frmIntro intro(program, main, '.');
  forms::Driver driver(runtime);
  intro.Show();
  driver.FireTimer(intro.Timer1);
  desktop.answers = {false};  // not a single shipment, should the tariff ask

  driver.Type(main.txtOrigin, "64120");
  driver.Tab();
  driver.Type(main.txtDestination, "30303");
  driver.Tab();
  ASSERT_EQ(desktop.Messages(), std::vector<std::string>{});
  EXPECT_EQ(main.lblRBN.caption().substr(0, 8), "RBN = KR");
  const double miles = base::Val(main.lblMiles.caption().substr(8));
  EXPECT_GT(miles, 700);  // Kansas City to Atlanta is about 800 road miles
  EXPECT_LT(miles, 950);

  driver.Replace(main.cboClass[0], "100");
  driver.Tab();
  driver.Type(main.txtWeight[0], "1200");
  driver.Tab();
  ASSERT_EQ(desktop.Messages(), std::vector<std::string>{});
  ASSERT_TRUE(main.lblTotalChargeLabel.visible());
  const double rate = base::Val(main.lblRate[0].caption());
  const double charge = base::Val(main.lblCharge[0].caption());
  EXPECT_GT(rate, 0);
  EXPECT_NEAR(charge, base::RoundForDisplay(rate * 12, 2), 0.005);
  // The total is the net plus the shown surcharges, to the cent.
  double total = base::Val(main.lblNet.caption()) + base::Val(main.lblFuelSurcharge.caption()) +
                 base::Val(main.lblHCSAFee.caption()) +
                 base::Val(main.lblCaliforniaSurcharge.caption());
  EXPECT_NEAR(base::Val(main.lblTotalCharge.caption()), total, 0.005);
  EXPECT_EQ(main.lblCrossBorderCharge.caption(), "");
}

}  // namespace
}  // namespace tarvex::app
