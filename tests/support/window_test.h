// Windows driven without a display: a scripted desktop, the forms runtime and a driver, over
// a scratch program directory.
#pragma once

#include <functional>
#include <string>
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

// Clicks `command` and runs `act` in the window named `name` that it opens modally; true when
// that window opened.
template <class Window>
bool ActInOpened(ScriptedDesktop& desktop, forms::Driver& driver, forms::Control& command,
                 const std::string& name, const std::function<void(Window&)>& act) {
  bool opened = false;
  desktop.modalScripts[name] = [&](forms::Form& form) {
    opened = true;
    act(dynamic_cast<Window&>(form));
  };
  driver.Click(command);
  return opened;
}

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
