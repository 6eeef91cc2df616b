#include "forms/form.h"

#include <algorithm>

#include "forms/runtime.h"

namespace tarvex::forms {

Form::Form(Runtime& runtime, std::string name) : runtime_(&runtime), name_(std::move(name)) {
  runtime.Add(*this);
}

Form::~Form() {
  runtime_->Remove(*this);
}

void Form::Centre() {
  const auto [screenWidth, screenHeight] = runtime_->desktop().ScreenSize();
  left_ = (screenWidth - width_) / 2;
  top_ = (screenHeight - height_) / 2;
}

Control* Form::Find(const std::string& name, int index) const {
  for (Control* c : controls_)
    if (c->name() == name && c->index() == index) return c;
  return nullptr;
}

Control* Form::FirstFocusable() const {
  for (Control* c : tabOrder())
    if (c->canFocus() && c->tabStop()) return c;
  return nullptr;
}

Control* Form::NextInTabOrder(const Control& from, bool backwards) const {
  const std::vector<Control*>& order = tabOrder();
  const auto n = static_cast<int>(order.size());
  if (n == 0) return nullptr;
  const auto it = std::find(order.begin(), order.end(), &from);
  int at = it == order.end() ? (backwards ? 0 : -1) : static_cast<int>(it - order.begin());
  for (int step = 0; step < n; ++step) {
    at = backwards ? (at - 1 + n) % n : (at + 1) % n;
    Control* c = order[static_cast<std::size_t>(at)];
    if (c->canFocus() && c->tabStop()) return c;
  }
  return nullptr;
}

void Form::SetTabOrder(const std::vector<Control*>& order) {
  tabOrder_ = order;
  for (Control* c : controls_)
    if (std::find(order.begin(), order.end(), c) == order.end()) tabOrder_.push_back(c);
}

Control* Form::ActiveControl() const {
  Control* c = runtime_->ActiveControl();
  return c != nullptr && &c->form() == this ? c : nullptr;
}

void Form::Show() {
  runtime_->Show(*this);
}
void Form::ShowModal() {
  runtime_->ShowModal(*this);
}
void Form::Hide() {
  runtime_->Hide(*this);
}
void Form::Unload() {
  runtime_->Unload(*this);
}

}  // namespace tarvex::forms
