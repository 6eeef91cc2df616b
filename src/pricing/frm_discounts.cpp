#include "pricing/frm_discounts.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "base/files.h"
#include "base/number_format.h"
#include "base/text.h"
#include "forms/layout.h"
#include "forms/runtime.h"
#include "geo/postal_code.h"
#include "pricing/discount_sets.h"
#include "pricing/ini_file.h"
#include "pricing/input_fields.h"
#include "pricing/lane_discounts.h"

namespace tarvex::pricing {

namespace {

using namespace forms::layout;
using Controls = std::initializer_list<forms::Control*>;

constexpr int kEditorWidth = 9600;
constexpr int kEditorHeight = 7320;
// The left-hand area holds the frames, the right-hand column the buttons.
constexpr int kAreaWidth = 7080;
constexpr int kButtonColumnLeft = kAreaWidth + 2 * kGap;
constexpr int kButtonColumnWidth = 2040;
constexpr int kFirstTop = 480;
// Lane-type frames: two columns (outbound, inbound), two rows (interstate, intrastate).
constexpr int kLaneFrameWidth = 3360;
constexpr int kLaneFrameHeight = 1260;
constexpr int kFieldWidth = 1000;
constexpr int kRowPitch = 330;
// The state grid's columns and rows.
constexpr int kStateWidth = 2040;
constexpr int kGridTop = 1140;
// The cross-border boxes.
constexpr int kCrossCaptionWidth = 1320;
constexpr int kCrossFieldWidth = 860;

constexpr int kFloorLength = 6;
constexpr int kLtlLength = 5;

constexpr const char* kShowAdvanced = "Show Advanced Options";
constexpr const char* kCloseAdvanced = "Close Advanced Options";
constexpr const char* kShowInterline = "Show Interline Pricing";
constexpr const char* kShowDirect = "Show Direct Pricing";

bool IsFloorName(std::string_view name) {
  return !IsLtlField(name);
}

}  // namespace

frmDiscounts::frmDiscounts(forms::Runtime& runtime, const base::ProgramDir& dir, bool mexico571Mode,
                           char decimalSeparator, std::string iconPath)
    : Form(runtime, "frmDiscounts"),
      dir_(dir),
      mexico571Mode_(mexico571Mode),
      decimalSeparator_(decimalSeparator),
      iconPath_(std::move(iconPath)) {
  Design();
  WireEvents();
}

void frmDiscounts::AddField(const std::string& name, forms::Frame& frame, int left, int top,
                            int width) {
  auto box = std::make_unique<forms::TextBox>(*this, name);
  box->setContainer(&frame);
  box->move(left, top, width, kBoxHeight);
  box->setMaxLength(IsFloorName(name) ? kFloorLength : kLtlLength);
  box->setAlignment(forms::Alignment::Right);
  fields_.push_back(std::move(box));
}

void frmDiscounts::Design() {
  setCaption("Discounts");
  setWidth(kEditorWidth);
  setHeight(kEditorHeight);
  setKeyPreview(true);

  lblMain.setBold(true);
  lblMain.setAlignment(forms::Alignment::Center);
  Row(kGap, kGap / 2, {{&lblMain, kAreaWidth, 360}});

  fraAdvancedOptions.setCaption("Advanced Options");
  // The inner frames' captions need the room under the outer frame's own.
  fraAdvancedOptions.move(kGap, kFirstTop, kAreaWidth, 1020);
  Contain(fraAdvancedOptions, {&lblKeyZip, &cboKeyZip, &Frame1, &Frame2});
  CaptionBeside(lblKeyZip, "Key ZIP", 780, cboKeyZip, 1260, kGap, 510);
  Frame1.setCaption("Discounting Type");
  Frame2.setCaption("Apply Discounts To:");
  Row(2400, 300, {{&Frame1, 2220, 600}, {&Frame2, 2220, 600}});
  Contain(Frame1, {&optTraditional, &optState});
  Contain(Frame2, {&optRates, &optCharges});
  Row(kGap, 240, {{&optTraditional, 1140}, {&optState, 840}});
  Row(kGap, 240, {{&optRates, 900}, {&optCharges, 1020}});
  optTraditional.setCaption("Traditional");
  optState.setCaption("State");
  optRates.setCaption("Rates");
  optCharges.setCaption("Charges");
  cboKeyZip.setMaxLength(5);
  fraAdvancedOptions.setVisible(false);

  DesignLaneTypeFrames();
  DesignCrossBorderFrame();
  DesignStateGrid();

  const std::pair<forms::CommandButton*, const char*> buttons[] = {
      {&cmdSave, "Save Settings"},
      {&cmdRetrieve, "Retrieve Discounts"},
      {&cmdDelete, "Delete Discounts"},
      {&cmdClear, "Clear Discounts"},
      {&cmdApplyToAllRows, "Apply To All Rows"},
      {&cmdShowInterlinePricing, kShowInterline},
      {&cmdDiscountSummary, "DiscountSummary"},
      {&cmdAdvancedOptions, kShowAdvanced},
      {&cmdClose, "Close"},
  };
  for (const auto& [button, caption] : buttons) button->setCaption(caption);
  // Closing and reloading drop what is typed, so they need not check it first.
  for (forms::Control* c : Controls{&cmdClose, &cmdRetrieve, &cmdClear})
    c->setCausesValidation(false);

  // The tab order follows the screen: key and options, the fields frame by frame, the grid
  // row by row, then the buttons.
  std::vector<forms::Control*> order{&cboKeyZip, &optTraditional, &optState, &optRates,
                                     &optCharges};
  for (const char* frame :
       {"OutboundInterstate", "InboundInterstate", "OutboundIntrastate", "InboundIntrastate"})
    for (const auto& box : fields_)
      if (base::Contains(box->name(), frame)) order.push_back(box.get());
  // The cross-border boxes were made row by row.
  for (const auto& box : fields_)
    if (!base::Contains(box->name(), "state")) order.push_back(box.get());
  for (int k = 0; k < kGridRows; ++k)
    for (int c = 0; c < 4; ++c) order.push_back(&GridBox(k, c));
  for (const auto& [button, caption] : buttons) order.push_back(button);
  SetTabOrder(order);
}

void frmDiscounts::DesignLaneTypeFrames() {
  fraTraditional.move(kGap, kFirstTop, kAreaWidth, 3840);
  Contain(fraTraditional, {&lblOutbound, &lblInbound, &lblOutboundInterstate, &lblInboundInterstate,
                           &lblOutboundIntrastate, &lblInboundIntrastate, &fraOutboundInterstate,
                           &fraInboundInterstate, &fraOutboundIntrastate, &fraInboundIntrastate});
  const int right = kGap + kLaneFrameWidth + kGap;
  for (forms::Label* l : {&lblOutbound, &lblInbound}) {
    l->setBold(true);
    l->setAlignment(forms::Alignment::Center);
  }
  lblOutbound.setCaption("Outbound");
  lblInbound.setCaption("Inbound");
  Row(kGap, kGap,
      {{&lblOutbound, kLaneFrameWidth, kLabelHeight},
       {&lblInbound, kLaneFrameWidth, kLabelHeight}});

  struct LaneFrame {
    forms::Frame* frame;
    forms::Label* label;
    const char* name;
    int left;
    int labelTop;
  };
  const LaneFrame frames[] = {
      {&fraOutboundInterstate, &lblOutboundInterstate, "OutboundInterstate", kGap, 420},
      {&fraInboundInterstate, &lblInboundInterstate, "InboundInterstate", right, 420},
      {&fraOutboundIntrastate, &lblOutboundIntrastate, "OutboundIntrastate", kGap, 2220},
      {&fraInboundIntrastate, &lblInboundIntrastate, "InboundIntrastate", right, 2220},
  };
  for (int i = 0; i < 4; ++i) {
    const LaneFrame& f = frames[i];
    f.label->setAlignment(forms::Alignment::Center);
    f.label->setCaption(base::Contains(f.name, "Interstate") ? "Interstate" : "Intrastate");
    f.label->move(f.left, f.labelTop, kLaneFrameWidth, kLabelHeight);
    f.frame->move(f.left, f.labelTop + kLabelHeight, kLaneFrameWidth, kLaneFrameHeight);
    Contain(*f.frame, {&lblDirect[i], &lblInterline[i], &lblFloor[i], &lblLTL[i]});
    lblDirect[i].setCaption("Direct");
    lblInterline[i].setCaption("Interline");
    lblFloor[i].setCaption("Floor");
    lblLTL[i].setCaption("Discount %");
    const int columns = kGap + 1080;
    Row(columns, 240, {{&lblDirect[i], kFieldWidth}, {&lblInterline[i], kFieldWidth}});
    for (forms::Label* l : {&lblDirect[i], &lblInterline[i]})
      l->setAlignment(forms::Alignment::Center);
    Row(kGap, 540, {{&lblFloor[i], 1020}});
    Row(kGap, 540 + kRowPitch, {{&lblLTL[i], 1020}});
    int column = 0;
    for (const char* service : {"Direct", "Interline"}) {
      int row = 0;
      for (const char* kind : {"Floor", "LTL"}) {
        AddField(std::string("txt") + f.name + service + kind, *f.frame,
                 columns + column * (kFieldWidth + kGap), 510 + row * kRowPitch, kFieldWidth);
        ++row;
      }
      ++column;
    }
  }
}

void frmDiscounts::DesignCrossBorderFrame() {
  fra571MX.move(kGap, kFirstTop, kAreaWidth, 2340);
  constexpr const char* kPortions[] = {"US", "CN", "MX"};
  constexpr const char* kPortionCaptions[] = {"US", "CAN", "MX"};
  const int firstColumn = kGap + kCrossCaptionWidth + kNarrowGap;
  for (int j = 0; j < 6; ++j) {
    Contain(fra571MX, {&lbl571Column[j]});
    lbl571Column[j].setCaption(std::string(j % 2 == 0 ? "Floor" : "LTL") + " (" +
                               kPortionCaptions[j / 2] + ")");
    lbl571Column[j].setAlignment(forms::Alignment::Center);
  }
  std::vector<Cell> headings;
  headings.reserve(6);
  for (int j = 0; j < 6; ++j) headings.push_back({&lbl571Column[j], kCrossFieldWidth, 480});
  Row(firstColumn, 240, headings, kNarrowGap);
  constexpr const char* kRows[][2] = {{"Outbound", "Direct"},
                                      {"Outbound", "Indirect"},
                                      {"Inbound", "Direct"},
                                      {"Inbound", "Indirect"}};
  for (int r = 0; r < 4; ++r) {
    Contain(fra571MX, {&lbl571Row[r]});
    lbl571Row[r].setCaption(std::string(kRows[r][0]) + " " + kRows[r][1]);
    const int top = 780 + r * 360;
    Row(kGap, top, {{&lbl571Row[r], kCrossCaptionWidth}});
    for (int j = 0; j < 6; ++j)
      AddField(std::string("txt") + kRows[r][0] + kRows[r][1] + (j % 2 == 0 ? "Floor" : "LTL") +
                   kPortions[j / 2],
               fra571MX, firstColumn + j * (kCrossFieldWidth + kNarrowGap), top, kCrossFieldWidth);
  }
  fra571MX.setVisible(false);
}

void frmDiscounts::DesignStateGrid() {
  fraState.move(kGap, kFirstTop, kAreaWidth, kGridTop + kGridRows * kRowPitch + kGap);
  Contain(fraState,
          {&lblDirectInterline, &lblStateHeading, &lblOutboundTo, &lblInboundFrom, &VScroll1});
  lblDirectInterline.setCaption("Direct Pricing Provisions");
  lblDirectInterline.setBold(true);
  lblDirectInterline.setAlignment(forms::Alignment::Center);
  Row(kGap, 240, {{&lblDirectInterline, kAreaWidth - 2 * kGap}});
  const int firstColumn = kGap + kStateWidth + kNarrowGap;
  const int pairWidth = 2 * kFieldWidth + kNarrowGap;
  lblOutboundTo.setCaption("Outbound To");
  lblInboundFrom.setCaption("Inbound From");
  for (forms::Label* l : {&lblOutboundTo, &lblInboundFrom}) {
    l->setBold(true);
    l->setAlignment(forms::Alignment::Center);
  }
  Row(firstColumn, 570, {{&lblOutboundTo, pairWidth}, {&lblInboundFrom, pairWidth}});
  lblStateHeading.setCaption("State");
  lblStateHeading.setBold(true);
  std::vector<Cell> headings{{&lblStateHeading, kStateWidth}};
  for (int c = 0; c < 4; ++c) {
    Contain(fraState, {&lblGridHeading[c]});
    lblGridHeading[c].setCaption(c % 2 == 0 ? "Floor" : "Discount %");
    lblGridHeading[c].setAlignment(forms::Alignment::Center);
    headings.push_back({&lblGridHeading[c], kFieldWidth});
  }
  // The gap between the two pairs is a normal one, within a pair a narrow one.
  Row(kGap, 840, {headings[0]}, kNarrowGap);
  Row(firstColumn, 840, {headings[1], headings[2]}, kNarrowGap);
  Row(firstColumn + pairWidth + kGap, 840, {headings[3], headings[4]}, kNarrowGap);
  for (int k = 0; k < kGridRows; ++k) {
    const int top = kGridTop + k * kRowPitch;
    Contain(fraState, {&lblState[k]});
    for (int c = 0; c < 4; ++c) {
      forms::TextBox& box = GridBox(k, c);
      Contain(fraState, {&box});
      box.setMaxLength(c % 2 == 0 ? kFloorLength : kLtlLength);
      box.setAlignment(forms::Alignment::Right);
    }
    Row(kGap, top, {{&lblState[k], kStateWidth}}, kNarrowGap);
    Row(firstColumn, top, {{&GridBox(k, 0), kFieldWidth}, {&GridBox(k, 1), kFieldWidth}},
        kNarrowGap);
    Row(firstColumn + pairWidth + kGap, top,
        {{&GridBox(k, 2), kFieldWidth}, {&GridBox(k, 3), kFieldWidth}}, kNarrowGap);
  }
  VScroll1.move(firstColumn + 2 * pairWidth + kGap + kNarrowGap, kGridTop, 255,
                kGridRows * kRowPitch - (kRowPitch - kBoxHeight));
  VScroll1.setSmallChange(1);
  VScroll1.setLargeChange(kGridRows - 1);
  VScroll1.setRange(0, 0);
  fraState.setVisible(false);
}

void frmDiscounts::WireEvents() {
  for (const auto& box : fields_) {
    forms::TextBox* b = box.get();
    b->onGotFocus = [b] { SelectAllText(*b); };
    b->onKeyPress = [this, b](int& key) {
      SetNumericKey(runtime(), *b, key, b->maxLength(), 2, decimalSeparator_);
    };
    if (IsLtlField(b->name()))
      b->onValidate = [this, b](bool& cancel) { LtlBox_Validate(*b, cancel); };
  }
  for (int k = 0; k < kGridRows; ++k)
    for (int c = 0; c < 4; ++c) {
      forms::TextBox& box = GridBox(k, c);
      box.onGotFocus = [&box] { SelectAllText(box); };
      box.onKeyPress = [this, &box](int& key) {
        SetNumericKey(runtime(), box, key, box.maxLength(), 2, decimalSeparator_);
      };
      box.onChange = [this, k, c] { GridBox_Change(k, c); };
      if (c % 2 == 1) box.onValidate = [this, &box](bool& cancel) { LtlBox_Validate(box, cancel); };
    }
  VScroll1.onChange = [this] { RefreshStateGrid(); };
  cboKeyZip.onGotFocus = [this] { SelectAllText(cboKeyZip); };
  cboKeyZip.onKeyPress = [this](int& key) { cboKeyZip_KeyPress(key); };
  cboKeyZip.onLostFocus = [this] { cboKeyZip_LostFocus(); };
  cboKeyZip.onValidate = [this](bool& cancel) { cboKeyZip_Validate(cancel); };
  cboKeyZip.onClick = [this] { LoadSet(); };
  optTraditional.onClick = [this] { optTraditional_Click(); };
  optState.onClick = [this] { optState_Click(); };
  cmdSave.onClick = [this] { cmdSave_Click(); };
  cmdRetrieve.onClick = [this] { LoadSet(); };
  cmdDelete.onClick = [this] { cmdDelete_Click(); };
  cmdClear.onClick = [this] { cmdClear_Click(); };
  cmdApplyToAllRows.onClick = [this] { cmdApplyToAllRows_Click(); };
  cmdShowInterlinePricing.onClick = [this] { cmdShowInterlinePricing_Click(); };
  cmdDiscountSummary.onClick = [this] { cmdDiscountSummary_Click(); };
  cmdAdvancedOptions.onClick = [this] { cmdAdvancedOptions_Click(); };
  cmdClose.onClick = [this] { Unload(); };
}

void frmDiscounts::Main(std::string_view country) {
  DiscountCountry = std::string(country);
  ShowModal();
}

forms::TextBox& frmDiscounts::Field(std::string_view name) {
  for (const auto& box : fields_)
    if (box->name() == name) return *box;
  throw std::out_of_range("no field " + std::string(name));
}

forms::TextBox& frmDiscounts::GridBox(int row, int column) {
  switch (column) {
    case 0:
      return txtOutboundFloor[row];
    case 1:
      return txtOutboundLTL[row];
    case 2:
      return txtInboundFloor[row];
    default:
      return txtInboundLTL[row];
  }
}

std::size_t frmDiscounts::GridValueIndex(int column) const {
  // Outbound keys come first, then inbound; within each the direct pair, then interline.
  return static_cast<std::size_t>((column / 2) * 4 + (GridMode_ == "Interline" ? 2 : 0) +
                                  column % 2);
}

void frmDiscounts::Form_Load() {
  Centre();
  setIcon(iconPath_);
  fra571MX.setVisible(false);
  fraTraditional.setHeight(3840);
  const bool canada = DiscountCountry == "C";
  const bool mexico = DiscountCountry == "M";
  lblMain.setCaption(canada ? "Canadian Discounts" : mexico ? "Mexican Discounts" : "US Discounts");
  if (canada || mexico)
    for (forms::Control* c : Controls{&cmdAdvancedOptions, &cmdDiscountSummary,
                                      &cmdShowInterlinePricing, &cmdApplyToAllRows, &cmdDelete})
      c->setVisible(false);
  if (canada) {
    // Canadian lanes know no intrastate pricing: the interstate frames alone remain.
    for (forms::Control* c :
         Controls{&fraOutboundIntrastate, &fraInboundIntrastate, &lblOutboundIntrastate,
                  &lblInboundIntrastate, &lblOutboundInterstate, &lblInboundInterstate})
      c->setVisible(false);
    // The two frames that remain move up into the room of the hidden frame labels.
    for (forms::Frame* f : {&fraOutboundInterstate, &fraInboundInterstate})
      f->setTop(lblOutboundInterstate.top());
    fraTraditional.setHeight(fraOutboundInterstate.top() + kLaneFrameHeight + kGap);
  } else if (mexico && mexico571Mode_) {
    fraTraditional.setVisible(false);
    fra571MX.setVisible(true);
  } else if (mexico) {
    lblOutboundInterstate.setCaption("Outbound");
    lblInboundInterstate.setCaption("Inbound");
    lblOutboundIntrastate.setCaption("Outbound");
    lblInboundIntrastate.setCaption("Inbound");
    // The column headings become row headings over the two pairs of frames.
    lblOutbound.setCaption("Mexico/US");
    lblInbound.setCaption("Mexico/Canada");
    lblOutbound.move(kGap, kGap, kAreaWidth - 2 * kGap, kLabelHeight);
    lblInbound.move(kGap, fraOutboundInterstate.top() + kLaneFrameHeight + kNarrowGap,
                    kAreaWidth - 2 * kGap, kLabelHeight);
  }
  // The buttons shown stand one under the other.
  std::vector<Cell> shownButtons;
  for (forms::Control* b :
       Controls{&cmdSave, &cmdRetrieve, &cmdDelete, &cmdClear, &cmdApplyToAllRows,
                &cmdShowInterlinePricing, &cmdDiscountSummary, &cmdAdvancedOptions, &cmdClose})
    if (b->visible()) shownButtons.push_back({b, kButtonColumnWidth, kButtonHeight});
  Column(kButtonColumnLeft, kFirstTop, shownButtons, kButtonHeight + kNarrowGap);

  closedTop_ = kFirstTop;
  openTop_ = fraAdvancedOptions.top() + fraAdvancedOptions.height() + kNarrowGap;
  fraTraditional.setTop(closedTop_);
  fraState.setTop(closedTop_);

  FillKeyList();
  const auto states = ReadStateNames(dir_.resolve(kStateNameFileName));
  if (!states.ok()) runtime().MsgBox(states.fault() + " The state grid stays empty.");
  StateDiscounts_ = states.valueOr({});
  const int last = std::max(0, static_cast<int>(StateDiscounts_.size()) - kGridRows);
  VScroll1.setRange(0, last);
  for (int k = 0; k < kGridRows; ++k) {
    const bool used = k < static_cast<int>(StateDiscounts_.size());
    for (int c = 0; c < 4; ++c) GridBox(k, c).setVisible(used);
    lblState[k].setVisible(used);
  }
  LoadSet();
}

void frmDiscounts::Form_KeyPress(int& keyAscii) {
  keyAscii = EnterAsTab(runtime(), keyAscii);
}

std::string frmDiscounts::Key() const {
  return base::Trim(cboKeyZip.text());
}

void frmDiscounts::FillKeyList() {
  std::string tag = cboKeyZip.tag();
  const DiscountKeyList list = FillDiscountKeyList(dir_, DiscountCountry, 1, tag);
  cboKeyZip.setTag(tag);
  cboKeyZip.clearItems();
  for (const std::string& item : list.items) cboKeyZip.addItem(item);
  cboKeyZip.setText(list.text);
}

void frmDiscounts::LoadSet() {
  forms::Desktop& desktop = runtime().desktop();
  desktop.SetWaitCursor(true);
  KeyZipTyped = false;
  cmdDelete.setEnabled(Key() != kDefaultUsSetKey);
  const auto file = DiscountSetPath(dir_, Key());
  std::error_code ec;
  if (!file || !std::filesystem::exists(*file, ec)) {
    optTraditional.setValue(1);
    optCharges.setValue(1);
  }
  if (file) {
    const std::string text = base::FileToString(*file);
    const auto read = [&](const std::string& name) {
      return ReadIniTextValue(text, kDiscountsSection, name, "");
    };
    // A key the set does not hold leaves the field as it was: a new key starts from the
    // values on the screen.
    for (const auto& box : fields_) {
      const std::string value = read(box->name());
      if (!value.empty()) box->setText(DiscountFieldText(value, decimalSeparator_));
    }
    const std::string key = read(cboKeyZip.name());
    if (!key.empty()) cboKeyZip.setText(key);
    for (forms::OptionButton* option : {&optTraditional, &optState, &optRates, &optCharges}) {
      const std::string value = read(option->name());
      if (base::EqualsNoCase(value, "True"))
        option->setValue(1);
      else if (base::EqualsNoCase(value, "False"))
        option->setValue(0);
    }
    ReadStateSections(*file, StateDiscounts_, decimalSeparator_);
  } else {
    for (StateDiscount& state : StateDiscounts_) state.values = {};
  }
  RefreshStateGrid();
  forms::Control* focus = runtime().ActiveControl();
  if (focus == &optState && optTraditional.value() != 0) optTraditional.SetFocus();
  if (focus == &optTraditional && optState.value() != 0) optState.SetFocus();
  desktop.SetWaitCursor(false);
}

void frmDiscounts::RefreshStateGrid() {
  GridMode_ = cmdShowInterlinePricing.caption() == kShowDirect ? "Interline" : "Direct";
  const int first = VScroll1.value();
  for (int k = 0; k < kGridRows; ++k) {
    const auto s = static_cast<std::size_t>(first + k);
    if (s >= StateDiscounts_.size()) continue;
    StateDiscount& state = StateDiscounts_[s];
    lblState[k].setCaption(base::TrimRight(state.StateName));
    for (int c = 0; c < 4; ++c) {
      double& value = state.values[GridValueIndex(c)];
      GridBox(k, c).setText(base::FormatMask(value, "0.00", decimalSeparator_));
      // What the grid shows is what the state keeps.
      value = base::RoundForDisplay(value, 2);
    }
  }
}

void frmDiscounts::GridBox_Change(int row, int column) {
  const auto s = static_cast<std::size_t>(VScroll1.value() + row);
  if (s >= StateDiscounts_.size()) return;
  StateDiscounts_[s].values[GridValueIndex(column)] =
      SetValue(GridBox(row, column).text(), decimalSeparator_);
}

void frmDiscounts::optTraditional_Click() {
  if (optTraditional.value() == 0) return;
  fraTraditional.setVisible(!(DiscountCountry == "M" && mexico571Mode_));
  if (DiscountCountry == "M" && mexico571Mode_) fra571MX.setVisible(true);
  fraState.setVisible(false);
  cmdShowInterlinePricing.setEnabled(false);
  cmdApplyToAllRows.setEnabled(false);
}

void frmDiscounts::optState_Click() {
  if (optState.value() == 0) return;
  fraTraditional.setVisible(false);
  fra571MX.setVisible(false);
  fraState.setVisible(true);
  cmdShowInterlinePricing.setEnabled(true);
  cmdApplyToAllRows.setEnabled(true);
}

void frmDiscounts::cmdShowInterlinePricing_Click() {
  if (cmdShowInterlinePricing.caption() == kShowInterline) {
    lblDirectInterline.setCaption("Interline Pricing Provisions");
    cmdShowInterlinePricing.setCaption(kShowDirect);
  } else {
    lblDirectInterline.setCaption("Direct Pricing Provisions");
    cmdShowInterlinePricing.setCaption(kShowInterline);
  }
  RefreshStateGrid();
}

void frmDiscounts::cmdApplyToAllRows_Click() {
  if (StateDiscounts_.empty()) return;
  for (std::size_t s = 1; s < StateDiscounts_.size(); ++s)
    for (int c = 0; c < 4; ++c)
      StateDiscounts_[s].values[GridValueIndex(c)] = StateDiscounts_[0].values[GridValueIndex(c)];
  RefreshStateGrid();
}

void frmDiscounts::cmdAdvancedOptions_Click() {
  if (cmdAdvancedOptions.caption() == kShowAdvanced) {
    fraTraditional.setTop(openTop_);
    fraState.setTop(openTop_);
    fraAdvancedOptions.setVisible(true);
    cmdAdvancedOptions.setCaption(kCloseAdvanced);
    return;
  }
  fraAdvancedOptions.setVisible(false);
  cmdAdvancedOptions.setCaption(kShowAdvanced);
  cboKeyZip.setText(kDefaultUsSetKey);
  LoadSet();
  fraTraditional.setTop(closedTop_);
  fraState.setTop(closedTop_);
}

void frmDiscounts::cmdClear_Click() {
  if (fraState.shown()) {
    for (int k = 0; k < kGridRows; ++k)
      for (int c = 0; c < 4; ++c) GridBox(k, c).setText("");
    for (StateDiscount& state : StateDiscounts_) state.values = {};
    return;
  }
  for (const auto& box : fields_) box->setText("");
}

std::string frmDiscounts::StoredText(const forms::Control& box) const {
  const std::string text = base::Trim(box.text());
  if (decimalSeparator_ != '.' && IsSetNumber(text, decimalSeparator_)) {
    std::string stored = text;
    std::replace(stored.begin(), stored.end(), decimalSeparator_, '.');
    return stored;
  }
  return box.text();
}

void frmDiscounts::cmdSave_Click() {
  const auto file = DiscountSetPath(dir_, Key());
  if (!file) {
    runtime().MsgBox("Invalid ZIP/Postal Code");
    if (cboKeyZip.shown()) cboKeyZip.SetFocus();
    return;
  }
  forms::Desktop& desktop = runtime().desktop();
  desktop.SetWaitCursor(true);
  // The whole set is composed first and the file replaced once, so a failed save leaves the
  // set on disk as it was and the values on the screen.
  std::string text;
  std::string error;
  bool ok = ReadIniForUpdate(*file, text, &error);
  for (const auto& box : fields_)
    ok = ok && SetIniValue(text, kDiscountsSection, box->name(), StoredText(*box), &error);
  ok = ok && SetIniValue(text, kDiscountsSection, cboKeyZip.name(), cboKeyZip.text(), &error);
  for (const forms::OptionButton* option : {&optTraditional, &optState, &optRates, &optCharges})
    ok = ok && SetIniValue(text, kDiscountsSection, option->name(),
                           option->value() != 0 ? "True" : "False", &error);
  ok = ok && WriteStateSections(text, StateDiscounts_, &error);
  ok = ok && base::WriteFileAtomic(*file, text, &error);
  desktop.SetWaitCursor(false);
  if (!ok) {
    runtime().MsgBox("The discount set " + file->string() + " could not be saved: " + error);
    return;
  }
  cboKeyZip.setTag(Key());
  FillKeyList();
  LoadSet();
}

void frmDiscounts::cmdDelete_Click() {
  const std::string key = Key();
  if (base::Val(key) == 0) {
    runtime().MsgBox("You may not delete this set of discounts");
    return;
  }
  if (!runtime().AskYesNo("Are you sure you wish to delete discounts for " + key + "?")) return;
  if (const auto file = DiscountSetPath(dir_, key)) {
    std::error_code ec;
    std::filesystem::remove(*file, ec);
    if (ec) {
      runtime().MsgBox("The discount set " + file->string() +
                       " could not be deleted: " + ec.message());
      return;
    }
  }
  FillKeyList();
  LoadSet();
}

void frmDiscounts::cmdDiscountSummary_Click() {
  frmDiscountSummary summary(runtime(), dir_, iconPath_);
  const std::string key = base::Trim(summary.Main(DiscountCountry));
  if (key.empty()) return;
  if (cmdAdvancedOptions.caption() == kShowAdvanced && key != kMexicanSetKey &&
      key != kCanadianSetKey)
    cmdAdvancedOptions_Click();
  cboKeyZip.setText(key);
  LoadSet();
}

void frmDiscounts::cboKeyZip_KeyPress(int& keyAscii) {
  SetNumericKey(runtime(), cboKeyZip, keyAscii, 5, 0, decimalSeparator_);
  if (keyAscii != 0) KeyZipTyped = true;
}

void frmDiscounts::cboKeyZip_LostFocus() {
  if (KeyZipTyped) LoadSet();
}

void frmDiscounts::cboKeyZip_Validate(bool& cancel) {
  const std::string key = Key();
  if (key == kDefaultUsSetKey || (base::Val(key) > 0 && geo::ValidatePostalCode(key))) return;
  runtime().MsgBox("Invalid ZIP/Postal Code");
  cancel = true;
}

void frmDiscounts::LtlBox_Validate(const forms::Control& box, bool& cancel) {
  if (base::ValLocal(box.text(), decimalSeparator_) < 100) return;
  runtime().MsgBox("Invalid Discount");
  cancel = true;
}

// ---- the summary ----

frmDiscountSummary::frmDiscountSummary(forms::Runtime& runtime, const base::ProgramDir& dir,
                                       std::string iconPath)
    : Form(runtime, "frmDiscountSummary"), dir_(dir), iconPath_(std::move(iconPath)) {
  setCaption("Discount Summary");
  setWidth(6000);
  setHeight(4800);
  // The entries are columns of text: the key, then two descriptions of 16 characters.
  lstDiscountSummary.setFontName("Courier New");
  for (forms::Label* l : {&lblZipHeading, &lblDiscountHeading, &lblTypeHeading}) {
    l->setFontName("Courier New");
    l->setBold(true);
  }
  lblZipHeading.setCaption("ZIP/Postal Code");
  lblDiscountHeading.setCaption("Discount");
  lblTypeHeading.setCaption("Type");
  // Two heading lines: the key's heading over its column, the others over the descriptions.
  // Columns of the fixed-pitch entries: the key and its blanks take 10 characters, each
  // description 16; the list draws its text a little inside its border.
  constexpr int kCharacter = 99;
  const int textLeft = kGap + kNarrowGap;
  Row(textLeft, kGap, {{&lblZipHeading, 2400}});
  Row(textLeft + 10 * kCharacter, kGap + kLabelHeight,
      {{&lblDiscountHeading, 16 * kCharacter}, {&lblTypeHeading, 16 * kCharacter}}, 0);
  lstDiscountSummary.move(kGap, kGap + 2 * kLabelHeight + kNarrowGap, 5640, 2880);
  Buttons(1560, lstDiscountSummary.top() + lstDiscountSummary.height() + kGap,
          {&cmdEdit, &cmdClose});
  cmdEdit.setCaption("Edit");
  cmdClose.setCaption("Close");
  cmdEdit.onClick = [this] { cmdEdit_Click(); };
  lstDiscountSummary.onDblClick = [this] { cmdEdit_Click(); };
  cmdClose.onClick = [this] {
    chosen_.clear();
    Unload();
  };
}

std::string frmDiscountSummary::Main(std::string_view country) {
  country_ = std::string(country);
  chosen_.clear();
  ShowModal();
  return chosen_;
}

void frmDiscountSummary::Form_Load() {
  Centre();
  setIcon(iconPath_);
  std::string tag;
  const DiscountKeyList list = FillDiscountKeyList(dir_, country_, 3, tag);
  lstDiscountSummary.clearItems();
  for (const std::string& item : list.items) lstDiscountSummary.addItem(item);
}

void frmDiscountSummary::cmdEdit_Click() {
  const int index = lstDiscountSummary.listIndex();
  chosen_ =
      index >= 0
          ? base::Trim(lstDiscountSummary.items()[static_cast<std::size_t>(index)].substr(0, 6))
          : std::string();
  Unload();
}

}  // namespace tarvex::pricing
