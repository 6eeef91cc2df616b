// What the program asks of the desktop: messages, questions, modal windows, documents,
// programs and printing. The Qt layer implements it with real dialogs; tests script it.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tarvex::forms {

class Form;

// One printed line in a fixed-pitch font; bold spans are [start, start + length) columns.
struct PrintLine {
  std::string text;
  std::vector<std::pair<int, int>> bold;
};

struct PrintPage {
  std::vector<PrintLine> lines;
};

struct PrintDocument {
  std::string title;
  std::vector<PrintPage> pages;
};

enum class PrintResult { Printed, Cancelled, Failed };

class Desktop {
 public:
  virtual ~Desktop() = default;

  // A plain message box with an OK button.
  virtual void Message(const std::string& title, const std::string& text) = 0;
  // A yes/no question whose default answer is No; true when the user answers Yes.
  virtual bool Question(const std::string& title, const std::string& text) = 0;
  // Runs the window modally and returns once the runtime reports it closed (EndModal).
  virtual void RunModal(Form& form) = 0;
  virtual void EndModal(Form& form) = 0;
  // Opens a document or web address with the desktop's viewer; false when none could.
  virtual bool OpenDocument(const std::string& pathOrUrl) = 0;
  // Starts a desktop tool such as the calculator; false when it cannot be started.
  virtual bool StartProgram(const std::string& program) = 0;
  virtual PrintResult Print(const PrintDocument& document) = 0;
  // The hourglass pointer during long work.
  virtual void SetWaitCursor(bool wait) = 0;
  // Screen size in twips, for centring windows.
  virtual std::pair<int, int> ScreenSize() const = 0;
  // The program ends once the current event is done.
  virtual void Quit() = 0;
};

}  // namespace tarvex::forms
