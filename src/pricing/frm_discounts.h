// The discount editor: a customer's discount set of one country, by lane type or by state,
// with its list of sets, and the summary window that picks a US set to edit.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/program_dir.h"
#include "forms/control.h"
#include "forms/form.h"
#include "pricing/state_discounts.h"

namespace tarvex::pricing {

inline constexpr int kGridRows = 9;

class frmDiscounts : public forms::Form {
 public:
  frmDiscounts(forms::Runtime& runtime, const base::ProgramDir& dir, bool mexico571Mode,
               char decimalSeparator, std::string iconPath);

  // Edits the sets of "U", "C" or "M" in a modal window.
  void Main(std::string_view country);

  void Form_Load() override;
  void Form_KeyPress(int& keyAscii) override;

  // A box of the lane-type or cross-border fields by its name ("txtOutboundInterstateDirectLTL").
  forms::TextBox& Field(std::string_view name);
  const std::vector<StateDiscount>& StateDiscounts() const { return StateDiscounts_; }
  const std::string& GridMode() const { return GridMode_; }

  forms::Label lblMain{*this, "lblMain"};
  forms::Frame fraAdvancedOptions{*this, "fraAdvancedOptions"};
  forms::Label lblKeyZip{*this, "lblKeyZip"};
  forms::ComboBox cboKeyZip{*this, "cboKeyZip"};
  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton optTraditional{*this, "optTraditional"};
  forms::OptionButton optState{*this, "optState"};
  forms::Frame Frame2{*this, "Frame2"};
  forms::OptionButton optRates{*this, "optRates"};
  forms::OptionButton optCharges{*this, "optCharges"};

  forms::Frame fraTraditional{*this, "fraTraditional"};
  forms::Label lblOutbound{*this, "lblOutbound"};
  forms::Label lblInbound{*this, "lblInbound"};
  forms::Label lblOutboundInterstate{*this, "lblOutboundInterstate"};
  forms::Label lblInboundInterstate{*this, "lblInboundInterstate"};
  forms::Label lblOutboundIntrastate{*this, "lblOutboundIntrastate"};
  forms::Label lblInboundIntrastate{*this, "lblInboundIntrastate"};
  forms::Frame fraOutboundInterstate{*this, "fraOutboundInterstate"};
  forms::Frame fraInboundInterstate{*this, "fraInboundInterstate"};
  forms::Frame fraOutboundIntrastate{*this, "fraOutboundIntrastate"};
  forms::Frame fraInboundIntrastate{*this, "fraInboundIntrastate"};
  // Column and row captions inside the four lane-type frames, frame by frame.
  forms::ControlArray<forms::Label> lblDirect{*this, "lblDirect", 4};
  forms::ControlArray<forms::Label> lblInterline{*this, "lblInterline", 4};
  forms::ControlArray<forms::Label> lblFloor{*this, "lblFloor", 4};
  forms::ControlArray<forms::Label> lblLTL{*this, "lblLTL", 4};

  forms::Frame fra571MX{*this, "fra571MX"};
  // Column headings "Floor (US)" … "LTL (MX)" and row captions of the cross-border boxes.
  forms::ControlArray<forms::Label> lbl571Column{*this, "lbl571Column", 6};
  forms::ControlArray<forms::Label> lbl571Row{*this, "lbl571Row", 4};

  forms::Frame fraState{*this, "fraState"};
  forms::Label lblDirectInterline{*this, "lblDirectInterline"};
  forms::Label lblStateHeading{*this, "lblStateHeading"};
  forms::Label lblOutboundTo{*this, "lblOutboundTo"};
  forms::Label lblInboundFrom{*this, "lblInboundFrom"};
  forms::ControlArray<forms::Label> lblGridHeading{*this, "lblGridHeading", 4};
  forms::ControlArray<forms::Label> lblState{*this, "lblState", kGridRows};
  forms::ControlArray<forms::TextBox> txtOutboundFloor{*this, "txtOutboundFloor", kGridRows};
  forms::ControlArray<forms::TextBox> txtOutboundLTL{*this, "txtOutboundLTL", kGridRows};
  forms::ControlArray<forms::TextBox> txtInboundFloor{*this, "txtInboundFloor", kGridRows};
  forms::ControlArray<forms::TextBox> txtInboundLTL{*this, "txtInboundLTL", kGridRows};
  forms::VScrollBar VScroll1{*this, "VScroll1"};

  forms::CommandButton cmdSave{*this, "cmdSave"};
  forms::CommandButton cmdRetrieve{*this, "cmdRetrieve"};
  forms::CommandButton cmdDelete{*this, "cmdDelete"};
  forms::CommandButton cmdClear{*this, "cmdClear"};
  forms::CommandButton cmdApplyToAllRows{*this, "cmdApplyToAllRows"};
  forms::CommandButton cmdShowInterlinePricing{*this, "cmdShowInterlinePricing"};
  forms::CommandButton cmdDiscountSummary{*this, "cmdDiscountSummary"};
  forms::CommandButton cmdAdvancedOptions{*this, "cmdAdvancedOptions"};
  forms::CommandButton cmdClose{*this, "cmdClose"};

 private:
  void Design();
  void DesignLaneTypeFrames();
  void DesignCrossBorderFrame();
  void DesignStateGrid();
  void WireEvents();
  // The text boxes of the lane-type and cross-border fields, which the set stores by name.
  void AddField(const std::string& name, forms::Frame& frame, int left, int top, int width);

  void FillKeyList();
  void LoadSet();
  void RefreshStateGrid();
  // The grid box of row k and column c (outbound floor, outbound LTL, inbound floor, inbound
  // LTL), and the index of the state value it shows in the current mode.
  forms::TextBox& GridBox(int row, int column);
  std::size_t GridValueIndex(int column) const;
  void GridBox_Change(int row, int column);

  void optTraditional_Click();
  void optState_Click();
  void cmdShowInterlinePricing_Click();
  void cmdApplyToAllRows_Click();
  void cmdAdvancedOptions_Click();
  void cmdClear_Click();
  void cmdSave_Click();
  void cmdDelete_Click();
  void cmdDiscountSummary_Click();
  void cboKeyZip_KeyPress(int& keyAscii);
  void cboKeyZip_LostFocus();
  void cboKeyZip_Validate(bool& cancel);
  void LtlBox_Validate(const forms::Control& box, bool& cancel);

  std::string Key() const;
  // The text a box's value is stored with: its number with "." whatever the user's separator.
  std::string StoredText(const forms::Control& box) const;

  const base::ProgramDir& dir_;
  bool mexico571Mode_;
  char decimalSeparator_;
  std::string iconPath_;

  std::string DiscountCountry;
  std::string GridMode_ = "Direct";
  bool KeyZipTyped = false;
  std::vector<StateDiscount> StateDiscounts_;
  std::vector<std::unique_ptr<forms::TextBox>> fields_;
  // Where fraTraditional and fraState stand with the advanced options closed and open.
  int closedTop_ = 0;
  int openTop_ = 0;
};

class frmDiscountSummary : public forms::Form {
 public:
  frmDiscountSummary(forms::Runtime& runtime, const base::ProgramDir& dir, std::string iconPath);

  // Shows the sets of the country and returns the key chosen, "" when closed without one.
  std::string Main(std::string_view country);

  void Form_Load() override;

  forms::Label lblZipHeading{*this, "lblZipHeading"};
  forms::Label lblDiscountHeading{*this, "lblDiscountHeading"};
  forms::Label lblTypeHeading{*this, "lblTypeHeading"};
  forms::ListBox lstDiscountSummary{*this, "lstDiscountSummary"};
  forms::CommandButton cmdEdit{*this, "cmdEdit"};
  forms::CommandButton cmdClose{*this, "cmdClose"};

 private:
  void cmdEdit_Click();

  const base::ProgramDir& dir_;
  std::string iconPath_;
  std::string country_;
  std::string chosen_;
};

}  // namespace tarvex::pricing
