// The accessorial charges window: the carrier's charges to tick for the quote. It is hidden,
// not unloaded, when it closes, so the ticks stay in force for the following quotes.
#pragma once

#include <string>
#include <vector>

#include "base/program_dir.h"
#include "forms/control.h"
#include "forms/form.h"
#include "pricing/accessorials.h"

namespace tarvex::pricing {

inline constexpr int kAccessorialRows = 15;
// The carrier's web host, one line beside the message texts.
inline constexpr const char* kWebHostFileName = "webhost.dat";

class frmAccessorialCharges : public forms::Form {
 public:
  frmAccessorialCharges(forms::Runtime& runtime, const base::ProgramDir& dir, std::string iconPath);

  void Form_Load() override;
  void Form_KeyPress(int& keyAscii) override;

  // The ticked rows with their record numbers and typed values.
  std::vector<TickedAccessorial> Ticked() const;

  // Rows 1 … 15; element 0 is never used.
  forms::ControlArray<forms::CheckBox> chkAccessorialCharge{*this, "chkAccessorialCharge", 16};
  forms::ControlArray<forms::Label> lblAccessorialCharge{*this, "lblAccessorialCharge", 16};
  forms::ControlArray<forms::Label> lblAccessorialType{*this, "lblAccessorialType", 16};
  forms::ControlArray<forms::Label> lblAccessorialChargeMin{*this, "lblAccessorialChargeMin", 16};
  forms::ControlArray<forms::Label> lblAccessorialChargeMax{*this, "lblAccessorialChargeMax", 16};
  forms::ControlArray<forms::TextBox> txtUserInput{*this, "txtUserInput", 16};
  forms::ControlArray<forms::Label> lblAccessorialLabel{*this, "lblAccessorialLabel", 16};
  forms::CommandButton cmdOK{*this, "cmdOK"};
  forms::CommandButton cmdClose{*this, "cmdClose"};
  forms::CommandButton cmdClear{*this, "cmdClear"};
  forms::CommandButton cmdViewKRVLRulesTariff{*this, "cmdViewKRVLRulesTariff"};
  forms::Label lblChargeHeading{*this, "lblChargeHeading"};
  forms::Label lblRateHeading{*this, "lblRateHeading"};
  forms::Label lblUnitHeading{*this, "lblUnitHeading"};
  forms::Label lblMinHeading{*this, "lblMinHeading"};
  forms::Label lblMaxHeading{*this, "lblMaxHeading"};

 private:
  void cmdOK_Click();
  void cmdClear_Click();
  void cmdViewKRVLRulesTariff_Click();

  const base::ProgramDir& dir_;
  std::string iconPath_;
};

}  // namespace tarvex::pricing
