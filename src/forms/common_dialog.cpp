#include "forms/common_dialog.h"

#include "base/text.h"

namespace tarvex::forms {

namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    pieces.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return pieces;
    start = end + 1;
  }
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
  std::vector<FileFilter> filters;
  if (!base::Trim(filter).empty()) {
    const std::vector<std::string> pieces = Split(filter, '|');
    for (std::size_t i = 0; i < pieces.size(); i += 2) {
      const bool paired = i + 1 < pieces.size();
      FileFilter entry{paired ? base::Trim(pieces[i]) : std::string(), {}};
      const std::string& patterns = paired ? pieces[i + 1] : pieces[i];
      for (const std::string& pattern : Split(patterns, ';'))
        if (std::string p = base::Trim(pattern); !p.empty()) entry.patterns.push_back(p);
      // An entry that names no pattern could show no file at all.
      if (!entry.patterns.empty()) filters.push_back(std::move(entry));
    }
  }
  if (filters.empty()) filters.push_back({"", {"*.*"}});
  return filters;
}

CommonDialog::Result CommonDialog::ShowOpen() {
  return Show(FileRequest::Purpose::Open);
}

CommonDialog::Result CommonDialog::ShowSave() {
  return Show(FileRequest::Purpose::Save);
}

CommonDialog::Result CommonDialog::Show(FileRequest::Purpose purpose) {
  const FileRequest request{purpose, dialogTitle_, filter_, initDirectory_, fileName_};
  const std::optional<std::string> chosen = desktop_->ChooseFile(request);
  if (!chosen || chosen->empty()) return cancelError_ ? Result::CancelError : Result::Cancelled;
  fileName_ = *chosen;
  return Result::Chosen;
}

}  // namespace tarvex::forms
