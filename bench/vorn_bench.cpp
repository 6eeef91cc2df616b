// Speed of the rating engine through its entry points on the demo carrier's tariffs: 1-line
// and 8-line ratings, a lane check, a mileage request and loading the tariffs.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "datakit/tariff_part.h"
#include "engine/engine_record.h"
#include "engine/vorn_abi.h"

namespace {

namespace fs = std::filesystem;
using namespace tarvex;
using namespace tarvex::engine;

struct DemoEngine {
  DemoEngine() {
    path = fs::temp_directory_path() / ("tarvex-bench-vorn-" + std::to_string(::getpid()));
    fs::create_directories(path);
    datakit::Report report;
    datakit::TariffPart().build(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo", path, report);
    text = path.string() + "/";
    Vorn_InitializeVorn(text.c_str());
    Vorn_Set_Vorndata(text.c_str());
  }
  ~DemoEngine() {
    Vorn_EndVorn();
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  fs::path path;
  std::string text;
};

const DemoEngine& Demo() {
  static const DemoEngine engine;
  return engine;
}

EngineRecord Lane(const char* tariff) {
  EngineRecord r;
  r.setText(H4, tariff);
  r.setText(H7, "64120");
  r.setText(H9, "30303");
  r.setText(H37, "10000");
  r.setText(H26, "Y");
  r.setText(H33, "C");
  for (int i = 0; i <= 9; ++i) r.discount(1).setText(D2, i, "6500");
  return r;
}

void Rating(benchmark::State& state) {
  Demo();
  const int lines = static_cast<int>(state.range(0));
  EngineRecord r = Lane("KRUS2026");
  const char* classes[] = {"50", "65", "77", "100", "125", "150", "250", "500"};
  for (int i = 1; i <= lines; ++i) {
    r.line(i).setText(L2, classes[i - 1]);
    r.line(i).setText(L3, std::to_string(150 * i + 37));
  }
  r.setText(H11, "0" + std::to_string(lines));
  for (auto _ : state) {
    Vorn_RateShipment(r.data());
    benchmark::DoNotOptimize(r.data()[3]);
  }
  if (!r.blank(H2)) state.SkipWithError("the demo lane was refused");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Rating)->Arg(1)->Arg(8);

void LaneCheck(benchmark::State& state) {
  Demo();
  EngineRecord r = Lane("KRUS2026");
  r.setText(H11, "00");
  for (auto _ : state) Vorn_RateShipment(r.data());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LaneCheck);

void Mileage(benchmark::State& state) {
  Demo();
  EngineRecord r = Lane("MILE0001");
  for (auto _ : state) Vorn_RateShipment(r.data());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Mileage);

void LoadTariffs(benchmark::State& state) {
  const DemoEngine& demo = Demo();
  for (auto _ : state) benchmark::DoNotOptimize(Vorn_Set_Vorndata(demo.text.c_str()));
}
BENCHMARK(LoadTariffs)->Unit(benchmark::kMillisecond);

}  // namespace
