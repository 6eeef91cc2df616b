// The border-crossing fee bordercrossingfee.dat: any text is a fee or a fault.
#include "app/border_fee.h"

#include <cstddef>
#include <cstdint>

#include "base/limits.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  fuzz::Put(app::kBorderCrossingFeeFileName, data, size);
  const app::BorderCrossingFee fee = app::ReadBorderCrossingFee(fuzz::ScratchDir());
  fuzz::Require(fee.ok() ? base::IsMoney(fee.amount) : fee.amount == 0);
  return 0;
}
