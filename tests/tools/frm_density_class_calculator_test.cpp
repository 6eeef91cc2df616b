// The density class calculator headless, on the demo carrier's density tables.
#include "tools/frm_density_class_calculator.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/window_test.h"

namespace tarvex::tools {
namespace {

class CalculatorTest : public testing::WindowTest {
 protected:
  CalculatorTest() : WindowTest(testing::ScratchDir::Contents::Demo) {}
  void Open(const std::function<void(frmDensityClassCalculator&, forms::Driver&)>& act,
            char separator = '.') {
    frmDensityClassCalculator window(runtime_, programDir_, separator, "");
    WhileOpen(window, [&] { act(window, driver_); });
  }
};

TEST_F(CalculatorTest, APalletGivesItsDensityAndClass) {
  Open([&](frmDensityClassCalculator& w, forms::Driver& d) {
    EXPECT_EQ(w.lblDensity.caption(), "Shipment Density (lbs/cu in)");
    for (const auto& [box, text] :
         {std::pair{&w.txtLength, "48"}, {&w.txtWidth, "40"}, {&w.txtHeight, "48"}}) {
      d.Type(*box, text);
      d.PressEnter(*box);
    }
    d.Type(w.txtWeight, "500");
    EXPECT_EQ(w.txtDensity.text(), "9.38");
    EXPECT_EQ(w.lblClass.caption(), "100");
    // A density typed over the computed one is looked up the same way.
    d.Replace(w.txtDensity, "22.5");
    EXPECT_EQ(w.lblClass.caption(), "65");
    d.Click(w.cmdClose);
  });
  EXPECT_TRUE(desktop_.Messages().empty());
}

TEST_F(CalculatorTest, DimensionLimitsInBothUnitsAndTheUnitSwitch) {
  Open([&](frmDensityClassCalculator& w, forms::Driver& d) {
    d.Type(w.txtHeight, "350");
    EXPECT_EQ(w.txtHeight.text(), "350");
    d.Replace(w.txtHeight, "351");
    EXPECT_EQ(w.txtHeight.text(), "");
    d.Type(w.txtLength, "48");
    d.Type(w.txtWeight, "500");
    d.Click(w.chkMeters);
    EXPECT_EQ(w.lblLength.caption(), "Length (m)");
    EXPECT_EQ(w.lblDensity.caption(), "Shipment Density (lbs/cu m)");
    for (const forms::TextBox* box :
         {&w.txtLength, &w.txtWidth, &w.txtHeight, &w.txtWeight, &w.txtDensity})
      EXPECT_EQ(box->text(), "") << box->name();
    d.Type(w.txtHeight, "8.9");
    EXPECT_EQ(w.txtHeight.text(), "8.9");
    d.Replace(w.txtHeight, "8.91");
    EXPECT_EQ(w.txtHeight.text(), "");
    d.Click(w.cmdClose);
  });
  EXPECT_EQ(desktop_.Messages(), (std::vector<std::string>{"Invalid Height", "Invalid Height"}));
}

TEST_F(CalculatorTest, ACommaLocaleMetricShipmentAndTheSwitchBack) {
  Open(
      [&](frmDensityClassCalculator& w, forms::Driver& d) {
        d.Click(w.chkMeters);
        d.Type(w.txtLength, "1.2");  // the point key types the comma
        EXPECT_EQ(w.txtLength.text(), "1,2");
        d.Type(w.txtWidth, "1");
        d.Type(w.txtHeight, "1,2");
        d.Type(w.txtWeight, "500");
        EXPECT_EQ(w.txtDensity.text(), "347,22");
        EXPECT_EQ(w.lblClass.caption(), "100");  // from the metric table
        // Back to inches: the labels say so and the metric class goes.
        d.Click(w.chkMeters);
        EXPECT_EQ(w.lblHeight.caption(), "Height (in)");
        EXPECT_EQ(w.lblDensity.caption(), "Shipment Density (lbs/cu ft)");
        EXPECT_EQ(w.lblClass.caption(), "");
        d.Click(w.cmdClose);
      },
      ',');
}

TEST_F(CalculatorTest, AMissingTableIsNamedOnce) {
  std::filesystem::remove(dir_ / "dencls.dat");
  Open([&](frmDensityClassCalculator& w, forms::Driver& d) {
    d.Type(w.txtDensity, "9.38");
    EXPECT_EQ(w.lblClass.caption(), "");
    d.Click(w.cmdClose);
  });
  EXPECT_EQ(desktop_.Messages(),
            (std::vector<std::string>{"The density table " + (dir_ / "dencls.dat").string() +
                                      " could not be found."}));
}

}  // namespace
}  // namespace tarvex::tools
