// Lane floors: the lowest net charge a discounted shipment may reach, from the customer's
// set or from the carrier's floor tables UniqCan.dat, UniqUS.dat, Floor.dat and UniqFlor.dat.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/program_dir.h"

namespace tarvex::pricing {

constexpr const char* kFloorColumnsFileName = "UniqCan.dat";
constexpr const char* kFloorRowsFileName = "UniqUS.dat";
constexpr const char* kFloorMatrixFileName = "Floor.dat";
constexpr const char* kFloorAmountsFileName = "UniqFlor.dat";
constexpr std::size_t kFloorRangeRecordLength = 10;  // low and high bound, 5 characters each
constexpr std::size_t kFloorAmountRecordLength = 2;  // cents, int16
// The floor code of a lane with no cell of its own: its amount is the table's default floor.
constexpr int kDefaultFloorCode = 32;

struct LaneFloor {
  double amount = 0.0;  // dollars; 0 is no floor
  // Set when a floor table is missing or damaged; the amount is then 0 for this quote.
  std::string fault;
  bool ok() const { return fault.empty(); }
};

// The floor of a lane between two postal codes (the six-character fields of the rating
// request). A positive customer floor wins without a file being read; otherwise the floor
// tables are consulted when `useFloorTables` is on (the settings switch UseFloorTables).
LaneFloor GetLaneFloor(const base::ProgramDir& dir, std::string_view originPostalCode,
                       std::string_view destinationPostalCode, double customerFloor,
                       bool useFloorTables);

}  // namespace tarvex::pricing
