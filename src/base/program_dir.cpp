#include "base/program_dir.h"

#include <system_error>

#include "base/text.h"

namespace tarvex::base {

namespace fs = std::filesystem;

ProgramDir::ProgramDir(fs::path dir) : dir_(std::move(dir)) {}

fs::path ProgramDir::resolve(std::string_view name) const {
  std::string n(name);
  for (char& c : n)
    if (c == '\\') c = '/';
  fs::path current = dir_;
  std::size_t pos = 0;
  while (pos <= n.size()) {
    const std::size_t slash = n.find('/', pos);
    const std::string part =
        n.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
    pos = slash == std::string::npos ? n.size() + 1 : slash + 1;
    if (part.empty() || part == ".") continue;
    fs::path exact = current / part;
    std::error_code ec;
    if (!fs::exists(exact, ec)) {
      for (const auto& entry : fs::directory_iterator(current, ec)) {
        if (EqualsNoCase(entry.path().filename().string(), part)) {
          exact = entry.path();
          break;
        }
      }
    }
    current = exact;
  }
  return current;
}

bool ProgramDir::exists(std::string_view name) const {
  std::error_code ec;
  return fs::exists(resolve(name), ec);
}

}  // namespace tarvex::base
