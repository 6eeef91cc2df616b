// Combo boxes: an editable combo whose list picks and edits reach the runtime.
#include <QComboBox>
#include <QLineEdit>

#include "ui/binder.h"
#include "ui/control_adapter.h"
#include "ui/qt_desktop.h"

namespace tarvex::ui {
namespace {

class ComboBox : public ControlAdapter {
 public:
  QWidget* Create(Binder& binder, forms::Control& control, QWidget* parent) const override {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    forms::Control* c = &control;
    QObject::connect(combo, &QComboBox::activated, &binder, [&binder, c](int index) {
      if (!binder.syncing()) binder.runtime().SelectItem(*c, index);
    });
    // Keys typed into the combo arrive at its line edit.
    binder.Watch(combo->lineEdit(), control);
    binder.MirrorLineEdit(control, combo->lineEdit());
    return combo;
  }
  void Mirror(const forms::Control& c, QWidget* w) const override {
    auto* combo = static_cast<QComboBox*>(w);
    QStringList items;
    for (const std::string& item : c.items()) items << FromModel(item);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (items != shown) {
      combo->clear();
      combo->addItems(items);
    }
    const QString text = FromModel(c.text());
    if (combo->currentText() != text) combo->setEditText(text);
    MirrorEditState(c, combo->lineEdit());
  }
};

}  // namespace

const ControlAdapter& ComboBoxAdapter() {
  static const ComboBox adapter;
  return adapter;
}

}  // namespace tarvex::ui
