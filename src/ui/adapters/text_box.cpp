// Text boxes: a line edit whose typing, pastes and selections reach the runtime.
#include <QLineEdit>

#include "ui/binder.h"
#include "ui/control_adapter.h"
#include "ui/qt_desktop.h"

namespace tarvex::ui {
namespace {

class TextBox : public ControlAdapter {
 public:
  QWidget* Create(Binder& binder, forms::Control& control, QWidget* parent) const override {
    // No maximum length on the widget: the model cuts a paste only after its keys have passed
    // the key rules, so "K1A 2B3" pasted into a six-character box is K1A2B3, not K1A2B.
    auto* edit = new QLineEdit(parent);
    binder.MirrorLineEdit(control, edit);
    return edit;
  }
  void Mirror(const forms::Control& c, QWidget* w) const override {
    auto* edit = static_cast<QLineEdit*>(w);
    const QString text = FromModel(c.text());
    if (edit->text() != text) edit->setText(text);
    MirrorEditState(c, edit);
  }
};

}  // namespace

const ControlAdapter& TextBoxAdapter() {
  static const TextBox adapter;
  return adapter;
}

}  // namespace tarvex::ui
