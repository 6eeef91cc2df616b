// What the fuzz targets share: a scratch program directory for the readers that take a path,
// and one input split into the several files a reader needs.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/program_dir.h"

namespace tarvex::fuzz {

// Between the files of one input (a seed joins the demo files with it).
inline constexpr std::string_view kNextFile = "\n--next file--\n";

// The program directory of this process, made on first use and removed at exit.
inline const base::ProgramDir& ScratchDir() {
  static const base::ProgramDir dir = [] {
    const auto path =
        std::filesystem::temp_directory_path() / ("tarvex-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    static const std::filesystem::path removed = path;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(removed, ignored);
    });
    return base::ProgramDir(path);
  }();
  return dir;
}

// The input cut at each kNextFile into at most `count` parts; a part that is not there is
// missing (the file will be absent), so inputs with fewer parts try missing files too.
inline std::vector<std::optional<std::string>> Split(const std::uint8_t* data, std::size_t size,
                                                     std::size_t count) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::optional<std::string>> parts(count);
  std::size_t start = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t end = i + 1 == count ? std::string_view::npos : input.find(kNextFile, start);
    parts[i] = std::string(input.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + kNextFile.size();
  }
  return parts;
}

// Writes the file into the scratch directory, or removes it for a part that is not there.
inline void Put(const std::string& name, const std::optional<std::string>& bytes) {
  const auto path = ScratchDir().path() / name;
  if (!bytes) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return;
  }
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
}

inline void Put(const std::string& name, const std::uint8_t* data, std::size_t size) {
  Put(name, std::optional<std::string>(std::string(reinterpret_cast<const char*>(data), size)));
}

// A broken promise of a reader: abort, so that libFuzzer keeps the input.
inline void Require(bool holds) {
  if (!holds) std::abort();
}

}  // namespace tarvex::fuzz
