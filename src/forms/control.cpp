#include "forms/control.h"

#include <algorithm>

#include "base/text.h"
#include "forms/form.h"
#include "forms/runtime.h"

namespace tarvex::forms {

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(&form), kind_(kind), name_(std::move(name)), index_(index) {
  if (kind == ControlKind::ComboBox || kind == ControlKind::ListBox) value_ = -1;
  if (kind == ControlKind::Label || kind == ControlKind::Frame || kind == ControlKind::Menu ||
      kind == ControlKind::Image || kind == ControlKind::Timer)
    tabStop_ = false;
  form.Register(this);
}

Control::~Control() {
  form_->runtime().Remove(*this);
}

std::string Control::displayName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::setText(std::string_view text) {
  if (text == text_) return;
  text_.assign(text);
  const int length = static_cast<int>(text_.size());
  selStart_ = std::min(selStart_, length);
  selLength_ = std::min(selLength_, length - selStart_);
  if (onChange) onChange();
}

bool Control::shown() const {
  for (const Control* c = this; c != nullptr; c = c->container_)
    if (!c->visible_) return false;
  return true;
}

bool Control::canFocus() const {
  switch (kind_) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
    case ControlKind::VScrollBar:
      break;
    default:
      return false;
  }
  for (const Control* c = this; c != nullptr; c = c->container_)
    if (!c->visible_ || !c->enabled_) return false;
  return true;
}

void Control::setValue(int value) {
  if (kind_ == ControlKind::ComboBox || kind_ == ControlKind::ListBox) {
    setListIndex(value);
    return;
  }
  if (kind_ == ControlKind::VScrollBar || kind_ == ControlKind::ProgressBar)
    value = std::clamp(value, min_, max_);
  if (kind_ == ControlKind::ProgressBar) {
    value_ = value;
    return;
  }
  if (value == value_) return;
  value_ = value;
  if (kind_ == ControlKind::VScrollBar) {
    if (onChange) onChange();
    return;
  }
  if (kind_ == ControlKind::OptionButton && value != 0) {
    for (Control* other : form_->controls())
      if (other != this && other->kind_ == ControlKind::OptionButton &&
          other->container_ == container_)
        other->value_ = 0;
  }
  if (kind_ == ControlKind::OptionButton && value == 0) return;
  if (onClick) onClick();
}

bool Control::fixedPitch() const {
  return fontName_.size() >= 7 && base::EqualsNoCase(fontName_.substr(0, 7), "Courier");
}

void Control::setRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  if (value_ < min_ || value_ > max_) setValue(value_);
}

void Control::setListIndex(int index) {
  if (index < -1 || index >= listCount()) index = -1;
  // Picking the item already chosen still shows it, whatever was typed over it since.
  if (index == value_ && (index < 0 || text_ == items_[static_cast<std::size_t>(index)])) return;
  value_ = index;
  // Picking from the list shows the item without a Change, as a drop-down combo does.
  if (index >= 0) {
    text_ = items_[static_cast<std::size_t>(index)];
    selStart_ = 0;
    selLength_ = static_cast<int>(text_.size());
  }
  if (onClick) onClick();
}

void Control::setItem(std::size_t i, std::string item) {
  if (i >= items_.size()) items_.resize(i + 1);
  items_[i] = std::move(item);
}

void Control::clearItems() {
  items_.clear();
  value_ = -1;
}

void Control::setSelection(int start, int length) {
  const int size = static_cast<int>(text_.size());
  selStart_ = std::clamp(start, 0, size);
  selLength_ = std::clamp(length, 0, size - selStart_);
}

std::string Control::selectedText() const {
  return text_.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
}

void Control::move(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void Control::SetFocus() {
  form_->runtime().SetFocus(*this);
}

}  // namespace tarvex::forms
