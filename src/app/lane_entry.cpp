// Origin and destination entry on the quote window: the code fields and the lane check.
#include <cmath>

#include "app/frm_corvane1.h"
#include "app/program.h"
#include "base/number_format.h"
#include "base/text.h"
#include "engine/tariffs.h"
#include "geo/postal_code.h"
#include "geo/show_service_days.h"
#include "geo/special_points.h"
#include "pricing/input_fields.h"
#include "pricing/lane_discounts.h"

namespace tarvex::app {

using engine::EngineRecord;
using pricing::On;

namespace {

bool StartsWithAny(const std::string& name, std::initializer_list<const char*> prefixes) {
  for (const char* p : prefixes)
    if (name.rfind(p, 0) == 0) return true;
  return false;
}

// A point is Canadian where its numeric value is 0: Canadian codes begin with a letter.
bool Canadian(std::string_view code) {
  return base::Val(code) == 0.0;
}

}  // namespace

bool frmCorvane1::FocusMovingWithin(std::initializer_list<const char*> refusedPrefixes) const {
  if (runtime().ActiveForm() != this) return false;
  const forms::Control* next = runtime().ActiveControl();
  return next != nullptr && !StartsWithAny(next->name(), refusedPrefixes);
}

std::string frmCorvane1::EngineCode(const std::string& trimmed) const {
  if (trimmed.size() == 3 && On(program_.settings.ThreeDigitCodes)) return trimmed + "01";
  return trimmed;
}

bool frmCorvane1::ShowState(forms::Label& label, const std::string& trimmed) {
  std::string fault;
  label.setCaption(geo::StateOfPoint(program_.dir, trimmed, &fault));
  if (fault.empty()) return true;
  // A point whose state cannot be told must not be priced as if it were in the other's state.
  runtime().MsgBox(fault);
  return false;
}

void frmCorvane1::CodeField_GotFocus(forms::TextBox& field, const std::string& status,
                                     const std::string& defaultCode, bool locked) {
  lblStatusBar.setCaption(status);
  mnuViewSpeedSheetAlternation.setEnabled(false);
  mnuViewTerminalInformation.setEnabled(false);
  mnuCityLookup.setEnabled(!locked && cityLookupBuilt_);
  if (!base::Trim(defaultCode).empty() && base::Trim(program_.pickedPostalCode).empty())
    field.setText(base::Trim(defaultCode));
  program_.pickedPostalCode = "      ";
  pricing::SelectAllText(field);
}

void frmCorvane1::CodeField_KeyPress(forms::TextBox& field, bool locked, int& keyAscii) {
  if (locked && keyAscii != forms::keys::Enter) {
    keyAscii = 0;
    return;
  }
  if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 'a' - 'A';
  keyAscii = geo::FilterPostalCodeKey(field.text(), field.selLength(), keyAscii);
  keyAscii = pricing::EnterAsTab(runtime(), keyAscii);
}

void frmCorvane1::txtOrigin_GotFocus() {
  CodeField_GotFocus(txtOrigin, " Enter Origin ZIP/Postal Code ", program_.settings.DefaultOrigin,
                     On(program_.settings.OriginLocked));
}

void frmCorvane1::txtDestination_GotFocus() {
  CodeField_GotFocus(txtDestination, " Enter Destination ZIP/Postal Code ",
                     program_.settings.DefaultDestination, On(program_.settings.DestinationLocked));
}

void frmCorvane1::txtOrigin_KeyPress(int& keyAscii) {
  CodeField_KeyPress(txtOrigin, On(program_.settings.OriginLocked), keyAscii);
}

void frmCorvane1::txtDestination_KeyPress(int& keyAscii) {
  CodeField_KeyPress(txtDestination, On(program_.settings.DestinationLocked), keyAscii);
}

void frmCorvane1::ResetQuote() {
  ConfigureScreen();
  program_.engineRecord.setText(engine::H11, "0");
  ClearQuoteResults();
  lblServiceDays.setCaption("");
  lblServiceType.setCaption("");
  laneService_.laneServiceType.clear();
  lblIntrastateTariff.setCaption("");
}

void frmCorvane1::ClearRefusedLane() {
  program_.engineRecord.setText(engine::H11, "0");
  program_.engineRecord.setText(engine::H9, "");
  ClearQuoteResults();
  lblRBN.setCaption("");
}

void frmCorvane1::txtOrigin_LostFocus() {
  if (!FocusMovingWithin({"grd", "cmd"})) return;
  CheckOrigin();
}

bool frmCorvane1::CheckOrigin() {
  const std::string origin = base::Trim(txtOrigin.text());
  if (!geo::ValidatePostalCode(origin)) {
    runtime().MsgBox("Invalid ZIP/Postal Code");
    program_.ratingState = "N";
    txtOrigin.SetFocus();
    return false;
  }
  ResetQuote();
  program_.engineRecord.setText(engine::H7, EngineCode(origin));
  mnuCityLookup.setEnabled(false);
  if (!ShowState(lblOriginState, origin)) {
    program_.ratingState = "N";
    txtOrigin.SetFocus();
    return false;
  }
  if (!On(program_.settings.ServiceGuideOn)) return true;
  laneService_.originTerminal = geo::FindServiceTerminal(
      program_.dir, origin, "O", laneService_.originIndicator, laneService_.originExtraDays);
  lblOriginTerminal.setCaption(geo::GetTerminalCode(program_.dir, laneService_.originTerminal));
  if (!base::Trim(txtDestination.text()).empty()) MexicanDisplayRule();
  return true;
}

double frmCorvane1::GetMiles() {
  EngineRecord& r = program_.engineRecord;
  const std::string lines = r.text(engine::H11);
  r.setText(engine::H4, "MILE0001");
  r.setText(engine::H11, "00");
  r.setText(engine::H26, "N");
  program_.engine.RateShipment(r);
  r.setText(engine::H11, lines);
  const double miles = base::Val(r.trimmed(engine::H13));
  return r.blank(engine::H2) && miles > 1 ? miles : -1;
}

void frmCorvane1::LookUpLaneDiscounts() {
  const EngineRecord& r = program_.engineRecord;
  pricing::LaneDiscountInputs lane;
  lane.originPostalCode = r.text(engine::H7);
  lane.destinationPostalCode = r.text(engine::H9);
  lane.originState = lblOriginState.caption();
  lane.destinationState = lblDestinationState.caption();
  lane.originStateCaption = lblOriginState.caption();
  lane.destinationStateCaption = lblDestinationState.caption();
  lane.inboundPricing = optApplyInboundPricing.value() != 0;
  lane.mexico571Mode = program_.Mexico571Mode;
  lane.decimalSeparator = program_.decimalSeparator;
  const std::optional<pricing::LaneDiscounts> found =
      pricing::LookUpLaneDiscounts(program_.dir, lane);
  if (!found) return;
  if (!found->fault.empty()) runtime().MsgBox(found->fault);
  program_.settings.DiscountOnCharges = found->DiscountOnCharges ? 1 : 0;
  discountCountry_ = found->country;
  for (int i = 0; i < 4; ++i)
    if (found->txtDiscount[static_cast<std::size_t>(i)])
      txtDiscount[i].setText(*found->txtDiscount[static_cast<std::size_t>(i)]);
}

bool frmCorvane1::AskSingleShipment() {
  const EngineRecord& r = program_.engineRecord;
  const int count = std::clamp<int>(r.value(engine::T6), 0, 30);
  const std::string t1 = r.text(engine::T1);
  auto digit = [&](int i) { return base::Val(t1.substr(static_cast<std::size_t>(i), 1)); };
  bool allSame = true;
  for (int i = 1; i < count; ++i) allSame = allSame && digit(i) == digit(0);
  if (allSame) return false;
  for (int i = 0; i < count; ++i)
    if (r.value(engine::T4, i) != 0 && t1[static_cast<std::size_t>(i)] == '0') return true;
  return false;
}

void frmCorvane1::txtDestination_LostFocus() {
  discountCountry_.clear();
  if (program_.ratingState == "N") {
    program_.ratingState = "Y";
    return;
  }
  if (!FocusMovingWithin({"grd", "cmd"}) || runtime().ActiveControl() == &txtOrigin) return;
  const pricing::SettingsRecord& s = program_.settings;
  EngineRecord& r = program_.engineRecord;
  const std::string origin = base::Trim(txtOrigin.text());
  const std::string destination = base::Trim(txtDestination.text());
  // An origin changed and then left for a button was never checked: check it now, so the
  // lane is never the old origin's.
  if (r.trimmed(engine::H7) != EngineCode(origin) && !CheckOrigin()) {
    ClearRefusedLane();
    return;
  }
  // What this check shows is the new lane's, and a refusal leaves no total of the lane
  // checked before it.
  for (forms::Label* l : {&lblDestinationState, &lblDestinationTerminal, &lblServiceDays,
                          &lblServiceType, &lblMiles, &lblRBN})
    l->setCaption("");
  auto refuse = [this](const std::string& message, forms::TextBox& field) {
    runtime().MsgBox(message);
    ClearRefusedLane();
    field.SetFocus();
  };
  if (!geo::ValidatePostalCode(destination)) {
    refuse("Invalid ZIP/Postal Code", txtDestination);
    return;
  }
  if (!geo::CheckZipCombination(program_.dir, geo::PostalPrefix(origin),
                                geo::PostalPrefix(destination))) {
    refuse("Invalid ZIP/Postal Code Combination", txtOrigin);
    return;
  }
  r.setText(engine::H9, EngineCode(destination));
  mnuCityLookup.setEnabled(false);
  if (!ShowState(lblDestinationState, destination)) {
    txtDestination.SetFocus();
    return;
  }
  mnuViewSpeedSheetAlternation.setEnabled(speedSheetBuilt_);
  mnuViewTerminalInformation.setEnabled(terminalInformationBuilt_);

  if (On(s.ShowMiles)) {
    const double miles = std::round(GetMiles());
    lblMiles.setCaption(miles < 0 ? "" : "Miles = " + base::NumberToText(miles));
  }
  lblIntrastateTariff.setCaption("");

  const bool guide = On(s.ServiceGuideOn);
  if (guide) {
    laneService_.destinationTerminal =
        geo::FindServiceTerminal(program_.dir, destination, "D", laneService_.destinationIndicator,
                                 laneService_.destinationExtraDays);
    lblDestinationTerminal.setCaption(
        geo::GetTerminalCode(program_.dir, laneService_.destinationTerminal));
    geo::ShowServiceDays(program_.dir, {lblServiceDays, lblServiceType}, laneService_);
    // A damaged guide is said by name rather than as a lane without service.
    if (const std::string fault = geo::ServiceGuideFault(program_.dir, laneService_);
        !fault.empty()) {
      lblServiceDays.setCaption("");
      lblServiceType.setCaption("");
      runtime().MsgBox(fault);
      txtOrigin.SetFocus();
      return;
    }
  }
  // Only the service guide fills the service days before this point; without it every lane
  // would be refused here.
  if (guide && base::Val(lblServiceDays.caption().substr(0, 1)) == 0.0) {
    refuse(customerServiceMessage_, txtOrigin);
    return;
  }

  std::string ruralFault;
  if (const auto rural = geo::CheckRuralPoints(program_.dir, r.trimmed(engine::H7),
                                               r.trimmed(engine::H9), &ruralFault))
    runtime().MsgBox(*rural);
  if (!ruralFault.empty()) runtime().MsgBox(ruralFault);
  LookUpLaneDiscounts();

  if ((laneService_.destinationIndicator == "I" && Canadian(r.trimmed(engine::H9))) ||
      (laneService_.originIndicator == "I" && Canadian(r.trimmed(engine::H7)))) {
    forms::TextBox& field = Canadian(r.trimmed(engine::H7)) ? txtOrigin : txtDestination;
    runtime().MsgBox(internationalCustomerServiceMessage_);
    ClearRefusedLane();
    field.setText("");
    field.SetFocus();
    return;
  }

  if (!SelectTariff()) {
    ClearRefusedLane();
    txtOrigin.SetFocus();
    return;
  }
  r.setText(engine::H26, "N");
  r.setText(engine::H23, "N");
  r.setText(engine::H28, "");
  r.setText(engine::H29, "");
  program_.engine.RateShipment(r);
  if (!r.blank(engine::H2)) {
    refuse(customerServiceMessage_, txtOrigin);
    return;
  }
  lblRBN.setCaption("RBN = " + r.trimmed(engine::H13));

  if (!guide) {
    const std::string h28 = r.trimmed(engine::H28);
    const std::string h29 = r.trimmed(engine::H29);
    if (!h28.empty() || !h29.empty()) lblServiceLabel.setVisible(true);
    auto indicator = [](const std::string& code) {
      return code == "D" ? "Direct" : code == "I" ? "Non-Direct" : "";
    };
    if (!h28.empty()) lblServiceDays.setCaption(indicator(h28));
    if (!h29.empty()) lblServiceType.setCaption(indicator(h29));
  }

  if (AskSingleShipment()) {
    singleShipment_.ShowModal();
    r.setText(engine::H23, singleShipment_.yes() ? "Y" : "N");
    singleShipment_.Unload();
  } else {
    r.setText(engine::H23, "N");
  }
  if (r.text(engine::H23) == "Y") program_.engine.RateShipment(r);

  if (program_.decimalSeparator == ',') engine::ConvertResultAmounts(r, ',');
  SetUpEngineDiscounts(false);
  MexicanDisplayRule();
  if (On(s.AccessorialsOn) && On(s.PromptAccessorials)) ShowAccessorialCharges();
}

bool frmCorvane1::SelectTariff() {
  engine::TariffRequest request;
  request.originState = lblOriginState.caption();
  request.destinationState = lblDestinationState.caption();
  request.ask = [this](const std::string& question) { return runtime().AskYesNo(question); };
  const engine::TariffSelection selection =
      engine::SelectTariff(program_.dir, program_.engineRecord, request);
  if (!selection.ok) {
    runtime().MsgBox(selection.error);
    return false;
  }
  if (!selection.intrastateCaption.empty())
    lblIntrastateTariff.setCaption(selection.intrastateCaption);
  return true;
}

void frmCorvane1::MexicanDisplayRule() {
  const bool mexican = lblOriginState.caption() == "MX" || lblDestinationState.caption() == "MX";
  if (mexican) {
    cmdDensityClassCalculator.setVisible(true);
    if (program_.Mexico571Mode) fraDiscountMX.setVisible(true);
    lblFAKLabel.setVisible(program_.Mexico571Mode);
  } else {
    lblFAKLabel.setVisible(true);
  }
}

}  // namespace tarvex::app
