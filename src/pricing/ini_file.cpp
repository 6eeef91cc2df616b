#include "pricing/ini_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <vector>

#include "base/files.h"
#include "base/text.h"

namespace tarvex::pricing {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCrLf = "\r\n";

// The classic reader skips tabs as well as blanks around names and values.
bool IsIniBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view TrimIni(std::string_view text) {
  while (!text.empty() && IsIniBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsIniBlank(text.back())) text.remove_suffix(1);
  return text;
}

enum class LineKind { Blank, Section, Entry, Other };

struct IniLine {
  std::size_t begin = 0;  // first byte of the line
  std::size_t end = 0;    // one past its last byte before the line end
  std::size_t next = 0;   // one past its line end (== end on an unterminated last line)
  LineKind kind = LineKind::Blank;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // entry value, trimmed
};

// Lines end at LF; a CR before it belongs to the line end. Bytes are never changed here.
std::vector<IniLine> SplitLines(std::string_view text) {
  std::vector<IniLine> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    IniLine line;
    line.begin = pos;
    const std::size_t lf = text.find('\n', pos);
    line.next = lf == std::string_view::npos ? text.size() : lf + 1;
    line.end = lf == std::string_view::npos ? text.size() : lf;
    if (line.end > line.begin && text[line.end - 1] == '\r') --line.end;
    const std::string_view body = TrimIni(text.substr(line.begin, line.end - line.begin));
    if (body.empty()) {
      line.kind = LineKind::Blank;
    } else if (body.front() == '[') {
      line.kind = LineKind::Section;
      const std::size_t close = body.find(']');
      line.name =
          TrimIni(body.substr(1, close == std::string_view::npos ? body.size() - 1 : close - 1));
    } else if (const std::size_t eq = body.find('='); eq != std::string_view::npos) {
      line.kind = LineKind::Entry;
      line.name = TrimIni(body.substr(0, eq));
      line.value = TrimIni(body.substr(eq + 1));
    } else {
      // A word with no "=" names no value; the reader gives the default for it.
      line.kind = LineKind::Other;
    }
    lines.push_back(line);
    pos = line.next;
  }
  return lines;
}

struct SectionSpan {
  std::size_t header = 0;       // index of the header line
  std::size_t lastContent = 0;  // index of its last non-blank line (the header when empty)
  std::size_t end = 0;          // index of the next section's header, or the line count
};

std::optional<SectionSpan> FindSection(const std::vector<IniLine>& lines,
                                       std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != LineKind::Section || !base::EqualsNoCase(lines[i].name, section)) continue;
    SectionSpan span;
    span.header = i;
    span.lastContent = i;
    std::size_t j = i + 1;
    for (; j < lines.size() && lines[j].kind != LineKind::Section; ++j)
      if (lines[j].kind != LineKind::Blank) span.lastContent = j;
    span.end = j;
    return span;
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<IniLine>& lines, const SectionSpan& span,
                                   std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i)
    if (lines[i].kind == LineKind::Entry && base::EqualsNoCase(lines[i].name, key)) return i;
  return std::nullopt;
}

// A value copied into the 255-character buffer: cut at a NUL and to 254 characters.
std::string FromBuffer(std::string_view value) {
  value = value.substr(0, value.find('\0'));
  const std::size_t count = std::min(value.size(), kIniBufferSize - 1);
  if (count == 0) return {};
  std::string buffer(value.substr(0, count));
  buffer.push_back('\0');
  return TrimAtNul(buffer);
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

bool Fail(std::string* error, std::string what) {
  if (error) *error = std::move(what);
  return false;
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool CheckSectionName(std::string_view section, std::string* error) {
  if (section.empty()) return Fail(error, "empty section name");
  if (HasLineBreak(section) || section.find(']') != std::string_view::npos)
    return Fail(error, "section name would break the file's lines");
  return true;
}

// Ends text whose last line has no LF, so that what is appended starts a line of its own: a
// last line ending in a bare CR gets the LF it lacks, one without a line end a CR LF.
void EndLastLine(std::string& out) {
  if (out.empty() || out.back() == '\n') return;
  out.append(out.back() == '\r' ? std::string_view("\n") : kCrLf);
}

// Text up to the end of line `index`, with its line end completed when it is the file's
// unterminated last line.
void AppendThroughLine(std::string& out, std::string_view text, const IniLine& line) {
  out.append(text.substr(0, line.next));
  EndLastLine(out);
}

void AppendNewSection(std::string& out, std::string_view text, std::string_view section,
                      std::string_view body) {
  out.append(text);
  EndLastLine(out);
  out.append("[").append(section).append("]").append(kCrLf).append(body);
}

}  // namespace

// The current text of a file about to be rewritten; an unreadable existing file is an error,
// so that a write can never replace a file it could not read.
bool ReadIniForUpdate(const fs::path& file, std::string& text, std::string* error) {
  std::error_code ec;
  const auto status = fs::status(file, ec);
  if (!fs::exists(status)) {
    text.clear();
    return true;
  }
  if (!fs::is_regular_file(status)) return Fail(error, file.string() + " is not a file");
  std::ifstream in(file, std::ios::binary);
  if (!in) return Fail(error, "cannot open " + file.string());
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return Fail(error, "cannot read " + file.string());
  return true;
}

std::string TrimAtNul(std::string_view text) {
  const std::size_t nul = text.find('\0');
  if (nul == std::string_view::npos || nul == 0) return base::Trim(text);
  return std::string(text.substr(0, nul));
}

std::string ReadIniValue(std::string_view section, std::string_view key, const fs::path& file,
                         std::string_view defaultValue) {
  std::error_code ec;
  const bool exists = fs::is_regular_file(file, ec);
  if (!exists && defaultValue.empty()) return {};
  if (!exists) return ReadIniTextValue("", section, key, defaultValue);
  return ReadIniTextValue(base::FileToString(file), section, key, defaultValue);
}

std::string ReadIniTextValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view defaultValue) {
  std::string fallback(defaultValue.substr(0, defaultValue.find('\0')));
  while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
  const auto lines = SplitLines(text);
  const auto span = FindSection(lines, TrimIni(section));
  if (!span) return FromBuffer(fallback);
  const auto at = FindKey(lines, *span, TrimIni(key));
  if (!at) return FromBuffer(fallback);
  return FromBuffer(Unquoted(lines[*at].value));
}

std::vector<std::string> ReadIniSectionNames(const fs::path& file) {
  std::vector<std::string> names;
  const std::string text = base::FileToString(file);
  for (const auto& line : SplitLines(text))
    if (line.kind == LineKind::Section) names.emplace_back(line.name);
  return names;
}

bool SetIniValue(std::string& text, std::string_view section, std::string_view key,
                 std::string_view value, std::string* error) {
  section = TrimIni(section);
  key = TrimIni(key);
  if (!CheckSectionName(section, error)) return false;
  if (key.empty()) return Fail(error, "empty key name");
  if (HasLineBreak(key) || key.find('=') != std::string_view::npos || key.front() == '[')
    return Fail(error, "key name would break the file's lines");
  if (HasLineBreak(value)) return Fail(error, "value would break the file's lines");

  const auto lines = SplitLines(text);
  std::string out;
  out.reserve(text.size() + key.size() + value.size() + section.size() + 8);
  const auto span = FindSection(lines, section);
  if (!span) {
    std::string body(key);
    body.append("=").append(value).append(kCrLf);
    AppendNewSection(out, text, section, body);
  } else if (const auto at = FindKey(lines, *span, key)) {
    // The key keeps its spelling in the file; only its value changes.
    const IniLine& line = lines[*at];
    out.append(text.substr(0, line.begin));
    out.append(line.name).append("=").append(value).append(kCrLf);
    out.append(text.substr(line.next));
  } else {
    AppendThroughLine(out, text, lines[span->lastContent]);
    out.append(key).append("=").append(value).append(kCrLf);
    out.append(text.substr(lines[span->lastContent].next));
  }
  text = std::move(out);
  return true;
}

bool WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                   const fs::path& file, std::string* error) {
  std::string text;
  if (!ReadIniForUpdate(file, text, error)) return false;
  if (!SetIniValue(text, section, key, value, error)) return false;
  return base::WriteFileAtomic(file, text, error);
}

bool SetIniSection(std::string& current, std::string_view section, std::string_view text,
                   std::string* error) {
  section = TrimIni(section);
  if (!CheckSectionName(section, error)) return false;
  std::string body;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t stop = text.find_first_of(std::string_view("\r\n\0", 3), pos);
    const std::string_view line =
        text.substr(pos, stop == std::string_view::npos ? std::string_view::npos : stop - pos);
    pos = stop == std::string_view::npos ? text.size() + 1 : stop + 1;
    if (TrimIni(line).empty()) continue;
    if (TrimIni(line).front() == '[')
      return Fail(error, "a line of the section would start another section");
    body.append(line).append(kCrLf);
  }

  const auto lines = SplitLines(current);
  std::string out;
  out.reserve(current.size() + body.size() + section.size() + 4);
  const auto span = FindSection(lines, section);
  if (!span) {
    AppendNewSection(out, current, section, body);
  } else {
    AppendThroughLine(out, current, lines[span->header]);
    out.append(body);
    out.append(std::string_view(current).substr(lines[span->lastContent].next));
  }
  current = std::move(out);
  return true;
}

bool WriteIniSection(std::string_view section, std::string_view text, const fs::path& file,
                     std::string* error) {
  std::string current;
  if (!ReadIniForUpdate(file, current, error)) return false;
  if (!SetIniSection(current, section, text, error)) return false;
  return base::WriteFileAtomic(file, current, error);
}

}  // namespace tarvex::pricing
