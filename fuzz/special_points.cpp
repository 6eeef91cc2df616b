// Special points: RuralPts.dat, HighCost.dat, CA_Pnts.dat and NYCPts.dat from one input.
#include "geo/special_points.h"

#include <cstddef>
#include <cstdint>

#include "base/limits.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  const auto parts = fuzz::Split(data, size, 4);
  fuzz::Put(geo::kRuralFileName, parts[0]);
  fuzz::Put(geo::kHighCostFileName, parts[1]);
  fuzz::Put(geo::kCaliforniaFileName, parts[2]);
  fuzz::Put(geo::kNewYorkCityFileName, parts[3]);
  const auto& dir = fuzz::ScratchDir();
  const char* codes[] = {"64120", "99501", "90001", "10001", "A0P1A0", "23000M", "04745", ""};
  for (const char* origin : {"64120", "99501", "M5V3L9"})
    for (const char* destination : codes) {
      std::string fault;
      (void)geo::CheckRuralPoints(dir, origin, destination, &fault);
      (void)geo::IsNewYorkCityPoint(dir, destination, &fault);
      for (const double weight : {0.0, 1500.0, 45000.0}) {
        const geo::ListAmount fee = geo::GetHighCostFee(dir, origin, destination, weight);
        // The fees of sound entries stay amounts: each is below a million dollars, and a lane
        // lies in few areas.
        fuzz::Require(fee.ok() ? std::isfinite(fee.amount) && fee.amount >= 0 : fee.amount == 0);
      }
      const geo::ListAmount surcharge = geo::GetCaliforniaSurcharge(dir, origin, destination);
      fuzz::Require(surcharge.ok() ? base::IsMoney(surcharge.amount) : surcharge.amount == 0);
    }
  (void)geo::ParseHighCost(parts[1].value_or(""));
  return 0;
}
