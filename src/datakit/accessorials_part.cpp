#include "datakit/accessorials_part.h"

#include <ostream>
#include <vector>

#include "base/files.h"
#include "base/number_format.h"
#include "base/program_dir.h"
#include "base/text.h"
#include "pricing/accessorials.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;
using pricing::AccessorialRecord;

void Build(const fs::path& source, const fs::path& out, Report& report) {
  const fs::path tsv = source / "accessorials.tsv";
  const auto lines = ReadDataLines(tsv);
  if (!lines) return;  // a carrier without accessorial charges
  std::string bytes;
  for (const auto& [where, line] : *lines) {
    std::vector<std::string> cells = SplitCells(line);
    for (std::string& cell : cells) cell = base::Trim(cell);
    if (cells.size() < 5) {
      report.fault(where, "expected name, type, rate, minimum, maximum[, unit]");
      continue;
    }
    AccessorialRecord r;
    r.name = cells[0];
    r.type = static_cast<std::int16_t>(base::Val(cells[1]));
    r.rate = base::Val(cells[2]);
    r.minimum = base::Val(cells[3]);
    r.maximum = base::Val(cells[4]);
    r.unit = cells.size() > 5 ? cells[5] : "";
    if (r.name.empty() || r.name.size() > 50) report.fault(where, "a name of 1 to 50 characters");
    if (r.type < 1 || r.type > 6) report.fault(where, "type is 1 to 6");
    if (r.type == 6 && r.unit.empty()) report.fault(where, "a type 6 charge names its unit");
    const base::ByteRecord b = r.ToBytes();
    bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
  }
  std::string error;
  if (!base::WriteFileAtomic(out / pricing::kAccessorialFileName, bytes, &error))
    report.fault((out / pricing::kAccessorialFileName).string(), error);
}

void Check(const fs::path& dir, Report& report) {
  const base::ProgramDir programDir(dir);
  if (!programDir.exists(pricing::kAccessorialFileName)) return;
  const fs::path file = programDir.resolve(pricing::kAccessorialFileName);
  if (base::FileLength(file) % static_cast<std::int64_t>(pricing::kAccessorialRecordLength) != 0)
    report.fault(file.string(), "length is not a whole number of 116-byte records");
  int listed = 0;
  int n = 0;
  for (const AccessorialRecord& r : pricing::ReadAccessorials(file)) {
    ++n;
    if (r.type < 1 || r.type > 6)
      report.fault(file.string() + " record " + std::to_string(n), "type is not 1 to 6");
    if (!pricing::IsNewYorkTwin(r)) ++listed;
  }
  if (listed > 15) report.fault(file.string(), "more than the window's 15 listable charges");
}

bool Dump(const fs::path& file, std::ostream& out, Report&) {
  if (!base::EqualsNoCase(file.filename().string(), pricing::kAccessorialFileName)) return false;
  for (const AccessorialRecord& r : pricing::ReadAccessorials(file))
    out << r.name << '\t' << r.type << '\t' << base::FormatMask(r.rate, "0.00") << '\t'
        << base::FormatMask(r.minimum, "0.00") << '\t' << base::FormatMask(r.maximum, "0.00")
        << '\t' << r.unit << '\n';
  return true;
}

}  // namespace

Part AccessorialsPart() {
  return {"accessorials", &Build, &Check, &Dump};
}

}  // namespace tarvex::datakit
