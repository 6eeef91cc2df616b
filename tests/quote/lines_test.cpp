// Which screen lines the engine rates, with which classes, and what each line shows back.
#include "quote/lines.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tarvex::quote {
namespace {

using engine::EngineRecord;

// The nine screen lines' classes or weights, those not given zero.
template <class T>
std::array<T, 9> Lines(std::initializer_list<std::pair<int, T>> set) {
  std::array<T, 9> lines{};
  for (const auto& [line, value] : set) lines[static_cast<std::size_t>(line)] = value;
  return lines;
}
const auto Classes = Lines<double>;
const auto Weights = Lines<std::int32_t>;

// The demo carrier's table: class 50 rates as 65, every other class as itself.
FakSubstitution DemoFak(bool on) {
  FakSubstitution fak;
  fak.on = on;
  fak.classes = pricing::StandardClassTable();
  fak.fak.FakTable = fak.classes;
  fak.fak.FakTable[0] = 65;
  fak.fak.FakInEffect = 'Y';
  return fak;
}

TEST(PackLinesTest, FilledLinesBecomeConsecutiveEngineLines) {
  // Lines 0, 2 and 5 filled; line 3 has a class but no weight, line 6 a weight but no class.
  const auto classes = Classes({{0, 100}, {2, 92.5}, {3, 70}, {5, 77.5}});
  const auto weights = Weights({{0, 500}, {2, 1200}, {5, 80}, {6, 900}});
  const auto packed = PackLines(classes, weights, DemoFak(false));
  ASSERT_EQ(packed.size(), 3U);
  EXPECT_EQ(packed[0].screenLine, 0);
  EXPECT_EQ(packed[1].screenLine, 2);
  EXPECT_EQ(packed[2].screenLine, 5);
  EngineRecord r;
  LoadLines(packed, r);
  EXPECT_EQ(r.trimmed(engine::H11), "03");
  EXPECT_EQ(r.line(1).trimmed(engine::L2), "100");
  EXPECT_EQ(r.line(2).trimmed(engine::L2), "92");  // 92.5 as the engine knows it
  EXPECT_EQ(r.line(3).trimmed(engine::L2), "77");
  EXPECT_EQ(r.line(2).trimmed(engine::L3), "1200");
  EXPECT_EQ(r.line(3).trimmed(engine::L3), "80");
}

TEST(PackLinesTest, CountIsTwoDigitsFromNoneToEight) {
  EngineRecord r;
  LoadLines(PackLines(Classes({}), Weights({}), DemoFak(false)), r);
  EXPECT_EQ(r.trimmed(engine::H11), "00");
  std::array<double, 9> classes{};
  std::array<std::int32_t, 9> weights{};
  classes.fill(100);
  weights.fill(10);  // the ninth element is no screen line
  const auto packed = PackLines(classes, weights, DemoFak(false));
  EXPECT_EQ(packed.size(), 8U);
  LoadLines(packed, r);
  EXPECT_EQ(r.trimmed(engine::H11), "08");
}

TEST(PackLinesTest, FakSubstitutionAndItsExceptions) {
  const auto classes = Classes({{0, 50}, {1, 100}, {2, 57}});
  const auto weights = Weights({{0, 300}, {1, 300}, {2, 300}});
  auto l2 = [&](bool on) {
    std::vector<std::string> texts;
    for (const auto& line : PackLines(classes, weights, DemoFak(on)))
      texts.push_back(line.classText);
    return texts;
  };
  // 57 is no class of the table: substitution sends "500".
  EXPECT_EQ(l2(true), (std::vector<std::string>{"65", "100", "500"}));
  EXPECT_EQ(l2(false), (std::vector<std::string>{"50", "100", "57"}));

  using Case = std::tuple<char, bool, bool, bool>;
  for (const auto& [inEffect, mexicanLane, mexicoMode, substitutes] :
       {Case{'Y', false, false, true}, Case{'Y', true, false, false}, Case{'Y', true, true, true},
        Case{'Y', false, true, true}, Case{'N', false, false, false},
        Case{'N', true, true, false}}) {
    pricing::FakState fak;
    fak.FakInEffect = inEffect;
    EXPECT_EQ(SubstitutesFak(fak, mexicanLane, mexicoMode), substitutes)
        << inEffect << mexicanLane << mexicoMode;
  }
}

TEST(PackLinesTest, MexicanPortionTakesTheClassBoxesOfThePackedLines) {
  const std::vector<PackedLine> packed = {{0, "100", 1200}, {2, "92", 500}, {4, "77", 10}};
  const std::array<std::string, 8> boxes = {"100", "50", "92.5", "", "77,5", "", "", ""};
  EngineRecord r;
  LoadMexicanPortionClasses(packed, boxes, r);
  const std::vector<std::string> expected = {"100", "92", "77", "500", "500", "500", "500", "500"};
  for (int n = 1; n <= 8; ++n)
    EXPECT_EQ(r.line(n).trimmed(engine::L2), expected[static_cast<std::size_t>(n - 1)]) << n;
  // A packed line whose box was emptied since counts as no class.
  LoadMexicanPortionClasses({{3, "70", 100}}, boxes, r);
  EXPECT_EQ(r.line(1).trimmed(engine::L2), "500");
}

TEST(FakLabelTest, ShowsTheSubstituteExceptOnAMexicanLaneOutsideMexicoMode) {
  const FakSubstitution fak = DemoFak(true);
  EXPECT_EQ(FakLabelText(50, false, false, fak.classes, fak.fak), "65");
  EXPECT_EQ(FakLabelText(92.5, false, false, fak.classes, fak.fak), "92");
  EXPECT_EQ(FakLabelText(50, true, true, fak.classes, fak.fak), "65");
  EXPECT_EQ(FakLabelText(50, true, false, fak.classes, fak.fak), "");
  EXPECT_EQ(FakLabelText(57, false, false, fak.classes, fak.fak), "");
}

TEST(LineResultsTest, DisplayWalkMapsEngineLinesBackToScreenLines) {
  EngineRecord r;
  r.line(1).setText(engine::L4, "39,52");
  r.line(1).setText(engine::L5, "474,24");
  r.line(2).setText(engine::L4, "118,56");
  r.line(2).setText(engine::L5, "414,955");
  const std::array<std::string, 8> classes = {"100", "", "300", "70", "", "", "", ""};
  const std::array<std::string, 8> weights = {"1200", "500", "350", "", "", "", "", ""};
  const auto results = LineResults(classes, weights, r, ',');
  for (const std::size_t shown : {0U, 2U}) ASSERT_TRUE(results[shown]) << shown;
  EXPECT_DOUBLE_EQ(results[0]->rate, 39.52);
  EXPECT_DOUBLE_EQ(results[0]->charge, 474.24);
  EXPECT_DOUBLE_EQ(results[2]->rate, 118.56);
  EXPECT_DOUBLE_EQ(results[2]->charge, 414.96);  // to the cent, as the label shows it
  for (const std::size_t empty : {1U, 3U, 4U, 7U}) EXPECT_FALSE(results[empty]) << empty;
}

TEST(DeficitTest, ShownWhenTheEngineReportsOneAndNeverOnTheMexicoPanel) {
  EngineRecord r;
  // The shown figures are on the golden printed pages.
  r.setText(engine::H18, "450");
  EXPECT_TRUE(DeficitOf(r, false, '.'));
  EXPECT_FALSE(DeficitOf(r, true, '.'));
  r.setText(engine::H18, "0");
  EXPECT_FALSE(DeficitOf(r, false, '.'));
  r.setText(engine::H18, "");
  EXPECT_FALSE(DeficitOf(r, false, '.'));
}

}  // namespace
}  // namespace tarvex::quote
