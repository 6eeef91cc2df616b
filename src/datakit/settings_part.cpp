#include "datakit/settings_part.h"

#include <map>
#include <ostream>
#include <set>
#include <string>

#include "base/files.h"
#include "base/text.h"
#include "pricing/settings.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;
using pricing::SettingsLayout;
using pricing::SettingsRecord;

void Build(const fs::path& source, const fs::path& out, Report& report) {
  const fs::path ini = source / "settings.ini";
  const auto lines = ReadDataLines(ini);
  if (!lines) {
    report.fault(ini.string(), "missing");
    return;
  }
  SettingsRecord settings;
  std::set<std::string> seen;
  for (const auto& [where, line] : *lines) {
    const std::string t = base::Trim(line);
    if (t[0] == ';') continue;  // the other note mark of INI files
    const auto eq = t.find('=');
    if (eq == std::string::npos) {
      report.fault(where, "expected FieldName = value");
      continue;
    }
    const std::string name = base::Trim(t.substr(0, eq));
    const std::string value = base::Trim(t.substr(eq + 1));
    const pricing::SettingsField* field = nullptr;
    for (const auto& f : SettingsLayout())
      if (name == f.name) field = &f;
    if (!field) {
      report.fault(where, "unknown field " + name);
      continue;
    }
    if (!seen.insert(name).second) report.fault(where, name + " given twice");
    if (!pricing::SetFieldText(settings, *field, value))
      report.fault(where, "value of " + name + " does not fit the field");
  }
  for (const auto& f : SettingsLayout())
    if (!seen.count(f.name)) report.fault(ini.string(), std::string("no value for ") + f.name);
  std::string error;
  if (!pricing::WriteSettings(out / pricing::kSettingsFileName, settings, &error))
    report.fault((out / pricing::kSettingsFileName).string(), error);

  // Message texts and pictures travel as they are.
  const fs::path files = source / "files";
  std::error_code ec;
  if (fs::is_directory(files, ec)) {
    for (const auto& entry : fs::directory_iterator(files, ec)) {
      if (!entry.is_regular_file()) continue;
      const std::string content = base::FileToString(entry.path());
      if (!base::WriteFileAtomic(out / entry.path().filename(), content, &error))
        report.fault(entry.path().string(), error);
    }
  }
}

void Check(const fs::path& dir, Report& report) {
  const fs::path file = dir / pricing::kSettingsFileName;
  const auto length = base::FileLength(file);
  if (length < 0) {
    report.fault(file.string(), "missing");
    return;
  }
  if (length != static_cast<std::int64_t>(pricing::kSettingsRecordLength) &&
      length != static_cast<std::int64_t>(pricing::kSettingsShortLength))
    report.fault(file.string(), "length " + std::to_string(length) + ", expected 966 (or 958)");
  const auto read = pricing::ReadSettings(file);
  if (read.status == pricing::SettingsStatus::Damaged) report.fault(file.string(), read.fault);
}

bool Dump(const fs::path& file, std::ostream& out, Report& report) {
  if (!base::EqualsNoCase(file.filename().string(), pricing::kSettingsFileName)) return false;
  const auto read = pricing::ReadSettings(file);
  if (read.status == pricing::SettingsStatus::Damaged) report.fault(file.string(), read.fault);
  if (!read.ok() && read.status != pricing::SettingsStatus::Damaged) {
    report.fault(file.string(), "cannot be read as a settings record");
    return true;
  }
  for (const auto& f : SettingsLayout())
    out << f.name << " = " << pricing::FieldText(read.record, f) << '\n';
  return true;
}

}  // namespace

Part SettingsPart() {
  return {"settings", &Build, &Check, &Dump};
}

}  // namespace tarvex::datakit
