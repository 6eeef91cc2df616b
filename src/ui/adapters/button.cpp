// Command buttons, check boxes and option buttons: a click goes through the runtime, which
// moves the focus (validating once) and then changes the value.
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/binder.h"
#include "ui/control_adapter.h"
#include "ui/qt_desktop.h"

namespace tarvex::ui {
namespace {

class Button : public ControlAdapter {
 public:
  QWidget* Create(Binder& binder, forms::Control& control, QWidget* parent) const override {
    QAbstractButton* button = nullptr;
    switch (control.kind()) {
      case forms::ControlKind::CheckBox:
        button = new QCheckBox(parent);
        break;
      case forms::ControlKind::OptionButton: {
        auto* option = new QRadioButton(parent);
        // The model clears the other options of the same frame.
        option->setAutoExclusive(false);
        button = option;
        break;
      }
      default: {
        auto* push = new QPushButton(parent);
        push->setAutoDefault(false);
        button = push;
        break;
      }
    }
    button->setFocusPolicy(Qt::TabFocus);
    forms::Control* c = &control;
    QObject::connect(button, &QAbstractButton::clicked, &binder,
                     [&binder, c] { binder.runtime().Click(*c); });
    return button;
  }
  void Mirror(const forms::Control& c, QWidget* w) const override {
    auto* button = static_cast<QAbstractButton*>(w);
    const QString text = FromModel(c.text());
    if (button->text() != text) button->setText(text);
    if (c.kind() != forms::ControlKind::CommandButton) button->setChecked(c.value() != 0);
  }
};

}  // namespace

const ControlAdapter& ButtonAdapter() {
  static const Button adapter;
  return adapter;
}

}  // namespace tarvex::ui
