// Quotes per second through the quote window logic, as tarvex-cli --batch makes them.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "cli/quote_run.h"
#include "datakit/kit.h"

namespace {

namespace fs = std::filesystem;

void BatchQuote(benchmark::State& state) {
  const fs::path dir =
      fs::temp_directory_path() / ("tarvex-bench-cli-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  tarvex::datakit::Report report;
  for (const auto& part : tarvex::datakit::Parts())
    part.build(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo", dir, report);
  fs::copy_file(TARVEX_VORN_LIBRARY, dir / "libvorn.so", fs::copy_options::overwrite_existing);
  {
    tarvex::cli::QuoteSession session(dir.string(), '.');
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
  fs::remove_all(dir);
}
BENCHMARK(BatchQuote)->Unit(benchmark::kMicrosecond);

}  // namespace
