// Drives windows without a display: what a user does, as plain calls. The command line
// and the headless tests use it, so they see the same events the screen delivers.
#pragma once

#include <string_view>

#include "forms/runtime.h"

namespace tarvex::forms {

class Driver {
 public:
  explicit Driver(Runtime& runtime) : runtime_(&runtime) {}

  // Clicks into the control (or tabs to it): a focus move with validation.
  void Focus(Control& control) { runtime_->SetFocus(control); }
  // Focuses the control when it has not the focus, then types each character as a key.
  void Type(Control& control, std::string_view text);
  // Selects the whole text and types over it.
  void Replace(Control& control, std::string_view text);
  void Press(Control& control, int keyAscii);
  void PressEnter(Control& control) { Press(control, keys::Enter); }
  void PressDelete(Control& control) { runtime_->KeyDown(control, keys::Delete); }
  void Tab(bool backwards = false);
  void Click(Control& control) { runtime_->Click(control); }
  void DblClick(Control& control) { runtime_->DblClick(control); }
  void Select(Control& control, int index) { runtime_->SelectItem(control, index); }
  void Scroll(Control& control, int value) { runtime_->Scroll(control, value); }
  void FireTimer(Control& timer) { runtime_->FireTimer(timer); }
  void Close(Form& form) { runtime_->CloseForm(form); }

 private:
  Runtime* runtime_;
};

}  // namespace tarvex::forms
