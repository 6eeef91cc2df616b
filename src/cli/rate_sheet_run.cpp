#include "cli/rate_sheet_run.h"

#include <fstream>
#include <sstream>

#include "app/frm_msg.h"
#include "base/number_format.h"
#include "base/text.h"
#include "engine/tariffs.h"
#include "ratesheet/request.h"

namespace tarvex::cli {

namespace {

constexpr int kMaxPairs = ratesheet::kSidelinePairs;

bool Digits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// The forms a headline or a sideline code may take: 3 or 5 digits; a Canadian prefix or
// five-character code; 3 or 5 digits followed by "M".
bool ZipForm(const std::string& code) {
  if ((code.size() == 3 || code.size() == 5) && Digits(code)) return true;
  if (code.size() == 3 || code.size() == 5) {
    for (std::size_t i = 0; i < code.size(); ++i)
      if (i % 2 == 0 ? !(code[i] >= 'A' && code[i] <= 'Z') : !(code[i] >= '0' && code[i] <= '9'))
        return false;
    return true;
  }
  return (code.size() == 4 || code.size() == 6) && code.back() == 'M' &&
         Digits(code.substr(0, code.size() - 1)) && base::Val(code) > 0;
}

// Numeric codes are American, four characters Mexican, the rest Canadian.
int CountryOf(const std::string& code) {
  if (Digits(code)) return 1;
  return code.size() == 4 ? 3 : 2;
}

std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, at);) parts.push_back(base::Trim(part));
  return parts;
}

// The ZIP prefix ranges zipcodes.fil gives a state: up to three "low-high" pairs.
std::vector<std::pair<std::string, std::string>> StateRanges(const base::ProgramDir& dir,
                                                             const std::string& state) {
  std::ifstream in(dir.resolve("zipcodes.fil"));
  std::vector<std::pair<std::string, std::string>> ranges;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() < 2 || line.substr(0, 2) != state) continue;
    for (std::size_t at : {3U, 11U, 19U}) {
      const std::string low = line.size() > at ? base::Trim(line.substr(at, 3)) : "";
      const std::string high = line.size() > at + 4 ? base::Trim(line.substr(at + 4, 3)) : "";
      if (!low.empty() && !high.empty()) ranges.emplace_back(low, high);
    }
    break;
  }
  return ranges;
}

}  // namespace

RateSheetResult RunRateSheet(
    QuoteSession& session, const RateSheetInput& input,
    const std::function<bool(const forms::PrintDocument&, std::string&)>& printPdf) {
  app::Program& program = session.program();
  auto fail = [](int status, std::string message) {
    return RateSheetResult{status, {std::move(message)}};
  };
  if (!session.startupMessages().empty()) return {3, session.startupMessages()};
  if (input.exportFile.empty() && input.csvFile.empty() && input.pdfFile.empty() &&
      input.imageFile.empty())
    return fail(2, "A rate sheet needs at least one of --export, --csv, --pdf and --image.");

  // The headline, as the request window checks and widens it.
  std::string headline = base::ToUpper(base::Trim(input.headline));
  if ((headline.size() < 5 && !pricing::On(program.settings.ThreeDigitCodes)) || !ZipForm(headline))
    return fail(1, "Invalid ZIP/Postal Code");
  if (headline.size() == 6 && headline.back() == 'M' && program.Mexico571Mode)
    return fail(1, "Rate Sheet not available from/to Mexico.");
  const std::string typed = headline;
  if (headline.size() == 3) headline += Digits(headline) ? "01" : "0A";

  ratesheet::RateSheetRequest& request = program.rateSheetRequest;
  request = ratesheet::RateSheetRequest{};
  request.HeadlineCode = headline;
  request.Outbound = !input.inbound;
  if (input.ranges.empty()) return fail(2, "A rate sheet needs at least one --range.");
  std::size_t pair = 0;
  for (const std::string& given : input.ranges) {
    const std::string range = base::ToUpper(base::Trim(given));
    std::vector<std::pair<std::string, std::string>> pairs;
    if (range == "US") {
      pairs.emplace_back("010", "994");
    } else if (range.size() == 2 && range.find('-') == std::string::npos) {
      pairs = StateRanges(program.dir, range);
      if (pairs.empty())
        return fail(2, "zipcodes.fil in " + program.dir.path().string() +
                           " gives no ZIP ranges for the state " + range + ".");
    } else {
      const auto dash = range.find('-');
      pairs.emplace_back(range.substr(0, dash),
                         dash == std::string::npos ? range : range.substr(dash + 1));
    }
    for (const auto& [low, high] : pairs) {
      if (!ZipForm(low) || !ZipForm(high)) return fail(1, "Invalid ZIP/Postal Code");
      if (CountryOf(low) != CountryOf(high))
        return fail(1, "High ZIP/Postal Code must be in same country as low ZIP/Postal Code");
      if (high < low) return fail(1, "Low must be less than high");
      if ((low.size() == 4 || high.size() == 4) && program.Mexico571Mode)
        return fail(1, "Rate Sheet not available from/to Mexico.");
      if (pair >= static_cast<std::size_t>(kMaxPairs))
        return fail(2, "A rate sheet takes at most sixteen pairs of sideline codes.");
      request.SidelineLow.at(pair) = low;
      request.SidelineHigh.at(pair) = high;
      ++pair;
    }
  }

  // The tariff's classes and weight breaks, as the request window loads them.
  engine::EngineRecord& record = program.engineRecord;
  record.setText(engine::H7, "");
  record.setText(engine::H9, "");
  engine::TariffRequest tariffRequest;
  tariffRequest.silent = true;
  engine::SelectTariff(program.dir, record, tariffRequest);
  engine::TableRecord tables;
  tables.setText(engine::K5, record.trimmed(engine::H4));
  tables.setText(engine::K6, program.settings.EngineCode);
  program.engine.GetTables(tables);
  const int classCount = std::min<int>(tables.value(engine::K3), ratesheet::kClassColumns);
  const int breakCount = std::min<int>(tables.value(engine::K4), ratesheet::kWeightRows);
  if (classCount == 0 || breakCount == 0)
    return fail(1, "The tariff " + record.trimmed(engine::H4) + " gives no classes or weights.");
  std::vector<std::int32_t> breaks;
  breaks.reserve(static_cast<std::size_t>(breakCount));
  for (int i = 0; i < breakCount; ++i) breaks.push_back(tables.value(engine::K2, i));
  for (int i = 0; i < classCount; ++i) {
    std::string code =
        base::PadLeft(base::NumberToText(base::Val(tables.trimmed(engine::K1, i))), 3);
    request.RateSheetClassCodes.at(static_cast<std::size_t>(i)) = code.substr(0, 3);
  }
  const auto captions = ratesheet::WeightBreakCaptions(breaks);
  const int hidden = ratesheet::FirstHiddenWeightColumn(program.settings.MaxTotalWeight);
  const int shown = hidden == 0 ? breakCount : std::min(breakCount, hidden - 1);

  const std::string classes = base::ToLower(base::Trim(input.classes));
  for (const std::string& wanted :
       classes == "all" ? std::vector<std::string>{} : Split(classes, ',')) {
    int found = -1;
    for (int i = 0; i < classCount; ++i)
      if (base::ParseNumber(wanted) &&
          base::Val(tables.trimmed(engine::K1, i)) == base::Val(wanted))
        found = i;
    if (found < 0) return fail(2, "The tariff has no class " + wanted + ".");
    request.ClassSelected.at(static_cast<std::size_t>(found)) = true;
  }
  if (classes == "all")
    for (int i = 0; i < classCount; ++i)
      request.ClassSelected.at(static_cast<std::size_t>(i)) = true;
  const std::string weights = base::ToLower(base::Trim(input.weights));
  if (weights == "all" || weights == "ltl") {
    for (int i = 0; i < shown && (weights == "all" || i <= 5); ++i)
      request.WeightSelected.at(static_cast<std::size_t>(i)) = true;
  } else {
    for (const std::string& wanted : Split(weights, ',')) {
      int found = -1;
      for (int i = 0; i < shown; ++i)
        if (base::EqualsNoCase(captions.at(static_cast<std::size_t>(i)), wanted)) found = i;
      if (found < 0) return fail(2, "The sheet has no weight break " + wanted + ".");
      request.WeightSelected.at(static_cast<std::size_t>(found)) = true;
    }
  }

  // The settings' rate-sheet state, with the discounts of the rate sheet discount window.
  pricing::SettingsRecord& settings = program.settings;
  settings.EngineDiscountMode = 3;
  settings.EngineDiscountSuppressed = 0;
  for (int i = 1; i <= 4; ++i) settings.RateSheetDiscounts.at(static_cast<std::size_t>(i)) = 0;
  if (!input.discount.empty()) {
    const std::vector<std::string> parts = Split(input.discount, ',');
    if (parts.size() < 2 || parts.size() > 3)
      return fail(2, "--discount is LTL,TL or LTL,TL,FLOOR, for example 65,70,95.");
    for (std::size_t i = 0; i < parts.size(); ++i) {
      const auto value = base::ParseNumber(parts[i]);
      if (!value || *value < 0 || (i < 2 && *value > 100) || *value > 99999)
        return fail(2, "--discount takes percentages from 0 to 100 and a floor in dollars, not \"" +
                           parts[i] + "\".");
      settings.RateSheetDiscounts.at(i + 2) = *value;
    }
  }
  std::array<std::string, 5> headers;
  for (int i = 1; i <= 4; ++i)
    headers.at(static_cast<std::size_t>(i)) =
        base::Trim(settings.RateSheetHeaders.at(static_cast<std::size_t>(i)));
  for (const std::string& h : input.headers) {
    const auto eq = h.find('=');
    const int n = eq == 1 ? h[0] - '0' : 0;
    if (n < 1 || n > 4 || h.size() - 2 > 65)
      return fail(2, "--header is N=TEXT, N from 1 to 4 and at most 65 characters of text.");
    headers.at(static_cast<std::size_t>(n)) = base::Trim(h.substr(2));
  }

  // The production window, as a user ticks its outputs and presses OK.
  CliDesktop& desktop = session.desktop();
  std::vector<std::string> printFaults;
  desktop.printer = [&](const forms::PrintDocument& document) {
    std::string why;
    if (printPdf(document, why)) return forms::PrintResult::Printed;
    printFaults.push_back(why);
    return forms::PrintResult::Failed;
  };
  app::frmMsg window(program);
  window.setHeaderTexts(headers);
  window.setHeadlineText(typed);
  window.setWeightCaptions(captions);
  std::string refused;
  desktop.modalActions["frmMsg"] = [&](forms::Form&) {
    forms::Driver& driver = session.driver();
    if (!input.pdfFile.empty()) driver.Click(window.Check1);
    if ((!input.exportFile.empty() || !input.csvFile.empty()) && !window.Check3.visible()) {
      refused = "This carrier's settings offer no export file (RateSheetExportOn is off).";
      driver.Click(window.cmdCancelPrint);
      return;
    }
    if (!input.exportFile.empty()) {
      driver.Click(window.Check3);
      window.lblEFFFile.setCaption(input.exportFile);
    }
    if (!input.csvFile.empty()) {
      driver.Click(window.chkCSV);
      driver.Replace(window.txtCSVFile, input.csvFile);
    }
    if (!input.imageFile.empty()) {
      driver.Click(window.Check2);
      driver.Replace(window.txtPIFile, input.imageFile);
    }
    driver.Click(window.cmdDoRate);
  };
  desktop.TakeMessages();
  window.ShowModal();
  desktop.modalActions.erase("frmMsg");
  desktop.printer = nullptr;

  RateSheetResult result;
  if (!refused.empty()) return fail(1, refused);
  for (std::string& m : desktop.TakeMessages()) {
    if (m == "Processing Complete") continue;
    const bool unwritten =
        m.rfind("The file ", 0) == 0 || m == "The rate sheet could not be printed.";
    result.status = std::max(result.status, unwritten ? 4 : 1);
    result.messages.push_back(std::move(m));
  }
  for (std::string& f : printFaults) result.messages.push_back(std::move(f));
  return result;
}

}  // namespace tarvex::cli
