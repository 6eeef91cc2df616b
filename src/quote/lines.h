// The shipment lines of a quote: which screen lines the engine rates, their classes, and the
// per-line results the engine hands back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/engine_record.h"
#include "pricing/fak.h"

namespace tarvex::quote {

inline constexpr int kScreenLines = 8;

// The engine's class text of a line class: "92" for 92.5, "77" for 77.5.
std::string EngineClassText(double lineClass);

// FAK class substitution as a rating applies it.
struct FakSubstitution {
  bool on = false;
  pricing::ClassTable classes{};
  pricing::FakState fak;
};

// Substitution applies while the FAK table is in effect, except on a lane with an end in
// Mexico outside Mexico mode.
bool SubstitutesFak(const pricing::FakState& fak, bool mexicanLane, bool mexico571Mode);

// A screen line as the engine rates it.
struct PackedLine {
  int screenLine = 0;
  std::string classText;  // L2, substituted when FAK applies ("500" for a class without entry)
  std::int32_t weight = 0;
};

// The screen lines 0 ... 7 whose stored class and weight are both above 0, in order: the
// n-th becomes engine line n.
std::vector<PackedLine> PackLines(std::span<const double> lineClasses,
                                  std::span<const std::int32_t> lineWeights,
                                  const FakSubstitution& fak);

// Writes the packed lines as engine lines 1 ... n (L2, L3) and their count as H11 ("03").
void LoadLines(const std::vector<PackedLine>& packed, engine::EngineRecord& record);

// The classes of the Mexican portion, engine lines 1 ... 8: the class box of the n-th packed
// line cut to three characters ("92.5" gives "92"), "500" where there is none. Weights and
// H11 stay as the first rating loaded them.
void LoadMexicanPortionClasses(const std::vector<PackedLine>& packed,
                               std::span<const std::string> classBoxes,
                               engine::EngineRecord& record);

// The FAK class a line's FAK label shows, "" on a Mexican lane outside Mexico mode or for a
// class the table lacks.
std::string FakLabelText(double lineClass, bool mexicanLane, bool mexico571Mode,
                         const pricing::ClassTable& classes, const pricing::FakState& fak);

// Rate and charge of one screen line, in cents.
struct LineResult {
  double rate = 0;
  double charge = 0;
};

// The results of the screen lines whose class and weight boxes both hold a number above 0,
// the n-th such line from engine line n (L4, L5); nothing for the other lines.
std::array<std::optional<LineResult>, kScreenLines> LineResults(
    std::span<const std::string> classBoxes, std::span<const std::string> weightBoxes,
    const engine::EngineRecord& record, char decimalSeparator);

// The deficit-weight result: the weight as text, its rate (H17) and charge (H19) in cents.
struct Deficit {
  std::string weight;
  double rate = 0;
  double charge = 0;
};

// The deficit of a rating (H18 not 0), never on the Mexico panel's lanes.
std::optional<Deficit> DeficitOf(const engine::EngineRecord& record, bool mexicoPanel,
                                 char decimalSeparator);

// An amount field of the engine's answer, read with the program's decimal separator.
double EngineAmount(const engine::EngineRecord& record,
                    engine::TextField<engine::InEngineRecord> field, char decimalSeparator);

}  // namespace tarvex::quote
