// Discount sets: any text read as an INI file and through the lane look-up; a value written
// into any text reads back.
#include "pricing/ini_file.h"

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "pricing/discount_sets.h"
#include "pricing/lane_discounts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  const auto& dir = fuzz::ScratchDir();
  fuzz::Put("d64120.ini", data, size);
  const auto file = dir.resolve("d64120.ini");
  (void)pricing::ReadIniSectionNames(file);
  (void)pricing::SetOptionDescriptions(file);
  for (const char* key : {"txtOutboundInterstateDirectLTL", "optRates", "cboKeyZip", ""})
    (void)pricing::ReadIniValue("Discounts", key, file, "default ");
  std::string tag;
  (void)pricing::FillDiscountKeyList(dir, "U", 3, tag);
  for (const bool inbound : {false, true}) {
    pricing::LaneDiscountInputs lane;
    lane.originPostalCode = "64120 ";
    lane.destinationPostalCode = inbound ? "64120 " : "30303 ";
    lane.originState = "MO";
    lane.destinationState = inbound ? "MO" : "GA";
    lane.originStateCaption = lane.originState;
    lane.destinationStateCaption = lane.destinationState;
    lane.inboundPricing = inbound;
    (void)pricing::LookUpLaneDiscounts(dir, lane);
  }
  // Whatever the file held, a written key reads back and a written section is whole.
  if (pricing::WriteIniValue("Discounts", "txtFuzzLTL", "12.5", file))
    fuzz::Require(pricing::ReadIniValue("Discounts", "txtFuzzLTL", file, "") == "12.5");
  if (pricing::WriteIniSection("MO", "OutboundDirectFloor=95.5\r\nOutboundDirectLTL=48", file)) {
    fuzz::Require(pricing::ReadIniValue("MO", "OutboundDirectFloor", file, "") == "95.5");
    fuzz::Require(pricing::ReadIniValue("MO", "OutboundDirectLTL", file, "") == "48");
  }
  return 0;
}
