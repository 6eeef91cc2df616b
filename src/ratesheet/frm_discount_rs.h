// The rate sheet discounts: the LTL and truckload discounts and the minimum-charge floor a
// rate sheet is rated with, kept in the settings record in memory only.
#pragma once

#include "forms/control.h"
#include "forms/form.h"
#include "pricing/settings.h"

namespace tarvex::ratesheet {

class frmDiscountRS : public forms::Form {
 public:
  frmDiscountRS(forms::Runtime& runtime, pricing::SettingsRecord& settings, char decimalSeparator);

  void Form_Load() override;

  forms::Label lblLTL{*this, "lblLTL"};
  forms::Label lblTL{*this, "lblTL"};
  forms::Label lblFloor{*this, "lblFloor"};
  // Boxes 1 (LTL discount), 2 (truckload discount) and 3 (minimum-charge floor).
  forms::ControlArray<forms::TextBox> txtDiscount{*this, "txtDiscount", 4};
  forms::Label lblFloorLabel{*this, "lblFloorLabel"};
  forms::CommandButton cmdSave{*this, "cmdSave"};
  forms::CommandButton cmdIgnore{*this, "cmdIgnore"};

 private:
  void txtDiscount_KeyPress(int index, int& keyAscii);
  void txtDiscount_Change(int index);
  void txtDiscount_Validate(int index, bool& cancel);
  void cmdSave_Click();
  double Value(int index) const;

  pricing::SettingsRecord& settings_;
  char decimalSeparator_;
};

}  // namespace tarvex::ratesheet
