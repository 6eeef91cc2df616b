// Opening a document of the program directory: the two messages and the order of the steps.
#include "tools/view_file.h"

#include <gtest/gtest.h>

#include "support/window_test.h"

namespace tarvex::tools {
namespace {

class ViewFileTest : public testing::WindowTest {};

TEST_F(ViewFileTest, MissingUnknownFailedAndOpened) {
  const std::string help = (dir_ / "Help.pdf").string();
  ViewFile(runtime_, programDir_, kHelpFileName, "Tarvex Rating System");
  ASSERT_EQ(desktop_.shown.size(), 1U);
  EXPECT_EQ(desktop_.shown[0].text,
            "Unable to locate file:\n" + help + "\n\nPlease verify the file exists.");
  EXPECT_EQ(desktop_.shown[0].title, "Tarvex Rating System");
  EXPECT_TRUE(desktop_.opened.empty());

  Put("Help.pdf", "%PDF-1.4");
  const std::string rules = Put("rules.xyz", "?").string();
  desktop_.openResult = forms::OpenResult::NoAssociatedProgram;
  desktop_.log.clear();
  ViewFile(runtime_, programDir_, "rules.xyz", "Tarvex");
  EXPECT_EQ(desktop_.log, (std::vector<std::string>{
                              "open file: " + rules,
                              "message: The following file has an unknown File Extension:\n" +
                                  rules + "\n\nUnable to find an associated program to view it.",
                              "choose program: " + rules}));

  desktop_.openResult = forms::OpenResult::Failed;
  desktop_.shown.clear();
  ViewFile(runtime_, programDir_, kHelpFileName, "Tarvex");
  ASSERT_EQ(desktop_.Messages().size(), 1U);
  EXPECT_EQ(desktop_.Messages()[0].rfind("Unable to open file:\n" + help, 0), 0U);

  desktop_.openResult = forms::OpenResult::Opened;
  desktop_.shown.clear();
  ViewFile(runtime_, programDir_, "HELP.PDF", "Tarvex");
  EXPECT_TRUE(desktop_.shown.empty());
  EXPECT_EQ(desktop_.opened.back(), help);
}

}  // namespace
}  // namespace tarvex::tools
