// Postal codes: the accepted forms, their country, the entry key filter, the state or
// province of a point and the carrier's allowed origin/destination combinations.
// Every other part asks this module and never takes a code apart itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/program_dir.h"

namespace tarvex::geo {

enum class Country { US, CN, MX };

constexpr const char* kStateFileName = "state.dat";
constexpr std::size_t kStateRecordLength = 3;
constexpr const char* kZipValFileName = "zipval.dat";
constexpr std::size_t kZipValRecordLength = 12;

// Canadian when the leading digits are worth 0 (every code that begins with a letter),
// Mexican when it otherwise ends in "M", the United States otherwise.
Country PostalCountry(std::string_view code);

// "US", "CN" or "MX", as keys and labels write a country.
const char* CountryCode(Country country);

// True for 99999, 999, A9A9A9, 99999M and 999M (the caller trims the code).
bool ValidatePostalCode(std::string_view code);

// The key filter of every field that holds a code: given the field's whole text, the length
// of its selection and the typed character code, the character to insert or 0 to drop it.
int FilterPostalCodeKey(std::string_view text, int selLength, int keyAscii);

// The two-letter state of a US ZIP prefix (record n of state.dat, n from 1 to 999),
// trailing blanks removed; "" for an unassigned prefix (a blank record) or when the record
// cannot be read. `fault` then says why, naming the file: a missing or short table, or a
// record that holds neither two capital letters nor blanks. Two points whose states cannot
// be told must never compare equal as one state.
std::string StateFromZipPrefix(const base::ProgramDir& dir, std::int64_t prefix,
                               std::string* fault = nullptr);

// The province of a Canadian code by its first three characters; "" when none matches.
std::string ProvinceFromPostalCode(std::string_view code);

// The state label of a point: the state of a US code, "MX" for a Mexican code, the
// province of a Canadian code. `fault` is set when state.dat cannot tell a US code's state.
std::string StateOfPoint(const base::ProgramDir& dir, std::string_view code,
                         std::string* fault = nullptr);

// The prefix a code is checked and looked up by: its first three characters.
std::string PostalPrefix(std::string_view code);

// True when a record of zipval.dat covers both prefixes; a missing file allows nothing.
bool CheckZipCombination(const base::ProgramDir& dir, std::string_view originPrefix,
                         std::string_view destinationPrefix);

}  // namespace tarvex::geo
