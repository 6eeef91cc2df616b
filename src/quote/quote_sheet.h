// What the printed quote shows: the quote window's contents as the screen shows them, each
// text empty and each row absent where the window hides it.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace tarvex::quote {

// Origin or destination: code, state or province, terminal, and service days or type.
struct PointRow {
  std::string code;
  std::string state;
  std::string terminal;
  std::string service;
};

// One shipment line as shown: class, FAK class, weight, rate and charge.
struct LineRow {
  std::string lineClass;
  std::string fakClass;
  std::string weight;
  std::string rate;
  std::string charge;
};

struct DeficitRow {
  std::string caption;
  std::string weight;
  std::string rate;
  std::string charge;
};

struct WeightRow {
  std::string caption;
  std::string weight;
};

// A caption and its amount on the totals panel.
struct PanelRow {
  std::string caption;
  std::string amount;
};

// The totals panel, top to bottom; a row is absent while its caption is hidden.
struct TotalsPanel {
  std::optional<PanelRow> undiscountedChargeMX;
  std::optional<PanelRow> discountMX;
  std::optional<PanelRow> netMX;
  std::optional<PanelRow> undiscountedCharge;
  std::optional<PanelRow> discount;
  std::optional<PanelRow> net;
  std::optional<PanelRow> fuelSurcharge;
  std::optional<PanelRow> accessorialCharge;
  std::optional<PanelRow> crossBorderCharge;
  std::optional<PanelRow> highCostFee;
  std::optional<PanelRow> californiaSurcharge;
  std::optional<PanelRow> totalCharge;
  std::optional<PanelRow> canadianExchange;
  std::optional<PanelRow> totalCanadianCharge;
};

struct QuoteSheet {
  std::string title;  // the window's caption
  // Column headings over terminal, service and FAK class; absent while hidden.
  std::optional<std::string> terminalHeading;
  std::optional<std::string> serviceHeading;
  std::optional<std::string> fakHeading;
  PointRow origin;
  PointRow destination;
  std::array<LineRow, 8> lines;
  std::string intrastateTariff;
  std::optional<DeficitRow> deficit;
  std::optional<WeightRow> totalWeight;
  TotalsPanel totals;
  std::optional<std::string> sufferanceNotice;
  std::optional<std::string> currencyNotice;
  bool inboundPricing = false;
  std::string rbn;
  std::optional<std::string> disclaimer;
};

}  // namespace tarvex::quote
