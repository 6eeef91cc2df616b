// The rate block's texts from an engine record as the engine fills it.
#include "speedsheet/rate_block.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace tarvex::speedsheet {
namespace {

using engine::EngineRecord;

// A block of one class (per hundred pounds, in cents) over the breaks given.
EngineRecord Block(const std::vector<std::int32_t>& breaks, const std::vector<std::int32_t>& rates,
                   std::int32_t minimumCharge = 0) {
  EngineRecord r;
  r.setValue(engine::X5, 1);
  r.setValue(engine::X6, static_cast<std::int16_t>(breaks.size()));
  r.setText(engine::X3, 0, "85");
  for (std::size_t w = 0; w < breaks.size(); ++w)
    r.setValue(engine::X4, static_cast<int>(w), breaks[w]);
  for (std::size_t j = 0; j < rates.size(); ++j)
    r.setValue(engine::X2, static_cast<int>(j) + 4, rates[j]);
  r.setValue(engine::X2, 0, minimumCharge);
  return r;
}

TEST(RateBlock, WeightHeadingsInHundredsAndThousands) {
  const EngineRecord r = Block({0, 500, 1000, 2000, 5000, 10000, 20000, 30000, 40000}, {});
  std::vector<std::string> headings;
  for (int j = 1; j <= 9; ++j) headings.push_back(WeightHeading(r, j, '.'));
  EXPECT_EQ(headings,
            (std::vector<std::string>{"L5C", "5C", "1M", "2M", "5M", "10M", "20M", "30M", "40M"}));
  const EngineRecord thousands = Block({1000, 1500}, {});
  EXPECT_EQ(WeightHeading(thousands, 1, '.'), "L1.5M");
  EXPECT_EQ(WeightHeading(thousands, 2, ','), "1,5M");
  EXPECT_EQ(ClassHeading(r, 1), "85");
}

TEST(RateBlock, RatesAndAlternationWeights) {
  // The rates of the two breaks, the column, and its rate and alternation weight.
  const std::tuple<std::vector<std::int32_t>, int, const char*, const char*> cases[] = {
      // The minimum charge of 95.00 reaches 47.50 per hundred at 200 lb.
      {{4750, 3200}, 1, "47.50", "201"},
      // 32.00 from 500 lb costs what 40.00 does at 400 lb.
      {{4000, 3200}, 2, "32.00", "401"},
      // Nothing to compare with.
      {{0, 3200}, 2, "32.00", ""},
      {{0, 3200}, 1, "0.00", ""},
      // A weight with a fraction rounds up to the next whole pound.
      {{3000, 2000}, 2, "20.00", "334"},
  };
  for (const auto& [rates, column, rate, alternation] : cases) {
    const EngineRecord r = Block({0, 500}, rates, 9500);
    EXPECT_EQ(BlockCell(r, 1, column, BlockView::Rates, '.'), rate) << rates[0];
    EXPECT_EQ(BlockCell(r, 1, column, BlockView::Alternation, '.'), alternation) << rates[0];
  }
  EXPECT_EQ(BlockCell(Block({0, 500}, {4750}), 1, 1, BlockView::Rates, ','), "47,50");
}

TEST(RateBlock, ShapeStaysWithinTheWindowAndTheRecord) {
  EngineRecord r;
  r.setValue(engine::X5, 25);
  r.setValue(engine::X6, 12);
  EXPECT_EQ(BlockRows(r), 20);
  EXPECT_EQ(BlockColumns(r), 9);
  r.setValue(engine::X5, -3);
  EXPECT_EQ(BlockRows(r), 0);
  // With nine breaks the twentieth class lies beyond the 175 rates the record holds.
  r.setValue(engine::X6, 9);
  r.setValue(engine::X2, 174, 1234);
  EXPECT_EQ(BlockCell(r, 19, 9, BlockView::Rates, '.'), "12.34");
  EXPECT_EQ(BlockCell(r, 20, 1, BlockView::Rates, '.'), "");
}

TEST(RateBlock, DiscountsOfTheColumnsAndTheMinimumCharge) {
  EngineRecord r;
  r.discount(1).setText(engine::D2, 0, "6550");
  r.discount(1).setText(engine::D2, 1, " 6500");
  EXPECT_EQ(MinimumChargeDiscount(r, ','), "65,5");
  EXPECT_EQ(ColumnDiscount(r, 1, '.'), "65%");
  EXPECT_EQ(ColumnDiscount(r, 9, '.'), "0%");
}

// Minimum charge entries: T1 digit, T3 weight limit, T4 cents.
struct Entry {
  char digit;
  std::int32_t limit;
  std::int32_t cents;
};
EngineRecord Entries(const std::vector<Entry>& entries) {
  EngineRecord r;
  std::string digits = "123456789_123456789_123456789_";
  for (std::size_t e = 0; e < entries.size(); ++e) {
    digits[e] = entries[e].digit;
    r.setValue(engine::T3, static_cast<int>(e), entries[e].limit);
    r.setValue(engine::T4, static_cast<int>(e), entries[e].cents);
  }
  r.setText(engine::T1, digits);
  r.setValue(engine::T6, static_cast<std::int16_t>(entries.size()));
  r.discount(1).setText(engine::D2, 0, "6500");
  return r;
}

TEST(RateBlock, MinimumChargeListMarksSingleShipmentEntriesAndTheFloor) {
  using Lines = std::vector<std::string>;
  // A single-shipment entry beside a normal one.
  EXPECT_EQ(MinimumChargeLines(Entries({{'1', 500, 11000}, {'0', 0, 14500}}), true, 0, '.'),
            (Lines{"MC Discount = 65%", "", "    >499   110.00", "SS  >0     145.00"}));
  // Entries of one kind are not marked.
  EXPECT_EQ(MinimumChargeLines(Entries({{'1', 500, 11000}, {'1', 1000, 12000}}), false, 0, '.'),
            (Lines{"", "    >499   110.00", "    >999   120.00"}));
  // An entry without an amount is left out.
  EXPECT_EQ(MinimumChargeLines(Entries({{'1', 500, 0}, {'0', 12345678, 9000}}), false, 0, '.'),
            (Lines{"", "SS  >12345 90.00"}));
  // An amount under the floor is listed as the floor.
  EXPECT_EQ(MinimumChargeLines(Entries({{'1', 500, 7500}, {'1', 1000, 9500}, {'1', 2000, 9600}}),
                               false, 95.0, '.'),
            (Lines{"", "    >499   95.00*", "    >999   95.00*", "    >1999  96.00", "",
                   "* = MC Floor"}));
}

}  // namespace
}  // namespace tarvex::speedsheet
