// The bill of lading headless: the carrier heading, shipper.dat, the check-box pairs and keys.
#include "tools/frm_bol.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "support/window_test.h"
#include "tools/shipper_file.h"

namespace tarvex::tools {
namespace {

class BolTest : public testing::WindowTest {
 protected:
  BolTest() {
    settings_.CarrierName = "Kestrel Ridge Freight Lines                       ";
    settings_.CarrierStreet = "1200 Prairie Gateway Drive ";
    settings_.CarrierCity = "Kansas City ";
    settings_.CarrierState = "MO";
    settings_.CarrierPostalCode = "64120     ";
  }
  void Open(const std::function<void(frmBOL&, forms::Driver&)>& act) {
    frmBOL window(runtime_, programDir_, settings_, "");
    WhileOpen(window, [&] { act(window, driver_); });
  }
  pricing::SettingsRecord settings_;
};

TEST_F(BolTest, ShipperDetailsAreSavedAndComeBack) {
  Open([&](frmBOL& w, forms::Driver& d) {
    EXPECT_EQ(w.caption(), "Kestrel Ridge Freight Lines - Bill of Lading");
    EXPECT_EQ(w.lblCarrierAddress.caption(), "1200 Prairie Gateway Drive - Kansas City, MO  64120");
    for (const forms::TextBox* box : {&w.txtShipper, &w.txtName, &w.txt3rdCSZ})
      EXPECT_EQ(box->text(), "");
    d.Type(w.txtName, "Acme, Inc.");
    d.Type(w.txt3rdCSZ, "Omaha, NE 68102");
    d.Click(w.mnuSSI);
    d.Click(w.mnuExit);
  });
  EXPECT_EQ(desktop_.Messages(), (std::vector<std::string>{"Shipper Information Saved"}));
  Open([&](frmBOL& w, forms::Driver& d) {
    EXPECT_EQ(w.txtName.text(), "Acme, Inc.");
    EXPECT_EQ(w.txt3rdCSZ.text(), "Omaha, NE 68102");
    EXPECT_EQ(w.txtAddress.text(), "");
    d.Click(w.mnuExit);
  });
}

TEST_F(BolTest, AFieldThatCannotBeKeptIsRefusedAndTheFileStays) {
  Put(kShipperFileName, "\"A1\"\r\n");
  Open([&](frmBOL& w, forms::Driver& d) {
    EXPECT_EQ(w.txtShipper.text(), "A1");
    w.txtAddress.setText("Dock 4\nRear");  // pasted from two lines
    d.Click(w.mnuSSI);
    d.Click(w.mnuExit);
  });
  ASSERT_EQ(desktop_.Messages().size(), 1U);
  EXPECT_NE(desktop_.Messages()[0].find("shipper address holds a line break"), std::string::npos);
  EXPECT_EQ(base::FileToString(dir_ / kShipperFileName), "\"A1\"\r\n");
}

TEST_F(BolTest, CheckPairsUpperCaseEnterAndPrint) {
  Open([&](frmBOL& w, forms::Driver& d) {
    d.Click(w.Check1);
    d.Click(w.Check2);
    EXPECT_EQ(w.Check1.value(), 0);
    EXPECT_EQ(w.Check2.value(), 1);
    d.Click(w.Check2);  // unticking leaves the partner alone
    EXPECT_EQ(w.Check1.value(), 0);
    d.Click(w.Check3);
    d.Click(w.Check4);
    EXPECT_EQ(w.Check3.value(), 0);

    d.Type(w.Text1, "bol-17a");
    d.Type(w.Text49, "y");
    d.Type(w.txtName, "acme");
    EXPECT_EQ(w.Text1.text(), "BOL-17A");
    EXPECT_EQ(w.Text49.text(), "Y");
    EXPECT_EQ(w.txtName.text(), "acme");
    d.PressEnter(w.txtName);
    EXPECT_EQ(runtime_.ActiveControl(), &w.txtAddress);
    d.Focus(w.Option2);
    d.PressEnter(w.Option2);
    EXPECT_EQ(runtime_.ActiveControl(), &w.txt3rdCSZ);

    d.Click(w.mnuprtscr);
    d.Click(w.mnuExit);
  });
  EXPECT_EQ(desktop_.printedForms, (std::vector<std::string>{"frmBOL"}));
  EXPECT_FALSE(std::filesystem::exists(dir_ / kShipperFileName));
}

}  // namespace
}  // namespace tarvex::tools
