// The numeric key filter, Enter as Tab and the class check, as the entry windows use them.
#include "pricing/input_fields.h"

#include <gtest/gtest.h>

#include <tuple>

#include "forms/driver.h"
#include "support/scripted_desktop.h"

namespace tarvex::pricing {
namespace {

class InputFieldsTest : public ::testing::Test {
 protected:
  // The key that survives the filter when `key` is typed into a box holding `text` with the
  // given selection.
  int Filter(const std::string& text, int key, int maxLength, int decimals, int selStart = -1,
             int selLength = 0) {
    box.setText(text);
    box.setSelection(selStart < 0 ? static_cast<int>(text.size()) : selStart, selLength);
    SetNumericKey(rt, box, key, maxLength, decimals);
    return key;
  }
  testing::ScriptedDesktop desktop;
  forms::Runtime rt{desktop};
  forms::Form form{rt, "frm"};
  forms::TextBox box{form, "txtDiscount", 0};
  forms::TextBox next{form, "txtNext"};
};

TEST_F(InputFieldsTest, FloorAndDiscountBoxes) {
  // The box's text, the key typed, the box's length and decimals, and whether the key is kept.
  const std::tuple<const char*, char, int, int, bool> cases[] = {
      {"123", '4', 6, 2, true},      // four digits without a point
      {"1234", '5', 6, 2, false},    // a fifth digit
      {"123.4", '5', 6, 2, true},    // three digits, a point and two decimals
      {"123.45", '6', 6, 2, false},  // a third decimal
      {"1234", '.', 6, 2, false},    // the integer part would be 4, more than 3
      {"65.", '5', 5, 2, true},      // 65.5 in an LTL box
      {"65.2", '5', 5, 2, true},     // 65.25
      {"100", '.', 5, 2, false},     // 100.5 cannot be started
      {"1500", '.', 5, 0, false},    // weights have no decimals
      {"6.5", '.', 5, 2, false},     // a second point
      {"12", 'x', 5, 2, false},      // letters never
      {"12", '\b', 5, 2, true},      // backspace passes
  };
  for (const auto& [text, key, maxLength, decimals, kept] : cases)
    EXPECT_EQ(Filter(text, key, maxLength, decimals) != 0, kept) << text << " + " << key;
  EXPECT_TRUE(desktop.shown.empty());
}

TEST_F(InputFieldsTest, SelectionIsReplacedByTheKey) {
  EXPECT_NE(Filter("99999", '1', 5, 0, 0, 5), 0);  // a full box with its text selected
  EXPECT_NE(Filter("6.5", '.', 5, 2, 0, 3), 0);    // a point over the whole text
  EXPECT_EQ(Filter("6.5", '.', 5, 2, 0, 1), 0);    // not over part of it
}

TEST_F(InputFieldsTest, ImpossibleParametersAreReported) {
  EXPECT_EQ(Filter("1", '2', 4, 2), 0);
  ASSERT_EQ(desktop.Messages().size(), 1U);
  EXPECT_EQ(desktop.Messages()[0], "Invalid function parameters passed cCommon - SetNumericKey");
}

TEST_F(InputFieldsTest, EnterMovesOnAndInsertsNothing) {
  box.onKeyPress = [this](int& key) { key = EnterAsTab(rt, key); };
  form.Show();
  forms::Driver(rt).PressEnter(box);
  EXPECT_EQ(rt.ActiveControl(), &next);
  EXPECT_EQ(box.text(), "");
  EXPECT_EQ(EnterAsTab(rt, 'a'), 'a');
}

TEST(ClassCheckTest, HalfClassesAreHeldAsWholeOnes) {
  const ClassTable classes = StandardClassTable();
  for (double c : {92.5, 77.5, 50.0, 500.0}) EXPECT_TRUE(IsValidClass(c, classes)) << c;
  double half = 92.5;
  IsValidClass(half, classes);
  EXPECT_EQ(half, 92);
  for (double c : {90.0, 0.0, 77.0 + 0.25}) EXPECT_FALSE(IsValidClass(c, classes)) << c;
}

TEST_F(InputFieldsTest, SelectAllSelectsTheWholeText) {
  forms::ControlArray<forms::TextBox> boxes{form, "txtWeight", 2};
  boxes[1].setText("1500");
  SelectAllTextInArray(boxes, 1);
  EXPECT_EQ(boxes[1].selStart(), 0);
  EXPECT_EQ(boxes[1].selLength(), 4);
}

}  // namespace
}  // namespace tarvex::pricing
