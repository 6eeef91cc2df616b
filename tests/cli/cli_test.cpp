// tarvex-cli: the same quote as the window gives, and batches that go on past bad rows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/instance_lock.h"
#include "base/files.h"
#include "base/text.h"
#include "cli/density_run.h"
#include "cli/quote_run.h"
#include "engine/vorn_library.h"
#include "pricing/frm_discounts.h"
#include "support/demo_program.h"
#include "support/program_dir.h"

namespace tarvex::cli {
namespace {

namespace fs = std::filesystem;

// A copy of the demo program directory, so that each test runs its own program.
class CliTest : public testing::ProgramDirTest {
 protected:
  CliTest() : ProgramDirTest(testing::ScratchDir::Contents::Demo) {}
  // `before` goes ahead of the command in the shell: variables, ulimit, traps.
  int Run(const std::string& arguments, const fs::path& out, const std::string& before = "") {
    const std::string command = before + " " + (dir_ / "tarvex-cli").string() + " --data " +
                                data_.string() + " " + arguments + " > " + out.string() + " 2> " +
                                (dir_ / "stderr.txt").string();
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  fs::path data_ = dir_;  // the program directory the command line reads
};

TEST_F(CliTest, EachQuoteOfASessionStartsFromANewShipment) {
  QuoteSession session(dir_.string(), '.');
  ASSERT_TRUE(session.startupMessages().empty()) << session.startupMessages()[0];
  QuoteInput input;
  input.origin = "64120";
  input.destination = "30303";
  input.lines = {{"100", "1200"}, {"70", "350"}};
  const QuoteOutput out = session.Quote(input);
  ASSERT_TRUE(out.ok()) << out.messages[0];
  EXPECT_NE(out.Field("lblCharge(1)"), "");
  // The second quote has one line where the first had two.
  input.destination = "M5V3L9";
  input.lines = {{"85", "600"}};
  const QuoteOutput canada = session.Quote(input);
  ASSERT_TRUE(canada.ok()) << canada.messages[0];
  EXPECT_EQ(canada.Field("lblTotalChargeLabel"), "Total US Charge");
  EXPECT_FALSE(canada.Field("lblTotalCanCharge").empty());
  EXPECT_EQ(canada.Field("lblCharge(1)"), "");
}

TEST_F(CliTest, TheCommandLinePrintsWhatTheHeadlessWindowShows) {
  // The window driven directly, as the window tests drive it.
  std::map<std::string, std::string> shown;
  {
    testing::DemoProgram window("window");
    window.Start();
    window.TypeQuote("64120", "10001", "70", "1200");
    window.driver.Replace(window.main.cboClass[1], "100");
    window.driver.Tab();
    window.driver.Type(window.main.txtWeight[1], "350");
    window.driver.Tab();
    for (const char* name : {"lblRBN", "lblMiles", "lblNet", "lblFuelSurcharge", "lblTotalCharge"})
      shown[name] = base::Trim(window.main.Find(name)->caption());
  }
  ASSERT_EQ(Run("quote --origin 64120 --destination 10001 --line 70:1200 --line 100:350 --json",
                dir_ / "out.json"),
            0);
  const std::string json = base::FileToString(dir_ / "out.json");
  for (const auto& [name, text] : shown) {
    ASSERT_FALSE(text.empty()) << name;
    EXPECT_NE(json.find("\"" + name + "\": \"" + text + "\""), std::string::npos) << name;
  }
}

// A customer's set typed in the discount editor, priced by state, prices the customer's lane
// on the window as soon as the editor closes, and on the command line afterwards.
TEST_F(CliTest, ASetTypedInTheDiscountEditorPricesTheCustomersLane) {
  // The window program stays open on its directory while the command line reads it.
  testing::DemoProgram window("window");
  window.Start();
  window.TypeQuote("64120", "30303", "85", "1200");
  forms::Driver& driver = window.driver;
  app::frmCorvane1& main = window.main;
  ASSERT_TRUE(main.lblTotalCharge.visible());
  const std::string before = main.lblNet.caption();
  window.desktop.modalScripts["frmDiscounts"] = [&](forms::Form& form) {
    auto& w = dynamic_cast<pricing::frmDiscounts&>(form);
    driver.Click(w.cmdAdvancedOptions);
    driver.Replace(w.cboKeyZip, "64120");
    driver.Tab();
    driver.Click(w.optState);
    driver.Scroll(w.VScroll1, 9);
    EXPECT_EQ(w.lblState[0].caption(), "Georgia");
    driver.Replace(w.txtOutboundFloor[0], "321.5");
    driver.Replace(w.txtOutboundLTL[0], "71.25");
    driver.Tab();
    driver.Click(w.cmdSave);
    driver.Click(w.cmdClose);
  };
  driver.Click(main.mnuEditDiscountsUS);
  EXPECT_EQ(window.desktop.Messages(), std::vector<std::string>{});
  EXPECT_EQ(main.txtDiscount[0].text(), "321.50");
  EXPECT_EQ(main.txtDiscount[1].text(), "71.25");
  // Rated again with the set: the floor is the least the customer pays.
  EXPECT_NE(main.lblNet.caption(), before);
  EXPECT_GE(base::Val(main.lblNet.caption()), 321.5 - 0.005);
  std::map<std::string, std::string> shown;
  for (const char* name : {"lblNet", "lblTotalCharge"})
    shown[name] = base::Trim(main.Find(name)->caption());
  data_ = window.scratch.path();
  ASSERT_EQ(
      Run("quote --origin 64120 --destination 30303 --line 85:1200 --json", dir_ / "out.json"), 0);
  const std::string json = base::FileToString(dir_ / "out.json");
  shown["txtDiscount(0)"] = "321.50";
  shown["txtDiscount(1)"] = "71.25";
  for (const auto& [name, text] : shown)
    EXPECT_NE(json.find("\"" + name + "\": \"" + text + "\""), std::string::npos) << name << json;
}

TEST_F(CliTest, AccessorialsAreTickedForTheirQuoteOnly) {
  QuoteSession session(dir_.string(), '.');
  QuoteInput input;
  input.origin = "64120";
  input.destination = "30303";
  input.lines = {{"100", "1200"}};
  input.accessorials = {ParseAccessorial("liftgate delivery"),
                        ParseAccessorial("Excess Liability Coverage=10000")};
  const QuoteOutput ticked = session.Quote(input);
  ASSERT_TRUE(ticked.ok()) << ticked.messages[0];
  EXPECT_EQ(ticked.Field("lblAccessorialCharge"), "145.00");  // 95.00 and 0.5 % of 10,000
  input.accessorials.clear();
  EXPECT_EQ(session.Quote(input).Field("lblAccessorialCharge"), "0.00");
  input.accessorials = {ParseAccessorial("Nope")};
  const QuoteOutput unknown = session.Quote(input);
  ASSERT_EQ(unknown.messages.size(), 1U);
  EXPECT_EQ(unknown.messages[0], "No accessorial charge is named \"Nope\".");
}

TEST_F(CliTest, RefusalsAreMessagesAndSetTheStatus) {
  EXPECT_EQ(Run("quote --origin 6412 --destination 30303 --line 100:500", dir_ / "out.txt"), 1);
  EXPECT_EQ(base::FileToString(dir_ / "stderr.txt"), "Invalid ZIP/Postal Code\n");
  EXPECT_EQ(Run("quote --origin 64120 --destination 30303 --line 100", dir_ / "out.txt"), 2);
}

TEST_F(CliTest, ACommaLocaleGivesTheSameAmountsWithItsSeparator) {
  const std::string quote = "quote --origin 64120 --destination 30303 --line 85:1200";
  ASSERT_EQ(Run(quote, dir_ / "point.txt", "LC_ALL=C"), 0);
  ASSERT_EQ(Run(quote, dir_ / "comma.txt", "LC_ALL=fr_CA.UTF-8"), 0);
  std::string point = base::FileToString(dir_ / "point.txt");
  const std::string comma = base::FileToString(dir_ / "comma.txt");
  ASSERT_NE(point.find("lblTotalCharge = "), std::string::npos);
  EXPECT_NE(comma.find("txtDiscount(1) = 50,00"), std::string::npos);
  // The amounts differ by their separator only; texts such as the version do not differ.
  std::istringstream pointLines(point);
  std::istringstream commaLines(comma);
  std::string p;
  std::string c;
  int amounts = 0;
  while (std::getline(pointLines, p) && std::getline(commaLines, c)) {
    const std::string value = p.substr(p.find(" = ") + 3);
    if (value.find_first_not_of("0123456789.%") == std::string::npos &&
        value.find('.') != std::string::npos) {
      std::replace(p.begin(), p.end(), '.', ',');
      ++amounts;
    }
    EXPECT_EQ(c, p);
  }
  EXPECT_GE(amounts, 6);
}

TEST_F(CliTest, NoticesGoToStandardErrorAndTheQuoteGoesOn) {
  // A rural point is a notice on the screen, not a refusal.
  EXPECT_EQ(Run("quote --origin 57521 --destination 64120 --line 70:500", dir_ / "out.txt"), 0);
  EXPECT_NE(base::FileToString(dir_ / "stderr.txt").find("RURAL"), std::string::npos);
  EXPECT_NE(base::FileToString(dir_ / "out.txt").find("lblTotalCharge"), std::string::npos);
  // So is a FAK table gone missing at start-up.
  fs::remove(dir_ / "fak.dat");
  EXPECT_EQ(Run("quote --origin 64120 --destination 30303 --line 50:500", dir_ / "out.txt"), 0);
  EXPECT_NE(base::FileToString(dir_ / "stderr.txt").find("FAK table"), std::string::npos);
}

TEST_F(CliTest, APdfThatCannotBeWrittenLeavesTheEarlierOneAndExitsFour) {
  const fs::path pdf = dir_ / "quote.pdf";
  base::WriteFileAtomic(pdf, "%PDF earlier");
  // A disk that fills up: no file may grow past a few blocks (and the signal is ignored, so
  // the write fails as on a full disk). A coverage build's counters go to the scratch
  // directory, where the limit cannot cut the shared ones short.
  EXPECT_EQ(
      Run("print-quote --origin 64120 --destination 30303 --line 100:500 --pdf " + pdf.string(),
          dir_ / "out.txt",
          "trap '' XFSZ; ulimit -f 4; export GCOV_PREFIX=" + (dir_ / "gcov").string() + ";"),
      4);
  EXPECT_EQ(base::FileToString(pdf), "%PDF earlier");
  EXPECT_NE(base::FileToString(dir_ / "stderr.txt").find(pdf.string()), std::string::npos);
}

TEST_F(CliTest, QuotesBesideAnOpenWindowProgram) {
  // The window program of the same directory holds its single-instance lock and, as a
  // reader, the engine's files.
  app::InstanceLock window(dir_);
  ASSERT_FALSE(window.heldByAnother());
  engine::VornLibrary engine{base::ProgramDir(dir_)};
  ASSERT_TRUE(engine.loaded());
  ASSERT_NE(engine.InitializeVorn(dir_.string() + "/"), engine::kStatusFilesLocked);
  EXPECT_EQ(Run("quote --origin 64120 --destination 30303 --line 100:500", dir_ / "out.txt"), 0)
      << base::FileToString(dir_ / "stderr.txt");
  engine.EndVorn();
}

TEST_F(CliTest, PrintedQuoteAsPdfWherePathsAreTheShells) {
  // Relative paths are taken from the shell's directory, not the program's.
  data_ = dir_.filename();
  const std::string shell = "cd " + dir_.parent_path().string() + " &&";
  EXPECT_EQ(Run("print-quote --origin 64120 --destination M5V3L9 --line 100:1200 --pdf " +
                    (dir_.filename() / "quote.pdf").string(),
                "/dev/null", shell),
            0);
  EXPECT_EQ(base::FileToString(dir_ / "quote.pdf").substr(0, 4), "%PDF");
  EXPECT_EQ(Run("print-quote --origin 64120 --destination 30303 --line 100:500 --pdf " +
                    (dir_ / "no" / "such" / "dir.pdf").string(),
                dir_ / "out.txt", shell),
            4);
}

TEST_F(CliTest, BatchOfAThousandRowsGoesOnPastBadRows) {
  std::ofstream csv(dir_ / "shipments.csv");
  csv << "origin,destination,lines,inbound,units\n";
  const char* destinations[] = {"30303", "10001", "M5V3L9", "90210", "75201"};
  for (int i = 0; i < 1000; ++i) {
    if (i % 250 == 7)
      csv << "64120,ABCDEF,100:500,n,\n";  // refused destination
    else if (i % 250 == 9)
      csv << "64120,30303,100-500,n,\n";  // a line not written class:weight
    else
      csv << "64120," << destinations[i % 5] << ",100:" << (100 + i * 37 % 9000) << ";70:250,"
          << (i % 2 ? "y" : "n") << ",4\n";
  }
  csv.close();
  EXPECT_EQ(Run("quote --batch " + (dir_ / "shipments.csv").string(), dir_ / "results.csv"), 1);
  std::ifstream results(dir_ / "results.csv");
  std::string line;
  std::getline(results, line);
  EXPECT_EQ(line.substr(0, 4), "row,");
  int rows = 0;
  int errors = 0;
  while (std::getline(results, line)) {
    ++rows;
    EXPECT_EQ(line.substr(0, line.find(',')), std::to_string(rows));
    if (line.back() != ',') ++errors;
  }
  EXPECT_EQ(rows, 1000);
  EXPECT_EQ(errors, 8);
}

TEST_F(CliTest, DensityGivesTheCalculatorsFiguresOrItsMessage) {
  const fs::path out = dir_ / "out.txt";
  ASSERT_EQ(Run("density --length 48 --width 40 --height 48 --weight 500", out), 0);
  EXPECT_EQ(base::FileToString(out),
            "volume = 92160.00\ncubic_feet = 53.33\ndensity = 9.38\nclass = 100\n");
  ASSERT_EQ(Run("density --length 1.2 --width 1 --height 1.2 --weight 500 --metric --json", out),
            0);
  EXPECT_NE(base::FileToString(out).find("\"density\": \"347.22\""), std::string::npos);
  const std::pair<DensityInput, const char*> refused[] = {
      {{"1.2", "1", "8.91", "500", true}, "Invalid Height"},
      {{"1.2", "1", "1.234", "500", true}, "The calculator does not take 1.234 as the height"},
  };
  for (const auto& [input, message] : refused) {
    const DensityOutput result = RunDensity(dir_.string(), input, '.');
    ASSERT_FALSE(result.ok()) << message;
    EXPECT_EQ(result.messages[0].rfind(message, 0), 0U) << result.messages[0];
  }
}

TEST_F(CliTest, RateSheetWritesEveryOutputTheCommandLineNames) {
  const fs::path out = dir_ / "stdout.txt";
  ASSERT_EQ(Run("rate-sheet --headline 64120 --range 300-304 --classes 50,100 --weights "
                "L5C,5C,1M --discount 50,60,95 --header 3=Customer --export " +
                    (dir_ / "s.prn").string() + " --csv " + (dir_ / "s.csv").string() + " --pdf " +
                    (dir_ / "s.pdf").string() + " --image " + (dir_ / "s.prt").string(),
                out),
            0)
      << base::FileToString(dir_ / "stderr.txt");
  const std::string exported = base::FileToString(dir_ / "s.prn");
  EXPECT_NE(exported.find("Note    2 Applies 50-79"), std::string::npos) << exported;
  EXPECT_EQ(base::FileToString(dir_ / "s.csv")
                .rfind("Headline,Direction,Point,State,Minimum,"
                       "Class,L5C,5C,1M,Rate Basis,Note\r\n",
                       0),
            0U);
  EXPECT_EQ(base::FileToString(dir_ / "s.pdf").rfind("%PDF", 0), 0U);
  const std::string image = base::FileToString(dir_ / "s.prt");
  EXPECT_NE(image.find("Customer"), std::string::npos);
  EXPECT_NE(image.find("|300-303 GA      *       50 "), std::string::npos) << image;

  struct Case {
    std::string arguments;
    int status;
    std::string message;
  };
  const Case refused[] = {
      {"--headline 64120 --range 300-304", 2, "A rate sheet needs at least one of"},
      {"--headline 64120 --range 305-304 --export x.prn", 1, "Low must be less than high"},
      {"--headline 09001 --range 300 --export " + (dir_ / "x.prn").string(), 1,
       "Invalid Headline ZIP/Postal Code"},
      {"--headline 64120 --range 300 --export " + (dir_ / "none" / "x.prn").string(), 4,
       "The file "},
  };
  for (const Case& c : refused) {
    EXPECT_EQ(Run("rate-sheet " + c.arguments, out), c.status) << c.arguments;
    EXPECT_EQ(base::FileToString(dir_ / "stderr.txt").rfind(c.message, 0), 0U)
        << base::FileToString(dir_ / "stderr.txt");
  }
  EXPECT_FALSE(fs::exists(dir_ / "x.prn"));
}

}  // namespace
}  // namespace tarvex::cli
