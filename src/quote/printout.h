// The printed quote: the page as fixed-pitch text lines with bold spans, read from the main
// window's controls and nothing else.
#pragma once

#include <optional>
#include <string>

#include "forms/desktop.h"
#include "forms/form.h"

namespace tarvex::quote {

inline constexpr std::size_t kDisclaimerWidth = 94;

struct Printout {
  std::optional<forms::PrintDocument> document;
  // The controls the window lacks, when document is empty: a programming fault.
  std::string error;
};

// The page of the quote on the window `main` (the quote window, frmCorvane1).
Printout BuildQuotePage(const forms::Form& main);

// The disclaimer as lines of at most 94 characters.
std::vector<std::string> WrapDisclaimer(const std::string& text);

}  // namespace tarvex::quote
