#include "tools/shipper_file.h"

#include "base/files.h"

namespace tarvex::tools {

namespace {

constexpr std::array<const char*, kShipperFields> kFieldNames = {
    "shipper number",        "shipper name",
    "shipper address",       "shipper city/state/ZIP",
    "shipper phone",         "third party's name",
    "third party's address", "third party's city/state/ZIP"};

// One field from the start of a line; nothing when the line holds no field the writer makes.
std::optional<std::string> FieldOfLine(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  if (line.empty() || line.front() != '"') {
    const auto comma = line.find(',');
    std::string_view value = line.substr(0, comma);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
    return std::string(value);
  }
  std::string value;
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i] != '"') {
      value += line[i];
    } else if (i + 1 < line.size() && line[i + 1] == '"') {
      value += '"';
      ++i;
    } else {
      return value;
    }
  }
  return std::nullopt;  // no closing quote: not a line the program wrote
}

}  // namespace

const char* ShipperFieldName(std::size_t index) {
  return index < kFieldNames.size() ? kFieldNames[index] : "field";
}

ShipperFields ParseShipperText(std::string_view text) {
  ShipperFields fields;
  std::size_t at = 0;
  for (std::size_t i = 0; i < kShipperFields && at < text.size(); ++i) {
    const auto end = text.find('\n', at);
    std::string_view line = text.substr(at, end == std::string_view::npos ? text.npos : end - at);
    at = end == std::string_view::npos ? text.size() : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kMaxShipperField + 2) break;
    const std::optional<std::string> field = FieldOfLine(line);
    if (!field) break;
    fields[i] = *field;
  }
  return fields;
}

ShipperFields ReadShipperFile(const std::filesystem::path& file) {
  // Eight fields of at most kMaxShipperField characters, quoted, with their line ends.
  constexpr std::int64_t kMaxLength = kShipperFields * (2 * kMaxShipperField + 4);
  const std::int64_t length = base::FileLength(file);
  if (length <= 0 || length > kMaxLength) return {};
  return ParseShipperText(base::FileToString(file));
}

std::optional<std::string> ShipperFieldsProblem(const ShipperFields& fields) {
  for (std::size_t i = 0; i < kShipperFields; ++i) {
    if (fields[i].find_first_of("\r\n") != std::string::npos)
      return std::string("The ") + kFieldNames[i] +
             " holds a line break, which the saved shipper information cannot keep. Please "
             "write it on one line.";
    if (fields[i].size() > kMaxShipperField)
      return std::string("The ") + kFieldNames[i] + " is longer than " +
             std::to_string(kMaxShipperField) + " characters.";
  }
  return std::nullopt;
}

std::string ShipperText(const ShipperFields& fields) {
  std::string text;
  for (const std::string& field : fields) {
    text += '"';
    for (const char c : field) text += c == '"' ? std::string("\"\"") : std::string(1, c);
    text += "\"\r\n";
  }
  return text;
}

bool WriteShipperFile(const std::filesystem::path& file, const ShipperFields& fields,
                      std::string* error) {
  if (const auto problem = ShipperFieldsProblem(fields)) {
    if (error != nullptr) *error = *problem;
    return false;
  }
  std::string why;
  if (!base::WriteFileAtomic(file, ShipperText(fields), &why)) {
    if (error != nullptr)
      *error = "The shipper information could not be saved in " + file.string() + ": " + why;
    return false;
  }
  return true;
}

}  // namespace tarvex::tools
