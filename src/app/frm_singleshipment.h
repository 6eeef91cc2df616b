// The single-shipment question of the lane check: Y or N answers and closes it at once.
#pragma once

#include "forms/control.h"
#include "forms/form.h"

namespace tarvex::app {

class frmSingleshipment : public forms::Form {
 public:
  explicit frmSingleshipment(forms::Runtime& runtime);

  void Form_Load() override;
  void Form_KeyPress(int& keyAscii) override;

  // The answer once the window has closed: "Y" when Yes was selected.
  bool yes() const { return optSSYes.value() != 0; }

  forms::Label lblQuestion{*this, "lblQuestion"};
  forms::OptionButton optSSYes{*this, "optSSYes"};
  forms::OptionButton optSSNo{*this, "optSSNo"};
  forms::CommandButton cmdOK{*this, "cmdOK"};
};

}  // namespace tarvex::app
