// The forms runtime: owns the focus and delivers events in the order the program's
// handlers rely on, the same with the Qt desktop or headless.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/desktop.h"
#include "forms/form.h"

namespace tarvex::forms {

class Runtime {
 public:
  explicit Runtime(Desktop& desktop, std::string title = "Tarvex");
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  Desktop& desktop() const { return *desktop_; }
  // The program's title, shown on every message box.
  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }
  // The program's window icon: every window takes it as it loads, unless it sets its own.
  const std::string& windowIcon() const { return windowIcon_; }
  void setWindowIcon(std::string path) { windowIcon_ = std::move(path); }

  // The control that has the focus (already the new one while LostFocus runs).
  Control* ActiveControl() const { return focus_; }
  Form* ActiveForm() const { return activeForm_; }
  const std::vector<Form*>& forms() const { return forms_; }

  // Focus moves. Inside a focus event a SetFocus is carried out after the current move,
  // as a further move from wherever the focus then is.
  void SetFocus(Control& target);
  // Tab (or Shift+Tab) from the control that has the focus, along its form's tab order.
  void Tab(bool backwards = false);
  // Asks for a Tab once the current user event is done, as Enter-as-Tab does.
  void PostTab() { tabPosted_ = true; }

  // User actions, as the Qt layer and the headless driver deliver them.
  void KeyDown(Control& control, int keyCode, int shift = 0);
  void KeyPress(Control& control, int keyAscii);
  // Ctrl and a letter (control character 1 … 26) typed in a control: a window that previews
  // keys sees it first. True when the window took it; otherwise the key keeps the desktop's
  // own meaning (select all, copy, paste).
  bool ControlKey(Control& control, int keyAscii);
  // A paste, cut, undo, drop or other whole-text edit by the user: played as the keys that
  // make the same change.
  void UserEdit(Control& control, std::string_view text);
  void Click(Control& control);
  void DblClick(Control& control);
  void SelectItem(Control& control, int index);
  // The user moved a scroll bar to `value`.
  void Scroll(Control& control, int value);
  void FireTimer(Control& timer);
  void ClickForm(Form& form);
  void KeyOnForm(Form& form, int keyAscii);
  void CloseForm(Form& form);

  // Messages and questions raise no focus events.
  void MsgBox(const std::string& text) const;
  void MsgBox(const std::string& text, const std::string& title) const;
  bool AskYesNo(const std::string& text) const;

  // Window life; Form::Show and friends come here. Load runs a window's load step
  // without showing it.
  void Load(Form& form);
  void Show(Form& form);
  void ShowModal(Form& form);
  void Hide(Form& form);
  void Unload(Form& form);

  // Called after every user event once the runtime is at rest, so a view can redraw.
  void SetObserver(std::function<void()> observer) { observer_ = std::move(observer); }
  // Told when a control or a window is destroyed, so that a view forgets what it built for it
  // before another window can come to stand at the same address.
  void SetRemovalObservers(std::function<void(const Control&)> control,
                           std::function<void(const Form&)> form) {
    controlRemoved_ = std::move(control);
    formRemoved_ = std::move(form);
  }

 private:
  friend class Form;
  friend class Control;
  void Add(Form& form) { forms_.push_back(&form); }
  void Remove(Form& form);
  // A control going away (its window is being destroyed) can no longer hold the focus.
  void Remove(Control& control);

  // Runs one user event and what it left queued (focus moves, a posted Tab), then
  // tells the observer.
  template <typename F>
  void UserEvent(F&& event);
  void Move(Control& target);
  void RunPendingMoves();
  void Activate(Form& form, Control* focusTarget);
  void InsertText(Control& control, std::string_view insert);

  Desktop* desktop_;
  std::string title_;
  std::string windowIcon_;
  std::vector<Form*> forms_;
  Form* activeForm_ = nullptr;
  Control* focus_ = nullptr;
  // False while the focus has moved but its GotFocus has not yet run.
  bool focusDelivered_ = true;
  int moveDepth_ = 0;
  int eventDepth_ = 0;
  std::vector<Control*> pendingMoves_;
  bool tabPosted_ = false;
  std::function<void()> observer_;
  std::function<void(const Control&)> controlRemoved_;
  std::function<void(const Form&)> formRemoved_;
};

}  // namespace tarvex::forms
