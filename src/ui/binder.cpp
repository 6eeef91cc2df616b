#include "ui/binder.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "base/text.h"
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
QString MenuText(const Control& c) { return FromModel(c.caption()); }

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

Binder::Binder(forms::Runtime& runtime) : runtime_(&runtime) {}

Binder::~Binder() {
  runtime_->SetObserver(nullptr);
  windows_.clear();
}

void Binder::RegisterBuilder(const std::string& formName, WindowBuilder builder) {
  builders_[formName] = std::move(builder);
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
  const auto builder = builders_.find(form.name());
  if (builder != builders_.end()) builder->second(w, *this);
  return w;
}

void Binder::BuildControl(FormWindow& window, Control& control) {
  QWidget* parent = window.client();
  if (control.container() != nullptr && control.container()->kind() == ControlKind::Frame)
    parent = WidgetOf(*control.container());
  QWidget* widget = nullptr;
  Control* c = &control;
  switch (control.kind()) {
    case ControlKind::TextBox: {
      auto* edit = new QLineEdit(parent);
      MirrorLineEdit(*c, edit);
      widget = edit;
      break;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setCompleter(nullptr);
      QObject::connect(combo, &QComboBox::activated, this, [this, c](int index) {
        if (!syncing_) runtime_->SelectItem(*c, index);
      });
      QLineEdit* edit = combo->lineEdit();
      edit->installEventFilter(this);
      controls_[edit] = c;
      MirrorLineEdit(*c, edit);
      widget = combo;
      break;
    }
    case ControlKind::ListBox: {
      auto* list = new QListWidget(parent);
      QObject::connect(list, &QListWidget::currentRowChanged, this, [this, c](int row) {
        if (!syncing_) runtime_->SelectItem(*c, row);
      });
      QObject::connect(list, &QListWidget::itemDoubleClicked, this,
                       [this, c](QListWidgetItem*) { runtime_->DblClick(*c); });
      widget = list;
      break;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(parent);
      box->setFocusPolicy(Qt::TabFocus);
      QObject::connect(box, &QCheckBox::clicked, this, [this, c] { runtime_->Click(*c); });
      widget = box;
      break;
    }
    case ControlKind::OptionButton: {
      auto* option = new QRadioButton(parent);
      option->setAutoExclusive(false);
      option->setFocusPolicy(Qt::TabFocus);
      QObject::connect(option, &QRadioButton::clicked, this, [this, c] { runtime_->Click(*c); });
      widget = option;
      break;
    }
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(parent);
      // A click moves the focus through the runtime, which validates once.
      button->setFocusPolicy(Qt::TabFocus);
      button->setAutoDefault(false);
      QObject::connect(button, &QPushButton::clicked, this, [this, c] { runtime_->Click(*c); });
      widget = button;
      break;
    }
    case ControlKind::Frame:
      widget = new QGroupBox(parent);
      break;
    case ControlKind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(control.height() > 300);
      label->setAlignment(Qt::AlignLeft | (control.height() > 300 ? Qt::AlignTop : Qt::AlignVCenter));
      widget = label;
      break;
    }
    case ControlKind::Image: {
      auto* image = new QLabel(parent);
      image->setScaledContents(false);
      widget = image;
      break;
    }
    case ControlKind::Timer: {
      auto* timer = new QTimer(this);
      QObject::connect(timer, &QTimer::timeout, this, [this, c] { runtime_->FireTimer(*c); });
      timers_[c] = timer;
      return;
    }
    case ControlKind::Menu:
      return;
  }
  widget->setObjectName(QString::fromStdString(control.displayName()));
  widget->installEventFilter(this);
  widgets_[c] = widget;
  controls_[widget] = c;
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
  if (c.bold() != w->font().bold()) {
    QFont font = w->font();
    font.setBold(c.bold());
    w->setFont(font);
  }
  const QString text = FromModel(c.text());
  switch (c.kind()) {
    case ControlKind::TextBox: {
      auto* edit = static_cast<QLineEdit*>(w);
      if (edit->text() != text) edit->setText(text);
      edit->setReadOnly(c.locked());
      edit->setMaxLength(c.maxLength() > 0 ? c.maxLength() : 32767);
      if (c.selLength() > 0)
        edit->setSelection(c.selStart(), c.selLength());
      else
        edit->setCursorPosition(c.selStart());
      break;
    }
    case ControlKind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(w);
      QStringList items;
      for (const std::string& item : c.items()) items << FromModel(item);
      QStringList shown;
      for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
      if (items != shown) {
        combo->clear();
        combo->addItems(items);
      }
      if (combo->currentText() != text) combo->setEditText(text);
      QLineEdit* edit = combo->lineEdit();
      edit->setReadOnly(c.locked());
      if (c.selLength() > 0)
        edit->setSelection(c.selStart(), c.selLength());
      else
        edit->setCursorPosition(c.selStart());
      break;
    }
    case ControlKind::ListBox: {
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
      break;
    }
    case ControlKind::CheckBox:
      static_cast<QCheckBox*>(w)->setText(text);
      static_cast<QCheckBox*>(w)->setChecked(c.value() != 0);
      break;
    case ControlKind::OptionButton:
      static_cast<QRadioButton*>(w)->setText(text);
      static_cast<QRadioButton*>(w)->setChecked(c.value() != 0);
      break;
    case ControlKind::CommandButton:
      static_cast<QPushButton*>(w)->setText(text);
      break;
    case ControlKind::Frame:
      static_cast<QGroupBox*>(w)->setTitle(text);
      break;
    case ControlKind::Label:
      if (static_cast<QLabel*>(w)->text() != text) static_cast<QLabel*>(w)->setText(text);
      break;
    case ControlKind::Image: {
      auto* image = static_cast<QLabel*>(w);
      const QString path = FromModel(c.picture());
      if (image->property("picture").toString() != path) {
        image->setPixmap(QPixmap(path));
        image->setProperty("picture", path);
      }
      break;
    }
    case ControlKind::Timer:
    case ControlKind::Menu:
      break;
  }
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
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  const bool editable = c.kind() == ControlKind::TextBox || c.kind() == ControlKind::ComboBox;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    runtime_->KeyPress(c, forms::keys::Enter);
    return true;
  }
  if (!editable) {
    if (key == Qt::Key_Space && (c.kind() == ControlKind::CommandButton ||
                                 c.kind() == ControlKind::CheckBox ||
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
        if (runtime_->ActiveControl() != c)
          QTimer::singleShot(0, this, [this] { ApplyFocus(); });
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
