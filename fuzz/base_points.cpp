// The rate sheet's base-point list NAME.b, and the split of sideline codes by its ranges.
#include "ratesheet/base_points.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto read = ratesheet::ParseBasePoints(text, "KRUS2026.b");
  fuzz::Require(read.ok() != !read.fault().empty());
  if (!read.ok()) return 0;
  for (const char* code : {"300", "304", "30460", "A1B", "K1A0A", "250M", "010", "999"}) {
    const auto parts = ratesheet::SplitCode(code, read.value());
    const std::string prefix = std::string(code).substr(0, 3);
    for (const auto& part : parts) {
      // Every part lies within the code and is rated at its own first code.
      fuzz::Require(part.low.substr(0, 3) == prefix && part.high.substr(0, 3) == prefix);
      fuzz::Require(part.low <= part.high && part.point.substr(0, 5) == part.low);
    }
    fuzz::Require(!parts.empty() && !ratesheet::NoteOfParts(parts).empty());
  }
  return 0;
}
