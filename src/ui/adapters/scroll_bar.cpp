// Vertical scroll bars: Min, Max, SmallChange and LargeChange mirrored; the user's scrolling
// sets Value through the runtime, which raises Change.
#include <QScrollBar>

#include "ui/binder.h"
#include "ui/control_adapter.h"

namespace tarvex::ui {
namespace {

class ScrollBar : public ControlAdapter {
 public:
  QWidget* Create(Binder& binder, forms::Control& control, QWidget* parent) const override {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    forms::Control* c = &control;
    QObject::connect(bar, &QScrollBar::valueChanged, &binder, [&binder, c](int value) {
      if (!binder.syncing()) binder.runtime().Scroll(*c, value);
    });
    return bar;
  }
  void Mirror(const forms::Control& c, QWidget* w) const override {
    auto* bar = static_cast<QScrollBar*>(w);
    bar->setRange(c.min(), c.max());
    bar->setSingleStep(c.smallChange());
    bar->setPageStep(c.largeChange());
    if (bar->value() != c.value()) bar->setValue(c.value());
  }
};

}  // namespace

const ControlAdapter& ScrollBarAdapter() {
  static const ScrollBar adapter;
  return adapter;
}

}  // namespace tarvex::ui
