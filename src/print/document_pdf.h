// Readable documents as PDF files: the user guide and the carrier's rules, written in
// Markdown, laid out on the program's paper with their pictures.
#pragma once

#include <filesystem>
#include <string>

namespace tarvex::print {

// Lays out the Markdown file (pictures named relative to it) on letter pages with page numbers
// and replaces `pdf` with the result; false, with `error` set, when either file fails.
// Needs the toolkit's painting, started by the caller.
bool WriteMarkdownPdf(const std::filesystem::path& markdown, const std::filesystem::path& pdf,
                      const std::string& title, std::string* error);

}  // namespace tarvex::print
