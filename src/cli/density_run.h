// The density class calculator on the command line: the window's own logic, typed into
// without a display.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tarvex::cli {

struct DensityInput {
  std::string length;
  std::string width;
  std::string height;
  std::string weight;
  bool metric = false;
};

struct DensityOutput {
  // volume, cubic_feet (imperial only), density, class: as the calculator shows them.
  std::vector<std::pair<std::string, std::string>> fields;
  // What the calculator said ("Invalid Height"), or why a value could not be typed.
  std::vector<std::string> messages;
  bool ok() const { return messages.empty(); }
};

// Types the four values into the calculator of the program directory and reads its figures.
DensityOutput RunDensity(const std::string& programDir, const DensityInput& input,
                         char decimalSeparator);

}  // namespace tarvex::cli
