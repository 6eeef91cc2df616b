#include "ui/qt_desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <functional>

#include "base/text.h"
#include "forms/common_dialog.h"
#include "forms/form.h"
#include "print/print_page.h"
#include "ui/binder.h"

namespace tarvex::ui {

QString FromModel(const std::string& text) {
  return QString::fromStdString(base::Cp1252ToUtf8(text));
}

std::string ToModel(const QString& text) {
  return base::Utf8ToCp1252(text.toStdString());
}

namespace {

QWidget* Parent() {
  return QApplication::activeWindow();
}

// Printed pages and window pictures share the paper, the preview and its PDF choice.
forms::PrintResult Preview(const std::string& title, const std::function<void(QPrinter&)>& paint) {
  QPrinter printer(QPrinter::HighResolution);
  print::SetPageLayout(printer);
  printer.setDocName(FromModel(title));
  QPrintPreviewDialog preview(&printer, Parent());
  preview.setWindowTitle(FromModel(title));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter* p) { paint(*p); });
  if (preview.exec() != QDialog::Accepted) return forms::PrintResult::Cancelled;
  return forms::PrintResult::Printed;
}

}  // namespace

QStringList NameFilters(std::string_view filter) {
  // "(*.txt)" closing a description is the usual way of showing its patterns; the dialog
  // reads the patterns from that place, so it holds the real ones.
  static const QRegularExpression shownPatterns(R"(\s*\([^()]*[*?][^()]*\)\s*$)");
  QStringList filters;
  for (const forms::FileFilter& entry : forms::ParseFileFilter(filter)) {
    QStringList patterns;
    // "*.*" takes every file, also one without a dot, as the desktop's "*" does.
    for (const std::string& p : entry.patterns) patterns << (p == "*.*" ? "*" : FromModel(p));
    const QString list = patterns.join(' ');
    QString description = FromModel(entry.description);
    description.remove(shownPatterns);
    filters << (description.isEmpty() ? list : description + " (" + list + ")");
  }
  return filters;
}

QRectF FitToPage(const QSizeF& onScreen, const QSizeF& page) {
  if (onScreen.isEmpty()) return {};
  const double scale =
      std::min({1.0, page.width() / onScreen.width(), page.height() / onScreen.height()});
  return {QPointF(0, 0), onScreen * scale};
}

void PaintPicture(QPainter& painter, const QRectF& target, QWidget& widget) {
  if (widget.width() <= 0 || widget.height() <= 0) return;
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / widget.width(), target.height() / widget.height());
  widget.render(&painter, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
  painter.restore();
}

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

namespace {

// Whether the desktop names a default program for the type or one it derives from; nothing
// when it has no way to say (no xdg-mime), so that opening is tried.
std::optional<bool> HasAssociatedProgram(const QString& path) {
  const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
  if (xdgMime.isEmpty()) return std::nullopt;
  const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
  QStringList types{type.name()};
  types += type.allAncestors();
  for (const QString& name : types) {
    // Every file is a stream of bytes; a program for those is no program for this type.
    if (name == "application/octet-stream") continue;
    QProcess query;
    query.start(xdgMime, {"query", "default", name});
    if (!query.waitForFinished(5000) || query.exitCode() != 0) return std::nullopt;
    if (!query.readAllStandardOutput().trimmed().isEmpty()) return true;
  }
  return false;
}

}  // namespace

forms::OpenResult QtDesktop::OpenFile(const std::string& path) {
  const QString file = FromModel(path);
  if (HasAssociatedProgram(file) == false) return forms::OpenResult::NoAssociatedProgram;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file)) ? forms::OpenResult::Opened
                                                              : forms::OpenResult::Failed;
}

bool QtDesktop::ChooseProgramFor(const std::string& path) {
  // The desktop has no common open-with dialog: the user picks the program's file.
  if (waitCursor_) QGuiApplication::restoreOverrideCursor();
  const QString program =
      QFileDialog::getOpenFileName(Parent(), "Open With", "/usr/bin", "Programs (*)");
  if (waitCursor_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  if (program.isEmpty()) return false;
  return QProcess::startDetached(program, {FromModel(path)});
}

bool QtDesktop::StartProgram(const std::string& program) {
  // The calculator is whichever one the desktop has.
  QStringList candidates;
  if (base::EqualsNoCase(program, "calc.exe") || base::EqualsNoCase(program, "calc"))
    candidates = {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk", "xcalc"};
  else
    candidates = {FromModel(program)};
  for (const QString& name : candidates) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty() && QProcess::startDetached(path, {})) return true;
  }
  return false;
}

forms::PrintResult QtDesktop::Print(const forms::PrintDocument& document) {
  return Preview(document.title, [&](QPrinter& printer) { print::RenderPages(printer, document); });
}

forms::PrintResult QtDesktop::PrintForm(const forms::Form& form) {
  // What the handler changed before asking for the picture is on it.
  if (binder_ != nullptr) binder_->Sync();
  const FormWindow* window = binder_ != nullptr ? binder_->WindowOf(form) : nullptr;
  if (window == nullptr) return forms::PrintResult::Failed;
  // The client area, as on screen: neither the title bar nor the menus are printed.
  QWidget* client = window->client();
  return Preview(form.caption(), [client](QPrinter& printer) {
    QPainter painter(&printer);
    const QRect paper = printer.pageLayout().paintRectPixels(printer.resolution());
    const double dotsPerPixel = printer.resolution() / static_cast<double>(client->logicalDpiX());
    PaintPicture(painter, FitToPage(QSizeF(client->size()) * dotsPerPixel, QSizeF(paper.size())),
                 *client);
  });
}

std::optional<std::string> QtDesktop::ChooseFile(const forms::FileRequest& request) {
  const bool save = request.purpose == forms::FileRequest::Purpose::Save;
  QFileDialog dialog(Parent(), FromModel(request.title), FromModel(request.initDirectory));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // A typed name is taken whether its file exists or not; the window that reads or writes it
  // decides what a missing or an existing file means.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters(NameFilters(request.filter));
  if (!request.fileName.empty()) dialog.selectFile(FromModel(request.fileName));
  if (waitCursor_) QGuiApplication::restoreOverrideCursor();
  const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
  if (waitCursor_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  if (!accepted) return std::nullopt;
  const QString path = dialog.selectedFiles().front();
  const std::string chosen = ToModel(path);
  // The program keeps names in Windows-1252; a name it cannot keep would name another file.
  if (FromModel(chosen) != path) {
    Message(request.title,
            "The name of the file chosen has letters the program cannot keep.\n\nPlease "
            "choose a file whose name and folders have Western European letters only.");
    return std::nullopt;
  }
  return chosen;
}

void QtDesktop::SetWaitCursor(bool wait) {
  if (wait == waitCursor_) return;
  waitCursor_ = wait;
  if (wait)
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QGuiApplication::restoreOverrideCursor();
}

void QtDesktop::DoEvents() {
  if (binder_ != nullptr) binder_->Sync();
  QCoreApplication::processEvents();
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
