#include "print/print_page.h"

#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>

#include "base/files.h"
#include "base/text.h"

namespace tarvex::print {

namespace {

// Page text is single-byte Windows-1252, as the data files hold it.
QString FromModel(const std::string& text) {
  return QString::fromStdString(base::Cp1252ToUtf8(text));
}

}  // namespace

QFont FixedPitchFont() {
  for (const QString& family : QFontDatabase::families())
    if (family.startsWith("Courier", Qt::CaseInsensitive)) {
      QFont font(family, kPagePointSize);
      font.setStyleHint(QFont::TypeWriter);
      return font;
    }
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(kPagePointSize);
  return font;
}

void SetPageLayout(QPagedPaintDevice& device) {
  device.setPageSize(QPageSize(QPageSize::Letter));
  // 96 columns of a 10-point fixed face are 8 inches: a quarter inch either side is left.
  device.setPageMargins(QMarginsF(6.35, 12.7, 6.35, 12.7), QPageLayout::Millimeter);
}

void RenderPages(QPagedPaintDevice& device, const forms::PrintDocument& document) {
  QPainter painter(&device);
  const QFont regular = FixedPitchFont();
  QFont bold = regular;
  bold.setBold(true);
  painter.setFont(regular);
  const QFontMetrics metrics = painter.fontMetrics();
  const int lineHeight = metrics.lineSpacing();
  const int charWidth = metrics.horizontalAdvance('M');
  bool first = true;
  for (const forms::PrintPage& page : document.pages) {
    if (!first) device.newPage();
    first = false;
    // A page with more lines or wider lines than the paper holds at the page's point size (a
    // rate sheet page) is printed smaller as a whole, so that no line runs off the paper.
    std::size_t widest = 0;
    for (const forms::PrintLine& line : page.lines) widest = std::max(widest, line.text.size());
    const double tall = static_cast<double>(page.lines.size()) * lineHeight;
    const double wide = static_cast<double>(widest) * charWidth;
    double scale = 1.0;
    if (tall > device.height()) scale = device.height() / tall;
    if (wide > device.width()) scale = std::min(scale, device.width() / wide);
    painter.resetTransform();
    painter.scale(scale, scale);
    int y = metrics.ascent();
    for (const forms::PrintLine& line : page.lines) {
      const QString text = FromModel(line.text);
      // Character by character on the grid, so bold never moves a column.
      for (int i = 0; i < text.size(); ++i) {
        bool inBold = false;
        for (const auto& [start, length] : line.bold)
          inBold = inBold || (i >= start && i < start + length);
        painter.setFont(inBold ? bold : regular);
        painter.drawText(i * charWidth, y, QString(text[i]));
      }
      y += lineHeight;
    }
  }
}

bool WritePdf(const forms::PrintDocument& document, const std::string& file, std::string* error) {
  // The pages go to a scratch file first; the PDF then replaces its file in one step, so a
  // full disk or a read-only folder never leaves half a file where a whole one stood.
  const QTemporaryDir scratch;
  const QString pages = scratch.filePath("pages.pdf");
  std::string content;
  if (scratch.isValid()) {
    // The dots per inch of a high-resolution printer, as the printed pages have.
    QPdfWriter writer(pages);
    writer.setResolution(1200);
    SetPageLayout(writer);
    writer.setTitle(FromModel(document.title));
    RenderPages(writer, document);
  }
  QFile written(pages);
  if (written.open(QIODevice::ReadOnly)) content = written.readAll().toStdString();
  // The PDF writer says nothing of a full disk: a whole PDF ends with its trailer.
  const auto trailer = content.rfind("%%EOF");
  const bool whole = trailer != std::string::npos && content.size() - trailer <= 7;
  std::string why;
  if (!whole || !base::WriteFileAtomic(file, content, &why)) {
    if (error != nullptr)
      *error = "The PDF file " + file + " could not be written" + (why.empty() ? "." : ": " + why);
    return false;
  }
  return true;
}

}  // namespace tarvex::print
