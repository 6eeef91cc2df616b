// Program-wide state, created at start-up and passed by reference to every window.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/instance_lock.h"
#include "base/program_dir.h"
#include "engine/engine_record.h"
#include "engine/rating_engine.h"
#include "engine/tariffs.h"
#include "forms/runtime.h"
#include "pricing/fak.h"
#include "pricing/settings.h"
#include "ratesheet/request.h"

namespace tarvex::app {

struct Program {
  Program(base::ProgramDir programDir, forms::Runtime& forms, engine::RatingEngine& rating)
      : dir(std::move(programDir)), runtime(forms), engine(rating) {}

  // The window icon: the IconFile of the settings, in the program directory.
  std::string IconPath() const;
  // Ends the engine once, when the main window goes.
  void EndEngine();

  base::ProgramDir dir;
  forms::Runtime& runtime;
  engine::RatingEngine& engine;
  // One window program per program directory; the command line runs beside it.
  bool singleInstance = true;
  std::unique_ptr<InstanceLock> instanceLock;
  // Why the engine library could not be loaded ("" when it was).
  std::string engineUnavailable;

  pricing::SettingsRecord settings;
  pricing::ClassTable classTable{};
  pricing::FakState fak;
  bool Mexico571Mode = false;
  char decimalSeparator = '.';
  engine::EngineRecord engineRecord;
  std::int16_t lastEngineStatus = 0;
  bool engineStarted = false;
  // Lines 0 … 7 are used.
  std::array<double, 9> lineClass{};
  std::array<std::int32_t, 9> lineWeight{};
  // "Y", "N" or "F": whether leaving a weight box starts a rating.
  std::string ratingState = "Y";
  // The code picked in the city look-up, taken over by the next code field to get the focus.
  std::string pickedPostalCode = "      ";
  // Written only by the rate sheet request window; read by the production.
  ratesheet::RateSheetRequest rateSheetRequest;
  // The states whose intrastate tariffs rate sheets use, as the chooser last left them.
  engine::ChosenStates intrastateChoice{};
};

enum class Startup { Ready, FilesLocked, Refused };

// The start-up initialisation. Ready or FilesLocked (the engine's status 10) as the program
// has always reported; Refused when the settings, the FAK table or the engine itself are
// unusable, after a message that names what is wrong.
Startup StartupInitialization(Program& program, char localeDecimalSeparator);

inline constexpr const char* kSecondInstanceMessage =
    "You are not allowed to run more than one instance of this program.  Please use the "
    "instance that is already running.";
inline constexpr const char* kFilesLockedMessage =
    "Another program has some needed files locked.  Please close other Rating Systems and "
    "Rate Sheet programs and try again.";

}  // namespace tarvex::app
