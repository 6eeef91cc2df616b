// The quote's amounts after a rating: the charge panels (before discount, discount, net with
// the lane's floor), the surcharges, the total with its Canadian conversion, and the price
// per unit. Every amount is in cents, as its label shows it.
#pragma once

#include <optional>
#include <string>

#include "engine/engine_record.h"

namespace tarvex::quote {

// A caption and its amount on the totals panel.
struct ChargeRow {
  std::string caption;
  double amount = 0;
};

// One charge panel: the charge before discount, the discount and the net charge.
struct ChargePanel {
  ChargeRow first;
  ChargeRow discount;
  ChargeRow net;
  // The engine's total fell below the minimum charge: the per-line results are hidden.
  bool minimumCharge = false;
};

// The total weight the window shows after a rating: H14 on a lane of the Mexico panel,
// otherwise the billed weight H15; nothing when H15 is blank.
std::optional<std::string> TotalWeightText(const engine::EngineRecord& record, bool mexicoPanel);

// Composes a panel from the engine's answer (H15, H16, H20, H33, H35, H36, D2) and the lane's
// floor in dollars (0 for none).
ChargePanel ComposeCharges(const engine::EngineRecord& record, double floor, char decimalSeparator);

// The net freight charge of the quote: the US/Canada panel's, with the Mexico panel's added.
double NetFreightCharge(const ChargePanel& charges, const std::optional<ChargePanel>& mexico);

// What the surcharges and the total depend on besides the panels.
struct SurchargeInput {
  std::string origin;  // the codes as typed on the screen
  std::string destination;
  std::string destinationState;  // the province or state shown for the destination
  std::string originCode;        // the engine's codes, H7 and H9
  std::string destinationCode;
  double billedWeight = 0;  // H15
  bool mexicanLane = false;
  bool mexico571Mode = false;
  double fuelSurchargeLTL = 0;  // percentages of the settings
  double fuelSurchargeLTLMX = 0;
  double fuelSurchargeTL = 0;
  double canadianExchangeFactor = 0;
  double borderCrossingFee = 0;
  // The fee's file is damaged: a lane that would carry the fee goes without it.
  bool borderCrossingFeeDamaged = false;
  std::optional<double> accessorialCharges;  // when accessorial charges are in use
  double highCostFee = 0;                    // 0 when the lane has none
  double californiaSurcharge = 0;
};

// The totals panel of a rated quote.
struct QuoteTotals {
  // The Mexico panel, when the lane shows it; its captions then end in " (MX)".
  std::optional<ChargePanel> mexico;
  // The US/Canada panel; with the Mexico panel its captions end in " (US)" or " (CAN)".
  ChargePanel charges;
  ChargeRow fuelSurcharge;
  // The optional rows, each shown only when present.
  std::optional<double> accessorialCharge;
  std::optional<double> crossBorderCharge;
  // The lane would carry the fee, but its file is damaged: the window says so.
  bool crossBorderChargeWithheld = false;
  std::optional<double> highCostFee;
  std::optional<double> californiaSurcharge;
  ChargeRow total;  // "Total Charge", or "Total US Charge" with the Canadian total
  std::optional<double> canadianExchange;
  std::optional<double> totalCanadianCharge;
  bool sufferanceNotice = false;
};

// The surcharges and the total after the panels: fuel surcharge (at least 2.00 when there is
// one), accessorial charges, cross-border fee, high-cost area fee, California surcharge, and
// the Canadian currency total when the factor is set and an end on the screen is Canadian.
QuoteTotals SurchargesAndTotals(const ChargePanel& charges,
                                const std::optional<ChargePanel>& mexico,
                                const SurchargeInput& input);

// The total per unit for the units box text: of the Canadian total when there is one, else of
// the total (0 without a quote); nothing when the units are not above 0.
std::optional<double> PricePerUnit(const std::string& units, const QuoteTotals* totals);

}  // namespace tarvex::quote
