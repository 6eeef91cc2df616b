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
constexpr std::size_t kHeading = 4, kOrigin = 5, kLine3 = 8;

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
  EXPECT_EQ(
      page[kOrigin].text,
      "Origin      M5V         ONTORO  2 Day(s)        77            500              123.45 ");
  EXPECT_EQ(page[kLine3].text.substr(0, 46), "Intrastate Tariff Applies                     ");
}

TEST_F(PrintoutLayoutTest, RbnEndsInColumn84AfterThePricingDirection) {
  sheet.rbn = "RBN = KR1000";
  auto find = [](const std::vector<forms::PrintLine>& page, const std::string& start) {
    for (const auto& line : page)
      if (line.text.rfind(start, 0) == 0) return line.text;
    return std::string();
  };
  EXPECT_EQ(find(Page(), "Outbound"),
            "Outbound Pricing Applies" + std::string(48, ' ') + "RBN = KR1000");
  sheet.inboundPricing = true;
  EXPECT_EQ(find(Page(), "Inbound"),
            "Inbound Pricing Applies" + std::string(49, ' ') + "RBN = KR1000");
  // A reference too long for the line is printed whole after the direction.
  sheet.rbn = std::string(70, 'R');
  EXPECT_EQ(find(Page(), "Inbound"), "Inbound Pricing Applies" + std::string(70, 'R'));
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
