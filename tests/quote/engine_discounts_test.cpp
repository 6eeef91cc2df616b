// The discount fields the engine is sent before a rating, and the customer's floor.
#include "quote/engine_discounts.h"

#include <gtest/gtest.h>

namespace tarvex::quote {
namespace {

using engine::EngineRecord;

std::vector<std::string> D2(const EngineRecord& r) {
  std::vector<std::string> fields;
  for (int i = 0; i <= 9; ++i) fields.push_back(r.discount(1).text(engine::D2, i).substr(0, 5));
  return fields;
}

TEST(EngineDiscountsTest, LtlPercentageFillsTheFirstSixBracketsAndTheMinimum) {
  EngineRecord r;
  const double floor = SetUpEngineDiscounts({"65", "150"}, {true, true, '.'}, r);
  EXPECT_EQ(r.text(engine::H26), "Y");
  EXPECT_EQ(r.discount(1).trimmed(engine::D1), "D%");
  EXPECT_EQ(r.discount(1).trimmed(engine::D2, 0), "6500");
  EXPECT_EQ(D2(r), (std::vector<std::string>{"6500 ", " 6500", " 6500", " 6500", " 6500", " 6500",
                                             " 6500", " 0000", " 0000", " 0000"}));
  EXPECT_EQ(r.text(engine::H33), "C");
  EXPECT_DOUBLE_EQ(floor, 150);
}

TEST(EngineDiscountsTest, EmptyOrDotBoxesSendNoDiscountAndNoFloor) {
  for (const char* box : {"", ".", "   "}) {
    EngineRecord r;
    const double floor = SetUpEngineDiscounts({box, box}, {true, false, '.'}, r);
    EXPECT_EQ(r.text(engine::H26), "Y") << box;
    EXPECT_EQ(D2(r), (std::vector<std::string>{"0000 ", " 0000", " 0000", " 0000", " 0000", " 0000",
                                               " 0000", " 0000", " 0000", " 0000"}))
        << box;
    EXPECT_EQ(r.text(engine::H33), "R");
    EXPECT_EQ(floor, 0) << box;
  }
}

TEST(EngineDiscountsTest, WithoutEngineDiscountsEveryFieldIsZeroAndTheFloorIgnored) {
  EngineRecord r;
  SetUpEngineDiscounts({"65", "150"}, {true, false, '.'}, r);
  const double floor = SetUpEngineDiscounts({"65", "150"}, {false, true, '.'}, r);
  EXPECT_EQ(r.text(engine::H26), "N");
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(r.discount(1).text(engine::D2, i).substr(0, 5), " 0000");
  EXPECT_EQ(r.discount(1).trimmed(engine::D2, 0), "0000");
  EXPECT_EQ(r.text(engine::H33), "C");
  EXPECT_EQ(floor, 0);
}

TEST(EngineDiscountsTest, BoxesAreReadWithTheProgramsSeparator) {
  EngineRecord r;
  const double floor = SetUpEngineDiscounts({"62,5", "99,12345"}, {true, false, ','}, r);
  EXPECT_EQ(r.discount(1).trimmed(engine::D2, 0), "6250");
  EXPECT_EQ(r.discount(1).trimmed(engine::D2, 3), "6250");
  EXPECT_DOUBLE_EQ(floor, 99.1235);  // the floor is kept to four places
  // A small percentage: the minimum's field keeps four digits, the brackets the plain number.
  SetUpEngineDiscounts({"5", ""}, {true, false, ','}, r);
  EXPECT_EQ(r.discount(1).trimmed(engine::D2, 0), "0500");
  EXPECT_EQ(r.discount(1).text(engine::D2, 1).substr(0, 4), " 500");
}

}  // namespace
}  // namespace tarvex::quote
