// The discount editor's states: the list of stname.dat and the eight values each state keeps
// in its own section of a discount set.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/read_result.h"

namespace tarvex::pricing {

inline constexpr const char* kStateNameFileName = "stname.dat";
// The grid offers at most this many states; further lines of the file are not used.
inline constexpr std::size_t kMaxStates = 49;
inline constexpr std::size_t kStateNameWidth = 21;

struct StateDiscount {
  std::string StateName;  // as the file holds it, blank-padded to 21 characters
  std::string StateCode;  // two letters: the name of the state's section
  // The eight keys of a state section, in their order (kStateSectionKeys).
  std::array<double, 8> values{};
};

// The states of stname.dat in file order, with all values 0: characters 1 to 21 of a line are
// the name, 22 and 23 the code. Blank lines are skipped. A missing file, a line without a
// two-letter code, a line holding a comma (the classic reader would cut it there) or a code
// given twice is a fault naming the file and the line.
base::ReadResult<std::vector<StateDiscount>> ReadStateNames(const std::filesystem::path& file);

// A set's number as the editor takes it: "12.5" (or "12,5" written on a desktop whose separator
// is the comma), leniently, with 0 for an empty text and for anything beyond a finite number.
double SetValue(std::string_view text, char decimalSeparator = '.');

// Fills each state's eight values from its section of the set file; a missing file, section or
// key gives 0.
void ReadStateSections(const std::filesystem::path& file, std::vector<StateDiscount>& states,
                       char decimalSeparator = '.');

// Replaces each state's section in the text of a set file by its eight keys, every state
// whether or not it was changed.
bool WriteStateSections(std::string& text, const std::vector<StateDiscount>& states,
                        std::string* error = nullptr);

}  // namespace tarvex::pricing
