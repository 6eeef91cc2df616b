#include "app/program.h"

#include <filesystem>
#include <system_error>

#include "base/text.h"

namespace tarvex::app {

std::string Program::IconPath() const {
  return dir.resolve(base::Trim(settings.IconFile)).string();
}

void Program::EndEngine() {
  if (!engineStarted) return;
  engineStarted = false;
  engine.EndVorn();
}

Startup StartupInitialization(Program& program, char localeDecimalSeparator) {
  forms::Runtime& rt = program.runtime;
  // Message files are also opened by bare name, so the program directory is the current one.
  std::error_code ignored;
  std::filesystem::current_path(program.dir.path(), ignored);

  const std::filesystem::path settingsFile = program.dir.resolve(pricing::kSettingsFileName);
  const pricing::SettingsRead read = pricing::ReadSettings(settingsFile);
  if (!read.ok()) {
    switch (read.status) {
      case pricing::SettingsStatus::Missing:
        rt.MsgBox("The settings file " + settingsFile.string() +
                  " is missing, so the program cannot start.");
        break;
      case pricing::SettingsStatus::Damaged:
        rt.MsgBox("The settings file " + settingsFile.string() + " is damaged: " + read.fault +
                  ", so the program cannot start.");
        break;
      default:
        rt.MsgBox("The settings file " + settingsFile.string() +
                  " is damaged or too short, so the program cannot start.");
        break;
    }
    return Startup::Refused;
  }
  program.settings = read.record;
  rt.setWindowIcon(program.IconPath());

  program.classTable = pricing::StandardClassTable();
  program.fak = pricing::FakState{};
  program.fak.FakTable = program.classTable;
  if (pricing::On(program.settings.FakOn)) {
    const std::filesystem::path fakFile = program.dir.resolve(pricing::kFakFileName);
    std::string fault;
    const pricing::FakReadStatus fak =
        pricing::ReadFakTable(fakFile, program.classTable, program.fak, &fault);
    if (fak != pricing::FakReadStatus::Ok)
      rt.MsgBox("The FAK table " + fakFile.string() +
                (fak == pricing::FakReadStatus::Missing ? " is missing"
                 : fak == pricing::FakReadStatus::Short ? " is too short"
                                                        : " is damaged: " + fault) +
                ", so no FAK classes are substituted.");
  }

  program.Mexico571Mode = base::Contains(program.settings.VersionText, "571.");

  if (!program.engineUnavailable.empty()) {
    rt.MsgBox(program.engineUnavailable);
    return Startup::Refused;
  }

  const std::string path = engine::EnginePath(program.dir);
  engine::PrepareStartupRecord(
      program.engineRecord,
      {program.settings.EngineCode, pricing::AdjustmentFactorText(program.settings)});

  program.lastEngineStatus = program.engine.InitializeVorn(base::Trim(path));
  if (program.lastEngineStatus == engine::kStatusFilesLocked) return Startup::FilesLocked;
  program.engineStarted = true;
  program.lastEngineStatus = program.engine.Set_Vorndata(base::Trim(path));

  program.decimalSeparator = localeDecimalSeparator == ',' ? ',' : '.';
  program.pickedPostalCode = "      ";
  return Startup::Ready;
}

}  // namespace tarvex::app
