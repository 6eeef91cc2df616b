// One opening of a fixed-record file for the length of a search: a look-up opens the file,
// reads the few records it needs by number and closes it, so nothing is kept between calls.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>

#include "base/byte_record.h"

namespace tarvex::geo {

class RecordFile {
 public:
  RecordFile(const std::filesystem::path& file, std::size_t recordLength);

  bool isOpen() const { return open_; }
  // Whole records in the file; a trailing partial record is not counted and never read.
  std::int64_t count() const { return count_; }
  std::int64_t length() const { return length_; }
  // False when the file ends in a partial record: cut short or damaged by whatever wrote it.
  bool whole() const { return !open_ || length_ % static_cast<std::int64_t>(recordLength_) == 0; }
  // Record n (from 1); nothing when it does not lie wholly within the file.
  std::optional<base::ByteRecord> read(std::int64_t recordNumber);

 private:
  std::ifstream in_;
  std::size_t recordLength_;
  bool open_ = false;
  std::int64_t length_ = 0;
  std::int64_t count_ = 0;
};

// The bisection the program's sorted lists share: lo = 0, hi = count + 1, mid halves the
// gap while it is at least 2. `probe` looks at record mid and answers 0 for a match, > 0
// when the key lies above the record (lo moves up) and < 0 otherwise (hi moves down).
// Returns the matching record, or nothing; `found` takes its number.
template <typename Probe>
std::optional<base::ByteRecord> Bisect(RecordFile& file, Probe probe,
                                       std::int64_t* found = nullptr) {
  if (!file.isOpen()) return std::nullopt;
  std::int64_t lo = 0;
  std::int64_t hi = file.count() + 1;
  while (hi - lo >= 2) {
    const std::int64_t mid = (lo + hi) / 2;
    auto record = file.read(mid);
    if (!record) return std::nullopt;
    const int side = probe(*record);
    if (side == 0) {
      if (found) *found = mid;
      return record;
    }
    if (side > 0) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return std::nullopt;
}

}  // namespace tarvex::geo
