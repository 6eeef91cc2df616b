#include "tools/view_file.h"

#include <filesystem>

namespace tarvex::tools {

std::string UnableToLocateMessage(const std::string& fullPath) {
  return "Unable to locate file:\n" + fullPath + "\n\nPlease verify the file exists.";
}

std::string UnknownExtensionMessage(const std::string& fullPath) {
  return "The following file has an unknown File Extension:\n" + fullPath +
         "\n\nUnable to find an associated program to view it.";
}

std::string UnableToOpenMessage(const std::string& fullPath) {
  return "Unable to open file:\n" + fullPath +
         "\n\nThe desktop could not start a program to view it.";
}

void ViewFile(forms::Runtime& runtime, const base::ProgramDir& folder, const std::string& name,
              const std::string& title) {
  const std::string path = folder.resolve(name).string();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    runtime.MsgBox(UnableToLocateMessage(path), title);
    return;
  }
  switch (runtime.desktop().OpenFile(path)) {
    case forms::OpenResult::Opened:
      return;
    case forms::OpenResult::NoAssociatedProgram:
      runtime.MsgBox(UnknownExtensionMessage(path), title);
      runtime.desktop().ChooseProgramFor(path);
      return;
    case forms::OpenResult::Failed:
      // Nothing opened must not look like a document on its way.
      runtime.MsgBox(UnableToOpenMessage(path), title);
      return;
  }
}

}  // namespace tarvex::tools
