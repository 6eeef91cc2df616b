#include "datakit/fak_part.h"

#include <ostream>
#include <set>
#include <string>

#include "base/files.h"
#include "base/program_dir.h"
#include "base/text.h"
#include "pricing/fak.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

// The index of a class text in the class table ("77.5" and "77" are one class), or -1.
int ClassIndex(const std::string& text, const pricing::ClassTable& classes) {
  std::string t = text;
  if (t == "77.5") t = "77";
  if (t == "92.5") t = "92";
  for (std::size_t i = 0; i < classes.size(); ++i)
    if (pricing::ClassText(classes[i]) == t) return static_cast<int>(i);
  return -1;
}

void Build(const fs::path& source, const fs::path& out, Report& report) {
  const fs::path txt = source / "fak.txt";
  const auto lines = ReadDataLines(txt);
  if (!lines) return;  // a carrier without FAK pricing has no table
  const pricing::ClassTable classes = pricing::StandardClassTable();
  pricing::FakState state;
  state.FakTable = classes;
  std::set<int> seen;
  for (const auto& [where, t] : *lines) {
    const auto eq = t.find('=');
    if (eq == std::string::npos) {
      report.fault(where, "expected class = substitute class");
      continue;
    }
    const int from = ClassIndex(base::Trim(t.substr(0, eq)), classes);
    const int to = ClassIndex(base::Trim(t.substr(eq + 1)), classes);
    if (from < 0 || to < 0) {
      report.fault(where, "not a freight class");
      continue;
    }
    if (!seen.insert(from).second) report.fault(where, "class given twice");
    state.FakTable[static_cast<std::size_t>(from)] = classes[static_cast<std::size_t>(to)];
  }
  std::string error;
  if (!pricing::WriteFakTable(out / pricing::kFakFileName, classes, state, &error))
    report.fault((out / pricing::kFakFileName).string(), error);
}

void Check(const fs::path& dir, Report& report) {
  const base::ProgramDir programDir(dir);
  if (!programDir.exists(pricing::kFakFileName)) return;
  const fs::path file = programDir.resolve(pricing::kFakFileName);
  if (base::FileLength(file) != static_cast<std::int64_t>(pricing::kFakFileLength))
    report.fault(file.string(),
                 "length " + std::to_string(base::FileLength(file)) + ", expected 36");
}

bool Dump(const fs::path& file, std::ostream& out, Report& report) {
  if (!base::EqualsNoCase(file.filename().string(), pricing::kFakFileName)) return false;
  const pricing::ClassTable classes = pricing::StandardClassTable();
  pricing::FakState state;
  std::string fault;
  const pricing::FakReadStatus status = pricing::ReadFakTable(file, classes, state, &fault);
  if (status != pricing::FakReadStatus::Ok) {
    report.fault(file.string(),
                 status == pricing::FakReadStatus::Damaged ? fault : "shorter than 36 bytes");
    return true;
  }
  for (std::size_t i = 0; i < classes.size(); ++i)
    out << pricing::ClassText(classes[i]) << " = " << pricing::ClassText(state.FakTable[i]) << '\n';
  out << "FAK in effect: " << state.FakInEffect << '\n';
  return true;
}

}  // namespace

Part FakPart() {
  return {"fak", &Build, &Check, &Dump};
}

}  // namespace tarvex::datakit
