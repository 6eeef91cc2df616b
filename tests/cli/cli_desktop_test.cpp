// What a window that prints itself or asks for a file meets on the command line.
#include "cli/cli_desktop.h"

#include <gtest/gtest.h>

#include "forms/common_dialog.h"
#include "forms/form.h"
#include "forms/runtime.h"

namespace tarvex::cli {
namespace {

TEST(CliDesktopTest, AWindowCannotBePrintedAndSaysSo) {
  CliDesktop desktop;
  forms::Runtime runtime(desktop);
  forms::Form sheet(runtime, "frmSpeedSheet");
  EXPECT_EQ(desktop.PrintForm(sheet), forms::PrintResult::Failed);
  const std::vector<std::string> messages = desktop.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages.front().find("frmSpeedSheet"), std::string::npos);
  EXPECT_NE(messages.front().find("command line"), std::string::npos);
}

TEST(CliDesktopTest, AFileChooserIsCancelled) {
  CliDesktop desktop;
  forms::CommonDialog chooser(desktop);
  chooser.setFileName("RATES.PRN");
  EXPECT_EQ(chooser.ShowOpen(), forms::CommonDialog::Result::Cancelled);
  chooser.setCancelError(true);
  EXPECT_EQ(chooser.ShowSave(), forms::CommonDialog::Result::CancelError);
  EXPECT_EQ(chooser.fileName(), "RATES.PRN");
}

}  // namespace
}  // namespace tarvex::cli
