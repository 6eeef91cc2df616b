#include "geo/record_file.h"

#include <system_error>

namespace tarvex::geo {

RecordFile::RecordFile(const std::filesystem::path& file, std::size_t recordLength)
    : recordLength_(recordLength) {
  std::error_code ec;
  if (recordLength_ == 0 || !std::filesystem::is_regular_file(file, ec)) return;
  const auto size = std::filesystem::file_size(file, ec);
  if (ec) return;
  // Unbuffered: a bisection reads a handful of short records far apart, and a stream
  // buffer would fetch a whole block around each of them.
  in_.rdbuf()->pubsetbuf(nullptr, 0);
  in_.open(file, std::ios::binary);
  if (!in_) return;
  open_ = true;
  length_ = static_cast<std::int64_t>(size);
  count_ = length_ / static_cast<std::int64_t>(recordLength_);
}

std::optional<base::ByteRecord> RecordFile::read(std::int64_t recordNumber) {
  if (!open_ || recordNumber < 1 || recordNumber > count_) return std::nullopt;
  base::ByteRecord record(recordLength_);
  in_.clear();
  in_.seekg(static_cast<std::streamoff>(recordNumber - 1) *
            static_cast<std::streamoff>(recordLength_));
  in_.read(reinterpret_cast<char*>(record.data()), static_cast<std::streamsize>(recordLength_));
  if (in_.gcount() != static_cast<std::streamsize>(recordLength_)) return std::nullopt;
  return record;
}

}  // namespace tarvex::geo
