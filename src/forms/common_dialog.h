// The file chooser a window sets up and shows: Filter, InitDirectory, DialogTitle, CancelError
// and FileName, then ShowOpen or ShowSave, answered by the desktop's own file dialog.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/desktop.h"

namespace tarvex::forms {

// One entry of the chooser's file-type list; a blank description shows the patterns alone.
struct FileFilter {
  std::string description;
  std::vector<std::string> patterns;  // "*.txt", "*.*"
  bool operator==(const FileFilter&) const = default;
};

// Splits a filter at each "|" into description and pattern pairs, and each pattern list at
// ";". A last piece without a partner is patterns alone, as in "*.prn;*.txt;*.csv"; an empty
// filter gives the single pattern "*.*".
std::vector<FileFilter> ParseFileFilter(std::string_view filter);

class CommonDialog {
 public:
  // Cancelled is a cancel the caller takes in its stride; CancelError is a cancel with
  // CancelError set, the error the caller asked to see.
  enum class Result { Chosen, Cancelled, CancelError };

  explicit CommonDialog(Desktop& desktop) : desktop_(&desktop) {}

  const std::string& filter() const { return filter_; }
  void setFilter(std::string filter) { filter_ = std::move(filter); }
  const std::string& initDirectory() const { return initDirectory_; }
  void setInitDirectory(std::string directory) { initDirectory_ = std::move(directory); }
  const std::string& dialogTitle() const { return dialogTitle_; }
  void setDialogTitle(std::string title) { dialogTitle_ = std::move(title); }
  bool cancelError() const { return cancelError_; }
  void setCancelError(bool raise) { cancelError_ = raise; }
  // The name proposed before showing; the full path of the file chosen afterwards. A cancel
  // leaves it as it was.
  const std::string& fileName() const { return fileName_; }
  void setFileName(std::string name) { fileName_ = std::move(name); }

  // A file to read.
  Result ShowOpen();
  // A file to write: the name may be new, and an existing file is not questioned here.
  Result ShowSave();

 private:
  Result Show(FileRequest::Purpose purpose);

  Desktop* desktop_;
  std::string filter_;
  std::string initDirectory_;
  std::string dialogTitle_;
  std::string fileName_;
  bool cancelError_ = false;
};

}  // namespace tarvex::forms
