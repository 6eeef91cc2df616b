// The border-crossing fee the main window reads from bordercrossingfee.dat at load.
#pragma once

#include <string>
#include <string_view>

#include "base/program_dir.h"

namespace tarvex::app {

inline constexpr const char* kBorderCrossingFeeFileName = "bordercrossingfee.dat";

struct BorderCrossingFee {
  double amount = 0;
  // Set when the file holds a number that is no fee; the amount is then 0 and every lane
  // that would carry the fee says so.
  std::string fault;
  bool ok() const { return fault.empty(); }
};

// The fee of the file's text. Text that is not a number is a fee of 0, as the program has
// always read it; a number that is no amount from 0 to below 1000000 (1e308, -35, digits past
// what a number holds) is a fault that names the file.
BorderCrossingFee BorderCrossingFeeOf(std::string_view text, const std::string& fileName);

// The fee of bordercrossingfee.dat in the program directory; a missing file is a fee of 0.
BorderCrossingFee ReadBorderCrossingFee(const base::ProgramDir& dir);

}  // namespace tarvex::app
