#include "pricing/frm_fak.h"

#include "base/number_format.h"
#include "base/text.h"
#include "forms/layout.h"
#include "pricing/input_fields.h"

namespace tarvex::pricing {

namespace {

constexpr const char* kClassCaptions[18] = {
    "Class 50",  "Class 55",   "Class 60",  "Class 65",  "Class 70",  "Class 77.5",
    "Class 85",  "Class 92.5", "Class 100", "Class 110", "Class 125", "Class 150",
    "Class 175", "Class 200",  "Class 250", "Class 300", "Class 400", "Class 500"};
constexpr int kRowHeight = 360;
constexpr int kFrameTop = 120;

}  // namespace

frmFAK::frmFAK(forms::Runtime& runtime, const base::ProgramDir& dir, const ClassTable& classes,
               FakState& fak, bool mexico571Mode, std::string iconPath)
    : Form(runtime, "frmFAK"),
      dir_(dir),
      classes_(classes),
      fak_(fak),
      mexico571Mode_(mexico571Mode),
      iconPath_(std::move(iconPath)) {
  setCaption("FAK");
  setWidth(5400);
  setHeight(4860);
  using namespace forms::layout;
  fraFAK.move(kGap, kFrameTop, 5040, 9 * kRowHeight + 360);
  // Two columns of nine classes, each caption right beside its box.
  for (int i = 0; i < 18; ++i) {
    Contain(fraFAK, {&lblClass[i], &cboClass[i]});
    CaptionBeside(lblClass[i], kClassCaptions[i], 1140, cboClass[i], 1020, kGap + (i / 9) * 2520,
                  270 + (i % 9) * kRowHeight, 0);
    cboClass[i].onGotFocus = [this, i] { SelectAllTextInArray(cboClass, i); };
    cboClass[i].onKeyPress = [this, i](int& key) {
      key = EnterAsTab(this->runtime(), key);
      if (key != 0) SetNumericKey(this->runtime(), cboClass[i], key, 4, 1);
    };
    cboClass[i].onValidate = [this, i](bool& cancel) { cboClass_Validate(i, cancel); };
  }
  lblDisclaimer.setCaption(
      "FAK values will apply only to the portion of the shipment moving within the US or Canada");
  // The sentence is wider than the window: two lines, in the 250 twips the Mexico layout
  // opens above the frame.
  lblDisclaimer.move(kGap, 0, 5040, 360);
  cmdSaveFAK.setCaption("&Save");
  cmdIgnore.setCaption("&Cancel");
  cmdIgnore.setCausesValidation(false);
  cmdSaveFAK.onClick = [this] { cmdSaveFAK_Click(); };
  cmdIgnore.onClick = [this] { Unload(); };
}

void frmFAK::Form_Load() {
  saved_ = false;
  int frameTop = kFrameTop;
  int height = 4860;
  if (mexico571Mode_) {
    frameTop += 250;
    height += 250;
  }
  fraFAK.setTop(frameTop);
  setHeight(height);
  lblDisclaimer.setVisible(mexico571Mode_);
  forms::layout::Buttons(1500, frameTop + fraFAK.height() + forms::layout::kGap,
                         {&cmdSaveFAK, &cmdIgnore});
  Centre();
  setIcon(iconPath_);
  for (int i = 0; i < 18; ++i) {
    cboClass[i].clearItems();
    for (const std::int16_t c : classes_) cboClass[i].addItem(std::to_string(c));
    cboClass[i].setText(std::to_string(fak_.FakTable[static_cast<std::size_t>(i)]));
  }
}

void frmFAK::cboClass_Validate(int index, bool& cancel) {
  const std::string text = base::Trim(cboClass[index].text());
  double value = base::Val(text);
  if (text.empty() || !IsValidClass(value, classes_)) {
    runtime().MsgBox("Invalid Class");
    cancel = true;
  }
}

void frmFAK::cmdSaveFAK_Click() {
  FakState edited = fak_;
  for (int i = 0; i < 18; ++i)
    edited.FakTable[static_cast<std::size_t>(i)] =
        static_cast<std::int16_t>(base::TruncateToWhole(base::Val(base::Trim(cboClass[i].text()))));
  std::string error;
  const std::filesystem::path file = dir_.resolve(kFakFileName);
  // A table that cannot be written stays as it was, and the window stays open.
  if (!WriteFakTable(file, classes_, edited, &error)) {
    runtime().MsgBox("The FAK table " + file.string() + " could not be saved: " + error);
    return;
  }
  fak_ = edited;
  saved_ = true;
  Unload();
}

}  // namespace tarvex::pricing
