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
  q.TypeQuote("64120", "30303", "100", "1200");
  ASSERT_EQ(q.desktop.Messages(), std::vector<std::string>{});
  ASSERT_TRUE(q.main.lblTotalChargeLabel.visible());
  const double miles = base::Val(q.main.lblMiles.caption().substr(8));
  EXPECT_GT(miles, 700);  // Kansas City to Atlanta is about 800 road miles
  EXPECT_LT(miles, 950);
  // From the demo tariff: band KR1000 (up to 1,000 miles) has a base rate of 7600 cents, class
  // 100 a factor of 1.00 and the 1,000 lb break 0.66, so 50.16 per hundred pounds before the
  // customer's discount on rates from the lane's discount set.
  EXPECT_EQ(q.main.lblRBN.caption(), "RBN = KR1000");
  ASSERT_EQ(q.program.engineRecord.text(engine::H33), "R");
  const double percent = base::Val(q.main.txtDiscount[1].text());
  const double rate = base::RoundForDisplay(50.16 * (1 - percent / 100), 2);
  EXPECT_EQ(q.main.lblRate[0].caption(), base::FormatMask(rate, "0.00 "));
  EXPECT_EQ(q.main.lblCharge[0].caption(), base::FormatMask(rate * 12, "0.00 "));
  // Billing the 2,000 lb break (39.52 less the discount, on 2,000 lb) costs more: no deficit.
  EXPECT_EQ(q.main.lblTotalWeightLabel.caption(), "Total Weight");
  EXPECT_EQ(q.main.lblUndiscountedChargeLabel.caption(), "Discounted Charge");
  const double net = base::Val(q.main.lblNet.caption());
  EXPECT_EQ(q.main.lblFuelSurcharge.caption(),
            base::FormatMask(net * q.program.settings.FuelSurchargeLTL / 100, "0.00 "));
  EXPECT_EQ(q.main.lblCrossBorderCharge.caption(), "");
}

}  // namespace
}  // namespace tarvex::app
