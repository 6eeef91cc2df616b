// The rate sheet options: four header lines for the printed sheet, taken from the settings
// and edited for this session only. The request window keeps it loaded, hidden, so that the
// production always finds the lines in its boxes.
#pragma once

#include <array>
#include <string>

#include "forms/control.h"
#include "forms/form.h"
#include "pricing/settings.h"

namespace tarvex::ratesheet {

inline constexpr std::size_t kHeaderTextLength = 65;

class frmRSOptions : public forms::Form {
 public:
  frmRSOptions(forms::Runtime& runtime, pricing::SettingsRecord& settings);

  void Form_Load() override;
  void Form_KeyPress(int& keyAscii) override;

  // The four header lines as the boxes hold them now (index 0 is header 1).
  std::array<std::string, 4> HeaderTexts() const;

  forms::Label Label4{*this, "Label4"};
  forms::Label Label5{*this, "Label5"};
  forms::Label Label1{*this, "Label1"};
  forms::Label Label2{*this, "Label2"};
  // Boxes 1 … 4; element 0 is never used.
  forms::ControlArray<forms::TextBox> txtHeader{*this, "txtHeader", 5};
  forms::CommandButton cmdOK{*this, "cmdOK"};
  forms::CommandButton cmdReset{*this, "cmdReset"};
  forms::CommandButton cmdClose{*this, "cmdClose"};

 private:
  void cmdReset_Click();

  pricing::SettingsRecord& settings_;
};

}  // namespace tarvex::ratesheet
