// Quotes per second through the quote window logic, as tarvex-cli --batch makes them.
#include <benchmark/benchmark.h>

#include "cli/quote_run.h"
#include "demo_program.h"

namespace {

void BatchQuote(benchmark::State& state) {
  const tarvex::bench::DemoProgramDir dir("cli");
  {
    tarvex::cli::QuoteSession session(dir.path().string(), '.');
    tarvex::cli::QuoteInput input;
    input.origin = "64120";
    input.destination = "30303";
    input.lines = {{"100", "1200"}, {"70", "350"}};
    for (auto _ : state) {
      const auto out = session.Quote(input);
      if (!out.ok()) state.SkipWithError(out.messages[0].c_str());
    }
    state.SetItemsProcessed(state.iterations());
  }
}
BENCHMARK(BatchQuote)->Unit(benchmark::kMicrosecond);

}  // namespace
