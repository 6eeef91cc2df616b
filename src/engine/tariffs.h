// Tariff selection: the tariff of a lane from tariffs.dat, the intrastate question, and the
// pointer file's overrides, written into H4 and H5.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/program_dir.h"
#include "engine/engine_record.h"

namespace tarvex::engine {

inline constexpr const char* kTariffListFileName = "tariffs.dat";
inline constexpr const char* kTariffPointerFileName = "taripntr.dat";

// One line of tariffs.dat.
struct TariffLine {
  std::string kind;         // "US", "CD", "CN", "UM", "CM" or a state or province
  std::string name;         // 8 characters, upper case
  bool confirm = false;     // column 11 "Y": an intrastate tariff the user confirms
  std::string description;  // trimmed
};

// The lines of the tariff list; nothing when the file cannot be read.
std::optional<std::vector<TariffLine>> ReadTariffList(const base::ProgramDir& dir);

// States whose intrastate tariffs the user chose for rate sheets (20 entries, "" unused).
using ChosenStates = std::array<std::string, 20>;

struct TariffRequest {
  std::string originState;  // the lane's two-letter codes
  std::string destinationState;
  bool silent = false;  // rate sheets: the chosen states answer the question
  const ChosenStates* chosen = nullptr;
  // Prompting mode: asks a yes/no question, No being the default.
  std::function<bool(const std::string&)> ask;
};

struct TariffSelection {
  bool ok = false;
  // Prompting mode, on Yes: the intrastate caption for the quote window.
  std::string intrastateCaption;
  // Why the lane cannot be rated when not ok.
  std::string error;
};

TariffSelection SelectTariff(const base::ProgramDir& dir, EngineRecord& record,
                             const TariffRequest& request);

}  // namespace tarvex::engine
