// A whole quote on the demo carrier's data with the real engine library.
#include <gtest/gtest.h>

#include "base/number_format.h"
#include "pricing/settings.h"
#include "support/demo_program.h"

namespace tarvex::app {
namespace {

// The demo program as the build lays it out, accessorials not asked for.
TEST(DemoQuoteTest, KansasCityToAtlanta) {
  testing::DemoProgram q;
  ASSERT_TRUE(q.engine.loaded()) << q.engine.error();
  pricing::SettingsRecord settings = pricing::ReadSettings(q.scratch / "variable.dat").record;
  settings.PromptAccessorials = 0;
  ASSERT_TRUE(pricing::WriteSettings(q.scratch / "variable.dat", settings));
  q.Start();
  q.desktop.answers = {false};  // not a single shipment, should the tariff ask
  auto& driver = q.driver;
  auto& main = q.main;
  auto& desktop = q.desktop;
  auto& program = q.program;

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
  // From the demo tariff: band KR1000 (up to 1,000 miles) has a base rate of 7600 cents, class
  // 100 a factor of 1.00 and the 1,000 lb break 0.66, so 50.16 per hundred pounds before the
  // customer's discount on rates from the lane's discount set.
  EXPECT_EQ(main.lblRBN.caption(), "RBN = KR1000");
  ASSERT_EQ(program.engineRecord.text(engine::H33), "R");
  const double percent = base::Val(main.txtDiscount[1].text());
  const double rate = base::RoundForDisplay(50.16 * (1 - percent / 100), 2);
  EXPECT_EQ(main.lblRate[0].caption(), base::FormatMask(rate, "0.00 "));
  EXPECT_EQ(main.lblCharge[0].caption(), base::FormatMask(rate * 12, "0.00 "));
  // Billing the 2,000 lb break (39.52 less the discount, on 2,000 lb) costs more: no deficit.
  EXPECT_EQ(main.lblTotalWeightLabel.caption(), "Total Weight");
  EXPECT_EQ(main.lblUndiscountedChargeLabel.caption(), "Discounted Charge");
  const double net = base::Val(main.lblNet.caption());
  EXPECT_EQ(main.lblFuelSurcharge.caption(),
            base::FormatMask(net * program.settings.FuelSurchargeLTL / 100, "0.00 "));
  // The total is the net plus the shown surcharges, to the cent.
  double total = base::Val(main.lblNet.caption()) + base::Val(main.lblFuelSurcharge.caption()) +
                 base::Val(main.lblHCSAFee.caption()) +
                 base::Val(main.lblCaliforniaSurcharge.caption());
  EXPECT_NEAR(base::Val(main.lblTotalCharge.caption()), total, 0.005);
  EXPECT_EQ(main.lblCrossBorderCharge.caption(), "");
}

}  // namespace
}  // namespace tarvex::app
