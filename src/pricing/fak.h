// Freight classes and FAK class substitution: the class table and the FAK table in FAK.dat.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace tarvex::pricing {

// The 18 standard freight classes in ascending order; 77 and 92 stand for 77.5 and 92.5.
using ClassTable = std::array<std::int16_t, 18>;
ClassTable StandardClassTable();

// Class as the program writes it in lists, lines and settings ("77" for 77.5).
std::string ClassText(std::int16_t classEntry);

struct FakState {
  std::array<std::int16_t, 18> FakTable{};
  char FakInEffect = 'N';  // 'Y' when an entry differs from its class
};

constexpr const char* kFakFileName = "fak.dat";
constexpr std::size_t kFakFileLength = 36;

// 'Y' when any entry's whole-number text differs from its class table entry.
char FakInEffectOf(const std::array<std::int16_t, 18>& fakTable, const ClassTable& classes);

enum class FakReadStatus { Ok, Missing, Short, Damaged };

// Reads the 18 two-byte records. A missing or short file, or one with an entry that is no
// class of the class table (the FAK window accepts nothing else), leaves the table equal to
// the class table (substitution off) and says which, so the caller can report it; `fault`
// then names the damaged entry.
FakReadStatus ReadFakTable(const std::filesystem::path& file, const ClassTable& classes,
                           FakState& state, std::string* fault = nullptr);

// Writes the 36-byte file atomically and sets FakInEffect.
bool WriteFakTable(const std::filesystem::path& file, const ClassTable& classes, FakState& state,
                   std::string* error = nullptr);

// The substitute class of a class text, or nothing when the text is no class of the table.
// "92.5" and "77.5" become "92" and "77" in the caller's text, as the rating step expects.
std::optional<std::int16_t> FakClassOf(std::string& classText, const ClassTable& classes,
                                       const FakState& state);

}  // namespace tarvex::pricing
