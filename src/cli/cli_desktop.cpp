#include "cli/cli_desktop.h"

#include "forms/form.h"

namespace tarvex::cli {

void CliDesktop::Message(const std::string&, const std::string& text) {
  messages_.push_back(text);
}

bool CliDesktop::Question(const std::string&, const std::string&) {
  return answer_;
}

void CliDesktop::RunModal(forms::Form& form) {
  const auto it = modalActions.find(form.name());
  if (it != modalActions.end()) it->second(form);
  if (form.visible()) form.Hide();
}

forms::PrintResult CliDesktop::PrintForm(const forms::Form& form) {
  messages_.push_back("The window " + form.name() +
                      " cannot be printed from the command line: printing a window needs the "
                      "desktop.");
  return forms::PrintResult::Failed;
}

std::vector<std::string> CliDesktop::TakeMessages() {
  std::vector<std::string> taken;
  taken.swap(messages_);
  return taken;
}

}  // namespace tarvex::cli
