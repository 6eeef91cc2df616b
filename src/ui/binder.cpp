#include "ui/binder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QTimer>

#include "base/text.h"
#include "ui/control_adapter.h"
#include "ui/qt_desktop.h"

namespace tarvex::ui {

namespace {

using forms::Control;
using forms::ControlKind;

// Window frame and title bar, in twips, that a form's height includes besides its client.
constexpr int kTitleTwips = 420;
constexpr int kMenuTwips = 300;
constexpr int kBorderTwips = 120;

bool HasMenus(const forms::Form& form) {
  for (const Control* c : form.controls())
    if (c->kind() == ControlKind::Menu) return true;
  return false;
}

// "&File" shows as File with F underlined in Qt too; only the accelerator text differs.
QString MenuText(const Control& c) {
  return FromModel(c.caption());
}

}  // namespace

FormWindow::FormWindow(Binder& binder, forms::Form& form)
    : binder_(&binder), form_(&form), client_(new QWidget(this)), background_(nullptr) {
  setObjectName(QString::fromStdString(form.name()));
  setCentralWidget(client_);
  background_ = new QLabel(client_);
  background_->setScaledContents(true);
  background_->lower();
  background_->hide();
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  binder_->runtime().CloseForm(*form_);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  int key = 0;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    key = forms::keys::Enter;
  else if (event->key() == Qt::Key_Escape)
    key = forms::keys::Escape;
  else if (!text.isEmpty())
    key = static_cast<unsigned char>(ToModel(text.left(1)).front());
  if (key != 0) {
    binder_->runtime().KeyOnForm(*form_, key);
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
  binder_->runtime().ClickForm(*form_);
  QMainWindow::mousePressEvent(event);
}

Binder::Binder(forms::Runtime& runtime) : runtime_(&runtime) {
  runtime_->SetRemovalObservers([this](const Control& c) { ForgetControl(c); },
                                [this](const forms::Form& f) { ForgetForm(f); });
}

Binder::~Binder() {
  runtime_->SetObserver(nullptr);
  runtime_->SetRemovalObservers(nullptr, nullptr);
  windows_.clear();
}

void Binder::ForgetControl(const Control& control) {
  const auto silence = [this](QObject* object) {
    object->removeEventFilter(this);
    QObject::disconnect(object, nullptr, this, nullptr);
  };
  if (const auto it = widgets_.find(&control); it != widgets_.end()) {
    silence(it->second);
    for (QObject* child : it->second->findChildren<QObject*>()) silence(child);
    widgets_.erase(it);
  }
  if (const auto it = actions_.find(&control); it != actions_.end()) {
    silence(it->second);
    actions_.erase(it);
  }
  menus_.erase(&control);
  if (const auto it = timers_.find(&control); it != timers_.end()) {
    delete it->second;
    timers_.erase(it);
  }
  for (auto it = controls_.begin(); it != controls_.end();)
    it = it->second == &control ? controls_.erase(it) : std::next(it);
}

void Binder::ForgetForm(const forms::Form& form) {
  windows_.erase(&form);
}

FormWindow* Binder::WindowOf(const forms::Form& form) const {
  const auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second.get();
}

QWidget* Binder::WidgetOf(const Control& control) const {
  const auto it = widgets_.find(&control);
  return it == widgets_.end() ? nullptr : it->second;
}

Control* Binder::ControlOf(const QObject* widget) const {
  const auto it = controls_.find(widget);
  return it == controls_.end() ? nullptr : it->second;
}

FormWindow& Binder::Build(forms::Form& form) {
  auto window = std::make_unique<FormWindow>(*this, form);
  FormWindow& w = *window;
  windows_[&form] = std::move(window);
  // Frames first, so that what they hold has its parent.
  for (Control* c : form.controls())
    if (c->kind() == ControlKind::Frame) BuildControl(w, *c);
  for (Control* c : form.controls())
    if (c->kind() != ControlKind::Menu && c->kind() != ControlKind::Frame) BuildControl(w, *c);
  // Menus after the rest so that a parent exists before its entries.
  for (Control* c : form.controls()) {
    if (c->kind() != ControlKind::Menu) continue;
    if (c->container() == nullptr) {
      QMenu* menu = w.menuBar()->addMenu(MenuText(*c));
      menu->setObjectName(QString::fromStdString(c->name()));
      menus_[c] = menu;
      // A top-level entry without entries of its own is a command.
      QAction* action = menu->menuAction();
      actions_[c] = action;
      QObject::connect(menu, &QMenu::aboutToShow, this, [] {});
      QObject::connect(action, &QAction::triggered, this, [this, c] { runtime_->Click(*c); });
    } else {
      QMenu* parent = menus_[c->container()];
      QAction* action = parent->addAction(MenuText(*c));
      action->setObjectName(QString::fromStdString(c->name()));
      if (!c->shortcut().empty()) action->setShortcut(QKeySequence(FromModel(c->shortcut())));
      actions_[c] = action;
      QObject::connect(action, &QAction::triggered, this, [this, c] { runtime_->Click(*c); });
    }
  }
  // A menu with no entries acts at once when chosen.
  for (auto& [control, menu] : menus_) {
    if (&control->form() != &form || !menu->isEmpty()) continue;
    QMenu* empty = menu;
    Control* c = const_cast<Control*>(control);
    w.menuBar()->removeAction(empty->menuAction());
    QAction* action = w.menuBar()->addAction(MenuText(*c));
    action->setObjectName(QString::fromStdString(c->name()));
    if (!c->shortcut().empty()) action->setShortcut(QKeySequence(FromModel(c->shortcut())));
    actions_[c] = action;
    QObject::connect(action, &QAction::triggered, this, [this, c] { runtime_->Click(*c); });
  }
  return w;
}

void Binder::BuildControl(FormWindow& window, Control& control) {
  QWidget* parent = window.client();
  if (control.container() != nullptr && control.container()->kind() == ControlKind::Frame)
    parent = WidgetOf(*control.container());
  Control* c = &control;
  if (control.kind() == ControlKind::Timer) {
    auto* timer = new QTimer(this);
    QObject::connect(timer, &QTimer::timeout, this, [this, c] { runtime_->FireTimer(*c); });
    timers_[c] = timer;
    return;
  }
  const ControlAdapter* adapter = AdapterFor(control.kind());
  if (adapter == nullptr) return;
  QWidget* widget = adapter->Create(*this, control, parent);
  widget->setObjectName(QString::fromStdString(control.displayName()));
  Watch(widget, control);
  widgets_[c] = widget;
}

void Binder::Watch(QObject* object, Control& control) {
  object->installEventFilter(this);
  controls_[object] = &control;
}

void Binder::MirrorLineEdit(Control& c, QLineEdit* edit) {
  Control* control = &c;
  QObject::connect(edit, &QLineEdit::textEdited, this, [this, control](const QString& text) {
    // What the model refuses goes away again when the runtime's observer syncs.
    if (!syncing_) runtime_->UserEdit(*control, ToModel(text));
  });
  QObject::connect(edit, &QLineEdit::selectionChanged, this, [this, control, edit] {
    if (syncing_ || !edit->hasSelectedText()) return;
    control->setSelection(edit->selectionStart(), static_cast<int>(edit->selectedText().size()));
  });
  QObject::connect(edit, &QLineEdit::cursorPositionChanged, this,
                   [this, control, edit](int, int pos) {
                     if (!syncing_ && !edit->hasSelectedText()) control->setSelection(pos, 0);
                   });
}

void Binder::ShowModalWindow(forms::Form& form) {
  Sync();
  if (FormWindow* w = WindowOf(form)) {
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
    w->raise();
    w->activateWindow();
  }
  ApplyFocus();
}

void Binder::Sync() {
  if (syncing_) return;
  syncing_ = true;
  for (forms::Form* form : runtime_->forms()) {
    FormWindow* window = WindowOf(*form);
    if (window == nullptr) {
      if (!form->visible()) continue;
      window = &Build(*form);
    }
    SyncWindow(*window);
  }
  syncing_ = false;
  ApplyFocus();
}

void Binder::SyncWindow(FormWindow& window) {
  forms::Form& form = window.form();
  window.setWindowTitle(FromModel(form.caption()));
  if (!form.icon().empty()) window.setWindowIcon(QIcon(FromModel(form.icon())));
  const int chrome = kTitleTwips + (HasMenus(form) ? kMenuTwips : 0);
  const QSize client(Px(form.width() - kBorderTwips), Px(form.height() - chrome));
  if (window.client()->size() != client) {
    window.client()->setFixedSize(client);
    window.adjustSize();
  }
  window.move(Px(form.left()), Px(form.top()));
  if (!form.picture().empty()) {
    window.background()->setPixmap(QPixmap(FromModel(form.picture())));
    window.background()->setGeometry(0, 0, client.width(), client.height());
    window.background()->show();
  }
  for (Control* c : form.controls()) {
    if (c->kind() == ControlKind::Menu) {
      const auto it = actions_.find(c);
      if (it == actions_.end()) continue;
      it->second->setText(MenuText(*c));
      it->second->setVisible(c->visible());
      it->second->setEnabled(c->enabled());
      continue;
    }
    if (c->kind() == ControlKind::Timer) {
      QTimer* timer = timers_[c];
      const bool run = form.visible() && c->enabled() && c->interval() > 0;
      if (run && (!timer->isActive() || timer->interval() != c->interval()))
        timer->start(c->interval());
      else if (!run)
        timer->stop();
      continue;
    }
    if (QWidget* w = WidgetOf(*c)) SyncControl(*c, w);
  }
  if (form.visible() && !window.isVisible()) {
    window.setWindowModality(form.modal() ? Qt::ApplicationModal : Qt::NonModal);
    window.show();
    window.activateWindow();
  } else if (!form.visible() && window.isVisible()) {
    window.hide();
  }
}

void Binder::SyncControl(Control& c, QWidget* w) {
  w->setGeometry(Px(c.left()), Px(c.top()), Px(c.width()), Px(c.height()));
  w->setVisible(c.visible());
  w->setEnabled(c.enabled());
  QFont font = w->font();
  font.setBold(c.bold());
  if (c.fixedPitch()) {
    font.setFamily(FromModel(c.fontName()));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
  }
  if (font != w->font()) w->setFont(font);
  if (c.mousePointer() == forms::kPointerHourglass)
    w->setCursor(Qt::WaitCursor);
  else if (w->testAttribute(Qt::WA_SetCursor))
    w->unsetCursor();
  if (const ControlAdapter* adapter = AdapterFor(c.kind())) adapter->Mirror(c, w);
}

void Binder::ApplyFocus() {
  Control* focus = runtime_->ActiveControl();
  if (focus == nullptr) return;
  QWidget* w = WidgetOf(*focus);
  if (w == nullptr || !w->isVisible()) return;
  if (QApplication::focusWidget() == w || w->isAncestorOf(QApplication::focusWidget())) return;
  syncing_ = true;
  if (QWidget* top = w->window(); !top->isActiveWindow()) top->activateWindow();
  w->setFocus(Qt::OtherFocusReason);
  syncing_ = false;
}

bool Binder::HandleKey(Control& c, QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
    const bool backwards = key == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
    runtime_->Tab(backwards);
    if (runtime_->ActiveControl() == nullptr) Sync();
    return true;
  }
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key >= Qt::Key_A &&
      key <= Qt::Key_Z) {
    // Ctrl and a letter as its control character; Ctrl+H, I and M are not Backspace, Tab or Enter.
    const int code = key - Qt::Key_A + 1;
    if (code == forms::keys::Backspace || code == forms::keys::Tab || code == forms::keys::Enter)
      return false;
    return runtime_->ControlKey(c, code);
  }
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) return false;
  const bool editable = c.kind() == ControlKind::TextBox || c.kind() == ControlKind::ComboBox;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    runtime_->KeyPress(c, forms::keys::Enter);
    return true;
  }
  if (!editable) {
    if (key == Qt::Key_Space &&
        (c.kind() == ControlKind::CommandButton || c.kind() == ControlKind::CheckBox ||
         c.kind() == ControlKind::OptionButton)) {
      runtime_->Click(c);
      return true;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.at(0).isPrint()) return false;
    for (const char ch : ToModel(typed)) runtime_->KeyPress(c, static_cast<unsigned char>(ch));
    return true;
  }
  if (key == Qt::Key_Backspace) {
    runtime_->KeyPress(c, forms::keys::Backspace);
    return true;
  }
  if (key == Qt::Key_Delete) {
    runtime_->KeyDown(c, forms::keys::Delete);
    return true;
  }
  if (key == Qt::Key_Escape) {
    runtime_->KeyPress(c, forms::keys::Escape);
    return true;
  }
  const QString text = event->text();
  if (text.isEmpty() || !text.at(0).isPrint()) return false;
  for (const char ch : ToModel(text)) runtime_->KeyPress(c, static_cast<unsigned char>(ch));
  return true;
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
  Control* c = ControlOf(watched);
  if (c == nullptr) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn: {
      if (syncing_) break;
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
      if (runtime_->ActiveControl() != c) {
        runtime_->SetFocus(*c);
        // A refused move leaves the focus where the model has it.
        if (runtime_->ActiveControl() != c) QTimer::singleShot(0, this, [this] { ApplyFocus(); });
      }
      break;
    }
    case QEvent::KeyPress: {
      if (c->kind() == ControlKind::ComboBox && watched != WidgetOf(*c)) break;
      auto* key = static_cast<QKeyEvent*>(event);
      if (HandleKey(*c, key)) return true;
      break;
    }
    case QEvent::MouseButtonDblClick:
      // Lists report their double clicks per item; other controls here.
      if (c->kind() == ControlKind::Label || c->kind() == ControlKind::Image) {
        runtime_->DblClick(*c);
        return true;
      }
      break;
    case QEvent::ShortcutOverride: {
      // Tab and Enter belong to the runtime, not to Qt's focus chain or default buttons.
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        event->accept();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tarvex::ui
