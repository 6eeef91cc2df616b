#include "ui/print_page.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>

#include "ui/qt_desktop.h"

namespace tarvex::ui {

QFont FixedPitchFont() {
  for (const QString& family : QFontDatabase::families())
    if (family.startsWith("Courier", Qt::CaseInsensitive)) {
      QFont font(family, 9);
      font.setStyleHint(QFont::TypeWriter);
      return font;
    }
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(9);
  return font;
}

void RenderPages(QPrinter& printer, const forms::PrintDocument& document) {
  QPainter painter(&printer);
  const QFont regular = FixedPitchFont();
  QFont bold = regular;
  bold.setBold(true);
  painter.setFont(regular);
  const QFontMetrics metrics = painter.fontMetrics();
  const int lineHeight = metrics.lineSpacing();
  const int charWidth = metrics.horizontalAdvance('M');
  bool first = true;
  for (const forms::PrintPage& page : document.pages) {
    if (!first) printer.newPage();
    first = false;
    int y = metrics.ascent();
    for (const forms::PrintLine& line : page.lines) {
      const QString text = FromModel(line.text);
      // Character by character on the grid, so bold never moves a column.
      for (int i = 0; i < text.size(); ++i) {
        bool inBold = false;
        for (const auto& [start, length] : line.bold) inBold = inBold || (i >= start && i < start + length);
        painter.setFont(inBold ? bold : regular);
        painter.drawText(i * charWidth, y, QString(text[i]));
      }
      y += lineHeight;
    }
  }
}

bool WritePdf(const forms::PrintDocument& document, const std::string& file, std::string* error) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(file));
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageMargins(QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
  printer.setDocName(FromModel(document.title));
  RenderPages(printer, document);
  if (!QFileInfo(QString::fromStdString(file)).isFile()) {
    if (error != nullptr) *error = "The PDF file " + file + " could not be written.";
    return false;
  }
  return true;
}

}  // namespace tarvex::ui
