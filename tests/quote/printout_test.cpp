// The printed quote, line by line against golden pages made from quotes on the quote window.
#include "quote/printout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <tuple>

#include "app/app_session.h"
#include "base/files.h"
#include "pricing/frm_accessorial_charges.h"

namespace tarvex::quote {
namespace {

using engine::EngineRecord;

// Pages as text, bold spans marked with * on the line below.
std::string Render(const forms::PrintDocument& document) {
  std::string out;
  for (const forms::PrintLine& line : document.pages.at(0).lines) {
    out += line.text + "\n";
    if (line.bold.empty()) continue;
    std::string marks(line.text.size(), ' ');
    for (const auto& [start, length] : line.bold)
      for (int i = start; i < start + length; ++i) marks[static_cast<std::size_t>(i)] = '*';
    out += base::TrimRight(marks) + "\n";
  }
  return out;
}

void Golden(const std::string& name, const std::string& page) {
  const auto file = std::filesystem::path(TARVEX_FIXTURES_DIR) / "quote" / name;
  if (std::getenv("TARVEX_WRITE_GOLDEN") != nullptr) std::ofstream(file) << page;
  EXPECT_EQ(page, base::FileToString(file)) << "golden page " << name;
}

class PrintoutTest : public app::ProgramDirTest {
 protected:
  void SetUp() override {
    ProgramDirTest::SetUp();
    settings = DemoForQuoting();
  }
  pricing::SettingsRecord settings;
};

void Rated(EngineRecord& r) {
  r.setText(engine::H2, "");
  r.setText(engine::H13, r.trimmed(engine::H4) == "MILE0001" ? "812" : "KR1000");
  r.setText(engine::H14, "1550");
  r.setText(engine::H15, "2000");
  r.setText(engine::H16, "135.00");
  r.setText(engine::H17, "39.52");
  r.setText(engine::H18, "450");
  r.setText(engine::H19, "177.84");
  r.setText(engine::H20, "1066.04");
  r.setText(engine::H35, "0.00");
  r.setText(engine::H36, "0.00");
  r.line(1).setText(engine::L4, "39.52");
  r.line(1).setText(engine::L5, "474.24");
  r.line(2).setText(engine::L4, "118.56");
  r.line(2).setText(engine::L5, "414.96");
}

// A lane from Kansas City with a class 100 and a class 300 line, as a user types them.
void TwoLines(app::Session& s, const std::string& destination) {
  s.driver.Type(s.main.txtOrigin, "64120");
  s.driver.Tab();
  s.driver.Type(s.main.txtDestination, destination);
  s.driver.Tab();
  for (const auto& [line, cls, weight] :
       {std::tuple{0, "100", "1200"}, std::tuple{1, "300", "350"}}) {
    s.driver.Replace(s.main.cboClass[line], cls);
    s.driver.Tab();
    s.driver.Type(s.main.txtWeight[line], weight);
    s.driver.Tab();
  }
}

TEST_F(PrintoutTest, CanadianLaneWithDeficitAndCanadianTotal) {
  Settings(settings);
  app::Session& s = StartQuoting();
  s.engine.SetDefaultRating(Rated);
  TwoLines(s, "M5V3L9");
  ASSERT_TRUE(s.desktop.Messages().empty()) << s.desktop.Messages()[0];
  s.desktop.modalScripts["frmAccessorialCharges"] = [&s](forms::Form& form) {
    auto& window = static_cast<pricing::frmAccessorialCharges&>(form);
    ASSERT_EQ(window.chkAccessorialCharge[1].caption(), "Liftgate Delivery");
    s.driver.Click(window.chkAccessorialCharge[1]);
    s.driver.Click(window.cmdOK);
  };
  s.driver.Click(s.main.mnuEditAccessorialCharges);
  EXPECT_EQ(s.main.lblAccessorialCharge.caption(), "95.00 ");
  const forms::PrintDocument page = BuildQuotePage(s.main.Snapshot());
  Golden("canadian_lane.txt", Render(page));
  const auto& lines = page.pages[0].lines;
  // The Canadian code from column 13, its province in columns 25-26.
  EXPECT_EQ(lines[6].text.substr(12, 8), "M5V3L9  ");
  EXPECT_EQ(lines[6].text.substr(24, 2), "ON");
}

TEST_F(PrintoutTest, UsLaneWithDeficitAndAccessorials) {
  Settings(settings);
  app::Session& s = StartQuoting();
  s.engine.SetDefaultRating(Rated);
  s.desktop.modalScripts["frmAccessorialCharges"] = [&s](forms::Form& form) {
    auto& window = static_cast<pricing::frmAccessorialCharges&>(form);
    s.driver.Click(window.chkAccessorialCharge[1]);  // Liftgate Delivery
    s.driver.Click(window.chkAccessorialCharge[4]);  // Notify Before Delivery
    s.driver.Click(window.cmdOK);
  };
  s.driver.Click(s.main.mnuEditAccessorialCharges);
  TwoLines(s, "30303");
  ASSERT_TRUE(s.desktop.Messages().empty()) << s.desktop.Messages()[0];
  EXPECT_EQ(s.main.lblAccessorialCharge.caption(), "113.00 ");
  Golden("us_lane_deficit_accessorials.txt", Render(BuildQuotePage(s.main.Snapshot())));
}

TEST_F(PrintoutTest, HiddenRowsGiveEmptyLinesOrCloseUp) {
  settings.FuelSurchargeLTL = 0;
  settings.FuelSurchargeTL = 0;
  settings.AccessorialsOn = 0;
  Settings(settings);
  app::Session& s = StartQuoting();
  s.engine.SetDefaultRating(Rated);
  s.driver.Type(s.main.txtOrigin, "64120");
  s.driver.Tab();
  s.driver.Type(s.main.txtDestination, "30303");
  s.driver.Tab();
  s.driver.Replace(s.main.cboClass[0], "100");
  s.driver.Tab();
  s.driver.Type(s.main.txtWeight[0], "1200");
  s.driver.Tab();
  s.main.lblFuelSurchargeLabel.setVisible(false);
  Golden("us_lane_hidden_rows.txt", Render(BuildQuotePage(s.main.Snapshot())));
}

TEST(DisclaimerTest, BrokenBeforeABlankAndNeverLonger) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "freight" + std::to_string(i) + " ";
  const auto lines = WrapDisclaimer(base::Trim(text));
  ASSERT_GT(lines.size(), 3U);
  std::string joined;
  for (const auto& l : lines) {
    EXPECT_LE(l.size(), kDisclaimerWidth) << l;
    EXPECT_NE(l.front(), ' ');
    joined += (joined.empty() ? "" : " ") + l;
  }
  EXPECT_EQ(joined, base::Trim(text));
  const auto broken = WrapDisclaimer("First line\r\nSecond line");
  EXPECT_EQ(broken, (std::vector<std::string>{"First line", "Second line"}));
}

}  // namespace
}  // namespace tarvex::quote
