#include "app/frm_msg.h"

#include <tuple>

#include "base/files.h"
#include "base/text.h"
#include "forms/common_dialog.h"
#include "forms/layout.h"
#include "forms/runtime.h"
#include "pricing/input_fields.h"
#include "ratesheet/engine_source.h"
#include "ratesheet/production.h"

namespace tarvex::app {

namespace {

constexpr const char* kExportFileName = "RATES.PRN";
constexpr const char* kImageFileName = "RATES.PRT";
constexpr const char* kCsvFileName = "RATES.CSV";

}  // namespace

frmMsg::frmMsg(Program& program) : Form(program.runtime, "frmMsg"), program_(program) {
  setWidth(7200);
  setKeyPreview(true);
  using namespace forms::layout;
  constexpr int kFrameWidth = 6840;
  constexpr int kPitch = 420;
  Frame1.setCaption("Output to:");
  Contain(Frame1, {&Check1, &Check3, &Label1, &lblEFFFile, &Command1, &chkCSV, &txtCSVFile, &Check2,
                   &txtPIFile});
  Check1.setCaption("Printer");
  Check3.setCaption("Export Format Ascii File");
  Label1.setCaption("Full Path");
  lblEFFFile.setBorderStyle(forms::kBorderFixedSingle);
  Command1.setCaption("Output File ...");
  chkCSV.setCaption("CSV File");
  Check2.setCaption("Print Image Ascii File");
  // The file names stand in one column beside their choices.
  constexpr int kChoice = 2760;
  constexpr int kPath = kFrameWidth - 3 * kGap - kChoice;
  Row(kGap, 300, {{&Check1, kChoice}});
  Row(kGap, 300 + kPitch, {{&Check3, kChoice}, {&Command1, 1560, kBoxHeight}});
  Row(kGap, 300 + 2 * kPitch, {{&Label1, kChoice}, {&lblEFFFile, kPath, kBoxHeight}});
  Row(kGap, 300 + 3 * kPitch, {{&chkCSV, kChoice}, {&txtCSVFile, kPath}});
  Row(kGap, 300 + 4 * kPitch, {{&Check2, kChoice}, {&txtPIFile, kPath}});
  Frame1.move(kGap, kGap, kFrameWidth, 300 + 5 * kPitch);
  const int below = Frame1.top() + Frame1.height() + kGap;
  Row(kGap, below, {{&lblProgress, 2880}, {&prgProgress, kFrameWidth - 2880 - kGap, kLabelHeight}});
  cmdDoRate.setCaption("OK");
  cmdCancelPrint.setCaption("Cancel");
  cmdCancelPrint.setCausesValidation(false);
  Buttons(kGap + kFrameWidth - 2 * kButtonWidth - kGap, below + kLabelHeight + kGap,
          {&cmdDoRate, &cmdCancelPrint});
  setHeight(cmdDoRate.top() + kButtonHeight + 600);

  Check3.onClick = [this] { Check3_Click(); };
  Check2.onClick = [this] { Check2_Click(); };
  chkCSV.onClick = [this] { chkCSV_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  cmdDoRate.onClick = [this] { cmdDoRate_Click(); };
  cmdCancelPrint.onClick = [this] { cmdCancelPrint_Click(); };
}

void frmMsg::Form_Load() {
  Centre();
  setIcon(program_.IconPath());
  setCaption(base::Trim(program_.settings.CarrierName) + " - " +
             base::Trim(program_.settings.VersionText));
  cancelRequest_ = "Y";
  // Every run starts from a freshly loaded window: nothing ticked, no file named.
  for (forms::CheckBox* box : {&Check1, &Check3, &chkCSV, &Check2}) box->setValue(0);
  lblEFFFile.setCaption("");
  txtCSVFile.setText("");
  txtPIFile.setText("");
  texts_.carrierName = program_.settings.CarrierName;
  texts_.effectiveDate = program_.settings.EffectiveDate;
  const bool exportOn = pricing::On(program_.settings.RateSheetExportOn);
  for (forms::Control* c :
       {static_cast<forms::Control*>(&Check3), static_cast<forms::Control*>(&Label1),
        static_cast<forms::Control*>(&lblEFFFile), static_cast<forms::Control*>(&Command1),
        static_cast<forms::Control*>(&chkCSV), static_cast<forms::Control*>(&txtCSVFile)})
    c->setVisible(exportOn);
  lblProgress.setCaption("");
  prgProgress.setVisible(false);
  cmdDoRate.setEnabled(true);
}

void frmMsg::Form_Unload(bool& cancel) {
  // Closing the window while a sheet runs stops the sheet first.
  if (cancelRequest_ == "N") {
    cancelRequest_ = "Y";
    cancel = true;
  }
}

void frmMsg::Form_KeyPress(int& keyAscii) {
  keyAscii = pricing::EnterAsTab(runtime(), keyAscii);
}

void frmMsg::Check3_Click() {
  lblEFFFile.setCaption(Check3.value() != 0 ? (program_.dir.path() / kExportFileName).string()
                                            : "");
}

void frmMsg::Check2_Click() {
  if (Check2.value() == 0) return;
  txtPIFile.setText((program_.dir.path() / kImageFileName).string());
  txtPIFile.SetFocus();
}

void frmMsg::chkCSV_Click() {
  if (chkCSV.value() == 0) return;
  txtCSVFile.setText((program_.dir.path() / kCsvFileName).string());
}

void frmMsg::Command1_Click() {
  forms::CommonDialog dialog(runtime().desktop());
  dialog.setInitDirectory(program_.dir.path().string());
  dialog.setFilter("*.prn;*.txt;*.csv");
  dialog.setDialogTitle("Output File");
  // The export file is written, so the chooser takes a new name as well as an existing one.
  if (dialog.ShowSave() != forms::CommonDialog::Result::Chosen) return;
  if (!base::Trim(dialog.fileName()).empty()) lblEFFFile.setCaption(dialog.fileName());
}

void frmMsg::cmdCancelPrint_Click() {
  if (cancelRequest_ == "Y") {
    Unload();
    return;
  }
  cancelRequest_ = "Y";
}

void frmMsg::EndRun() {
  runtime().desktop().SetWaitCursor(false);
  cmdDoRate.setEnabled(true);
  lblProgress.setCaption("");
  prgProgress.setVisible(false);
}

void frmMsg::cmdDoRate_Click() {
  cancelRequest_ = "N";
  ratesheet::SheetOutputs outputs;
  outputs.printer = Check1.value() != 0;
  outputs.exportFile = Check3.visible() && Check3.value() != 0;
  outputs.csv = chkCSV.visible() && chkCSV.value() != 0;
  outputs.image = Check2.value() != 0;
  if (!outputs.any()) {
    cancelRequest_ = "Y";
    runtime().MsgBox("Choose an Output Option");
    return;
  }
  const std::string exportFile = base::Trim(lblEFFFile.caption());
  const std::string csvFile = base::Trim(txtCSVFile.text());
  const std::string imageFile = base::Trim(txtPIFile.text());
  for (const auto& [chosen, file, box] :
       {std::tuple{outputs.exportFile, exportFile, &Check3},
        std::tuple{outputs.csv, csvFile, &chkCSV}, std::tuple{outputs.image, imageFile, &Check2}}) {
    if (chosen && file.empty()) {
      cancelRequest_ = "Y";
      runtime().MsgBox("Name the file for \"" + box->caption() + "\".");
      return;
    }
  }

  runtime().desktop().SetWaitCursor(true);
  cmdDoRate.setEnabled(false);
  prgProgress.setVisible(true);
  ratesheet::EngineSheetSource source(program_.dir, program_.engineRecord, program_.engine,
                                      program_.settings, chosen_);
  ratesheet::Production production(program_.rateSheetRequest, texts_, outputs, source);
  production.beforeCode = [this](const ratesheet::Progress& p) {
    lblProgress.setCaption("Rating " + p.code + ": " + std::to_string(p.done + 1) + " of " +
                           std::to_string(p.total));
    prgProgress.setRange(0, p.total);
    prgProgress.setValue(p.done);
    runtime().desktop().DoEvents();
    return cancelRequest_ != "Y";
  };
  const ratesheet::Production::Outcome outcome = production.Run();
  using Outcome = ratesheet::Production::Outcome;
  if (outcome != Outcome::Complete) {
    // Nothing of a stopped sheet is written: every file keeps what it held before the run.
    EndRun();
    if (outcome == Outcome::HeadlineRefused)
      runtime().MsgBox("Invalid Headline ZIP/Postal Code");
    else if (outcome == Outcome::Failed)
      runtime().MsgBox(production.error());
    cancelRequest_ = "Y";
    Unload();
    return;
  }

  bool written = true;
  auto write = [&](bool chosen, const std::string& file, const std::string& text) {
    if (!chosen) return;
    std::string why;
    if (base::WriteFileAtomic(file, text, &why)) return;
    written = false;
    runtime().MsgBox("The file " + file + " could not be written" +
                     (why.empty() ? "." : ": " + why));
  };
  write(outputs.exportFile, exportFile, production.exportText());
  write(outputs.csv, csvFile, production.csvText());
  write(outputs.image, imageFile, production.sheet().Image());
  // A sheet every code of which was refused has no page to print.
  if (outputs.printer && !production.sheet().pages().empty() &&
      runtime().desktop().Print(production.sheet().Document(caption() + " - Rate Sheet")) ==
          forms::PrintResult::Failed) {
    written = false;
    runtime().MsgBox("The rate sheet could not be printed.");
  }
  EndRun();
  cancelRequest_ = "Y";
  if (written) runtime().MsgBox("Processing Complete");
  Unload();
}

}  // namespace tarvex::app
