// Scratch program directories for tests: one per process, test and use, removed afterwards,
// empty or holding a copy of the demo program directory the build laid out.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "base/byte_record.h"
#include "base/program_dir.h"

namespace tarvex::testing {

class ScratchDir {
 public:
  enum class Contents { Empty, Demo };

  // `label` tells apart the directories one test makes for different purposes.
  explicit ScratchDir(Contents contents = Contents::Empty, std::string_view label = "")
      : path_(std::filesystem::temp_directory_path() / UniqueName(label)) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    if (contents == Contents::Demo) CopyDemo();
  }
  ~ScratchDir() {
    // A program started in the directory made it the current one; the process goes on
    // after the directory is gone, so it moves somewhere that stays.
    std::error_code ec;
    const auto current = std::filesystem::current_path(ec);
    if (ec || Inside(current))
      std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  base::ProgramDir dir() const { return base::ProgramDir(path_); }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  // Writes a file (and any folders on its way) with exactly these bytes; returns its path.
  std::filesystem::path Put(std::string_view name, std::string_view bytes) const {
    const auto file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
  }
  // Adds a fixed-length record at the end of a file.
  void Append(std::string_view name, const base::ByteRecord& record) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::app);
    out.write(reinterpret_cast<const char*>(record.data()),
              static_cast<std::streamsize>(record.size()));
  }
  // Copies the demo program directory in: executables, engine and data, not its lock files.
  void CopyDemo() const {
    for (const auto& entry : std::filesystem::directory_iterator(TARVEX_PROGRAM_DIR))
      if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
        std::filesystem::copy_file(entry.path(), path_ / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
  }

 private:
  // Parallel test runs (one process per test under CTest) and several directories of one
  // test never share a name.
  static std::string UniqueName(std::string_view label) {
    static std::atomic<int> serial{0};
    std::string name = "tarvex-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info())
      name += std::string("-") + info->test_suite_name() + "." + info->name();
    else if (const auto* suite = ::testing::UnitTest::GetInstance()->current_test_suite())
      name += std::string("-") + suite->name();
    if (!label.empty()) name += "-" + std::string(label);
    for (char& c : name)
      if (c == '/' || c == ' ') c = '_';
    return name;
  }
  bool Inside(const std::filesystem::path& p) const {
    std::error_code ec;
    const auto root = std::filesystem::weakly_canonical(path_, ec);
    const auto here = std::filesystem::weakly_canonical(p, ec);
    return std::mismatch(root.begin(), root.end(), here.begin(), here.end()).first == root.end();
  }

  std::filesystem::path path_;
};

// A test with its own scratch program directory in dir_.
class ProgramDirTest : public ::testing::Test {
 protected:
  explicit ProgramDirTest(ScratchDir::Contents contents = ScratchDir::Contents::Empty)
      : scratch_(contents) {}

  std::filesystem::path Put(std::string_view name, std::string_view bytes) const {
    return scratch_.Put(name, bytes);
  }

  ScratchDir scratch_;
  const std::filesystem::path dir_ = scratch_.path();
  const base::ProgramDir programDir_{dir_};
};

}  // namespace tarvex::testing
