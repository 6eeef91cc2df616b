// What the program asks of the desktop: messages, questions, modal windows, documents,
// programs, printing and choosing files. The Qt layer implements it with real dialogs; tests
// script it.
#pragma once

#include <optional>
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

// What became of a file given to the desktop to open with the program of its type.
enum class OpenResult { Opened, NoAssociatedProgram, Failed };

// What the desktop's file chooser is asked for; forms::CommonDialog fills it in.
struct FileRequest {
  enum class Purpose { Open, Save };
  Purpose purpose = Purpose::Open;
  std::string title;
  // Description and pattern pairs: "Text Files (*.txt)|*.txt|All Files (*.*)|*.*".
  std::string filter;
  std::string initDirectory;
  // The name the chooser proposes.
  std::string fileName;
};

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
  // Opens a file with the program the desktop associates with its type; NoAssociatedProgram
  // when no program takes files of that type.
  virtual OpenResult OpenFile(const std::string& path) = 0;
  // The desktop's own way of choosing a program for a file; false when none was started.
  virtual bool ChooseProgramFor(const std::string& path) = 0;
  // Starts a desktop tool such as the calculator; false when it cannot be started.
  virtual bool StartProgram(const std::string& program) = 0;
  virtual PrintResult Print(const PrintDocument& document) = 0;
  // Prints a picture of the window as it stands on screen, scaled to fit the page.
  virtual PrintResult PrintForm(const Form& form) = 0;
  // The desktop's file chooser: the full path of the file chosen, nothing when cancelled.
  virtual std::optional<std::string> ChooseFile(const FileRequest& request) = 0;
  // The hourglass pointer during long work.
  virtual void SetWaitCursor(bool wait) = 0;
  // In the middle of long work: shows what the windows hold now and lets the user's pending
  // clicks and keys run (a Cancel button among them). Nothing where no one is at the screen.
  virtual void DoEvents() {}
  // Screen size in twips, for centring windows.
  virtual std::pair<int, int> ScreenSize() const = 0;
  // The program ends once the current event is done.
  virtual void Quit() = 0;
};

}  // namespace tarvex::forms
