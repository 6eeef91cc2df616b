#include "vorn/files_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

#include "fmt/format.h"

namespace tarvex::vorn {

FilesLock::FilesLock(FilesLock&& other) noexcept : fd_(other.fd_) {
  other.fd_ = -1;
}

FilesLock& FilesLock::operator=(FilesLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

FilesLock::~FilesLock() {
  Release();
}

void FilesLock::Release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

FilesLock::Outcome FilesLock::Take(const std::filesystem::path& dir, Kind kind,
                                   std::string* error) {
  Release();
  const std::filesystem::path file = dir / std::string(kLockFileName);
  const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0) {
    if (error != nullptr) *error = file.string() + ": " + std::strerror(errno);
    return Outcome::kUnusable;
  }
  if (::flock(fd, (kind == Kind::kWriter ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
    const int why = errno;
    ::close(fd);
    if (error != nullptr) *error = file.string() + ": " + std::strerror(why);
    return why == EWOULDBLOCK ? Outcome::kBusy : Outcome::kUnusable;
  }
  fd_ = fd;
  return Outcome::kHeld;
}

std::string LockHolders(const std::filesystem::path& dir) {
  struct stat st {};
  const std::filesystem::path file = dir / std::string(kLockFileName);
  if (::stat(file.c_str(), &st) != 0) return "";
  // Lines of /proc/locks: "1: FLOCK  ADVISORY  READ 1234 08:01:5678 0 EOF"; waiting
  // requests carry "->" and hold nothing. Some file systems show another device number
  // than stat gives, so the inode alone decides when the device finds nobody.
  const std::string device = fmt::format("{:02x}:{:02x}:", major(st.st_dev), minor(st.st_dev));
  const std::string inode = std::to_string(st.st_ino);
  std::ifstream locks("/proc/locks");
  std::set<long> exact;
  std::set<long> sameInode;
  for (std::string line; std::getline(locks, line);) {
    std::istringstream in(line);
    std::string id, type, advisory, mode, where;
    long pid = 0;
    if (!(in >> id >> type) || type != "FLOCK") continue;
    if (!(in >> advisory >> mode >> pid >> where) || pid <= 0) continue;
    const auto colon = where.rfind(':');
    if (colon == std::string::npos || where.substr(colon + 1) != inode) continue;
    sameInode.insert(pid);
    if (where == device + inode) exact.insert(pid);
  }
  const std::set<long>& pids = exact.empty() ? sameInode : exact;
  std::string holders;
  for (const long pid : pids) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    holders += (holders.empty() ? "" : ", ") + (name.empty() ? std::string("a program") : name) +
               " (process " + std::to_string(pid) + ")";
  }
  return holders;
}

}  // namespace tarvex::vorn
