// The rate sheet discounts: the range checks of each box, and Save into the settings only.
#include "ratesheet/frm_discount_rs.h"

#include <gtest/gtest.h>

#include "support/window_test.h"

namespace tarvex::ratesheet {
namespace {

class DiscountRSTest : public testing::WindowTest {
 protected:
  DiscountRSTest() {
    settings_.RateSheetFloorOn = -1;
    settings_.RateSheetDiscounts = {0, 0, 12.5, 0, 0};
  }
  pricing::SettingsRecord settings_;
};

TEST_F(DiscountRSTest, DiscountsBelowAHundredAndAnyFloorAreSaved) {
  frmDiscountRS window(runtime_, settings_, '.');
  WhileOpen(window, [&] {
    EXPECT_EQ(window.txtDiscount[1].text(), "12.50");
    for (const int box : {1, 2}) {
      driver_.Replace(window.txtDiscount[box], "100");
      driver_.Tab();
      EXPECT_EQ(runtime_.ActiveControl(), &window.txtDiscount[box]) << box;
      driver_.Replace(window.txtDiscount[box], "65.5");
    }
    driver_.Replace(window.txtDiscount[3], "150.00");
    driver_.Click(window.cmdSave);
  });
  EXPECT_EQ(desktop_.Messages(),
            (std::vector<std::string>{"Invalid Discount", "Invalid Discount"}));
  EXPECT_EQ(settings_.RateSheetDiscounts, (std::array<double, 5>{0, 0, 65.5, 65.5, 150}));
}

TEST_F(DiscountRSTest, MoreThanTwoDecimalsEmptyTheBoxAndCancelKeepsTheSettings) {
  settings_.RateSheetFloorOn = 0;
  frmDiscountRS window(runtime_, settings_, ',');
  WhileOpen(window, [&] {
    EXPECT_FALSE(window.txtDiscount[3].visible());
    EXPECT_FALSE(window.lblFloor.visible());
    EXPECT_EQ(window.txtDiscount[1].text(), "12,50");
    window.txtDiscount[2].setText("1,234");
    EXPECT_EQ(window.txtDiscount[2].text(), "");
    driver_.Replace(window.txtDiscount[1], "99");
    // Cancel takes the focus without a check of the box left.
    driver_.Replace(window.txtDiscount[1], "100");
    driver_.Click(window.cmdIgnore);
  });
  EXPECT_EQ(desktop_.Messages(), (std::vector<std::string>{"Invalid Entry"}));
  EXPECT_EQ(settings_.RateSheetDiscounts[2], 12.5);
  EXPECT_FALSE(window.loaded());
}

}  // namespace
}  // namespace tarvex::ratesheet
