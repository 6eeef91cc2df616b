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

class PrintoutTest : public app::ProgramDirTest {
 protected:
  void SetUp() override {
    ProgramDirTest::SetUp();
    settings = DemoForQuoting();
  }
  // The quote window on the settings, with every rating answered as Rated does.
  app::Session& Start() {
    Settings(settings);
    app::Session& s = StartQuoting();
    s.engine.SetDefaultRating(Rated);
    return s;
  }
  pricing::SettingsRecord settings;
};

// A lane from Kansas City with a class 100 and a class 300 line, as a user types them, or
// with the first line only.
void TypeLines(app::Session& s, const std::string& destination, std::size_t lines = 2) {
  s.driver.Type(s.main.txtOrigin, "64120");
  s.driver.Tab();
  s.driver.Type(s.main.txtDestination, destination);
  s.driver.Tab();
  for (const auto& [line, cls, weight] :
       {std::tuple{0, "100", "1200"}, std::tuple{1, "300", "350"}}) {
    if (static_cast<std::size_t>(line) >= lines) break;
    s.driver.Replace(s.main.cboClass[line], cls);
    s.driver.Tab();
    s.driver.Type(s.main.txtWeight[line], weight);
    s.driver.Tab();
  }
}

// Ticks the accessorial charges in the given boxes of their window.
void Tick(app::Session& s, const std::vector<int>& boxes) {
  s.desktop.modalScripts["frmAccessorialCharges"] = [&s, boxes](forms::Form& form) {
    auto& window = static_cast<pricing::frmAccessorialCharges&>(form);
    for (const int box : boxes) s.driver.Click(window.chkAccessorialCharge[box]);
    s.driver.Click(window.cmdOK);
  };
  s.driver.Click(s.main.mnuEditAccessorialCharges);
}

TEST_F(PrintoutTest, CanadianLaneWithDeficitAndCanadianTotal) {
  app::Session& s = Start();
  TypeLines(s, "M5V3L9");
  ASSERT_TRUE(s.desktop.Messages().empty()) << s.desktop.Messages()[0];
  Tick(s, {1});  // Liftgate Delivery
  // The Canadian code from column 13 and its province in columns 25-26 are on the page.
  Golden("canadian_lane.txt", Render(BuildQuotePage(s.main.Snapshot())));
}

TEST_F(PrintoutTest, UsLaneWithDeficitAndAccessorials) {
  app::Session& s = Start();
  Tick(s, {1, 4});  // Liftgate Delivery, Notify Before Delivery
  TypeLines(s, "30303");
  ASSERT_TRUE(s.desktop.Messages().empty()) << s.desktop.Messages()[0];
  Golden("us_lane_deficit_accessorials.txt", Render(BuildQuotePage(s.main.Snapshot())));
}

TEST_F(PrintoutTest, HiddenRowsGiveEmptyLinesOrCloseUp) {
  settings.FuelSurchargeLTL = 0;
  settings.FuelSurchargeTL = 0;
  settings.AccessorialsOn = 0;
  app::Session& s = Start();
  TypeLines(s, "30303", 1);
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
