#include "ratesheet/frm_rs_options.h"

#include "base/text.h"
#include "forms/layout.h"
#include "forms/runtime.h"
#include "pricing/input_fields.h"

namespace tarvex::ratesheet {

namespace {
constexpr int kCaptionWidth = 1320;
constexpr int kBoxWidth = 7200;
constexpr int kPitch = 420;
}  // namespace

frmRSOptions::frmRSOptions(forms::Runtime& runtime, pricing::SettingsRecord& settings)
    : Form(runtime, "frmRSOptions"), settings_(settings) {
  using namespace forms::layout;
  setCaption("Rate Sheet Options");
  setKeyPreview(true);
  const std::array<std::pair<forms::Label*, const char*>, 4> captions{{
      {&Label4, "Header Text 1"},
      {&Label5, "Header Text 2"},
      {&Label1, "Header Text 3"},
      {&Label2, "Header Text 4"},
  }};
  for (int i = 1; i <= 4; ++i) {
    const auto& [label, text] = captions[static_cast<std::size_t>(i - 1)];
    CaptionBeside(*label, text, kCaptionWidth, txtHeader[i], kBoxWidth, kGap,
                  kGap + (i - 1) * kPitch);
    txtHeader[i].setMaxLength(static_cast<int>(kHeaderTextLength));
    // The lines are printed in a fixed-pitch face: the box shows them as they will stand.
    txtHeader[i].setFontName("Courier New");
    txtHeader[i].onGotFocus = [this, i] { pricing::SelectAllTextInArray(txtHeader, i); };
  }
  txtHeader[0].setVisible(false);
  const int buttonsTop = kGap + 4 * kPitch + kGap;
  const int right = kGap + kCaptionWidth + kGap + kBoxWidth;
  Buttons(right - 3 * kButtonWidth - 2 * kGap, buttonsTop, {&cmdOK, &cmdReset, &cmdClose});
  cmdOK.setCaption("OK");
  cmdReset.setCaption("Reset");
  cmdClose.setCaption("Close");
  setWidth(right + kGap + 120);
  setHeight(buttonsTop + kButtonHeight + kGap + 480);
  cmdOK.onClick = [this] { Hide(); };
  cmdClose.onClick = [this] { Hide(); };
  cmdReset.onClick = [this] { cmdReset_Click(); };
}

void frmRSOptions::Form_Load() {
  Centre();
  cmdReset_Click();
}

void frmRSOptions::Form_KeyPress(int& keyAscii) {
  if (keyAscii != forms::keys::Enter) return;
  // Enter on a button presses it; in a box it moves on.
  const forms::Control* active = runtime().ActiveControl();
  if (active != nullptr && active->kind() == forms::ControlKind::CommandButton) return;
  keyAscii = 0;
  runtime().PostTab();
}

void frmRSOptions::cmdReset_Click() {
  for (int i = 1; i <= 4; ++i) {
    std::string& stored = settings_.RateSheetHeaders.at(static_cast<std::size_t>(i));
    const std::string trimmed = base::Trim(stored);
    stored = base::PadRight(trimmed, kHeaderTextLength);
    txtHeader[i].setText(trimmed);
  }
}

std::array<std::string, 4> frmRSOptions::HeaderTexts() const {
  std::array<std::string, 4> texts;
  for (int i = 1; i <= 4; ++i) texts.at(static_cast<std::size_t>(i - 1)) = txtHeader[i].text();
  return texts;
}

}  // namespace tarvex::ratesheet
