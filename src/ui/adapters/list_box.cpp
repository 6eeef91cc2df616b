// List boxes: the selected row and double clicks reach the runtime.
#include <QListWidget>

#include "ui/binder.h"
#include "ui/control_adapter.h"
#include "ui/qt_desktop.h"

namespace tarvex::ui {
namespace {

class ListBox : public ControlAdapter {
 public:
  QWidget* Create(Binder& binder, forms::Control& control, QWidget* parent) const override {
    auto* list = new QListWidget(parent);
    forms::Control* c = &control;
    QObject::connect(list, &QListWidget::currentRowChanged, &binder, [&binder, c](int row) {
      if (!binder.syncing()) binder.runtime().SelectItem(*c, row);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, &binder,
                     [&binder, c](QListWidgetItem*) { binder.runtime().DblClick(*c); });
    return list;
  }
  void Mirror(const forms::Control& c, QWidget* w) const override {
    auto* list = static_cast<QListWidget*>(w);
    QStringList items;
    for (const std::string& item : c.items()) items << FromModel(item);
    bool same = list->count() == items.size();
    for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == items[i];
    if (!same) {
      list->clear();
      list->addItems(items);
    }
    if (list->currentRow() != c.listIndex()) list->setCurrentRow(c.listIndex());
  }
};

}  // namespace

const ControlAdapter& ListBoxAdapter() {
  static const ListBox adapter;
  return adapter;
}

}  // namespace tarvex::ui
