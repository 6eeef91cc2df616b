#include "app/frm_defaults.h"

#include <algorithm>
#include <cstdint>

#include "app/program.h"
#include "base/number_format.h"
#include "base/text.h"
#include "forms/layout.h"
#include "geo/postal_code.h"
#include "pricing/input_fields.h"
#include "pricing/settings.h"

namespace tarvex::app {

namespace {

using pricing::On;

constexpr int kCaptionWidth = 2400;
constexpr int kBoxWidth = 900;
constexpr int kRightLeft = 3660;
constexpr int kRightCaptionWidth = 2280;
constexpr int kRowPitch = 360;
constexpr int kWidth = 7080;
constexpr int kHeight = 3840;

constexpr const char* kFuelCaption = "Fuel Srchg %   within US/CAN";
constexpr const char* kFuelCaptionMexico = "Fuel Surcharge  (US / CAN %)";

std::string Field(const std::string& text, std::size_t width) {
  return base::PadRight(text.substr(0, std::min(text.size(), width)), width);
}

}  // namespace

frmDefaults::frmDefaults(Program& program)
    : Form(program.runtime, "frmDefaults"), program_(program) {
  Design();
  WireEvents();
}

void frmDefaults::Design() {
  using namespace forms::layout;
  setCaption("Defaults");
  setWidth(kWidth);
  setHeight(kHeight);
  setKeyPreview(true);

  // The quote defaults on the left, the percentages and factors on the right.
  const std::pair<forms::Label*, const char*> left[] = {
      {&lblOrigin, "Origin ZIP/Postal Code"},
      {&lblDestination, "Destination ZIP/Postal Code"},
      {&lblClass, "Class"},
      {&lblWeight, "Weight"}};
  forms::Control* leftBoxes[] = {&txtOrigin, &txtDestination, &cboClass, &txtWeight};
  for (std::size_t i = 0; i < 4; ++i)
    CaptionBeside(*left[i].first, left[i].second, kCaptionWidth, *leftBoxes[i], kBoxWidth, kGap,
                  kGap + static_cast<int>(i) * kRowPitch, kNarrowGap);
  const std::pair<forms::Label*, const char*> right[] = {
      {&lblFuelSurcharge, kFuelCaption},
      {&lblFuelSurchargeLTLMX, "to/from MX"},
      {&lblFuelSurchargeTL, "Fuel Surcharge - TL (%)"},
      {&lblRateAdjustmentFactor, "Rate Adjustment Factor"},
      {&lblHiddenRateAdjustmentFactor, "Hidden Rate Adjustment Factor"},
      {&lblCanadianExchangeFactor, "Canadian Exchange Factor (%)"}};
  forms::Control* rightBoxes[] = {
      &txtFuelSurchargeLTL,     &txtFuelSurchargeLTLMX,         &txtFuelSurchargeTL,
      &txtRateAdjustmentFactor, &txtHiddenRateAdjustmentFactor, &txtCanadianExchangeFactor};
  for (std::size_t i = 0; i < 6; ++i)
    CaptionBeside(*right[i].first, right[i].second, kRightCaptionWidth, *rightBoxes[i], kBoxWidth,
                  kRightLeft, kGap + static_cast<int>(i) * kRowPitch, kNarrowGap);
  lblFuelSurchargeLTLMX.setAlignment(forms::Alignment::Right);

  fraPromptFor.move(kGap, kGap + 4 * kRowPitch + kGap, kCaptionWidth + kNarrowGap + kBoxWidth, 900);
  fraPromptFor.setCaption("Prompt For");
  Contain(fraPromptFor, {&chkAccessorialCharges, &chkPricePerUnit});
  Column(kGap, 240, {{&chkAccessorialCharges, 2400}, {&chkPricePerUnit, 2400}}, 300);
  chkAccessorialCharges.setCaption("Accessorial Charges");
  chkPricePerUnit.setCaption("Price Per Unit");

  const int buttonsTop = kGap + 6 * kRowPitch + kGap;
  Buttons(kRightLeft + kRightCaptionWidth + kNarrowGap + kBoxWidth - 2 * kButtonWidth - kGap,
          buttonsTop, {&cmdSave, &cmdIgnore});
  cmdSave.setCaption("&Save");
  cmdIgnore.setCaption("&Cancel");
  cmdIgnore.setCausesValidation(false);
  lblStatusBar.move(kGap, buttonsTop + kButtonHeight + kGap, kWidth - 120 - 2 * kGap, kLabelHeight);
  lblStatusBar.setBorderStyle(forms::kBorderFixedSingle);

  txtOrigin.setMaxLength(6);
  txtDestination.setMaxLength(6);
  cboClass.setMaxLength(4);
  txtWeight.setMaxLength(5);
  for (forms::TextBox* box : {&txtFuelSurchargeLTL, &txtFuelSurchargeLTLMX, &txtFuelSurchargeTL,
                              &txtCanadianExchangeFactor})
    box->setMaxLength(6);
  txtRateAdjustmentFactor.setMaxLength(5);
  txtHiddenRateAdjustmentFactor.setMaxLength(5);
  for (forms::TextBox* box :
       {&txtWeight, &txtFuelSurchargeLTL, &txtFuelSurchargeLTLMX, &txtFuelSurchargeTL,
        &txtRateAdjustmentFactor, &txtHiddenRateAdjustmentFactor, &txtCanadianExchangeFactor})
    box->setAlignment(forms::Alignment::Right);

  SetTabOrder({&txtOrigin, &txtDestination, &cboClass, &txtWeight, &txtFuelSurchargeLTL,
               &txtFuelSurchargeLTLMX, &txtFuelSurchargeTL, &txtRateAdjustmentFactor,
               &txtHiddenRateAdjustmentFactor, &txtCanadianExchangeFactor, &chkAccessorialCharges,
               &chkPricePerUnit, &cmdSave, &cmdIgnore});
}

void frmDefaults::WireEvents() {
  // What the status line says while a control has the focus; boxes select their text.
  const std::pair<forms::Control*, const char*> prompts[] = {
      {&txtOrigin, " Enter a Valid Origin ZIP/Postal Code "},
      {&txtDestination, " Enter a Valid Destination ZIP/Postal Code "},
      {&cboClass, " Enter a Valid Class "},
      {&txtWeight, " Enter a Valid Weight "},
      {&txtFuelSurchargeLTL, " Enter a Fuel Surcharge for LTL Shipments "},
      {&txtFuelSurchargeLTLMX, " Enter a Fuel Surcharge for LTL Shipments "},
      {&txtFuelSurchargeTL, " Enter a Fuel Surcharge for TL Shipments "},
      {&txtRateAdjustmentFactor, " Enter a Rate Adjustment Factor "},
      {&txtHiddenRateAdjustmentFactor, " Enter a Hidden Rate Adjustment Factor "},
      {&txtCanadianExchangeFactor, " Enter a Canadian Exchange Factor "},
      {&chkAccessorialCharges, " Select to prompt for Accessorial Charges "},
      {&chkPricePerUnit, " Select to prompt for Price Per Unit "},
      {&cmdSave, " Click Here to Save and Exit "},
      {&cmdIgnore, " Click Here to Exit Without Saving "}};
  for (const auto& [control, prompt] : prompts) {
    forms::Control* c = control;
    const std::string text = prompt;
    const bool box =
        c->kind() == forms::ControlKind::TextBox || c->kind() == forms::ControlKind::ComboBox;
    c->onGotFocus = [this, c, text, box] {
      lblStatusBar.setCaption(text);
      if (box) pricing::SelectAllText(*c);
    };
  }

  for (forms::TextBox* code : {&txtOrigin, &txtDestination}) {
    code->onKeyPress = [code](int& key) {
      key = geo::FilterPostalCodeKey(code->text(), code->selLength(), key);
    };
    code->onValidate = [this, code](bool& cancel) { CodeBox_Validate(*code, cancel); };
  }
  const char separator = program_.decimalSeparator;
  const std::pair<forms::Control*, std::pair<int, int>> numeric[] = {
      {&cboClass, {4, 1}},
      {&txtWeight, {5, 0}},
      {&txtFuelSurchargeLTL, {6, 3}},
      {&txtFuelSurchargeLTLMX, {6, 3}},
      {&txtFuelSurchargeTL, {6, 3}},
      {&txtRateAdjustmentFactor, {5, 2}},
      {&txtHiddenRateAdjustmentFactor, {5, 2}},
      {&txtCanadianExchangeFactor, {6, 3}}};
  for (const auto& [control, format] : numeric) {
    forms::Control* c = control;
    const int length = format.first;
    const int decimals = format.second;
    c->onKeyPress = [this, c, length, decimals, separator](int& key) {
      pricing::SetNumericKey(runtime(), *c, key, length, decimals, separator);
    };
  }
  cboClass.onValidate = [this](bool& cancel) { cboClass_Validate(cancel); };
  cmdSave.onClick = [this] { cmdSave_Click(); };
  cmdIgnore.onClick = [this] { Unload(); };
}

void frmDefaults::Form_Load() {
  const pricing::SettingsRecord& s = program_.settings;
  const char separator = program_.decimalSeparator;
  saved_ = false;
  Centre();
  setIcon(program_.IconPath());

  const bool mexico = program_.Mexico571Mode;
  lblFuelSurchargeLTLMX.setVisible(!mexico);
  txtFuelSurchargeLTLMX.setVisible(!mexico);
  lblFuelSurcharge.setCaption(mexico ? kFuelCaptionMexico : kFuelCaption);

  cboClass.clearItems();
  for (const std::int16_t entry : program_.classTable) cboClass.addItem(pricing::ClassText(entry));

  // Each box shows its field, and a field the carrier locked cannot be changed.
  const auto show = [](forms::Control& box, const std::string& text, std::int16_t lock) {
    box.setText(text);
    box.setEnabled(!On(lock));
  };
  show(txtOrigin, base::Trim(s.DefaultOrigin), s.OriginLocked);
  show(txtDestination, base::Trim(s.DefaultDestination), s.DestinationLocked);
  show(cboClass, base::Trim(s.DefaultClass), s.ClassLocked);
  show(txtWeight, std::to_string(s.DefaultWeight), s.WeightLocked);
  show(txtFuelSurchargeLTL, base::FormatMask(s.FuelSurchargeLTL, "0.000", separator),
       s.FuelSurchargeLTLLocked);
  show(txtFuelSurchargeLTLMX, base::FormatMask(s.FuelSurchargeLTLMX, "0.000", separator),
       s.FuelSurchargeLTLLocked);
  show(txtFuelSurchargeTL, base::FormatMask(s.FuelSurchargeTL, "0.000", separator),
       s.FuelSurchargeTLLocked);
  show(txtRateAdjustmentFactor, base::FormatMask(s.RateAdjustmentFactor, "0.00", separator),
       s.RateAdjustmentLocked);
  show(txtHiddenRateAdjustmentFactor,
       base::FormatMask(s.HiddenRateAdjustmentFactor, "0.00", separator), 0);
  show(txtCanadianExchangeFactor, base::FormatMask(s.CanadianExchangeFactor, "0.000", separator),
       s.ExchangeFactorLocked);
  lblHiddenRateAdjustmentFactor.setVisible(false);
  txtHiddenRateAdjustmentFactor.setVisible(false);

  // A prompt is offered only where its feature is on.
  chkPricePerUnit.setValue(On(s.PricePerUnitOn) && On(s.PromptPricePerUnit) ? 1 : 0);
  chkPricePerUnit.setVisible(On(s.PricePerUnitOn));
  chkAccessorialCharges.setValue(On(s.AccessorialsOn) && On(s.PromptAccessorials) ? 1 : 0);
  chkAccessorialCharges.setVisible(On(s.AccessorialsOn));
  fraPromptFor.setVisible(On(s.PricePerUnitOn) || On(s.AccessorialsOn));
  lblStatusBar.setCaption("");
}

void frmDefaults::Form_KeyPress(int& keyAscii) {
  if (keyAscii == 1) {
    keyAscii = 0;
    const bool reveal = !txtHiddenRateAdjustmentFactor.visible();
    lblHiddenRateAdjustmentFactor.setVisible(reveal);
    txtHiddenRateAdjustmentFactor.setVisible(reveal);
    // A box that is hidden cannot keep the focus.
    if (!reveal && runtime().ActiveControl() == &txtHiddenRateAdjustmentFactor)
      if (forms::Control* next = NextInTabOrder(txtHiddenRateAdjustmentFactor)) next->SetFocus();
    return;
  }
  keyAscii = pricing::EnterAsTab(runtime(), keyAscii);
}

void frmDefaults::CodeBox_Validate(forms::TextBox& box, bool& cancel) {
  const std::string code = base::Trim(box.text());
  if (code.empty() || geo::ValidatePostalCode(code)) return;
  runtime().MsgBox("Invalid ZIP/Postal Code");
  cancel = true;
}

void frmDefaults::cboClass_Validate(bool& cancel) {
  double value = base::ValLocal(base::Trim(cboClass.text()), program_.decimalSeparator);
  if (value == 0 || pricing::IsValidClass(value, program_.classTable)) return;
  runtime().MsgBox("Invalid Class");
  cancel = true;
}

double frmDefaults::BoxValue(const forms::TextBox& box) const {
  const std::string text = base::Trim(box.text());
  return text.empty() ? 0.0 : base::ValLocal(text, program_.decimalSeparator);
}

void frmDefaults::cmdSave_Click() {
  const char separator = program_.decimalSeparator;
  const std::string factor = base::Trim(txtRateAdjustmentFactor.text());
  if (factor.empty() || base::ValLocal(factor, separator) == 0) {
    runtime().MsgBox(kRateAdjustmentMessage);
    txtRateAdjustmentFactor.SetFocus();
    return;
  }

  // A locked field keeps what the carrier stored: its box only shows it.
  const pricing::SettingsRecord& s = program_.settings;
  pricing::SettingsRecord edited = s;
  const auto number = [&](const forms::TextBox& box, std::int16_t lock, double& field) {
    if (!On(lock)) field = BoxValue(box);
  };
  number(txtFuelSurchargeLTL, s.FuelSurchargeLTLLocked, edited.FuelSurchargeLTL);
  number(txtFuelSurchargeLTLMX, s.FuelSurchargeLTLLocked, edited.FuelSurchargeLTLMX);
  number(txtFuelSurchargeTL, s.FuelSurchargeTLLocked, edited.FuelSurchargeTL);
  number(txtRateAdjustmentFactor, s.RateAdjustmentLocked, edited.RateAdjustmentFactor);
  number(txtHiddenRateAdjustmentFactor, 0, edited.HiddenRateAdjustmentFactor);
  number(txtCanadianExchangeFactor, s.ExchangeFactorLocked, edited.CanadianExchangeFactor);
  if (!On(s.OriginLocked)) edited.DefaultOrigin = Field(txtOrigin.text(), 6);
  if (!On(s.DestinationLocked)) edited.DefaultDestination = Field(txtDestination.text(), 6);
  if (!On(s.ClassLocked)) {
    const std::string cls = base::Trim(cboClass.text());
    // 92.5 and 77.5 are stored as "92" and "77".
    edited.DefaultClass =
        Field(cls.empty() ? cboClass.text()
                          : std::to_string(base::TruncateToWhole(base::ValLocal(cls, separator))),
              3);
  }
  if (!On(s.WeightLocked))
    edited.DefaultWeight = static_cast<std::int32_t>(
        base::TruncateToWhole(base::ValLocal(base::Trim(txtWeight.text()), separator)));
  edited.PromptPricePerUnit = static_cast<std::int16_t>(chkPricePerUnit.value() != 0 ? -1 : 0);
  edited.PromptAccessorials =
      static_cast<std::int16_t>(chkAccessorialCharges.value() != 0 ? -1 : 0);

  // A record the next start-up would refuse as damaged is not written.
  if (const std::string fault = pricing::SettingsFault(edited); !fault.empty()) {
    struct Limit {
      const char* field;
      forms::TextBox* box;
      const char* message;
    };
    const Limit limits[] = {{"FuelSurchargeLTLMX", &txtFuelSurchargeLTLMX,
                             "Fuel surcharge must be a percentage from 0 to 100"},
                            {"FuelSurchargeLTL", &txtFuelSurchargeLTL,
                             "Fuel surcharge must be a percentage from 0 to 100"},
                            {"FuelSurchargeTL", &txtFuelSurchargeTL,
                             "Fuel surcharge must be a percentage from 0 to 100"},
                            {"RateAdjustmentFactor", &txtRateAdjustmentFactor,
                             "Rate adjustment factors must add up to less than 10"},
                            {"HiddenRateAdjustmentFactor", &txtHiddenRateAdjustmentFactor,
                             "Rate adjustment factors must add up to less than 10"},
                            {"CanadianExchangeFactor", &txtCanadianExchangeFactor,
                             "Canadian exchange factor must be a percentage from -50 to 100"}};
    for (const Limit& limit : limits) {
      if (fault.rfind(limit.field, 0) != 0) continue;
      runtime().MsgBox(limit.message);
      if (limit.box->canFocus()) limit.box->SetFocus();
      return;
    }
    runtime().MsgBox("The defaults cannot be saved: " + fault + ".");
    return;
  }

  std::string error;
  const std::filesystem::path file = program_.dir.resolve(pricing::kSettingsFileName);
  if (!pricing::WriteSettings(file, edited, &error)) {
    runtime().MsgBox("The defaults could not be saved to " + file.string() + ": " + error);
    return;
  }
  program_.settings = edited;
  saved_ = true;
  Unload();
}

}  // namespace tarvex::app
