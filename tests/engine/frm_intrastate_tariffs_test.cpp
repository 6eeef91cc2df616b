// The intrastate tariff chooser: one box per tariff that asks, the layout rule, the choice.
#include "engine/frm_intrastate_tariffs.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/window_test.h"

namespace tarvex::engine {
namespace {

namespace fs = std::filesystem;

class ChooserTest : public testing::WindowTest {
 protected:
  ChosenStates chosen_{};
};

TEST_F(ChooserTest, TicksBecomeTheChosenStates) {
  std::ofstream(dir_ / "tariffs.dat")
      << "USKRUS2026 Interstate\r\nTXKRTX2026YTexas Intrastate Tariff\r\n"
         "CAKRCA2026Y\r\n";
  frmIntrastateTariffs window(runtime_, programDir_, chosen_);
  WhileOpen(window, [&] {
    EXPECT_EQ(window.used(), 2);
    EXPECT_EQ(window.chkIntrastateTariff[1].caption(), "Use Texas Intrastate Tariff?");
    EXPECT_TRUE(window.chkIntrastateTariff[2].visible());
    EXPECT_FALSE(window.chkIntrastateTariff[3].visible());
    EXPECT_EQ(window.cmdOK.top(), window.chkIntrastateTariff[2].top() + 480);
    EXPECT_EQ(window.height(), window.cmdOK.top() + 885);
    driver_.Click(window.chkIntrastateTariff[2]);
    driver_.Click(window.cmdOK);
  });
  EXPECT_EQ(chosen_[0], "");
  EXPECT_EQ(chosen_[1], "CA");
}

TEST_F(ChooserTest, NothingToChooseClosesAtOnce) {
  frmIntrastateTariffs window(runtime_, programDir_, chosen_);  // no tariffs.dat at all
  window.ShowModal();
  EXPECT_FALSE(window.visible());
  for (const std::string& entry : desktop_.log) EXPECT_NE(entry, "modal: frmIntrastateTariffs");
}

}  // namespace
}  // namespace tarvex::engine
