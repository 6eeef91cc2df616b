// The FAK table fak.dat: any bytes read, a sound table saved and read back unchanged.
#include "pricing/fak.h"

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  fuzz::Put(pricing::kFakFileName, data, size);
  const auto file = fuzz::ScratchDir().resolve(pricing::kFakFileName);
  const pricing::ClassTable classes = pricing::StandardClassTable();
  pricing::FakState state;
  const auto status = pricing::ReadFakTable(file, classes, state);
  for (const auto entry : classes) {
    std::string text = pricing::ClassText(entry);
    const auto substitute = pricing::FakClassOf(text, classes, state);
    // Whatever the file held, a class is only ever rated as a class of the table.
    fuzz::Require(substitute.has_value());
    bool known = false;
    for (const auto c : classes) known = known || c == *substitute;
    fuzz::Require(known);
  }
  if (status == pricing::FakReadStatus::Ok) {
    pricing::FakState saved = state;
    fuzz::Require(pricing::WriteFakTable(file, classes, saved));
    pricing::FakState again;
    fuzz::Require(pricing::ReadFakTable(file, classes, again) == pricing::FakReadStatus::Ok);
    fuzz::Require(again.FakTable == state.FakTable && again.FakInEffect == state.FakInEffect);
  }
  return 0;
}
