#include "ui/qt_desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include "base/text.h"
#include "forms/form.h"
#include "print/print_page.h"
#include "ui/binder.h"

namespace tarvex::ui {

QString FromModel(const std::string& text) {
  return QString::fromStdString(base::Cp1252ToUtf8(text));
}

std::string ToModel(const QString& text) { return base::Utf8ToCp1252(text.toStdString()); }

namespace {

QWidget* Parent() { return QApplication::activeWindow(); }

}  // namespace

void QtDesktop::Message(const std::string& title, const std::string& text) {
  if (waitCursor_) QGuiApplication::restoreOverrideCursor();
  QMessageBox::information(Parent(), FromModel(title), FromModel(text));
  if (waitCursor_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

bool QtDesktop::Question(const std::string& title, const std::string& text) {
  return QMessageBox::question(Parent(), FromModel(title), FromModel(text),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

void QtDesktop::RunModal(forms::Form& form) {
  if (binder_ != nullptr) binder_->ShowModalWindow(form);
  QEventLoop loop;
  modalLoops_[&form] = &loop;
  if (form.visible()) loop.exec();
  modalLoops_.erase(&form);
  if (binder_ != nullptr) binder_->Sync();
}

void QtDesktop::EndModal(forms::Form& form) {
  const auto it = modalLoops_.find(&form);
  if (it != modalLoops_.end()) it->second->quit();
}

bool QtDesktop::OpenDocument(const std::string& pathOrUrl) {
  const QString target = FromModel(pathOrUrl);
  const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target);
  return QDesktopServices::openUrl(url);
}

bool QtDesktop::StartProgram(const std::string& program) {
  // The calculator is whichever one the desktop has.
  QStringList candidates;
  if (base::EqualsNoCase(program, "calc.exe") || base::EqualsNoCase(program, "calc"))
    candidates = {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk",
                  "xcalc"};
  else
    candidates = {FromModel(program)};
  for (const QString& name : candidates) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty() && QProcess::startDetached(path, {})) return true;
  }
  return false;
}

forms::PrintResult QtDesktop::Print(const forms::PrintDocument& document) {
  QPrinter printer(QPrinter::HighResolution);
  print::SetPageLayout(printer);
  printer.setDocName(FromModel(document.title));
  QPrintPreviewDialog preview(&printer, Parent());
  preview.setWindowTitle(FromModel(document.title));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                   [&](QPrinter* p) { print::RenderPages(*p, document); });
  if (preview.exec() != QDialog::Accepted) return forms::PrintResult::Cancelled;
  return forms::PrintResult::Printed;
}

void QtDesktop::SetWaitCursor(bool wait) {
  if (wait == waitCursor_) return;
  waitCursor_ = wait;
  if (wait)
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QGuiApplication::restoreOverrideCursor();
}

std::pair<int, int> QtDesktop::ScreenSize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {19200, 14400};
  const QRect r = screen->availableGeometry();
  return {r.width() * 15, r.height() * 15};
}

void QtDesktop::Quit() {
  quitRequested_ = true;
  for (auto& [form, loop] : modalLoops_) loop->quit();
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

}  // namespace tarvex::ui
