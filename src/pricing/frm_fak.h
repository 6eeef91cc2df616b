// The FAK window: the substitute class of each freight class, saved to FAK.dat.
#pragma once

#include <string>

#include "base/program_dir.h"
#include "forms/control.h"
#include "forms/form.h"
#include "pricing/fak.h"

namespace tarvex::pricing {

class frmFAK : public forms::Form {
 public:
  frmFAK(forms::Runtime& runtime, const base::ProgramDir& dir, const ClassTable& classes,
         FakState& fak, bool mexico571Mode, std::string iconPath);

  void Form_Load() override;

  forms::Frame fraFAK{*this, "fraFAK"};
  forms::ControlArray<forms::Label> lblClass{*this, "lblClass", 18};
  forms::ControlArray<forms::ComboBox> cboClass{*this, "cboClass", 18};
  forms::Label lblDisclaimer{*this, "lblDisclaimer"};
  forms::CommandButton cmdSaveFAK{*this, "cmdSaveFAK"};
  forms::CommandButton cmdIgnore{*this, "cmdIgnore"};

  // True once the last opening ended with a saved table.
  bool saved() const { return saved_; }

 private:
  void cboClass_Validate(int index, bool& cancel);
  void cmdSaveFAK_Click();

  const base::ProgramDir& dir_;
  const ClassTable& classes_;
  FakState& fak_;
  bool mexico571Mode_;
  std::string iconPath_;
  bool saved_ = false;
};

}  // namespace tarvex::pricing
