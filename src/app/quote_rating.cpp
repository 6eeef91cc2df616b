// Rating a shipment on the quote window: the two lost-focus entry points, line loading,
// the engine discount set-up, charge composition, surcharges and totals, price per unit.
#include <algorithm>
#include <cmath>

#include "app/frm_corvane1.h"
#include "app/program.h"
#include "base/number_format.h"
#include "base/text.h"
#include "geo/special_points.h"
#include "pricing/floors.h"
#include "pricing/input_fields.h"

namespace tarvex::app {

using engine::EngineRecord;
using pricing::On;

namespace {

bool StartsWith(const std::string& name, const char* prefix) {
  return name.rfind(prefix, 0) == 0;
}

// The engine's class text of a line class: "92" for 92.5, "77" for 77.5.
std::string EngineClassText(double lineClass) {
  if (lineClass == 92.5) return "92";
  if (lineClass == 77.5) return "77";
  return base::NumberToText(lineClass);
}

constexpr int kPanelTop = 4140;
constexpr int kPanelTopMexico = 4860;
constexpr int kPanelPitch = 240;

}  // namespace

double frmCorvane1::Amount(const forms::Control& label) const {
  return base::ValLocal(label.caption(), program_.decimalSeparator);
}

std::string frmCorvane1::Money(double value) const {
  return base::FormatMask(value, "0.00 ", program_.decimalSeparator);
}

bool frmCorvane1::MexicanLane() const {
  return lblOriginState.caption() == "MX" || lblDestinationState.caption() == "MX";
}

bool frmCorvane1::MexicoPanelShown() const {
  return program_.Mexico571Mode && MexicanLane();
}

void frmCorvane1::cboClass_LostFocus(int index) {
  if (program_.ratingState == "N") {
    program_.ratingState = "Y";
    return;
  }
  if (runtime().ActiveForm() != this) return;
  const forms::Control* next = runtime().ActiveControl();
  if (next == nullptr) return;
  const std::string& name = next->name();
  if (StartsWith(name, "opt") || StartsWith(name, "grd") || StartsWith(name, "cmd")) return;
  if ((name == "cboClass" || name == "txtWeight") && next->index() < index) return;
  if (next == &txtOrigin || next == &txtDestination || name == "txtDiscount" || next == &txtPPU)
    return;

  const std::string text = base::Trim(cboClass[index].text());
  const auto i = static_cast<std::size_t>(index);
  if (text.empty()) {
    if (base::Val(txtWeight[index].text()) > 0) {
      txtWeight[index].setText("");
      program_.ratingState = "F";
      program_.lineWeight[i] = 0;
      txtWeight_LostFocus(index);
    }
    program_.ratingState = "N";
    txtOrigin.SetFocus();
    return;
  }
  double value = base::ValLocal(text, program_.decimalSeparator);
  if (!pricing::IsValidClass(value, program_.classTable)) {
    runtime().MsgBox("Invalid Class");
    program_.ratingState = "N";
    cboClass[index].SetFocus();
    return;
  }
  program_.lineClass[i] = base::ValLocal(text, program_.decimalSeparator);
  if (base::Val(txtWeight[index].text()) > 0) txtWeight_LostFocus(index);
  if (On(program_.settings.FakOn)) ShowFakLabel(index);
}

void frmCorvane1::LoadLines() {
  EngineRecord& r = program_.engineRecord;
  const bool substitute =
      program_.fak.FakInEffect == 'Y' && (!MexicanLane() || program_.Mexico571Mode);
  int n = 0;
  for (std::size_t line = 0; line < 8; ++line) {
    if (!(program_.lineClass[line] > 0) || program_.lineWeight[line] <= 0) continue;
    ++n;
    std::string classText = EngineClassText(program_.lineClass[line]);
    if (substitute) {
      const auto fak = pricing::FakClassOf(classText, program_.classTable, program_.fak);
      classText = fak ? pricing::ClassText(*fak) : "500";
    }
    r.line(n).setText(engine::L2, classText);
    r.line(n).setText(engine::L3, std::to_string(program_.lineWeight[line]));
  }
  r.setText(engine::H11, (n < 10 ? "0" : "") + std::to_string(n));
}

void frmCorvane1::txtWeight_LostFocus(int index) {
  const forms::Control* next = runtime().ActiveControl();
  if (next != nullptr && StartsWith(next->name(), "cmd") &&
      !(next == &cmdNewShipment && index == 7))
    return;
  if (program_.ratingState == "N") {
    program_.ratingState = "Y";
    return;
  }
  const auto i = static_cast<std::size_t>(index);
  if (program_.ratingState != "F" && !(program_.lineClass[i] > 0)) {
    txtOrigin.SetFocus();
    return;
  }
  if (program_.ratingState == "F") {
    program_.ratingState = "Y";
  } else {
    program_.lineWeight[i] = static_cast<std::int32_t>(
        base::TruncateToWhole(base::ValLocal(txtWeight[index].text(), program_.decimalSeparator)));
  }
  EngineRecord& r = program_.engineRecord;
  LoadLines();
  SetUpEngineDiscounts(false);
  const bool mexican = MexicanLane();
  r.setText(engine::H3, program_.Mexico571Mode && mexican ? "   P" : " ME1");
  program_.engine.RateShipment(r);
  r.setText(engine::H3, " ME1");
  if (!r.blank(engine::H2)) {
    runtime().MsgBox(customerServiceMessage_);
    txtOrigin.SetFocus();
    return;
  }
  lblRBN.setCaption("RBN = " + r.trimmed(engine::H13));
  const std::int32_t maximum = program_.settings.MaxTotalWeight;
  if (maximum != 0 && base::Val(r.trimmed(engine::H14)) > maximum) {
    runtime().MsgBox("Total weight may not exceed " + std::to_string(maximum) + " lbs.");
    program_.ratingState = "N";
    txtWeight[index].SetFocus();
    return;
  }
  if (program_.decimalSeparator == ',') engine::ConvertResultAmounts(r, ',');

  int n = 0;
  for (int line = 0; line < 8; ++line) {
    if (base::Val(cboClass[line].text()) > 0 && base::Val(txtWeight[line].text()) > 0) {
      ++n;
      lblRate[line].setCaption(
          Money(base::ValLocal(r.line(n).trimmed(engine::L4), program_.decimalSeparator)));
      lblCharge[line].setCaption(
          Money(base::ValLocal(r.line(n).trimmed(engine::L5), program_.decimalSeparator)));
    } else {
      lblRate[line].setCaption("");
      lblCharge[line].setCaption("");
    }
  }

  const double deficitWeight = base::Val(r.trimmed(engine::H18));
  if (deficitWeight != 0 && (!program_.Mexico571Mode || !mexican)) {
    lblDeficitLabel.setCaption("Deficit Weight");
    lblDeficitWeight.setCaption(base::NumberToText(deficitWeight));
    lblTotalWeightLabel.setCaption("Billed Weight");
    lblDeficitCharge.setCaption(Money(EngineAmount(engine::H19)));
    lblDeficitRate.setCaption(Money(EngineAmount(engine::H17)));
  } else {
    for (forms::Label* l :
         {&lblDeficitLabel, &lblDeficitWeight, &lblDeficitCharge, &lblDeficitRate})
      l->setCaption("");
    lblTotalWeightLabel.setCaption("Total Weight");
  }
  lblTotalWeight.setVisible(true);
  lblTotalWeightLabel.setVisible(true);

  ComposeCharges(false);

  if (program_.Mexico571Mode && mexican) {
    for (int line = 1; line <= 8; ++line) {
      std::string text = cboClass[line - 1].text();
      if (base::Trim(text).empty()) {
        text = "500";
      } else {
        text = text.substr(0, 3);
        if (!text.empty() && text.back() == '.') text = text.substr(0, 2);
      }
      r.line(line).setText(engine::L2, text);
    }
    SetUpEngineDiscounts(true);
    r.setText(engine::H3, "   S");
    program_.engine.RateShipment(r);
    if (!r.blank(engine::H2)) {
      lblRBN.setCaption("");
      ClearShipment();
      runtime().MsgBox(customerServiceMessage_);
      txtOrigin.SetFocus();
      return;
    }
    ComposeCharges(true);
    if (program_.decimalSeparator == ',') engine::ConvertResultAmounts(r, ',');
  }

  SurchargesAndTotals();
  PricePerUnit();
  lblRBN.setCaption("RBN = " + r.trimmed(engine::H13));
  if (base::Trim(txtWeight[index].text()).empty() && next != nullptr &&
      (next->name() == "cboClass" || next->name() == "txtWeight") && next->index() > index)
    txtOrigin.SetFocus();
}

double frmCorvane1::EngineAmount(engine::TextField<engine::InEngineRecord> field) const {
  return base::ValLocal(program_.engineRecord.trimmed(field), program_.decimalSeparator);
}

void frmCorvane1::SetUpEngineDiscounts(bool mexican) {
  EngineRecord& r = program_.engineRecord;
  const pricing::SettingsRecord& s = program_.settings;
  const std::string ltlText = base::Trim(txtDiscount[mexican ? 3 : 1].text());
  const std::string floorText = base::Trim(txtDiscount[mexican ? 2 : 0].text());
  auto usable = [](const std::string& t) { return !t.empty() && t != "."; };
  customerFloor_ = 0;
  r.setText(engine::H26, "N");
  if (s.EngineDiscountMode != 0 && s.EngineDiscountSuppressed == 0) {
    r.setText(engine::H26, "Y");
    r.discount(1).setText(engine::D1, "D%");
    if (usable(ltlText)) {
      const double p = base::ValLocal(ltlText, program_.decimalSeparator) * 100;
      r.discount(1).setText(engine::D2, 0, base::FormatMask(p, "0000"));
      for (int i = 1; i <= 6; ++i)
        r.discount(1).setText(engine::D2, i, " " + base::NumberToText(base::RoundForDisplay(p, 0)));
    } else {
      r.discount(1).setText(engine::D2, 0, "0000");
      for (int i = 1; i <= 6; ++i) r.discount(1).setText(engine::D2, i, " 0000");
    }
    for (int i = 7; i <= 9; ++i) r.discount(1).setText(engine::D2, i, " 0000");
    customerFloor_ =
        usable(floorText)
            ? base::RoundForDisplay(base::ValLocal(floorText, program_.decimalSeparator), 4)
            : 0;
  } else {
    r.discount(1).setText(engine::D2, 0, "0000");
    for (int i = 1; i <= 9; ++i) r.discount(1).setText(engine::D2, i, " 0000");
  }
  r.setText(engine::H33, On(s.DiscountOnCharges) ? "C" : "R");
}

namespace {

// The discount field of a billed weight.
int Bracket(double billedWeight) {
  constexpr double kBreaks[] = {500, 1000, 2000, 5000, 10000, 20000, 30000, 40000};
  int bracket = 1;
  for (const double b : kBreaks)
    if (billedWeight >= b) ++bracket;
  return bracket;
}

}  // namespace

void frmCorvane1::ComposeCharges(bool mexican) {
  const EngineRecord& r = program_.engineRecord;
  forms::Label& first = mexican ? lblUndiscountedChargeMX : lblUndiscountedCharge;
  forms::Label& discount = mexican ? lblDiscountMX : lblDiscount;
  forms::Label& net = mexican ? lblNetMX : lblNet;
  forms::Label& firstCaption = mexican ? lblUndiscountedChargeMXLabel : lblUndiscountedChargeLabel;
  forms::Label& discountCaption = mexican ? lblDiscountMXLabel : lblDiscountLabel;
  forms::Label& netCaption = mexican ? lblNetMXLabel : lblNetLabel;

  if (!r.blank(engine::H15))
    lblTotalWeight.setCaption(base::NumberToText(
        base::Val(r.trimmed(program_.Mexico571Mode && MexicanLane() ? engine::H14 : engine::H15))));
  const bool onRates = r.trimmed(engine::H33) == "R";
  auto d2 = [&](int i) { return base::Val(r.discount(1).trimmed(engine::D2, i)); };
  double percent = onRates ? 0 : d2(Bracket(base::Val(r.trimmed(engine::H15))));

  const double h16 = EngineAmount(engine::H16);
  const double h20 = EngineAmount(engine::H20);
  double discountAmount = 0;
  if (h20 < h16) {
    first.setCaption(Money(h16 + EngineAmount(engine::H36)));
    firstCaption.setCaption("Minimum Charge");
    discountAmount = EngineAmount(engine::H36);
    percent = d2(0);
    for (int i = 0; i < 8; ++i) {
      lblRate[i].setVisible(false);
      lblCharge[i].setVisible(false);
    }
  } else {
    const double amount = h20 + EngineAmount(engine::H35);
    first.setCaption(Money(amount));
    firstCaption.setCaption(onRates ? "Discounted Charge" : "Undiscounted Charge");
    discountAmount = EngineAmount(engine::H35);
    if (base::Val(base::FormatMask(amount * percent / 10000, "0.00")) !=
        base::RoundForDisplay(discountAmount, 2))
      percent = d2(6);
    for (int i = 0; i < 8; ++i) {
      lblRate[i].setVisible(true);
      lblCharge[i].setVisible(true);
    }
  }
  discount.setCaption(Money(discountAmount));
  discountCaption.setCaption(
      discountAmount > 0
          ? base::FormatMask(percent / 10000, "0.00%", program_.decimalSeparator) + " Discount"
          : "Discount");
  const double netAmount = Amount(first) - Amount(discount);
  const pricing::LaneFloor floor =
      pricing::GetLaneFloor(program_.dir, r.text(engine::H7), r.text(engine::H9), customerFloor_,
                            On(program_.settings.UseFloorTables));
  if (!floor.ok()) runtime().MsgBox(floor.fault);
  if (netAmount >= floor.amount) {
    net.setCaption(Money(netAmount));
    netCaption.setCaption("Net Charge");
  } else {
    net.setCaption(Money(floor.amount));
    netCaption.setCaption("MC Floor");
  }
}

void frmCorvane1::SurchargesAndTotals() {
  const EngineRecord& r = program_.engineRecord;
  const pricing::SettingsRecord& s = program_.settings;
  auto canadianScreen = [](const std::string& code) {
    return !base::Trim(code).empty() && base::Val(code) == 0.0;
  };
  const bool canadian = canadianScreen(txtOrigin.text()) || canadianScreen(txtDestination.text());
  const std::string suffix = canadian ? " (CAN)" : " (US)";
  const bool mexican = MexicanLane();
  const bool mexicoPanel = MexicoPanelShown();

  const double base = Amount(lblNet);
  const double billed = base::Val(r.trimmed(engine::H15));
  const double percent = billed < 20000 ? (mexican && !program_.Mexico571Mode ? s.FuelSurchargeLTLMX
                                                                              : s.FuelSurchargeLTL)
                                        : s.FuelSurchargeTL;
  lblFuelSurcharge.setCaption(Money(base * percent / 100));
  lblFuelSurchargeLabel.setCaption("Fuel Surcharge");
  if (Amount(lblFuelSurcharge) > 0 && Amount(lblFuelSurcharge) < 2.00)
    lblFuelSurcharge.setCaption(Money(2.00));

  if (mexicoPanel) {
    for (forms::Label* l : {&lblUndiscountedChargeMXLabel, &lblDiscountMXLabel, &lblNetMXLabel})
      l->setCaption(l->caption() + " (MX)");
    for (forms::Label* l :
         {&lblUndiscountedChargeLabel, &lblDiscountLabel, &lblNetLabel, &lblFuelSurchargeLabel})
      l->setCaption(l->caption() + suffix);
  }

  if (On(s.AccessorialsOn)) {
    // Type 4 charges take the whole net freight charge, both panels' when both are shown.
    const pricing::AccessorialShipment shipment{
        r.trimmed(engine::H7), r.trimmed(engine::H9), base::Val(r.trimmed(engine::H14)),
        Amount(lblNet) + (mexicoPanel ? Amount(lblNetMX) : 0)};
    std::string fault;
    lblAccessorialCharge.setCaption(Money(pricing::TotalAccessorialCharges(
        program_.dir,
        accessorialCharges_ ? accessorialCharges_->Ticked()
                            : std::vector<pricing::TickedAccessorial>{},
        shipment, &fault)));
    if (!fault.empty()) runtime().MsgBox(fault);
  }

  lblCrossBorderCharge.setCaption("");
  if (base::Val(r.trimmed(engine::H7)) == 0.0 || base::Val(r.trimmed(engine::H9)) == 0.0) {
    // A damaged fee is said on every lane that would carry it, and left off the total.
    if (borderCrossingFee_.ok())
      lblCrossBorderCharge.setCaption(Money(borderCrossingFee_.amount));
    else
      runtime().MsgBox(borderCrossingFee_.fault);
  }

  lblSufferanceFeeMessage.setVisible(false);
  const std::string destination = txtDestination.text();
  if (base::Val(destination.substr(0, 3)) == 0.0 &&
      std::string("AB,BC,MB,NB,NF,NL,NS,NT,NU,ON,PE,PQ,QC,SK,YT,")
              .find(lblDestinationState.caption() + ",") != std::string::npos &&
      lblDestinationState.caption().size() == 2)
    lblSufferanceFeeMessage.setVisible(true);

  lblHCSAFee.setCaption("");
  const geo::ListAmount fee =
      geo::GetHighCostFee(program_.dir, r.trimmed(engine::H7), r.trimmed(engine::H9),
                          base::Val(r.trimmed(engine::H14)));
  if (!fee.ok()) runtime().MsgBox(fee.fault);
  if (fee.amount > 0) lblHCSAFee.setCaption(Money(fee.amount));
  lblCaliforniaSurcharge.setCaption("");
  const geo::ListAmount california =
      geo::GetCaliforniaSurcharge(program_.dir, r.trimmed(engine::H7), r.trimmed(engine::H9));
  if (!california.ok()) runtime().MsgBox(california.fault);
  if (california.amount > 0) lblCaliforniaSurcharge.setCaption(Money(california.amount));

  double total = Amount(lblNet);
  if (mexicoPanel) total += Amount(lblNetMX);
  for (const forms::Label* l : {&lblFuelSurcharge, &lblAccessorialCharge, &lblCrossBorderCharge,
                                &lblHCSAFee, &lblCaliforniaSurcharge})
    if (!base::Trim(l->caption()).empty()) total += Amount(*l);
  lblTotalCharge.setCaption(Money(total));

  // The result rows, stacked top-down as far as they are shown.
  struct Row {
    forms::Label* caption;
    forms::Label* amount;
    bool shown;
  };
  const Row mexicoRows[] = {{&lblUndiscountedChargeMXLabel, &lblUndiscountedChargeMX, mexicoPanel},
                            {&lblDiscountMXLabel, &lblDiscountMX, mexicoPanel},
                            {&lblNetMXLabel, &lblNetMX, mexicoPanel}};
  int top = kPanelTop;
  for (const Row& row : mexicoRows) {
    row.caption->setVisible(row.shown);
    row.amount->setVisible(row.shown);
    row.caption->setTop(top);
    row.amount->setTop(top);
    top += kPanelPitch;
  }
  auto shown = [](const forms::Label& l) { return !base::Trim(l.caption()).empty(); };
  const Row rows[] = {
      {&lblUndiscountedChargeLabel, &lblUndiscountedCharge, true},
      {&lblDiscountLabel, &lblDiscount, true},
      {&lblNetLabel, &lblNet, true},
      {&lblFuelSurchargeLabel, &lblFuelSurcharge, true},
      {&lblAccessorialChargeLabel, &lblAccessorialCharge, shown(lblAccessorialCharge)},
      {&lblCrossBorderChargeLabel, &lblCrossBorderCharge, shown(lblCrossBorderCharge)},
      {&lblHCSAFeeLabel, &lblHCSAFee, shown(lblHCSAFee)},
      {&lblCaliforniaSurchargeLabel, &lblCaliforniaSurcharge, shown(lblCaliforniaSurcharge)},
      {&lblTotalChargeLabel, &lblTotalCharge, true},
      {&lblCanCurrencyExchangeLabel, &lblCanCurrencyExchange, true},
      {&lblTotalCanChargeLabel, &lblTotalCanCharge, true},
  };
  top = mexicoPanel ? kPanelTopMexico : kPanelTop;
  for (const Row& row : rows) {
    row.caption->setVisible(row.shown);
    row.amount->setVisible(row.shown);
    if (!row.shown) continue;
    row.caption->setTop(top);
    row.amount->setTop(top);
    top += kPanelPitch;
  }
  lblTotalChargeLabel.setVisible(true);
  lblUSDMessage.setVisible(true);

  if (s.CanadianExchangeFactor != 0 && canadian) {
    lblTotalChargeLabel.setCaption("Total US Charge");
    lblCanCurrencyExchangeLabel.setVisible(true);
    lblTotalCanChargeLabel.setVisible(true);
    lblCanCurrencyExchange.setCaption(
        Money(Amount(lblTotalCharge) * s.CanadianExchangeFactor / 100));
    lblTotalCanCharge.setCaption(Money(Amount(lblTotalCharge) + Amount(lblCanCurrencyExchange)));
  } else {
    lblTotalChargeLabel.setCaption("Total Charge");
    for (forms::Label* l : {&lblCanCurrencyExchangeLabel, &lblTotalCanChargeLabel,
                            &lblCanCurrencyExchange, &lblTotalCanCharge}) {
      l->setCaption(l == &lblCanCurrencyExchangeLabel ? "Canadian Exchange"
                    : l == &lblTotalCanChargeLabel    ? "Total Canadian Charge"
                                                      : "");
      l->setVisible(false);
    }
  }
}

void frmCorvane1::PricePerUnit() {
  const double units = base::Val(txtPPU.text());
  if (units > 0) {
    const double total =
        lblTotalCanCharge.visible() && !base::Trim(lblTotalCanCharge.caption()).empty()
            ? Amount(lblTotalCanCharge)
            : Amount(lblTotalCharge);
    lblPPU.setCaption(Money(total / units));
  } else {
    lblPPU.setCaption("");
  }
}

void frmCorvane1::ShowFakLabel(int index) {
  if (MexicanLane() && !program_.Mexico571Mode) {
    lblFAK[index].setCaption("");
    return;
  }
  std::string classText = EngineClassText(program_.lineClass[static_cast<std::size_t>(index)]);
  const auto fak = pricing::FakClassOf(classText, program_.classTable, program_.fak);
  lblFAK[index].setCaption(fak ? pricing::ClassText(*fak) : "");
}

void frmCorvane1::ClearQuoteResults() {
  for (int i = 0; i < 8; ++i) {
    lblRate[i].setCaption("");
    lblCharge[i].setCaption("");
  }
  for (forms::Label* l : {&lblDeficitLabel, &lblDeficitWeight, &lblDeficitRate, &lblDeficitCharge,
                          &lblTotalWeight, &lblPPU})
    l->setCaption("");
  lblTotalWeightLabel.setCaption("Total Weight");
  for (forms::Label* l :
       {&lblUndiscountedChargeMX, &lblDiscountMX, &lblNetMX, &lblUndiscountedCharge, &lblDiscount,
        &lblNet, &lblFuelSurcharge, &lblAccessorialCharge, &lblCrossBorderCharge, &lblHCSAFee,
        &lblCaliforniaSurcharge, &lblTotalCharge, &lblCanCurrencyExchange, &lblTotalCanCharge})
    l->setCaption("");
  for (forms::Label* l : {&lblUndiscountedChargeMXLabel,
                          &lblUndiscountedChargeMX,
                          &lblDiscountMXLabel,
                          &lblDiscountMX,
                          &lblNetMXLabel,
                          &lblNetMX,
                          &lblUndiscountedChargeLabel,
                          &lblUndiscountedCharge,
                          &lblDiscountLabel,
                          &lblDiscount,
                          &lblNetLabel,
                          &lblNet,
                          &lblFuelSurchargeLabel,
                          &lblFuelSurcharge,
                          &lblAccessorialChargeLabel,
                          &lblAccessorialCharge,
                          &lblCrossBorderChargeLabel,
                          &lblCrossBorderCharge,
                          &lblHCSAFeeLabel,
                          &lblHCSAFee,
                          &lblCaliforniaSurchargeLabel,
                          &lblCaliforniaSurcharge,
                          &lblTotalChargeLabel,
                          &lblTotalCharge,
                          &lblCanCurrencyExchangeLabel,
                          &lblCanCurrencyExchange,
                          &lblTotalCanChargeLabel,
                          &lblTotalCanCharge,
                          &lblUSDMessage})
    l->setVisible(false);
  lblSufferanceFeeMessage.setVisible(false);
}

void frmCorvane1::ClearShipment() {
  for (int i = 0; i < 8; ++i) {
    txtWeight[i].setText("");
    cboClass[i].setText("");
    lblRate[i].setCaption("");
    lblCharge[i].setCaption("");
    lblFAK[i].setCaption("");
    program_.lineClass[static_cast<std::size_t>(i)] = 500;
    program_.lineWeight[static_cast<std::size_t>(i)] = 0;
  }
  ClearQuoteResults();
  lblTotalWeight.setVisible(false);
  lblTotalWeightLabel.setVisible(false);
}

void frmCorvane1::lblIntrastateTariff_Change() {
  program_.engineRecord.setText(engine::H11, "0");
  ClearShipment();
}

}  // namespace tarvex::app
