// The quote window's own speed on the demo data, headless: leaving the destination (the
// lane check) and leaving a weight box (the rating with composition and totals).
#include <benchmark/benchmark.h>

#include "app/frm_corvane1.h"
#include "app/frm_intro.h"
#include "app/program.h"
#include "cli/cli_desktop.h"
#include "demo_program.h"
#include "engine/vorn_library.h"
#include "forms/driver.h"

namespace {

using namespace tarvex;

struct QuoteWindow {
  QuoteWindow()
      : dir(demo.path()),
        engine(dir),
        program(dir, runtime, engine),
        main(program),
        intro(program, main, '.') {
    intro.Show();
    driver.FireTimer(intro.Timer1);
  }
  bench::DemoProgramDir demo{"quote"};
  cli::CliDesktop desktop;
  forms::Runtime runtime{desktop};
  base::ProgramDir dir;
  engine::VornLibrary engine;
  app::Program program;
  app::frmCorvane1 main;
  app::frmIntro intro;
  forms::Driver driver{runtime};
};

void LeaveDestination(benchmark::State& state) {
  QuoteWindow w;
  w.driver.Type(w.main.txtOrigin, "64120");
  w.driver.Tab();
  for (auto _ : state) {
    w.driver.Focus(w.main.txtDestination);
    w.main.txtDestination.setText("30303");
    w.driver.Tab();  // the lane check
  }
  if (w.main.lblRBN.caption().empty()) state.SkipWithError("the lane was refused");
}
BENCHMARK(LeaveDestination)->Unit(benchmark::kMicrosecond);

void LeaveWeightBox(benchmark::State& state) {
  QuoteWindow w;
  w.driver.Type(w.main.txtOrigin, "64120");
  w.driver.Tab();
  w.driver.Type(w.main.txtDestination, "30303");
  w.driver.Tab();
  w.driver.Replace(w.main.cboClass[0], "100");
  w.driver.Tab();
  int weight = 1000;
  for (auto _ : state) {
    w.driver.Focus(w.main.txtWeight[0]);
    w.main.txtWeight[0].setText(std::to_string(weight++ % 9000 + 100));
    w.driver.Tab();  // the rating, composition and totals
  }
  if (w.main.lblTotalCharge.caption().empty()) state.SkipWithError("nothing was rated");
}
BENCHMARK(LeaveWeightBox)->Unit(benchmark::kMicrosecond);

}  // namespace
