#include "pricing/fak.h"

#include <algorithm>

#include "base/byte_record.h"
#include "base/files.h"
#include "base/text.h"

namespace tarvex::pricing {

ClassTable StandardClassTable() {
  return {50, 55, 60, 65, 70, 77, 85, 92, 100, 110, 125, 150, 175, 200, 250, 300, 400, 500};
}

std::string ClassText(std::int16_t classEntry) {
  return std::to_string(classEntry);
}

char FakInEffectOf(const std::array<std::int16_t, 18>& fakTable, const ClassTable& classes) {
  for (std::size_t i = 0; i < fakTable.size(); ++i)
    if (fakTable[i] != classes[i]) return 'Y';
  return 'N';
}

FakReadStatus ReadFakTable(const std::filesystem::path& file, const ClassTable& classes,
                           FakState& state, std::string* fault) {
  state.FakTable = classes;
  state.FakInEffect = 'N';
  const std::int64_t length = base::FileLength(file);
  if (length < 0) return FakReadStatus::Missing;
  if (length < static_cast<std::int64_t>(kFakFileLength)) return FakReadStatus::Short;
  const std::string content = base::FileToString(file);
  if (content.size() < kFakFileLength) return FakReadStatus::Short;
  const base::ByteRecord bytes(
      std::vector<std::uint8_t>(content.begin(), content.begin() + kFakFileLength));
  for (std::size_t i = 0; i < state.FakTable.size(); ++i) {
    const std::int16_t entry = bytes.int16(2 * i);
    if (std::find(classes.begin(), classes.end(), entry) == classes.end()) {
      if (fault)
        *fault = "record " + std::to_string(i + 1) + " (class " + ClassText(classes[i]) +
                 ") holds " + std::to_string(entry) + ", which is no freight class";
      state.FakTable = classes;
      return FakReadStatus::Damaged;
    }
    state.FakTable[i] = entry;
  }
  state.FakInEffect = FakInEffectOf(state.FakTable, classes);
  return FakReadStatus::Ok;
}

bool WriteFakTable(const std::filesystem::path& file, const ClassTable& classes, FakState& state,
                   std::string* error) {
  base::ByteRecord bytes(kFakFileLength);
  for (std::size_t i = 0; i < state.FakTable.size(); ++i) bytes.setInt16(2 * i, state.FakTable[i]);
  state.FakInEffect = FakInEffectOf(state.FakTable, classes);
  return base::WriteFileAtomic(
      file, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error);
}

std::optional<std::int16_t> FakClassOf(std::string& classText, const ClassTable& classes,
                                       const FakState& state) {
  const std::string trimmed = base::Trim(classText);
  if (trimmed == "92.5") classText = "92";
  if (trimmed == "77.5") classText = "77";
  const double value = base::Val(classText);
  for (std::size_t i = 0; i < classes.size(); ++i)
    if (static_cast<double>(classes[i]) == value) return state.FakTable[i];
  return std::nullopt;
}

}  // namespace tarvex::pricing
