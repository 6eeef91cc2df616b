#include "tools/frm_bol.h"

#include <cctype>

#include "base/text.h"
#include "forms/layout.h"
#include "pricing/input_fields.h"
#include "tools/shipper_file.h"

namespace tarvex::tools {

namespace {

using namespace forms::layout;

// The two halves of the form, side by side.
constexpr int kHalfWidth = 5520;
constexpr int kRightLeft = kGap + kHalfWidth + 2 * kGap;
constexpr int kBlockCaption = 1080;
constexpr int kBlockBox = kHalfWidth - kBlockCaption - 3 * kGap;
constexpr int kBlockPitch = 360;
constexpr int kPackagesWidth = 1200;
constexpr int kDescriptionWidth = 7920;
constexpr int kWeightWidth = 900;
constexpr int kGoodsPitch = 330;

// Name, address, city/state/ZIP (and phone) lines of a block on the paper form.
void Block(forms::Frame& frame,
           std::initializer_list<std::pair<forms::Label*, forms::TextBox*>> lines,
           std::initializer_list<const char*> captions) {
  int top = 300;
  auto caption = captions.begin();
  for (const auto& [label, box] : lines) {
    Contain(frame, {label, box});
    CaptionBeside(*label, *caption++, kBlockCaption, *box, kBlockBox, kGap, top);
    top += kBlockPitch;
  }
  frame.setHeight(top);
}

}  // namespace

frmBOL::frmBOL(forms::Runtime& runtime, const base::ProgramDir& dir,
               const pricing::SettingsRecord& settings, std::string iconPath)
    : Form(runtime, "frmBOL"), dir_(dir), settings_(settings), iconPath_(std::move(iconPath)) {
  Design();
  setKeyPreview(true);
  mnuprtscr.onClick = [this] { mnuprtscr_Click(); };
  mnuSSI.onClick = [this] { mnuSSI_Click(); };
  mnuExit.onClick = [this] { Unload(); };
  // Ticking one box of a pair clears its partner; unticking leaves the partner alone.
  const std::pair<forms::CheckBox*, forms::CheckBox*> pairs[] = {
      {&Check1, &Check2}, {&Check2, &Check1}, {&Check3, &Check4}, {&Check4, &Check3}};
  for (const auto& pair : pairs)
    pair.first->onClick = [box = pair.first, partner = pair.second] {
      if (box->value() != 0) partner->setValue(0);
    };
  for (forms::TextBox* box : {&Text1, &Text2, &Text3, &Text6, &Text12, &Text49, &Text50})
    box->onKeyPress = [](int& key) {
      if (key > 0 && key < 256) key = std::toupper(key);
    };
}

void frmBOL::Design() {
  setWidth(11640);
  setHeight(9600);
  mnuprtscr.setCaption("&Print");
  mnuSSI.setCaption("&Save Shipper Info");
  mnuExit.setCaption("E&xit ");

  const int fullWidth = 2 * kHalfWidth + 2 * kGap;
  lblCarrierName.move(kGap, 60, fullWidth, kBoxHeight);
  lblCarrierName.setBold(true);
  lblCarrierName.setAlignment(forms::Alignment::Center);
  lblCarrierAddress.move(kGap, 60 + kBoxHeight, fullWidth, kLabelHeight);
  lblCarrierAddress.setAlignment(forms::Alignment::Center);

  const int blocksTop = 720;
  fraShipper.setCaption("Shipper (from)");
  fraShipper.move(kGap, blocksTop, kHalfWidth, 0);
  Block(fraShipper,
        {{&lblShipperName, &txtName},
         {&lblShipperAddress, &txtAddress},
         {&lblShipperCSZ, &txtCSZ},
         {&lblShipperPhone, &txtPhone}},
        {"Name ", "Address ", "C/S/Z ", "Phone "});

  const int refTop = blocksTop + kGap;
  Row(kRightLeft, refTop, {{&lblBOL, 960}, {&Text1, 1680}, {&lblPO, 840}, {&Text2, 1680}});
  Row(kRightLeft, refTop + 420,
      {{&lblShipperNumber, 960}, {&txtShipper, 1680}, {&lblCarrier, 840}, {&Text3, 1680}});
  lblBOL.setCaption("BOL #");
  lblPO.setCaption("PO # ");
  lblShipperNumber.setCaption("Shipper # ");
  lblCarrier.setCaption("Carrier ");

  fraPaidBy.setCaption("Freight Charges to be Paid by:");
  fraPaidBy.move(kRightLeft, refTop + 900, kHalfWidth, 1140);
  Contain(fraPaidBy, {&Option1, &Option2, &Option3});
  Column(kGap, 300,
         {{&Option1, kHalfWidth - 2 * kGap, 240},
          {&Option2, kHalfWidth - 2 * kGap, 240},
          {&Option3, kHalfWidth - 2 * kGap, 240}},
         270);
  Option1.setCaption("Shipper (Prepaid)");
  Option2.setCaption("Consignee (Collect)");
  Option3.setCaption("3RD Party (Prepaid) As shown on Right:");

  const int secondTop = fraShipper.top() + fraShipper.height() + kGap;
  fraConsignee.setCaption("Consignee (to)");
  fraConsignee.move(kGap, secondTop, kHalfWidth, 0);
  Block(fraConsignee,
        {{&lblConsigneeName, &Text4},
         {&lblConsigneeAddress, &Text5},
         {&lblConsigneeCSZ, &Text6},
         {&lblConsigneePhone, &Text7}},
        {"Name ", "Address ", "C/S/Z ", "Phone "});
  fra3rdParty.setCaption("3RD Party ");
  fra3rdParty.move(kRightLeft, fraPaidBy.top() + fraPaidBy.height() + kGap, kHalfWidth, 0);
  Block(fra3rdParty,
        {{&lbl3rdName, &txt3rdname}, {&lbl3rdAddress, &txt3rdaddress}, {&lbl3rdCSZ, &txt3rdCSZ}},
        {"Name ", "Address ", "C/S/Z "});
  // Its bottom lines up with the consignee's.
  fra3rdParty.setHeight(fraConsignee.top() + fraConsignee.height() - fra3rdParty.top());

  const int goodsTop = fraConsignee.top() + fraConsignee.height() + kGap;
  Row(kGap, goodsTop,
      {{&lblPackagesHeading, kPackagesWidth, 480},
       {&lblDescriptionHeading, kDescriptionWidth, 480},
       {&lblWeightClassHeading, 2 * kWeightWidth + kGap, 480}});
  lblPackagesHeading.setCaption("# of Packages");
  lblDescriptionHeading.setCaption(
      " Kind of Packaging, Description of Articles (as descr. in NMFC), NMFC Item#;Special Marks "
      "and Exceptions");
  lblWeightClassHeading.setCaption("   Weight     Class");
  for (forms::Label* heading :
       {&lblPackagesHeading, &lblDescriptionHeading, &lblWeightClassHeading})
    heading->setBold(true);
  const int rowsTop = goodsTop + 480 + kNarrowGap;
  Grid(kGap, rowsTop, kGoodsRows, kGoodsPitch, [this](int r) {
    return std::vector<Cell>{{&txtPackages[r], kPackagesWidth},
                             {&txtDescription[r], kDescriptionWidth},
                             {&txtGoodsWeight[r], kWeightWidth},
                             {&txtGoodsClass[r], kWeightWidth}};
  });
  for (int r = 0; r < kGoodsRows; ++r) {
    txtGoodsWeight[r].setAlignment(forms::Alignment::Right);
    txtGoodsClass[r].setAlignment(forms::Alignment::Right);
  }

  const int codTop = rowsTop + kGoodsRows * kGoodsPitch + kGap;
  Row(kGap, codTop,
      {{&lblCODFee, 840},
       {&Check1, 1080},
       {&Check2, 1080},
       {&lblSingleShipment, 1380},
       {&Text49, 600},
       {&lblSec7Signed, 1200},
       {&Text50, 600}});
  lblCODFee.setCaption("COD Fee");
  lblCODFee.setBold(true);
  Check1.setCaption("Prepaid");
  Check2.setCaption("Collect");
  lblSingleShipment.setCaption("Single Shipment?");
  lblSec7Signed.setCaption("Sec. 7 Signed?");
  for (forms::TextBox* answer : {&Text49, &Text50}) answer->setMaxLength(3);

  // How the consignee may pay, to the right of the COD line.
  const int payLeft = 7920;
  Check3.move(payLeft, codTop, 240, kBoxHeight);
  Column(payLeft + 300, codTop - kGap, {{&lblCashiers, 960}, {&lblCheck, 960}, {&lblOnly, 960}},
         kLabelHeight);
  lblCashiers.setCaption("Cashier's");
  lblCheck.setCaption("    Check     ");
  lblOnly.setCaption("Only");
  Check4.setCaption("Check OK");
  Check4.move(payLeft + 1380, codTop, 1320, kBoxHeight);
  Row(payLeft + 1380, codTop + kBoxHeight + kNarrowGap,
      {{&lblConsigneePays, 900}, {&lblAmountLine, 1020}}, 0);
  lblConsigneePays.setCaption(" Consignee ");
  lblAmountLine.setCaption("$___________");

  const int termsTop = codTop + 660;
  Row(kGap, termsTop, {{&lblBOLTerms, 1920}, {&lblCorrection, 1920}});
  lblBOLTerms.setCaption("Subject to BOL Terms");
  lblCorrection.setCaption("Subject to Correction");
  lblSection7.setCaption(
      "Section 7 Conditions - The carrier shall not make delivery of this shipment without "
      "payment of freight and all other lawful charges. ");
  lblSection7.move(kGap, termsTop + kLabelHeight + kGap, fullWidth, 480);
  Row(kGap, lblSection7.top() + 480 + kGap,
      {{&lblSignatures, 1080}, {&lblDate, 480}, {&Text12, 1440}, {&lblConsignorSignature, 5400}});
  lblSignatures.setCaption("Signatures:");
  lblSignatures.setBold(true);
  lblDate.setCaption("Date");
  lblConsignorSignature.setCaption("Signature of Consignor __________________________");
}

void frmBOL::Form_Load() {
  Centre();
  setIcon(iconPath_);
  const pricing::SettingsRecord& s = settings_;
  setCaption(base::Trim(s.CarrierName) + " - " + "Bill of Lading");
  lblCarrierName.setCaption(base::Trim(s.CarrierName));
  lblCarrierAddress.setCaption(base::Trim(s.CarrierStreet) + " - " + base::Trim(s.CarrierCity) +
                               ", " + base::Trim(s.CarrierState) + "  " +
                               base::Trim(s.CarrierPostalCode));
  const ShipperFields fields = ReadShipperFile(dir_.resolve(kShipperFileName));
  forms::TextBox* boxes[] = {&txtShipper, &txtName,    &txtAddress,    &txtCSZ,
                             &txtPhone,   &txt3rdname, &txt3rdaddress, &txt3rdCSZ};
  for (std::size_t i = 0; i < kShipperFields; ++i) boxes[i]->setText(fields[i]);
}

void frmBOL::Form_KeyPress(int& keyAscii) {
  if (keyAscii != forms::keys::Enter) return;
  forms::Control* active = runtime().ActiveControl();
  if (active == &Option1 || active == &Option2) {
    keyAscii = 0;
    txt3rdCSZ.SetFocus();
    return;
  }
  keyAscii = pricing::EnterAsTab(runtime(), keyAscii);
}

void frmBOL::mnuSSI_Click() {
  const ShipperFields fields = {txtShipper.text(),    txtName.text(),  txtAddress.text(),
                                txtCSZ.text(),        txtPhone.text(), txt3rdname.text(),
                                txt3rdaddress.text(), txt3rdCSZ.text()};
  std::string error;
  if (!WriteShipperFile(dir_.resolve(kShipperFileName), fields, &error)) {
    runtime().MsgBox(error);
    return;
  }
  runtime().MsgBox("Shipper Information Saved");
}

void frmBOL::mnuprtscr_Click() {
  if (runtime().desktop().PrintForm(*this) == forms::PrintResult::Failed)
    runtime().MsgBox("The bill of lading could not be printed.");
}

}  // namespace tarvex::tools
