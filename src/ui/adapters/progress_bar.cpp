// Progress bars: Min, Max and Value mirrored; the user only looks at them.
#include <QProgressBar>

#include "ui/binder.h"
#include "ui/control_adapter.h"

namespace tarvex::ui {
namespace {

class ProgressBar : public ControlAdapter {
 public:
  QWidget* Create(Binder&, forms::Control&, QWidget* parent) const override {
    auto* bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    return bar;
  }
  void Mirror(const forms::Control& c, QWidget* w) const override {
    auto* bar = static_cast<QProgressBar*>(w);
    bar->setRange(c.min(), c.max());
    bar->setValue(c.value());
  }
};

}  // namespace

const ControlAdapter& ProgressBarAdapter() {
  static const ProgressBar adapter;
  return adapter;
}

}  // namespace tarvex::ui
