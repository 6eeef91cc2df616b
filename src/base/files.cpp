#include "base/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace tarvex::base {

namespace fs = std::filesystem;

std::int64_t FileLength(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return -1;
  const auto size = fs::file_size(file, ec);
  return ec ? -1 : static_cast<std::int64_t>(size);
}

std::int64_t FixedRecordCount(const fs::path& file, std::size_t recordLength) {
  const std::int64_t length = FileLength(file);
  if (length <= 0 || recordLength == 0) return 0;
  return length / static_cast<std::int64_t>(recordLength);
}

RecordRead ReadFixedRecord(const fs::path& file, std::size_t recordLength,
                           std::int64_t recordNumber) {
  RecordRead result;
  const std::int64_t length = FileLength(file);
  if (length < 0) return result;
  result.status = RecordStatus::Short;
  if (recordNumber < 1 || recordLength == 0) return result;
  const auto len = static_cast<std::int64_t>(recordLength);
  const std::int64_t start = (recordNumber - 1) * len;
  if (start + len > length) return result;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    result.status = RecordStatus::Missing;
    return result;
  }
  in.seekg(start);
  std::vector<std::uint8_t> bytes(recordLength);
  in.read(reinterpret_cast<char*>(bytes.data()), len);
  if (in.gcount() != len) return result;
  result.status = RecordStatus::Ok;
  result.record = ByteRecord(std::move(bytes));
  return result;
}

std::string FileToString(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return {};
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return {};
  return content;
}

namespace {

// Creates a new temporary beside the file. O_EXCL and O_NOFOLLOW make the open fail on any
// name that already exists, a link planted there included, so the content can only ever go
// into a file this call created; a taken name is passed over for another.
int CreateTemporary(const fs::path& file, fs::path& temp) {
  const std::string base = file.filename().string();
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    // Later names are hard to guess, so names planted in advance cannot use up the attempts.
    const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    temp = file.parent_path() /
           (attempt == 0 ? base + ".tmp~"
                         : base + "." + std::to_string(::getpid()) + "-" + std::to_string(tick) +
                               "-" + std::to_string(attempt) + ".tmp~");
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Makes the rename itself durable: the directory entry is flushed as well as the content.
bool SyncDirectory(const fs::path& dir) {
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  // Some file systems cannot sync a directory; the rename is then as durable as they allow.
  const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
  const int saved = errno;
  ::close(fd);
  errno = saved;
  return synced;
}

}  // namespace

bool WriteFileAtomic(const fs::path& file, std::string_view content, std::string* error) {
  const auto fail = [&](const std::string& what) {
    if (error) *error = what + ": " + std::strerror(errno);
    return false;
  };
  fs::path temp;
  const int fd = CreateTemporary(file, temp);
  if (fd < 0) return fail("cannot create a temporary file beside " + file.string());
  std::size_t written = 0;
  while (written < content.size()) {
    const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int saved = errno;
      ::close(fd);
      ::unlink(temp.c_str());
      errno = saved;
      return fail("cannot write " + file.string());
    }
    written += static_cast<std::size_t>(n);
  }
  // The descriptor is closed whether or not the sync succeeded; the first failure is told.
  bool stored = ::fsync(fd) == 0;
  int saved = stored ? 0 : errno;
  if (::close(fd) != 0 && stored) {
    stored = false;
    saved = errno;
  }
  if (!stored) {
    ::unlink(temp.c_str());
    errno = saved;
    return fail("cannot write " + file.string());
  }
  if (::rename(temp.c_str(), file.c_str()) != 0) {
    saved = errno;
    ::unlink(temp.c_str());
    errno = saved;
    return fail("cannot replace " + file.string());
  }
  if (!SyncDirectory(file.parent_path()))
    return fail("replaced " + file.string() + " but could not make the change durable");
  return true;
}

bool WriteFixedRecord(const fs::path& file, std::size_t recordLength, std::int64_t recordNumber,
                      const ByteRecord& record, std::string* error) {
  if (recordNumber < 1 || record.size() != recordLength) {
    if (error) *error = "record does not fit " + file.string();
    return false;
  }
  std::string content = FileToString(file);
  const auto start = static_cast<std::size_t>(recordNumber - 1) * recordLength;
  if (content.size() < start + recordLength) content.resize(start + recordLength, ' ');
  std::memcpy(content.data() + start, record.data(), recordLength);
  return WriteFileAtomic(file, content, error);
}

}  // namespace tarvex::base
