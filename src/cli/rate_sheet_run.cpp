#include "cli/rate_sheet_run.h"

#include <sstream>

#include "app/frm_msg.h"
#include "app/frm_rate_sheet.h"
#include "base/number_format.h"
#include "base/text.h"
#include "ratesheet/request.h"

namespace tarvex::cli {

namespace {

std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, at);) parts.push_back(base::Trim(part));
  return parts;
}

// The first sideline pair whose low box is still empty; -1 when all sixteen are taken.
int FreePair(const app::frmRateSheet& w) {
  for (int i = 0; i < ratesheet::kSidelinePairs; ++i)
    if (base::Trim(w.txtszl[i].text()).empty()) return i;
  return -1;
}

}  // namespace

RateSheetResult RunRateSheet(
    QuoteSession& session, const RateSheetInput& input,
    const std::function<bool(const forms::PrintDocument&, std::string&)>& printPdf) {
  CliDesktop& desktop = session.desktop();
  forms::Driver& driver = session.driver();
  if (!session.startupMessages().empty()) return {3, session.startupMessages()};
  if (input.exportFile.empty() && input.csvFile.empty() && input.pdfFile.empty() &&
      input.imageFile.empty())
    return {2, {"A rate sheet needs at least one of --export, --csv, --pdf and --image."}};
  if (input.ranges.empty()) return {2, {"A rate sheet needs at least one --range."}};
  if (!session.window().mnuFileRateSheet.visible())
    return {1, {"This carrier's settings offer no rate sheets (RateSheetOn is off)."}};

  RateSheetResult result;
  // What the windows said; a message while the request is typed means it was refused.
  auto refused = [&](int status = 1) {
    for (std::string& m : desktop.TakeMessages()) result.messages.push_back(std::move(m));
    if (!result.messages.empty()) result.status = std::max(result.status, status);
    return result.status != 0;
  };
  auto usage = [&](std::string message) {
    result.messages.push_back(std::move(message));
    result.status = 2;
  };

  std::vector<std::string> printFaults;
  desktop.printer = [&](const forms::PrintDocument& document) {
    std::string why;
    if (printPdf(document, why)) return forms::PrintResult::Printed;
    printFaults.push_back(why);
    return forms::PrintResult::Failed;
  };

  // The request window, typed into as a user types.
  auto request = [&](app::frmRateSheet& w) {
    driver.Type(w.txtHZ, input.headline);
    driver.PressEnter(w.txtHZ);
    if (refused()) return;
    if (input.inbound) driver.Click(w.optInBound);
    for (const std::string& given : input.ranges) {
      const int pair = FreePair(w);
      if (pair < 0) return usage("A rate sheet takes at most sixteen pairs of sideline codes.");
      const std::string range = base::ToUpper(base::Trim(given));
      const auto dash = range.find('-');
      if (dash == std::string::npos && range.size() == 2) {
        // A state or "US": the window puts its ranges in from this pair on.
        driver.Type(w.txtszl[pair], range);
        driver.Focus(w.txtszh[pair]);
      } else {
        driver.Type(w.txtszl[pair], range.substr(0, dash));
        driver.Focus(w.txtszh[pair]);
        if (refused()) return;
        driver.Type(w.txtszh[pair], dash == std::string::npos ? range : range.substr(dash + 1));
        driver.Focus(pair + 1 < ratesheet::kSidelinePairs
                         ? static_cast<forms::Control&>(w.txtszl[pair + 1])
                         : static_cast<forms::Control&>(w.cmdWSSelAll));
      }
      if (refused()) return;
    }

    const std::string classes = base::ToLower(base::Trim(input.classes));
    if (classes == "all") {
      driver.Click(w.cmdCSSelAll);
    } else {
      for (const std::string& wanted : Split(classes, ',')) {
        int found = -1;
        for (int i = 0; i < ratesheet::kClassColumns; ++i)
          if (w.chkCS[i].visible() && base::ParseNumber(wanted) &&
              base::Val(w.chkCS[i].caption()) == base::Val(wanted))
            found = i;
        if (found < 0) return usage("The tariff has no class " + wanted + ".");
        if (w.chkCS[found].value() == 0) driver.Click(w.chkCS[found]);
      }
    }
    const std::string weights = base::ToLower(base::Trim(input.weights));
    if (weights == "all") {
      driver.Click(w.cmdWSSelAll);
    } else if (weights == "ltl") {
      driver.Click(w.cmdWSSelLTL);
    } else {
      for (const std::string& wanted : Split(weights, ',')) {
        int found = -1;
        for (int i = 0; i < ratesheet::kWeightRows; ++i)
          if (w.chkWS[i].visible() && base::EqualsNoCase(base::Trim(w.chkWS[i].caption()), wanted))
            found = i;
        if (found < 0) return usage("The sheet has no weight break " + wanted + ".");
        if (w.chkWS[found].value() == 0) driver.Click(w.chkWS[found]);
      }
    }

    if (!input.discount.empty()) {
      const std::vector<std::string> parts = Split(input.discount, ',');
      if (parts.size() < 2 || parts.size() > 3)
        return usage("--discount is LTL,TL or LTL,TL,FLOOR, for example 65,70,95.");
      desktop.modalActions["frmDiscountRS"] = [&](forms::Form& form) {
        for (std::size_t i = 0; i < parts.size(); ++i) {
          forms::Control* box = form.Find("txtDiscount", static_cast<int>(i) + 1);
          if (box != nullptr && box->visible()) driver.Replace(*box, parts[i]);
        }
        if (forms::Control* save = form.Find("cmdSave")) driver.Click(*save);
      };
      driver.Click(w.cmdDiscount);
      if (refused()) return;
    }
    for (const std::string& h : input.headers) {
      const auto eq = h.find('=');
      const int n = eq == 1 ? h[0] - '0' : 0;
      if (n < 1 || n > 4 || h.size() - 2 > 65)
        return usage("--header is N=TEXT, N from 1 to 4 and at most 65 characters of text.");
      desktop.modalActions["frmRSOptions"] = [&](forms::Form&) {
        driver.Replace(w.RSOptions().txtHeader[n], h.substr(2));
        driver.Click(w.RSOptions().cmdOK);
      };
      driver.Click(w.mnuRateSheetOptions);
    }

    // Print opens the production window with what the request and options windows hold.
    desktop.modalActions["frmMsg"] = [&](forms::Form& form) {
      auto& production = dynamic_cast<app::frmMsg&>(form);
      if (!input.pdfFile.empty()) driver.Click(production.Check1);
      if ((!input.exportFile.empty() || !input.csvFile.empty()) && !production.Check3.visible()) {
        result.messages.emplace_back(
            "This carrier's settings offer no export file (RateSheetExportOn is off).");
        result.status = 1;
        driver.Click(production.cmdCancelPrint);
        return;
      }
      if (!input.exportFile.empty()) {
        driver.Click(production.Check3);
        production.lblEFFFile.setCaption(input.exportFile);
      }
      if (!input.csvFile.empty()) {
        driver.Click(production.chkCSV);
        driver.Replace(production.txtCSVFile, input.csvFile);
      }
      if (!input.imageFile.empty()) {
        driver.Click(production.Check2);
        driver.Replace(production.txtPIFile, input.imageFile);
      }
      driver.Click(production.cmdDoRate);
    };
    // What Print refuses and what the production reports come as messages alike.
    driver.Click(w.cmdPrint);
    for (std::string& m : desktop.TakeMessages()) {
      if (m == "Processing Complete") continue;
      const bool unwritten =
          m.rfind("The file ", 0) == 0 || m == "The rate sheet could not be printed.";
      result.status = std::max(result.status, unwritten ? 4 : 1);
      result.messages.push_back(std::move(m));
    }
  };

  desktop.TakeMessages();
  desktop.modalActions["frmRateSheet"] = [&](forms::Form& form) {
    auto& w = dynamic_cast<app::frmRateSheet&>(form);
    request(w);
    driver.Click(w.cmdClose);
  };
  driver.Click(session.mainWindow().mnuFileRateSheet);
  for (const char* name : {"frmRateSheet", "frmDiscountRS", "frmRSOptions", "frmMsg"})
    desktop.modalActions.erase(name);
  desktop.printer = nullptr;
  refused();
  for (std::string& f : printFaults) result.messages.push_back(std::move(f));
  return result;
}

}  // namespace tarvex::cli
