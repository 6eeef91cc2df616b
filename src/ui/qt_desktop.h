// The desktop of a real session: Qt message boxes, modal windows, documents, programs,
// printing and the desktop's file dialog.
#pragma once

#include <QEventLoop>
#include <QPointer>
#include <QRectF>
#include <QStringList>
#include <map>
#include <string_view>

#include "forms/desktop.h"

class QPainter;
class QWidget;

namespace tarvex::ui {

class Binder;

class QtDesktop : public forms::Desktop {
 public:
  QtDesktop() = default;
  void setBinder(Binder* binder) { binder_ = binder; }

  void Message(const std::string& title, const std::string& text) override;
  bool Question(const std::string& title, const std::string& text) override;
  void RunModal(forms::Form& form) override;
  void EndModal(forms::Form& form) override;
  bool OpenDocument(const std::string& pathOrUrl) override;
  forms::OpenResult OpenFile(const std::string& path) override;
  bool ChooseProgramFor(const std::string& path) override;
  bool StartProgram(const std::string& program) override;
  forms::PrintResult Print(const forms::PrintDocument& document) override;
  forms::PrintResult PrintForm(const forms::Form& form) override;
  std::optional<std::string> ChooseFile(const forms::FileRequest& request) override;
  void SetWaitCursor(bool wait) override;
  void DoEvents() override;
  std::pair<int, int> ScreenSize() const override;
  void Quit() override;

  bool quitRequested() const { return quitRequested_; }

 private:
  Binder* binder_ = nullptr;
  std::map<const forms::Form*, QEventLoop*> modalLoops_;
  bool waitCursor_ = false;
  bool quitRequested_ = false;
};

// Model text is single-byte Windows-1252, as the data files hold it.
QString FromModel(const std::string& text);
std::string ToModel(const QString& text);

// A chooser's filter in the file dialog's terms: "Text Files (*.txt)|*.txt|All Files (*.*)|*.*"
// gives "Text Files (*.txt)" and "All Files (*)".
QStringList NameFilters(std::string_view filter);

// Where a window's picture goes on a page, from the page's top left corner: at its size on
// screen when that fits, else shrunk, keeping its proportions, until it does.
QRectF FitToPage(const QSizeF& onScreen, const QSizeF& page);
// Paints the widget and everything shown on it into `target`.
void PaintPicture(QPainter& painter, const QRectF& target, QWidget& widget);

// Twips to pixels: 15 twips per pixel.
inline int Px(int twips) {
  return twips / 15;
}

}  // namespace tarvex::ui
