// The engine's point table vornpts.vtf: parsed, searched, written and parsed again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "vorn/tariff.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto points = vorn::PointTable::Parse(text);
  if (!points) return 0;
  for (const char* code : {"64120", "30303", "M5V3L9", "64000M", "", "1"}) {
    const auto found = points->Find(code);
    const auto home = points->Find("64120");
    if (found && home) (void)vorn::RoadMiles(*found, *home);
  }
  (void)vorn::PointTable::Parse(points->Write());
  return 0;
}
