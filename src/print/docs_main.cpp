// tarvex-docs: writes a Markdown document (the user guide, the carrier's rules) as a PDF file
// of the program directory.
#include <QGuiApplication>
#include <iostream>

#include "print/document_pdf.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: tarvex-docs SOURCE.md OUT.pdf TITLE\n";
    return 2;
  }
  // Fonts and the PDF writer need the toolkit, never a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication toolkit(qtArgc, argv);
  std::string error;
  if (!tarvex::print::WriteMarkdownPdf(argv[1], argv[2], argv[3], &error)) {
    std::cerr << error << '\n';
    return 1;
  }
  return 0;
}
