// The engine's lock file in a program directory: shared by every program that reads the
// data files (the window program, tarvex-cli), exclusive for the one that replaces them
// (the data kit), so that nobody rates from half-replaced files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvex::vorn {

inline constexpr std::string_view kLockFileName = "vorn.lck";

class FilesLock {
 public:
  enum class Kind { kReader, kWriter };
  enum class Outcome { kHeld, kBusy, kUnusable };

  FilesLock() = default;
  FilesLock(const FilesLock&) = delete;
  FilesLock& operator=(const FilesLock&) = delete;
  FilesLock(FilesLock&& other) noexcept;
  FilesLock& operator=(FilesLock&& other) noexcept;
  ~FilesLock();

  // Takes the lock of `dir` without waiting: kBusy when a writer holds it (or, for a
  // writer, any reader), kUnusable when the lock file cannot be opened. The lock dies with
  // the process that holds it.
  Outcome Take(const std::filesystem::path& dir, Kind kind, std::string* error = nullptr);
  void Release();
  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// The programs holding the lock file of `dir`, as "name (process 123)", joined by ", ";
// empty when the system does not tell.
std::string LockHolders(const std::filesystem::path& dir);

}  // namespace tarvex::vorn
