#include "datakit/kit.h"

#include <ostream>

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
