// Tariff selection: tariffs.dat and taripntr.dat from one input, prompting and silent.
#include <cstddef>
#include <cstdint>

#include "engine/tariffs.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvex;
  const auto parts = fuzz::Split(data, size, 2);
  fuzz::Put(engine::kTariffListFileName, parts[0]);
  fuzz::Put(engine::kTariffPointerFileName, parts[1]);
  engine::ChosenStates chosen{};
  chosen[0] = "TX";
  const char* lanes[][4] = {{"64120", "30303", "MO", "GA"},
                            {"75201", "77001", "TX", "TX"},
                            {"64120", "M5V3L9", "MO", "ON"},
                            {"78040", "64000M", "TX", "MX"},
                            {"", "", "", ""}};
  for (const bool silent : {false, true})
    for (const auto& lane : lanes) {
      engine::EngineRecord record;
      record.setText(engine::H7, lane[0]);
      record.setText(engine::H9, lane[1]);
      engine::TariffRequest request;
      request.originState = lane[2];
      request.destinationState = lane[3];
      request.silent = silent;
      request.chosen = &chosen;
      request.ask = [](const std::string& question) { return question.size() % 2 == 0; };
      const auto selection = engine::SelectTariff(fuzz::ScratchDir(), record, request);
      fuzz::Require(selection.ok || !selection.error.empty());
    }
  return 0;
}
