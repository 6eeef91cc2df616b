// The national rate sheet (headline 64120 to every US prefix 010 … 994, every class and weight
// break, export file only) through the rating engine library, and the engine's share of it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <iterator>

#include "cli/quote_run.h"
#include "demo_program.h"
#include "ratesheet/codes.h"
#include "ratesheet/engine_source.h"
#include "ratesheet/production.h"

namespace {

using Clock = std::chrono::steady_clock;

// The program's engine, with the time spent in its ratings added up.
class TimedEngine : public tarvex::engine::RatingEngine {
 public:
  explicit TimedEngine(tarvex::engine::RatingEngine& engine) : engine_(engine) {}
  std::int16_t InitializeVorn(const std::string& path) override {
    return engine_.InitializeVorn(path);
  }
  std::int16_t Set_Vorndata(const std::string& path) override { return engine_.Set_Vorndata(path); }
  void RateShipment(tarvex::engine::EngineRecord& record) override {
    const auto start = Clock::now();
    engine_.RateShipment(record);
    spent += Clock::now() - start;
    ++calls;
  }
  void GetTables(tarvex::engine::TableRecord& record) override { engine_.GetTables(record); }
  void EndVorn() override { engine_.EndVorn(); }
  Clock::duration spent{};
  std::int64_t calls = 0;

 private:
  tarvex::engine::RatingEngine& engine_;
};

void NationalSheet(benchmark::State& state) {
  const tarvex::bench::DemoProgramDir dir("ratesheet");
  {
    tarvex::cli::QuoteSession session(dir.path().string(), '.');
    if (!session.startupMessages().empty()) {
      state.SkipWithError(session.startupMessages().front().c_str());
      return;
    }
    tarvex::app::Program& program = session.program();
    tarvex::ratesheet::RateSheetRequest request;
    request.HeadlineCode = "64120";
    request.SidelineLow[0] = "010";
    request.SidelineHigh[0] = "994";
    // The demo tariff's eighteen classes, as the request window codes them.
    const char* classes[] = {"50",  "55",  "60",  "65",  "70",  "77.5", "85",  "92.5", "100",
                             "110", "125", "150", "175", "200", "250",  "300", "400",  "500"};
    for (std::size_t i = 0; i < std::size(classes); ++i) {
      request.ClassSelected.at(i) = true;
      request.RateSheetClassCodes.at(i) = tarvex::ratesheet::RateSheetClassCode(classes[i]);
    }
    request.WeightSelected.fill(true);
    tarvex::ratesheet::SheetTexts texts;
    tarvex::ratesheet::SheetOutputs outputs;
    outputs.exportFile = true;
    TimedEngine engine(program.engine);
    Clock::duration total{};
    std::size_t bytes = 0;
    for (auto _ : state) {
      const auto start = Clock::now();
      tarvex::ratesheet::EngineSheetSource source(program.dir, program.engineRecord, engine,
                                                  program.settings, nullptr);
      tarvex::ratesheet::Production production(request, texts, outputs, source);
      if (production.Run() != tarvex::ratesheet::Production::Outcome::Complete)
        state.SkipWithError(production.error().c_str());
      bytes = production.exportText().size();
      benchmark::DoNotOptimize(bytes);
      total += Clock::now() - start;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["ratings"] = static_cast<double>(engine.calls) / runs;
    state.counters["export_bytes"] = static_cast<double>(bytes);
    state.counters["engine_share"] = std::chrono::duration<double>(engine.spent).count() /
                                     std::chrono::duration<double>(total).count();
  }
}
BENCHMARK(NationalSheet)->Unit(benchmark::kMillisecond);

}  // namespace
