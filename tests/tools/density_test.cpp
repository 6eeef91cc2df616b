// The density arithmetic, the density tables and the demo carrier's current scale.
#include "tools/density.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/program_dir.h"

namespace tarvex::tools {
namespace {

using testing::ProgramDirTest;

TEST(ComputeDensity, FiguresAsTheCalculatorShowsThem) {
  struct Case {
    const char *l, *w, *h, *g;
    bool metric;
    char separator;
    const char *volume, *cubicFeet, *density;
  };
  const Case cases[] = {
      // 92,160 cubic inches are 53.33 cubic feet; the density divides by the rounded figure.
      {"48", "40", "48", "500", false, '.', "92160.00", "53.33", "9.38"},
      {"1.2", "1", "1.2", "500", true, '.', "1.44", "", "347.22"},
      {"1,2", "1", "1,2", "500", true, ',', "1,44", "", "347,22"},
      // Under a hundredth of a cubic foot rounds to 0.00: density 0, not a division by 0.
      {"1", "1", "1", "10", false, '.', "1.00", "0.00", "0.00"},
  };
  for (const Case& c : cases) {
    const auto f = ComputeDensity(c.l, c.w, c.h, c.g, c.metric, c.separator);
    ASSERT_TRUE(f.has_value()) << c.l;
    EXPECT_EQ(f->volume, c.volume);
    EXPECT_EQ(f->cubicFeet, c.cubicFeet);
    EXPECT_EQ(f->density, c.density);
  }
  for (const auto& [l, g] : {std::pair{"", "500"}, {"48", "0"}, {"abc", "500"}, {"48", " "}})
    EXPECT_FALSE(ComputeDensity(l, "40", "48", g, false).has_value()) << l << " " << g;
}

std::string Table(std::initializer_list<DensityBand> bands) {
  return EncodeDensityTable(bands);
}

TEST(DensityTable, DamagedTablesAreRefusedNamingTheFile) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::pair<std::string, const char*> cases[] = {
      {"", "holds no density bands"},
      {Table({{0, 1, 400}}).substr(0, 20), "partial record"},
      {Table({{0, nan, 400}}), "no number from 0 up"},
      {Table({{-1, 1, 400}}), "no number from 0 up"},
      {Table({{2, 1, 400}}), "not above its low bound"},
      {Table({{0, 1, 400}, {1, 2, 95}}), "record 2, has a class that is no freight class"},
      {std::string(24 * (kMaxDensityBands + 1), '\0'), "more than"},
  };
  for (const auto& [bytes, fault] : cases) {
    const auto read = ParseDensityTable(bytes, "/p/dencls.dat");
    ASSERT_FALSE(read.ok()) << fault;
    EXPECT_NE(read.fault().find("/p/dencls.dat"), std::string::npos) << read.fault();
    EXPECT_NE(read.fault().find(fault), std::string::npos) << read.fault();
  }
}

// The kit's tables of the current scale, as the demo program directory has them.
class DemoDensityTables : public ProgramDirTest {
 protected:
  DemoDensityTables() : ProgramDirTest(testing::ScratchDir::Contents::Demo) {}
};

TEST_F(DemoDensityTables, ThirteenBandsWithTheHighBoundInTheNextBand) {
  const auto imperial = ReadDensityTable(dir_ / DensityTableName(false));
  const auto metric = ReadDensityTable(dir_ / DensityTableName(true));
  ASSERT_TRUE(imperial.ok()) << imperial.fault();
  ASSERT_TRUE(metric.ok()) << metric.fault();
  EXPECT_EQ(imperial.value().size(), 13U);
  EXPECT_EQ(metric.value().size(), 13U);
  const std::pair<double, double> imperialCases[] = {
      {0.5, 400},  {1, 300},   {9.38, 100}, {10, 92.5}, {12, 85},
      {22.49, 70}, {22.5, 65}, {49.99, 55}, {50, 50},   {5000, 50}};
  for (const auto& [density, cls] : imperialCases)
    EXPECT_EQ(ClassForDensity(imperial.value(), density), cls) << density;
  // A pound per cubic foot is 35.31 pounds per cubic metre.
  const std::pair<double, double> metricCases[] = {
      {35.31, 400}, {35.32, 300}, {347.22, 100}, {1765.73, 55}, {1765.74, 50}};
  for (const auto& [density, cls] : metricCases)
    EXPECT_EQ(ClassForDensity(metric.value(), density), cls) << density;
}

}  // namespace
}  // namespace tarvex::tools
