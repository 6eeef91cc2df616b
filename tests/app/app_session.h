// A running program in a scratch program directory, for the quote window's tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/frm_corvane1.h"
#include "app/frm_intro.h"
#include "app/program.h"
#include "forms/driver.h"
#include "support/program_dir.h"
#include "support/scripted_desktop.h"
#include "support/scripted_engine.h"

namespace tarvex::app {

// A rated shipment, answered by the engine as a real one would: 300.00 for 1,500 lb over
// three lines of 100.00, minimum charge 110.00, no discount and no deficit weight.
inline void Rated(engine::EngineRecord& r) {
  r.setText(engine::H2, "");
  r.setText(engine::H13, "1234");
  r.setText(engine::H14, "1500");
  r.setText(engine::H15, "1500");
  r.setText(engine::H16, "110.00");
  r.setText(engine::H20, "300.00");
  r.setText(engine::H35, "0");
  r.setText(engine::H36, "0");
  r.setText(engine::H18, "0");
  for (int n = 1; n <= 3; ++n) {
    r.line(n).setText(engine::L4, "20.00");
    r.line(n).setText(engine::L5, "100.00");
  }
}

// One program directory and one running program in it.
struct Session {
  explicit Session(const std::filesystem::path& dir, char separator = '.')
      : program(base::ProgramDir(dir), runtime, engine),
        main(program),
        intro(program, main, separator) {}
  testing::ScriptedDesktop desktop;
  forms::Runtime runtime{desktop};
  testing::ScriptedEngine engine;
  Program program;
  frmCorvane1 main;
  frmIntro intro;
  forms::Driver driver{runtime};

  // Types a lane and tabs on to the first class box.
  void Lane(const std::string& origin, const std::string& destination) {
    driver.Type(main.txtOrigin, origin);
    driver.Tab();
    driver.Type(main.txtDestination, destination);
    driver.Tab();
  }
  // Types a class and a weight into a line and tabs on, which rates the shipment.
  void RateLine(int line, const std::string& cls, const std::string& weight) {
    driver.Replace(main.cboClass[line], cls);
    driver.Tab();
    driver.Type(main.txtWeight[line], weight);
    driver.Tab();
  }
};

inline void WriteText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

// A scratch program directory per test, removed afterwards.
class ProgramDirTest : public ::testing::Test {
 protected:
  void Settings(const pricing::SettingsRecord& s) {
    ASSERT_TRUE(pricing::WriteSettings(dir / "variable.dat", s));
  }
  // The demo carrier's data files, as the build laid them out.
  void CopyDemoData() {
    for (const auto& entry : std::filesystem::directory_iterator(TARVEX_PROGRAM_DIR)) {
      const std::string ext = entry.path().extension().string();
      if (entry.is_regular_file() && (ext == ".dat" || ext == ".ini" || ext == ".DAT"))
        std::filesystem::copy_file(entry.path(), dir / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
  }
  pricing::SettingsRecord DemoSettings() const {
    return pricing::ReadSettings(std::filesystem::path(TARVEX_PROGRAM_DIR) / "variable.dat").record;
  }
  // The demo carrier's files and settings, without the accessorial prompt and the floor
  // tables that would stop a scripted quote.
  pricing::SettingsRecord DemoForQuoting() {
    CopyDemoData();
    pricing::SettingsRecord s = DemoSettings();
    s.PromptAccessorials = 0;
    s.UseFloorTables = 0;
    return s;
  }
  // Ends the running program first: one program directory runs one program at a time.
  Session& Start(char separator = '.') {
    session.reset();
    session = std::make_unique<Session>(dir, separator);
    session->intro.Show();
    return *session;
  }
  // Starts and closes the splash, so the quote window has the focus.
  Session& StartQuoting(char separator = '.') {
    Session& s = Start(separator);
    s.driver.FireTimer(s.intro.Timer1);
    s.desktop.shown.clear();
    return s;
  }
  // Writes `settings` first.
  Session& StartQuoting(const pricing::SettingsRecord& settings, char separator = '.') {
    Settings(settings);
    return StartQuoting(separator);
  }

  testing::ScratchDir scratch;
  std::filesystem::path dir = scratch.path();
  std::unique_ptr<Session> session;  // ended before its directory goes
};

}  // namespace tarvex::app
