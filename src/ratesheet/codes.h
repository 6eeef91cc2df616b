// The codes of a rate sheet request: the forms a headline or sideline code may take, the
// country of a sideline code, and the captions and class codes of the sheet's columns.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex::ratesheet {

// Every character a digit (and at least one).
bool IsNumericCode(std::string_view code);

// A trimmed headline or sideline code: 3 or 5 digits; letter and digit alternating from a
// letter over 3 or 5 characters; or 4 or 6 characters ending in "M" whose leading digits are
// worth more than 0. The empty code is refused.
bool IsValidZipForm(std::string_view code);

// A sideline high code: empty; 010 … 994; three digits and "M"; or a Canadian prefix from
// "A0A" to "Y9Z".
bool IsValidSidelineCode(std::string_view code);

enum class SidelineCountry { US, Canada, Mexico };
// Numeric: the United States; four characters otherwise: Mexico; anything else: Canada.
SidelineCountry CountryOfSideline(std::string_view code);

// A 3-character headline widened to a whole code the engine rates: "300" gives "30001",
// "K1A" gives "K1A0A".
std::string WidenHeadline(std::string_view code);

// The caption of weight break `index` of the engine's breaks (whole pounds, ascending):
// "5C" for 500, "1M" for 1000, and for break 0 the next one's with "L" in front ("L5C").
std::string WeightCaption(const std::vector<std::int32_t>& breaks, std::size_t index);

// The engine's class of a class name: its numeric value right-aligned in three characters
// (" 50", "100"), cut to three when longer.
std::string RateSheetClassCode(std::string_view className);

}  // namespace tarvex::ratesheet
