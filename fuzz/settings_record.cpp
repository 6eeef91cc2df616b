// The settings record variable.dat: any bytes read as a record, a damaged one, or refused.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "pricing/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  fuzz::Put(pricing::kSettingsFileName, data, size);
  const auto read = pricing::ReadSettings(fuzz::ScratchDir().resolve(pricing::kSettingsFileName));
  if (read.status != pricing::SettingsStatus::Ok && read.status != pricing::SettingsStatus::Damaged)
    return 0;
  for (const auto& field : pricing::SettingsLayout()) (void)pricing::FieldText(read.record, field);
  if (read.ok()) {
    // A sound record gives the engine a positive factor, and saves as a sound record.
    fuzz::Require(std::stod(pricing::AdjustmentFactorText(read.record)) > 0);
    const auto again = pricing::DecodeSettings(pricing::EncodeSettings(read.record));
    fuzz::Require(pricing::SettingsFault(again).empty());
  }
  return 0;
}
