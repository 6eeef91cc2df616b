// The rate sheet request window: the headline code, the direction, up to sixteen ranges of
// sideline codes, the classes and the weight breaks of the sheet, each checked as the user
// leaves it, handed to the production as the program's rate sheet request.
#pragma once

#include <array>
#include <string>

#include "forms/control.h"
#include "forms/form.h"
#include "pricing/settings.h"
#include "ratesheet/frm_rs_options.h"
#include "ratesheet/request.h"

namespace tarvex::app {

struct Program;

class frmRateSheet : public forms::Form {
 public:
  explicit frmRateSheet(Program& program);

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload(bool& cancel) override;

  // The options window, loaded hidden with this one: the production prints the header lines
  // its boxes hold (HeaderTexts).
  ratesheet::frmRSOptions& RSOptions() { return rsOptions_; }

  void ClearClasses();
  void ClearWeights();
  void ClearSidelineZips();
  void SelectLtlWeights();
  // Copies the screen into the program's rate sheet request.
  void SaveRequest();
  // Opens the production window on the saved request, with the options' header texts.
  void ShowProduction();

  forms::Menu mnuExit{*this, "mnuExit"};
  forms::Menu mnuRateSheetOptions{*this, "mnuRateSheetOptions"};

  forms::Label Label1{*this, "Label1"};
  forms::TextBox txtHZ{*this, "txtHZ"};
  forms::OptionButton optOutBound{*this, "optOutBound"};
  forms::OptionButton optInBound{*this, "optInBound"};

  forms::Frame Frame1{*this, "Frame1"};
  forms::Label Label2{*this, "Label2"};
  forms::Label Label3{*this, "Label3"};
  forms::ControlArray<forms::TextBox> txtszl{*this, "txtszl", ratesheet::kSidelinePairs};
  forms::ControlArray<forms::TextBox> txtszh{*this, "txtszh", ratesheet::kSidelinePairs};
  forms::CommandButton cmdClearSideZips{*this, "cmdClearSideZips"};

  forms::Frame Frame2{*this, "Frame2"};
  forms::ControlArray<forms::CheckBox> chkWS{*this, "chkWS", ratesheet::kWeightRows};
  forms::CommandButton cmdWSSelLTL{*this, "cmdWSSelLTL"};
  forms::CommandButton cmdWSSelAll{*this, "cmdWSSelAll"};
  forms::CommandButton cmdWSClearAll{*this, "cmdWSClearAll"};

  forms::Frame Frame3{*this, "Frame3"};
  forms::ControlArray<forms::CheckBox> chkCS{*this, "chkCS", ratesheet::kClassColumns};
  forms::CommandButton cmdCSSelAll{*this, "cmdCSSelAll"};
  forms::CommandButton cmdCSClearAll{*this, "cmdCSClearAll"};

  forms::CommandButton cmdPrint{*this, "cmdPrint"};
  forms::CommandButton cmdDiscount{*this, "cmdDiscount"};
  forms::CommandButton cmdStartOver{*this, "cmdStartOver"};
  forms::CommandButton cmdClose{*this, "cmdClose"};

 private:
  void Design();
  void WireEvents();

  // True when leaving a field must not check it: the rating-state flag says so (and is
  // reset), the focus goes to a button that acts without the check, or it is going back to
  // a field whose entry was just refused.
  bool SkipLeaveCheck();
  // A refused entry: the message, and the focus back to the field at fault.
  void Refuse(const std::string& message, forms::TextBox& field, bool selectText = false);

  void txtHZ_KeyPress(int& keyAscii);
  void txtHZ_LostFocus();
  // Headline steps H1 to H5; false after a refusal.
  bool CheckHeadline();
  void Sideline_KeyPress(forms::TextBox& box, bool low, int& keyAscii);
  void txtszl_LostFocus(int index);
  void txtszh_LostFocus(int index);
  // A two-letter state or "US" typed as low code `index`: its ranges placed from that pair;
  // false when there is nothing to expand and the ordinary checks follow.
  bool ExpandState(int index);
  // The pairs as Print hands them on: every pair given whole, checked again.
  bool CheckPairs();

  void cmdCSSelAll_Click();
  void cmdWSSelAll_Click();
  void cmdStartOver_Click();
  void cmdDiscount_Click();
  void cmdPrint_Click();
  void mnuRateSheetOptions_Click();
  void mnuExit_Click();

  Program& program_;
  ratesheet::frmRSOptions rsOptions_;
  // The settings as the window found them, kept should variable.dat fail to read again.
  pricing::SettingsRecord settingsBefore_;
  // Closed by a high code of no sideline form; Print does nothing while it is closed.
  bool printGate_ = true;
  // The field a refusal sent the focus back to, until it has it.
  forms::Control* returning_ = nullptr;
  // The headline box's text when its code was last stored.
  std::string headlineChecked_;
  bool zipCodesFaultShown_ = false;
};

}  // namespace tarvex::app
