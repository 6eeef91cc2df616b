#include "app/frm_speed_sheet_alternation.h"

#include "app/frm_corvane1.h"
#include "app/program.h"
#include "forms/layout.h"
#include "pricing/floors.h"
#include "quote/engine_discounts.h"
#include "ratesheet/request.h"

namespace tarvex::app {

namespace {

using speedsheet::kBlockColumns;
using speedsheet::kBlockRows;

// The grid: a class column, then nine weight columns; rows of one label's height.
constexpr int kClassLeft = 120;
constexpr int kClassWidth = 600;
constexpr int kColumnLeft = 780;
constexpr int kColumnPitch = 690;
constexpr int kCellWidth = 660;
constexpr int kHeadingTop = 1080;
constexpr int kRowTop = 1320;
constexpr int kRowPitch = 240;
constexpr int kListLeft = 7080;
constexpr int kListWidth = 2280;

int Cell(int row, int column) {
  return (row - 1) * kBlockColumns + column;
}

}  // namespace

frmSpeedSheetAlternation::frmSpeedSheetAlternation(Program& program, const frmCorvane1& quote)
    : Form(program.runtime, "frmSpeedSheetAlternation"), program_(program), quote_(quote) {
  Design();
  optBase.onClick = [this] { PriceOption_Click(); };
  optDiscounted.onClick = [this] { PriceOption_Click(); };
  optRates.onClick = [this] { ViewOption_Click(); };
  optUSCN.onClick = [this] { ViewOption_Click(); };
  optMX.onClick = [this] { ViewOption_Click(); };
  optAlternation.onClick = [this] {
    if (!loading_) ShowRateGrid();
  };
  cmdPrint.onClick = [this] { cmdPrint_Click(); };
  mnuPrint.onClick = [this] { cmdPrint_Click(); };
  cmdClose.onClick = [this] { Unload(); };
  mnuExit.onClick = [this] { Unload(); };
}

void frmSpeedSheetAlternation::Design() {
  using namespace forms::layout;
  setCaption("Rate Block/Alternation");
  setWidth(kSpeedSheetWidth);
  setHeight(kSpeedSheetHeight);
  mnuFile.setCaption("&File");
  mnuPrint.setCaption("&Print");
  mnuExit.setCaption("E&xit");
  mnuPrint.setContainer(&mnuFile);
  mnuExit.setContainer(&mnuFile);

  // The lane, as the quote window has it.
  Row(kGap, 180, {{&lblOriginCaption, 960}, {&lblOriginZip, 780}, {&lblOriginState, 420}},
      kNarrowGap);
  Row(kGap, 540,
      {{&lblDestinationCaption, 960}, {&lblDestinationZip, 780}, {&lblDestinationState, 420}},
      kNarrowGap);
  lblOriginCaption.setCaption("Origin ");
  lblDestinationCaption.setCaption("Destination ");
  for (forms::Label* l : {&lblOriginZip, &lblOriginState, &lblDestinationZip, &lblDestinationState})
    l->setBold(true);

  // Three option pairs side by side, and the two commands.
  const std::pair<forms::Frame*, std::pair<forms::OptionButton*, forms::OptionButton*>> pairs[] = {
      {&Frame1, {&optDiscounted, &optBase}},
      {&Frame2, {&optRates, &optAlternation}},
      {&fra571MX, {&optUSCN, &optMX}}};
  int frameLeft = 2520;
  for (const auto& [frame, options] : pairs) {
    frame->move(frameLeft, 0, 1440, 900);
    Contain(*frame, {options.first, options.second});
    Column(kGap, 240, {{options.first, 1200}, {options.second, 1200}}, 300);
    frameLeft += 1440 + kGap;
  }
  optBase.setCaption("Base");
  optDiscounted.setCaption("Discounted");
  optRates.setCaption("Rates");
  optAlternation.setCaption("Alternation");
  optUSCN.setCaption("US/CAN");
  optMX.setCaption("MX");
  Column(kListLeft + kListWidth - kButtonWidth, 60,
         {{&cmdPrint, kButtonWidth}, {&cmdClose, kButtonWidth}}, 480);
  cmdPrint.setCaption("&Print");
  cmdClose.setCaption("&Close");
  cmdClose.setCausesValidation(false);

  // The grid: weight headings over the columns, class headings before the rows, the discount
  // row below. Element 0 of each array stays unused and hidden.
  for (int j = 1; j <= kBlockColumns; ++j) {
    const int left = kColumnLeft + (j - 1) * kColumnPitch;
    lblWeight[j].move(left, kHeadingTop, kCellWidth, kLabelHeight);
    lblWeight[j].setAlignment(forms::Alignment::Right);
    lblWeight[j].setBold(true);
    for (int i = 1; i <= kBlockRows; ++i) {
      forms::Label& cell = lblRates[Cell(i, j)];
      cell.move(left, kRowTop + (i - 1) * kRowPitch, kCellWidth, kLabelHeight);
      cell.setAlignment(forms::Alignment::Right);
    }
    lblDiscounts[j].move(left, kRowTop + kBlockRows * kRowPitch + kNarrowGap, kCellWidth,
                         kLabelHeight);
    lblDiscounts[j].setAlignment(forms::Alignment::Right);
  }
  for (int i = 1; i <= kBlockRows; ++i) {
    lblClass[i].move(kClassLeft, kRowTop + (i - 1) * kRowPitch, kClassWidth, kLabelHeight);
    lblClass[i].setBold(true);
  }
  lblDiscountCaption.move(kClassLeft - kNarrowGap, lblDiscounts[1].top(), kClassWidth + kNarrowGap,
                          kLabelHeight);
  lblDiscountCaption.setCaption("Disc.");
  lblDiscountCaption.setBold(true);
  for (forms::Label* unused : {&lblClass[0], &lblWeight[0], &lblRates[0], &lblDiscounts[0]}) {
    unused->move(0, 0, kCellWidth, kLabelHeight);
    unused->setVisible(false);
  }

  // The minimum charges beside the grid, in a fixed-pitch face so that the amounts line up.
  lblMinimumChargesCaption.move(kListLeft, kHeadingTop, kListWidth, kLabelHeight);
  lblMinimumChargesCaption.setCaption("Minimum Charges");
  lblMinimumChargesCaption.setBold(true);
  lstMinimumCharges.move(kListLeft, kRowTop, kListWidth, (kBlockRows - 1) * kRowPitch);
  lstMinimumCharges.setFontName("Courier New");
  CaptionBeside(lblMinimumChargeDiscountCaption, "MC Discount %", 1500, lblMinimumChargeDiscount,
                kListWidth - 1500 - kNarrowGap, kListLeft, lblDiscounts[1].top(), kNarrowGap);
  lblMinimumChargeDiscount.setTop(lblDiscounts[1].top());
  lblMinimumChargeDiscountCaption.setTop(lblDiscounts[1].top());
  lblMinimumChargeDiscount.setAlignment(forms::Alignment::Right);

  SetTabOrder({&optDiscounted, &optBase, &optRates, &optAlternation, &optUSCN, &optMX,
               &lstMinimumCharges, &cmdPrint, &cmdClose});
}

bool frmSpeedSheetAlternation::MexicanLane() const {
  return lblOriginState.caption() == "MX" || lblDestinationState.caption() == "MX";
}

bool frmSpeedSheetAlternation::TwoPortions() const {
  return MexicanLane() && program_.Mexico571Mode;
}

void frmSpeedSheetAlternation::Form_Load() {
  setWidth(kSpeedSheetWidth);
  setHeight(kSpeedSheetHeight);
  Centre();
  setIcon(program_.IconPath());
  lblOriginZip.setCaption(quote_.txtOrigin.text());
  lblDestinationZip.setCaption(quote_.txtDestination.text());
  lblOriginState.setCaption(quote_.lblOriginState.caption());
  lblDestinationState.setCaption(quote_.lblDestinationState.caption());

  loading_ = true;
  optDiscounted.setEnabled(true);
  optDiscounted.setValue(1);
  optRates.setValue(1);
  optUSCN.setValue(1);
  if (program_.settings.EngineDiscountMode == 0) {
    optBase.setValue(1);
    optDiscounted.setEnabled(false);
  }
  loading_ = false;
  fra571MX.setVisible(TwoPortions());

  program_.engineRecord.setText(engine::H33, optBase.value() != 0 ? "C" : "R");
  if (!Rate()) return;
  ShowClassHeadings();
  ShowWeightHeadings();
  ShowDiscountRow();
  ShowRateGrid();
  ShowMinimumCharges();
  if (program_.settings.MaxTotalWeight != 0) HideHeavyColumns();
}

bool frmSpeedSheetAlternation::Rate() {
  engine::EngineRecord& r = program_.engineRecord;
  program_.engine.RateShipment(r);
  refused_ = !r.blank(engine::H2);
  if (refused_) {
    // What the engine left in the block is not this lane's: nothing of it is shown.
    for (auto* labels : {&lblRates, &lblClass, &lblWeight, &lblDiscounts})
      for (auto& label : *labels) label->setCaption("");
    lblMinimumChargeDiscount.setCaption("");
    lstMinimumCharges.clearItems();
    runtime().MsgBox(quote_.customerServiceMessage());
  }
  return !refused_;
}

void frmSpeedSheetAlternation::ShowClassHeadings() {
  const engine::EngineRecord& r = program_.engineRecord;
  const int rows = speedsheet::BlockRows(r);
  for (int i = 1; i <= kBlockRows; ++i)
    lblClass[i].setCaption(i <= rows ? speedsheet::ClassHeading(r, i) : "");
}

void frmSpeedSheetAlternation::ShowWeightHeadings() {
  const engine::EngineRecord& r = program_.engineRecord;
  const int columns = speedsheet::BlockColumns(r);
  for (int j = 1; j <= kBlockColumns; ++j)
    lblWeight[j].setCaption(
        j <= columns ? speedsheet::WeightHeading(r, j, program_.decimalSeparator) : "");
}

double frmSpeedSheetAlternation::SetUpDiscounts(bool mexican, engine::EngineRecord& record) const {
  const pricing::SettingsRecord& s = program_.settings;
  return quote::SetUpEngineDiscounts(
      {quote_.txtDiscount[mexican ? 3 : 1].text(), quote_.txtDiscount[mexican ? 2 : 0].text()},
      {s.EngineDiscountMode != 0 && s.EngineDiscountSuppressed == 0,
       pricing::On(s.DiscountOnCharges), program_.decimalSeparator},
      record);
}

void frmSpeedSheetAlternation::ShowDiscountRow() {
  if (TwoPortions()) {
    customerFloor_ = SetUpDiscounts(optMX.value() != 0, program_.engineRecord);
    setUpRun_ = true;
  }
  if (refused_) return;
  const engine::EngineRecord& r = program_.engineRecord;
  const bool discounted = optDiscounted.value() != 0;
  const int columns = speedsheet::BlockColumns(r);
  for (int j = 1; j <= columns; ++j)
    lblDiscounts[j].setCaption(
        discounted ? speedsheet::ColumnDiscount(r, j, program_.decimalSeparator) : "");
  // The base view shows no discount at all.
  lblMinimumChargeDiscount.setCaption(
      discounted ? speedsheet::MinimumChargeDiscount(r, program_.decimalSeparator) : "");
}

void frmSpeedSheetAlternation::ShowRateGrid() {
  engine::EngineRecord& r = program_.engineRecord;
  r.setText(engine::H33, optBase.value() != 0 ? "C" : "R");
  // The portion rated stays asked for after the window closes.
  r.setText(engine::H3, !TwoPortions() ? " ME1" : optMX.value() != 0 ? "   S" : "   P");
  if (!Rate()) return;
  // Each portion has its own classes and breaks.
  ShowClassHeadings();
  ShowWeightHeadings();
  const auto view = optAlternation.value() != 0 ? speedsheet::BlockView::Alternation
                                                : speedsheet::BlockView::Rates;
  const int rows = speedsheet::BlockRows(r);
  const int columns = speedsheet::BlockColumns(r);
  for (int i = 1; i <= kBlockRows; ++i)
    for (int j = 1; j <= kBlockColumns; ++j)
      lblRates[Cell(i, j)].setCaption(
          i <= rows && j <= columns
              ? speedsheet::BlockCell(r, i, j, view, program_.decimalSeparator)
              : "");
}

void frmSpeedSheetAlternation::ShowMinimumCharges() {
  lstMinimumCharges.clearItems();
  if (refused_) return;
  const engine::EngineRecord& r = program_.engineRecord;
  // The customer's floor of the last set-up: this window's, or else the quote window's, which
  // is always the US/Canada one for a lane rated in one portion.
  double customerFloor = customerFloor_;
  if (!setUpRun_) {
    engine::EngineRecord scratch = r;
    customerFloor = SetUpDiscounts(false, scratch);
  }
  const pricing::LaneFloor floor =
      pricing::GetLaneFloor(program_.dir, r.text(engine::H7), r.text(engine::H9), customerFloor,
                            pricing::On(program_.settings.UseFloorTables));
  if (!floor.ok()) runtime().MsgBox(floor.fault);
  for (std::string& line : speedsheet::MinimumChargeLines(r, optBase.value() == 0, floor.amount,
                                                          program_.decimalSeparator))
    lstMinimumCharges.addItem(std::move(line));
}

void frmSpeedSheetAlternation::HideHeavyColumns() {
  const int first = ratesheet::FirstHiddenWeightColumn(program_.settings.MaxTotalWeight);
  if (first == 0) return;
  for (int j = first; j <= kBlockColumns; ++j) {
    lblWeight[j].setVisible(false);
    lblDiscounts[j].setVisible(false);
    for (int i = 1; i <= kBlockRows; ++i) lblRates[Cell(i, j)].setVisible(false);
  }
}

void frmSpeedSheetAlternation::PriceOption_Click() {
  if (loading_) return;
  program_.engineRecord.setText(engine::H33, optBase.value() != 0 ? "C" : "R");
  if (!Rate()) return;
  ShowDiscountRow();
  ShowRateGrid();
  ShowMinimumCharges();
}

void frmSpeedSheetAlternation::ViewOption_Click() {
  if (loading_) return;
  ShowDiscountRow();
  ShowRateGrid();
  ShowMinimumCharges();
}

void frmSpeedSheetAlternation::cmdPrint_Click() {
  if (runtime().desktop().PrintForm(*this) == forms::PrintResult::Failed)
    runtime().MsgBox("The rate block could not be printed.");
}

}  // namespace tarvex::app
