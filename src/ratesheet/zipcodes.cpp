#include "ratesheet/zipcodes.h"

#include <fstream>

#include "base/text.h"
#include "ratesheet/codes.h"

namespace tarvex::ratesheet {

namespace {

// A state line is 26 characters; anything much longer is not this file.
constexpr std::size_t kMaxLineLength = 256;
constexpr std::size_t kMaxLines = 10000;

bool IsStateKey(std::string_view key) {
  return key.size() == 2 && key[0] >= 'A' && key[0] <= 'Z' && key[1] >= 'A' && key[1] <= 'Z';
}

std::string Field(const std::string& line, std::size_t from) {
  return from < line.size() ? base::Trim(line.substr(from, 3)) : std::string();
}

// A code of a range: three characters a sideline box can hold (a prefix or a Canadian
// area) or, for a high code, the same.
bool IsRangeCode(const std::string& code) {
  return code.size() == 3 && IsValidZipForm(code);
}

}  // namespace

std::string ZipCodesLine(std::string_view state, const std::vector<CodeRange>& ranges) {
  std::string line(state);
  line += std::to_string(ranges.size() % 10);
  for (std::size_t i = 0; i < kRangesPerState; ++i) {
    const CodeRange range = i < ranges.size() ? ranges[i] : CodeRange{};
    line += base::PadRight(range.low, 3) + " " + base::PadRight(range.high, 3) + " ";
  }
  return base::TrimRight(line);
}

base::ReadResult<std::vector<CodeRange>> ReadStateRanges(const base::ProgramDir& dir,
                                                         std::string_view state) {
  using Result = base::ReadResult<std::vector<CodeRange>>;
  const std::string file = dir.resolve(kZipCodesFileName).string();
  std::ifstream in(file, std::ios::binary);
  if (!in) return Result::Fault("The state ZIP table " + file + " is missing or unreadable.");
  const auto damaged = [&file](std::size_t lineNo, const std::string& what) {
    return Result::Fault("The state ZIP table " + file + " is damaged: line " +
                         std::to_string(lineNo) + " " + what + ".");
  };
  std::string line;
  for (std::size_t lineNo = 1; std::getline(in, line); ++lineNo) {
    if (lineNo > kMaxLines) return damaged(lineNo, "is past the most lines the table may have");
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kMaxLineLength) return damaged(lineNo, "is too long");
    if (base::Trim(line).empty()) continue;
    const std::string key = line.substr(0, 2);
    if (!IsStateKey(key)) return damaged(lineNo, "does not begin with a two-letter state");
    if (base::CompareText(key, state) > 0) break;
    if (key != state) continue;
    std::vector<CodeRange> ranges;
    for (std::size_t i = 0; i < kRangesPerState; ++i) {
      const CodeRange range{Field(line, 3 + 8 * i), Field(line, 7 + 8 * i)};
      if (range.low.empty() && range.high.empty()) continue;
      if (!IsRangeCode(range.low) || !IsRangeCode(range.high) ||
          base::CompareText(range.low, range.high) > 0)
        return damaged(lineNo, "holds a range " + std::to_string(i + 1) +
                                   " that is not two 3-character codes, low before high");
      ranges.push_back(range);
    }
    if (ranges.empty()) return damaged(lineNo, "has no range");
    return Result::Ok(std::move(ranges));
  }
  return Result::Ok({});
}

}  // namespace tarvex::ratesheet
