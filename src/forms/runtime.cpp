#include "forms/runtime.h"

#include <algorithm>

namespace tarvex::forms {

namespace {

bool Editable(const Control& c) {
  return (c.kind() == ControlKind::TextBox || c.kind() == ControlKind::ComboBox) && !c.locked();
}

// A handler that keeps moving the focus back and forth would hang the program; past this
// many queued moves the rest are dropped.
constexpr int kMaxQueuedMoves = 64;

}  // namespace

Runtime::Runtime(Desktop& desktop, std::string title)
    : desktop_(&desktop), title_(std::move(title)) {}

template <typename F>
void Runtime::UserEvent(F&& event) {
  ++eventDepth_;
  event();
  --eventDepth_;
  if (eventDepth_ > 0) return;
  RunPendingMoves();
  for (int guard = 0; tabPosted_ && guard < kMaxQueuedMoves; ++guard) {
    tabPosted_ = false;
    ++eventDepth_;
    Tab();
    --eventDepth_;
    RunPendingMoves();
  }
  tabPosted_ = false;
  if (observer_) observer_();
}

void Runtime::Move(Control& target) {
  if (moveDepth_ > 0) {
    if (pendingMoves_.size() < static_cast<std::size_t>(kMaxQueuedMoves))
      pendingMoves_.push_back(&target);
    return;
  }
  if (!target.canFocus()) return;
  if (&target == focus_ && focusDelivered_) return;
  ++moveDepth_;
  Control* from = focusDelivered_ ? focus_ : nullptr;
  if (from != nullptr && &from->form() == &target.form() && target.causesValidation() &&
      from->onValidate) {
    bool cancel = false;
    from->onValidate(cancel);
    if (cancel) {
      --moveDepth_;
      return;
    }
  }
  focus_ = &target;
  focusDelivered_ = false;
  activeForm_ = &target.form();
  if (from != nullptr && from->onLostFocus) from->onLostFocus();
  if (focus_ == &target && !focusDelivered_) {
    focusDelivered_ = true;
    if (target.onGotFocus) target.onGotFocus();
  }
  --moveDepth_;
}

void Runtime::RunPendingMoves() {
  for (int guard = 0; !pendingMoves_.empty() && guard < kMaxQueuedMoves; ++guard) {
    Control* next = pendingMoves_.front();
    pendingMoves_.erase(pendingMoves_.begin());
    Move(*next);
  }
  pendingMoves_.clear();
}

void Runtime::SetFocus(Control& target) {
  if (eventDepth_ == 0) {
    UserEvent([&] { Move(target); });
    return;
  }
  Move(target);
  if (moveDepth_ == 0) RunPendingMoves();
}

void Runtime::Tab(bool backwards) {
  Form* form = focus_ != nullptr ? &focus_->form() : activeForm_;
  if (form == nullptr) return;
  Control* next =
      focus_ != nullptr ? form->NextInTabOrder(*focus_, backwards) : form->FirstFocusable();
  if (next != nullptr) SetFocus(*next);
}

void Runtime::InsertText(Control& control, std::string_view insert) {
  const std::string& old = control.text();
  const auto start = static_cast<std::size_t>(control.selStart());
  const auto length = static_cast<std::size_t>(control.selLength());
  std::string kept = old.substr(0, start) + old.substr(start + length);
  std::string add(insert);
  if (control.maxLength() > 0) {
    const auto room = static_cast<std::size_t>(control.maxLength());
    if (kept.size() >= room) return;
    add = add.substr(0, room - kept.size());
  }
  kept.insert(start, add);
  control.setSelection(static_cast<int>(start + add.size()), 0);
  control.setText(kept);
  control.setSelection(static_cast<int>(start + add.size()), 0);
}

void Runtime::KeyDown(Control& control, int keyCode, int shift) {
  UserEvent([&] {
    if (control.onKeyDown) control.onKeyDown(keyCode, shift);
    if (keyCode != keys::Delete || !Editable(control)) return;
    const std::string& text = control.text();
    int start = control.selStart();
    int length = control.selLength();
    if (length == 0) {
      if (start >= static_cast<int>(text.size())) return;
      length = 1;
    }
    std::string edited = text;
    edited.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
    control.setText(edited);
    control.setSelection(start, 0);
  });
}

void Runtime::KeyPress(Control& control, int keyAscii) {
  UserEvent([&] {
    Form& form = control.form();
    if (form.keyPreview()) {
      form.Form_KeyPress(keyAscii);
      if (keyAscii == 0) return;
    }
    if (control.onKeyPress) control.onKeyPress(keyAscii);
    if (keyAscii == 0) return;
    // Enter on a command button presses it.
    if (control.kind() == ControlKind::CommandButton && keyAscii == keys::Enter) {
      if (control.onClick) control.onClick();
      return;
    }
    if (!Editable(control)) return;
    if (keyAscii == keys::Backspace) {
      int start = control.selStart();
      int length = control.selLength();
      if (length == 0) {
        if (start == 0) return;
        --start;
        length = 1;
      }
      std::string edited = control.text();
      edited.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
      control.setText(edited);
      control.setSelection(start, 0);
      return;
    }
    if (keyAscii < 32 || keyAscii > 255) return;
    InsertText(control, std::string(1, static_cast<char>(keyAscii)));
  });
}

bool Runtime::ControlKey(Control& control, int keyAscii) {
  Form& form = control.form();
  // Nothing happens in the model for other windows: the desktop's edit stays undisturbed.
  if (!form.keyPreview()) return false;
  bool taken = false;
  UserEvent([&] {
    form.Form_KeyPress(keyAscii);
    taken = keyAscii == 0;
  });
  return taken;
}

void Runtime::UserEdit(Control& control, std::string_view text) {
  // Paste, cut, undo, drag and drop and the context menu reach the model as the keys that
  // make the same change, so key filters, maximum lengths and locks see them as typing.
  UserEvent([&] {
    if (!Editable(control)) return;
    const std::string old = control.text();
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < text.size() && old[prefix] == text[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < text.size() - prefix &&
           old[old.size() - 1 - suffix] == text[text.size() - 1 - suffix])
      ++suffix;
    const std::string_view inserted = text.substr(prefix, text.size() - prefix - suffix);
    control.setSelection(static_cast<int>(prefix), static_cast<int>(old.size() - prefix - suffix));
    if (inserted.empty()) {
      if (control.selLength() > 0) KeyPress(control, keys::Backspace);
      return;
    }
    for (const char ch : inserted) {
      // Line breaks and tabs of a pasted text are no keys of a one-line box.
      if (static_cast<unsigned char>(ch) < 32) continue;
      KeyPress(control, static_cast<unsigned char>(ch));
      if (focus_ != &control && focus_ != nullptr) break;
    }
  });
}

void Runtime::Click(Control& control) {
  UserEvent([&] {
    switch (control.kind()) {
      case ControlKind::CommandButton:
      case ControlKind::CheckBox:
      case ControlKind::OptionButton: {
        if (!control.canFocus()) return;
        Move(control);
        const bool reached = focus_ == &control;
        RunPendingMoves();
        if (!reached) return;
        if (control.kind() == ControlKind::CheckBox)
          control.setValue(control.value() != 0 ? 0 : 1);
        else if (control.kind() == ControlKind::OptionButton)
          control.setValue(1);
        else if (control.onClick)
          control.onClick();
        return;
      }
      case ControlKind::Menu:
        if (control.shown() && control.enabled() && control.onClick) control.onClick();
        return;
      default:
        if (control.enabled() && control.onClick) control.onClick();
    }
  });
}

void Runtime::DblClick(Control& control) {
  UserEvent([&] {
    if (control.enabled() && control.onDblClick) control.onDblClick();
  });
}

void Runtime::SelectItem(Control& control, int index) {
  UserEvent([&] {
    if (!control.canFocus()) return;
    if (focus_ != &control) {
      Move(control);
      const bool reached = focus_ == &control;
      RunPendingMoves();
      if (!reached) return;
    }
    control.setListIndex(index);
  });
}

void Runtime::Scroll(Control& control, int value) {
  UserEvent([&] {
    if (control.enabled()) control.setValue(value);
  });
}

void Runtime::FireTimer(Control& timer) {
  UserEvent([&] {
    if (timer.enabled() && timer.interval() > 0 && timer.onTimer) timer.onTimer();
  });
}

void Runtime::ClickForm(Form& form) {
  UserEvent([&] { form.Form_Click(); });
}

void Runtime::KeyOnForm(Form& form, int keyAscii) {
  UserEvent([&] { form.Form_KeyPress(keyAscii); });
}

void Runtime::CloseForm(Form& form) {
  UserEvent([&] { Unload(form); });
}

void Runtime::MsgBox(const std::string& text) const {
  desktop_->Message(title_, text);
}

void Runtime::MsgBox(const std::string& text, const std::string& title) const {
  desktop_->Message(title, text);
}

bool Runtime::AskYesNo(const std::string& text) const {
  return desktop_->Question(title_, text);
}

void Runtime::Load(Form& form) {
  if (form.loaded_) return;
  form.loaded_ = true;
  if (!windowIcon_.empty()) form.setIcon(windowIcon_);
  form.Form_Load();
}

void Runtime::Activate(Form& form, Control* focusTarget) {
  activeForm_ = &form;
  form.Form_Activate();
  if (focusTarget != nullptr) {
    Move(*focusTarget);
    if (moveDepth_ == 0) RunPendingMoves();
  }
}

void Runtime::Show(Form& form) {
  auto show = [&] {
    Load(form);
    if (!form.loaded_) return;
    form.visible_ = true;
    Activate(form, form.FirstFocusable());
  };
  if (eventDepth_ == 0)
    UserEvent(show);
  else
    show();
}

void Runtime::ShowModal(Form& form) {
  Control* below = focus_;
  const bool belowDelivered = focusDelivered_;
  Form* belowForm = activeForm_;
  const int savedMoveDepth = moveDepth_;
  const int savedEventDepth = eventDepth_;
  const bool savedTab = tabPosted_;
  std::vector<Control*> savedMoves;
  savedMoves.swap(pendingMoves_);

  // The control below loses the focus to the modal window's first control.
  Control* first = form.FirstFocusable();
  activeForm_ = &form;
  focus_ = first;
  focusDelivered_ = false;
  if (below != nullptr && belowDelivered && below->onLostFocus) below->onLostFocus();

  moveDepth_ = 0;
  eventDepth_ = 1;
  tabPosted_ = false;
  focus_ = nullptr;
  focusDelivered_ = true;
  form.modal_ = true;
  Load(form);
  form.visible_ = true;
  Activate(form, form.FirstFocusable());
  --eventDepth_;
  RunPendingMoves();
  if (observer_) observer_();

  if (form.visible_) desktop_->RunModal(form);

  form.modal_ = false;
  form.visible_ = false;
  pendingMoves_.swap(savedMoves);
  moveDepth_ = savedMoveDepth;
  eventDepth_ = savedEventDepth;
  tabPosted_ = savedTab;
  activeForm_ = belowForm;
  focus_ = below;
  focusDelivered_ = belowDelivered;
  if (below != nullptr && belowDelivered && below->onGotFocus) below->onGotFocus();
  if (eventDepth_ == 0 && observer_) observer_();
}

void Runtime::Hide(Form& form) {
  const bool wasVisible = form.visible_;
  form.visible_ = false;
  if (form.modal_) {
    if (wasVisible) desktop_->EndModal(form);
    return;
  }
  if (focus_ != nullptr && &focus_->form() == &form) {
    focus_ = nullptr;
    focusDelivered_ = true;
  }
  if (activeForm_ == &form) {
    activeForm_ = nullptr;
    for (Form* f : forms_)
      if (f->visible_) activeForm_ = f;
  }
}

void Runtime::Unload(Form& form) {
  if (!form.loaded_) return;
  bool cancel = false;
  form.Form_Unload(cancel);
  if (cancel) return;
  form.loaded_ = false;
  Hide(form);
}

void Runtime::Remove(Form& form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
  if (activeForm_ == &form) activeForm_ = nullptr;
  if (formRemoved_) formRemoved_(form);
}

void Runtime::Remove(Control& control) {
  if (controlRemoved_) controlRemoved_(control);
  if (focus_ == &control) {
    focus_ = nullptr;
    focusDelivered_ = true;
  }
  pendingMoves_.erase(std::remove(pendingMoves_.begin(), pendingMoves_.end(), &control),
                      pendingMoves_.end());
}

}  // namespace tarvex::forms
