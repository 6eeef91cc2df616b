#include "ratesheet/base_points.h"

#include <algorithm>
#include <set>

#include "base/text.h"

namespace tarvex::ratesheet {

namespace {

// Letters and digits alternate from a letter (Canada), or digits only (US, Mexico).
bool CodeOf(int country, std::string_view code) {
  if (code.size() != 3 && code.size() != 5) return false;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const bool letter = country == 2 && i % 2 == 0;
    if (letter ? !base::IsUpper(code[i]) : !base::IsDigit(code[i])) return false;
  }
  return true;
}

// The two last characters of a full code as a position 0 … 99 (digits) or 0 … 259 (digit and
// letter, Canada), so that the parts of one prefix can be cut as numbers.
int Position(int country, std::string_view suffix) {
  if (country == 2) return (suffix[0] - '0') * 26 + (suffix[1] - 'A');
  return (suffix[0] - '0') * 10 + (suffix[1] - '0');
}
std::string Suffix(int country, int position) {
  if (country == 2)
    return {static_cast<char>('0' + position / 26), static_cast<char>('A' + position % 26)};
  return {static_cast<char>('0' + position / 10), static_cast<char>('0' + position % 10)};
}

}  // namespace

base::ReadResult<std::vector<BaseRange>> ParseBasePoints(std::string_view text,
                                                         const std::string& fileName) {
  std::vector<BaseRange> ranges;
  std::size_t lineNo = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (base::Trim(line).empty()) continue;
    auto fault = [&](const std::string& why) {
      return base::ReadResult<std::vector<BaseRange>>::Fault(
          "The base-point list " + fileName + " is damaged: line " + std::to_string(lineNo) + " " +
          why + ".");
    };
    if (ranges.size() >= kMaxBaseRanges)
      return fault("is beyond the " + std::to_string(kMaxBaseRanges) + " ranges a list may hold");
    BaseRange r;
    const char country = line[0];
    if (country < '1' || country > '3') return fault("does not start with a country 1, 2 or 3");
    r.country = country - '0';
    r.low = base::ToUpper(base::Trim(line.substr(1, std::min<std::size_t>(5, line.size() - 1))));
    r.high = line.size() > 6 ? base::ToUpper(base::Trim(line.substr(6, 5))) : "";
    if (!CodeOf(r.country, r.low) || !CodeOf(r.country, r.high) || r.low.size() != r.high.size())
      return fault("does not hold a low and a high code of three or five characters");
    if (r.low > r.high) return fault("has its low code above its high code");
    ranges.push_back(std::move(r));
  }
  return base::ReadResult<std::vector<BaseRange>>::Ok(std::move(ranges));
}

std::vector<CodePart> SplitCode(std::string_view code, const std::vector<BaseRange>& ranges) {
  std::string digits(code);
  std::string mark;
  if (digits.size() == 4 && digits[3] == 'M') {
    digits.resize(3);
    mark = "M";
  }
  const int country = !mark.empty() ? 3 : (!digits.empty() && base::IsUpper(digits[0]) ? 2 : 1);
  if (!CodeOf(country, digits)) return {{std::string(code), std::string(code), std::string(code)}};

  // The code's own full codes, as positions within its prefix.
  const std::string prefix = digits.substr(0, 3);
  const int last = country == 2 ? 259 : 99;
  const int first = digits.size() == 5 ? Position(country, digits.substr(3)) : 0;
  const int final = digits.size() == 5 ? first : last;
  const std::string lowFull = prefix + Suffix(country, first);
  const std::string highFull = prefix + Suffix(country, final);

  // Each overlapping range as positions [from, to] within the code.
  std::vector<std::pair<int, int>> covered;
  for (const BaseRange& r : ranges) {
    if (r.country != country) continue;
    const bool wide = r.low.size() == 3;
    const std::string low = wide ? r.low + Suffix(country, 0) : r.low;
    const std::string high = wide ? r.high + Suffix(country, last) : r.high;
    if (low > highFull || high < lowFull) continue;
    const int from = low <= lowFull ? first : Position(country, std::string_view(low).substr(3));
    const int to = high >= highFull ? final : Position(country, std::string_view(high).substr(3));
    covered.emplace_back(from, to);
  }
  if (covered.empty()) return {{prefix + Suffix(country, first) + mark, lowFull, highFull}};

  // Cut at every range end; a piece keeps the ranges that cover it.
  std::set<int> cuts = {first, final + 1};
  for (const auto& [from, to] : covered) {
    cuts.insert(from);
    cuts.insert(to + 1);
  }
  std::vector<CodePart> parts;
  for (auto it = cuts.begin(); std::next(it) != cuts.end(); ++it) {
    const int from = *it;
    const int to = *std::next(it) - 1;
    const bool served = std::any_of(covered.begin(), covered.end(), [&](const auto& c) {
      return c.first <= from && to <= c.second;
    });
    if (!served) continue;
    const std::string lowCode = prefix + Suffix(country, from);
    parts.push_back({lowCode + mark, lowCode, prefix + Suffix(country, to)});
  }
  return parts;
}

std::string NoteOfParts(const std::vector<CodePart>& parts) {
  std::string note;
  for (const CodePart& p : parts) {
    if (!note.empty()) note += ",";
    note += p.low.substr(p.low.size() - 2) + "-" + p.high.substr(p.high.size() - 2);
  }
  return note;
}

}  // namespace tarvex::ratesheet
