#include "app/frm_rate_sheet.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "app/frm_msg.h"
#include "app/program.h"
#include "base/text.h"
#include "engine/frm_intrastate_tariffs.h"
#include "engine/tariffs.h"
#include "forms/layout.h"
#include "geo/postal_code.h"
#include "pricing/input_fields.h"
#include "ratesheet/codes.h"
#include "ratesheet/frm_discount_rs.h"
#include "ratesheet/zipcodes.h"

namespace tarvex::app {

namespace {

using Controls = std::initializer_list<forms::Control*>;
using ratesheet::kClassColumns;
using ratesheet::kSidelinePairs;
using ratesheet::kWeightRows;

constexpr int kPairRows = 8;
constexpr int kPairPitch = 345;
constexpr int kSidelineBoxWidth = 720;
// The heading "Low … High … Low … High" is set in a fixed-pitch face; the boxes stand under
// its words, which begin at these character columns.
constexpr int kHeadingCharTwips = 96;
constexpr std::array<int, 4> kHeadingColumns{0, 16, 35, 51};
constexpr int kCheckPitch = 300;
constexpr int kWeightColumnWidth = 1000;
constexpr int kClassColumnWidth = 1000;
constexpr int kRightLeft = 6660;
constexpr int kRightWidth = 4140;
constexpr int kTop = 600;

constexpr const char* kInvalidCode = "Invalid ZIP/Postal Code";
constexpr const char* kNoMexico = "Rate Sheet not available from/to Mexico.";

bool EndsInM(const std::string& code) {
  return !code.empty() && code.back() == 'M';
}

}  // namespace

frmRateSheet::frmRateSheet(Program& program)
    : Form(program.runtime, "frmRateSheet"),
      program_(program),
      rsOptions_(program.runtime, program.settings) {
  Design();
  WireEvents();
}

void frmRateSheet::Design() {
  using namespace forms::layout;
  mnuExit.setCaption("E&xit");
  mnuRateSheetOptions.setCaption("Rate Sheet &Options");

  const int headlineRight =
      CaptionBeside(Label1, "Headline ZIP/ Postal Code", 2040, txtHZ, 900, kGap, 150);
  txtHZ.setMaxLength(6);
  Row(headlineRight + 3 * kGap, 150, {{&optOutBound, 1560}, {&optInBound, 1560}});
  optOutBound.setCaption("From Headline");
  optInBound.setCaption("To Headline");

  // Sideline pairs: two columns of eight under the heading.
  const int pairsTop = 990;
  Frame1.move(kGap, kTop, 6420, pairsTop + kPairRows * kPairPitch + 60 + kButtonHeight + kGap);
  Frame1.setCaption("ZIP/Postal Code Information");
  Contain(Frame1, {&Label2, &Label3, &cmdClearSideZips});
  Label2.move(kGap, 270, 6180, 420);
  Label2.setCaption("Enter 3 Digit ZIP/Postal Code Range or 2 Character State Code or US");
  Label3.move(kGap, 720, 6180, kLabelHeight);
  Label3.setCaption("Low             High               Low             High");
  Label3.setFontName("Courier New");
  for (int i = 0; i < kSidelinePairs; ++i) {
    Contain(Frame1, {&txtszl[i], &txtszh[i]});
    const auto column = static_cast<std::size_t>(i / kPairRows) * 2;
    const int top = pairsTop + (i % kPairRows) * kPairPitch;
    txtszl[i].move(kGap + kHeadingColumns.at(column) * kHeadingCharTwips, top, kSidelineBoxWidth,
                   kBoxHeight);
    txtszh[i].move(kGap + kHeadingColumns.at(column + 1) * kHeadingCharTwips, top,
                   kSidelineBoxWidth, kBoxHeight);
    txtszl[i].setMaxLength(4);
    txtszh[i].setMaxLength(4);
  }
  cmdClearSideZips.move(kGap, pairsTop + kPairRows * kPairPitch + 60, 3000, kButtonHeight);
  cmdClearSideZips.setCaption("Clear Sideline ZIP/Postal Codes");

  // Weights: three rows of three, the buttons below.
  const int weightRows = 3;
  Frame2.move(kRightLeft, kTop, kRightWidth,
              270 + weightRows * kCheckPitch + kNarrowGap + kButtonHeight + kGap);
  Frame2.setCaption("Weight Selection");
  for (int i = 0; i < kWeightRows; ++i) {
    Contain(Frame2, {&chkWS[i]});
    chkWS[i].move(kGap + (i / weightRows) * kWeightColumnWidth,
                  270 + (i % weightRows) * kCheckPitch, kWeightColumnWidth - kGap, kLabelHeight);
    chkWS[i].setVisible(false);
  }
  Contain(Frame2, {&cmdWSSelLTL, &cmdWSSelAll, &cmdWSClearAll});
  Buttons(kGap, 270 + weightRows * kCheckPitch + kNarrowGap,
          {&cmdWSSelLTL, &cmdWSSelAll, &cmdWSClearAll});
  cmdWSSelLTL.setCaption("Select LTL");
  cmdWSSelAll.setCaption("Select All");
  cmdWSClearAll.setCaption("Clear All");

  // Classes: four columns of five, the buttons below.
  const int classRows = 5;
  Frame3.move(kRightLeft, Frame2.top() + Frame2.height() + kGap, kRightWidth,
              270 + classRows * kCheckPitch + kNarrowGap + kButtonHeight + kGap);
  Frame3.setCaption("Class Selection");
  for (int i = 0; i < kClassColumns; ++i) {
    Contain(Frame3, {&chkCS[i]});
    chkCS[i].move(kGap + (i / classRows) * kClassColumnWidth, 270 + (i % classRows) * kCheckPitch,
                  kClassColumnWidth - kGap, kLabelHeight);
    chkCS[i].setVisible(false);
  }
  Contain(Frame3, {&cmdCSSelAll, &cmdCSClearAll});
  Buttons(kGap, 270 + classRows * kCheckPitch + kNarrowGap, {&cmdCSSelAll, &cmdCSClearAll});
  cmdCSSelAll.setCaption("Select All");
  cmdCSClearAll.setCaption("Clear All");

  const int bottom = std::max(Frame1.top() + Frame1.height(), Frame3.top() + Frame3.height());
  const int right = kRightLeft + kRightWidth;
  Buttons(right - 4 * kButtonWidth - 3 * kGap, bottom + kGap,
          {&cmdPrint, &cmdDiscount, &cmdStartOver, &cmdClose});
  cmdPrint.setCaption("Print");
  cmdDiscount.setCaption("Discounts");
  cmdStartOver.setCaption("Reset");
  cmdClose.setCaption("Close");
  cmdClose.setCausesValidation(false);
  setWidth(right + kGap + 120);
  setHeight(bottom + kGap + kButtonHeight + kGap + 780);

  std::vector<forms::Control*> order = {&txtHZ, &optOutBound, &optInBound};
  for (int i = 0; i < kSidelinePairs; ++i) {
    order.push_back(&txtszl[i]);
    order.push_back(&txtszh[i]);
  }
  order.push_back(&cmdClearSideZips);
  for (int i = 0; i < kWeightRows; ++i) order.push_back(&chkWS[i]);
  for (forms::Control* c : Controls{&cmdWSSelLTL, &cmdWSSelAll, &cmdWSClearAll}) order.push_back(c);
  for (int i = 0; i < kClassColumns; ++i) order.push_back(&chkCS[i]);
  for (forms::Control* c :
       Controls{&cmdCSSelAll, &cmdCSClearAll, &cmdPrint, &cmdDiscount, &cmdStartOver, &cmdClose})
    order.push_back(c);
  SetTabOrder(order);
}

void frmRateSheet::WireEvents() {
  txtHZ.onGotFocus = [this] {
    if (returning_ == &txtHZ) returning_ = nullptr;
    pricing::SelectAllText(txtHZ);
  };
  txtHZ.onKeyPress = [this](int& key) { txtHZ_KeyPress(key); };
  txtHZ.onLostFocus = [this] { txtHZ_LostFocus(); };
  for (int i = 0; i < kSidelinePairs; ++i) {
    txtszl[i].onGotFocus = [this, i] {
      if (returning_ == &txtszl[i]) returning_ = nullptr;
      pricing::SelectAllTextInArray(txtszl, i);
    };
    txtszh[i].onGotFocus = [this, i] {
      if (returning_ == &txtszh[i]) returning_ = nullptr;
      pricing::SelectAllTextInArray(txtszh, i);
    };
    txtszl[i].onKeyPress = [this, i](int& key) { Sideline_KeyPress(txtszl[i], true, key); };
    txtszh[i].onKeyPress = [this, i](int& key) { Sideline_KeyPress(txtszh[i], false, key); };
    txtszl[i].onLostFocus = [this, i] { txtszl_LostFocus(i); };
    txtszh[i].onLostFocus = [this, i] { txtszh_LostFocus(i); };
  }
  cmdClearSideZips.onClick = [this] { ClearSidelineZips(); };
  cmdCSSelAll.onClick = [this] { cmdCSSelAll_Click(); };
  cmdCSClearAll.onClick = [this] { ClearClasses(); };
  cmdWSSelAll.onClick = [this] { cmdWSSelAll_Click(); };
  cmdWSClearAll.onClick = [this] { ClearWeights(); };
  cmdWSSelLTL.onClick = [this] { SelectLtlWeights(); };
  cmdStartOver.onClick = [this] { cmdStartOver_Click(); };
  cmdDiscount.onClick = [this] { cmdDiscount_Click(); };
  cmdPrint.onClick = [this] { cmdPrint_Click(); };
  cmdClose.onClick = [this] { Unload(); };
  mnuExit.onClick = [this] { mnuExit_Click(); };
  mnuRateSheetOptions.onClick = [this] { mnuRateSheetOptions_Click(); };
}

void frmRateSheet::Form_Load() {
  pricing::SettingsRecord& s = program_.settings;
  settingsBefore_ = s;
  Centre();

  // The tariff of a lane with no points: the first of the list, or the chosen intrastate one.
  engine::EngineRecord& r = program_.engineRecord;
  r.setText(engine::H7, "");
  r.setText(engine::H9, "");
  engine::TariffRequest request;
  request.silent = true;
  request.chosen = &program_.intrastateChoice;
  const engine::TariffSelection selection = engine::SelectTariff(program_.dir, r, request);
  if (!selection.ok) runtime().MsgBox(selection.error);

  engine::TableRecord table;
  table.setText(engine::K5, r.text(engine::H4));
  table.setText(engine::K6, s.EngineCode);
  program_.engine.GetTables(table);

  // The window has room for nine breaks and nineteen classes.
  const int breakCount = std::clamp<int>(table.value(engine::K4), 0, 20);
  std::vector<std::int32_t> breaks(static_cast<std::size_t>(breakCount));
  for (int i = 0; i < breakCount; ++i)
    breaks[static_cast<std::size_t>(i)] = table.value(engine::K2, i);
  for (int i = 0; i < std::min(breakCount, kWeightRows); ++i) {
    chkWS[i].setCaption(ratesheet::WeightCaption(breaks, static_cast<std::size_t>(i)));
    chkWS[i].setVisible(true);
  }
  const int classCount = std::clamp<int>(table.value(engine::K3), 0, kClassColumns);
  // A tariff with fewer classes than the last one leaves no class of that one behind.
  for (std::string& code : program_.rateSheetRequest.RateSheetClassCodes) code.clear();
  for (int i = 0; i < classCount; ++i) {
    const std::string name = table.text(engine::K1, i);
    chkCS[i].setCaption(name);
    chkCS[i].setVisible(true);
    program_.rateSheetRequest.RateSheetClassCodes.at(static_cast<std::size_t>(i)) =
        ratesheet::RateSheetClassCode(name);
  }

  runtime().Load(rsOptions_);
  setCaption(base::Trim(s.CarrierName) + " - Rate Sheet");

  s.EngineDiscountMode = 3;
  s.EngineDiscountSuppressed = 0;
  for (std::size_t i = 1; i <= 4; ++i) s.RateSheetDiscounts.at(i) = 0;

  const int hideFrom = ratesheet::FirstHiddenWeightColumn(s.MaxTotalWeight);
  if (hideFrom != 0)
    for (int i = hideFrom - 1; i < kWeightRows; ++i) chkWS[i].setVisible(false);

  optOutBound.setValue(1);
}

void frmRateSheet::Form_Activate() {
  program_.ratingState = "Y";
}

void frmRateSheet::Form_Unload(bool& cancel) {
  (void)cancel;
  // Reading the settings again undoes the rate sheet's changes to them.
  const auto file = program_.dir.resolve(pricing::kSettingsFileName);
  const pricing::SettingsRead read = pricing::ReadSettings(file);
  if (read.ok()) {
    program_.settings = read.record;
  } else {
    program_.settings = settingsBefore_;
    runtime().MsgBox("The settings file " + file.string() +
                     " could not be read again; the settings the rate sheet found stay in force.");
  }
  rsOptions_.Unload();
}

bool frmRateSheet::SkipLeaveCheck() {
  if (program_.ratingState == "N") {
    program_.ratingState = "Y";
    return true;
  }
  const forms::Control* to = runtime().ActiveControl();
  // What a press on these buttons does needs no check of the field left for it.
  if (to == &cmdClose || to == &cmdStartOver || to == &cmdDiscount) return true;
  return returning_ != nullptr && to == returning_;
}

void frmRateSheet::Refuse(const std::string& message, forms::TextBox& field, bool selectText) {
  runtime().MsgBox(message);
  returning_ = &field;
  field.SetFocus();
  if (selectText) pricing::SelectAllText(field);
}

void frmRateSheet::txtHZ_KeyPress(int& keyAscii) {
  if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 'a' - 'A';
  // A five-digit code may be followed only by the Mexican suffix.
  const bool full = txtHZ.text().size() == 5 && txtHZ.selLength() == 0;
  if (full && keyAscii != 'M' && keyAscii != forms::keys::Enter && keyAscii != forms::keys::Tab &&
      keyAscii != forms::keys::Backspace) {
    keyAscii = 0;
    return;
  }
  keyAscii = geo::FilterPostalCodeKey(txtHZ.text(), txtHZ.selLength(), keyAscii);
  keyAscii = pricing::EnterAsTab(runtime(), keyAscii);
}

void frmRateSheet::txtHZ_LostFocus() {
  if (SkipLeaveCheck()) return;
  CheckHeadline();
}

bool frmRateSheet::CheckHeadline() {
  const std::string code = base::Trim(txtHZ.text());
  const bool threeDigit = pricing::On(program_.settings.ThreeDigitCodes);
  if ((code.size() < 5 && !threeDigit) || !ratesheet::IsValidZipForm(code)) {
    Refuse(kInvalidCode, txtHZ);
    return false;
  }
  if (code.size() == 6 && EndsInM(code) && program_.Mexico571Mode) {
    Refuse(kNoMexico, txtHZ);
    return false;
  }
  program_.rateSheetRequest.HeadlineCode =
      code.size() == 3 && threeDigit ? ratesheet::WidenHeadline(code) : code;
  headlineChecked_ = code;
  return true;
}

void frmRateSheet::Sideline_KeyPress(forms::TextBox& box, bool low, int& keyAscii) {
  if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 'a' - 'A';
  const int key = keyAscii;
  const bool letterOrDigit = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
  if (!letterOrDigit && key != forms::keys::Tab && key != forms::keys::Backspace &&
      key != forms::keys::Enter) {
    keyAscii = 0;
    return;
  }
  if (key == forms::keys::Enter) {
    keyAscii = 0;
    // An empty low box ends the list of pairs.
    if (low && base::Trim(box.text()).empty())
      cmdWSSelAll.SetFocus();
    else
      runtime().PostTab();
    return;
  }
  if (!letterOrDigit) return;
  const std::string& text = box.text();
  const bool mexicanSuffix = key == 'M' && ratesheet::IsNumericCode(text);
  if (text.size() >= 3 && box.selLength() == 0 && !mexicanSuffix) keyAscii = 0;
}

bool frmRateSheet::ExpandState(int index) {
  const std::string state = base::Trim(txtszl[index].text());
  std::vector<ratesheet::CodeRange> ranges;
  if (state == "US") {
    ranges.push_back({"010", "994"});
  } else {
    const auto read = ratesheet::ReadStateRanges(program_.dir, state);
    if (!read.ok()) {
      if (!zipCodesFaultShown_) runtime().MsgBox(read.fault() + " No state is expanded.");
      zipCodesFaultShown_ = true;
      return false;
    }
    ranges = read.value();
  }
  if (ranges.empty()) return false;
  int placed = 0;
  bool lost = false;
  for (const ratesheet::CodeRange& range : ranges) {
    const int pair = index + placed;
    if (pair >= kSidelinePairs) {
      lost = true;
      continue;
    }
    txtszl[pair].setText(range.low);
    txtszh[pair].setText(range.high);
    ++placed;
  }
  if (lost) runtime().MsgBox("Not enough space to display all zips, some zips are lost.");
  if (index + placed > kSidelinePairs - 1)
    cmdWSSelAll.SetFocus();
  else
    txtszl[index + placed].SetFocus();
  return true;
}

void frmRateSheet::txtszl_LostFocus(int index) {
  if (SkipLeaveCheck()) return;
  const forms::Control* to = runtime().ActiveControl();
  if (to == &cmdPrint) return;
  const std::string low = base::Trim(txtszl[index].text());
  const bool toHighBox = to != nullptr && to->name() == "txtszh" && &to->form() == this;
  if (low.empty() && (!toHighBox || to->index() < index)) return;

  if (low.size() == 2 && base::Val(txtszh[index].text()) == 0 && ExpandState(index)) return;
  if (low.empty() && index == 0) {
    Refuse("You must enter at least one pair of zips", txtszl[0]);
    return;
  }
  if (!ratesheet::IsValidZipForm(low)) {
    Refuse(kInvalidCode, txtszl[index]);
    return;
  }
  if (low.size() == 4 && EndsInM(low) && program_.Mexico571Mode) Refuse(kNoMexico, txtszl[index]);
}

void frmRateSheet::txtszh_LostFocus(int index) {
  if (SkipLeaveCheck()) return;
  const forms::Control* to = runtime().ActiveControl();
  if (to == &cmdClearSideZips) return;
  if (to != nullptr && to->name() == "txtszl" && &to->form() == this && to->index() <= index)
    return;
  const std::string low = base::Trim(txtszl[index].text());
  const std::string high = base::Trim(txtszh[index].text());
  if (high.empty() && !low.empty()) {
    Refuse("You must enter a high ZIP/Postal Code", txtszh[index]);
    return;
  }
  printGate_ = ratesheet::IsValidSidelineCode(high);
  if (!printGate_ || !ratesheet::IsValidZipForm(high)) {
    Refuse(kInvalidCode, txtszh[index], true);
    return;
  }
  // Without a low code there is no country to compare with: ask for the code first.
  if (low.empty()) {
    Refuse("You must enter a low ZIP/Postal Code", txtszl[index]);
    return;
  }
  if (ratesheet::CountryOfSideline(low) != ratesheet::CountryOfSideline(high)) {
    Refuse("High ZIP/Postal Code must be in same country as low ZIP/Postal Code", txtszh[index]);
    return;
  }
  if (base::CompareText(high, low) < 0) {
    Refuse("Low must be less than high", txtszh[index]);
    return;
  }
  if (low.size() == 4 && EndsInM(low) && program_.Mexico571Mode) Refuse(kNoMexico, txtszh[index]);
}

void frmRateSheet::ClearClasses() {
  for (int i = 0; i < kClassColumns; ++i) chkCS[i].setValue(0);
}

void frmRateSheet::ClearWeights() {
  for (int i = 0; i < kWeightRows; ++i) chkWS[i].setValue(0);
}

void frmRateSheet::ClearSidelineZips() {
  for (int i = 0; i < kSidelinePairs; ++i) {
    txtszl[i].setText("");
    txtszh[i].setText("");
  }
  txtszl[0].SetFocus();
}

void frmRateSheet::SelectLtlWeights() {
  for (int i = 0; i < 6; ++i)
    if (chkWS[i].visible()) chkWS[i].setValue(1);
  cmdCSSelAll.SetFocus();
}

void frmRateSheet::cmdCSSelAll_Click() {
  for (int i = 0; i < kClassColumns; ++i)
    if (chkCS[i].visible()) chkCS[i].setValue(1);
  cmdPrint.SetFocus();
}

void frmRateSheet::cmdWSSelAll_Click() {
  for (int i = 0; i < kWeightRows; ++i)
    if (chkWS[i].visible()) chkWS[i].setValue(1);
  cmdCSSelAll.SetFocus();
}

void frmRateSheet::cmdStartOver_Click() {
  for (std::size_t i = 1; i <= 4; ++i) program_.settings.RateSheetDiscounts.at(i) = 0;
  ClearSidelineZips();
  ClearWeights();
  ClearClasses();
  txtHZ.setText("");
  optOutBound.setValue(1);
  txtHZ.SetFocus();
}

void frmRateSheet::cmdDiscount_Click() {
  program_.ratingState = "N";
  ratesheet::frmDiscountRS window(runtime(), program_.settings, program_.decimalSeparator);
  window.ShowModal();
  program_.ratingState = "Y";
}

void frmRateSheet::mnuRateSheetOptions_Click() {
  program_.ratingState = "N";
  rsOptions_.ShowModal();
  program_.ratingState = "N";
  txtHZ.SetFocus();
  // The move to the headline box has skipped its one check; the next leave checks again.
  program_.ratingState = "Y";
}

void frmRateSheet::mnuExit_Click() {
  program_.ratingState = "N";
  Unload();
}

bool frmRateSheet::CheckPairs() {
  int given = 0;
  for (int i = 0; i < kSidelinePairs; ++i) {
    const std::string low = base::Trim(txtszl[i].text());
    const std::string high = base::Trim(txtszh[i].text());
    if (low.empty() && high.empty()) continue;
    ++given;
    if (high.empty()) {
      Refuse("You must enter a high ZIP/Postal Code", txtszh[i]);
      return false;
    }
    if (low.empty()) {
      Refuse("You must enter a low ZIP/Postal Code", txtszl[i]);
      return false;
    }
    if (!ratesheet::IsValidZipForm(low)) {
      Refuse(kInvalidCode, txtszl[i]);
      return false;
    }
    if (!ratesheet::IsValidSidelineCode(high) || !ratesheet::IsValidZipForm(high)) {
      Refuse(kInvalidCode, txtszh[i], true);
      return false;
    }
    if (ratesheet::CountryOfSideline(low) != ratesheet::CountryOfSideline(high)) {
      Refuse("High ZIP/Postal Code must be in same country as low ZIP/Postal Code", txtszh[i]);
      return false;
    }
    if (base::CompareText(high, low) < 0) {
      Refuse("Low must be less than high", txtszh[i]);
      return false;
    }
    if (low.size() == 4 && EndsInM(low) && program_.Mexico571Mode) {
      Refuse(kNoMexico, txtszl[i]);
      return false;
    }
  }
  if (given == 0) Refuse("You must enter at least one pair of zips", txtszl[0]);
  return given > 0;
}

void frmRateSheet::cmdPrint_Click() {
  if (!printGate_) return;
  // A check of the field just left has refused it and taken the focus back.
  if (runtime().ActiveControl() != &cmdPrint) return;
  const std::string headline = base::Trim(txtHZ.text());
  if (headline.empty()) {
    runtime().MsgBox("You must enter a Headline ZIP/Postal Code");
    return;
  }
  // The sheet is made for the headline on the screen, even when its check was skipped.
  if (headline != headlineChecked_ && !CheckHeadline()) return;
  bool weight = false;
  for (int i = 0; i < kWeightRows; ++i) weight = weight || chkWS[i].value() != 0;
  if (!weight) {
    runtime().MsgBox("You must select a weight");
    return;
  }
  bool cls = false;
  for (int i = 0; i < kClassColumns; ++i) cls = cls || chkCS[i].value() != 0;
  if (!cls) {
    runtime().MsgBox("You must select a class");
    return;
  }
  if (!CheckPairs()) return;
  SaveRequest();
  engine::frmIntrastateTariffs chooser(runtime(), program_.dir, program_.intrastateChoice);
  chooser.ShowModal();
  ShowProduction();
}

void frmRateSheet::SaveRequest() {
  ratesheet::RateSheetRequest& q = program_.rateSheetRequest;
  if (optOutBound.value() != 0)
    q.Outbound = true;
  else if (optInBound.value() != 0)
    q.Outbound = false;
  // The production stops at the first pair not in use: pairs are packed from slot 0, so a
  // pair typed after an empty one is rated too.
  std::size_t slot = 0;
  for (int i = 0; i < kSidelinePairs; ++i) {
    const std::string low = base::Trim(txtszl[i].text());
    const std::string high = base::Trim(txtszh[i].text());
    if (low.empty() || high.empty()) continue;
    q.SidelineLow.at(slot) = low;
    q.SidelineHigh.at(slot) = high;
    ++slot;
  }
  for (; slot < q.SidelineLow.size(); ++slot) {
    q.SidelineLow.at(slot).clear();
    q.SidelineHigh.at(slot).clear();
  }
  for (int i = 0; i < kClassColumns; ++i)
    q.ClassSelected.at(static_cast<std::size_t>(i)) = chkCS[i].value() != 0;
  for (int i = 0; i < kWeightRows; ++i)
    q.WeightSelected.at(static_cast<std::size_t>(i)) = chkWS[i].value() != 0;
}

void frmRateSheet::ShowProduction() {
  runtime().desktop().DoEvents();
  frmMsg production(program_);
  std::array<std::string, 5> headers;
  const auto texts = RSOptions().HeaderTexts();
  for (std::size_t i = 0; i < texts.size(); ++i) headers.at(i + 1) = texts[i];
  production.setHeaderTexts(headers);
  production.setHeadlineText(base::Trim(txtHZ.text()));
  std::array<std::string, ratesheet::kWeightRows> captions;
  for (int i = 0; i < ratesheet::kWeightRows; ++i)
    captions.at(static_cast<std::size_t>(i)) = chkWS[i].caption();
  production.setWeightCaptions(captions);
  production.setChosenStates(&program_.intrastateChoice);
  production.ShowModal();
  runtime().desktop().DoEvents();
}

}  // namespace tarvex::app
