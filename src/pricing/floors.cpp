#include "pricing/floors.h"

#include <cstdint>
#include <filesystem>

#include "base/files.h"
#include "base/number_format.h"
#include "base/text.h"

namespace tarvex::pricing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNoFloor = " No floor is applied to this quote.";

std::string MissingFault(const fs::path& file) {
  return "Floor table file \"" + file.string() + "\" is missing or cannot be read." + kNoFloor;
}

std::string ShortFault(const fs::path& file, std::int64_t record) {
  return "Floor table file \"" + file.string() + "\" is too short: it ends before the end of " +
         "record " + std::to_string(record) + "." + kNoFloor;
}

// A range file, read whole: it is scanned once per pass for every column or row.
struct RangeFile {
  fs::path path;
  std::string bytes;
  std::int64_t count = 0;
};

bool LoadRanges(const base::ProgramDir& dir, const char* name, RangeFile& ranges,
                std::string& fault) {
  ranges.path = dir.resolve(name);
  const std::int64_t length = base::FileLength(ranges.path);
  if (length < 0) {
    fault = MissingFault(ranges.path);
    return false;
  }
  ranges.bytes = base::FileToString(ranges.path);
  if (static_cast<std::int64_t>(ranges.bytes.size()) != length) {
    fault = MissingFault(ranges.path);
    return false;
  }
  // An empty range file or a torn last range leaves lanes without the cells they had.
  if (length == 0 || length % static_cast<std::int64_t>(kFloorRangeRecordLength) != 0) {
    fault = "Floor table file \"" + ranges.path.string() + "\" is damaged: it " +
            (length == 0 ? "is empty" : "ends in a partial record") + "." + kNoFloor;
    return false;
  }
  for (const char c : ranges.bytes) {
    const bool codeCharacter =
        (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ';
    if (!codeCharacter) {
      fault = "Floor table file \"" + ranges.path.string() +
              "\" is damaged: a range holds a character that is in no postal code." + kNoFloor;
      return false;
    }
  }
  // The carrier's count is the length in records rounded to the nearest, halves to even; a
  // record that this count includes but the file does not hold whole is reported when reached.
  ranges.count = base::RoundHalfEven(static_cast<double>(length) /
                                     static_cast<double>(kFloorRangeRecordLength));
  return true;
}

// Whether range `record` contains the key; false with a fault when the record is not whole.
bool InRange(const RangeFile& ranges, std::int64_t record, std::string_view key,
             std::string& fault) {
  const auto size = static_cast<std::int64_t>(kFloorRangeRecordLength);
  const std::int64_t start = (record - 1) * size;
  if (start + size > static_cast<std::int64_t>(ranges.bytes.size())) {
    fault = ShortFault(ranges.path, record);
    return false;
  }
  const std::string_view text =
      std::string_view(ranges.bytes).substr(static_cast<std::size_t>(start), 10);
  return base::CompareText(text.substr(0, 5), key) <= 0 &&
         base::CompareText(key, text.substr(5, 5)) <= 0;
}

struct Tables {
  RangeFile columns;  // UniqCan.dat
  RangeFile rows;     // UniqUS.dat
  fs::path matrix;    // Floor.dat
};

// One pass over the matrix: the first cell other than " " whose column contains `a` and whose
// row contains `b`, scanning rows within columns; " " when there is none.
unsigned char SearchCells(const Tables& tables, std::string_view a, std::string_view b,
                          std::string& fault) {
  for (std::int64_t c = 1; c <= tables.columns.count; ++c) {
    if (!InRange(tables.columns, c, a, fault)) {
      if (!fault.empty()) return ' ';
      continue;
    }
    for (std::int64_t r = 1; r <= tables.rows.count; ++r) {
      if (!InRange(tables.rows, r, b, fault)) {
        if (!fault.empty()) return ' ';
        continue;
      }
      const std::int64_t cell = (r - 1) * tables.columns.count + c;
      const auto read = base::ReadFixedRecord(tables.matrix, 1, cell);
      if (!read.ok()) {
        fault = read.status == base::RecordStatus::Missing ? MissingFault(tables.matrix)
                                                           : ShortFault(tables.matrix, cell);
        return ' ';
      }
      const unsigned char code = read.record.data()[0];
      if (code != ' ') return code;
    }
  }
  return ' ';
}

std::string SearchKey(std::string_view postalCode) {
  return base::Trim(postalCode).substr(0, 5);
}

bool IsCanadian(std::string_view postalCode) {
  return base::Val(postalCode) == 0.0;
}

}  // namespace

LaneFloor GetLaneFloor(const base::ProgramDir& dir, std::string_view originPostalCode,
                       std::string_view destinationPostalCode, double customerFloor,
                       bool useFloorTables) {
  LaneFloor floor;
  if (customerFloor > 0) {
    floor.amount = customerFloor;
    return floor;
  }
  if (!useFloorTables) return floor;

  Tables tables;
  if (!LoadRanges(dir, kFloorColumnsFileName, tables.columns, floor.fault) ||
      !LoadRanges(dir, kFloorRowsFileName, tables.rows, floor.fault))
    return floor;
  tables.matrix = dir.resolve(kFloorMatrixFileName);
  const std::int64_t cells = tables.columns.count * tables.rows.count;
  const std::int64_t matrixLength = base::FileLength(tables.matrix);
  if (matrixLength < 0) {
    floor.fault = MissingFault(tables.matrix);
    return floor;
  }
  // The matrix holds exactly one cell per column and row range: a smaller one is cut short, a
  // larger one means a range file has lost ranges (or the matrix gained cells), and either way
  // cells would be read for the wrong lanes. Which file is at fault cannot be told, so all
  // three are named.
  if (matrixLength != cells) {
    floor.fault = "Floor table file \"" + tables.matrix.string() + "\" holds " +
                  std::to_string(matrixLength) + " cells where the " +
                  std::to_string(tables.columns.count) + " ranges of \"" +
                  tables.columns.path.string() + "\" and the " + std::to_string(tables.rows.count) +
                  " of \"" + tables.rows.path.string() + "\" need " + std::to_string(cells) + "." +
                  kNoFloor;
    return floor;
  }

  const std::string origin = SearchKey(originPostalCode);
  const std::string destination = SearchKey(destinationPostalCode);
  const bool originCanadian = IsCanadian(originPostalCode);
  const bool destinationCanadian = IsCanadian(destinationPostalCode);
  // The Canadian end of the lane is looked up among the columns, the other among the rows;
  // a lane with no Canadian end, or two, is tried both ways round.
  unsigned char code = originCanadian ? SearchCells(tables, origin, destination, floor.fault)
                                      : SearchCells(tables, destination, origin, floor.fault);
  if (floor.ok() && code == ' ')
    code = destinationCanadian ? SearchCells(tables, destination, origin, floor.fault)
                               : SearchCells(tables, origin, destination, floor.fault);
  if (!floor.ok()) return floor;
  if (code == 0) return floor;

  const fs::path amounts = dir.resolve(kFloorAmountsFileName);
  const auto read = base::ReadFixedRecord(amounts, kFloorAmountRecordLength, code);
  if (!read.ok()) {
    floor.fault = read.status == base::RecordStatus::Missing ? MissingFault(amounts)
                                                             : ShortFault(amounts, code);
    return floor;
  }
  const std::int16_t cents = read.record.int16(0);
  if (cents < 0) {
    floor.fault = "Floor table file \"" + amounts.string() + "\" is damaged: record " +
                  std::to_string(code) + " holds " + std::to_string(cents) +
                  " cents, which is no floor." + kNoFloor;
    return floor;
  }
  floor.amount = cents / 100.0;
  return floor;
}

}  // namespace tarvex::pricing
