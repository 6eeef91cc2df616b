// tarvex-datakit: builds a program directory from readable sources, checks one, dumps files.
#include <filesystem>
#include <iostream>
#include <string>

#include "datakit/kit.h"

namespace fs = std::filesystem;
using tarvex::datakit::Parts;
using tarvex::datakit::Report;

namespace {

int Usage() {
  std::cerr << "usage: tarvex-datakit build SOURCE_DIR PROGRAM_DIR\n"
               "       tarvex-datakit check PROGRAM_DIR\n"
               "       tarvex-datakit dump FILE\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  Report report;
  if (command == "build" && argc == 4) {
    tarvex::datakit::BuildProgramDirectory(argv[2], argv[3], report);
  } else if (command == "check" && argc == 3) {
    for (const auto& part : Parts()) part.check(argv[2], report);
  } else if (command == "dump" && argc == 3) {
    bool known = false;
    for (const auto& part : Parts()) {
      if (part.dump(argv[2], std::cout, report)) {
        known = true;
        break;
      }
    }
    if (!known) report.fault(argv[2], "not a file the data kit knows");
  } else {
    return Usage();
  }
  report.print(report.ok() ? std::cout : std::cerr);
  return report.ok() ? 0 : 1;
}
