// The chooser of intrastate tariffs for rate sheets: one check box per tariff that asks.
#pragma once

#include "base/program_dir.h"
#include "engine/tariffs.h"
#include "forms/control.h"
#include "forms/form.h"

namespace tarvex::engine {

class frmIntrastateTariffs : public forms::Form {
 public:
  frmIntrastateTariffs(forms::Runtime& runtime, const base::ProgramDir& dir, ChosenStates& chosen);

  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyPress(int& keyAscii) override;

  // Check boxes 1 … 20; box 0 is never used.
  forms::ControlArray<forms::CheckBox> chkIntrastateTariff{*this, "chkIntrastateTariff", 21};
  forms::CommandButton cmdOK{*this, "cmdOK"};

  int used() const { return used_; }

 private:
  void cmdOK_Click();

  const base::ProgramDir& dir_;
  ChosenStates& chosen_;
  int used_ = 0;
};

}  // namespace tarvex::engine
