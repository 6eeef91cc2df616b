// The program directory: where every data file lives, looked up case-insensitively.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvex::base {

class ProgramDir {
 public:
  explicit ProgramDir(std::filesystem::path dir);

  const std::filesystem::path& path() const { return dir_; }

  // The path of a data file named as the carrier's data names it: "fak.dat", "\FAK.dat"
  // or "sub\name.dat". Each part is matched without regard to case, since the data comes
  // from a platform where FAK.dat and fak.dat are one file. A name with no match
  // resolves to the name as given (where a new file would be written).
  std::filesystem::path resolve(std::string_view name) const;

  bool exists(std::string_view name) const;

 private:
  std::filesystem::path dir_;
};

}  // namespace tarvex::base
