// Quoting from the command line: the quote window driven as a user would drive it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/frm_corvane1.h"
#include "app/frm_intro.h"
#include "app/program.h"
#include "cli/cli_desktop.h"
#include "engine/vorn_library.h"
#include "forms/driver.h"

namespace tarvex::cli {

struct QuoteInput {
  std::string origin;
  std::string destination;
  std::vector<std::pair<std::string, std::string>> lines;  // class, weight
  bool inbound = false;
  std::string units;
  bool intrastate = false;             // the answer to an intrastate tariff question
  std::optional<bool> singleShipment;  // the answer when the lane asks
  // Accessorial charges to tick, by their caption, with the value their box needs.
  std::vector<std::pair<std::string, std::string>> accessorials;
};

struct QuoteOutput {
  // Every shown label or box of the quote window with its text, in window order.
  std::vector<std::pair<std::string, std::string>> fields;
  // What the window said that sent the user back: no quote.
  std::vector<std::string> messages;
  // What the window said on the way that let the quote go on (a rural point, a missing
  // FAK table at start-up).
  std::vector<std::string> notices;
  bool ok() const { return messages.empty(); }
  std::string Field(const std::string& name) const;
};

// Parses "Liftgate Delivery=120" into a charge's caption and value (no value: "").
std::pair<std::string, std::string> ParseAccessorial(const std::string& text);

// Parses "70:1200" into class and weight; nothing when the text is not of that form.
std::optional<std::pair<std::string, std::string>> ParseLine(const std::string& text);

// One running program on a program directory; quotes one shipment after another.
class QuoteSession {
 public:
  // `decimalSeparator` is the user's, as the window program finds it at start-up.
  QuoteSession(const std::string& programDir, char decimalSeparator);
  ~QuoteSession();
  QuoteSession(const QuoteSession&) = delete;
  QuoteSession& operator=(const QuoteSession&) = delete;
  // Empty when the program started; otherwise what it said.
  const std::vector<std::string>& startupMessages() const { return startup_; }
  // What the program said at start-up and then went on.
  const std::vector<std::string>& startupNotices() const { return startupNotices_; }
  QuoteOutput Quote(const QuoteInput& input);
  // The quote window as the last quote left it, for its printed page.
  const app::frmCorvane1& window() const { return main_; }
  // The running program, for the other windows the command line drives.
  app::Program& program() { return program_; }
  CliDesktop& desktop() { return desktop_; }
  forms::Driver& driver() { return driver_; }
  app::frmCorvane1& mainWindow() { return main_; }

 private:
  CliDesktop desktop_;
  forms::Runtime runtime_{desktop_, "Tarvex"};
  base::ProgramDir dir_;
  engine::VornLibrary engine_;
  app::Program program_;
  app::frmCorvane1 main_;
  app::frmIntro intro_;
  forms::Driver driver_{runtime_};
  std::vector<std::string> startup_;
  std::vector<std::string> startupNotices_;
  bool accessorialsTicked_ = false;
};

}  // namespace tarvex::cli
