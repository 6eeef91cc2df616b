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
    auto* edit = new QLineEdit(parent);
    binder.MirrorLineEdit(control, edit);
    return edit;
  }
  void Mirror(const forms::Control& c, QWidget* w) const override {
    auto* edit = static_cast<QLineEdit*>(w);
    const QString text = FromModel(c.text());
    if (edit->text() != text) edit->setText(text);
    edit->setMaxLength(c.maxLength() > 0 ? c.maxLength() : 32767);
    MirrorEditState(c, edit);
  }
};

}  // namespace

const ControlAdapter& TextBoxAdapter() {
  static const TextBox adapter;
  return adapter;
}

}  // namespace tarvex::ui
