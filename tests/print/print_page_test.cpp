// The printed page: 96 fixed-pitch columns on the paper, and a PDF written whole, a page for
// every page.
#include "print/print_page.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <filesystem>
#include <regex>
#include <string>

#include "base/files.h"
#include "support/program_dir.h"

namespace tarvex::print {
namespace {

namespace fs = std::filesystem;

class PrintPageTest : public ::testing::Test {
 protected:
  static forms::PrintDocument Pages(int count) {
    forms::PrintDocument document{"Quote", {}};
    for (int p = 0; p < count; ++p) {
      forms::PrintPage page;
      page.lines.push_back({std::string(96, 'M'), {{0, 10}}});
      page.lines.push_back({"Page " + std::to_string(p + 1), {}});
      document.pages.push_back(page);
    }
    return document;
  }

  testing::ScratchDir scratch_;
  const fs::path dir_ = scratch_.path();
};

TEST_F(PrintPageTest, NinetySixColumnsOfTheTenPointFixedFaceFitThePaper) {
  const QFont font = FixedPitchFont();
  EXPECT_EQ(font.pointSize(), kPagePointSize);
  QPdfWriter writer(QString::fromStdString((dir_ / "layout.pdf").string()));
  writer.setResolution(1200);
  SetPageLayout(writer);
  QPainter painter(&writer);
  painter.setFont(font);
  const QRect paper = writer.pageLayout().paintRectPixels(writer.resolution());
  EXPECT_LE(96 * painter.fontMetrics().horizontalAdvance('M'), paper.width());
  // Letter paper, a quarter inch left either side of the 8-inch line.
  EXPECT_EQ(writer.pageLayout().pageSize().id(), QPageSize::Letter);
  EXPECT_NEAR(writer.pageLayout().margins(QPageLayout::Inch).left(), 0.25, 1e-3);
  EXPECT_NEAR(writer.pageLayout().margins(QPageLayout::Inch).right(), 0.25, 1e-3);
}

TEST_F(PrintPageTest, APdfHoldsEveryPageAndEndsWithItsTrailer) {
  for (int count : {1, 3}) {
    const fs::path file = dir_ / ("pages" + std::to_string(count) + ".pdf");
    std::string error;
    ASSERT_TRUE(WritePdf(Pages(count), file.string(), &error)) << error;
    const std::string pdf = base::FileToString(file);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 7), std::string::npos);
    const std::regex page("/Type /Page[^s]");
    EXPECT_EQ(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()),
        count);
  }
}

TEST_F(PrintPageTest, AFileThatCannotBeWrittenIsNamedAndNothingIsLeft) {
  const fs::path file = dir_ / "no such folder" / "quote.pdf";
  std::string error;
  EXPECT_FALSE(WritePdf(Pages(1), file.string(), &error));
  EXPECT_NE(error.find(file.string()), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(file.parent_path()));
}

}  // namespace
}  // namespace tarvex::print

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
