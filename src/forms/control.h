// The controls of a window as the program sees them: what a widget would show, plus the
// events the window's handlers answer.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex::forms {

class Form;

enum class ControlKind {
  TextBox,
  Label,
  ComboBox,
  ListBox,
  CheckBox,
  OptionButton,
  CommandButton,
  Frame,
  Menu,
  Image,
  Timer,
  VScrollBar,
  ProgressBar,
};

// Text alignment of a label or box.
enum class Alignment { Left, Right, Center };

// BorderStyle of a label or image: none, or the fixed single line of a sunken panel.
inline constexpr int kBorderNone = 0;
inline constexpr int kBorderFixedSingle = 1;

// MousePointer over a control: the default arrow or the hourglass.
inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerHourglass = 11;

// Key codes the handlers see, as a classic forms runtime delivers them.
namespace keys {
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Delete = 46;
}  // namespace keys

class Control {
 public:
  Control(Form& form, ControlKind kind, std::string name, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& form() const { return *form_; }
  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  // Position in its control array, -1 for a single control.
  int index() const { return index_; }
  // "txtWeight(3)" or "txtOrigin", for messages and test output.
  std::string displayName() const;

  // Text of a box or caption of a label, button, frame or menu. Changing it from code
  // raises Change, as typing does; setting the same text raises nothing.
  const std::string& text() const { return text_; }
  void setText(std::string_view text);
  const std::string& caption() const { return text_; }
  void setCaption(std::string_view caption) { setText(caption); }

  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }
  // Shown on screen: itself and every frame around it visible.
  bool shown() const;
  bool canFocus() const;

  // Check box 0/1, option button 0/1, list index of a combo or list box (-1 for none).
  // Setting it raises Click, as the classic runtime does; option buttons clear the
  // other options of the same frame.
  int value() const { return value_; }
  void setValue(int value);
  int listIndex() const { return value_; }
  void setListIndex(int index);

  const std::vector<std::string>& items() const { return items_; }
  void addItem(std::string item) { items_.push_back(std::move(item)); }
  void setItem(std::size_t i, std::string item);
  void clearItems();
  int listCount() const { return static_cast<int>(items_.size()); }

  int selStart() const { return selStart_; }
  int selLength() const { return selLength_; }
  void setSelection(int start, int length);
  std::string selectedText() const;

  int maxLength() const { return maxLength_; }
  void setMaxLength(int length) { maxLength_ = length; }
  bool locked() const { return locked_; }
  void setLocked(bool locked) { locked_ = locked; }
  const std::string& tag() const { return tag_; }
  void setTag(std::string tag) { tag_ = std::move(tag); }
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool tabStop) { tabStop_ = tabStop; }
  // A cancel button does not validate the control it takes the focus from.
  bool causesValidation() const { return causesValidation_; }
  void setCausesValidation(bool causes) { causesValidation_ = causes; }
  // FontBold.
  bool bold() const { return bold_; }
  void setBold(bool bold) { bold_ = bold; }
  // FontName: "" for the window's face; a "Courier" face is fixed pitch, so columns of
  // text line up (lists of rates, minimum charges).
  const std::string& fontName() const { return fontName_; }
  void setFontName(std::string name) { fontName_ = std::move(name); }
  bool fixedPitch() const;
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment alignment) { alignment_ = alignment; }
  int borderStyle() const { return borderStyle_; }
  void setBorderStyle(int style) { borderStyle_ = style; }
  int mousePointer() const { return mousePointer_; }
  void setMousePointer(int pointer) { mousePointer_ = pointer; }
  // A scroll bar's or progress bar's range and steps; its position is value(). Setting the value
  // raises Change, as scrolling does, and keeps it within Min and Max.
  int min() const { return min_; }
  int max() const { return max_; }
  void setRange(int min, int max);
  int smallChange() const { return smallChange_; }
  int largeChange() const { return largeChange_; }
  void setSmallChange(int step) { smallChange_ = step; }
  void setLargeChange(int step) { largeChange_ = step; }
  // Picture file of an image control or form (path in the program directory).
  const std::string& picture() const { return picture_; }
  void setPicture(std::string path) { picture_ = std::move(path); }
  // Timer interval in milliseconds; the timer runs while enabled and interval > 0.
  int interval() const { return interval_; }
  void setInterval(int ms) { interval_ = ms; }
  // Accelerator text of a menu entry such as "Ctrl+N".
  const std::string& shortcut() const { return shortcut_; }
  void setShortcut(std::string s) { shortcut_ = std::move(s); }

  // Geometry in twips; only what the windows fix is read back.
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void setLeft(int v) { left_ = v; }
  void setTop(int v) { top_ = v; }
  void setWidth(int v) { width_ = v; }
  void setHeight(int v) { height_ = v; }
  void move(int left, int top, int width, int height);

  // Placed over another control on purpose (lists that take turns in one place, rows
  // restacked as they are shown); two such controls may overlap on the window.
  bool mayOverlap() const { return mayOverlap_; }
  void setMayOverlap(bool may) { mayOverlap_ = may; }

  // The frame (or parent menu) this control sits in.
  Control* container() const { return container_; }
  void setContainer(Control* container) { container_ = container; }

  // Moves the focus here, as the program's SetFocus does.
  void SetFocus();

  // Handlers, set by the window that owns the control.
  std::function<void()> onChange;
  std::function<void()> onGotFocus;
  std::function<void()> onLostFocus;
  std::function<void(bool& cancel)> onValidate;
  std::function<void(int& keyAscii)> onKeyPress;
  std::function<void(int& keyCode, int shift)> onKeyDown;
  std::function<void()> onClick;
  std::function<void()> onDblClick;
  std::function<void()> onTimer;

 private:
  Form* form_;
  ControlKind kind_;
  std::string name_;
  int index_;
  std::string text_;
  bool visible_ = true;
  bool enabled_ = true;
  int value_ = 0;
  std::vector<std::string> items_;
  int selStart_ = 0;
  int selLength_ = 0;
  int maxLength_ = 0;
  bool locked_ = false;
  std::string tag_;
  bool tabStop_ = true;
  bool causesValidation_ = true;
  bool bold_ = false;
  std::string fontName_;
  Alignment alignment_ = Alignment::Left;
  int borderStyle_ = kBorderNone;
  int mousePointer_ = kPointerDefault;
  int min_ = 0;
  int max_ = 32767;
  int smallChange_ = 1;
  int largeChange_ = 1;
  std::string picture_;
  int interval_ = 0;
  std::string shortcut_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool mayOverlap_ = false;
  Control* container_ = nullptr;
};

// Typed names for readability in the windows; they differ only in kind.
// Type names a class, which takes no parentheses.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define TARVEX_FORMS_CONTROL(Type, Kind)                              \
  class Type : public Control {                                       \
   public:                                                            \
    Type(Form& form, std::string name, int index = -1)                \
        : Control(form, ControlKind::Kind, std::move(name), index) {} \
  };
TARVEX_FORMS_CONTROL(TextBox, TextBox)
TARVEX_FORMS_CONTROL(Label, Label)
TARVEX_FORMS_CONTROL(ComboBox, ComboBox)
TARVEX_FORMS_CONTROL(ListBox, ListBox)
TARVEX_FORMS_CONTROL(CheckBox, CheckBox)
TARVEX_FORMS_CONTROL(OptionButton, OptionButton)
TARVEX_FORMS_CONTROL(CommandButton, CommandButton)
TARVEX_FORMS_CONTROL(Frame, Frame)
TARVEX_FORMS_CONTROL(Menu, Menu)
TARVEX_FORMS_CONTROL(Image, Image)
TARVEX_FORMS_CONTROL(Timer, Timer)
TARVEX_FORMS_CONTROL(VScrollBar, VScrollBar)
// Shows how far long work has come: value() between min() and max(); the user cannot move it.
TARVEX_FORMS_CONTROL(ProgressBar, ProgressBar)
#undef TARVEX_FORMS_CONTROL
// NOLINTEND(bugprone-macro-parentheses)

// A control array: one name, told apart by index 0 … count − 1.
template <typename T>
class ControlArray {
 public:
  ControlArray(Form& form, const std::string& name, int count) {
    for (int i = 0; i < count; ++i) items_.push_back(std::make_unique<T>(form, name, i));
  }
  T& operator[](int i) { return *items_.at(static_cast<std::size_t>(i)); }
  const T& operator[](int i) const { return *items_.at(static_cast<std::size_t>(i)); }
  int count() const { return static_cast<int>(items_.size()); }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }

 private:
  std::vector<std::unique_ptr<T>> items_;
};

}  // namespace tarvex::forms
