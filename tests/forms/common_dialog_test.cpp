// The file chooser's filter and its cancel: what a window that asks for a file relies on.
#include "forms/common_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_desktop.h"

namespace tarvex::forms {
namespace {

TEST(FileFilterTest, SplitsPairsAndPatternLists) {
  struct Case {
    std::string filter;
    std::vector<FileFilter> expected;
  };
  const std::vector<Case> cases = {
      {"Text Files (*.txt)|*.txt|All Files (*.*)|*.*",
       {{"Text Files (*.txt)", {"*.txt"}}, {"All Files (*.*)", {"*.*"}}}},
      // The rate sheet's output file: patterns alone, no description.
      {"*.prn;*.txt;*.csv", {{"", {"*.prn", "*.txt", "*.csv"}}}},
      {"Rate sheets|*.prn; *.txt ;", {{"Rate sheets", {"*.prn", "*.txt"}}}},
      {"Pictures|*.bmp;*.jpg|*.*", {{"Pictures", {"*.bmp", "*.jpg"}}, {"", {"*.*"}}}},
      {"", {{"", {"*.*"}}}},
      {"   ", {{"", {"*.*"}}}},
      // A description without patterns would show no file at all.
      {"Nothing|", {{"", {"*.*"}}}},
      {"Nothing||Text|*.txt", {{"Text", {"*.txt"}}}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseFileFilter(c.filter), c.expected) << c.filter;
}

TEST(FileFilterTest, EveryEntryHasPatternsWithoutSeparatorsOrBlanks) {
  for (const char* filter : {"a|b|c", "|;|;", "x|;;*.a;;", "*.a|", "|", ";", "d|*.a|e|*.b|f"}) {
    const std::vector<FileFilter> entries = ParseFileFilter(filter);
    ASSERT_FALSE(entries.empty()) << filter;
    for (const FileFilter& e : entries) {
      ASSERT_FALSE(e.patterns.empty()) << filter;
      for (const std::string& p : e.patterns) {
        EXPECT_FALSE(p.empty()) << filter;
        EXPECT_EQ(p.find_first_of("|; "), std::string::npos) << filter << ": " << p;
      }
    }
  }
}

class CommonDialogTest : public ::testing::Test {
 protected:
  CommonDialogTest() {
    dialog.setFilter("*.prn;*.txt;*.csv");
    dialog.setInitDirectory("/opt/tarvex");
    dialog.setDialogTitle("Output File");
    dialog.setFileName("/opt/tarvex/RATES.PRN");
  }
  testing::ScriptedDesktop desktop;
  CommonDialog dialog{desktop};
};

TEST_F(CommonDialogTest, TheDesktopIsAskedWithTheWindowsSettings) {
  desktop.fileAnswers.push_back("/home/rates/march.csv");
  EXPECT_EQ(dialog.ShowSave(), CommonDialog::Result::Chosen);
  ASSERT_EQ(desktop.fileRequests.size(), 1u);
  const FileRequest& asked = desktop.fileRequests.front();
  EXPECT_EQ(asked.purpose, FileRequest::Purpose::Save);
  EXPECT_EQ(asked.title, "Output File");
  EXPECT_EQ(asked.filter, "*.prn;*.txt;*.csv");
  EXPECT_EQ(asked.initDirectory, "/opt/tarvex");
  EXPECT_EQ(asked.fileName, "/opt/tarvex/RATES.PRN");
  EXPECT_EQ(dialog.fileName(), "/home/rates/march.csv");

  desktop.fileAnswers.push_back("/home/rates/april.csv");
  EXPECT_EQ(dialog.ShowOpen(), CommonDialog::Result::Chosen);
  EXPECT_EQ(desktop.fileRequests.back().purpose, FileRequest::Purpose::Open);
  // The name chosen last time is the one proposed next.
  EXPECT_EQ(desktop.fileRequests.back().fileName, "/home/rates/march.csv");
  EXPECT_EQ(dialog.fileName(), "/home/rates/april.csv");
}

TEST_F(CommonDialogTest, ACancelKeepsTheNameAndIsAnErrorOnlyWhenAskedFor) {
  struct Case {
    bool cancelError;
    std::optional<std::string> answer;
    CommonDialog::Result expected;
  };
  for (const Case& c : {Case{false, std::nullopt, CommonDialog::Result::Cancelled},
                        Case{true, std::nullopt, CommonDialog::Result::CancelError},
                        // An empty answer names no file: a cancel too.
                        Case{false, std::string(), CommonDialog::Result::Cancelled},
                        Case{true, std::string(), CommonDialog::Result::CancelError}}) {
    dialog.setCancelError(c.cancelError);
    desktop.fileAnswers.push_back(c.answer);
    EXPECT_EQ(dialog.ShowOpen(), c.expected) << c.cancelError;
    EXPECT_EQ(dialog.fileName(), "/opt/tarvex/RATES.PRN");
  }
  // The error is for a cancel only: a chosen file is a chosen file.
  desktop.fileAnswers.push_back("/tmp/out.txt");
  EXPECT_EQ(dialog.ShowOpen(), CommonDialog::Result::Chosen);
}

}  // namespace
}  // namespace tarvex::forms
