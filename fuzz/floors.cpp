// Floor tables: UniqCan.dat, UniqUS.dat, Floor.dat and UniqFlor.dat from one input.
#include "pricing/floors.h"

#include <cstddef>
#include <cstdint>

#include "base/limits.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  const auto parts = fuzz::Split(data, size, 4);
  const char* names[] = {pricing::kFloorColumnsFileName, pricing::kFloorRowsFileName,
                         pricing::kFloorMatrixFileName, pricing::kFloorAmountsFileName};
  for (std::size_t i = 0; i < 4; ++i) fuzz::Put(names[i], parts[i]);
  const char* lanes[][2] = {
      {"M5V3L9", "64120 "}, {"64120 ", "30303 "}, {"H2X1Y4", "V6B1A1"}, {"", ""}, {"64000M", "A"}};
  for (const auto& lane : lanes) {
    const auto floor = pricing::GetLaneFloor(fuzz::ScratchDir(), lane[0], lane[1], 0, true);
    // A floor the tables give is always an amount; a fault gives none.
    fuzz::Require(floor.ok() ? base::IsMoney(floor.amount) : floor.amount == 0);
  }
  return 0;
}
