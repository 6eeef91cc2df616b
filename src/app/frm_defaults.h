// The defaults window: the user's quote defaults, fuel surcharges, adjustment and exchange
// factors and prompt switches of the settings record, saved to variable.dat.
#pragma once

#include <string>

#include "forms/control.h"
#include "forms/form.h"

namespace tarvex::app {

struct Program;

inline constexpr const char* kRateAdjustmentMessage = "Rate adjustment factor must be > 0";

class frmDefaults : public forms::Form {
 public:
  explicit frmDefaults(Program& program);

  void Form_Load() override;
  // Ctrl+A shows or hides the hidden adjustment factor; Enter moves on.
  void Form_KeyPress(int& keyAscii) override;

  // True once the last opening ended with the settings saved.
  bool saved() const { return saved_; }

  forms::Label lblOrigin{*this, "lblOrigin"};
  forms::TextBox txtOrigin{*this, "txtOrigin"};
  forms::Label lblDestination{*this, "lblDestination"};
  forms::TextBox txtDestination{*this, "txtDestination"};
  forms::Label lblClass{*this, "lblClass"};
  forms::ComboBox cboClass{*this, "cboClass"};
  forms::Label lblWeight{*this, "lblWeight"};
  forms::TextBox txtWeight{*this, "txtWeight"};
  forms::Label lblFuelSurcharge{*this, "lblFuelSurcharge"};
  forms::TextBox txtFuelSurchargeLTL{*this, "txtFuelSurchargeLTL"};
  forms::Label lblFuelSurchargeLTLMX{*this, "lblFuelSurchargeLTLMX"};
  forms::TextBox txtFuelSurchargeLTLMX{*this, "txtFuelSurchargeLTLMX"};
  forms::Label lblFuelSurchargeTL{*this, "lblFuelSurchargeTL"};
  forms::TextBox txtFuelSurchargeTL{*this, "txtFuelSurchargeTL"};
  forms::Label lblRateAdjustmentFactor{*this, "lblRateAdjustmentFactor"};
  forms::TextBox txtRateAdjustmentFactor{*this, "txtRateAdjustmentFactor"};
  forms::Label lblHiddenRateAdjustmentFactor{*this, "lblHiddenRateAdjustmentFactor"};
  forms::TextBox txtHiddenRateAdjustmentFactor{*this, "txtHiddenRateAdjustmentFactor"};
  forms::Label lblCanadianExchangeFactor{*this, "lblCanadianExchangeFactor"};
  forms::TextBox txtCanadianExchangeFactor{*this, "txtCanadianExchangeFactor"};
  forms::Frame fraPromptFor{*this, "fraPromptFor"};
  forms::CheckBox chkAccessorialCharges{*this, "chkAccessorialCharges"};
  forms::CheckBox chkPricePerUnit{*this, "chkPricePerUnit"};
  forms::CommandButton cmdSave{*this, "cmdSave"};
  forms::CommandButton cmdIgnore{*this, "cmdIgnore"};
  forms::Label lblStatusBar{*this, "lblStatusBar"};

 private:
  void Design();
  void WireEvents();
  void CodeBox_Validate(forms::TextBox& box, bool& cancel);
  void cboClass_Validate(bool& cancel);
  void cmdSave_Click();
  // The value of a number box as the settings store it: empty is 0.
  double BoxValue(const forms::TextBox& box) const;

  Program& program_;
  bool saved_ = false;
};

}  // namespace tarvex::app
