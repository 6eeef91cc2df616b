// The one binder between the forms model and Qt widgets: mirrors every window's model into
// its widgets after each event and turns focus, keys, edits and clicks into model events.
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QObject>
#include <map>
#include <memory>
#include <string>

#include "forms/runtime.h"

class QLabel;
class QMenu;
class QTimer;
class QAction;

namespace tarvex::ui {

class Binder;

// The Qt window of one form.
class FormWindow : public QMainWindow {
 public:
  FormWindow(Binder& binder, forms::Form& form);
  forms::Form& form() const { return *form_; }
  QWidget* client() const { return client_; }
  QLabel* background() const { return background_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Binder* binder_;
  forms::Form* form_;
  QWidget* client_;
  QLabel* background_;
};

class Binder : public QObject {
 public:
  explicit Binder(forms::Runtime& runtime);
  ~Binder() override;

  forms::Runtime& runtime() const { return *runtime_; }
  // True while the binder itself writes into widgets: their signals are no user's doing.
  bool syncing() const { return syncing_; }
  // Keys, focus and double clicks on `object` reach the runtime as `control`'s.
  void Watch(QObject* object, forms::Control& control);
  // The text and selection of a box's line edit reach the model; edits go through the runtime.
  void MirrorLineEdit(forms::Control& control, QLineEdit* edit);

  // Brings every window and widget in line with the model.
  void Sync();
  void ShowModalWindow(forms::Form& form);

  FormWindow* WindowOf(const forms::Form& form) const;
  QWidget* WidgetOf(const forms::Control& control) const;
  forms::Control* ControlOf(const QObject* widget) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FormWindow& Build(forms::Form& form);
  void BuildControl(FormWindow& window, forms::Control& control);
  void SyncWindow(FormWindow& window);
  void SyncControl(forms::Control& control, QWidget* widget);
  void ApplyFocus();
  bool HandleKey(forms::Control& control, QKeyEvent* event);
  // A destroyed control's widgets no longer speak for it; a destroyed window's go with it.
  void ForgetControl(const forms::Control& control);
  void ForgetForm(const forms::Form& form);

  forms::Runtime* runtime_;
  std::map<const forms::Form*, std::unique_ptr<FormWindow>> windows_;
  std::map<const forms::Control*, QWidget*> widgets_;
  std::map<const QObject*, forms::Control*> controls_;
  std::map<const forms::Control*, QAction*> actions_;
  std::map<const forms::Control*, QMenu*> menus_;
  std::map<const forms::Control*, QTimer*> timers_;
  bool syncing_ = false;
};

}  // namespace tarvex::ui
