// The tariff's base-point list NAME.b and the split of a sideline code into the parts that
// its ranges cut it into: each part is rated at its first full code, and parts that rate
// alike share one rating point (see docs/tariff-format.md).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/read_result.h"

namespace tarvex::ratesheet {

// One served range of the list: three-character prefixes or five-character codes.
struct BaseRange {
  int country = 1;  // 1 US, 2 Canada, 3 Mexico
  std::string low;
  std::string high;
};

inline constexpr std::size_t kMaxBaseRanges = 10000;

// The ranges of a list's text; a fault naming `fileName` and the line when a line is not a
// country, a low and a high code of one length (3 or 5), low not above high.
base::ReadResult<std::vector<BaseRange>> ParseBasePoints(std::string_view text,
                                                         const std::string& fileName);

// One part of a code: the full codes `low` … `high` that the same ranges cover, rated at
// `point` (its first full code, with the "M" of a Mexican code).
struct CodePart {
  std::string point;
  std::string low;
  std::string high;
};

// The parts a sideline code ("300", "A1B", "123M", "30012") falls into: the full codes of the
// code cut at every end of an overlapping range of its country; codes no range covers are
// left out. A code that no range overlaps is one part, so that the engine decides about it.
std::vector<CodePart> SplitCode(std::string_view code, const std::vector<BaseRange>& ranges);

// A point's note: each part as the last two characters of its first and last code joined by
// "-", parts separated by ",": "00-49,80-99".
std::string NoteOfParts(const std::vector<CodePart>& parts);

}  // namespace tarvex::ratesheet
