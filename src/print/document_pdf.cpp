#include "print/document_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>

#include "base/files.h"

namespace tarvex::print {

namespace {

// The widest a picture may be, in the document's pixels: a screenshot wider than the page's
// text is shrunk to it, keeping its proportions.
constexpr double kMaxPictureWidth = 600.0;
// The document is laid out in screen pixels and drawn on paper of this resolution.
constexpr double kDocumentDotsPerInch = 96.0;
constexpr int kDotsPerInch = 300;
constexpr double kFooterHeight = 30.0;

void FitPictures(QTextDocument& document) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.charFormat().isImageFormat()) continue;
      QTextImageFormat image = fragment.charFormat().toImageFormat();
      const QVariant resource = document.resource(QTextDocument::ImageResource, image.name());
      const QImage picture = resource.value<QImage>();
      if (picture.isNull() || picture.width() <= kMaxPictureWidth) continue;
      const double scale = kMaxPictureWidth / picture.width();
      image.setWidth(kMaxPictureWidth);
      image.setHeight(picture.height() * scale);
      QTextCursor cursor(&document);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(image);
    }
  }
}

}  // namespace

bool WriteMarkdownPdf(const std::filesystem::path& markdown, const std::filesystem::path& pdf,
                      const std::string& title, std::string* error) {
  const auto fail = [&](const std::string& why) {
    if (error != nullptr) *error = why;
    return false;
  };
  QFile source(QString::fromStdString(markdown.string()));
  if (!source.open(QIODevice::ReadOnly))
    return fail("The document " + markdown.string() + " cannot be read.");
  QTextDocument document;
  document.setBaseUrl(
      QUrl::fromLocalFile(QString::fromStdString(markdown.parent_path().string()) + "/"));
  QFont body = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  body.setPointSize(10);
  document.setDefaultFont(body);
  document.setMarkdown(QString::fromUtf8(source.readAll()));
  // Pictures the document names must be there: a guide with holes is not written.
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (!format.isImageFormat()) continue;
      const QString name = format.toImageFormat().name();
      if (document.resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>().isNull())
        return fail("The document " + markdown.string() + " shows the picture " +
                    name.toStdString() + ", which cannot be read.");
    }
  FitPictures(document);

  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&bytes);
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator("Tarvex");
    writer.setResolution(kDotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    // The document keeps its screen units; each page is drawn scaled to the paper, with room
    // for the page number below it.
    const QRectF paper = writer.pageLayout().paintRectPixels(writer.resolution());
    const double scale = kDotsPerInch / kDocumentDotsPerInch;
    const QSizeF page(paper.width() / scale, paper.height() / scale - kFooterHeight);
    document.setPageSize(page);
    const int pages = document.pageCount();
    QPainter painter(&writer);
    for (int p = 0; p < pages; ++p) {
      if (p > 0) writer.newPage();
      painter.save();
      painter.scale(scale, scale);
      painter.translate(0, -p * page.height());
      document.drawContents(&painter, QRectF(QPointF(0, p * page.height()), page));
      painter.restore();
      painter.save();
      painter.scale(scale, scale);
      QFont footer = body;
      footer.setPixelSize(12);  // document pixels, like the page it stands under
      painter.setFont(footer);
      painter.drawText(QRectF(0, page.height(), page.width(), kFooterHeight),
                       Qt::AlignRight | Qt::AlignBottom, QString::number(p + 1));
      painter.restore();
    }
  }
  std::string why;
  if (!base::WriteFileAtomic(pdf, bytes.data().toStdString(), &why))
    return fail("The PDF file " + pdf.string() + " could not be written: " + why);
  return true;
}

}  // namespace tarvex::print
