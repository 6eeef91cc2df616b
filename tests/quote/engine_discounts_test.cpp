// The discount fields the engine is sent before a rating, and the customer's floor.
#include "quote/engine_discounts.h"

#include <gtest/gtest.h>

#include <tuple>

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
  EXPECT_EQ(D2(r), (std::vector<std::string>{"6500 ", " 6500", " 6500", " 6500", " 6500", " 6500",
                                             " 6500", " 0000", " 0000", " 0000"}));
  EXPECT_EQ(r.text(engine::H33), "C");
  EXPECT_DOUBLE_EQ(floor, 150);
}

// Empty or dot boxes send no discount, and without engine discounts the boxes are ignored:
// either way every field is zero, whatever was sent before, and there is no floor.
TEST(EngineDiscountsTest, EmptyBoxesOrNoEngineDiscountsSendZerosAndNoFloor) {
  using Case = std::tuple<const char*, bool, bool, const char*, const char*>;
  for (const auto& [box, engineDiscounts, onCharges, h26, h33] :
       {Case{"", true, false, "Y", "R"}, Case{".", true, false, "Y", "R"},
        Case{"   ", true, false, "Y", "R"}, Case{"65", false, true, "N", "C"}}) {
    EngineRecord r;
    SetUpEngineDiscounts({"65", "150"}, {true, false, '.'}, r);
    const double floor = SetUpEngineDiscounts({box, box}, {engineDiscounts, onCharges, '.'}, r);
    EXPECT_EQ(r.text(engine::H26), h26) << box;
    EXPECT_EQ(D2(r), (std::vector<std::string>{"0000 ", " 0000", " 0000", " 0000", " 0000", " 0000",
                                               " 0000", " 0000", " 0000", " 0000"}))
        << box;
    EXPECT_EQ(r.text(engine::H33), h33) << box;
    EXPECT_EQ(floor, 0) << box;
  }
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
