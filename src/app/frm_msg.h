// The rate sheet production window: the output choices, OK to run the sheet over every
// sideline code, Cancel to stop it between two codes, and a count of the codes done.
#pragma once

#include <array>
#include <string>

#include "app/program.h"
#include "engine/tariffs.h"
#include "forms/control.h"
#include "forms/form.h"
#include "ratesheet/output.h"

namespace tarvex::app {

class frmMsg : public forms::Form {
 public:
  explicit frmMsg(Program& program);

  // What the request window and the options window give the sheet: the four header texts
  // (1 … 4), the headline box as typed, the weight captions, and the intrastate tariffs chosen.
  void setHeaderTexts(const std::array<std::string, 5>& headers) { texts_.headers = headers; }
  void setHeadlineText(std::string text) { texts_.headline = std::move(text); }
  void setWeightCaptions(const std::array<std::string, ratesheet::kWeightRows>& captions) {
    texts_.weightCaptions = captions;
  }
  void setChosenStates(const engine::ChosenStates* chosen) { chosen_ = chosen; }

  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void Form_KeyPress(int& keyAscii) override;

  // "Y" while no sheet runs or once Cancel asked a running one to stop.
  const std::string& cancelRequest() const { return cancelRequest_; }

  forms::Frame Frame1{*this, "Frame1"};
  forms::CheckBox Check1{*this, "Check1"};
  forms::CheckBox Check3{*this, "Check3"};
  forms::Label Label1{*this, "Label1"};
  forms::Label lblEFFFile{*this, "lblEFFFile"};
  forms::CommandButton Command1{*this, "Command1"};
  forms::CheckBox chkCSV{*this, "chkCSV"};
  forms::TextBox txtCSVFile{*this, "txtCSVFile"};
  forms::CheckBox Check2{*this, "Check2"};
  forms::TextBox txtPIFile{*this, "txtPIFile"};
  forms::Label lblProgress{*this, "lblProgress"};
  forms::ProgressBar prgProgress{*this, "prgProgress"};
  forms::CommandButton cmdDoRate{*this, "cmdDoRate"};
  forms::CommandButton cmdCancelPrint{*this, "cmdCancelPrint"};

 private:
  void Check3_Click();
  void Check2_Click();
  void chkCSV_Click();
  void Command1_Click();
  void cmdDoRate_Click();
  void cmdCancelPrint_Click();
  // The hourglass off and OK usable again.
  void EndRun();

  Program& program_;
  ratesheet::SheetTexts texts_;
  const engine::ChosenStates* chosen_ = nullptr;
  std::string cancelRequest_ = "Y";
};

}  // namespace tarvex::app
