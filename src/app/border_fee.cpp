#include "app/border_fee.h"

#include "base/files.h"
#include "base/limits.h"
#include "base/text.h"

namespace tarvex::app {

BorderCrossingFee BorderCrossingFeeOf(std::string_view text, const std::string& fileName) {
  BorderCrossingFee fee;
  const double amount = base::Val(text);
  if (base::IsMoney(amount)) {
    fee.amount = amount;
    return fee;
  }
  fee.fault = "The border-crossing fee in \"" + fileName + "\" is " +
              base::StoredNumberText(amount) +
              ", which is not an amount from 0 to below 1000000. No cross-border fee is charged "
              "on this quote.";
  return fee;
}

BorderCrossingFee ReadBorderCrossingFee(const base::ProgramDir& dir) {
  const auto file = dir.resolve(kBorderCrossingFeeFileName);
  return BorderCrossingFeeOf(base::FileToString(file), file.string());
}

}  // namespace tarvex::app
