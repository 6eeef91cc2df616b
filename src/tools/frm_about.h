// The About window: the product, its version and support contact, and the date the running
// program was last changed.
#pragma once

#include <filesystem>
#include <string>

#include "base/program_dir.h"
#include "forms/control.h"
#include "forms/form.h"
#include "pricing/settings.h"

namespace tarvex::tools {

// Who makes the program, as the About window names it.
inline constexpr const char* kPublisherName = "Tarvex Systems";

// "mm-dd-yyyy " of the file's last change, in local time; "" when it cannot be examined.
std::string ProgramFileDate(const std::filesystem::path& programFile);

class frmAbout : public forms::Form {
 public:
  frmAbout(forms::Runtime& runtime, const base::ProgramDir& dir,
           const pricing::SettingsRecord& settings, std::filesystem::path programFile,
           std::string iconPath);

  void Form_Load() override;

  forms::Image imgHeadline{*this, "imgHeadline"};
  forms::Label lblProductName{*this, "lblProductName"};
  forms::Label lblVersion{*this, "lblVersion"};
  forms::Label lblEffectiveDate{*this, "lblEffectiveDate"};
  forms::Label lblCarrierName{*this, "lblCarrierName"};
  forms::Label lblSupportCaption{*this, "lblSupportCaption"};
  forms::Label lblTechSupportName{*this, "lblTechSupportName"};
  forms::Label lblTechSupportNumber{*this, "lblTechSupportNumber"};
  forms::Label lblProductNumber{*this, "lblProductNumber"};
  forms::Label lblProgramDate{*this, "lblProgramDate"};
  forms::Label lblPublisher{*this, "lblPublisher"};
  forms::Label lblCopyright{*this, "lblCopyright"};
  forms::CommandButton cmdClose{*this, "cmdClose"};

 private:
  const base::ProgramDir& dir_;
  const pricing::SettingsRecord& settings_;
  std::filesystem::path programFile_;
  std::string iconPath_;
};

}  // namespace tarvex::tools
