#include "ratesheet/production.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "base/files.h"
#include "base/text.h"

namespace tarvex::ratesheet {
namespace {

// Three classes and four breaks, as a small tariff would give them.
PointRating Rating(std::int32_t base, std::int32_t minimumCents, int details = 1) {
  PointRating r;
  r.rateBasis = "KR" + std::to_string(base);
  r.minimumCharge = std::to_string(minimumCents / 100) + ".00";
  r.classCount = 3;
  r.breakCount = 4;
  for (int c = 0; c < 3; ++c)
    for (int w = 0; w < 4; ++w)
      r.table[static_cast<std::size_t>(c * 4 + w + 4)] = base * (c + 1) - w * 100;
  r.flags = details == 1 ? "1" : "10";
  r.weights = details == 1 ? std::vector<std::int32_t>{0} : std::vector<std::int32_t>{0, 500};
  r.amounts = details == 1 ? std::vector<std::int32_t>{minimumCents}
                           : std::vector<std::int32_t>{minimumCents, 2500};
  return r;
}

// A sheet source for tests: rates, states and base points from plain tables.
class ScriptedSource : public SheetSource {
 public:
  std::string TariffFor(const std::string&, const std::string&, std::string& error) override {
    error = tariffError;
    return "TEST";
  }
  PointRating Rate(const std::string& origin, const std::string& destination) override {
    rated.push_back(origin + ">" + destination);
    return rate(origin, destination);
  }
  base::ReadResult<std::vector<BaseRange>> BasePoints(const std::string&) override {
    return base::ReadResult<std::vector<BaseRange>>::Ok(ranges);
  }
  std::string StateOf(const std::string& code) override {
    const auto it = states.find(code.substr(0, 3));
    return it == states.end() ? "" : it->second;
  }

  // Every code alike unless a test says otherwise.
  std::function<PointRating(const std::string&, const std::string&)> rate =
      [](const std::string&, const std::string&) { return Rating(3850, 9500); };
  std::vector<BaseRange> ranges = {{1, "005", "999"}};
  std::map<std::string, std::string> states;
  std::string tariffError;
  std::vector<std::string> rated;
};

// A golden file beside the tests; TARVEX_UPDATE_GOLDEN=1 writes it anew for a review by hand.
void ExpectGolden(const std::string& name, const std::string& text) {
  const std::filesystem::path file =
      std::filesystem::path(TARVEX_FIXTURES_DIR) / "ratesheet" / name;
  if (std::getenv("TARVEX_UPDATE_GOLDEN") != nullptr) base::WriteFileAtomic(file, text);
  EXPECT_EQ(text, base::FileToString(file)) << name;
}

struct Sheet {
  Sheet() {
    request.HeadlineCode = "64120";
    request.RateSheetClassCodes = {" 50", "100", "500"};
    request.ClassSelected = {true, true, true};
    request.WeightSelected = {true, true, true, false};
    texts.headers = {"", "Kestrel Ridge Freight Lines", "LTL Rate Sheet", "", ""};
    texts.headline = "64120";
    texts.weightCaptions = {"L5C", "5C", "1M", "2M"};
    texts.carrierName = "Kestrel Ridge Freight Lines";
    texts.effectiveDate = "Effective January 5, 2026";
    source.states = {{"641", "MO"}, {"300", "GA"}, {"301", "GA"}, {"302", "GA"},
                     {"303", "GA"}, {"304", "GA"}, {"660", "KS"}, {"661", "KS"}};
  }
  Production::Outcome Run(std::string low, std::string high) {
    request.SidelineLow[0] = std::move(low);
    request.SidelineHigh[0] = std::move(high);
    production.emplace(request, texts, outputs, source);
    return production->Run();
  }
  std::string Image() const { return production->sheet().Image(); }

  RateSheetRequest request;
  SheetTexts texts;
  SheetOutputs outputs{true, true, true, false};
  ScriptedSource source;
  std::optional<Production> production;
};

TEST(Production, PrefixesThatRateAlikeInOneStatePrintOneBlock) {
  Sheet s;
  ASSERT_EQ(s.Run("300", "303"), Production::Outcome::Complete);
  EXPECT_EQ(s.source.rated.size(), 4U);
  ExpectGolden("alike_300_303.prn", s.production->exportText());
  ExpectGolden("alike_300_303.prt", s.Image());
  ExpectGolden("alike_300_303.csv", s.production->csvText());
}

TEST(Production, AnInboundSheetRatesFromEachSidelinePoint) {
  Sheet s;
  s.request.Outbound = false;
  s.source.rate = [](const std::string& origin, const std::string&) {
    return Rating(origin == "66000" ? 4100 : 4200, 10500);
  };
  ASSERT_EQ(s.Run("660", "661"), Production::Outcome::Complete);
  EXPECT_EQ(s.source.rated.front(), "66000>64120");
  ExpectGolden("inbound_660_661.prn", s.production->exportText());
  ExpectGolden("inbound_660_661.prt", s.Image());
}

TEST(Production, TwoChargeDetailsStarTheMinimumAndAddTheDetailLine) {
  Sheet s;
  s.source.rate = [](const std::string&, const std::string&) {
    PointRating r = Rating(3850, 8500, 2);
    r.floor = 95.00;  // the minimum is held at the floor, in the MC column and the details
    return r;
  };
  ASSERT_EQ(s.Run("300", "300"), Production::Outcome::Complete);
  ExpectGolden("two_details_300.prn", s.production->exportText());
  ExpectGolden("two_details_300.prt", s.Image());
}

TEST(Production, ASplitCodeGetsNotedBlocksAndNoteLines) {
  Sheet s;
  s.source.ranges = {{1, "005", "999"}, {1, "30450", "30479"}};
  // The middle part is served through a partner, at higher rates; the parts either side of it
  // rate alike and share one rating point.
  s.source.rate = [](const std::string&, const std::string& destination) {
    return Rating(destination == "30450" ? 4600 : 3850, 9500);
  };
  ASSERT_EQ(s.Run("303", "304"), Production::Outcome::Complete);
  EXPECT_EQ(s.production->notes(), (std::vector<std::string>{"00-49,80-99", "50-79"}));
  ExpectGolden("split_304.prn", s.production->exportText());
  ExpectGolden("split_304.prt", s.Image());
}

TEST(Production, PagesBreakBeforeSeventyLinesWithAFooterEach) {
  Sheet s;
  s.outputs = {true, false, false, false};
  s.texts.headers[1] = std::string(94, 'H');
  // Every prefix rates on its own, so every code is a block of its own.
  s.source.rate = [](const std::string&, const std::string& destination) {
    return Rating(std::stoi(destination.substr(0, 3)) * 10, 9500);
  };
  ASSERT_EQ(s.Run("100", "160"), Production::Outcome::Complete);
  const auto& pages = s.production->sheet().pages();
  ASSERT_GE(pages.size(), 4U);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const auto& lines = pages[p];
    // A 94-character header is printed with no leading blank.
    EXPECT_EQ(lines.front(), std::string(94, 'H'));
    EXPECT_EQ(lines[lines.size() - 2], "");
    EXPECT_EQ(lines.back(), base::PadLeft(std::to_string(p + 1) + std::string(15, ' ') +
                                              s.texts.carrierName + "   " + s.texts.effectiveDate,
                                          94));
    // The header's nine lines, the blocks and the footer's two.
    EXPECT_LE(lines.size(), 9U + 70U + 2U);
    for (std::size_t i = 4; i + 2 < lines.size(); ++i) {
      EXPECT_EQ(lines[i].size(), 96U) << p << ":" << i;
      EXPECT_EQ(lines[i].front(), '|');
      EXPECT_EQ(lines[i].back(), '|');
    }
  }
}

TEST(Production, StopsWhereItIsTold) {
  PointRating refused;
  refused.returnCode = "216";
  // What happens, the tariff list's fault, the rating of every code, the outcome and how many
  // codes were rated.
  const std::tuple<const char*, const char*, PointRating, Production::Outcome, std::size_t>
      cases[] = {
          {"cancel before the third code", "", Rating(1, 1), Production::Outcome::Cancelled, 2},
          {"headline refused outbound", "", refused, Production::Outcome::HeadlineRefused, 1},
          {"tariff list unusable", "The tariff list x is missing.", Rating(1, 1),
           Production::Outcome::Failed, 0},
      };
  for (const auto& [name, tariffError, answer, outcome, rated] : cases) {
    Sheet s;
    s.source.tariffError = tariffError;
    s.source.rate = [&](const std::string&, const std::string&) { return answer; };
    s.request.SidelineLow[0] = "300";
    s.request.SidelineHigh[0] = "303";
    s.production.emplace(s.request, s.texts, s.outputs, s.source);
    s.production->beforeCode = [](const Progress& p) {
      EXPECT_EQ(p.total, 4);
      return p.done < 2;
    };
    EXPECT_EQ(s.production->Run(), outcome) << name;
    EXPECT_EQ(s.source.rated.size(), rated) << name;
  }
}

TEST(Production, ARefusedSidelineCodeWritesNothingAndBreaksTheBlock) {
  Sheet s;
  s.source.rate = [](const std::string&, const std::string& destination) {
    PointRating r = Rating(3850, 9500);
    if (destination == "30100") r.returnCode = "217";
    return r;
  };
  ASSERT_EQ(s.Run("300", "302"), Production::Outcome::Complete);
  const std::string image = s.Image();
  EXPECT_NE(image.find("|300-300 GA"), std::string::npos);
  EXPECT_NE(image.find("|302-302 GA"), std::string::npos);
  EXPECT_EQ(s.production->exportText().find(" 301 "), std::string::npos);
}

}  // namespace
}  // namespace tarvex::ratesheet
