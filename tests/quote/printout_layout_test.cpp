// The page's fixed columns on a window that holds only the controls the printout reads.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/runtime.h"
#include "quote/printout.h"
#include "support/scripted_desktop.h"

namespace tarvex::quote {
namespace {

// Every control the printout reads, by name, as labels; captions set per test.
class QuoteWindow : public forms::Form {
 public:
  explicit QuoteWindow(forms::Runtime& rt) : Form(rt, "frmCorvane1") {
    setCaption("Demo Freight");
    for (const char* name :
         {"txtOrigin", "lblOriginState", "lblOriginTerminal", "lblServiceDays", "txtDestination",
          "lblDestinationState", "lblDestinationTerminal", "lblServiceType", "lblTerminalLabel",
          "lblServiceLabel", "lblFAKLabel", "lblIntrastateTariff", "lblDeficitLabel",
          "lblDeficitWeight", "lblDeficitRate", "lblDeficitCharge", "lblTotalWeightLabel",
          "lblTotalWeight", "lblSufferanceFeeMessage", "lblUSDMessage", "lblRBN",
          "lblDisclaimer", "optApplyInboundPricing"})
      Add(name);
    for (const char* row : {"UndiscountedChargeMX", "DiscountMX", "NetMX", "UndiscountedCharge",
                            "Discount", "Net", "FuelSurcharge", "AccessorialCharge",
                            "CrossBorderCharge", "HCSAFee", "CaliforniaSurcharge", "TotalCharge",
                            "CanCurrencyExchange", "TotalCanCharge"}) {
      Add(std::string("lbl") + row + "Label").setCaption(row);
      Add(std::string("lbl") + row).setCaption("1.00 ");
    }
    for (const char* array : {"cboClass", "lblFAK", "txtWeight", "lblRate", "lblCharge"})
      for (int i = 0; i < 8; ++i) Add(array, i);
    Get("lblTerminalLabel").setCaption("Term.");
    Get("lblServiceLabel").setCaption("Service");
    Get("lblFAKLabel").setCaption("FAK");
  }
  forms::Control& Get(const std::string& name, int index = -1) { return *Find(name, index); }

 private:
  forms::Control& Add(const std::string& name, int index = -1) {
    controls_.push_back(std::make_unique<forms::Label>(*this, name, index));
    return *controls_.back();
  }
  std::vector<std::unique_ptr<forms::Control>> controls_;
};

class PrintoutLayoutTest : public ::testing::Test {
 protected:
  std::vector<forms::PrintLine> Page() {
    const Printout page = BuildQuotePage(window);
    EXPECT_TRUE(page.document) << page.error;
    return page.document ? page.document->pages.at(0).lines : std::vector<forms::PrintLine>{};
  }
  testing::ScriptedDesktop desktop;
  forms::Runtime rt{desktop};
  QuoteWindow window{rt};
};

// Rows of the page before the totals panel.
constexpr std::size_t kHeading = 4, kOrigin = 5, kDestination = 6, kLine3 = 8, kTotals = 16;

TEST_F(PrintoutLayoutTest, HiddenHeadingCaptionsKeepTheirBlanks) {
  EXPECT_EQ(Page()[kHeading].text,
            "            Code    State Term. Service       Class   FAK  Weight     Rate     Charge");
  window.Get("lblTerminalLabel").setVisible(false);
  window.Get("lblServiceLabel").setVisible(false);
  window.Get("lblFAKLabel").setVisible(false);
  EXPECT_EQ(Page()[kHeading].text,
            "            Code    State                     Class        Weight     Rate     Charge");
}

TEST_F(PrintoutLayoutTest, CanadianCodeStateAndIntrastateCaptionInTheirColumns) {
  window.Get("txtOrigin").setText("M5V");
  window.Get("lblOriginState").setCaption("ON");
  window.Get("lblOriginTerminal").setCaption("TORO");
  window.Get("lblServiceDays").setCaption("2 Day(s)");
  window.Get("lblIntrastateTariff").setCaption("Intrastate Tariff Applies");
  window.Get("cboClass", 0).setText("77");
  window.Get("txtWeight", 0).setText("500");
  window.Get("lblCharge", 0).setCaption("123.45 ");
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
  EXPECT_EQ(page[kLine3].text.substr(0, 46),
            "Intrastate Tariff Applies                     ");
  // Empty lines still print all 86 columns of their row.
  EXPECT_EQ(page[kLine3 + 1].text, std::string(86, ' '));
}

TEST_F(PrintoutLayoutTest, HiddenTotalsRowsPrintEmptyLinesOrCloseUp) {
  const std::size_t full = Page().size();
  window.Get("lblFuelSurchargeLabel").setVisible(false);
  auto page = Page();
  ASSERT_EQ(page.size(), full);
  EXPECT_EQ(page[kTotals + 6].text, "");
  window.Get("lblCrossBorderChargeLabel").setVisible(false);
  window.Get("lblHCSAFeeLabel").setVisible(false);
  window.Get("lblCaliforniaSurchargeLabel").setVisible(false);
  page = Page();
  ASSERT_EQ(page.size(), full - 3);
  const std::string& total = page[kTotals + 8].text;
  EXPECT_EQ(total.size(), 86U);
  EXPECT_EQ(total.substr(44, 30), std::string(19, ' ') + "TotalCharge");
  EXPECT_EQ(total.substr(74), "       1.00 ");
}

TEST_F(PrintoutLayoutTest, RbnEndsInColumn84AfterThePricingDirection) {
  window.Get("lblRBN").setCaption("RBN = KR1000");
  auto find = [](const std::vector<forms::PrintLine>& page, const std::string& start) {
    for (const auto& line : page)
      if (line.text.rfind(start, 0) == 0) return line.text;
    return std::string();
  };
  std::string line = find(Page(), "Outbound Pricing Applies");
  EXPECT_EQ(line.size(), 84U);
  EXPECT_EQ(line.substr(72), "RBN = KR1000");
  window.Get("optApplyInboundPricing").setValue(1);
  line = find(Page(), "Inbound Pricing Applies");
  EXPECT_EQ(line.size(), 84U);
  EXPECT_EQ(line.substr(72), "RBN = KR1000");
  // A reference too long for the line is printed whole after the direction.
  window.Get("lblRBN").setCaption(std::string(70, 'R'));
  line = find(Page(), "Inbound Pricing Applies");
  EXPECT_EQ(line, "Inbound Pricing Applies" + std::string(70, 'R'));
}

TEST_F(PrintoutLayoutTest, DisclaimerWordLongerThanTheLineIsCut) {
  window.Get("lblDisclaimer").setCaption("Rates " + std::string(100, 'x') + " apply");
  const auto page = Page();
  const std::size_t n = page.size();
  ASSERT_GE(n, 3U);
  EXPECT_EQ(page[n - 3].text, "Rates");
  EXPECT_EQ(page[n - 2].text, std::string(94, 'x'));
  EXPECT_EQ(page[n - 1].text, "xxxxxx apply");
  window.Get("lblDisclaimer").setVisible(false);
  EXPECT_EQ(Page().size(), n - 3);
}

}  // namespace
}  // namespace tarvex::quote
