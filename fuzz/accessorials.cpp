// Accessorial charges: accchg.dat and NYCPts.dat from one input, every record ticked.
#include "pricing/accessorials.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  const auto parts = fuzz::Split(data, size, 2);
  fuzz::Put(pricing::kAccessorialFileName, parts[0]);
  fuzz::Put("NYCPts.dat", parts[1]);
  const auto& dir = fuzz::ScratchDir();
  bool partial = false;
  const auto records =
      pricing::ReadAccessorials(dir.resolve(pricing::kAccessorialFileName), &partial);
  std::vector<pricing::TickedAccessorial> ticked;
  for (std::size_t n = 0; n < records.size() && n < 20; ++n) {
    (void)pricing::AccessorialFault(records[n]);
    (void)pricing::CaptionOf(records[n]);
    (void)pricing::UnitLabel(records[n]);
    ticked.push_back({static_cast<std::int64_t>(n + 1), 250});
  }
  ticked.push_back({99, 1});
  for (const pricing::AccessorialShipment& shipment :
       {pricing::AccessorialShipment{"64120", "10001", 1250, 400},
        pricing::AccessorialShipment{"M5V3L9", "30303", 45000, 3000}}) {
    std::string fault;
    const double total = pricing::TotalAccessorialCharges(dir, ticked, shipment, &fault);
    // Sound records never price beyond a number.
    fuzz::Require(std::isfinite(total));
  }
  return 0;
}
