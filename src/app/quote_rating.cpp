// Rating a shipment on the quote window: the two lost-focus entry points and the showing of
// what the quote's arithmetic (src/quote) makes of the engine's answer.
#include "app/frm_corvane1.h"
#include "app/program.h"
#include "base/number_format.h"
#include "base/text.h"
#include "geo/special_points.h"
#include "pricing/floors.h"
#include "pricing/input_fields.h"
#include "quote/engine_discounts.h"
#include "quote/money.h"

namespace tarvex::app {

using engine::EngineRecord;
using pricing::On;

namespace {

bool StartsWith(const std::string& name, const char* prefix) {
  return name.rfind(prefix, 0) == 0;
}

template <class T>
std::array<std::string, quote::kScreenLines> Texts(const forms::ControlArray<T>& boxes) {
  std::array<std::string, quote::kScreenLines> texts;
  for (int i = 0; i < quote::kScreenLines; ++i)
    texts[static_cast<std::size_t>(i)] = boxes[i].text();
  return texts;
}

void ShowRow(forms::Label& caption, forms::Label& amount, const quote::ChargeRow& row,
             char decimalSeparator) {
  caption.setCaption(row.caption);
  amount.setCaption(quote::Money(row.amount, decimalSeparator));
}

constexpr int kPanelTop = 4140;
constexpr int kPanelPitch = 240;

}  // namespace

std::string frmCorvane1::Money(double value) const {
  return quote::Money(value, program_.decimalSeparator);
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

std::vector<quote::PackedLine> frmCorvane1::LoadLines() {
  const quote::FakSubstitution fak{
      quote::SubstitutesFak(program_.fak, MexicanLane(), program_.Mexico571Mode),
      program_.classTable, program_.fak};
  std::vector<quote::PackedLine> packed =
      quote::PackLines(program_.lineClass, program_.lineWeight, fak);
  quote::LoadLines(packed, program_.engineRecord);
  return packed;
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
  const std::vector<quote::PackedLine> packed = LoadLines();
  if (packed.empty()) {
    // Nothing left to rate: no total may stay on the screen, or be printed, for lines
    // that are gone.
    ClearQuoteResults();
    return;
  }
  SetUpEngineDiscounts(false);
  const bool mexicoPanel = MexicoPanelShown();
  r.setText(engine::H3, mexicoPanel ? "   P" : " ME1");
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

  const auto results =
      quote::LineResults(Texts(cboClass), Texts(txtWeight), r, program_.decimalSeparator);
  for (int line = 0; line < quote::kScreenLines; ++line) {
    const auto& result = results[static_cast<std::size_t>(line)];
    lblRate[line].setCaption(result ? Money(result->rate) : "");
    lblCharge[line].setCaption(result ? Money(result->charge) : "");
  }
  if (const auto deficit = quote::DeficitOf(r, mexicoPanel, program_.decimalSeparator)) {
    lblDeficitLabel.setCaption("Deficit Weight");
    lblDeficitWeight.setCaption(deficit->weight);
    lblTotalWeightLabel.setCaption("Billed Weight");
    lblDeficitCharge.setCaption(Money(deficit->charge));
    lblDeficitRate.setCaption(Money(deficit->rate));
  } else {
    for (forms::Label* l :
         {&lblDeficitLabel, &lblDeficitWeight, &lblDeficitCharge, &lblDeficitRate})
      l->setCaption("");
    lblTotalWeightLabel.setCaption("Total Weight");
  }
  lblTotalWeight.setVisible(true);
  lblTotalWeightLabel.setVisible(true);

  const quote::ChargePanel charges = ComposeCharges(false);
  std::optional<quote::ChargePanel> mexicoCharges;
  if (mexicoPanel) {
    // Engine line n holds the n-th filled screen line, as the first rating packed them.
    quote::LoadMexicanPortionClasses(packed, Texts(cboClass), r);
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
    if (program_.decimalSeparator == ',') engine::ConvertResultAmounts(r, ',');
    mexicoCharges = ComposeCharges(true);
  }

  SurchargesAndTotals(charges, mexicoCharges);
  PricePerUnit();
  lblRBN.setCaption("RBN = " + r.trimmed(engine::H13));
  if (base::Trim(txtWeight[index].text()).empty() && next != nullptr &&
      (next->name() == "cboClass" || next->name() == "txtWeight") && next->index() > index)
    txtOrigin.SetFocus();
}

void frmCorvane1::SetUpEngineDiscounts(bool mexican) {
  const pricing::SettingsRecord& s = program_.settings;
  customerFloor_ = quote::SetUpEngineDiscounts(
      {txtDiscount[mexican ? 3 : 1].text(), txtDiscount[mexican ? 2 : 0].text()},
      {s.EngineDiscountMode != 0 && s.EngineDiscountSuppressed == 0, On(s.DiscountOnCharges),
       program_.decimalSeparator},
      program_.engineRecord);
}

quote::ChargePanel frmCorvane1::ComposeCharges(bool mexican) {
  const EngineRecord& r = program_.engineRecord;
  if (const auto weight = quote::TotalWeightText(r, MexicoPanelShown()))
    lblTotalWeight.setCaption(*weight);
  const pricing::LaneFloor floor =
      pricing::GetLaneFloor(program_.dir, r.text(engine::H7), r.text(engine::H9), customerFloor_,
                            On(program_.settings.UseFloorTables));
  if (!floor.ok()) runtime().MsgBox(floor.fault);
  quote::ChargePanel panel = quote::ComposeCharges(r, floor.amount, program_.decimalSeparator);
  ShowCharges(panel, mexican);
  for (int i = 0; i < quote::kScreenLines; ++i) {
    lblRate[i].setVisible(!panel.minimumCharge);
    lblCharge[i].setVisible(!panel.minimumCharge);
  }
  return panel;
}

void frmCorvane1::ShowCharges(const quote::ChargePanel& panel, bool mexican) {
  const char separator = program_.decimalSeparator;
  ShowRow(mexican ? lblUndiscountedChargeMXLabel : lblUndiscountedChargeLabel,
          mexican ? lblUndiscountedChargeMX : lblUndiscountedCharge, panel.first, separator);
  ShowRow(mexican ? lblDiscountMXLabel : lblDiscountLabel, mexican ? lblDiscountMX : lblDiscount,
          panel.discount, separator);
  ShowRow(mexican ? lblNetMXLabel : lblNetLabel, mexican ? lblNetMX : lblNet, panel.net, separator);
}

void frmCorvane1::SurchargesAndTotals(const quote::ChargePanel& charges,
                                      const std::optional<quote::ChargePanel>& mexico) {
  const EngineRecord& r = program_.engineRecord;
  const pricing::SettingsRecord& s = program_.settings;
  quote::SurchargeInput in;
  in.origin = txtOrigin.text();
  in.destination = txtDestination.text();
  in.destinationState = lblDestinationState.caption();
  in.originCode = r.trimmed(engine::H7);
  in.destinationCode = r.trimmed(engine::H9);
  in.billedWeight = base::Val(r.trimmed(engine::H15));
  in.mexicanLane = MexicanLane();
  in.mexico571Mode = program_.Mexico571Mode;
  in.fuelSurchargeLTL = s.FuelSurchargeLTL;
  in.fuelSurchargeLTLMX = s.FuelSurchargeLTLMX;
  in.fuelSurchargeTL = s.FuelSurchargeTL;
  in.canadianExchangeFactor = s.CanadianExchangeFactor;
  in.borderCrossingFee = borderCrossingFee_.amount;
  in.borderCrossingFeeDamaged = !borderCrossingFee_.ok();
  const double totalWeight = base::Val(r.trimmed(engine::H14));
  // An amount from a damaged file is said, and left off the quote.
  std::vector<std::string> faults;
  if (On(s.AccessorialsOn)) {
    // Type 4 charges take the whole net freight charge, both panels' when both are shown.
    std::string fault;
    in.accessorialCharges = pricing::TotalAccessorialCharges(
        program_.dir,
        accessorialCharges_ ? accessorialCharges_->Ticked()
                            : std::vector<pricing::TickedAccessorial>{},
        {in.originCode, in.destinationCode, totalWeight, quote::NetFreightCharge(charges, mexico)},
        &fault);
    faults.push_back(fault);
  }
  const geo::ListAmount highCost =
      geo::GetHighCostFee(program_.dir, in.originCode, in.destinationCode, totalWeight);
  const geo::ListAmount california =
      geo::GetCaliforniaSurcharge(program_.dir, in.originCode, in.destinationCode);
  in.highCostFee = highCost.amount;
  in.californiaSurcharge = california.amount;
  faults.push_back(highCost.fault);
  faults.push_back(california.fault);
  totals_ = quote::SurchargesAndTotals(charges, mexico, in);
  // A damaged fee is said on every lane that would carry it.
  if (totals_->crossBorderChargeWithheld) faults.push_back(borderCrossingFee_.fault);
  for (const std::string& fault : faults)
    if (!fault.empty()) runtime().MsgBox(fault);
  ShowTotals(*totals_);
}

void frmCorvane1::ShowTotals(const quote::QuoteTotals& t) {
  const char separator = program_.decimalSeparator;
  if (t.mexico) ShowCharges(*t.mexico, true);
  ShowCharges(t.charges, false);
  ShowRow(lblFuelSurchargeLabel, lblFuelSurcharge, t.fuelSurcharge, separator);
  auto showAmount = [this](forms::Label& label, const std::optional<double>& value) {
    label.setCaption(value ? Money(*value) : "");
  };
  showAmount(lblAccessorialCharge, t.accessorialCharge);
  showAmount(lblCrossBorderCharge, t.crossBorderCharge);
  lblSufferanceFeeMessage.setVisible(t.sufferanceNotice);
  showAmount(lblHCSAFee, t.highCostFee);
  showAmount(lblCaliforniaSurcharge, t.californiaSurcharge);
  lblTotalCharge.setCaption(Money(t.total.amount));

  // The result rows, stacked top-down from 4140 twips as far as they are shown; the US/Canada
  // rows so start at 4860 below the Mexico panel.
  const bool mexico = t.mexico.has_value();
  const bool shown[] = {mexico,
                        mexico,
                        mexico,
                        true,
                        true,
                        true,
                        true,
                        t.accessorialCharge.has_value(),
                        t.crossBorderCharge.has_value(),
                        t.highCostFee.has_value(),
                        t.californiaSurcharge.has_value(),
                        true,
                        true,
                        true};
  int top = kPanelTop;
  std::size_t row = 0;
  for (const auto& [caption, amount] : PanelLabels()) {
    const bool show = shown[row++];
    caption->setVisible(show);
    amount->setVisible(show);
    if (!show) continue;
    caption->setTop(top);
    amount->setTop(top);
    top += kPanelPitch;
  }
  lblTotalChargeLabel.setVisible(true);
  lblUSDMessage.setVisible(true);

  lblTotalChargeLabel.setCaption(t.total.caption);
  if (t.canadianExchange && t.totalCanadianCharge) {
    lblCanCurrencyExchangeLabel.setVisible(true);
    lblTotalCanChargeLabel.setVisible(true);
    lblCanCurrencyExchange.setCaption(Money(*t.canadianExchange));
    lblTotalCanCharge.setCaption(Money(*t.totalCanadianCharge));
  } else {
    lblCanCurrencyExchangeLabel.setCaption("Canadian Exchange");
    lblTotalCanChargeLabel.setCaption("Total Canadian Charge");
    for (forms::Label* l : {&lblCanCurrencyExchange, &lblTotalCanCharge}) l->setCaption("");
    for (forms::Label* l : {&lblCanCurrencyExchangeLabel, &lblTotalCanChargeLabel,
                            &lblCanCurrencyExchange, &lblTotalCanCharge})
      l->setVisible(false);
  }
}

void frmCorvane1::PricePerUnit() {
  const auto perUnit = quote::PricePerUnit(txtPPU.text(), totals_ ? &*totals_ : nullptr);
  lblPPU.setCaption(perUnit ? Money(*perUnit) : "");
}

void frmCorvane1::ShowFakLabel(int index) {
  lblFAK[index].setCaption(quote::FakLabelText(program_.lineClass[static_cast<std::size_t>(index)],
                                               MexicanLane(), program_.Mexico571Mode,
                                               program_.classTable, program_.fak));
}

void frmCorvane1::ClearQuoteResults() {
  totals_.reset();
  for (int i = 0; i < 8; ++i) {
    lblRate[i].setCaption("");
    lblCharge[i].setCaption("");
  }
  for (forms::Label* l : {&lblDeficitLabel, &lblDeficitWeight, &lblDeficitRate, &lblDeficitCharge,
                          &lblTotalWeight, &lblPPU})
    l->setCaption("");
  lblTotalWeightLabel.setCaption("Total Weight");
  for (const auto& [caption, amount] : PanelLabels()) amount->setCaption("");
  for (const auto& [caption, amount] : PanelLabels()) {
    caption->setVisible(false);
    amount->setVisible(false);
  }
  lblUSDMessage.setVisible(false);
  lblSufferanceFeeMessage.setVisible(false);
}

void frmCorvane1::ClearShipment() {
  for (int i = 0; i < 8; ++i) {
    txtWeight[i].setText("");
    cboClass[i].setText("");
    lblRate[i].setCaption("");
    lblCharge[i].setCaption("");
    lblFAK[i].setCaption("");
    program_.lineClass[static_cast<std::size_t>(i)] = 0;
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
