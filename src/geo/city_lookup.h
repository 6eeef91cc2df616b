// The city look-up and the service map: frmZipLU finds codes by the beginning of a city name
// in cityzip.dat; frmMap shows the carrier's Map.BMP.
#pragma once

#include <string>
#include <vector>

#include "base/program_dir.h"
#include "forms/control.h"
#include "forms/form.h"

namespace tarvex::geo {

inline constexpr const char* kCityFileName = "cityzip.dat";
inline constexpr std::size_t kCityRecordLength = 36;
inline constexpr const char* kMapFileName = "Map.BMP";

struct CityEntry {
  std::string shown;  // "SAVANNAH, GA - 31401"
  std::string code;
};

// Every city whose name begins with `start` (any letter case), in file order; every city for
// an empty start; none for a missing or empty file.
std::vector<CityEntry> SearchCities(const base::ProgramDir& dir, const std::string& start);

class frmZipLU : public forms::Form {
 public:
  // `picked` is the program-wide picked postal code the quote window takes over.
  frmZipLU(forms::Runtime& runtime, const base::ProgramDir& dir, std::string& picked,
           std::string iconPath);

  void Form_Load() override;

  forms::Label lblInstruction{*this, "lblInstruction"};
  forms::TextBox txtCity{*this, "txtCity"};
  forms::ListBox lstCity{*this, "lstCity"};
  forms::ListBox lstZip{*this, "lstZip"};
  forms::CommandButton cmdClose{*this, "cmdClose"};

  // The code picked at the last opening, "" when the window was closed without one.
  const std::string& lastPick() const { return lastPick_; }

 private:
  void txtCity_Validate();
  void Pick();

  const base::ProgramDir& dir_;
  std::string& picked_;
  std::string iconPath_;
  std::string lastPick_;
};

class frmMap : public forms::Form {
 public:
  frmMap(forms::Runtime& runtime, const base::ProgramDir& dir, std::string iconPath);

  void Form_Load() override;
  void Form_KeyPress(int& keyAscii) override;
  void Form_Click() override { Hide(); }

  forms::Image Picture1{*this, "Picture1"};

 private:
  const base::ProgramDir& dir_;
  std::string iconPath_;
};

}  // namespace tarvex::geo
