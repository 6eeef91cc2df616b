#include "forms/driver.h"

namespace tarvex::forms {

void Driver::Type(Control& control, std::string_view text) {
  if (runtime_->ActiveControl() != &control) Focus(control);
  for (const char c : text) runtime_->KeyPress(control, static_cast<unsigned char>(c));
}

void Driver::Replace(Control& control, std::string_view text) {
  if (runtime_->ActiveControl() != &control) Focus(control);
  control.setSelection(0, static_cast<int>(control.text().size()));
  for (const char c : text) runtime_->KeyPress(control, static_cast<unsigned char>(c));
}

void Driver::Press(Control& control, int keyAscii) {
  if (runtime_->ActiveControl() != &control) Focus(control);
  runtime_->KeyPress(control, keyAscii);
}

void Driver::Tab(bool backwards) {
  // A Tab is a user event of its own; SetFocus from outside any event wraps it as one.
  Control* from = runtime_->ActiveControl();
  Form* form = from != nullptr ? &from->form() : runtime_->ActiveForm();
  if (form == nullptr) return;
  Control* next = from != nullptr ? form->NextInTabOrder(*from, backwards) : form->FirstFocusable();
  if (next != nullptr) runtime_->SetFocus(*next);
}

}  // namespace tarvex::forms
