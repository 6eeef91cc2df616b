// Special points: rural points served on certain days only, high-cost service areas,
// California points and New York City points, each a list in the program directory.
// Every look-up opens its list, searches it and closes it; nothing is held between calls.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/program_dir.h"

namespace tarvex::geo {

constexpr const char* kRuralFileName = "RuralPts.dat";
constexpr std::size_t kRuralRecordLength = 6;
constexpr const char* kHighCostFileName = "HighCost.dat";
constexpr const char* kCaliforniaFileName = "CA_Pnts.dat";
constexpr std::size_t kCaliforniaRecordLength = 16;
constexpr const char* kNewYorkCityFileName = "NYCPts.dat";
constexpr std::size_t kNewYorkCityRecordLength = 8;

// An amount a list gives a lane, or why the list cannot give one. A missing or empty list is
// no fault: it lists nothing.
struct ListAmount {
  double amount = 0;
  std::string fault;  // set when the list is damaged; the amount is then 0
  bool ok() const { return fault.empty(); }
};

// True when the code is listed in RuralPts.dat (upper case, trimmed). Mexican codes never are.
// `fault` is set when the list is damaged (a partial last record, a record that holds no code).
bool IsRuralPoint(const base::ProgramDir& dir, std::string_view code, std::string* fault = nullptr);

// The rural message for the lane's origin and destination (the engine record's H7 and H9),
// or nothing when neither point is rural. The lane check shows it and goes on, and shows
// `fault` too when the list is damaged.
std::optional<std::string> CheckRuralPoints(const base::ProgramDir& dir, std::string_view origin,
                                            std::string_view destination,
                                            std::string* fault = nullptr);

// One entry of HighCost.dat: an area of codes, the direction it applies to and its fee.
struct HighCostEntry {
  std::string lowest;
  std::string highest;
  std::string text;
  std::string direction;  // "O", "D" or "B"
  std::string minimumText;
  std::string rateText;
  std::string maximumText;
};

// The entries of HighCost.dat's text, seven values each, comma-separated across lines
// (quoted values as the classic text input reads them). A last entry with fewer than seven
// values is not an entry; `leftOver` tells how many values it had.
std::vector<HighCostEntry> ParseHighCost(std::string_view content, std::size_t* leftOver = nullptr);

// An amount of HighCost.dat: after the first "$" when there is one, otherwise the text with
// "0" appended (so 12.5 reads 12.50 and a bare 5 reads 50). Nothing when it is no number.
std::optional<double> HighCostAmount(std::string_view text);

// Why an entry cannot be charged ("" when it can): a direction other than O, D or B, or an
// amount that is no number or beyond its limits (fees from 0 to below 1000000, a rate per
// hundred pounds below 10000).
std::string HighCostEntryFault(const HighCostEntry& entry);

// The total high-cost service area fee of a lane for a weight in pounds; 0 when no entry
// applies or the file is missing. A file that ends in an incomplete entry, or a damaged entry
// whose area holds either point, is a fault: no fee is charged rather than a wrong one.
ListAmount GetHighCostFee(const base::ProgramDir& dir, std::string_view origin,
                          std::string_view destination, double weight);

// The California surcharge: the amount of the origin's range, else of the destination's,
// else 0. Canadian and Mexican codes are never listed. An amount that is not a surcharge
// from 0 to below 1000000, or a list that ends in a partial record, is a fault.
ListAmount GetCaliforniaSurcharge(const base::ProgramDir& dir, std::string_view origin,
                                  std::string_view destination);

// True when a US code lies in a range of NYCPts.dat; `fault` is set when the list ends in a
// partial record.
bool IsNewYorkCityPoint(const base::ProgramDir& dir, std::string_view code,
                        std::string* fault = nullptr);

}  // namespace tarvex::geo
