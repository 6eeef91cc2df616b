// The desktop of a command-line run: messages are collected for standard error, questions
// and modal windows are answered from the command line's choices. There is no screen to
// print a window from and no one to pick a file.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "forms/desktop.h"

namespace tarvex::cli {

class CliDesktop : public forms::Desktop {
 public:
  void Message(const std::string& title, const std::string& text) override;
  bool Question(const std::string& title, const std::string& text) override;
  void RunModal(forms::Form& form) override;
  void EndModal(forms::Form&) override {}
  bool OpenDocument(const std::string&) override { return false; }
  forms::OpenResult OpenFile(const std::string&) override { return forms::OpenResult::Failed; }
  bool ChooseProgramFor(const std::string&) override { return false; }
  bool StartProgram(const std::string&) override { return false; }
  // Printed pages go where `printer` sends them (a PDF file the command line names); without
  // one they cannot be printed.
  forms::PrintResult Print(const forms::PrintDocument& document) override {
    return printer ? printer(document) : forms::PrintResult::Failed;
  }
  std::function<forms::PrintResult(const forms::PrintDocument&)> printer;
  // Says that a window cannot be printed here, and fails.
  forms::PrintResult PrintForm(const forms::Form& form) override;
  // The command line names its files in its options: a chooser is always cancelled.
  std::optional<std::string> ChooseFile(const forms::FileRequest&) override { return std::nullopt; }
  void SetWaitCursor(bool) override {}
  std::pair<int, int> ScreenSize() const override { return {19200, 14400}; }
  void Quit() override { quit_ = true; }

  bool quit() const { return quit_; }
  std::vector<std::string> TakeMessages();
  // The answer to every yes/no question (intrastate tariffs); No unless told.
  void setAnswer(bool yes) { answer_ = yes; }
  // What to do in a modal window, by window name; a window without one is closed.
  std::map<std::string, std::function<void(forms::Form&)>> modalActions;

 private:
  std::vector<std::string> messages_;
  bool answer_ = false;
  bool quit_ = false;
};

}  // namespace tarvex::cli
