// tarvex-cli: quotes shipments and makes rate sheets with the windows' own logic, without a
// display.
//
// Exit status: 0 every quote was made; 1 the program showed a message (a refused code, lane
// or line, or a rate sheet's headline or range; the message is on standard error, or in the
// error column of a batch); 2 the command line was wrong; 3 the program could not start
// (settings, engine); 4 the printed page or an output file could not be written. Notices that let
// the quote go on (a rural point) go to standard error too. The process locale comes from the
// environment as for the window program, so LC_ALL=C gives "." in amounts and a comma locale gives
// ",".
#include <CLI/CLI.hpp>
#include <QGuiApplication>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "base/number_format.h"
#include "base/text.h"
#include "cli/density_run.h"
#include "cli/quote_run.h"
#include "cli/rate_sheet_run.h"
#include "print/print_page.h"
#include "quote/printout.h"

namespace {

using tarvex::cli::QuoteInput;
using tarvex::cli::QuoteOutput;
using tarvex::cli::QuoteSession;

std::string ProgramDirOf(const char* argv0) {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return self.parent_path().string();
  return std::filesystem::absolute(argv0).parent_path().string();
}

std::string Cp(const std::string& text) {
  return tarvex::base::Cp1252ToUtf8(text);
}

// The fields of a result on standard output, as "name = text" lines or one JSON object; its
// notices and messages go to standard error either way (and into the JSON object).
using Fields = std::vector<std::pair<std::string, std::string>>;
void PrintResult(const Fields& out, const std::vector<std::string>& notices,
                 const std::vector<std::string>& messages, bool json) {
  if (json) {
    nlohmann::ordered_json j;
    nlohmann::ordered_json fields = nlohmann::ordered_json::object();
    for (const auto& [name, text] : out) fields[name] = Cp(text);
    j["fields"] = fields;
    j["messages"] = nlohmann::json::array();
    for (const auto& m : messages) j["messages"].push_back(Cp(m));
    j["notices"] = nlohmann::json::array();
    for (const auto& m : notices) j["notices"].push_back(Cp(m));
    std::cout << j.dump(2) << '\n';
  } else {
    for (const auto& [name, text] : out) std::cout << name << " = " << Cp(text) << '\n';
  }
  for (const auto& m : notices) std::cerr << Cp(m) << '\n';
  for (const auto& m : messages) std::cerr << Cp(m) << '\n';
}

std::vector<std::string> SplitCsv(const std::string& line) {
  std::vector<std::string> cells;
  std::string cell;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      cells.push_back(cell);
      cell.clear();
    } else if (c != '\r') {
      cell += c;
    }
  }
  cells.push_back(cell);
  return cells;
}

std::string CsvCell(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// Batch rows: origin,destination,lines ("70:1200;100:350"),inbound (y/n),units.
int RunBatch(QuoteSession& session, const std::string& file, const QuoteInput& defaults) {
  std::ifstream in(file);
  if (!in) {
    std::cerr << "The batch file " << file << " cannot be read.\n";
    return 2;
  }
  std::cout << "row,origin,destination,rbn,miles,service,net,fuel,total,total_cad,error\n";
  std::string line;
  int row = 0;
  bool anyError = false;
  while (std::getline(in, line)) {
    if (tarvex::base::Trim(line).empty()) continue;
    ++row;
    const std::vector<std::string> cells = SplitCsv(line);
    if (row == 1 && !cells.empty() && tarvex::base::EqualsNoCase(cells[0], "origin")) {
      --row;
      continue;
    }
    QuoteInput input = defaults;
    input.origin = cells.size() > 0 ? tarvex::base::Trim(cells[0]) : "";
    input.destination = cells.size() > 1 ? tarvex::base::Trim(cells[1]) : "";
    input.lines.clear();
    std::string error;
    if (cells.size() > 2) {
      std::istringstream lines(cells[2]);
      for (std::string one; std::getline(lines, one, ';');) {
        const auto parsed = tarvex::cli::ParseLine(one);
        if (!parsed)
          error = "A line is written class:weight, not \"" + one + "\".";
        else
          input.lines.push_back(*parsed);
      }
    }
    input.inbound =
        cells.size() > 3 && tarvex::base::EqualsNoCase(tarvex::base::Trim(cells[3]), "y");
    input.units = cells.size() > 4 ? tarvex::base::Trim(cells[4]) : "";
    QuoteOutput out;
    if (error.empty()) {
      out = session.Quote(input);
      if (!out.ok()) error = out.messages.front();
      for (const auto& m : out.notices) std::cerr << "row " << row << ": " << Cp(m) << '\n';
    }
    anyError = anyError || !error.empty();
    std::cout << row << ',' << CsvCell(input.origin) << ',' << CsvCell(input.destination) << ','
              << CsvCell(out.Field("lblRBN")) << ',' << CsvCell(out.Field("lblMiles")) << ','
              << CsvCell(Cp(out.Field("lblServiceDays"))) << ',' << CsvCell(out.Field("lblNet"))
              << ',' << CsvCell(out.Field("lblFuelSurcharge")) << ','
              << CsvCell(out.Field("lblTotalCharge")) << ','
              << CsvCell(out.Field("lblTotalCanCharge")) << ',' << CsvCell(Cp(error)) << '\n';
  }
  return anyError ? 1 : 0;
}

// A path given on the command line is the shell's, whatever directory the program moves to.
std::string FromShell(const std::string& path) {
  if (path.empty()) return path;
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(path, ec);
  return ec ? path : absolute.string();
}

int RunDensityCommand(const std::string& dataDir, const tarvex::cli::DensityInput& input,
                      bool json) {
  const tarvex::cli::DensityOutput out =
      tarvex::cli::RunDensity(dataDir, input, tarvex::base::LocaleDecimalSeparator());
  PrintResult(out.fields, {}, out.messages, json);
  return out.ok() ? 0 : 1;
}

// A rate sheet; the printed sheet goes to the PDF file.
int RunSheet(const std::string& dataDir, const tarvex::cli::RateSheetInput& sheet, char** argv) {
  QuoteSession session(dataDir, tarvex::base::LocaleDecimalSeparator());
  if (!session.startupMessages().empty()) {
    for (const auto& m : session.startupMessages()) std::cerr << Cp(m) << '\n';
    return 3;
  }
  for (const auto& m : session.startupNotices()) std::cerr << Cp(m) << '\n';
  std::unique_ptr<QGuiApplication> toolkit;
  int qtArgc = 1;
  if (!sheet.pdfFile.empty()) {
    // Fonts and the PDF writer need the desktop toolkit, not a display.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    toolkit = std::make_unique<QGuiApplication>(qtArgc, argv);
  }
  const auto result = tarvex::cli::RunRateSheet(
      session, sheet, [&](const tarvex::forms::PrintDocument& document, std::string& error) {
        return tarvex::print::WritePdf(document, sheet.pdfFile, &error);
      });
  for (const auto& m : result.messages) std::cerr << Cp(m) << '\n';
  return result.status;
}

int Run(int argc, char** argv) {
  CLI::App app{"Tarvex on the command line: quotes LTL shipments with the carrier's data."};
  app.require_subcommand(1);
  std::string dataDir = ProgramDirOf(argv[0]);
  app.add_option("--data", dataDir, "program directory with the carrier's data")
      ->capture_default_str();

  QuoteInput input;
  std::vector<std::string> lines;
  std::vector<std::string> accessorials;
  std::string batch;
  std::string singleShipment;
  std::string pdf;
  bool json = false;
  bool yesIntrastate = false;
  bool noIntrastate = false;
  auto shipmentOptions = [&](CLI::App* command) {
    command->add_option("--origin", input.origin, "origin ZIP or postal code");
    command->add_option("--destination", input.destination, "destination ZIP or postal code");
    command->add_option("--line", lines, "a shipment line CLASS:WEIGHT, up to eight");
    command->add_flag("--inbound", input.inbound, "price with the destination's discounts");
    command->add_option("--units", input.units, "number of units, for the price per unit");
    command->add_option("--accessorial", accessorials,
                        "tick an accessorial charge by its caption, NAME or NAME=VALUE for the "
                        "charges that take a value");
    auto* yes = command->add_flag("--yes-intrastate", yesIntrastate,
                                  "answer Yes when the lane offers an intrastate tariff");
    command->add_flag("--no-intrastate", noIntrastate, "answer No (the default)")->excludes(yes);
    command
        ->add_option("--single-shipment", singleShipment,
                     "answer when the lane asks whether it is a single shipment")
        ->check(CLI::IsMember({"yes", "no"}));
  };
  CLI::App* quote = app.add_subcommand("quote", "quote one shipment, or a batch of them");
  shipmentOptions(quote);
  quote->add_option("--batch", batch,
                    "CSV file, one shipment per row: origin,destination,lines "
                    "(\"70:1200;100:350\"),inbound (y/n),units; writes one result row each");
  quote->add_flag("--json", json, "print the quote as JSON");
  CLI::App* printQuote = app.add_subcommand("print-quote", "write the printed quote as a PDF file");
  shipmentOptions(printQuote);
  printQuote->add_option("--pdf", pdf, "the PDF file to write")->required();
  tarvex::cli::DensityInput densityInput;
  CLI::App* density = app.add_subcommand(
      "density", "the density and freight class of a shipment from its dimensions and weight");
  density->add_option("--length", densityInput.length, "length in inches (metres with --metric)")
      ->required();
  density->add_option("--width", densityInput.width, "width in inches (metres with --metric)")
      ->required();
  density->add_option("--height", densityInput.height, "height in inches (metres with --metric)")
      ->required();
  density->add_option("--weight", densityInput.weight, "weight in pounds")->required();
  density->add_flag("--metric", densityInput.metric, "dimensions in metres");
  density->add_flag("--json", json, "print the figures as JSON");

  tarvex::cli::RateSheetInput sheet;
  CLI::App* rateSheet = app.add_subcommand(
      "rate-sheet", "rate one headline code to ranges of sideline codes and write the sheet");
  rateSheet->add_option("--headline", sheet.headline, "the headline ZIP or postal code")
      ->required();
  rateSheet->add_flag("--inbound", sheet.inbound,
                      "rates from each sideline point to the headline (default: from it)");
  rateSheet->add_option("--range", sheet.ranges,
                        "sideline codes LOW-HIGH, a code, a two-letter state or US; repeatable, "
                        "up to sixteen pairs");
  rateSheet->add_option("--classes", sheet.classes, "all, or classes such as 50,100,77.5")
      ->capture_default_str();
  rateSheet->add_option("--weights", sheet.weights, "ltl, all, or breaks such as L5C,5C,1M")
      ->capture_default_str();
  rateSheet->add_option("--discount", sheet.discount,
                        "LTL,TL[,FLOOR]: the rate sheet's discounts in percent and MC floor");
  rateSheet->add_option("--header", sheet.headers, "N=TEXT: header line N (1 to 4) of the sheet");
  rateSheet->add_option("--export", sheet.exportFile, "the export file to write");
  rateSheet->add_option("--csv", sheet.csvFile, "the CSV file to write");
  rateSheet->add_option("--pdf", sheet.pdfFile, "the printed sheet as a PDF file");
  rateSheet->add_option("--image", sheet.imageFile, "the printed sheet's page image as text");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;
  }
  dataDir = FromShell(dataDir);
  if (density->parsed()) return RunDensityCommand(dataDir, densityInput, json);
  batch = FromShell(batch);
  pdf = FromShell(pdf);
  if (rateSheet->parsed()) {
    for (std::string* file : {&sheet.exportFile, &sheet.csvFile, &sheet.pdfFile, &sheet.imageFile})
      *file = FromShell(*file);
    return RunSheet(dataDir, sheet, argv);
  }
  input.intrastate = yesIntrastate;
  for (const std::string& a : accessorials)
    input.accessorials.push_back(tarvex::cli::ParseAccessorial(a));
  if (!singleShipment.empty()) input.singleShipment = singleShipment == "yes";
  for (const std::string& l : lines) {
    const auto parsed = tarvex::cli::ParseLine(l);
    if (!parsed) {
      std::cerr << "A line is written CLASS:WEIGHT, for example 70:1200.\n";
      return 2;
    }
    input.lines.push_back(*parsed);
  }
  if (batch.empty() && (input.origin.empty() || input.destination.empty())) {
    std::cerr << "A quote needs --origin and --destination (or --batch FILE).\n";
    return 2;
  }

  QuoteSession session(dataDir, tarvex::base::LocaleDecimalSeparator());
  if (!session.startupMessages().empty()) {
    for (const auto& m : session.startupMessages()) std::cerr << Cp(m) << '\n';
    return 3;
  }
  for (const auto& m : session.startupNotices()) std::cerr << Cp(m) << '\n';
  if (!batch.empty()) return RunBatch(session, batch, input);
  if (printQuote->parsed()) {
    const QuoteOutput out = session.Quote(input);
    for (const auto& m : out.notices) std::cerr << Cp(m) << '\n';
    for (const auto& m : out.messages) std::cerr << Cp(m) << '\n';
    if (!out.ok()) return 1;
    const auto page = tarvex::quote::BuildQuotePage(session.window().Snapshot());
    // Fonts and the PDF writer need the desktop toolkit, not a display.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
      qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication toolkit(qtArgc, argv);
    std::string error;
    if (!tarvex::print::WritePdf(page, pdf, &error)) {
      std::cerr << error << '\n';
      return 4;
    }
    return 0;
  }
  const QuoteOutput out = session.Quote(input);
  PrintResult(out.fields, out.notices, out.messages, json);
  return out.ok() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  // What no part of the program expects (no memory, a file system fault) ends it with a word
  // on standard error rather than an abort.
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "tarvex-cli: " << e.what() << '\n';
    return 3;
  }
}
