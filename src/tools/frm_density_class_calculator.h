// The density class calculator: dimensions and weight give a density, the density table of
// the unit in use gives the freight class to type into the quote.
#pragma once

#include <optional>
#include <string>

#include "base/program_dir.h"
#include "forms/control.h"
#include "forms/form.h"
#include "tools/density.h"

namespace tarvex::tools {

class frmDensityClassCalculator : public forms::Form {
 public:
  frmDensityClassCalculator(forms::Runtime& runtime, const base::ProgramDir& dir,
                            char decimalSeparator, std::string iconPath);

  void Form_Load() override;

  // The figures of the last density computed from the dimensions; nothing after a typed one.
  const std::optional<DensityFigures>& figures() const { return figures_; }

  forms::CheckBox chkMeters{*this, "chkMeters"};
  forms::Label lblLength{*this, "lblLength"};
  forms::TextBox txtLength{*this, "txtLength"};
  forms::Label lblWidth{*this, "lblWidth"};
  forms::TextBox txtWidth{*this, "txtWidth"};
  forms::Label lblHeight{*this, "lblHeight"};
  forms::TextBox txtHeight{*this, "txtHeight"};
  forms::Label lblWeight{*this, "lblWeight"};
  forms::TextBox txtWeight{*this, "txtWeight"};
  forms::Label lblDensity{*this, "lblDensity"};
  forms::TextBox txtDensity{*this, "txtDensity"};
  forms::Label lblClassCaption{*this, "lblClassCaption"};
  forms::Label lblClass{*this, "lblClass"};
  forms::Label lblDisclaimer{*this, "lblDisclaimer"};
  forms::CommandButton cmdClose{*this, "cmdClose"};

 private:
  bool metric() const { return chkMeters.value() != 0; }
  void chkMeters_Click();
  void Dimension_Change(forms::TextBox& box, const char* message);
  void Entry_KeyPress(forms::TextBox& box, int& keyAscii, int decimals);
  void ComputeDensity();
  void txtDensity_Change();

  const base::ProgramDir& dir_;
  char decimalSeparator_;
  std::string iconPath_;
  std::optional<DensityFigures> figures_;
  // A table fault is told once per opening, not at every key.
  std::string faultShown_;
};

}  // namespace tarvex::tools
