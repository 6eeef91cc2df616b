// The five rating-engine calls as the program makes them, behind one interface.
#pragma once

#include <cstdint>
#include <string>

#include "base/program_dir.h"
#include "engine/engine_record.h"

namespace tarvex::engine {

// InitializeVorn: the engine's files are held by another program; the start-up stops.
inline constexpr std::int16_t kStatusFilesLocked = 10;

// The engine the program talks to: the engine library, or a scripted double in tests.
// Calls come one at a time in the order InitializeVorn, Set_Vorndata, any number of
// RateShipment and GetTables, EndVorn.
class RatingEngine {
 public:
  virtual ~RatingEngine() = default;

  // enginePath: the program directory and a separator. 0 when the engine is ready.
  virtual std::int16_t InitializeVorn(const std::string& enginePath) = 0;
  // dataPath: where the tariffs are. The program keeps the status but does not act on it.
  virtual std::int16_t Set_Vorndata(const std::string& dataPath) = 0;
  // Rating, lane check or mileage request; the outcome is H2 (blank when answered).
  virtual void RateShipment(EngineRecord& record) = 0;
  // The tariff's choices for the rate sheet request, for K5 and K6.
  virtual void GetTables(TableRecord& record) = 0;
  virtual void EndVorn() = 0;
};

// True when the engine refused the last request made with this record.
inline bool Refused(const EngineRecord& record) {
  return !record.blank(H2);
}

// The engine writes amounts with "." as decimal point; where the user's separator is "," the
// first "." of each amount the program reads (H16, H17, H19, H20, H35, H36, and L4 and L5 of
// lines 1 ... 8) becomes "," so that reading it with the user's separator keeps the cents.
// Weights (H14, H15, H18) stay as written: they are read without the user's separator.
void ConvertResultAmounts(EngineRecord& record, char decimalSeparator);

// The path both start-up calls pass: the program directory followed by a separator.
std::string EnginePath(const base::ProgramDir& dir);

}  // namespace tarvex::engine
