#include "ratesheet/output.h"

#include <algorithm>

#include "base/number_format.h"
#include "base/text.h"
#include "ratesheet/sideline_codes.h"

namespace tarvex::ratesheet {

namespace {

constexpr const char* kLineEnd = "\r\n";

// Blank-padded on the right to at least `width`, never cut.
std::string Left(std::string_view text, std::size_t width) {
  std::string out(text);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}
std::string Right(std::string_view text, std::size_t width) {
  std::string out(text);
  if (out.size() < width) out.insert(0, width - out.size(), ' ');
  return out;
}
std::string Rule() {
  return "|" + std::string(kPageContent, '-') + "|";
}
std::string Money(double dollars) {
  return base::FormatMask(dollars, "0.00");
}
bool Selected(const auto& flags, int i) {
  return i >= 0 && i < static_cast<int>(flags.size()) && flags[static_cast<std::size_t>(i)];
}
std::string CsvCell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::string PageLine(const std::string& content) {
  return "|" + base::PadRight(content, kPageContent) + "|";
}

std::int32_t PointRating::Rate(int c, int w) const {
  const int cell = c * breakCount + w + 4;
  return cell >= 0 && cell < kRateTableCells ? table[static_cast<std::size_t>(cell)] : 0;
}

std::string PointRating::ResultText(std::int64_t minimum) const {
  std::string text;
  for (int c = 0; c < classCount; ++c)
    for (int w = 0; w < breakCount; ++w) text += std::to_string(Rate(c, w)) + ",";
  return text + std::to_string(minimum);
}

DetailLines BuildDetailLines(const PointRating& rating) {
  std::string line1 = "*";
  for (std::size_t i = 0; i < rating.amounts.size(); ++i) {
    if (rating.amounts[i] == 0) continue;
    const std::int32_t weight = i < rating.weights.size() ? rating.weights[i] : 0;
    const char flag = i < rating.flags.size() ? rating.flags[i] : ' ';
    std::string marker;
    if (weight < 1 && flag == '0')
      marker = "SSMC ";
    else if (weight == 0)
      marker = "MC ";
    else
      marker = ">" + std::to_string(weight - 1) + " ";
    double amount = rating.amounts[i] / 100.0;
    if (amount < rating.floor) amount = rating.floor;
    line1 += "[" + marker + Money(amount) + "]";
  }
  DetailLines lines;
  if (line1.size() < 95) {
    lines.line1 = base::PadRight(line1, kPageContent) + "|";
    return lines;
  }
  const std::size_t close = line1.rfind(']', 93);
  const std::size_t cut = close == std::string::npos ? 94 : close + 1;
  lines.line1 = base::PadRight(line1.substr(0, cut), kPageContent) + "|";
  lines.line2 = base::PadRight(" " + line1.substr(cut), kPageContent) + "|";
  return lines;
}

std::string ExportLines(const RateSheetRequest& request, const std::string& headlineState,
                        const RatedPoint& point) {
  const PointRating& r = point.rating;
  if (!r.ok()) return "";
  const std::string note = point.note == 0 ? "     " : " " + Right(std::to_string(point.note), 4);
  const std::string start = Left(request.HeadlineCode, 6) + " " + Left(headlineState, 2) + " " +
                            (request.Outbound ? "T" : "F") + " " +
                            Left(point.point.substr(0, 3), 3) + " " + Left(point.state, 2) + note +
                            PadRight6(std::to_string(point.minimum)) + "  ";
  std::string out;
  for (int c = 0; c < r.classCount; ++c) {
    if (!Selected(request.ClassSelected, c)) continue;
    std::string line =
        start + Left(request.RateSheetClassCodes.at(static_cast<std::size_t>(c)), 3) + "  ";
    for (int w = 0; w < r.breakCount; ++w)
      if (Selected(request.WeightSelected, w)) line += PadRight6(std::to_string(r.Rate(c, w)));
    out += line + " " + r.rateBasis + kLineEnd;
  }
  if (r.detailCount() >= 2) {
    auto body = [](const std::string& line) {
      return base::Trim(line.empty() ? line : line.substr(0, line.size() - 1));
    };
    out += body(point.details.line1) + body(point.details.line2) + kLineEnd;
  }
  return out;
}

std::string ExportNoteLines(const std::vector<std::string>& notes) {
  std::string out;
  for (std::size_t n = 0; n < notes.size(); ++n)
    out += "Note " + Right(std::to_string(n + 1), 4) + " Applies " + notes[n] + kLineEnd;
  return out;
}

std::string CsvHeader(const RateSheetRequest& request, const SheetTexts& texts) {
  std::string out = "Headline,Direction,Point,State,Minimum,Class";
  for (int w = 0; w < kWeightRows; ++w)
    if (Selected(request.WeightSelected, w))
      out += "," + CsvCell(base::Trim(texts.weightCaptions.at(static_cast<std::size_t>(w))));
  return out + ",Rate Basis,Note" + kLineEnd;
}

std::string CsvRows(const RateSheetRequest& request, const std::string& headlineState,
                    const RatedPoint& point) {
  const PointRating& r = point.rating;
  if (!r.ok()) return "";
  (void)headlineState;
  std::string out;
  for (int c = 0; c < r.classCount; ++c) {
    if (!Selected(request.ClassSelected, c)) continue;
    std::string row =
        CsvCell(request.HeadlineCode) + "," + (request.Outbound ? "T" : "F") + "," +
        CsvCell(point.point.substr(0, 3)) + "," + CsvCell(point.state) + "," +
        std::to_string(point.minimum) + "," +
        CsvCell(base::Trim(request.RateSheetClassCodes.at(static_cast<std::size_t>(c))));
    for (int w = 0; w < r.breakCount; ++w)
      if (Selected(request.WeightSelected, w)) row += "," + std::to_string(r.Rate(c, w));
    out += row + "," + CsvCell(r.rateBasis) + "," + CsvCell(point.noteText) + kLineEnd;
  }
  return out;
}

SheetPrinter::SheetPrinter(const RateSheetRequest& request, const SheetTexts& texts,
                           std::string headlineState)
    : request_(request), texts_(texts), headlineState_(std::move(headlineState)) {}

void SheetPrinter::Header() {
  if (pages_.empty() || !inProgress_) pages_.emplace_back();
  inProgress_ = true;
  auto& page = pages_.back();
  for (int i = 1; i <= 4; ++i) {
    const std::string text = base::Trim(texts_.headers.at(static_cast<std::size_t>(i)));
    if (text.empty()) {
      page.emplace_back();
      continue;
    }
    const int p = base::RoundHalfEven((95.0 - static_cast<double>(text.size())) / 2);
    const std::string blanks(static_cast<std::size_t>(std::max(p, 0)), ' ');
    page.push_back(blanks + text + blanks);
  }
  page.push_back(Rule());
  page.push_back(PageLine((request_.Outbound ? "OUTBOUND FROM:" : "INBOUND TO:   ") +
                          base::Trim(texts_.headline) + "  " + headlineState_));
  page.push_back(Rule());
  std::string columns = request_.Outbound ? "TO:     " : "FROM:   ";
  columns += "ST Note MC     CLASS   ";
  for (int w = 0; w < kWeightRows; ++w)
    if (Selected(request_.WeightSelected, w))
      columns += Left(base::Trim(texts_.weightCaptions.at(static_cast<std::size_t>(w))), 7);
  columns.pop_back();
  page.push_back(PageLine(columns));
  page.push_back(Rule());
}

void SheetPrinter::PrintBlock(const std::string& start, const std::string& end,
                              const RatedPoint& point) {
  if (headerNeeded_) {
    Header();
    headerNeeded_ = false;
  }
  const PointRating& r = point.rating;
  // A Mexican code shows its three digits.
  auto shown = [](const std::string& code) {
    return code.size() == 4 && code[3] == 'M' ? code.substr(0, 3) : code;
  };
  const std::string s = shown(start);
  const std::string e = shown(end);
  const std::string minimum = r.detailCount() >= 2 ? "*" : std::to_string(point.minimum);
  std::vector<std::string> lines;
  bool first = true;
  for (int c = 0; c < r.classCount; ++c) {
    if (!Selected(request_.ClassSelected, c)) continue;
    const std::string cls = request_.RateSheetClassCodes.at(static_cast<std::size_t>(c));
    std::string line;
    if (first) {
      const std::string note =
          point.note == 0 ? "      " : " " + Left(std::to_string(point.note), 4) + " ";
      line = Right(s.size() > 3 ? s.substr(s.size() - 3) : s, 3) + "-" + Left(e.substr(0, 4), 4) +
             Left(point.state, 2) + note + Left(minimum, 7) + Left(cls, 3) + "    ";
      first = false;
    } else {
      line = std::string(23, ' ') + Left(cls, 3) + "    ";
    }
    for (int w = 0; w < r.breakCount; ++w) {
      if (!Selected(request_.WeightSelected, w)) continue;
      const std::int32_t rate = r.Rate(c, w);
      line += (rate == 0 ? std::string(5, ' ') : Right(std::to_string(rate), 5)) + "  ";
    }
    lines.push_back(PageLine(line));
  }
  if (r.detailCount() >= 2) {
    lines.push_back("|" + point.details.line1);
    if (!base::Trim(point.details.line2).empty()) lines.push_back("|" + point.details.line2);
  }
  if (point.note != 0) {
    const std::string head = "  Note " + Right(std::to_string(point.note), 4) + " : Apply for ";
    const std::string& text = point.noteText;
    lines.push_back(PageLine(head + Left(text.substr(0, 70), 70)));
    for (std::size_t at = 70; at < text.size(); at += 67)
      lines.push_back(PageLine(std::string(27, ' ') + Left(text.substr(at, 67), 67)));
  }
  lines.push_back(Rule());
  auto& page = pages_.back();
  page.insert(page.end(), lines.begin(), lines.end());

  const int n = static_cast<int>(lines.size());
  lineCount_ += n + 1;
  if (lineCount_ + n + 3 >= kPageLines) {
    Footer();
    ++page_;
    lineCount_ = 0;
    headerNeeded_ = true;
  }
}

void SheetPrinter::Footer() {
  auto& page = pages_.back();
  page.emplace_back();
  page.push_back(Right(std::to_string(page_) + std::string(15, ' ') +
                           base::Trim(texts_.carrierName) + "   " +
                           base::Trim(texts_.effectiveDate),
                       kPageContent));
  inProgress_ = false;
}

void SheetPrinter::Finish() {
  if (inProgress_) Footer();
}

forms::PrintDocument SheetPrinter::Document(const std::string& title) const {
  forms::PrintDocument document;
  document.title = title;
  for (const auto& lines : pages_) {
    forms::PrintPage page;
    for (const std::string& line : lines) page.lines.push_back({line, {}});
    document.pages.push_back(std::move(page));
  }
  return document;
}

std::string SheetPrinter::Image() const {
  std::string out;
  for (const auto& page : pages_)
    for (const std::string& line : page) out += line + kLineEnd;
  return out;
}

}  // namespace tarvex::ratesheet
