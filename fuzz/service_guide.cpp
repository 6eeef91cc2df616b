// The service guide: ServTerm.dat, ServZipsA.dat and ServMatx.dat from one input.
#include "geo/service_guide.h"

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  const auto parts = fuzz::Split(data, size, 3);
  fuzz::Put(geo::kTerminalFileName, parts[0]);
  fuzz::Put(geo::kServiceZipFileName, parts[1]);
  fuzz::Put(geo::kServiceMatrixFileName, parts[2]);
  const auto& dir = fuzz::ScratchDir();
  const char* codes[] = {"64120", "30303", "M5V3L9", "64000M", "00501", "Y1A1A1", "99999M", ""};
  for (const char* origin : codes)
    for (const char* destination : {"30303", "M5V3L9", "64000M"}) {
      geo::LaneService lane;
      lane.originTerminal =
          geo::FindServiceTerminal(dir, origin, "O", lane.originIndicator, lane.originExtraDays);
      lane.destinationTerminal = geo::FindServiceTerminal(
          dir, destination, "D", lane.destinationIndicator, lane.destinationExtraDays);
      (void)geo::GetTerminalCode(dir, lane.originTerminal);
      const std::string fault = geo::ServiceGuideFault(dir, lane);
      const geo::ServiceDisplay shown = geo::ServiceDaysDisplay(dir, lane);
      // A sound guide never shows more days than its limits allow.
      if (fault.empty() && !shown.serviceDays.empty()) {
        const int days = std::stoi(shown.serviceDays);
        fuzz::Require(days >= 0 && days <= geo::kMaxMatrixDays + 2 * geo::kMaxExtraDays);
      }
    }
  (void)geo::ReadTerminal(dir, geo::TerminalCount(dir));
  return 0;
}
