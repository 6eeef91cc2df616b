// Discount sets (modCustomDiscounts): the files "d" + key + ".ini" that hold a customer's
// negotiated discounts and floors, their names, and the list of sets offered for a country.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/program_dir.h"

namespace tarvex::pricing {

constexpr const char* kDiscountsSection = "Discounts";
constexpr const char* kDefaultUsSetKey = "00000";
constexpr const char* kCanadianSetKey = "000000";
constexpr const char* kMexicanSetKey = "0000";

// The eight keys of a state section, in the order they are written.
constexpr std::array<const char*, 8> kStateSectionKeys = {
    "OutboundDirectFloor", "OutboundDirectLTL", "OutboundInterlineFloor", "OutboundInterlineLTL",
    "InboundDirectFloor",  "InboundDirectLTL",  "InboundInterlineFloor",  "InboundInterlineLTL"};

// The 16 lane-type fields of section "Discounts" ("txtOutboundInterstateDirectFloor", ...) and
// its 24 cross-border fields ("txtOutboundDirectFloorUS", ...), as the editor's boxes name them.
const std::vector<std::string>& LaneTypeFieldNames();
const std::vector<std::string>& CrossBorderFieldNames();

// True when the field is an LTL discount percentage rather than a floor amount.
bool IsLtlField(std::string_view name);

// A whole text that reads as one number ("62.5", "-1", "1e2"), as a set stores numbers.
bool IsSetNumber(std::string_view text, char decimalSeparator = '.');

// A key may name a file only when it is plain letters and digits: a set key is a string of
// digits, and the list also offers whatever other d*.ini files the directory holds.
bool IsValidSetKey(std::string_view key);

// "d" + key + ".ini"; nothing for a key that could not safely name a file.
std::optional<std::string> DiscountSetFileName(std::string_view key);

// The set's file in the program directory (found without regard to case); nothing for a
// key that could not safely name a file.
std::optional<std::filesystem::path> DiscountSetPath(const base::ProgramDir& dir,
                                                     std::string_view key);

// For each of optTraditional, optState, optRates, optCharges whose value is exactly "True",
// its description padded to 16 characters ("Traditional     ", "Charges         ", ...).
// A missing file gives "".
std::string SetOptionDescriptions(const std::filesystem::path& file);

// The text of a state section: the eight keys with their values as plain numbers
// ("0", "12.5"), joined with CR LF and no line end after the last.
std::string StateSectionText(const std::array<double, 8>& values);

// What a set list (combo box or list box) holds after it is filled.
struct DiscountKeyList {
  std::vector<std::string> items;
  std::string text;  // the list's text: the entry shown as selected
};

// The sets of a country: "C" Canada (the single set 000000), "M" Mexico (the single set
// 0000), anything else the United States (every d*.ini of the directory other than those
// two, with 00000 always offered). Mode 3 follows each key with its option descriptions.
// For the United States, a non-empty `tag` becomes the list's text and is emptied: the
// editor's save leaves the key it saved there, so that set stays selected.
DiscountKeyList FillDiscountKeyList(const base::ProgramDir& dir, std::string_view country, int mode,
                                    std::string& tag);

}  // namespace tarvex::pricing
