#include "ui/control_adapter.h"

namespace tarvex::ui {

using forms::ControlKind;

const ControlAdapter* AdapterFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
      return &TextBoxAdapter();
    case ControlKind::ComboBox:
      return &ComboBoxAdapter();
    case ControlKind::ListBox:
      return &ListBoxAdapter();
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
      return &ButtonAdapter();
    case ControlKind::Frame:
      return &FrameAdapter();
    case ControlKind::Label:
      return &LabelAdapter();
    case ControlKind::Image:
      return &ImageAdapter();
    case ControlKind::VScrollBar:
      return &ScrollBarAdapter();
    case ControlKind::ProgressBar:
      return &ProgressBarAdapter();
    case ControlKind::Menu:
    case ControlKind::Timer:
      return nullptr;
  }
  return nullptr;
}

void MirrorEditState(const forms::Control& c, QLineEdit* edit) {
  edit->setReadOnly(c.locked());
  edit->setAlignment(QtAlignment(c));
  if (c.selLength() > 0)
    edit->setSelection(c.selStart(), c.selLength());
  else
    edit->setCursorPosition(c.selStart());
}

Qt::Alignment QtAlignment(const forms::Control& control) {
  const bool tall = control.height() > 300;
  Qt::Alignment vertical = tall ? Qt::AlignTop : Qt::AlignVCenter;
  switch (control.alignment()) {
    case forms::Alignment::Right:
      return Qt::AlignRight | vertical;
    case forms::Alignment::Center:
      return Qt::AlignHCenter | vertical;
    case forms::Alignment::Left:
      break;
  }
  return Qt::AlignLeft | vertical;
}

}  // namespace tarvex::ui
