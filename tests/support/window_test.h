// Windows driven without a display: a scripted desktop, the forms runtime and a driver, over
// a scratch program directory.
#pragma once

#include <functional>
#include <utility>

#include "forms/driver.h"
#include "forms/form.h"
#include "forms/runtime.h"
#include "support/program_dir.h"
#include "support/scripted_desktop.h"

namespace tarvex::testing {

// The desktop side of a window test, for tests that need it outside a fixture.
struct Desk {
  ScriptedDesktop desktop;
  forms::Runtime runtime{desktop};
  forms::Driver driver{runtime};
};

class WindowTest : public ProgramDirTest {
 protected:
  using ProgramDirTest::ProgramDirTest;

  // Opens `form` modally and runs `script` while it is open, as a user would act in it.
  void WhileOpen(forms::Form& form, std::function<void()> script) {
    desktop_.modalScripts[form.name()] = [script = std::move(script)](forms::Form&) { script(); };
    form.ShowModal();
  }

  ScriptedDesktop desktop_;
  forms::Runtime runtime_{desktop_};
  forms::Driver driver_{runtime_};
};

}  // namespace tarvex::testing
