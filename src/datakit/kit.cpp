#include "datakit/kit.h"

#include <fstream>
#include <ostream>

#include "base/text.h"
#include "vorn/files_lock.h"

namespace tarvex::datakit {

void Report::fault(std::string where, std::string what) {
  faults_.push_back(std::move(where) + ": " + std::move(what));
}

void Report::note(std::string text) {
  notes_.push_back(std::move(text));
}

void Report::print(std::ostream& out) const {
  for (const auto& n : notes_) out << n << '\n';
  for (const auto& f : faults_) out << "fault: " << f << '\n';
}

std::optional<std::vector<DataLine>> ReadDataLines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<DataLine> lines;
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string t = base::Trim(line);
    if (t.empty() || t[0] == '#') continue;
    lines.push_back({file.string() + ":" + std::to_string(n), std::move(line)});
  }
  return lines;
}

std::vector<DataLine> ReadDataLines(const std::filesystem::path& file, Report& report) {
  auto lines = ReadDataLines(file);
  if (!lines) report.fault(file.string(), "missing");
  return std::move(lines).value_or(std::vector<DataLine>{});
}

std::vector<std::string> SplitCells(std::string_view line, char separator) {
  std::vector<std::string> cells;
  for (std::size_t p = 0;;) {
    const auto end = line.find(separator, p);
    cells.emplace_back(
        line.substr(p, end == std::string_view::npos ? std::string_view::npos : end - p));
    if (end == std::string_view::npos) return cells;
    p = end + 1;
  }
}

bool BuildProgramDirectory(const std::filesystem::path& source, const std::filesystem::path& out,
                           Report& report) {
  std::error_code ec;
  std::filesystem::create_directories(out, ec);
  if (ec) {
    report.fault(out.string(), "cannot be created: " + ec.message());
    return false;
  }
  vorn::FilesLock lock;
  std::string error;
  switch (lock.Take(out, vorn::FilesLock::Kind::kWriter, &error)) {
    case vorn::FilesLock::Outcome::kHeld:
      break;
    case vorn::FilesLock::Outcome::kBusy: {
      const std::string holders = vorn::LockHolders(out);
      report.fault(out.string(), "the data files are in use by " +
                                     (holders.empty() ? std::string("another program") : holders) +
                                     "; close it and build again");
      return false;
    }
    case vorn::FilesLock::Outcome::kUnusable:
      report.fault(out.string(), "cannot lock the data files: " + error);
      return false;
  }
  for (const auto& part : Parts()) part.build(source, out, report);
  return report.ok();
}

}  // namespace tarvex::datakit
