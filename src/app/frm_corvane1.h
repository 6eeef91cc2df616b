// The main quote window: its full control set and the behaviour that is built so far.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/border_fee.h"
#include "app/frm_singleshipment.h"
#include "engine/engine_record.h"
#include "forms/control.h"
#include "forms/form.h"
#include "geo/frm_terminal_information.h"
#include "geo/service_guide.h"
#include "pricing/frm_accessorial_charges.h"
#include "quote/charges.h"
#include "quote/lines.h"
#include "quote/quote_sheet.h"

namespace tarvex::app {

struct Program;

// Layout facts the program fixes, in twips.
inline constexpr int kMainWidth = 9600;
inline constexpr int kMainHeight = 8280;
inline constexpr int kMainHeightMexico = 8995;

class frmCorvane1 : public forms::Form {
 public:
  explicit frmCorvane1(Program& program);

  void Form_Load() override;
  void Form_Unload(bool& cancel) override;

  // Shows or hides menus and panels by the feature switches of the settings.
  void ConfigureScreen();
  // The whole content of a message file in the program directory, "" when unreadable.
  std::string FileToString(const std::string& fileName) const;

  const std::string& customerServiceMessage() const { return customerServiceMessage_; }
  const std::string& internationalCustomerServiceMessage() const {
    return internationalCustomerServiceMessage_;
  }
  double borderCrossingFee() const { return borderCrossingFee_.amount; }

  // The lane's service state and the discount country the look-up hands back.
  const geo::LaneService& laneService() const { return laneService_; }
  const std::string& discountCountry() const { return discountCountry_; }

  // New Shipment: empties the lane, the lines and the results, focus to the origin.
  void NewShipment();
  // The distance of the lane H7 to H9 from the engine, or -1 when there is none.
  double GetMiles();
  // The quote as the window shows it, for the printed page.
  quote::QuoteSheet Snapshot() const;

  // Menus; a parent is the container of its entries.
  forms::Menu mnuFile{*this, "mnuFile"};
  forms::Menu mnuFileNewShipment{*this, "mnuFileNewShipment"};
  forms::Menu mnuFileRateSheet{*this, "mnuFileRateSheet"};
  forms::Menu mnuFileBillofLading{*this, "mnuFileBillofLading"};
  forms::Menu mnuFileCalculator{*this, "mnuFileCalculator"};
  forms::Menu mnuFilePrint{*this, "mnuFilePrint"};
  forms::Menu mnuFileExit{*this, "mnuFileExit"};
  forms::Menu mnuEdit{*this, "mnuEdit"};
  forms::Menu mnuEditDefaults{*this, "mnuEditDefaults"};
  forms::Menu mnuEditDiscountsUS{*this, "mnuEditDiscountsUS"};
  forms::Menu mnuEditDiscountsCanadian{*this, "mnuEditDiscountsCanadian"};
  forms::Menu mnuEditDiscountsMexican{*this, "mnuEditDiscountsMexican"};
  forms::Menu mnuEditFAK{*this, "mnuEditFAK"};
  forms::Menu mnuEditAccessorialCharges{*this, "mnuEditAccessorialCharges"};
  forms::Menu mnuView{*this, "mnuView"};
  forms::Menu mnuViewMap{*this, "mnuViewMap"};
  forms::Menu mnuViewRules{*this, "mnuViewRules"};
  forms::Menu mnuViewSpeedSheetAlternation{*this, "mnuViewSpeedSheetAlternation"};
  forms::Menu mnuViewTerminalInformation{*this, "mnuViewTerminalInformation"};
  forms::Menu mnuCityLookup{*this, "mnuCityLookup"};
  forms::Menu mnuHelp{*this, "mnuHelp"};
  forms::Menu mnuHelpContents{*this, "mnuHelpContents"};
  forms::Menu mnuHelpAbout{*this, "mnuHelpAbout"};

  forms::Image imgPicture{*this, "imgPicture"};

  // Lane.
  forms::Label lblOriginCaption{*this, "lblOriginCaption"};
  forms::Label lblDestinationCaption{*this, "lblDestinationCaption"};
  forms::Label lblStateCaption{*this, "lblStateCaption"};
  forms::Label lblTerminalLabel{*this, "lblTerminalLabel"};
  forms::Label lblServiceLabel{*this, "lblServiceLabel"};
  forms::TextBox txtOrigin{*this, "txtOrigin"};
  forms::Label lblOriginState{*this, "lblOriginState"};
  forms::Label lblOriginTerminal{*this, "lblOriginTerminal"};
  forms::Label lblServiceDays{*this, "lblServiceDays"};
  forms::TextBox txtDestination{*this, "txtDestination"};
  forms::Label lblDestinationState{*this, "lblDestinationState"};
  forms::Label lblDestinationTerminal{*this, "lblDestinationTerminal"};
  forms::Label lblServiceType{*this, "lblServiceType"};
  forms::Label lblRBN{*this, "lblRBN"};
  forms::Label lblMiles{*this, "lblMiles"};
  forms::Label lblIntrastateTariff{*this, "lblIntrastateTariff"};

  // Shipment lines.
  forms::Label lblClassCaption{*this, "lblClassCaption"};
  forms::Label lblFAKLabel{*this, "lblFAKLabel"};
  forms::Label lblWeightCaption{*this, "lblWeightCaption"};
  forms::Label lblRateCaption{*this, "lblRateCaption"};
  forms::Label lblChargeCaption{*this, "lblChargeCaption"};
  forms::ControlArray<forms::ComboBox> cboClass{*this, "cboClass", 8};
  forms::ControlArray<forms::Label> lblFAK{*this, "lblFAK", 8};
  forms::ControlArray<forms::TextBox> txtWeight{*this, "txtWeight", 8};
  forms::ControlArray<forms::Label> lblRate{*this, "lblRate", 8};
  forms::ControlArray<forms::Label> lblCharge{*this, "lblCharge", 8};
  forms::Label lblDeficitLabel{*this, "lblDeficitLabel"};
  forms::Label lblDeficitWeight{*this, "lblDeficitWeight"};
  forms::Label lblDeficitRate{*this, "lblDeficitRate"};
  forms::Label lblDeficitCharge{*this, "lblDeficitCharge"};
  forms::Label lblTotalWeightLabel{*this, "lblTotalWeightLabel"};
  forms::Label lblTotalWeight{*this, "lblTotalWeight"};

  // Totals panel: caption and amount of each row.
  forms::Label lblUndiscountedChargeMXLabel{*this, "lblUndiscountedChargeMXLabel"};
  forms::Label lblUndiscountedChargeMX{*this, "lblUndiscountedChargeMX"};
  forms::Label lblDiscountMXLabel{*this, "lblDiscountMXLabel"};
  forms::Label lblDiscountMX{*this, "lblDiscountMX"};
  forms::Label lblNetMXLabel{*this, "lblNetMXLabel"};
  forms::Label lblNetMX{*this, "lblNetMX"};
  forms::Label lblUndiscountedChargeLabel{*this, "lblUndiscountedChargeLabel"};
  forms::Label lblUndiscountedCharge{*this, "lblUndiscountedCharge"};
  forms::Label lblDiscountLabel{*this, "lblDiscountLabel"};
  forms::Label lblDiscount{*this, "lblDiscount"};
  forms::Label lblNetLabel{*this, "lblNetLabel"};
  forms::Label lblNet{*this, "lblNet"};
  forms::Label lblFuelSurchargeLabel{*this, "lblFuelSurchargeLabel"};
  forms::Label lblFuelSurcharge{*this, "lblFuelSurcharge"};
  forms::Label lblAccessorialChargeLabel{*this, "lblAccessorialChargeLabel"};
  forms::Label lblAccessorialCharge{*this, "lblAccessorialCharge"};
  forms::Label lblCrossBorderChargeLabel{*this, "lblCrossBorderChargeLabel"};
  forms::Label lblCrossBorderCharge{*this, "lblCrossBorderCharge"};
  forms::Label lblHCSAFeeLabel{*this, "lblHCSAFeeLabel"};
  forms::Label lblHCSAFee{*this, "lblHCSAFee"};
  forms::Label lblCaliforniaSurchargeLabel{*this, "lblCaliforniaSurchargeLabel"};
  forms::Label lblCaliforniaSurcharge{*this, "lblCaliforniaSurcharge"};
  forms::Label lblTotalChargeLabel{*this, "lblTotalChargeLabel"};
  forms::Label lblTotalCharge{*this, "lblTotalCharge"};
  forms::Label lblCanCurrencyExchangeLabel{*this, "lblCanCurrencyExchangeLabel"};
  forms::Label lblCanCurrencyExchange{*this, "lblCanCurrencyExchange"};
  forms::Label lblTotalCanChargeLabel{*this, "lblTotalCanChargeLabel"};
  forms::Label lblTotalCanCharge{*this, "lblTotalCanCharge"};

  // Discount frames, pricing options, units and commands (right-hand column).
  forms::Frame fraDiscount{*this, "fraDiscount"};
  forms::Label lblFloorCaption{*this, "lblFloorCaption"};
  forms::Label lblLTLDiscountCaption{*this, "lblLTLDiscountCaption"};
  forms::Frame fraDiscountMX{*this, "fraDiscountMX"};
  forms::Label lblFloorMXCaption{*this, "lblFloorMXCaption"};
  forms::Label lblLTLDiscountMXCaption{*this, "lblLTLDiscountMXCaption"};
  forms::ControlArray<forms::TextBox> txtDiscount{*this, "txtDiscount", 4};
  forms::Frame fraPricing{*this, "fraPricing"};
  forms::OptionButton optApplyOutboundPricing{*this, "optApplyOutboundPricing"};
  forms::OptionButton optApplyInboundPricing{*this, "optApplyInboundPricing"};
  forms::Frame fraPPU{*this, "fraPPU"};
  forms::Label lblUnitsCaption{*this, "lblUnitsCaption"};
  forms::TextBox txtPPU{*this, "txtPPU"};
  forms::Label lblPPU{*this, "lblPPU"};
  forms::CommandButton cmdDensityClassCalculator{*this, "cmdDensityClassCalculator"};
  forms::CommandButton cmdNewShipment{*this, "cmdNewShipment"};
  forms::CommandButton cmdPrint{*this, "cmdPrint"};
  forms::CommandButton cmdClose{*this, "cmdClose"};

  // Notices and footer.
  forms::Label lblDisclaimerLabel{*this, "lblDisclaimerLabel"};
  forms::Label lblDisclaimer{*this, "lblDisclaimer"};
  forms::Label lblSufferanceFeeMessage{*this, "lblSufferanceFeeMessage"};
  forms::Label lblUSDMessage{*this, "lblUSDMessage"};
  forms::Frame fraFooter{*this, "fraFooter"};
  forms::Label lblStatusBar{*this, "lblStatusBar"};
  forms::Label lblVersion{*this, "lblVersion"};

 private:
  void Design();
  void WireEvents();
  void mnuViewTerminalInformation_Click();
  void mnuEditFAK_Click();
  // The discount editor for "U", "C" or "M"; the lane's discounts are looked up afterwards.
  void mnuEditDiscounts_Click(const char* country);
  void mnuFilePrint_Click();
  void mnuEditAccessorialCharges_Click();
  void mnuCityLookup_Click();
  void mnuViewMap_Click();
  void mnuEditDefaults_Click();
  void mnuViewSpeedSheetAlternation_Click();
  // The density calculator, bill of lading, About window, help and rules.
  void cmdDensityClassCalculator_Click();
  void mnuFileBillofLading_Click();
  void mnuHelpAbout_Click();
  void mnuHelpContents_Click();
  void mnuViewRules_Click();
  // Runs a command that opens another window with the rating-state flag at "N", so the box
  // losing the focus to it rates nothing, and at "Y" again afterwards.
  void OpenWindow(const std::function<void()>& open);
  // The footer and the notices above it stand on the window's bottom edge.
  void PlaceFooter(int windowHeight);
  // Shows the accessorial charges window, creating it on first use.
  void ShowAccessorialCharges();
  void mnuFileCalculator_Click();
  // New Shipment, then the rate sheet request window.
  void mnuFileRateSheet_Click();
  // A changed point needs a new lane check: clears the results of the old one.
  void ResetQuote();
  // The origin check of leaving txtOrigin; false after "Invalid ZIP/Postal Code".
  bool CheckOrigin();
  // A refused lane leaves no quote of the lane checked before it to show or print.
  void ClearRefusedLane();
  void ClearQuoteResults();
  // True when the focus is moving to another control of this window whose name does not
  // begin with one of the prefixes (leaving a field for a button does not check it).
  bool FocusMovingWithin(std::initializer_list<const char*> refusedPrefixes) const;
  // The engine's code field for a point: "303" becomes "30301" with three-digit codes on.
  std::string EngineCode(const std::string& trimmed) const;
  // Shows the state of a point; false, after a message, when state.dat cannot tell it.
  bool ShowState(forms::Label& label, const std::string& trimmed);
  void MexicanDisplayRule();
  void LookUpLaneDiscounts();
  bool AskSingleShipment();

  void txtOrigin_GotFocus();
  void txtOrigin_KeyPress(int& keyAscii);
  void txtOrigin_LostFocus();
  void txtDestination_GotFocus();
  void txtDestination_KeyPress(int& keyAscii);
  void txtDestination_LostFocus();
  void CodeField_GotFocus(forms::TextBox& field, const std::string& status,
                          const std::string& defaultCode, bool locked);
  void CodeField_KeyPress(forms::TextBox& field, bool locked, int& keyAscii);

  // Enter moves on; a locked box takes nothing else; other keys pass the numeric filter.
  void NumericKey(forms::Control& box, int& keyAscii, bool locked, int maxLength, int decimals);
  void cboClass_GotFocus(int index);
  void cboClass_Click(int index);
  void cboClass_KeyPress(int index, int& keyAscii);
  void cboClass_KeyDown(int index, int& keyCode);
  void txtWeight_GotFocus(int index);
  void txtWeight_KeyPress(int index, int& keyAscii);
  void txtDiscount_GotFocus(int index);
  void txtDiscount_KeyPress(int index, int& keyAscii);
  void txtDiscount_LostFocus();
  void txtDiscount_Change(int index);
  void txtPPU_GotFocus();
  void txtPPU_KeyPress(int& keyAscii);
  void PricingOption_GotFocus();
  void PricingOption_Click();
  void ResetRatingFlag();

  // Rating.
  void cboClass_LostFocus(int index);
  void txtWeight_LostFocus(int index);
  // Packs the filled lines into the engine record, each with its screen line.
  std::vector<quote::PackedLine> LoadLines();
  // Rates the shown shipment again through the weight box of its last engine line.
  void RateAgain();
  void SetUpEngineDiscounts(bool mexican);
  // Composes and shows the US/Canada or the Mexico panel after a rating.
  quote::ChargePanel ComposeCharges(bool mexican);
  void ShowCharges(const quote::ChargePanel& panel, bool mexican);
  void SurchargesAndTotals(const quote::ChargePanel& charges,
                           const std::optional<quote::ChargePanel>& mexico);
  void ShowTotals(const quote::QuoteTotals& totals);
  // The totals panel's caption and amount labels, top to bottom.
  std::array<std::pair<forms::Label*, forms::Label*>, 14> PanelLabels();
  void PricePerUnit();
  void ShowFakLabel(int index);
  void ClearShipment();
  void lblIntrastateTariff_Change();
  // Picks the lane's tariff into H4 and H5; false when the lane cannot be rated.
  bool SelectTariff();
  std::string Money(double value) const;
  bool MexicanLane() const;
  bool MexicoPanelShown() const;

  // Windows of the quote screen that this build does not have: their commands stay off.
  static constexpr bool cityLookupBuilt_ = true;
  static constexpr bool speedSheetBuilt_ = true;
  static constexpr bool terminalInformationBuilt_ = true;
  void mnuFileExit_Click() { Unload(); }
  void cmdClose_Click() { Unload(); }

  Program& program_;
  std::string customerServiceMessage_;
  std::string internationalCustomerServiceMessage_;
  BorderCrossingFee borderCrossingFee_;
  geo::LaneService laneService_;
  std::string discountCountry_;
  // The customer's floor amount of the last discount set-up.
  double customerFloor_ = 0.0;
  // The totals panel of the quote on the screen; empty while no quote is shown.
  std::optional<quote::QuoteTotals> totals_;
  frmSingleshipment singleShipment_;
  // Created on first use and then only hidden, so its ticks stay in force.
  std::unique_ptr<pricing::frmAccessorialCharges> accessorialCharges_;
  geo::frmTerminalInformation terminalInformation_;
};

}  // namespace tarvex::app
