// Sideline codes as the rate sheet walks them: the next code of a range, the state of a code,
// the lane's minimum charge in cents and the export file's six-character fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/program_dir.h"

namespace tarvex::ratesheet {

// The code after `code`: 3-digit and 5-digit numbers count up with leading zeros ("999" is
// followed by "000", which ends a range), Canadian codes step letters A–Z and digits 0–9 from
// the last character backwards ("A9Z" is followed by "B0A"), and a Mexican "123M" steps its
// digits and keeps the "M". Any other text comes back unchanged.
std::string NextSidelineCode(std::string_view code);

// The lane's minimum charge in cents: H16 (after its discount), or the lane's MC floor when
// that is higher, held in five digits.
std::int64_t RateSheetMinimum(std::string_view minimumCharge, double floor);

// The text padded with blanks to at least six characters.
std::string PadRight6(std::string_view text);

// The two-letter state or province of a code: the state of a US prefix, "MX" for a Mexican
// code, the province of a Canadian code; "" when none can be told.
std::string StateOfCode(const base::ProgramDir& dir, std::string_view code);

}  // namespace tarvex::ratesheet
