// A scratch program directory with the demo carrier's data and the rating engine, for the
// benchmarks that run the program itself; removed when the benchmark ends.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "datakit/kit.h"

namespace tarvex::bench {

class DemoProgramDir {
 public:
  explicit DemoProgramDir(const std::string& name)
      : path_(std::filesystem::temp_directory_path() /
              ("tarvex-bench-" + name + "-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
    datakit::Report report;
    for (const auto& part : datakit::Parts())
      part.build(std::filesystem::path(TARVEX_SOURCE_DIR) / "data" / "demo", path_, report);
    std::filesystem::copy_file(TARVEX_VORN_LIBRARY, path_ / "libvorn.so",
                               std::filesystem::copy_options::overwrite_existing);
  }
  ~DemoProgramDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  DemoProgramDir(const DemoProgramDir&) = delete;
  DemoProgramDir& operator=(const DemoProgramDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace tarvex::bench
