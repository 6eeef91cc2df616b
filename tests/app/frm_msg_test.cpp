// The rate sheet production window on the demo data with the real engine.
#include "app/frm_msg.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/files.h"
#include "support/demo_program.h"

namespace tarvex::app {
namespace {

class FrmMsg : public ::testing::Test {
 protected:
  void SetUp() override {
    p_.Start();
    ASSERT_TRUE(p_.desktop.Messages().empty()) << p_.desktop.Messages()[0];
    ratesheet::RateSheetRequest& r = p_.program.rateSheetRequest;
    r.HeadlineCode = "64120";
    const char* classes[] = {" 50", " 55", " 60", " 65", " 70", " 77", " 85", " 92", "100",
                             "110", "125", "150", "175", "200", "250", "300", "400", "500"};
    for (std::size_t i = 0; i < 18; ++i) r.RateSheetClassCodes.at(i) = classes[i];
    r.ClassSelected[0] = r.ClassSelected[8] = true;
    r.WeightSelected[0] = r.WeightSelected[1] = r.WeightSelected[2] = true;
    window_.setHeaderTexts({"", "Kestrel Ridge Freight Lines", "LTL Rate Sheet", "", ""});
    window_.setHeadlineText("64120");
    window_.setWeightCaptions({"L5C", "5C", "1M", "2M", "5M", "10M", "20M", "30M", "40M"});
  }
  void Range(const char* low, const char* high) {
    p_.program.rateSheetRequest.SidelineLow[0] = low;
    p_.program.rateSheetRequest.SidelineHigh[0] = high;
  }
  // Opens the window, lets `act` work in it, and returns what it said.
  std::vector<std::string> Run(const std::function<void()>& act) {
    p_.desktop.shown.clear();
    p_.desktop.modalScripts["frmMsg"] = [&](forms::Form&) { act(); };
    window_.ShowModal();
    return p_.desktop.Messages();
  }
  std::filesystem::path ExportFile() const { return p_.scratch.path() / "RATES.PRN"; }

  testing::DemoProgram p_;
  frmMsg window_{p_.program};
};

TEST_F(FrmMsg, CancelWhileIdleClosesAndNoOutputStartsNothing) {
  Range("300", "300");
  bool stillOpen = false;
  const auto said = Run([&] {
    p_.driver.Click(window_.cmdDoRate);
    stillOpen = window_.loaded() && window_.cmdDoRate.enabled();
    p_.driver.Click(window_.cmdCancelPrint);
  });
  EXPECT_EQ(said, std::vector<std::string>{"Choose an Output Option"});
  EXPECT_TRUE(stillOpen);
  EXPECT_FALSE(window_.loaded());
  EXPECT_TRUE(p_.desktop.printed.empty());
}

TEST_F(FrmMsg, ASplitCodeOfTheDemoTariffPrintsAndExportsItsNotes) {
  Range("303", "304");
  const auto said = Run([&] {
    EXPECT_TRUE(window_.Check3.visible());
    p_.driver.Click(window_.Check1);
    p_.driver.Click(window_.Check3);
    EXPECT_EQ(window_.lblEFFFile.caption(), ExportFile().string());
    p_.driver.Click(window_.cmdDoRate);
  });
  EXPECT_EQ(said, std::vector<std::string>{"Processing Complete"});
  EXPECT_FALSE(window_.loaded());
  EXPECT_GE(p_.desktop.doEvents, 2);
  const std::string exported = base::FileToString(ExportFile());
  const std::string minimum = exported.substr(23, 5);
  EXPECT_NE(exported.find("64120  MO T 303 GA     " + minimum), std::string::npos) << exported;
  EXPECT_NE(exported.find("64120  MO T 304 GA    1" + minimum), std::string::npos) << exported;
  EXPECT_NE(exported.find("Note    1 Applies 00-49,80-99\r\nNote    2 Applies 50-79\r\n"),
            std::string::npos)
      << exported;
  ASSERT_EQ(p_.desktop.printed.size(), 1U);
  std::string page;
  for (const auto& line : p_.desktop.printed[0].pages.at(0).lines) page += line.text + "\n";
  EXPECT_NE(page.find("|  Note    2 : Apply for 50-79 "), std::string::npos) << page;
  EXPECT_NE(page.find("|OUTBOUND FROM:64120  MO"), std::string::npos) << page;
}

TEST_F(FrmMsg, CancelDuringARunStopsBeforeTheNextCodeAndKeepsTheOldFile) {
  Range("300", "310");
  ASSERT_TRUE(base::WriteFileAtomic(ExportFile(), "the last sheet\r\n"));
  p_.desktop.onDoEvents = [&] {
    if (p_.desktop.doEvents == 2) p_.driver.Click(window_.cmdCancelPrint);
  };
  const auto said = Run([&] {
    p_.driver.Click(window_.Check3);
    p_.driver.Click(window_.cmdDoRate);
  });
  EXPECT_TRUE(said.empty()) << said[0];
  EXPECT_EQ(p_.desktop.doEvents, 2);
  EXPECT_FALSE(window_.loaded());
  EXPECT_EQ(base::FileToString(ExportFile()), "the last sheet\r\n");
}

}  // namespace
}  // namespace tarvex::app
