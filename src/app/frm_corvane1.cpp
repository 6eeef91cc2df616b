#include "app/frm_corvane1.h"

#include "app/frm_defaults.h"
#include "app/frm_rate_sheet.h"
#include "app/frm_speed_sheet_alternation.h"
#include "app/program.h"
#include "base/files.h"
#include "base/text.h"
#include "forms/layout.h"
#include "geo/city_lookup.h"
#include "pricing/frm_discounts.h"
#include "pricing/frm_fak.h"
#include "quote/printout.h"
#include "tools/frm_about.h"
#include "tools/frm_bol.h"
#include "tools/frm_density_class_calculator.h"
#include "tools/view_file.h"

namespace tarvex::app {

namespace {

// The columns of the window (twips): the lane and the lines on the left, the lane's results
// and the totals panel in the middle, the settings frames and buttons on the right.
constexpr int kLeft = 120;
constexpr int kColumnGap = 60;
constexpr int kLaneWidth = 2220;
constexpr int kLineTop = 2040;
constexpr int kLinePitch = 300;
constexpr int kPanelLeft = 4560;
constexpr int kPanelWidth = 2880;
constexpr int kPanelCaptionWidth = 1800;
constexpr int kPanelValueWidth = 1080;
constexpr int kRightLeft = 7470;
constexpr int kRightWidth = 1980;
constexpr int kNoticeWidth = 4380;
constexpr int kButtonHeight = forms::layout::kButtonHeight;
// One line of the window's 8-point text.
constexpr int kTextLine = 210;

using Controls = std::initializer_list<forms::Control*>;

}  // namespace

frmCorvane1::frmCorvane1(Program& program)
    : Form(program.runtime, "frmCorvane1"),
      program_(program),
      singleShipment_(program.runtime),
      terminalInformation_(program.runtime, program.dir, laneService_, lblServiceDays,
                           lblServiceType) {
  Design();
  WireEvents();
}

void frmCorvane1::Design() {
  setWidth(kMainWidth);
  setHeight(kMainHeight);

  const std::pair<forms::Menu*, const char*> menus[] = {
      {&mnuFile, "&File"},
      {&mnuFileNewShipment, "&New Shipment"},
      {&mnuFileRateSheet, "&Rate Sheet..."},
      {&mnuFileBillofLading, "&Bill of Lading..."},
      {&mnuFileCalculator, "&Calculator"},
      {&mnuFilePrint, "&Print..."},
      {&mnuFileExit, "E&xit"},
      {&mnuEdit, "&Edit"},
      {&mnuEditDefaults, "&Defaults..."},
      {&mnuEditDiscountsUS, "Discounts US / US"},
      {&mnuEditDiscountsCanadian, "Discounts US / CA"},
      {&mnuEditDiscountsMexican, "Discounts MX / US, MX / CA"},
      {&mnuEditFAK, "&FAK..."},
      {&mnuEditAccessorialCharges, "&Accessorial Charges..."},
      {&mnuView, "&View"},
      {&mnuViewMap, "&Map"},
      {&mnuViewRules, "&Rules"},
      {&mnuViewSpeedSheetAlternation, "&Speed Sheet Alternation"},
      {&mnuViewTerminalInformation, "&Terminal Information"},
      {&mnuCityLookup, "&City Lookup"},
      {&mnuHelp, "&Help"},
      {&mnuHelpContents, "&Contents"},
      {&mnuHelpAbout, "&About"},
  };
  for (const auto& [menu, caption] : menus) menu->setCaption(caption);
  for (forms::Menu* m : {&mnuFileNewShipment, &mnuFileRateSheet, &mnuFileBillofLading,
                         &mnuFileCalculator, &mnuFilePrint, &mnuFileExit})
    m->setContainer(&mnuFile);
  for (forms::Menu* m : {&mnuEditDefaults, &mnuEditDiscountsUS, &mnuEditDiscountsCanadian,
                         &mnuEditDiscountsMexican, &mnuEditFAK, &mnuEditAccessorialCharges})
    m->setContainer(&mnuEdit);
  for (forms::Menu* m :
       {&mnuViewMap, &mnuViewRules, &mnuViewSpeedSheetAlternation, &mnuViewTerminalInformation})
    m->setContainer(&mnuView);
  for (forms::Menu* m : {&mnuHelpContents, &mnuHelpAbout}) m->setContainer(&mnuHelp);
  mnuFileNewShipment.setShortcut("Ctrl+N");
  mnuFilePrint.setShortcut("Ctrl+P");
  mnuCityLookup.setShortcut("Ctrl+L");
  mnuHelpContents.setShortcut("F1");

  imgPicture.move(300, 0, 9000, 840);
  imgPicture.setAlignment(forms::Alignment::Center);

  // Lane block: a caption, the code box, then the state, terminal and service of each end.
  using forms::layout::Row;
  using forms::layout::Space;
  lblStateCaption.setCaption("State");
  lblTerminalLabel.setCaption("Term.");
  lblServiceLabel.setCaption("Service");
  lblOriginCaption.setCaption("Origin");
  lblDestinationCaption.setCaption("Destination");
  Row(kLeft, 870,
      {Space(900),
       Space(960),
       {&lblStateCaption, 600},
       {&lblTerminalLabel, kLaneWidth},
       {&lblServiceLabel, kLaneWidth}},
      kColumnGap);
  Row(kLeft, 1140,
      {{&lblOriginCaption, 900},
       {&txtOrigin, 960},
       {&lblOriginState, 600},
       {&lblOriginTerminal, kLaneWidth},
       {&lblServiceDays, kLaneWidth}},
      kColumnGap);
  Row(kLeft, 1470,
      {{&lblDestinationCaption, 900},
       {&txtDestination, 960},
       {&lblDestinationState, 600},
       {&lblDestinationTerminal, kLaneWidth},
       {&lblServiceType, kLaneWidth}},
      kColumnGap);
  txtOrigin.setMaxLength(6);
  txtDestination.setMaxLength(6);
  forms::layout::Column(
      kPanelLeft, 2100,
      {{&lblRBN, kPanelWidth}, {&lblMiles, kPanelWidth}, {&lblIntrastateTariff, kPanelWidth, 720}},
      300);

  // Shipment lines under their headings; the deficit and total weight rows share the columns.
  lblClassCaption.setCaption("Class");
  lblFAKLabel.setCaption("FAK");
  lblWeightCaption.setCaption("Weight");
  lblRateCaption.setCaption("Rate");
  lblChargeCaption.setCaption("Charge");
  Row(kLeft, 1770,
      {{&lblClassCaption, 840},
       {&lblFAKLabel, 540},
       {&lblWeightCaption, 900},
       {&lblRateCaption, 900},
       {&lblChargeCaption, 960}},
      kColumnGap);
  const int belowLines = forms::layout::Grid(
      kLeft, kLineTop, quote::kScreenLines, kLinePitch,
      [this](int i) -> std::vector<forms::layout::Cell> {
        return {{&cboClass[i], 840, kLinePitch - 15},
                {&lblFAK[i], 540},
                {&txtWeight[i], 900, kLinePitch - 15},
                {&lblRate[i], 900},
                {&lblCharge[i], 960}};
      },
      kColumnGap);
  Row(kLeft, belowLines - 15,
      {{&lblDeficitLabel, 1440},
       {&lblDeficitWeight, 900},
       {&lblDeficitRate, 900},
       {&lblDeficitCharge, 960}},
      kColumnGap);
  lblTotalWeightLabel.setCaption("Total Weight");
  Row(kLeft, belowLines + 225, {{&lblTotalWeightLabel, 1440}, {&lblTotalWeight, 900}}, kColumnGap);

  // Totals panel: rows are stacked from 4140 when a quote is shown.
  for (auto& [caption, amount] : PanelLabels()) {
    Row(kPanelLeft, 4140 - forms::layout::kLabelDrop,
        {{caption, kPanelCaptionWidth}, {amount, kPanelValueWidth}}, 0);
    caption->setVisible(false);
    amount->setVisible(false);
  }
  lblAccessorialChargeLabel.setCaption("Accessorial Charges");
  lblCrossBorderChargeLabel.setCaption("Cross Border Fee");
  lblHCSAFeeLabel.setCaption("High Cost Service Area Fee");
  lblCaliforniaSurchargeLabel.setCaption("California Surcharge");
  lblTotalChargeLabel.setCaption("Total Charge");
  lblCanCurrencyExchangeLabel.setCaption("Canadian Exchange");
  lblTotalCanChargeLabel.setCaption("Total Canadian Charge");
  lblTotalChargeLabel.setBold(true);
  lblTotalCharge.setBold(true);

  // Right-hand column. The Mexico layout moves the lower frames and buttons (see Form_Load),
  // so their tops are counted from the window's height.
  using forms::layout::CaptionBeside;
  using forms::layout::Contain;
  fraDiscount.move(kRightLeft, 900, kRightWidth, 1290);
  fraDiscount.setCaption("Current Settings");
  CaptionBeside(lblFloorCaption, "Floor", 900, txtDiscount[0], 780, 90, 240, 0);
  CaptionBeside(lblLTLDiscountCaption, "Discount %", 900, txtDiscount[1], 780, 90, 630, 0);
  Contain(fraDiscount,
          {&lblFloorCaption, &lblLTLDiscountCaption, &txtDiscount[0], &txtDiscount[1]});
  fraDiscountMX.move(kRightLeft, 2250, kRightWidth, 1290);
  fraDiscountMX.setCaption("Current Settings - MX");
  CaptionBeside(lblFloorMXCaption, "Floor", 900, txtDiscount[2], 780, 90, 240, 0);
  CaptionBeside(lblLTLDiscountMXCaption, "Discount %", 900, txtDiscount[3], 780, 90, 630, 0);
  Contain(fraDiscountMX,
          {&lblFloorMXCaption, &lblLTLDiscountMXCaption, &txtDiscount[2], &txtDiscount[3]});
  fraDiscountMX.setVisible(false);

  const int h = kMainHeight;
  fraPricing.move(kRightLeft, h - 4365, kRightWidth, 900);
  fraPricing.setCaption("Pricing");
  optApplyOutboundPricing.setCaption("Outbound");
  optApplyInboundPricing.setCaption("Inbound");
  forms::layout::Column(120, 270,
                        {{&optApplyOutboundPricing, 1620, forms::layout::kLabelHeight},
                         {&optApplyInboundPricing, 1620, forms::layout::kLabelHeight}},
                        300);
  Contain(fraPricing, {&optApplyOutboundPricing, &optApplyInboundPricing});
  optApplyOutboundPricing.setValue(1);
  fraPPU.move(kRightLeft, h - 3375, kRightWidth, 900);
  fraPPU.setCaption("Price Per Unit");
  CaptionBeside(lblUnitsCaption, "Units", 720, txtPPU, 960, 90, 240, 0);
  lblPPU.move(90, 600, 1680, forms::layout::kLabelHeight);
  Contain(fraPPU, {&lblUnitsCaption, &txtPPU, &lblPPU});
  cmdDensityClassCalculator.move(kRightLeft, h - 2385, kRightWidth, kButtonHeight);
  cmdDensityClassCalculator.setCaption("&Density Calculator");
  cmdNewShipment.move(kPanelLeft, h - 1875, 1500, kButtonHeight);
  cmdNewShipment.setCaption("&New Shipment");
  Row(kRightLeft, h - 1875, {{&cmdPrint, 900, kButtonHeight}, {&cmdClose, 900, kButtonHeight}},
      kColumnGap);
  cmdPrint.setCaption("&Print");
  cmdClose.setCaption("&Close");
  cmdClose.setCausesValidation(false);

  // Disclaimer, then the notices standing on the footer (placed in Form_Load, by the window's
  // height); the disclaimer's box takes the room the US layout leaves above them.
  lblDisclaimerLabel.setCaption("Disclaimer:");
  lblDisclaimerLabel.move(kLeft, belowLines + 495, 900, kTextLine);
  lblDisclaimer.setWidth(kNoticeWidth);
  lblSufferanceFeeMessage.setWidth(kNoticeWidth);
  lblSufferanceFeeMessage.setHeight(2 * kTextLine);
  lblSufferanceFeeMessage.setVisible(false);
  lblUSDMessage.move(kLeft, 0, kNoticeWidth, forms::layout::kLabelHeight);
  lblUSDMessage.setCaption("Charges are quoted in US dollars.");
  lblUSDMessage.setVisible(false);
  fraFooter.move(0, 0, kMainWidth - 120, 480);
  Row(60, 120,
      {{&lblStatusBar, 6600, forms::layout::kLabelHeight},
       {&lblVersion, 2700, forms::layout::kLabelHeight}},
      kColumnGap);
  Contain(fraFooter, {&lblStatusBar, &lblVersion});
  lblStatusBar.setBorderStyle(forms::kBorderFixedSingle);
  PlaceFooter(h);
  // Amounts line up on their right edge.
  for (int i = 0; i < 8; ++i) {
    lblRate[i].setAlignment(forms::Alignment::Right);
    lblCharge[i].setAlignment(forms::Alignment::Right);
  }
  for (forms::Label* amount :
       {&lblDeficitWeight, &lblDeficitRate, &lblDeficitCharge, &lblTotalWeight,
        &lblUndiscountedChargeMX, &lblDiscountMX, &lblNetMX, &lblUndiscountedCharge, &lblDiscount,
        &lblNet, &lblFuelSurcharge, &lblAccessorialCharge, &lblCrossBorderCharge, &lblHCSAFee,
        &lblCaliforniaSurcharge, &lblTotalCharge, &lblCanCurrencyExchange, &lblTotalCanCharge,
        &lblPPU})
    amount->setAlignment(forms::Alignment::Right);

  std::vector<forms::Control*> order = {&txtOrigin, &txtDestination};
  for (int i = 0; i < 8; ++i) {
    order.push_back(&cboClass[i]);
    order.push_back(&txtWeight[i]);
  }
  for (forms::Control* c :
       Controls{&txtDiscount[0], &txtDiscount[1], &txtDiscount[2], &txtDiscount[3],
                &optApplyOutboundPricing, &optApplyInboundPricing, &txtPPU, &cmdNewShipment,
                &cmdPrint, &cmdClose, &cmdDensityClassCalculator})
    order.push_back(c);
  SetTabOrder(order);
}

void frmCorvane1::PlaceFooter(int windowHeight) {
  fraFooter.setTop(windowHeight - 1275);
  lblUSDMessage.setTop(fraFooter.top() - 240);
  lblSufferanceFeeMessage.setLeft(kLeft);
  lblSufferanceFeeMessage.setTop(lblUSDMessage.top() - lblSufferanceFeeMessage.height());
  const int disclaimerTop = lblDisclaimerLabel.top() + kTextLine;
  lblDisclaimer.move(kLeft, disclaimerTop, kNoticeWidth,
                     lblSufferanceFeeMessage.top() - disclaimerTop);
}

std::array<std::pair<forms::Label*, forms::Label*>, 14> frmCorvane1::PanelLabels() {
  return {{{&lblUndiscountedChargeMXLabel, &lblUndiscountedChargeMX},
           {&lblDiscountMXLabel, &lblDiscountMX},
           {&lblNetMXLabel, &lblNetMX},
           {&lblUndiscountedChargeLabel, &lblUndiscountedCharge},
           {&lblDiscountLabel, &lblDiscount},
           {&lblNetLabel, &lblNet},
           {&lblFuelSurchargeLabel, &lblFuelSurcharge},
           {&lblAccessorialChargeLabel, &lblAccessorialCharge},
           {&lblCrossBorderChargeLabel, &lblCrossBorderCharge},
           {&lblHCSAFeeLabel, &lblHCSAFee},
           {&lblCaliforniaSurchargeLabel, &lblCaliforniaSurcharge},
           {&lblTotalChargeLabel, &lblTotalCharge},
           {&lblCanCurrencyExchangeLabel, &lblCanCurrencyExchange},
           {&lblTotalCanChargeLabel, &lblTotalCanCharge}}};
}

std::string frmCorvane1::FileToString(const std::string& fileName) const {
  return base::FileToString(program_.dir.resolve(fileName));
}

void frmCorvane1::Form_Load() {
  const pricing::SettingsRecord& s = program_.settings;
  const bool mexico = program_.Mexico571Mode;
  const int h = mexico ? kMainHeightMexico : kMainHeight;
  setHeight(h);
  if (mexico) {
    cmdClose.setTop(h - 1875);
    cmdPrint.setTop(h - 1875);
    cmdNewShipment.setTop(h - 1875);
    cmdDensityClassCalculator.setTop(h - 2385);
    fraPPU.setTop(h - 3375);
    fraPricing.setTop(h - 4365);
    fraDiscount.setCaption("Current Settings - US/CAN");
    fraDiscountMX.setCaption("Current Settings - MX");
    fraDiscountMX.setVisible(true);
    mnuEditDiscountsUS.setCaption("Discounts - US");
    mnuEditDiscountsCanadian.setCaption("Discounts - Canadian");
    mnuEditDiscountsMexican.setCaption("Discounts - Mexican");
  } else {
    mnuEditDiscountsUS.setCaption("Discounts US / US");
    mnuEditDiscountsCanadian.setCaption("Discounts US / CA");
    mnuEditDiscountsMexican.setCaption("Discounts MX / US, MX / CA");
  }
  PlaceFooter(h);
  setWidth(kMainWidth);
  Centre();
  setIcon(program_.IconPath());

  imgPicture.setPicture(program_.dir.resolve("Headline.BMP").string());
  setCaption(base::Trim(s.CarrierName) + " - Effective: " + base::Trim(s.EffectiveDate));
  lblVersion.setCaption(base::Trim(s.VersionText));

  ConfigureScreen();

  for (int i = 0; i < 8; ++i) {
    cboClass[i].clearItems();
    for (const std::int16_t entry : program_.classTable)
      cboClass[i].addItem(pricing::ClassText(entry));
  }

  const bool hide502 = base::Contains(s.CarrierName, "502");
  lblDisclaimerLabel.setVisible(!hide502);
  lblDisclaimer.setVisible(!hide502);
  mnuEditDiscountsMexican.setVisible(!hide502);

  lblDisclaimer.setCaption(FileToString("disclaimer.dat"));
  lblSufferanceFeeMessage.setCaption(FileToString("sufferance.dat"));
  internationalCustomerServiceMessage_ = FileToString("InternationalCustomerServiceMsg.dat");
  customerServiceMessage_ = FileToString("CustomerServiceMsg.dat");
  borderCrossingFee_ = ReadBorderCrossingFee(program_.dir);
}

void frmCorvane1::ConfigureScreen() {
  const pricing::SettingsRecord& s = program_.settings;
  using pricing::On;
  const bool ppu = On(s.PricePerUnitOn) && On(s.PromptPricePerUnit);
  fraPPU.setVisible(ppu);
  if (!ppu) txtPPU.setText("");
  mnuFileBillofLading.setVisible(On(s.BillOfLadingOn));
  mnuFileRateSheet.setVisible(On(s.RateSheetOn));
  mnuCityLookup.setVisible(On(s.CityLookupOn));
  mnuEditFAK.setVisible(On(s.FakOn));
  lblFAKLabel.setVisible(On(s.FakOn));
  mnuEditAccessorialCharges.setVisible(On(s.AccessorialsOn));
  mnuViewMap.setVisible(On(s.MapOn));
  mnuViewRules.setVisible(On(s.RulesOn));
  lblMiles.setVisible(On(s.ShowMiles));
  mnuViewTerminalInformation.setVisible(On(s.ServiceGuideOn));
  lblTerminalLabel.setVisible(On(s.ServiceGuideOn));
  lblServiceLabel.setVisible(On(s.ServiceGuideOn));
}

void frmCorvane1::OpenWindow(const std::function<void()>& open) {
  program_.ratingState = "N";
  open();
  program_.ratingState = "Y";
}

void frmCorvane1::mnuFileRateSheet_Click() {
  OpenWindow([this] {
    NewShipment();
    frmRateSheet window(program_);
    window.ShowModal();
    // Closing the request window reads the settings again, undoing its changes to them.
    if (window.loaded()) window.Unload();
  });
  txtOrigin.SetFocus();
}

void frmCorvane1::mnuFileCalculator_Click() {
  OpenWindow([this] {
    if (!runtime().desktop().StartProgram("calc.exe"))
      runtime().MsgBox("Calculator not found", "Error");
  });
}

void frmCorvane1::mnuViewTerminalInformation_Click() {
  OpenWindow([this] {
    terminalInformation_.ShowModal();
    terminalInformation_.Unload();
  });
}

void frmCorvane1::mnuEditFAK_Click() {
  OpenWindow([this] {
    pricing::frmFAK window(runtime(), program_.dir, program_.classTable, program_.fak,
                           program_.Mexico571Mode, program_.IconPath());
    window.ShowModal();
  });
  for (int i = 0; i < 8; ++i)
    if (!base::Trim(cboClass[i].text()).empty()) ShowFakLabel(i);
  RateAgain();
}

void frmCorvane1::mnuEditDiscounts_Click(const char* country) {
  OpenWindow([this, country] {
    pricing::frmDiscounts window(runtime(), program_.dir, program_.Mexico571Mode,
                                 program_.decimalSeparator, program_.IconPath());
    window.Main(country);
  });
  // The lane on the screen takes the discounts as they now stand.
  if (base::Trim(txtOrigin.text()).empty() || base::Trim(txtDestination.text()).empty()) return;
  LookUpLaneDiscounts();
  if (lblTotalCharge.visible()) RateAgain();
}

void frmCorvane1::mnuFilePrint_Click() {
  switch (runtime().desktop().Print(quote::BuildQuotePage(Snapshot()))) {
    case forms::PrintResult::Printed:
      runtime().MsgBox("Information Printed");
      break;
    case forms::PrintResult::Cancelled:
      break;
    case forms::PrintResult::Failed:
      runtime().MsgBox("The quote could not be printed.");
      break;
  }
}

quote::QuoteSheet frmCorvane1::Snapshot() const {
  // What a control shows: its text while shown, nothing while hidden.
  auto text = [](const forms::Control& c) { return c.shown() ? c.text() : std::string(); };
  auto shownCaption = [](const forms::Control& c) -> std::optional<std::string> {
    if (!c.shown()) return std::nullopt;
    return c.caption();
  };
  auto row = [&](const forms::Label& caption,
                 const forms::Label& amount) -> std::optional<quote::PanelRow> {
    if (!caption.shown()) return std::nullopt;
    return quote::PanelRow{caption.caption(), text(amount)};
  };
  quote::QuoteSheet sheet;
  sheet.title = caption();
  sheet.terminalHeading = shownCaption(lblTerminalLabel);
  sheet.serviceHeading = shownCaption(lblServiceLabel);
  sheet.fakHeading = shownCaption(lblFAKLabel);
  sheet.origin = {text(txtOrigin), text(lblOriginState), text(lblOriginTerminal),
                  text(lblServiceDays)};
  sheet.destination = {text(txtDestination), text(lblDestinationState),
                       text(lblDestinationTerminal), text(lblServiceType)};
  for (int i = 0; i < quote::kScreenLines; ++i)
    sheet.lines.at(static_cast<std::size_t>(i)) = {text(cboClass[i]), text(lblFAK[i]),
                                                   text(txtWeight[i]), text(lblRate[i]),
                                                   text(lblCharge[i])};
  sheet.intrastateTariff = text(lblIntrastateTariff);
  if (lblDeficitLabel.shown())
    sheet.deficit = quote::DeficitRow{lblDeficitLabel.caption(), text(lblDeficitWeight),
                                      text(lblDeficitRate), text(lblDeficitCharge)};
  if (lblTotalWeightLabel.shown())
    sheet.totalWeight = quote::WeightRow{lblTotalWeightLabel.caption(), text(lblTotalWeight)};
  quote::TotalsPanel& p = sheet.totals;
  p.undiscountedChargeMX = row(lblUndiscountedChargeMXLabel, lblUndiscountedChargeMX);
  p.discountMX = row(lblDiscountMXLabel, lblDiscountMX);
  p.netMX = row(lblNetMXLabel, lblNetMX);
  p.undiscountedCharge = row(lblUndiscountedChargeLabel, lblUndiscountedCharge);
  p.discount = row(lblDiscountLabel, lblDiscount);
  p.net = row(lblNetLabel, lblNet);
  p.fuelSurcharge = row(lblFuelSurchargeLabel, lblFuelSurcharge);
  p.accessorialCharge = row(lblAccessorialChargeLabel, lblAccessorialCharge);
  p.crossBorderCharge = row(lblCrossBorderChargeLabel, lblCrossBorderCharge);
  p.highCostFee = row(lblHCSAFeeLabel, lblHCSAFee);
  p.californiaSurcharge = row(lblCaliforniaSurchargeLabel, lblCaliforniaSurcharge);
  p.totalCharge = row(lblTotalChargeLabel, lblTotalCharge);
  p.canadianExchange = row(lblCanCurrencyExchangeLabel, lblCanCurrencyExchange);
  p.totalCanadianCharge = row(lblTotalCanChargeLabel, lblTotalCanCharge);
  sheet.sufferanceNotice = shownCaption(lblSufferanceFeeMessage);
  sheet.currencyNotice = shownCaption(lblUSDMessage);
  sheet.inboundPricing = optApplyInboundPricing.value() != 0;
  sheet.rbn = text(lblRBN);
  sheet.disclaimer = shownCaption(lblDisclaimer);
  return sheet;
}

void frmCorvane1::ShowAccessorialCharges() {
  if (!accessorialCharges_)
    accessorialCharges_ = std::make_unique<pricing::frmAccessorialCharges>(runtime(), program_.dir,
                                                                           program_.IconPath());
  accessorialCharges_->ShowModal();
}

void frmCorvane1::mnuEditAccessorialCharges_Click() {
  OpenWindow([this] { ShowAccessorialCharges(); });
  RateAgain();
}

void frmCorvane1::mnuCityLookup_Click() {
  geo::frmZipLU window(runtime(), program_.dir, program_.pickedPostalCode, program_.IconPath());
  window.ShowModal();
  const std::string picked = base::Trim(window.lastPick());
  forms::Control* field = runtime().ActiveControl();
  if (picked.empty() || (field != &txtOrigin && field != &txtDestination)) return;
  field->setText(picked);
  // Leaving the field checks the picked code as if it had been typed.
  runtime().PostTab();
}

void frmCorvane1::mnuViewMap_Click() {
  OpenWindow([this] {
    geo::frmMap window(runtime(), program_.dir, program_.IconPath());
    window.ShowModal();
  });
}

void frmCorvane1::mnuEditDefaults_Click() {
  OpenWindow([this] {
    frmDefaults window(program_);
    window.ShowModal();
  });
  program_.engineRecord.setText(engine::H37, pricing::AdjustmentFactorText(program_.settings));
  ConfigureScreen();
  SetUpEngineDiscounts(false);
  RateAgain();
}

void frmCorvane1::mnuViewSpeedSheetAlternation_Click() {
  OpenWindow([this] {
    frmSpeedSheetAlternation window(program_, *this);
    window.ShowModal();
  });
}

void frmCorvane1::cmdDensityClassCalculator_Click() {
  OpenWindow([this] {
    tools::frmDensityClassCalculator window(runtime(), program_.dir, program_.decimalSeparator,
                                            program_.IconPath());
    window.ShowModal();
  });
  // The class found goes into the first line that has none.
  for (int i = 0; i < 8; ++i) {
    if (base::Trim(cboClass[i].text()).empty()) {
      cboClass[i].SetFocus();
      return;
    }
  }
}

void frmCorvane1::mnuFileBillofLading_Click() {
  OpenWindow([this] {
    tools::frmBOL window(runtime(), program_.dir, program_.settings, program_.IconPath());
    window.ShowModal();
  });
}

void frmCorvane1::mnuHelpAbout_Click() {
  OpenWindow([this] {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    tools::frmAbout window(runtime(), program_.dir, program_.settings,
                           ec ? std::filesystem::path() : self, program_.IconPath());
    window.ShowModal();
  });
}

void frmCorvane1::mnuHelpContents_Click() {
  tools::ViewFile(runtime(), program_.dir, tools::kHelpFileName,
                  base::Trim(program_.settings.ProductName));
}

void frmCorvane1::mnuViewRules_Click() {
  OpenWindow([this] {
    tools::ViewFile(runtime(), program_.dir, tools::kRulesFileName,
                    base::Trim(program_.settings.ProductName));
  });
}

void frmCorvane1::Form_Unload(bool& cancel) {
  (void)cancel;
  program_.EndEngine();
  runtime().desktop().Quit();
}

}  // namespace tarvex::app
