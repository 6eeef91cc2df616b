#include "ratesheet/frm_discount_rs.h"

#include <algorithm>

#include "base/number_format.h"
#include "base/text.h"
#include "forms/layout.h"
#include "forms/runtime.h"
#include "pricing/input_fields.h"

namespace tarvex::ratesheet {

namespace {
constexpr int kCaptionWidth = 1500;
constexpr int kBoxWidth = 900;
constexpr int kPitch = 420;
}  // namespace

frmDiscountRS::frmDiscountRS(forms::Runtime& runtime, pricing::SettingsRecord& settings,
                             char decimalSeparator)
    : Form(runtime, "frmDiscountRS"), settings_(settings), decimalSeparator_(decimalSeparator) {
  using namespace forms::layout;
  setCaption("Discounts");
  CaptionBeside(lblLTL, "LTL Discount %", kCaptionWidth, txtDiscount[1], kBoxWidth, kGap, kGap);
  CaptionBeside(lblTL, "TL Discount %", kCaptionWidth, txtDiscount[2], kBoxWidth, kGap,
                kGap + kPitch);
  const int floorRight = CaptionBeside(lblFloor, "MC Floor", kCaptionWidth, txtDiscount[3],
                                       kBoxWidth, kGap, kGap + 2 * kPitch);
  Row(floorRight + kNarrowGap, kGap + 2 * kPitch, {{&lblFloorLabel, 1500}});
  lblFloorLabel.setCaption("minimum charge");
  txtDiscount[0].setVisible(false);
  txtDiscount[1].setMaxLength(5);
  txtDiscount[2].setMaxLength(5);
  txtDiscount[3].setMaxLength(6);
  for (int i = 1; i <= 3; ++i) {
    txtDiscount[i].setAlignment(forms::Alignment::Right);
    txtDiscount[i].onGotFocus = [this, i] { pricing::SelectAllTextInArray(txtDiscount, i); };
    txtDiscount[i].onKeyPress = [this, i](int& key) { txtDiscount_KeyPress(i, key); };
    txtDiscount[i].onChange = [this, i] { txtDiscount_Change(i); };
    txtDiscount[i].onValidate = [this, i](bool& cancel) { txtDiscount_Validate(i, cancel); };
  }
  const int buttonsTop = kGap + 3 * kPitch + kGap;
  const int width = kGap + 2 * kButtonWidth + kGap + kGap;
  Buttons(kGap, buttonsTop, {&cmdSave, &cmdIgnore});
  cmdSave.setCaption("&Save");
  cmdIgnore.setCaption("&Cancel");
  cmdIgnore.setCausesValidation(false);
  cmdSave.onClick = [this] { cmdSave_Click(); };
  cmdIgnore.onClick = [this] { Unload(); };
  setWidth(std::max(width, floorRight + kNarrowGap + 1500 + kGap) + 120);
  setHeight(buttonsTop + kButtonHeight + kGap + 480);
}

void frmDiscountRS::Form_Load() {
  Centre();
  for (int i = 1; i <= 3; ++i)
    txtDiscount[i].setText(
        base::FormatMask(settings_.RateSheetDiscounts.at(static_cast<std::size_t>(i + 1)), "0.00",
                         decimalSeparator_));
  const bool floor = pricing::On(settings_.RateSheetFloorOn);
  lblFloor.setVisible(floor);
  lblFloorLabel.setVisible(floor);
  txtDiscount[3].setVisible(floor);
}

void frmDiscountRS::txtDiscount_KeyPress(int index, int& keyAscii) {
  keyAscii = pricing::EnterAsTab(runtime(), keyAscii);
  if (keyAscii == 0) return;
  pricing::SetNumericKey(runtime(), txtDiscount[index], keyAscii, txtDiscount[index].maxLength(), 2,
                         decimalSeparator_);
}

void frmDiscountRS::txtDiscount_Change(int index) {
  const std::string& text = txtDiscount[index].text();
  const auto point = text.find(decimalSeparator_);
  if (point == std::string::npos || text.size() - point - 1 <= 2) return;
  runtime().MsgBox("Invalid Entry");
  txtDiscount[index].setText("");
}

double frmDiscountRS::Value(int index) const {
  return base::ValLocal(base::Trim(txtDiscount[index].text()), decimalSeparator_);
}

void frmDiscountRS::txtDiscount_Validate(int index, bool& cancel) {
  if (base::Trim(txtDiscount[index].text()).empty()) return;
  const double value = Value(index);
  // A discount of the whole rate or more is no discount; a floor has no upper bound.
  const bool refused = value < 0 || (index != 3 && value >= 100);
  if (!refused) return;
  runtime().MsgBox("Invalid Discount");
  cancel = true;
}

void frmDiscountRS::cmdSave_Click() {
  for (int i = 1; i <= 3; ++i)
    settings_.RateSheetDiscounts.at(static_cast<std::size_t>(i + 1)) = Value(i);
  Unload();
}

}  // namespace tarvex::ratesheet
