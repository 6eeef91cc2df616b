// The data kit's shared vocabulary: where sources and outputs are, and how faults are reported.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex::datakit {

// Faults found while building or checking; the kit goes on after a fault so that one run
// reports every fault it can find.
class Report {
 public:
  void fault(std::string where, std::string what);
  void note(std::string text);
  bool ok() const { return faults_.empty(); }
  const std::vector<std::string>& faults() const { return faults_; }
  const std::vector<std::string>& notes() const { return notes_; }
  void print(std::ostream& out) const;

 private:
  std::vector<std::string> faults_;
  std::vector<std::string> notes_;
};

// A data line of a readable source and its place ("file:line") for fault reports.
struct DataLine {
  std::string where;
  std::string text;
};

// The data lines of a readable source: line ends ("\r\n" too) dropped, blank lines and lines
// opening with "#" (after blanks) skipped as notes. Nothing when the file cannot be read.
std::optional<std::vector<DataLine>> ReadDataLines(const std::filesystem::path& file);
// The same for a source the kit needs: a file that cannot be read is a fault.
std::vector<DataLine> ReadDataLines(const std::filesystem::path& file, Report& report);

// The cells of a line between separators; a line without one is one cell.
std::vector<std::string> SplitCells(std::string_view line, char separator = '\t');

// One part of the kit: builds its files of a program directory from readable sources,
// checks them in a built directory, and dumps the binary files it knows as text.
struct Part {
  const char* name;
  // Builds from `source` (data/demo or a supplier's folder) into `out`.
  void (*build)(const std::filesystem::path& source, const std::filesystem::path& out,
                Report& report);
  // Checks a program directory.
  void (*check)(const std::filesystem::path& dir, Report& report);
  // Prints `file` as text when this part knows it; false when it does not.
  bool (*dump)(const std::filesystem::path& file, std::ostream& out, Report& report);
};

// Every part of the kit, in build order.
const std::vector<Part>& Parts();

// Builds every part from `source` into the program directory `out`, creating it, while
// holding the engine's lock file alone so that no program rates from half-replaced files.
// Refused, naming the programs that hold the files, while one reads them.
bool BuildProgramDirectory(const std::filesystem::path& source, const std::filesystem::path& out,
                           Report& report);

}  // namespace tarvex::datakit
