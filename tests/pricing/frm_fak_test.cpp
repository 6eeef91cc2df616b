// The FAK window headless: editing, validation, saving and cancelling.
#include "pricing/frm_fak.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/files.h"
#include "support/window_test.h"

namespace tarvex::pricing {
namespace {

namespace fs = std::filesystem;

class FakWindowTest : public testing::WindowTest {
 protected:
  void SetUp() override { fak_.FakTable = classes_; }
  // Opens the window, lets `edit` work in it, and returns when it has closed.
  void Open(const std::function<void(frmFAK&, forms::Driver&)>& edit, bool mexico = false) {
    frmFAK window(runtime_, programDir_, classes_, fak_, mexico, "");
    WhileOpen(window, [&] { edit(window, driver_); });
  }
  ClassTable classes_ = StandardClassTable();
  FakState fak_;
};

// Turning substitution back off is FakFile.SavingAChangeSwitchesSubstitutionOnAndBackOff.
TEST_F(FakWindowTest, SavingASubstitutionWritesTheTableAndTurnsItOn) {
  Open([](frmFAK& w, forms::Driver& d) {
    EXPECT_EQ(w.cboClass[8].text(), "100");
    EXPECT_EQ(w.cboClass[7].items()[7], "92");
    EXPECT_EQ(w.lblClass[5].caption(), "Class 77.5");
    d.Replace(w.cboClass[8], "85");
    d.Click(w.cmdSaveFAK);
  });
  EXPECT_EQ(fak_.FakTable[8], 85);
  EXPECT_EQ(fak_.FakInEffect, 'Y');
  EXPECT_EQ(base::FileLength(dir_ / "fak.dat"), 36);
  Open([](frmFAK& w, forms::Driver& d) {
    EXPECT_EQ(w.cboClass[8].text(), "85");  // the table in force, not the class list
    d.Click(w.cmdIgnore);
  });
  EXPECT_TRUE(desktop_.Messages().empty());
}

TEST_F(FakWindowTest, AClassOutsideTheTableIsRefusedAndCancelKeepsTheTable) {
  Open([&](frmFAK& w, forms::Driver& d) {
    d.Replace(w.cboClass[0], "90");
    d.Tab();
    EXPECT_EQ(desktop_.Messages(), (std::vector<std::string>{"Invalid Class"}));
    EXPECT_EQ(runtime_.ActiveControl(), &w.cboClass[0]);
    d.Click(w.cmdIgnore);  // the cancel button does not check the box
  });
  EXPECT_EQ(desktop_.Messages().size(), 1U);
  EXPECT_EQ(fak_.FakTable[0], 50);
  EXPECT_FALSE(fs::exists(dir_ / "fak.dat"));
}

TEST_F(FakWindowTest, MexicoLayoutShowsTheDisclaimer) {
  Open(
      [](frmFAK& w, forms::Driver& d) {
        EXPECT_TRUE(w.lblDisclaimer.visible());
        EXPECT_EQ(w.height(), 5110);
        d.Click(w.cmdIgnore);
      },
      true);
  Open([](frmFAK& w, forms::Driver& d) {
    EXPECT_FALSE(w.lblDisclaimer.visible());
    d.Click(w.cmdIgnore);
  });
}

TEST_F(FakWindowTest, ATableThatCannotBeWrittenIsReportedAndKept) {
  fs::create_directories(dir_ / "fak.dat");  // a directory where the file should go
  Open([&](frmFAK& w, forms::Driver& d) {
    d.Replace(w.cboClass[8], "85");
    d.Click(w.cmdSaveFAK);
    EXPECT_TRUE(w.visible());
    d.Click(w.cmdIgnore);
  });
  ASSERT_EQ(desktop_.Messages().size(), 1U);
  EXPECT_NE(desktop_.Messages()[0].find("could not be saved"), std::string::npos);
  EXPECT_EQ(fak_.FakTable[8], 100);
}

}  // namespace
}  // namespace tarvex::pricing
