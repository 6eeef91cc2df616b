#include "app/frm_corvane1.h"

#include "app/frm_rate_sheet.h"
#include "app/program.h"
#include "base/files.h"
#include "base/text.h"
#include "geo/city_lookup.h"
#include "pricing/frm_fak.h"
#include "quote/printout.h"

namespace tarvex::app {

namespace {

// Column of the line block, the totals panel and the right-hand column (twips).
constexpr int kLineTop = 2100;
constexpr int kLinePitch = 300;
constexpr int kPanelLeft = 4560;
constexpr int kPanelCaptionWidth = 1800;
constexpr int kPanelValueWidth = 1080;
constexpr int kRightLeft = 7470;
constexpr int kRightWidth = 1980;
constexpr int kRowHeight = 240;
constexpr int kBoxHeight = 300;

using Controls = std::initializer_list<forms::Control*>;

void Place(forms::Control& c, int left, int top, int width, int height, const char* caption = "") {
  c.move(left, top, width, height);
  if (*caption != '\0') c.setCaption(caption);
}

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

  Place(imgPicture, 300, 0, 9000, 840);

  // Lane block.
  Place(lblStateCaption, 2100, 900, 600, kRowHeight, "State");
  Place(lblTerminalLabel, 2760, 900, 2400, kRowHeight, "Term.");
  Place(lblServiceLabel, 5220, 900, 2280, kRowHeight, "Service");
  Place(lblOriginCaption, 120, 1170, 960, kRowHeight, "Origin");
  Place(txtOrigin, 1080, 1140, 960, kBoxHeight);
  Place(lblOriginState, 2100, 1170, 600, kRowHeight);
  Place(lblOriginTerminal, 2760, 1170, 2400, kRowHeight);
  Place(lblServiceDays, 5220, 1170, 2280, kRowHeight);
  Place(lblDestinationCaption, 120, 1530, 960, kRowHeight, "Destination");
  Place(txtDestination, 1080, 1500, 960, kBoxHeight);
  Place(lblDestinationState, 2100, 1530, 600, kRowHeight);
  Place(lblDestinationTerminal, 2760, 1530, 2400, kRowHeight);
  Place(lblServiceType, 5220, 1530, 2280, kRowHeight);
  txtOrigin.setMaxLength(6);
  txtDestination.setMaxLength(6);
  Place(lblRBN, kPanelLeft, 2100, 3000, kRowHeight);
  Place(lblMiles, kPanelLeft, 2400, 3000, kRowHeight);
  Place(lblIntrastateTariff, kPanelLeft, 2700, 3000, 720);

  // Shipment lines.
  Place(lblClassCaption, 120, 1860, 840, kRowHeight, "Class");
  Place(lblFAKLabel, 1020, 1860, 540, kRowHeight, "FAK");
  Place(lblWeightCaption, 1620, 1860, 900, kRowHeight, "Weight");
  Place(lblRateCaption, 2580, 1860, 900, kRowHeight, "Rate");
  Place(lblChargeCaption, 3540, 1860, 960, kRowHeight, "Charge");
  for (int i = 0; i < 8; ++i) {
    const int top = kLineTop + i * kLinePitch;
    Place(cboClass[i], 120, top, 840, kBoxHeight - 15);
    Place(lblFAK[i], 1020, top + 30, 540, kRowHeight);
    Place(txtWeight[i], 1620, top, 900, kBoxHeight - 15);
    Place(lblRate[i], 2580, top + 30, 900, kRowHeight);
    Place(lblCharge[i], 3540, top + 30, 960, kRowHeight);
  }
  const int belowLines = kLineTop + 8 * kLinePitch + 60;
  Place(lblDeficitLabel, 120, belowLines, 1440, kRowHeight);
  Place(lblDeficitWeight, 1620, belowLines, 900, kRowHeight);
  Place(lblDeficitRate, 2580, belowLines, 900, kRowHeight);
  Place(lblDeficitCharge, 3540, belowLines, 960, kRowHeight);
  Place(lblTotalWeightLabel, 120, belowLines + kRowHeight, 1440, kRowHeight, "Total Weight");
  Place(lblTotalWeight, 1620, belowLines + kRowHeight, 900, kRowHeight);

  // Totals panel: rows are stacked from 4140 when a quote is shown.
  int row = 0;
  for (auto& [caption, amount] : PanelLabels()) {
    const int top = 4140 + row++ * kRowHeight;
    Place(*caption, kPanelLeft, top, kPanelCaptionWidth, kRowHeight);
    Place(*amount, kPanelLeft + kPanelCaptionWidth, top, kPanelValueWidth, kRowHeight);
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

  // Right-hand column; a control inside a frame is placed relative to the frame, and the
  // Mexico layout moves the lower frames (see Form_Load).
  Place(fraDiscount, kRightLeft, 900, kRightWidth, 1290, "Current Settings");
  Place(lblFloorCaption, 90, 270, 900, kRowHeight, "Floor");
  Place(txtDiscount[0], 990, 240, 780, kBoxHeight);
  Place(lblLTLDiscountCaption, 90, 660, 900, kRowHeight, "Discount %");
  Place(txtDiscount[1], 990, 630, 780, kBoxHeight);
  Place(fraDiscountMX, kRightLeft, 2250, kRightWidth, 1290, "Current Settings - MX");
  Place(lblFloorMXCaption, 90, 270, 900, kRowHeight, "Floor");
  Place(txtDiscount[2], 990, 240, 780, kBoxHeight);
  Place(lblLTLDiscountMXCaption, 90, 660, 900, kRowHeight, "Discount %");
  Place(txtDiscount[3], 990, 630, 780, kBoxHeight);
  for (forms::Control* c :
       Controls{&lblFloorCaption, &lblLTLDiscountCaption, &txtDiscount[0], &txtDiscount[1]})
    c->setContainer(&fraDiscount);
  for (forms::Control* c :
       Controls{&lblFloorMXCaption, &lblLTLDiscountMXCaption, &txtDiscount[2], &txtDiscount[3]})
    c->setContainer(&fraDiscountMX);
  fraDiscountMX.setVisible(false);

  const int h = kMainHeight;
  Place(fraPricing, kRightLeft, h - 4365, kRightWidth, 900, "Pricing");
  Place(optApplyOutboundPricing, 120, 270, 1620, kRowHeight, "Outbound");
  Place(optApplyInboundPricing, 120, 570, 1620, kRowHeight, "Inbound");
  optApplyOutboundPricing.setContainer(&fraPricing);
  optApplyInboundPricing.setContainer(&fraPricing);
  optApplyOutboundPricing.setValue(1);
  Place(fraPPU, kRightLeft, h - 3375, kRightWidth, 900, "Price Per Unit");
  Place(lblUnitsCaption, 90, 270, 720, kRowHeight, "Units");
  Place(txtPPU, 810, 240, 960, kBoxHeight);
  Place(lblPPU, 90, 600, 1680, kRowHeight);
  for (forms::Control* c : Controls{&lblUnitsCaption, &txtPPU, &lblPPU}) c->setContainer(&fraPPU);
  Place(cmdDensityClassCalculator, kRightLeft, h - 2385, kRightWidth, 420, "&Density Calculator");
  Place(cmdNewShipment, kPanelLeft, h - 1875, 1500, 420, "&New Shipment");
  Place(cmdPrint, kRightLeft, h - 1875, 900, 420, "&Print");
  Place(cmdClose, kRightLeft + 960, h - 1875, 900, 420, "&Close");
  cmdClose.setCausesValidation(false);

  // Notices and footer.
  Place(lblDisclaimerLabel, 120, belowLines + 600, 900, kRowHeight, "Disclaimer:");
  Place(lblDisclaimer, 120, belowLines + 840, 4380, 1200);
  Place(lblSufferanceFeeMessage, 120, h - 1275 - 660, 4380, 420);
  lblSufferanceFeeMessage.setVisible(false);
  Place(fraFooter, 0, h - 1275, kMainWidth - 120, 480);
  Place(lblUSDMessage, 120, h - 1275 - 240, 4380, kRowHeight, "Charges are quoted in US dollars.");
  lblUSDMessage.setVisible(false);
  Place(lblStatusBar, 60, 120, 6600, kRowHeight);
  Place(lblVersion, 6720, 120, 2700, kRowHeight);
  lblStatusBar.setContainer(&fraFooter);
  lblVersion.setContainer(&fraFooter);
  lblStatusBar.setBorderStyle(forms::kBorderFixedSingle);
  imgPicture.setAlignment(forms::Alignment::Center);
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
  // Overlaps the window keeps until its layout is redone: the service column and the lane's
  // results reach 30 to 90 twips into the discount frames, and in the US layout the
  // sufferance notice sits on the last lines of the disclaimer's box.
  for (forms::Control* c : Controls{&lblServiceLabel, &lblServiceDays, &lblServiceType, &lblRBN,
                                    &lblMiles, &lblIntrastateTariff, &fraDiscount, &fraDiscountMX,
                                    &lblDisclaimer, &lblSufferanceFeeMessage})
    c->setMayOverlap(true);

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
  fraFooter.setTop(h - 1275);
  lblUSDMessage.setTop(fraFooter.top() - 240);
  lblSufferanceFeeMessage.setTop(lblUSDMessage.top() - 420);
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

  // Commands whose windows are not part of this build stay disabled, never pretended.
  for (forms::Control* c : Controls{&mnuFileBillofLading, &mnuEditDefaults, &mnuEditDiscountsUS,
                                    &mnuEditDiscountsCanadian, &mnuEditDiscountsMexican,
                                    &mnuViewRules, &mnuViewSpeedSheetAlternation, &mnuHelpContents,
                                    &mnuHelpAbout, &cmdDensityClassCalculator})
    c->setEnabled(false);
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

void frmCorvane1::Form_Unload(bool& cancel) {
  (void)cancel;
  program_.EndEngine();
  runtime().desktop().Quit();
}

}  // namespace tarvex::app
