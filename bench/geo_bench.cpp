// Speed of the geography look-ups on the demo carrier's data, each opening its file per call
// as the program does: the serving terminal of a point (twice per lane check), the rural
// check of a lane, the California and New York City ranges and the state of a point.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>

#include "base/program_dir.h"
#include "datakit/geo_part.h"
#include "geo/postal_code.h"
#include "geo/service_guide.h"
#include "geo/special_points.h"

namespace {

namespace fs = std::filesystem;
using namespace tarvex;

struct DemoDirectory {
  DemoDirectory() {
    path = fs::temp_directory_path() / ("tarvex-bench-geo-" + std::to_string(::getpid()));
    fs::create_directories(path);
    datakit::Report report;
    datakit::GeoPart().build(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo", path, report);
  }
  ~DemoDirectory() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  fs::path path;
};

const base::ProgramDir& Demo() {
  static const DemoDirectory dir;
  static const base::ProgramDir programDir(dir.path);
  return programDir;
}

// Points of every country, spread over the range file.
constexpr std::array<const char*, 8> kPoints = {"64105",  "30303",  "98108",  "00501",
                                                "M5V0A0", "T2C0A0", "06390M", "44100M"};

void BM_FindServiceTerminal(benchmark::State& state) {
  const auto& dir = Demo();
  std::string indicator;
  std::int16_t extra = 0;
  std::size_t i = 0;
  for (auto _ : state) {
    const auto t =
        geo::FindServiceTerminal(dir, kPoints[i++ % kPoints.size()], "O", indicator, extra);
    benchmark::DoNotOptimize(t);
  }
}
BENCHMARK(BM_FindServiceTerminal);

void BM_LaneServiceDays(benchmark::State& state) {
  const auto& dir = Demo();
  for (auto _ : state) {
    geo::LaneService lane;
    lane.originTerminal =
        geo::FindServiceTerminal(dir, "64105", "O", lane.originIndicator, lane.originExtraDays);
    lane.destinationTerminal = geo::FindServiceTerminal(
        dir, "M5V0A0", "D", lane.destinationIndicator, lane.destinationExtraDays);
    auto shown = geo::ServiceDaysDisplay(dir, lane);
    benchmark::DoNotOptimize(shown);
  }
}
BENCHMARK(BM_LaneServiceDays);

void BM_CheckRuralPoints(benchmark::State& state) {
  const auto& dir = Demo();
  for (auto _ : state) {
    auto message = geo::CheckRuralPoints(dir, "64105", "59001");
    benchmark::DoNotOptimize(message);
  }
}
BENCHMARK(BM_CheckRuralPoints);

void BM_GetCaliforniaSurcharge(benchmark::State& state) {
  const auto& dir = Demo();
  for (auto _ : state) benchmark::DoNotOptimize(geo::GetCaliforniaSurcharge(dir, "64105", "94621"));
}
BENCHMARK(BM_GetCaliforniaSurcharge);

void BM_IsNewYorkCityPoint(benchmark::State& state) {
  const auto& dir = Demo();
  for (auto _ : state) benchmark::DoNotOptimize(geo::IsNewYorkCityPoint(dir, "11201"));
}
BENCHMARK(BM_IsNewYorkCityPoint);

void BM_GetHighCostFee(benchmark::State& state) {
  const auto& dir = Demo();
  for (auto _ : state) benchmark::DoNotOptimize(geo::GetHighCostFee(dir, "64105", "99501", 4000));
}
BENCHMARK(BM_GetHighCostFee);

void BM_StateOfPoint(benchmark::State& state) {
  const auto& dir = Demo();
  for (auto _ : state) {
    auto s = geo::StateOfPoint(dir, "30303");
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_StateOfPoint);

}  // namespace
