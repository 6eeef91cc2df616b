// The layout vocabulary puts controls where a window's structure says.
#include "forms/layout.h"

#include <gtest/gtest.h>

#include "forms/form.h"
#include "forms/runtime.h"
#include "support/scripted_desktop.h"

namespace tarvex::forms::layout {
namespace {

struct Box {
  int left, top, width, height;
  bool operator==(const Box&) const = default;
};
Box Of(const Control& c) {
  return {c.left(), c.top(), c.width(), c.height()};
}

class LayoutTest : public ::testing::Test {
 protected:
  testing::ScriptedDesktop desktop;
  Runtime rt{desktop};
  Form form{rt, "frmLayout"};
  Label lblCaption{form, "lblCaption"};
  TextBox txtValue{form, "txtValue"};
  CommandButton cmdOK{form, "cmdOK"};
  CommandButton cmdCancel{form, "cmdCancel"};
  Frame fraBox{form, "fraBox"};
  ControlArray<Label> lblClass{form, "lblClass", 3};
  ControlArray<ComboBox> cboClass{form, "cboClass", 3};
};

TEST_F(LayoutTest, RowsPlaceLeftToRightWithLabelsOnTheLineOfTheirBoxes) {
  const int right = Row(100, 1000, {{&lblCaption, 900}, Space(200), {&txtValue, 1500}});
  EXPECT_EQ(Of(lblCaption), (Box{100, 1000 + kLabelDrop, 900, kLabelHeight}));
  EXPECT_EQ(Of(txtValue), (Box{100 + 900 + kGap + 200 + kGap, 1000, 1500, kBoxHeight}));
  EXPECT_EQ(right, txtValue.left() + 1500);
  EXPECT_EQ(CaptionBeside(lblCaption, "Units", 600, txtValue, 800, 0, 0, 0), 1400);
  EXPECT_EQ(lblCaption.caption(), "Units");
  EXPECT_EQ(txtValue.left(), 600);
}

TEST_F(LayoutTest, ColumnsAndButtons) {
  const int bottom = Column(50, 200, {{&txtValue, 1000}, {&cmdOK, 1000}});
  EXPECT_EQ(cmdOK.top(), 200 + kBoxHeight + kGap);
  EXPECT_EQ(bottom, cmdOK.top() + kButtonHeight);
  Column(50, 200, {{&txtValue, 1000}, {&cmdOK, 1000}}, 500);
  EXPECT_EQ(cmdOK.top(), 700);
  EXPECT_EQ(Buttons(240, 3000, {&cmdOK, &cmdCancel}), 240 + 2 * kButtonWidth + kGap);
  EXPECT_EQ(Of(cmdCancel), (Box{240 + kButtonWidth + kGap, 3000, kButtonWidth, kButtonHeight}));
}

TEST_F(LayoutTest, GridsOfArraysInsideAFrame) {
  for (int i = 0; i < 3; ++i) Contain(fraBox, {&lblClass[i], &cboClass[i]});
  const int next = Grid(
      kGap, 270, 3, 360,
      [this](int r) {
        return std::vector<Cell>{{&lblClass[r], 1140}, {&cboClass[r], 1020}};
      },
      0);
  EXPECT_EQ(next, 270 + 3 * 360);
  EXPECT_EQ(Of(cboClass[2]), (Box{kGap + 1140, 270 + 2 * 360, 1020, kBoxHeight}));
  EXPECT_EQ(lblClass[1].top(), 270 + 360 + kLabelDrop);
  EXPECT_EQ(cboClass[0].container(), &fraBox);
}

}  // namespace
}  // namespace tarvex::forms::layout
