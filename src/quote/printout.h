// The printed quote: the page as fixed-pitch text lines with bold spans, made from what the
// quote window shows.
#pragma once

#include <string>
#include <vector>

#include "forms/desktop.h"
#include "quote/quote_sheet.h"

namespace tarvex::quote {

inline constexpr std::size_t kDisclaimerWidth = 94;

// The page of the quote the sheet holds.
forms::PrintDocument BuildQuotePage(const QuoteSheet& sheet);

// The disclaimer as lines of at most 94 characters.
std::vector<std::string> WrapDisclaimer(const std::string& text);

}  // namespace tarvex::quote
