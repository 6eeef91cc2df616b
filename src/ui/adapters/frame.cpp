// Frames: a group box that holds the controls placed in it.
#include <QGroupBox>

#include "ui/control_adapter.h"
#include "ui/qt_desktop.h"

namespace tarvex::ui {
namespace {

class Frame : public ControlAdapter {
 public:
  QWidget* Create(Binder&, forms::Control&, QWidget* parent) const override {
    return new QGroupBox(parent);
  }
  void Mirror(const forms::Control& c, QWidget* w) const override {
    static_cast<QGroupBox*>(w)->setTitle(FromModel(c.text()));
  }
};

}  // namespace

const ControlAdapter& FrameAdapter() {
  static const Frame adapter;
  return adapter;
}

}  // namespace tarvex::ui
