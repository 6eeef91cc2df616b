// The single-instance guard: one running Tarvex per program directory.
#pragma once

#include <filesystem>

namespace tarvex::app {

// Holds an exclusive lock on a file in the program directory for the life of the object.
// The lock belongs to the process, so a crashed Tarvex leaves no stale lock behind.
class InstanceLock {
 public:
  explicit InstanceLock(const std::filesystem::path& programDir);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True only when another process of the same program directory holds the lock; a
  // directory where no lock file can be made guards nothing but refuses nobody.
  bool heldByAnother() const { return heldByAnother_; }

 private:
  int fd_ = -1;
  bool heldByAnother_ = false;
};

}  // namespace tarvex::app
