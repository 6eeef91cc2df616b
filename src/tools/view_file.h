// Opening a document of the program directory with the program of its type, with the two
// messages for a missing file and for a type no program takes.
#pragma once

#include <string>

#include "base/program_dir.h"
#include "forms/runtime.h"

namespace tarvex::tools {

inline constexpr const char* kHelpFileName = "Help.pdf";
// The carrier's rules document, in the program directory.
inline constexpr const char* kRulesFileName = "rules.pdf";

std::string UnableToLocateMessage(const std::string& fullPath);
std::string UnknownExtensionMessage(const std::string& fullPath);
std::string UnableToOpenMessage(const std::string& fullPath);

// Opens `name` of the folder with the desktop's program for its type. A missing file, or a
// type no program takes, is told in a message titled `title`; for the latter the desktop's
// way of choosing a program follows.
void ViewFile(forms::Runtime& runtime, const base::ProgramDir& folder, const std::string& name,
              const std::string& title);

}  // namespace tarvex::tools
