// The density tables dencls.dat and denclsM.dat: any bytes read; a table that is taken gives a
// freight class or none for any density, and encodes back to the same bytes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "tools/density.h"
#include "tools/shipper_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto table = tools::ParseDensityTable(bytes, "dencls.dat");
  if (!table.ok()) {
    fuzz::Require(table.fault().find("dencls.dat") != std::string::npos);
    return 0;
  }
  fuzz::Require(tools::EncodeDensityTable(table.value()) == bytes);
  for (const double density : {0.0, 0.5, 9.38, 50.0, 1e6, 1e300}) {
    const auto found = tools::ClassForDensity(table.value(), density);
    fuzz::Require(!found || (*found >= 50 && *found <= 500));
  }
  // The strings the shipper file's reader is given never break it either.
  (void)tools::ParseShipperText(bytes);
  return 0;
}
