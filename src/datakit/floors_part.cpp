#include "datakit/floors_part.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "base/byte_record.h"
#include "base/files.h"
#include "base/number_format.h"
#include "base/text.h"
#include "pricing/floors.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;
using pricing::kFloorAmountRecordLength;
using pricing::kFloorAmountsFileName;
using pricing::kFloorColumnsFileName;
using pricing::kFloorMatrixFileName;
using pricing::kFloorRangeRecordLength;
using pricing::kFloorRowsFileName;

constexpr std::size_t kBoundWidth = 5;
constexpr int kMaxFloorCode = 255;

struct SourceLine {
  std::string where;
  std::vector<std::string> fields;
};

// The data lines of a source file, split at commas and trimmed; "#" starts a comment line.
bool ReadSource(const fs::path& file, std::vector<SourceLine>& lines, Report& report) {
  const auto data = ReadDataLines(file);
  if (!data) {
    report.fault(file.string(), "missing");
    return false;
  }
  for (const auto& [where, text] : *data) {
    SourceLine source{where, SplitCells(text, ',')};
    for (std::string& field : source.fields) field = base::Trim(field);
    lines.push_back(std::move(source));
  }
  return true;
}

// Range lines "low,high[,name]" into 10-byte records.
std::string BuildRanges(const fs::path& file, std::size_t& count, Report& report) {
  std::vector<SourceLine> lines;
  std::string bytes;
  count = 0;
  if (!ReadSource(file, lines, report)) return bytes;
  for (const auto& line : lines) {
    if (line.fields.size() < 2) {
      report.fault(line.where, "expected low,high[,name]");
      continue;
    }
    const std::string& low = line.fields[0];
    const std::string& high = line.fields[1];
    if (low.size() != kBoundWidth || high.size() != kBoundWidth) {
      report.fault(line.where, "bounds must be five characters");
      continue;
    }
    if (base::CompareText(low, high) > 0) report.fault(line.where, "low bound above high bound");
    bytes += low + high;
    ++count;
  }
  return bytes;
}

void Build(const fs::path& source, const fs::path& out, Report& report) {
  const std::size_t faultsBefore = report.faults().size();
  const fs::path dir = source / "floors";
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    report.note("floors: no floors/ folder in " + source.string() + ", no floor tables built");
    return;
  }
  std::size_t columns = 0;
  std::size_t rows = 0;
  const std::string columnBytes = BuildRanges(dir / "columns.csv", columns, report);
  const std::string rowBytes = BuildRanges(dir / "rows.csv", rows, report);

  std::map<int, double> amounts;  // floor code -> dollars
  std::vector<SourceLine> amountLines;
  if (ReadSource(dir / "amounts.csv", amountLines, report)) {
    for (const auto& line : amountLines) {
      if (line.fields.size() != 2) {
        report.fault(line.where, "expected code,amount");
        continue;
      }
      int code = 0;
      if (line.fields[0] == "default") {
        code = pricing::kDefaultFloorCode;
      } else if (line.fields[0].size() == 1 && line.fields[0] != "-") {
        code = static_cast<unsigned char>(line.fields[0][0]);
      } else {
        report.fault(line.where, "a floor code is one character or \"default\"");
        continue;
      }
      const double dollars = base::Val(line.fields[1]);
      if (line.fields[1].empty() || dollars < 0 || dollars * 100 > INT16_MAX) {
        report.fault(line.where, "amount must lie between 0 and 327.67 dollars");
        continue;
      }
      if (!amounts.emplace(code, dollars).second) report.fault(line.where, "code given twice");
    }
  }
  if (!amounts.count(pricing::kDefaultFloorCode))
    report.fault((dir / "amounts.csv").string(), "no default floor");

  std::string matrix;
  std::vector<SourceLine> matrixLines;
  if (ReadSource(dir / "matrix.csv", matrixLines, report)) {
    if (matrixLines.size() != rows)
      report.fault(
          (dir / "matrix.csv").string(),
          std::to_string(matrixLines.size()) + " rows, rows.csv has " + std::to_string(rows));
    for (const auto& line : matrixLines) {
      if (line.fields.size() != columns + 1) {
        report.fault(line.where, "expected a label and " + std::to_string(columns) + " codes");
        continue;
      }
      for (std::size_t c = 1; c < line.fields.size(); ++c) {
        const std::string& code = line.fields[c];
        if (code.size() != 1) {
          report.fault(line.where, "a cell holds one floor code or \"-\"");
          continue;
        }
        if (code == "-") {
          matrix += ' ';
          continue;
        }
        if (!amounts.count(static_cast<unsigned char>(code[0])))
          report.fault(line.where, "code " + code + " has no amount");
        matrix += code;
      }
    }
  }
  if (report.faults().size() != faultsBefore) return;

  int lastCode = 0;
  for (const auto& [code, dollars] : amounts) lastCode = std::max(lastCode, code);
  base::ByteRecord amountBytes(static_cast<std::size_t>(lastCode) * kFloorAmountRecordLength);
  for (const auto& [code, dollars] : amounts)
    amountBytes.setInt16(static_cast<std::size_t>(code - 1) * kFloorAmountRecordLength,
                         static_cast<std::int16_t>(std::lround(dollars * 100)));
  const std::string amountText(amountBytes.bytes().begin(), amountBytes.bytes().end());

  const std::array<std::pair<const char*, const std::string*>, 4> files = {{
      {kFloorColumnsFileName, &columnBytes},
      {kFloorRowsFileName, &rowBytes},
      {kFloorMatrixFileName, &matrix},
      {kFloorAmountsFileName, &amountText},
  }};
  for (const auto& [name, bytes] : files) {
    std::string error;
    if (!base::WriteFileAtomic(out / name, *bytes, &error))
      report.fault((out / name).string(), error);
  }
}

std::int64_t RangeCount(const fs::path& file, Report& report) {
  const std::int64_t length = base::FileLength(file);
  const auto size = static_cast<std::int64_t>(kFloorRangeRecordLength);
  if (length % size != 0)
    report.fault(file.string(), "length " + std::to_string(length) +
                                    " is not a whole number of "
                                    "10-byte records");
  const std::string bytes = base::FileToString(file);
  for (std::size_t i = 0; i + kFloorRangeRecordLength <= bytes.size(); i += kFloorRangeRecordLength)
    if (base::CompareText(bytes.substr(i, 5), bytes.substr(i + 5, 5)) > 0)
      report.fault(file.string(), "record " + std::to_string(i / kFloorRangeRecordLength + 1) +
                                      ": low bound above high bound");
  return length / size;
}

void Check(const fs::path& dir, Report& report) {
  const base::ProgramDir program(dir);
  const std::array<const char*, 4> names = {kFloorColumnsFileName, kFloorRowsFileName,
                                            kFloorMatrixFileName, kFloorAmountsFileName};
  int present = 0;
  for (const char* name : names) present += program.exists(name) ? 1 : 0;
  if (present == 0) {
    report.note("floors: no floor tables in " + dir.string());
    return;
  }
  for (const char* name : names)
    if (!program.exists(name)) report.fault((dir / name).string(), "missing");
  if (present != 4) return;

  const fs::path matrixFile = program.resolve(kFloorMatrixFileName);
  const fs::path amountsFile = program.resolve(kFloorAmountsFileName);
  const std::int64_t cells = RangeCount(program.resolve(kFloorColumnsFileName), report) *
                             RangeCount(program.resolve(kFloorRowsFileName), report);
  const std::string matrix = base::FileToString(matrixFile);
  if (static_cast<std::int64_t>(matrix.size()) != cells)
    report.fault(matrixFile.string(), std::to_string(matrix.size()) + " cells, the ranges need " +
                                          std::to_string(cells));
  const std::int64_t amountLength = base::FileLength(amountsFile);
  const auto amountRecords = amountLength / static_cast<std::int64_t>(kFloorAmountRecordLength);
  if (amountLength % 2 != 0 || amountRecords > kMaxFloorCode)
    report.fault(amountsFile.string(),
                 "length " + std::to_string(amountLength) + " is not up to 255 two-byte records");
  if (amountRecords < pricing::kDefaultFloorCode)
    report.fault(amountsFile.string(), "no default floor (record 32)");
  for (std::size_t i = 0; i < matrix.size(); ++i) {
    const auto code = static_cast<unsigned char>(matrix[i]);
    if (code != 0 && code > amountRecords)
      report.fault(matrixFile.string(), "cell " + std::to_string(i + 1) + ": code " +
                                            std::to_string(code) + " has no amount");
  }
}

bool Dump(const fs::path& file, std::ostream& out, Report& report) {
  const std::string name = file.filename().string();
  const auto is = [&](const char* known) { return base::EqualsNoCase(name, known); };
  if (is(kFloorColumnsFileName) || is(kFloorRowsFileName)) {
    const std::string bytes = base::FileToString(file);
    if (bytes.size() % kFloorRangeRecordLength != 0)
      report.fault(file.string(), "not a whole number of 10-byte records");
    for (std::size_t i = 0; i + kFloorRangeRecordLength <= bytes.size();
         i += kFloorRangeRecordLength)
      out << i / kFloorRangeRecordLength + 1 << ": " << bytes.substr(i, 5) << " - "
          << bytes.substr(i + 5, 5) << '\n';
    return true;
  }
  if (is(kFloorMatrixFileName)) {
    const base::ProgramDir program(file.parent_path());
    const std::int64_t columns = program.exists(kFloorColumnsFileName)
                                     ? base::FileLength(program.resolve(kFloorColumnsFileName)) /
                                           static_cast<std::int64_t>(kFloorRangeRecordLength)
                                     : 0;
    const std::string bytes = base::FileToString(file);
    const auto width = static_cast<std::size_t>(columns > 0 ? columns : 1);
    for (std::size_t i = 0; i < bytes.size(); i += width) {
      out << i / width + 1 << ":";
      for (std::size_t c = i; c < std::min(bytes.size(), i + width); ++c) {
        const auto code = static_cast<unsigned char>(bytes[c]);
        out << ' '
            << (code == ' '               ? std::string("-")
                : code < 33 || code > 126 ? "#" + std::to_string(code)
                                          : std::string(1, bytes[c]));
      }
      out << '\n';
    }
    return true;
  }
  if (is(kFloorAmountsFileName)) {
    const std::int64_t count = base::FixedRecordCount(file, kFloorAmountRecordLength);
    for (std::int64_t n = 1; n <= count; ++n) {
      const auto read = base::ReadFixedRecord(file, kFloorAmountRecordLength, n);
      if (!read.ok()) break;
      const std::int16_t cents = read.record.int16(0);
      if (cents == 0) continue;
      out << n << (n == pricing::kDefaultFloorCode ? " (default)" : "") << ": "
          << base::FormatMask(cents / 100.0, "0.00") << '\n';
    }
    return true;
  }
  return false;
}

}  // namespace

Part FloorsPart() {
  return {"floors", &Build, &Check, &Dump};
}

}  // namespace tarvex::datakit
