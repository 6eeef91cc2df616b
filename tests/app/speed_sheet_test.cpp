// The rate block view of an accepted lane, with a scripted engine answering its block.
#include <gtest/gtest.h>

#include <functional>

#include "app/frm_speed_sheet_alternation.h"
#include "app_session.h"
#include "support/window_test.h"

namespace tarvex::app {
namespace {

using engine::EngineRecord;

// Two classes over the nine standard breaks; a minimum charge of 95.00; minimum charge entries
// of 75.00 up to 499 lb and a single-shipment 145.00.
void Block(EngineRecord& r) {
  Rated(r);
  r.setValue(engine::X5, 2);
  r.setValue(engine::X6, 9);
  r.setText(engine::X3, 0, "50");
  r.setText(engine::X3, 1, "85");
  const std::int32_t breaks[] = {0, 500, 1000, 2000, 5000, 10000, 20000, 30000, 40000};
  for (int w = 0; w < 9; ++w) r.setValue(engine::X4, w, breaks[w]);
  r.setValue(engine::X2, 0, 9500);
  for (int k = 4; k < 4 + 18; ++k) r.setValue(engine::X2, k, 4750 - 100 * (k - 4));
  r.setValue(engine::X2, 5, 3800);  // class 50 from 500 lb
  r.setText(engine::T1, "10");
  r.setValue(engine::T3, 0, 500);
  r.setValue(engine::T3, 1, 0);
  r.setValue(engine::T4, 0, 7500);
  r.setValue(engine::T4, 1, 14500);
  r.setValue(engine::T6, 2);
}

int Cell(int row, int column) {
  return (row - 1) * 9 + column;
}

class SpeedSheetTest : public ProgramDirTest {
 protected:
  void SetUp() override {
    settings = DemoForQuoting();
    WriteText(dir / "CustomerServiceMsg.dat", "Please call customer service.");
    settings.EngineDiscountMode = 3;
    settings.EngineDiscountSuppressed = 0;
    settings.MaxTotalWeight = 0;
  }
  // A lane accepted on the quote window, and the engine answering with the block from then on.
  Session& Lane(const char* destination) {
    Session& s = StartQuoting(settings);
    s.engine.SetDefaultRating([](EngineRecord& r) { r.setText(engine::H2, ""); });
    s.Lane("64120", destination);
    s.engine.SetDefaultRating(Block);
    s.desktop.shown.clear();
    return s;
  }
  void Open(Session& s, const std::function<void(frmSpeedSheetAlternation&)>& act) {
    EXPECT_TRUE(testing::ActInOpened(s.desktop, s.driver, s.main.mnuViewSpeedSheetAlternation,
                                     "frmSpeedSheetAlternation", act));
  }
  pricing::SettingsRecord settings;
};

TEST_F(SpeedSheetTest, RatesAndAlternationOfTheLaneWithItsDiscounts) {
  Session& before = StartQuoting(settings);
  EXPECT_FALSE(before.main.mnuViewSpeedSheetAlternation.enabled());
  Session& s = Lane("30303");
  ASSERT_TRUE(s.main.mnuViewSpeedSheetAlternation.enabled());
  s.main.txtDiscount[0].setText("");
  s.main.txtDiscount[1].setText("65");
  Open(s, [&](frmSpeedSheetAlternation& w) {
    EXPECT_EQ(w.lblOriginZip.caption(), "64120");
    EXPECT_EQ(w.lblDestinationState.caption(), "GA");
    EXPECT_EQ(w.optDiscounted.value(), 1);
    EXPECT_EQ(w.optRates.value(), 1);
    EXPECT_FALSE(w.fra571MX.visible());
    EXPECT_EQ(w.lblClass[2].caption(), "85");
    EXPECT_EQ(w.lblWeight[1].caption(), "L5C");
    EXPECT_EQ(w.lblRates[Cell(1, 1)].caption(), "47.50");
    EXPECT_EQ(w.lblRates[Cell(2, 9)].caption(), "30.50");
    EXPECT_EQ(w.lblRates[Cell(3, 1)].caption(), "");
    EXPECT_EQ(w.lblDiscounts[1].caption(), "65%");
    EXPECT_EQ(w.lblMinimumChargeDiscount.caption(), "65");
    EXPECT_EQ(w.lstMinimumCharges.items(),
              (std::vector<std::string>{"MC Discount = 65%", "", "    >499   75.00",
                                        "SS  >0     145.00"}));
    EXPECT_EQ(s.program.engineRecord.trimmed(engine::H33), "R");
    EXPECT_EQ(s.program.engineRecord.text(engine::H3), " ME1");
    s.driver.Click(w.optAlternation);
    EXPECT_EQ(w.lblRates[Cell(1, 1)].caption(), "201");
    s.driver.Click(w.optBase);
    EXPECT_EQ(s.program.engineRecord.trimmed(engine::H33), "C");
    EXPECT_EQ(w.lblDiscounts[1].caption(), "");
    EXPECT_EQ(w.lstMinimumCharges.items().front(), "");
    s.driver.Click(w.cmdPrint);
    s.driver.Click(w.cmdClose);
  });
  EXPECT_EQ(s.program.ratingState, "Y");
  EXPECT_EQ(s.desktop.printedForms, (std::vector<std::string>{"frmSpeedSheetAlternation"}));
  EXPECT_TRUE(s.desktop.Messages().empty());
}

TEST_F(SpeedSheetTest, WithoutEngineDiscountsItOpensOnBase) {
  settings.EngineDiscountMode = 0;
  Session& s = Lane("30303");
  Open(s, [&](frmSpeedSheetAlternation& w) {
    EXPECT_EQ(w.optBase.value(), 1);
    EXPECT_FALSE(w.optDiscounted.enabled());
    EXPECT_EQ(w.lblDiscounts[1].caption(), "");
    EXPECT_EQ(w.lblMinimumChargeDiscount.caption(), "");
    EXPECT_EQ(s.engine.lastRated().trimmed(engine::H33), "C");
  });
}

TEST_F(SpeedSheetTest, HeavyColumnsAreHiddenAndTheFloorHoldsTheMinimumCharges) {
  settings.MaxTotalWeight = 12000;
  Session& s = Lane("30303");
  s.main.txtDiscount[0].setText("95");
  s.main.txtDiscount[1].setText("");
  Open(s, [&](frmSpeedSheetAlternation& w) {
    for (int j = 1; j <= 9; ++j) {
      EXPECT_EQ(w.lblWeight[j].visible(), j < 7) << j;
      EXPECT_EQ(w.lblDiscounts[j].visible(), j < 7) << j;
      for (int i = 1; i <= 20; ++i) EXPECT_EQ(w.lblRates[Cell(i, j)].visible(), j < 7) << i << j;
    }
    EXPECT_EQ(w.lstMinimumCharges.items(),
              (std::vector<std::string>{"MC Discount = 0%", "", "    >499   95.00*",
                                        "SS  >0     145.00", "", "* = MC Floor"}));
  });
}

TEST_F(SpeedSheetTest, MexicanLaneInTheMexicoLayoutShowsEitherPortion) {
  settings.VersionText = "Version 4.2.571.3";
  Session& s = Lane("06600M");
  ASSERT_TRUE(s.program.Mexico571Mode);
  for (int i : {0, 2}) s.main.txtDiscount[i].setText("");
  s.main.txtDiscount[1].setText("40");
  s.main.txtDiscount[3].setText("10");
  Open(s, [&](frmSpeedSheetAlternation& w) {
    EXPECT_TRUE(w.fra571MX.visible());
    EXPECT_EQ(w.optUSCN.value(), 1);
    EXPECT_EQ(s.engine.lastRated().text(engine::H3), "   P");
    EXPECT_EQ(w.lblDiscounts[1].caption(), "40%");
    s.driver.Click(w.optMX);
    EXPECT_EQ(s.engine.lastRated().text(engine::H3), "   S");
    EXPECT_EQ(w.lblDiscounts[1].caption(), "10%");
  });
  EXPECT_EQ(s.program.engineRecord.text(engine::H3), "   S");
}

TEST_F(SpeedSheetTest, ARefusedBlockShowsNothingOfIt) {
  Session& s = Lane("30303");
  s.engine.SetDefaultRating(testing::ScriptedEngine::Refuse("E1"));
  Open(s, [&](frmSpeedSheetAlternation& w) {
    EXPECT_EQ(w.lblRates[Cell(1, 1)].caption(), "");
    EXPECT_TRUE(w.lstMinimumCharges.items().empty());
  });
  EXPECT_EQ(s.desktop.Messages(), (std::vector<std::string>{"Please call customer service."}));
}

}  // namespace
}  // namespace tarvex::app
