// Rate sheets from the command line: the request window (with its discount and options
// windows) and the production window, driven as a user drives them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/quote_run.h"
#include "forms/desktop.h"

namespace tarvex::cli {

struct RateSheetInput {
  std::string headline;
  bool inbound = false;
  // "LOW-HIGH", a single code, a two-letter state or "US", typed into the next free pair.
  std::vector<std::string> ranges;
  std::string classes = "all";       // "all" or "50,100,77.5"
  std::string weights = "ltl";       // "ltl", "all" or captions "L5C,5C,1M"
  std::string discount;              // "LTL,TL[,FLOOR]"
  std::vector<std::string> headers;  // "N=TEXT", N from 1 to 4
  std::string exportFile;
  std::string csvFile;
  std::string pdfFile;
  std::string imageFile;
};

struct RateSheetResult {
  // 0 the sheet was made; 1 the program refused it (the messages say why); 2 the command
  // line was wrong; 4 an output file could not be written.
  int status = 0;
  std::vector<std::string> messages;
};

// `printPdf` writes the printed sheet to the PDF file; false, with the reason, when it cannot.
RateSheetResult RunRateSheet(
    QuoteSession& session, const RateSheetInput& input,
    const std::function<bool(const forms::PrintDocument&, std::string&)>& printPdf);

}  // namespace tarvex::cli
