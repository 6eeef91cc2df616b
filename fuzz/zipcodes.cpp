// zipcodes.fil: any text gives a state's ranges or a fault that names the file.
#include "ratesheet/zipcodes.h"

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "ratesheet/codes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  fuzz::Put(ratesheet::kZipCodesFileName, data, size);
  for (const char* state : {"AL", "NY", "TX", "ZZ"}) {
    const auto ranges = ratesheet::ReadStateRanges(fuzz::ScratchDir(), state);
    if (!ranges.ok()) {
      fuzz::Require(ranges.fault().find(ratesheet::kZipCodesFileName) != std::string::npos);
      continue;
    }
    fuzz::Require(ranges.value().size() <= ratesheet::kRangesPerState);
    for (const ratesheet::CodeRange& r : ranges.value())
      fuzz::Require(r.low.size() == 3 && r.high.size() == 3 && r.low <= r.high &&
                    ratesheet::IsValidZipForm(r.low));
  }
  return 0;
}
