// The quote's amounts without a window: charge panels, surcharges, totals, price per unit.
#include "quote/charges.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "base/number_format.h"
#include "base/text.h"
#include "quote/money.h"

namespace tarvex::quote {
namespace {

using engine::EngineRecord;

// An engine answer: total H20 with discount H35 at billed weight H15, minimum H16 with H36.
EngineRecord Answer(const char* h20, const char* h35, const char* h16 = "50.00",
                    const char* h36 = "0", const char* h15 = "1500") {
  EngineRecord r;
  r.setText(engine::H14, "1200");
  r.setText(engine::H15, h15);
  r.setText(engine::H16, h16);
  r.setText(engine::H20, h20);
  r.setText(engine::H35, h35);
  r.setText(engine::H36, h36);
  r.setText(engine::H33, "C");
  for (int i = 0; i <= 9; ++i) r.discount(1).setText(engine::D2, i, " 0000");
  return r;
}

TEST(MoneyTest, CentsAreWhatTheLabelReadsBackAndShowTheSameText) {
  // The window adds amounts as its labels show them; Cents must be that read-back exactly,
  // whatever the separator, and showing it again must not move a cent.
  std::mt19937 random(20260);
  std::uniform_real_distribution<double> amounts(-5000.0, 250000.0);
  std::vector<double> values = {0.0, 0.005, 0.015, 2.345, 1.255, 99999.995, 1e15, -0.004};
  for (int i = 0; i < 20000; ++i) values.push_back(amounts(random));
  for (int i = 0; i < 2000; ++i) values.push_back(static_cast<double>(i) / 200.0);  // half cents
  for (const double v : values)
    for (const char separator : {'.', ','}) {
      const std::string shown = Money(v, separator);
      ASSERT_EQ(base::ValLocal(shown, separator), Cents(v)) << shown;
      ASSERT_EQ(Money(Cents(v), separator), shown) << v;
    }
}

TEST(ComposeChargesTest, BelowTheMinimumTheMinimumChargeAndItsDiscountAreShown) {
  EngineRecord r = Answer("95.00", "0", "110.00", "20.00");
  r.discount(1).setText(engine::D2, 0, "1538");
  const ChargePanel panel = ComposeCharges(r, 0, '.');
  EXPECT_EQ(panel.discount.caption, "15.38% Discount");  // the minimum's percentage
  EXPECT_TRUE(panel.minimumCharge);
}

TEST(ComposeChargesTest, TheBilledWeightPicksTheBracketOfTheShownPercentage) {
  // Bracket b carries b x 10 %; the engine's discount agrees with it, so it is shown.
  using Case = std::tuple<const char*, const char*>;
  for (const auto& [billed, caption] :
       {Case{"499", "10.00% Discount"}, Case{"500", "20.00% Discount"},
        Case{"999", "20.00% Discount"}, Case{"1000", "30.00% Discount"},
        Case{"4999", "40.00% Discount"}, Case{"19999", "60.00% Discount"},
        Case{"20000", "70.00% Discount"}, Case{"39999", "80.00% Discount"},
        Case{"40000", "90.00% Discount"}}) {
    const int percent = static_cast<int>(base::Val(caption));
    EngineRecord r = Answer(base::FormatMask(1000 - percent * 10, "0.00").c_str(),
                            base::FormatMask(percent * 10, "0.00").c_str(), "50.00", "0", billed);
    for (int b = 1; b <= 9; ++b)
      r.discount(1).setText(engine::D2, b, " " + std::to_string(b * 1000));
    EXPECT_EQ(ComposeCharges(r, 0, '.').discount.caption, caption) << billed;
  }
}

TEST(ComposeChargesTest, ADiscountTheBracketDoesNotExplainShowsThe10000PoundPercentage) {
  EngineRecord r = Answer("700.00", "300.00");
  r.discount(1).setText(engine::D2, 3, " 6500");
  r.discount(1).setText(engine::D2, 6, " 3000");
  EXPECT_EQ(ComposeCharges(r, 0, ',').discount.caption, "30,00% Discount");
}

TEST(ComposeChargesTest, TheFloorHoldsTheNetOnlyWhenTheNetIsBelowIt) {
  // The floor is compared as kept (to four places) and shown in cents.
  using Case = std::tuple<double, double, const char*>;
  for (const auto& [floor, net, caption] :
       {Case{90.00, 90.00, "MC Floor"}, Case{85.00, 85.00, "Net Charge"},
        Case{0, 85.00, "Net Charge"}, Case{85.0001, 85.00, "MC Floor"},
        Case{85.006, 85.01, "MC Floor"}}) {
    const ChargePanel panel = ComposeCharges(Answer("85.00", "0"), floor, '.');
    EXPECT_EQ(panel.net.caption, caption) << floor;
    EXPECT_EQ(panel.net.amount, net) << floor;
  }
}

TEST(ComposeChargesTest, TheNetIsTheDifferenceOfTheShownAmounts) {
  // 1000.005 shows 1000.01 and 0.004 shows 0.00: the net is 1000.01, not 1000.00.
  const ChargePanel panel = ComposeCharges(Answer("1000.001", "0.004"), 0, '.');
  EXPECT_EQ(Money(panel.first.amount, '.'), "1000.01 ");
  EXPECT_EQ(Money(panel.discount.amount, '.'), "0.00 ");
  EXPECT_EQ(Money(panel.net.amount, '.'), "1000.01 ");
  EXPECT_EQ(panel.discount.caption, "0.00% Discount");  // an amount above 0, however small
}

TEST(ComposeChargesTest, AmountsWithTheDecimalComma) {
  const ChargePanel panel = ComposeCharges(Answer("300,40", "0", "50,00"), 0, ',');
  EXPECT_EQ(Money(panel.net.amount, ','), "300,40 ");
}

TEST(ComposeChargesTest, TotalWeightIsTheBilledWeightOrTheActualOnTheMexicoPanel) {
  const EngineRecord r = Answer("300.00", "0");
  // The billed weight otherwise is on the golden printed pages.
  EXPECT_EQ(TotalWeightText(r, true), "1200");
  EXPECT_FALSE(TotalWeightText(Answer("300.00", "0", "50.00", "0", ""), false));
}

ChargePanel Panel(double net) {
  ChargePanel panel;
  panel.first = {"Undiscounted Charge", net};
  panel.discount = {"Discount", 0};
  panel.net = {"Net Charge", net};
  return panel;
}

SurchargeInput UsLane() {
  SurchargeInput in;
  in.origin = in.originCode = "64120";
  in.destination = in.destinationCode = "30303";
  in.destinationState = "GA";
  in.billedWeight = 1500;
  in.fuelSurchargeLTL = 24.5;
  in.fuelSurchargeLTLMX = 30;
  in.fuelSurchargeTL = 18.25;
  in.canadianExchangeFactor = 40;
  in.borderCrossingFee = 35;
  return in;
}

// Below two dollars a fuel surcharge is raised to two, but none stays none.
TEST(SurchargesTest, FuelSurchargePercentageByWeightAndLaneAndAtLeastTwoDollars) {
  using Case = std::tuple<double, double, double, bool, bool, double>;
  for (const auto& [net, percent, billed, mexicanLane, mexicoMode, fuel] :
       {Case{300, 24.5, 19999, false, false, 73.50}, Case{300, 24.5, 20000, false, false, 54.75},
        Case{300, 24.5, 1500, true, false, 90.00}, Case{300, 24.5, 1500, true, true, 73.50},
        Case{300, 24.5, 25000, true, false, 54.75}, Case{125, 1.0, 1500, false, false, 2.00},
        Case{0.4, 1.0, 1500, false, false, 0.00}, Case{125, 0, 1500, false, false, 0.00}}) {
    SurchargeInput in = UsLane();
    in.fuelSurchargeLTL = percent;
    in.billedWeight = billed;
    in.mexicanLane = mexicanLane;
    in.mexico571Mode = mexicoMode;
    const QuoteTotals t = SurchargesAndTotals(Panel(net), std::nullopt, in);
    EXPECT_EQ(t.fuelSurcharge.amount, fuel) << net << " " << percent << " " << billed;
    EXPECT_EQ(t.fuelSurcharge.caption, "Fuel Surcharge");
  }
}

TEST(SurchargesTest, BothPanelsCarryTheirCurrencies) {
  ChargePanel mexico = Panel(200);
  for (const auto& [destination, suffix] :
       {std::pair{"30303", " (US)"}, std::pair{"M5V3L9", " (CAN)"}}) {
    SurchargeInput in = UsLane();
    in.destination = destination;
    in.mexicanLane = in.mexico571Mode = true;
    const QuoteTotals t = SurchargesAndTotals(Panel(300), mexico, in);
    ASSERT_TRUE(t.mexico);
    EXPECT_EQ(t.mexico->first.caption, "Undiscounted Charge (MX)");
    EXPECT_EQ(t.charges.discount.caption, std::string("Discount") + suffix);
    EXPECT_EQ(t.fuelSurcharge.caption, std::string("Fuel Surcharge") + suffix);
    EXPECT_EQ(t.total.amount, 300 + 200 + 73.50) << "both nets, fuel on the US/Canada net";
  }
}

// Without an exchange factor there is no Canadian total.
TEST(SurchargesTest, CanadianLanesCarryTheBorderFeeTheExchangeAndTheSufferanceNotice) {
  using Case = std::tuple<const char*, const char*, const char*, double, bool, bool, bool>;
  for (const auto& [origin, destination, province, factor, border, exchange, notice] :
       {Case{"64120", "30303", "GA", 40, false, false, false},
        Case{"64120", "M5V3L9", "ON", 40, true, true, true},
        Case{"64120", "M5V", "PQ", 40, true, true, true},
        Case{"64120", "A0A1A0", "XX", 40, true, true, false},
        Case{"M5V3L9", "30303", "GA", 40, true, true, false},
        Case{"64120", "M5V3L9", "ON", 0, true, false, true}}) {
    SurchargeInput in = UsLane();
    in.origin = in.originCode = origin;
    in.destination = in.destinationCode = destination;
    in.destinationState = province;
    in.canadianExchangeFactor = factor;
    const QuoteTotals t = SurchargesAndTotals(Panel(125), std::nullopt, in);
    SCOPED_TRACE(std::string(origin) + " " + destination + " " + std::to_string(factor));
    EXPECT_EQ(t.crossBorderCharge.has_value(), border);
    EXPECT_EQ(t.canadianExchange.has_value(), exchange);
    EXPECT_EQ(t.totalCanadianCharge.has_value(), exchange);
    EXPECT_EQ(t.total.caption, exchange ? "Total US Charge" : "Total Charge");
    EXPECT_EQ(t.sufferanceNotice, notice);
  }
}

TEST(SurchargesTest, OptionalRowsOnlyWhenThereIsAnAmount) {
  SurchargeInput in = UsLane();
  QuoteTotals t = SurchargesAndTotals(Panel(100), std::nullopt, in);
  EXPECT_FALSE(t.accessorialCharge || t.crossBorderCharge || t.highCostFee ||
               t.californiaSurcharge);
  in.accessorialCharges = 0;  // accessorials in use, none ticked: the row shows 0.00
  in.highCostFee = 0.001;     // a fee shows, if only as 0.00
  in.californiaSurcharge = 12.5;
  t = SurchargesAndTotals(Panel(100), std::nullopt, in);
  EXPECT_EQ(t.accessorialCharge, 0.0);
  EXPECT_EQ(t.highCostFee, 0.0);
  EXPECT_EQ(t.californiaSurcharge, 12.5);
}

TEST(SurchargesTest, TheTotalIsTheSumOfTheShownRowsToTheCent) {
  // Amounts are added as their labels show them, so the panel always adds up.
  std::mt19937 random(4711);
  std::uniform_real_distribution<double> amount(0.0, 900.0);
  std::uniform_real_distribution<double> percent(0.0, 40.0);
  std::bernoulli_distribution coin(0.5);
  for (int i = 0; i < 5000; ++i) {
    SurchargeInput in = UsLane();
    in.fuelSurchargeLTL = percent(random);
    if (coin(random)) in.accessorialCharges = amount(random);
    if (coin(random)) in.destination = in.destinationCode = "M5V3L9";
    in.destinationState = "ON";
    in.highCostFee = coin(random) ? amount(random) : 0;
    in.californiaSurcharge = coin(random) ? amount(random) : 0;
    in.canadianExchangeFactor = percent(random);
    std::optional<ChargePanel> mexico;
    if (coin(random)) mexico = Panel(Cents(amount(random)));
    in.mexicanLane = in.mexico571Mode = mexico.has_value();
    const QuoteTotals t = SurchargesAndTotals(Panel(Cents(amount(random))), mexico, in);

    // The cents an amount shows.
    auto shown = [](double v) { return std::round(base::Val(base::FormatMask(v, "0.00")) * 100); };
    double cents = shown(t.charges.net.amount) + shown(t.fuelSurcharge.amount);
    if (t.mexico) cents += shown(t.mexico->net.amount);
    for (const auto& row :
         {t.accessorialCharge, t.crossBorderCharge, t.highCostFee, t.californiaSurcharge})
      if (row) cents += shown(*row);
    ASSERT_EQ(std::round(t.total.amount * 100), cents) << i;
    if (t.canadianExchange) {
      ASSERT_EQ(std::round(*t.totalCanadianCharge * 100),
                std::round(t.total.amount * 100) + std::round(*t.canadianExchange * 100))
          << i;
    }
  }
}

// Of the Canadian total where there is one: the quote window test checks that.
TEST(PricePerUnitTest, TheTotalPerUnitToTheCentAndNoneWithoutUnits) {
  SurchargeInput in = UsLane();
  in.fuelSurchargeLTL = 0;
  const QuoteTotals t = SurchargesAndTotals(Panel(10), std::nullopt, in);
  EXPECT_EQ(PricePerUnit("4", &t), 2.50);
  EXPECT_EQ(PricePerUnit("3", &t), 3.33);
  EXPECT_FALSE(PricePerUnit("", &t));
  EXPECT_FALSE(PricePerUnit("0", &t));
  EXPECT_EQ(PricePerUnit("4", nullptr), 0.0);  // no quote: a total of 0
}

}  // namespace
}  // namespace tarvex::quote
