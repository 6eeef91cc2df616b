// The splash window: refuses a second instance, runs the start-up, shows the carrier's
// picture and hands over to the main window.
#pragma once

#include "forms/control.h"
#include "forms/form.h"

namespace tarvex::app {

struct Program;
class frmCorvane1;

inline constexpr int kIntroWidth = 9600;
inline constexpr int kIntroHeight = 7320;

class frmIntro : public forms::Form {
 public:
  frmIntro(Program& program, frmCorvane1& main, char localeDecimalSeparator);

  void Form_Load() override;
  void Form_Activate() override;
  // Closed by the window manager's button: handed over as on a click, or an unseen program
  // would go on holding the single-instance lock.
  void Form_Unload(bool& cancel) override;
  void Form_Click() override { CloseAndShowMain(); }
  void Form_KeyPress(int& keyAscii) override {
    keyAscii = 0;
    CloseAndShowMain();
  }

  forms::Timer Timer1{*this, "Timer1"};

 private:
  void CloseAndShowMain();
  void End();

  Program& program_;
  frmCorvane1& main_;
  char localeDecimalSeparator_;
  bool activated_ = false;
  bool handedOver_ = false;
  bool ending_ = false;
};

}  // namespace tarvex::app
