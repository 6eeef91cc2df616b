// The desktop of a real session: Qt message boxes, modal windows, documents, programs and
// printing.
#pragma once

#include <QEventLoop>
#include <QPointer>
#include <map>

#include "forms/desktop.h"

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
  bool StartProgram(const std::string& program) override;
  forms::PrintResult Print(const forms::PrintDocument& document) override;
  void SetWaitCursor(bool wait) override;
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

// Twips to pixels: 15 twips per pixel.
inline int Px(int twips) { return twips / 15; }

}  // namespace tarvex::ui
