// Postal code tables: state.dat and zipval.dat from one input.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "geo/postal_code.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  const auto parts = fuzz::Split(data, size, 2);
  fuzz::Put(geo::kStateFileName, parts[0]);
  fuzz::Put(geo::kZipValFileName, parts[1]);
  const auto& dir = fuzz::ScratchDir();
  for (const char* code :
       {"64120", "00501", "99950", "303", "M5V3L9", "64000M", "99999", "00000"}) {
    std::string fault;
    const std::string state = geo::StateOfPoint(dir, code, &fault);
    // A state told is two capital letters, or none for an unassigned prefix.
    if (fault.empty() && geo::PostalCountry(code) == geo::Country::US)
      fuzz::Require(state.empty() || (state.size() == 2 && state[0] >= 'A' && state[0] <= 'Z' &&
                                      state[1] >= 'A' && state[1] <= 'Z'));
    if (!fault.empty()) fuzz::Require(state.empty());
  }
  for (const char* origin : {"641", "M5V", "000", "~~~"})
    for (const char* destination : {"303", "A0A", "999", ""})
      (void)geo::CheckZipCombination(dir, origin, destination);
  return 0;
}
