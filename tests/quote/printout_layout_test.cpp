// The page's fixed columns, from quotes made up field by field.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "quote/printout.h"

namespace tarvex::quote {
namespace {

// A quote with every row shown: panel rows captioned with their names, all amounts 1.00.
QuoteSheet FullSheet() {
  QuoteSheet sheet;
  sheet.title = "Demo Freight";
  sheet.terminalHeading = "Term.";
  sheet.serviceHeading = "Service";
  sheet.fakHeading = "FAK";
  sheet.deficit = DeficitRow{};
  sheet.totalWeight = WeightRow{};
  TotalsPanel& p = sheet.totals;
  const std::pair<std::optional<PanelRow>*, const char*> rows[] = {
      {&p.undiscountedChargeMX, "UndiscountedChargeMX"},
      {&p.discountMX, "DiscountMX"},
      {&p.netMX, "NetMX"},
      {&p.undiscountedCharge, "UndiscountedCharge"},
      {&p.discount, "Discount"},
      {&p.net, "Net"},
      {&p.fuelSurcharge, "FuelSurcharge"},
      {&p.accessorialCharge, "AccessorialCharge"},
      {&p.crossBorderCharge, "CrossBorderCharge"},
      {&p.highCostFee, "HCSAFee"},
      {&p.californiaSurcharge, "CaliforniaSurcharge"},
      {&p.totalCharge, "TotalCharge"},
      {&p.canadianExchange, "CanCurrencyExchange"},
      {&p.totalCanadianCharge, "TotalCanCharge"},
  };
  for (const auto& [row, name] : rows) *row = PanelRow{name, "1.00 "};
  sheet.sufferanceNotice = "";
  sheet.currencyNotice = "";
  sheet.disclaimer = "";
  return sheet;
}

class PrintoutLayoutTest : public ::testing::Test {
 protected:
  std::vector<forms::PrintLine> Page() { return BuildQuotePage(sheet).pages.at(0).lines; }
  QuoteSheet sheet = FullSheet();
};

// Rows of the page before the totals panel.
constexpr std::size_t kHeading = 4, kOrigin = 5, kDestination = 6, kLine3 = 8, kTotals = 16;

TEST_F(PrintoutLayoutTest, HiddenHeadingCaptionsKeepTheirBlanks) {
  EXPECT_EQ(
      Page()[kHeading].text,
      "            Code    State Term. Service       Class   FAK  Weight     Rate     Charge");
  sheet.terminalHeading.reset();
  sheet.serviceHeading.reset();
  sheet.fakHeading.reset();
  EXPECT_EQ(
      Page()[kHeading].text,
      "            Code    State                     Class        Weight     Rate     Charge");
}

TEST_F(PrintoutLayoutTest, CanadianCodeStateAndIntrastateCaptionInTheirColumns) {
  sheet.origin = {"M5V", "ON", "TORO", "2 Day(s)"};
  sheet.intrastateTariff = "Intrastate Tariff Applies";
  sheet.lines[0].lineClass = "77";
  sheet.lines[0].weight = "500";
  sheet.lines[0].charge = "123.45 ";
  const auto page = Page();
  const std::string& origin = page[kOrigin].text;
  EXPECT_EQ(origin.substr(0, 12), "Origin      ");
  EXPECT_EQ(origin.substr(12, 8), "M5V     ");
  EXPECT_EQ(origin.substr(24, 2), "ON");
  EXPECT_EQ(origin.substr(26, 6), "TORO  ");
  EXPECT_EQ(origin.substr(32, 10), "2 Day(s)  ");
  EXPECT_EQ(origin.substr(46, 4), "  77");
  EXPECT_EQ(origin.substr(57, 8), "     500");
  EXPECT_EQ(origin.substr(75), "    123.45 ");
  EXPECT_EQ(page[kOrigin].bold, (std::vector<std::pair<int, int>>{{0, 12}}));
  EXPECT_EQ(page[kDestination].text.substr(0, 12), "Destination ");
  EXPECT_EQ(page[kLine3].text.substr(0, 46), "Intrastate Tariff Applies                     ");
  // Empty lines still print all 86 columns of their row.
  EXPECT_EQ(page[kLine3 + 1].text, std::string(86, ' '));
}

TEST_F(PrintoutLayoutTest, HiddenTotalsRowsPrintEmptyLinesOrCloseUp) {
  const std::size_t full = Page().size();
  sheet.totals.fuelSurcharge.reset();
  auto page = Page();
  ASSERT_EQ(page.size(), full);
  EXPECT_EQ(page[kTotals + 6].text, "");
  sheet.totals.crossBorderCharge.reset();
  sheet.totals.highCostFee.reset();
  sheet.totals.californiaSurcharge.reset();
  page = Page();
  ASSERT_EQ(page.size(), full - 3);
  const std::string& total = page[kTotals + 8].text;
  EXPECT_EQ(total.size(), 86U);
  EXPECT_EQ(total.substr(44, 30), std::string(19, ' ') + "TotalCharge");
  EXPECT_EQ(total.substr(74), "       1.00 ");
}

TEST_F(PrintoutLayoutTest, RbnEndsInColumn84AfterThePricingDirection) {
  sheet.rbn = "RBN = KR1000";
  auto find = [](const std::vector<forms::PrintLine>& page, const std::string& start) {
    for (const auto& line : page)
      if (line.text.rfind(start, 0) == 0) return line.text;
    return std::string();
  };
  std::string line = find(Page(), "Outbound Pricing Applies");
  EXPECT_EQ(line.size(), 84U);
  EXPECT_EQ(line.substr(72), "RBN = KR1000");
  sheet.inboundPricing = true;
  line = find(Page(), "Inbound Pricing Applies");
  EXPECT_EQ(line.size(), 84U);
  EXPECT_EQ(line.substr(72), "RBN = KR1000");
  // A reference too long for the line is printed whole after the direction.
  sheet.rbn = std::string(70, 'R');
  line = find(Page(), "Inbound Pricing Applies");
  EXPECT_EQ(line, "Inbound Pricing Applies" + std::string(70, 'R'));
}

TEST_F(PrintoutLayoutTest, DisclaimerWordLongerThanTheLineIsCut) {
  sheet.disclaimer = "Rates " + std::string(100, 'x') + " apply";
  const auto page = Page();
  const std::size_t n = page.size();
  ASSERT_GE(n, 3U);
  EXPECT_EQ(page[n - 3].text, "Rates");
  EXPECT_EQ(page[n - 2].text, std::string(94, 'x'));
  EXPECT_EQ(page[n - 1].text, "xxxxxx apply");
  sheet.disclaimer.reset();
  EXPECT_EQ(Page().size(), n - 3);
}

}  // namespace
}  // namespace tarvex::quote
