// zipcodes.fil: the ZIP prefix ranges of each state, which a two-letter state typed as a
// sideline low code expands into.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/program_dir.h"
#include "base/read_result.h"

namespace tarvex::ratesheet {

inline constexpr const char* kZipCodesFileName = "zipcodes.fil";
inline constexpr std::size_t kRangesPerState = 3;

struct CodeRange {
  std::string low;
  std::string high;
  bool operator==(const CodeRange&) const = default;
};

// One line of zipcodes.fil: the state in columns 1-2, the count of ranges in 3, and up to
// three ranges of 3-character prefixes from column 4, each code followed by a separator.
std::string ZipCodesLine(std::string_view state, const std::vector<CodeRange>& ranges);

// The ranges of `state`, read in file order while the keys sort at or before it; none when no
// line has its key. A missing or unreadable file, or a line read on the way that is not a
// state and its ranges, is a fault that names the file.
base::ReadResult<std::vector<CodeRange>> ReadStateRanges(const base::ProgramDir& dir,
                                                         std::string_view state);

}  // namespace tarvex::ratesheet
