// A window of the program: its controls in tab order and its own load, activate, unload
// and key handlers. Windows derive from Form and hold their controls as members.
#pragma once

#include <string>
#include <vector>

#include "forms/control.h"

namespace tarvex::forms {

class Runtime;

class Form {
 public:
  Form(Runtime& runtime, std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Runtime& runtime() const { return *runtime_; }
  const std::string& name() const { return name_; }

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption) { caption_ = std::move(caption); }
  // Window geometry in twips.
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setLeft(int v) { left_ = v; }
  void setTop(int v) { top_ = v; }
  void setWidth(int v) { width_ = v; }
  void setHeight(int v) { height_ = v; }
  // Moves the window to the middle of the screen.
  void Centre();
  const std::string& icon() const { return icon_; }
  void setIcon(std::string path) { icon_ = std::move(path); }
  const std::string& picture() const { return picture_; }
  void setPicture(std::string path) { picture_ = std::move(path); }
  // A form with key preview sees every key of its controls first (the splash does).
  bool keyPreview() const { return keyPreview_; }
  void setKeyPreview(bool preview) { keyPreview_ = preview; }

  bool loaded() const { return loaded_; }
  bool visible() const { return visible_; }
  bool modal() const { return modal_; }

  // Every control in the order it was declared; frames come before what they hold.
  const std::vector<Control*>& controls() const { return controls_; }
  // The tab order: the declaration order unless the window sets its own.
  const std::vector<Control*>& tabOrder() const {
    return tabOrder_.empty() ? controls_ : tabOrder_;
  }
  Control* Find(const std::string& name, int index = -1) const;
  // The first control of the tab order that can take the focus.
  Control* FirstFocusable() const;
  // The next (or previous) control after `from` that can take the focus, wrapping round.
  Control* NextInTabOrder(const Control& from, bool backwards = false) const;
  // Sets the tab order; controls left out follow in declaration order.
  void SetTabOrder(const std::vector<Control*>& order);

  // The control that has the focus, when this window is the active one.
  Control* ActiveControl() const;

  void Show();
  void ShowModal();
  void Hide();
  // Asks the window to close; its Unload handler may refuse.
  void Unload();

  // Window events; the runtime calls them.
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Unload(bool& cancel) { (void)cancel; }
  virtual void Form_Click() {}
  virtual void Form_KeyPress(int& keyAscii) { (void)keyAscii; }

 private:
  friend class Control;
  friend class Runtime;
  void Register(Control* control) { controls_.push_back(control); }

  Runtime* runtime_;
  std::string name_;
  std::string caption_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  std::string icon_;
  std::string picture_;
  bool keyPreview_ = false;
  bool loaded_ = false;
  bool visible_ = false;
  bool modal_ = false;
  std::vector<Control*> controls_;
  std::vector<Control*> tabOrder_;
};

}  // namespace tarvex::forms
