// A scratch program directory per test, with helpers that write the carrier's fixed records.
#pragma once

#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/byte_record.h"
#include "base/program_dir.h"

namespace tarvex::geo::geotest {

class TempDir {
 public:
  TempDir() {
    static std::atomic<int> serial{0};
    path_ = std::filesystem::temp_directory_path() /
            ("tarvex-geo-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  base::ProgramDir dir() const { return base::ProgramDir(path_); }

  void write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(path_ / std::string(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  void append(std::string_view name, const base::ByteRecord& record) const {
    std::ofstream out(path_ / std::string(name), std::ios::binary | std::ios::app);
    out.write(reinterpret_cast<const char*>(record.data()),
              static_cast<std::streamsize>(record.size()));
  }

 private:
  std::filesystem::path path_;
};

// The bytes of a record built by a filler function.
template <typename Fill>
base::ByteRecord Record(std::size_t length, Fill fill) {
  base::ByteRecord r(length, ' ');
  fill(r);
  return r;
}

}  // namespace tarvex::geo::geotest
