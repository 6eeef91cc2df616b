#include "base/limits.h"

#include <fmt/format.h>

namespace tarvex::base {

std::string StoredNumberText(double value) {
  return fmt::format("{}", value);
}

}  // namespace tarvex::base
