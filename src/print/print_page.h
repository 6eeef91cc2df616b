// Printed pages in a fixed-pitch face, onto any paged device: a printer, its preview, or a PDF
// file. Needs the toolkit's painting only, never its widgets, so the command line can use it.
#pragma once

#include <QFont>
#include <QPagedPaintDevice>
#include <string>

#include "forms/desktop.h"

namespace tarvex::print {

// A face whose name begins with "Courier" when there is one, else the system's fixed face:
// every column of the printed quote relies on it.
inline constexpr int kPagePointSize = 10;
QFont FixedPitchFont();
// Letter paper with the margins every printed page of the program uses.
void SetPageLayout(QPagedPaintDevice& device);
void RenderPages(QPagedPaintDevice& device, const forms::PrintDocument& document);
// Writes the pages as a PDF; false, with `error` set, when the file cannot be written.
bool WritePdf(const forms::PrintDocument& document, const std::string& file, std::string* error);

}  // namespace tarvex::print
