// Labels and images: text or picture, alignment and border; double clicks reach the runtime
// through the binder's event filter.
#include <QLabel>
#include <QPixmap>

#include "ui/control_adapter.h"
#include "ui/qt_desktop.h"

namespace tarvex::ui {
namespace {

void MirrorFrame(const forms::Control& c, QLabel* label) {
  const int style = c.borderStyle() == forms::kBorderFixedSingle ? QFrame::Panel | QFrame::Sunken
                                                                 : QFrame::NoFrame;
  if (label->frameStyle() != style) label->setFrameStyle(style);
  label->setAlignment(QtAlignment(c));
}

class Label : public ControlAdapter {
 public:
  QWidget* Create(Binder&, forms::Control& control, QWidget* parent) const override {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(control.height() > 300);
    return label;
  }
  void Mirror(const forms::Control& c, QWidget* w) const override {
    auto* label = static_cast<QLabel*>(w);
    const QString text = FromModel(c.text());
    if (label->text() != text) label->setText(text);
    MirrorFrame(c, label);
  }
};

class Image : public ControlAdapter {
 public:
  QWidget* Create(Binder&, forms::Control&, QWidget* parent) const override {
    auto* image = new QLabel(parent);
    image->setScaledContents(false);
    return image;
  }
  void Mirror(const forms::Control& c, QWidget* w) const override {
    auto* image = static_cast<QLabel*>(w);
    const QString path = FromModel(c.picture());
    if (image->property("picture").toString() != path) {
      image->setPixmap(QPixmap(path));
      image->setProperty("picture", path);
    }
    MirrorFrame(c, image);
  }
};

}  // namespace

const ControlAdapter& LabelAdapter() {
  static const Label adapter;
  return adapter;
}

const ControlAdapter& ImageAdapter() {
  static const Image adapter;
  return adapter;
}

}  // namespace tarvex::ui
