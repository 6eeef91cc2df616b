// The shipper's saved details, shipper.dat: eight quoted fields, one a line.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvex::tools {

inline constexpr const char* kShipperFileName = "shipper.dat";
inline constexpr std::size_t kShipperFields = 8;
// Longer than any box of the bill of lading: a longer line is not a shipper field.
inline constexpr std::size_t kMaxShipperField = 1000;

// Shipper number, name, address, city/state/ZIP, phone, then the paying third party's name,
// address and city/state/ZIP.
using ShipperFields = std::array<std::string, kShipperFields>;

// What each field is, for messages: "shipper name".
const char* ShipperFieldName(std::size_t index);

// The fields as far as the text holds them; the rest stay empty. A quoted field ends at its
// closing quote, a doubled quote inside standing for one; an unquoted one at a comma or the
// line's end. Reading stops at the first line that is neither.
ShipperFields ParseShipperText(std::string_view text);
// The same from the file; a missing or unreadable file gives empty fields.
ShipperFields ReadShipperFile(const std::filesystem::path& file);

// Why the fields cannot be written so that they read back the same, or nothing: a line break
// in a field.
std::optional<std::string> ShipperFieldsProblem(const ShipperFields& fields);
// The file's text: each field between double quotes (a quote in it doubled), lines ended by
// CR LF. Only for fields without a problem.
std::string ShipperText(const ShipperFields& fields);
// Replaces the file; false with `error` set when a field cannot be kept or the file cannot be
// written.
bool WriteShipperFile(const std::filesystem::path& file, const ShipperFields& fields,
                      std::string* error);

}  // namespace tarvex::tools
