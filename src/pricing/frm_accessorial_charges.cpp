#include "pricing/frm_accessorial_charges.h"

#include "base/files.h"
#include "base/number_format.h"
#include "base/text.h"
#include "forms/layout.h"
#include "forms/runtime.h"
#include "pricing/input_fields.h"

namespace tarvex::pricing {

namespace {
constexpr int kFirstRowTop = 420;
constexpr int kRowPitch = 330;
}  // namespace

frmAccessorialCharges::frmAccessorialCharges(forms::Runtime& runtime, const base::ProgramDir& dir,
                                             std::string iconPath)
    : Form(runtime, "frmAccessorialCharges"), dir_(dir), iconPath_(std::move(iconPath)) {
  setCaption("Accessorial Charges");
  setWidth(10200);
  setKeyPreview(true);
  using namespace forms::layout;
  // The headings stand over the columns of the rows.
  constexpr int kCharge = 3420;
  constexpr int kAmount = 840;
  constexpr int kUnit = 1140;
  const std::pair<forms::Label*, const char*> headings[] = {{&lblChargeHeading, "Charge"},
                                                            {&lblRateHeading, "Rate"},
                                                            {&lblUnitHeading, "Unit"},
                                                            {&lblMinHeading, "Minimum"},
                                                            {&lblMaxHeading, "Maximum"}};
  for (const auto& [heading, caption] : headings) {
    heading->setCaption(caption);
    heading->setBold(true);
  }
  Row(kGap, kGap - kLabelDrop,
      {{&lblChargeHeading, kCharge},
       {&lblRateHeading, kAmount},
       {&lblUnitHeading, kUnit},
       {&lblMinHeading, kAmount},
       {&lblMaxHeading, kAmount}},
      kNarrowGap);
  for (int k = 0; k <= kAccessorialRows; ++k) {
    Row(kGap, kFirstRowTop + (k - 1) * kRowPitch,
        {{&chkAccessorialCharge[k], kCharge},
         {&lblAccessorialCharge[k], kAmount},
         {&lblAccessorialType[k], kUnit},
         {&lblAccessorialChargeMin[k], kAmount},
         {&lblAccessorialChargeMax[k], kAmount},
         {&lblAccessorialLabel[k], 1200},
         {&txtUserInput[k], 1140}},
        kNarrowGap);
    txtUserInput[k].setMaxLength(8);
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &chkAccessorialCharge[k], &lblAccessorialCharge[k], &lblAccessorialType[k],
             &lblAccessorialChargeMin[k], &lblAccessorialChargeMax[k], &lblAccessorialLabel[k],
             &txtUserInput[k]})
      c->setVisible(false);
    txtUserInput[k].onGotFocus = [this, k] { SelectAllTextInArray(txtUserInput, k); };
    txtUserInput[k].onKeyPress = [this, k](int& key) {
      SetNumericKey(this->runtime(), txtUserInput[k], key, txtUserInput[k].maxLength(), 2);
    };
  }
  const int buttonsTop = kFirstRowTop + kAccessorialRows * kRowPitch + kGap;
  Buttons(2 * kGap, buttonsTop, {&cmdOK, &cmdClose, &cmdClear});
  Row(6600, buttonsTop, {{&cmdViewKRVLRulesTariff, 3360}});
  cmdOK.setCaption("OK");
  cmdClose.setCaption("&Cancel");
  cmdClose.setCausesValidation(false);
  cmdClear.setCaption("&Reset");
  cmdViewKRVLRulesTariff.setCaption("&View Online Rules Tariff");
  setHeight(buttonsTop + kButtonHeight + 600);
  cmdOK.onClick = [this] { cmdOK_Click(); };
  cmdClose.onClick = [this] { Hide(); };
  cmdClear.onClick = [this] { cmdClear_Click(); };
  cmdViewKRVLRulesTariff.onClick = [this] { cmdViewKRVLRulesTariff_Click(); };
}

void frmAccessorialCharges::Form_Load() {
  forms::Desktop& desktop = runtime().desktop();
  desktop.SetWaitCursor(true);
  Centre();
  setIcon(iconPath_);
  bool partial = false;
  const std::vector<AccessorialRecord> records =
      ReadAccessorials(dir_.resolve(kAccessorialFileName), &partial);
  std::vector<std::string> damaged;
  if (partial) damaged.emplace_back("it ends in a partial record");
  int k = 0;
  bool beyond = false;
  for (std::size_t n = 0; n < records.size(); ++n) {
    const AccessorialRecord& r = records[n];
    if (IsNewYorkTwin(r)) continue;
    // A charge whose numbers cannot be meant is not offered rather than priced wrongly.
    if (const std::string fault = AccessorialFault(r); !fault.empty()) {
      damaged.push_back(fault);
      continue;
    }
    if (k == kAccessorialRows) {
      beyond = true;
      break;
    }
    ++k;
    chkAccessorialCharge[k].setCaption(CaptionOf(r));
    chkAccessorialCharge[k].setTag(std::to_string(n + 1));
    lblAccessorialCharge[k].setCaption(base::FormatMask(r.rate, "0.00"));
    lblAccessorialType[k].setCaption(UnitLabel(r));
    lblAccessorialChargeMin[k].setCaption(base::FormatMask(r.minimum, "0.00"));
    lblAccessorialChargeMax[k].setCaption(base::FormatMask(r.maximum, "0.00"));
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &chkAccessorialCharge[k], &lblAccessorialCharge[k], &lblAccessorialType[k],
             &lblAccessorialChargeMin[k], &lblAccessorialChargeMax[k]})
      c->setVisible(true);
    // Types 1, 5 and 6 are priced from a typed value, even a type 6 whose unit is blank.
    if (TakesInput(r)) {
      txtUserInput[k].setVisible(true);
      lblAccessorialLabel[k].setVisible(true);
      lblAccessorialLabel[k].setCaption(InputLabel(r));
    }
  }
  desktop.SetWaitCursor(false);
  if (!damaged.empty()) {
    std::string text = "The accessorial charge list " +
                       dir_.resolve(kAccessorialFileName).string() + " is damaged: ";
    for (std::size_t i = 0; i < damaged.size(); ++i) text += (i > 0 ? "; " : "") + damaged[i];
    runtime().MsgBox(text + ". Damaged charges are not offered.");
  }
  if (beyond)
    runtime().MsgBox("The accessorial charge list " + dir_.resolve(kAccessorialFileName).string() +
                     " holds more charges than the window's fifteen rows; only the first "
                     "fifteen are offered.");
}

void frmAccessorialCharges::Form_KeyPress(int& keyAscii) {
  keyAscii = EnterAsTab(runtime(), keyAscii);
}

void frmAccessorialCharges::cmdOK_Click() {
  for (int k = 1; k <= kAccessorialRows; ++k) {
    if (!txtUserInput[k].visible() || chkAccessorialCharge[k].value() == 0) continue;
    const std::string text = base::Trim(txtUserInput[k].text());
    if (text.empty() || base::Val(text) <= 0) {
      runtime().MsgBox("A Positive Value is Required");
      txtUserInput[k].SetFocus();
      return;
    }
  }
  Hide();
}

void frmAccessorialCharges::cmdClear_Click() {
  for (int k = 1; k <= kAccessorialRows; ++k) {
    chkAccessorialCharge[k].setValue(0);
    txtUserInput[k].setText("");
  }
}

void frmAccessorialCharges::cmdViewKRVLRulesTariff_Click() {
  std::string host = base::FileToString(dir_.resolve(kWebHostFileName));
  host = base::Trim(host.substr(0, host.find_first_of("\r\n")));
  if (host.empty() ||
      !runtime().desktop().OpenDocument("http://" + host + "/shipping/rules/index.aspx"))
    runtime().MsgBox("Unable to find an Internet Browser");
}

std::vector<TickedAccessorial> frmAccessorialCharges::Ticked() const {
  std::vector<TickedAccessorial> ticked;
  for (int k = 1; k <= kAccessorialRows; ++k)
    if (chkAccessorialCharge[k].visible() && chkAccessorialCharge[k].value() != 0)
      ticked.push_back({static_cast<std::int64_t>(base::Val(chkAccessorialCharge[k].tag())),
                        base::Val(txtUserInput[k].text())});
  return ticked;
}

}  // namespace tarvex::pricing
