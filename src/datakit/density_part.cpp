#include "datakit/density_part.h"

#include <algorithm>
#include <ostream>

#include "base/files.h"
#include "base/number_format.h"
#include "base/program_dir.h"
#include "base/text.h"
#include "tools/density.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

// Cubic feet in a cubic metre: a metre is 1 / 0.3048 feet.
constexpr double kCubicFeetPerCubicMetre = 1.0 / (0.3048 * 0.3048 * 0.3048);
// The high bound of the last band: no freight is this dense.
constexpr double kNoUpperBound = 1e9;

void Write(const fs::path& file, const std::vector<tools::DensityBand>& bands, Report& report) {
  std::string error;
  if (!base::WriteFileAtomic(file, tools::EncodeDensityTable(bands), &error))
    report.fault(file.string(), error);
}

void Build(const fs::path& source, const fs::path& out, Report& report) {
  const fs::path tsv = source / "density.tsv";
  const auto lines = ReadDataLines(tsv);
  if (!lines) return;  // a carrier without the calculator's tables
  std::vector<tools::DensityBand> bands;
  bool faulty = false;
  for (const auto& [where, line] : *lines) {
    std::vector<std::string> cells = SplitCells(line);
    cells.resize(std::max<std::size_t>(cells.size(), 3));
    const auto l = base::ParseNumber(cells[0]);
    const auto h = base::Trim(cells[1]) == "-" ? std::optional<double>(kNoUpperBound)
                                               : base::ParseNumber(cells[1]);
    const auto c = base::ParseNumber(cells[2]);
    if (!l || !h || !c) {
      report.fault(where, "expected low, high (or -) and class, tab-separated");
      faulty = true;
      continue;
    }
    if (!bands.empty() && bands.back().high != *l) {
      report.fault(where, "the band does not begin where the one before ends");
      faulty = true;
    }
    bands.push_back({*l, *h, *c});
  }
  // A scale with a hole or a bad line would give some densities a wrong class or none.
  if (faulty) return;
  // The reader's checks are the kit's: a table it refuses is never written.
  const auto checked = tools::ParseDensityTable(tools::EncodeDensityTable(bands), tsv.string());
  if (!checked.ok()) {
    report.fault(tsv.string(), checked.fault());
    return;
  }
  std::vector<tools::DensityBand> metric = bands;
  for (tools::DensityBand& band : metric) {
    band.low *= kCubicFeetPerCubicMetre;
    if (band.high != kNoUpperBound) band.high *= kCubicFeetPerCubicMetre;
  }
  Write(out / tools::DensityTableName(false), bands, report);
  Write(out / tools::DensityTableName(true), metric, report);
}

void Check(const fs::path& dir, Report& report) {
  const base::ProgramDir programDir(dir);
  for (const bool metric : {false, true}) {
    const std::string name = tools::DensityTableName(metric);
    if (!programDir.exists(name)) continue;
    const auto table = tools::ReadDensityTable(programDir.resolve(name));
    if (!table.ok()) report.fault(programDir.resolve(name).string(), table.fault());
  }
}

bool Dump(const fs::path& file, std::ostream& out, Report& report) {
  const std::string name = file.filename().string();
  if (!base::EqualsNoCase(name, tools::DensityTableName(false)) &&
      !base::EqualsNoCase(name, tools::DensityTableName(true)))
    return false;
  const auto table = tools::ReadDensityTable(file);
  if (!table.ok()) {
    report.fault(file.string(), table.fault());
    return true;
  }
  for (const tools::DensityBand& band : table.value())
    out << base::NumberToText(band.low) << '\t' << base::NumberToText(band.high) << '\t'
        << base::NumberToText(band.freightClass) << '\n';
  return true;
}

}  // namespace

Part DensityPart() {
  return {"density", &Build, &Check, &Dump};
}

}  // namespace tarvex::datakit
