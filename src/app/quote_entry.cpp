// The quote window's per-control rules: status line, defaults, locks, key filters, Enter as
// Tab, the rating-state flag, and New Shipment.
#include "app/frm_corvane1.h"
#include "app/program.h"
#include "base/text.h"
#include "pricing/input_fields.h"

namespace tarvex::app {

using pricing::On;

void frmCorvane1::WireEvents() {
  mnuFileExit.onClick = [this] { mnuFileExit_Click(); };
  cmdClose.onClick = [this] { cmdClose_Click(); };
  mnuFileCalculator.onClick = [this] { mnuFileCalculator_Click(); };
  mnuFileRateSheet.onClick = [this] { mnuFileRateSheet_Click(); };
  mnuFileNewShipment.onClick = [this] { NewShipment(); };
  mnuViewTerminalInformation.onClick = [this] { mnuViewTerminalInformation_Click(); };
  mnuViewTerminalInformation.setEnabled(false);
  // Even while the menu entry is disabled: the window then shows what the lane state holds.
  for (forms::Label* label :
       {&lblOriginTerminal, &lblDestinationTerminal, &lblServiceDays, &lblServiceType})
    label->onDblClick = [this] { mnuViewTerminalInformation_Click(); };
  mnuEditFAK.onClick = [this] { mnuEditFAK_Click(); };
  mnuFilePrint.onClick = [this] { mnuFilePrint_Click(); };
  mnuEditAccessorialCharges.onClick = [this] { mnuEditAccessorialCharges_Click(); };
  mnuCityLookup.onClick = [this] { mnuCityLookup_Click(); };
  mnuViewMap.onClick = [this] { mnuViewMap_Click(); };
  mnuEditDefaults.onClick = [this] { mnuEditDefaults_Click(); };
  mnuViewSpeedSheetAlternation.onClick = [this] { mnuViewSpeedSheetAlternation_Click(); };
  mnuEditDiscountsUS.onClick = [this] { mnuEditDiscounts_Click("U"); };
  mnuEditDiscountsCanadian.onClick = [this] { mnuEditDiscounts_Click("C"); };
  mnuEditDiscountsMexican.onClick = [this] { mnuEditDiscounts_Click("M"); };
  cmdDensityClassCalculator.onClick = [this] { cmdDensityClassCalculator_Click(); };
  mnuFileBillofLading.onClick = [this] { mnuFileBillofLading_Click(); };
  mnuHelpAbout.onClick = [this] { mnuHelpAbout_Click(); };
  mnuHelpContents.onClick = [this] { mnuHelpContents_Click(); };
  mnuViewRules.onClick = [this] { mnuViewRules_Click(); };
  // Only an accepted lane has a rate block to show.
  mnuViewSpeedSheetAlternation.setEnabled(false);
  cmdPrint.onClick = [this] { mnuFilePrint_Click(); };
  cmdNewShipment.onClick = [this] { NewShipment(); };
  cmdNewShipment.onLostFocus = [this] { ResetRatingFlag(); };

  txtOrigin.onGotFocus = [this] { txtOrigin_GotFocus(); };
  txtOrigin.onKeyPress = [this](int& key) { txtOrigin_KeyPress(key); };
  txtOrigin.onChange = [this] { ResetQuote(); };
  txtOrigin.onLostFocus = [this] { txtOrigin_LostFocus(); };
  txtDestination.onGotFocus = [this] { txtDestination_GotFocus(); };
  txtDestination.onKeyPress = [this](int& key) { txtDestination_KeyPress(key); };
  txtDestination.onChange = [this] { ResetQuote(); };
  txtDestination.onLostFocus = [this] { txtDestination_LostFocus(); };
  lblIntrastateTariff.onChange = [this] { lblIntrastateTariff_Change(); };

  for (int i = 0; i < 8; ++i) {
    cboClass[i].onGotFocus = [this, i] { cboClass_GotFocus(i); };
    cboClass[i].onClick = [this, i] { cboClass_Click(i); };
    cboClass[i].onKeyPress = [this, i](int& key) { cboClass_KeyPress(i, key); };
    cboClass[i].onKeyDown = [this, i](int& key, int) { cboClass_KeyDown(i, key); };
    cboClass[i].onLostFocus = [this, i] { cboClass_LostFocus(i); };
    txtWeight[i].onGotFocus = [this, i] { txtWeight_GotFocus(i); };
    txtWeight[i].onKeyPress = [this, i](int& key) { txtWeight_KeyPress(i, key); };
    txtWeight[i].onLostFocus = [this, i] { txtWeight_LostFocus(i); };
  }
  for (int i = 0; i < 4; ++i) {
    txtDiscount[i].setMaxLength(i % 2 == 0 ? 6 : 5);
    txtDiscount[i].onGotFocus = [this, i] { txtDiscount_GotFocus(i); };
    txtDiscount[i].onKeyPress = [this, i](int& key) { txtDiscount_KeyPress(i, key); };
    txtDiscount[i].onLostFocus = [this] { txtDiscount_LostFocus(); };
    txtDiscount[i].onChange = [this, i] { txtDiscount_Change(i); };
  }
  txtPPU.setMaxLength(6);
  txtPPU.onGotFocus = [this] { txtPPU_GotFocus(); };
  txtPPU.onKeyPress = [this](int& key) { txtPPU_KeyPress(key); };
  txtPPU.onChange = [this] { PricePerUnit(); };
  lblTotalCharge.onChange = [this] { PricePerUnit(); };
  for (forms::OptionButton* option : {&optApplyOutboundPricing, &optApplyInboundPricing}) {
    option->onGotFocus = [this] { PricingOption_GotFocus(); };
    option->onClick = [this] { PricingOption_Click(); };
    option->onLostFocus = [this] { ResetRatingFlag(); };
  }
}

void frmCorvane1::ResetRatingFlag() {
  if (program_.ratingState == "N") program_.ratingState = "Y";
}

void frmCorvane1::cboClass_GotFocus(int index) {
  lblStatusBar.setCaption(" Enter a Valid Class ");
  if (base::Trim(cboClass[index].text()).empty())
    cboClass[index].setText(base::Trim(program_.settings.DefaultClass));
  pricing::SelectAllTextInArray(cboClass, index);
}

void frmCorvane1::cboClass_Click(int index) {
  if (base::Trim(cboClass[index].text()).empty())
    cboClass[index].setText(base::Trim(program_.settings.DefaultClass));
}

void frmCorvane1::NumericKey(forms::Control& box, int& keyAscii, bool locked, int maxLength,
                             int decimals) {
  if (keyAscii == forms::keys::Enter) {
    keyAscii = pricing::EnterAsTab(runtime(), keyAscii);
    return;
  }
  if (locked) {
    keyAscii = 0;
    return;
  }
  pricing::SetNumericKey(runtime(), box, keyAscii, maxLength, decimals, program_.decimalSeparator);
}

void frmCorvane1::cboClass_KeyPress(int index, int& keyAscii) {
  NumericKey(cboClass[index], keyAscii, On(program_.settings.ClassLocked), 4, 1);
}

void frmCorvane1::cboClass_KeyDown(int /*index*/, int& keyCode) {
  if (keyCode == forms::keys::Delete && On(program_.settings.ClassLocked)) keyCode = 0;
}

void frmCorvane1::txtWeight_GotFocus(int index) {
  lblStatusBar.setCaption(" Enter a Valid Weight ");
  if (program_.settings.DefaultWeight > 0)
    txtWeight[index].setText(std::to_string(program_.settings.DefaultWeight));
  pricing::SelectAllTextInArray(txtWeight, index);
}

void frmCorvane1::txtWeight_KeyPress(int index, int& keyAscii) {
  NumericKey(txtWeight[index], keyAscii, On(program_.settings.WeightLocked), 5, 0);
}

void frmCorvane1::txtDiscount_GotFocus(int index) {
  lblStatusBar.setCaption(" Enter a Valid Discount/Floor ");
  pricing::SelectAllTextInArray(txtDiscount, index);
  program_.ratingState = "Y";
}

void frmCorvane1::txtDiscount_KeyPress(int index, int& keyAscii) {
  NumericKey(txtDiscount[index], keyAscii, false, txtDiscount[index].maxLength(), 2);
}

void frmCorvane1::txtDiscount_LostFocus() {
  ResetRatingFlag();
}

void frmCorvane1::txtDiscount_Change(int index) {
  if ((index == 1 || index == 3) &&
      base::ValLocal(txtDiscount[index].text(), program_.decimalSeparator) >= 100) {
    runtime().MsgBox("Invalid Discount");
    txtDiscount[index].setText("");
    return;
  }
  SetUpEngineDiscounts(false);
  if (lblTotalChargeLabel.visible()) RateAgain();
}

void frmCorvane1::txtPPU_GotFocus() {
  lblStatusBar.setCaption(" Enter Number of Units ");
  pricing::SelectAllText(txtPPU);
  program_.ratingState = "Y";
}

void frmCorvane1::txtPPU_KeyPress(int& keyAscii) {
  NumericKey(txtPPU, keyAscii, false, txtPPU.maxLength(), 0);
}

void frmCorvane1::PricingOption_GotFocus() {
  lblStatusBar.setCaption(" Select type of Pricing ");
}

void frmCorvane1::PricingOption_Click() {
  // Before a lane is known there is nothing to look up.
  if (base::Trim(txtOrigin.text()).empty()) return;
  LookUpLaneDiscounts();
}

void frmCorvane1::RateAgain() {
  const int lines = static_cast<int>(base::Val(program_.engineRecord.trimmed(engine::H11)));
  if (lines <= 0) return;
  program_.ratingState = "F";
  txtWeight_LostFocus(lines - 1);
}

void frmCorvane1::NewShipment() {
  engine::EngineRecord& r = program_.engineRecord;
  txtOrigin.setText("");
  lblOriginState.setCaption("");
  lblOriginTerminal.setCaption("");
  r.setText(engine::H7, "");
  txtDestination.setText("");
  lblDestinationState.setCaption("");
  lblDestinationTerminal.setCaption("");
  r.setText(engine::H9, "");
  txtDiscount[0].setText("");
  txtDiscount[1].setText("");
  txtPPU.setText("");
  ClearShipment();
  lblIntrastateTariff.setCaption("");
  lblRBN.setCaption("");
  lblMiles.setCaption("");
  optApplyOutboundPricing.setValue(1);
  txtOrigin.SetFocus();
}

}  // namespace tarvex::app
