// The engine's compiled tariff text: parsed, and a parsed tariff written and parsed again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "vorn/tariff.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto tariff = vorn::ParseTariff(text, &error);
  if (!tariff) return 0;
  for (const char* code : {"64120", "M5V3L9", "64000M", ""}) (void)tariff->Serving(code);
  for (const double miles : {0.0, 812.0, 1e9}) (void)tariff->BandFor(miles);
  for (const char* name : {"50", "92", "500", "x"}) (void)tariff->ClassIndex(name);
  (void)vorn::ParseTariff(vorn::WriteTariff(*tariff));
  return 0;
}
