// Printed pages in a fixed-pitch face: on a printer, in a preview, or into a PDF file.
#pragma once

#include <QPrinter>
#include <string>

#include "forms/desktop.h"

namespace tarvex::ui {

// A face whose name begins with "Courier" when there is one, else the system's fixed face:
// every column of the printed quote relies on it.
inline constexpr int kPagePointSize = 10;
QFont FixedPitchFont();
// Letter paper with the margins every printed page of the program uses.
void SetPageLayout(QPrinter& printer);
void RenderPages(QPrinter& printer, const forms::PrintDocument& document);
// Writes the pages as a PDF; false, with `error` set, when the file cannot be written.
bool WritePdf(const forms::PrintDocument& document, const std::string& file, std::string* error);

}  // namespace tarvex::ui
