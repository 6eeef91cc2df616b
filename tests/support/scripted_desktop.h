// A desktop for tests: records every message and question, answers questions from a
// script, runs modal windows by a scripted action per window name, and answers the file
// chooser from a script.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "forms/desktop.h"
#include "forms/form.h"

namespace tarvex::testing {

class ScriptedDesktop : public forms::Desktop {
 public:
  struct Shown {
    std::string title;
    std::string text;
    bool question = false;
  };

  void Message(const std::string& title, const std::string& text) override {
    shown.push_back({title, text, false});
    log.push_back("message: " + text);
  }
  bool Question(const std::string& title, const std::string& text) override {
    shown.push_back({title, text, true});
    log.push_back("question: " + text);
    if (answers.empty()) return false;  // No is the default answer
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void RunModal(forms::Form& form) override {
    log.push_back("modal: " + form.name());
    const auto it = modalScripts.find(form.name());
    if (it != modalScripts.end()) it->second(form);
    // A script that leaves its window open would hang a real desktop; close it here.
    if (form.visible()) {
      log.push_back("modal left open: " + form.name());
      form.Hide();
    }
  }
  void EndModal(forms::Form& form) override { log.push_back("modal closed: " + form.name()); }
  bool OpenDocument(const std::string& pathOrUrl) override {
    opened.push_back(pathOrUrl);
    return canOpen;
  }
  forms::OpenResult OpenFile(const std::string& path) override {
    log.push_back("open file: " + path);
    opened.push_back(path);
    return openResult;
  }
  bool ChooseProgramFor(const std::string& path) override {
    log.push_back("choose program: " + path);
    return true;
  }
  bool StartProgram(const std::string& program) override {
    started.push_back(program);
    return canStart;
  }
  forms::PrintResult Print(const forms::PrintDocument& document) override {
    printed.push_back(document);
    return printResult;
  }
  forms::PrintResult PrintForm(const forms::Form& form) override {
    log.push_back("print form: " + form.name());
    printedForms.push_back(form.name());
    return printResult;
  }
  // Each request takes the next scripted answer; nothing left, or nothing scripted, cancels.
  std::optional<std::string> ChooseFile(const forms::FileRequest& request) override {
    log.push_back("choose file: " + request.title);
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
  }
  void SetWaitCursor(bool) override {}
  // What the user does while long work lets events through.
  void DoEvents() override {
    ++doEvents;
    if (onDoEvents) onDoEvents();
  }
  std::pair<int, int> ScreenSize() const override { return screen; }
  void Quit() override { quit = true; }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& s : shown)
      if (!s.question) texts.push_back(s.text);
    return texts;
  }

  std::vector<Shown> shown;
  std::vector<std::string> log;
  std::deque<bool> answers;
  std::map<std::string, std::function<void(forms::Form&)>> modalScripts;
  std::vector<std::string> opened;
  std::vector<std::string> started;
  std::vector<forms::PrintDocument> printed;
  std::vector<std::string> printedForms;
  std::vector<forms::FileRequest> fileRequests;
  std::deque<std::optional<std::string>> fileAnswers;
  bool canOpen = true;
  forms::OpenResult openResult = forms::OpenResult::Opened;
  bool canStart = true;
  forms::PrintResult printResult = forms::PrintResult::Printed;
  int doEvents = 0;
  std::function<void()> onDoEvents;
  bool quit = false;
  std::pair<int, int> screen{19200, 14400};
};

}  // namespace tarvex::testing
