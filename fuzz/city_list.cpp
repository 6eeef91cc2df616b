// The city list cityzip.dat: any bytes searched by the beginnings of names.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "geo/city_lookup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  fuzz::Put(geo::kCityFileName, data, size);
  for (const char* start : {"", "S", "sav", "SAVANNAH", "ZZZZ", "\xff"})
    for (const geo::CityEntry& entry : geo::SearchCities(fuzz::ScratchDir(), start))
      fuzz::Require(entry.code.size() <= 6);
  return 0;
}
