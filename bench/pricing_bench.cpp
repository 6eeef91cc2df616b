// Speed of the per-quote pricing look-ups on the demo carrier's data: the lane floor (called
// for every rated shipment and every rate sheet cell) and the discount look-up of a lane.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "base/program_dir.h"
#include "datakit/floors_part.h"
#include "pricing/floors.h"
#include "pricing/lane_discounts.h"

namespace {

namespace fs = std::filesystem;
using namespace tarvex;

// The demo floor tables and discount sets, laid out once in a directory of their own.
struct DemoDirectory {
  DemoDirectory() {
    path = fs::temp_directory_path() / ("tarvex-bench-pricing-" + std::to_string(::getpid()));
    fs::create_directories(path);
    const fs::path demo = fs::path(TARVEX_SOURCE_DIR) / "data" / "demo";
    datakit::Report report;
    datakit::FloorsPart().build(demo, path, report);
    for (const auto& entry : fs::directory_iterator(demo / "files"))
      if (entry.path().extension() == ".ini")
        fs::copy_file(entry.path(), path / entry.path().filename(),
                      fs::copy_options::overwrite_existing);
  }
  ~DemoDirectory() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  fs::path path;
};

const fs::path& DemoDir() {
  static const DemoDirectory dir;
  return dir.path;
}

void BM_GetLaneFloor_Cell(benchmark::State& state) {
  const base::ProgramDir dir(DemoDir());
  for (auto _ : state)
    benchmark::DoNotOptimize(pricing::GetLaneFloor(dir, "M5V3L9", "64120", 0.0, true));
}
BENCHMARK(BM_GetLaneFloor_Cell);

// No cell on either pass: both passes scan every range before the default is read.
void BM_GetLaneFloor_Default(benchmark::State& state) {
  const base::ProgramDir dir(DemoDir());
  for (auto _ : state)
    benchmark::DoNotOptimize(pricing::GetLaneFloor(dir, "60601", "30303", 0.0, true));
}
BENCHMARK(BM_GetLaneFloor_Default);

void BM_LookUpLaneDiscounts(benchmark::State& state) {
  const base::ProgramDir dir(DemoDir());
  pricing::LaneDiscountInputs lane;
  lane.originPostalCode = "64108";
  lane.originState = lane.originStateCaption = "MO";
  lane.destinationPostalCode = "30303";
  lane.destinationState = lane.destinationStateCaption = "GA";
  for (auto _ : state) benchmark::DoNotOptimize(pricing::LookUpLaneDiscounts(dir, lane));
}
BENCHMARK(BM_LookUpLaneDiscounts);

}  // namespace
