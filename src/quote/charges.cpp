#include "quote/charges.h"

#include "base/number_format.h"
#include "base/text.h"
#include "quote/lines.h"
#include "quote/money.h"

namespace tarvex::quote {

namespace {

// The discount field D2(n) of a billed weight.
int Bracket(double billedWeight) {
  constexpr double kBreaks[] = {500, 1000, 2000, 5000, 10000, 20000, 30000, 40000};
  int bracket = 1;
  for (const double b : kBreaks)
    if (billedWeight >= b) ++bracket;
  return bracket;
}

// A code on the screen is Canadian when it is not empty and its numeric value is 0.
bool CanadianOnScreen(const std::string& code) {
  return !base::Trim(code).empty() && base::Val(code) == 0.0;
}

constexpr const char* kProvinces = "AB,BC,MB,NB,NF,NL,NS,NT,NU,ON,PE,PQ,QC,SK,YT,";

}  // namespace

std::optional<std::string> TotalWeightText(const engine::EngineRecord& record, bool mexicoPanel) {
  if (record.blank(engine::H15)) return std::nullopt;
  return base::NumberToText(base::Val(record.trimmed(mexicoPanel ? engine::H14 : engine::H15)));
}

ChargePanel ComposeCharges(const engine::EngineRecord& record, double floor,
                           char decimalSeparator) {
  auto amount = [&](engine::TextField<engine::InEngineRecord> field) {
    return EngineAmount(record, field, decimalSeparator);
  };
  const bool onRates = record.trimmed(engine::H33) == "R";
  auto d2 = [&](int i) { return base::Val(record.discount(1).trimmed(engine::D2, i)); };
  double percent = onRates ? 0 : d2(Bracket(base::Val(record.trimmed(engine::H15))));

  ChargePanel panel;
  double discount = 0;
  if (amount(engine::H20) < amount(engine::H16)) {
    panel.first = {"Minimum Charge", Cents(amount(engine::H16) + amount(engine::H36))};
    discount = amount(engine::H36);
    percent = d2(0);
    panel.minimumCharge = true;
  } else {
    const double first = amount(engine::H20) + amount(engine::H35);
    panel.first = {onRates ? "Discounted Charge" : "Undiscounted Charge", Cents(first)};
    discount = amount(engine::H35);
    // A discount the bracket's percentage does not explain is the 10 000 lb bracket's.
    if (base::Val(base::FormatMask(first * percent / 10000, "0.00")) !=
        base::RoundForDisplay(discount, 2))
      percent = d2(6);
  }
  panel.discount = {discount > 0
                        ? base::FormatMask(percent / 10000, "0.00%", decimalSeparator) + " Discount"
                        : "Discount",
                    Cents(discount)};
  const double net = panel.first.amount - panel.discount.amount;
  panel.net =
      net >= floor ? ChargeRow{"Net Charge", Cents(net)} : ChargeRow{"MC Floor", Cents(floor)};
  return panel;
}

double NetFreightCharge(const ChargePanel& charges, const std::optional<ChargePanel>& mexico) {
  return charges.net.amount + (mexico ? mexico->net.amount : 0);
}

QuoteTotals SurchargesAndTotals(const ChargePanel& charges,
                                const std::optional<ChargePanel>& mexico,
                                const SurchargeInput& input) {
  QuoteTotals t;
  t.charges = charges;
  t.mexico = mexico;
  const bool canadian = CanadianOnScreen(input.origin) || CanadianOnScreen(input.destination);

  const double percent = input.billedWeight < 20000
                             ? (input.mexicanLane && !input.mexico571Mode ? input.fuelSurchargeLTLMX
                                                                          : input.fuelSurchargeLTL)
                             : input.fuelSurchargeTL;
  t.fuelSurcharge = {"Fuel Surcharge", Cents(charges.net.amount * percent / 100)};
  if (t.fuelSurcharge.amount > 0 && t.fuelSurcharge.amount < 2.00) t.fuelSurcharge.amount = 2.00;

  if (t.mexico) {
    for (ChargeRow* row : {&t.mexico->first, &t.mexico->discount, &t.mexico->net})
      row->caption += " (MX)";
    for (ChargeRow* row : {&t.charges.first, &t.charges.discount, &t.charges.net, &t.fuelSurcharge})
      row->caption += canadian ? " (CAN)" : " (US)";
  }

  if (input.accessorialCharges) t.accessorialCharge = Cents(*input.accessorialCharges);
  if (base::Val(input.originCode) == 0.0 || base::Val(input.destinationCode) == 0.0) {
    if (input.borderCrossingFeeDamaged)
      t.crossBorderChargeWithheld = true;
    else
      t.crossBorderCharge = Cents(input.borderCrossingFee);
  }
  const std::string& province = input.destinationState;
  t.sufferanceNotice = base::Val(input.destination.substr(0, 3)) == 0.0 && province.size() == 2 &&
                       std::string(kProvinces).find(province + ",") != std::string::npos;
  if (input.highCostFee > 0) t.highCostFee = Cents(input.highCostFee);
  if (input.californiaSurcharge > 0) t.californiaSurcharge = Cents(input.californiaSurcharge);

  // Added in the order the program adds them, each as its label shows it.
  double total = NetFreightCharge(t.charges, t.mexico) + t.fuelSurcharge.amount;
  for (const std::optional<double>& row :
       {t.accessorialCharge, t.crossBorderCharge, t.highCostFee, t.californiaSurcharge})
    if (row) total += *row;
  t.total = {"Total Charge", Cents(total)};

  if (input.canadianExchangeFactor != 0 && canadian) {
    t.total.caption = "Total US Charge";
    t.canadianExchange = Cents(t.total.amount * input.canadianExchangeFactor / 100);
    t.totalCanadianCharge = Cents(t.total.amount + *t.canadianExchange);
  }
  return t;
}

std::optional<double> PricePerUnit(const std::string& units, const QuoteTotals* totals) {
  const double count = base::Val(units);
  if (!(count > 0)) return std::nullopt;
  double total = 0;
  if (totals != nullptr)
    total = totals->totalCanadianCharge ? *totals->totalCanadianCharge : totals->total.amount;
  return Cents(total / count);
}

}  // namespace tarvex::quote
