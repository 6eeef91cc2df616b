// The state list stname.dat and a set's state sections: any bytes read as the list, and the
// values of every state read back from the sections written for them, whatever else the set
// file held.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/files.h"
#include "fuzz_support.h"
#include "pricing/ini_file.h"
#include "pricing/state_discounts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  const auto parts = fuzz::Split(data, size, 2);
  fuzz::Put(pricing::kStateNameFileName, parts[0]);
  fuzz::Put("d64120.ini", parts[1]);
  const auto& dir = fuzz::ScratchDir();
  const auto read = pricing::ReadStateNames(dir.resolve(pricing::kStateNameFileName));
  if (!read.ok()) {
    fuzz::Require(!read.fault().empty());
    return 0;
  }
  auto states = read.value();
  fuzz::Require(states.size() <= pricing::kMaxStates);
  for (std::size_t i = 0; i < states.size(); ++i) {
    fuzz::Require(states[i].StateCode.size() == 2);
    for (std::size_t k = 0; k < 8; ++k) states[i].values[k] = static_cast<double>(i * 8 + k) / 4;
  }
  const auto file = dir.resolve("d64120.ini");
  std::string text;
  if (!pricing::ReadIniForUpdate(file, text)) return 0;
  fuzz::Require(pricing::WriteStateSections(text, states));
  fuzz::Require(base::WriteFileAtomic(file, text));
  auto again = read.value();
  pricing::ReadStateSections(file, again);
  for (std::size_t i = 0; i < states.size(); ++i)
    fuzz::Require(again[i].values == states[i].values);
  return 0;
}
