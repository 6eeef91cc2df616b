// The whole program headless on its own copy of the demo program directory, with the real
// rating engine: the splash, the quote window, a scripted desktop and a driver.
#pragma once

#include <string_view>

#include "app/frm_corvane1.h"
#include "app/frm_intro.h"
#include "app/program.h"
#include "engine/vorn_library.h"
#include "forms/driver.h"
#include "support/program_dir.h"
#include "support/scripted_desktop.h"

namespace tarvex::testing {

struct DemoProgram {
  // `label` tells apart the programs one test runs side by side. The program reads its data
  // when it starts, so a test may change the copy before Start.
  explicit DemoProgram(std::string_view label = "", char separator = '.')
      : scratch(ScratchDir::Contents::Demo, label),
        dir(scratch.path()),
        engine(dir),
        program(dir, runtime, engine),
        main(program),
        intro(program, main, separator) {}

  // Shows the splash and hands over to the quote window, as the splash's timer does.
  void Start() {
    intro.Show();
    driver.FireTimer(intro.Timer1);
  }

  // A one-line quote typed as a user types it: Enter and Tab from box to box, the class typed
  // over the default, and leaving the weight box rates.
  void TypeQuote(std::string_view origin, std::string_view destination, std::string_view cls,
                 std::string_view weight) {
    driver.Type(main.txtOrigin, origin);
    driver.PressEnter(main.txtOrigin);
    driver.Type(main.txtDestination, destination);
    driver.Tab();
    driver.Replace(main.cboClass[0], cls);
    driver.Tab();
    driver.Type(main.txtWeight[0], weight);
    driver.PressEnter(main.txtWeight[0]);
  }

  ScratchDir scratch;
  ScriptedDesktop desktop;
  forms::Runtime runtime{desktop};
  base::ProgramDir dir;
  engine::VornLibrary engine;
  app::Program program;
  app::frmCorvane1 main;
  app::frmIntro intro;
  forms::Driver driver{runtime};
};

}  // namespace tarvex::testing
