// The bill of lading: the carrier's paper form filled in on screen, printed as a picture of
// the window, with the shipper's own details kept in shipper.dat.
#pragma once

#include "base/program_dir.h"
#include "forms/control.h"
#include "forms/form.h"
#include "pricing/settings.h"

namespace tarvex::tools {

class frmBOL : public forms::Form {
 public:
  // The goods grid's rows.
  static constexpr int kGoodsRows = 5;

  frmBOL(forms::Runtime& runtime, const base::ProgramDir& dir,
         const pricing::SettingsRecord& settings, std::string iconPath);

  void Form_Load() override;
  void Form_KeyPress(int& keyAscii) override;

  forms::Menu mnuprtscr{*this, "mnuprtscr"};
  forms::Menu mnuSSI{*this, "mnuSSI"};
  forms::Menu mnuExit{*this, "mnuExit"};

  forms::Label lblCarrierName{*this, "lblCarrierName"};
  forms::Label lblCarrierAddress{*this, "lblCarrierAddress"};

  // Shipper (from).
  forms::Frame fraShipper{*this, "fraShipper"};
  forms::Label lblShipperName{*this, "lblShipperName"};
  forms::TextBox txtName{*this, "txtName"};
  forms::Label lblShipperAddress{*this, "lblShipperAddress"};
  forms::TextBox txtAddress{*this, "txtAddress"};
  forms::Label lblShipperCSZ{*this, "lblShipperCSZ"};
  forms::TextBox txtCSZ{*this, "txtCSZ"};
  forms::Label lblShipperPhone{*this, "lblShipperPhone"};
  forms::TextBox txtPhone{*this, "txtPhone"};

  // References: BOL #, PO #, shipper number, carrier.
  forms::Label lblBOL{*this, "lblBOL"};
  forms::TextBox Text1{*this, "Text1"};
  forms::Label lblPO{*this, "lblPO"};
  forms::TextBox Text2{*this, "Text2"};
  forms::Label lblShipperNumber{*this, "lblShipperNumber"};
  forms::TextBox txtShipper{*this, "txtShipper"};
  forms::Label lblCarrier{*this, "lblCarrier"};
  forms::TextBox Text3{*this, "Text3"};

  // Consignee (to): name, address, city/state/ZIP, phone.
  forms::Frame fraConsignee{*this, "fraConsignee"};
  forms::Label lblConsigneeName{*this, "lblConsigneeName"};
  forms::TextBox Text4{*this, "Text4"};
  forms::Label lblConsigneeAddress{*this, "lblConsigneeAddress"};
  forms::TextBox Text5{*this, "Text5"};
  forms::Label lblConsigneeCSZ{*this, "lblConsigneeCSZ"};
  forms::TextBox Text6{*this, "Text6"};
  forms::Label lblConsigneePhone{*this, "lblConsigneePhone"};
  forms::TextBox Text7{*this, "Text7"};

  // Who pays, and the third party that does.
  forms::Frame fraPaidBy{*this, "fraPaidBy"};
  forms::OptionButton Option1{*this, "Option1"};
  forms::OptionButton Option2{*this, "Option2"};
  forms::OptionButton Option3{*this, "Option3"};
  forms::Frame fra3rdParty{*this, "fra3rdParty"};
  forms::Label lbl3rdName{*this, "lbl3rdName"};
  forms::TextBox txt3rdname{*this, "txt3rdname"};
  forms::Label lbl3rdAddress{*this, "lbl3rdAddress"};
  forms::TextBox txt3rdaddress{*this, "txt3rdaddress"};
  forms::Label lbl3rdCSZ{*this, "lbl3rdCSZ"};
  forms::TextBox txt3rdCSZ{*this, "txt3rdCSZ"};

  // The goods: packages, description, weight and class of each row.
  forms::Label lblPackagesHeading{*this, "lblPackagesHeading"};
  forms::Label lblDescriptionHeading{*this, "lblDescriptionHeading"};
  forms::Label lblWeightClassHeading{*this, "lblWeightClassHeading"};
  forms::ControlArray<forms::TextBox> txtPackages{*this, "txtPackages", kGoodsRows};
  forms::ControlArray<forms::TextBox> txtDescription{*this, "txtDescription", kGoodsRows};
  forms::ControlArray<forms::TextBox> txtGoodsWeight{*this, "txtGoodsWeight", kGoodsRows};
  forms::ControlArray<forms::TextBox> txtGoodsClass{*this, "txtGoodsClass", kGoodsRows};

  // COD fee, single shipment, section 7.
  forms::Label lblCODFee{*this, "lblCODFee"};
  forms::CheckBox Check1{*this, "Check1"};
  forms::CheckBox Check2{*this, "Check2"};
  forms::Label lblSingleShipment{*this, "lblSingleShipment"};
  forms::TextBox Text49{*this, "Text49"};
  forms::Label lblSec7Signed{*this, "lblSec7Signed"};
  forms::TextBox Text50{*this, "Text50"};

  // How the consignee may pay.
  forms::CheckBox Check3{*this, "Check3"};
  forms::Label lblCashiers{*this, "lblCashiers"};
  forms::Label lblCheck{*this, "lblCheck"};
  forms::Label lblOnly{*this, "lblOnly"};
  forms::CheckBox Check4{*this, "Check4"};
  forms::Label lblConsigneePays{*this, "lblConsigneePays"};
  forms::Label lblAmountLine{*this, "lblAmountLine"};

  // Terms and signatures.
  forms::Label lblBOLTerms{*this, "lblBOLTerms"};
  forms::Label lblCorrection{*this, "lblCorrection"};
  forms::Label lblSection7{*this, "lblSection7"};
  forms::Label lblSignatures{*this, "lblSignatures"};
  forms::Label lblDate{*this, "lblDate"};
  forms::TextBox Text12{*this, "Text12"};
  forms::Label lblConsignorSignature{*this, "lblConsignorSignature"};

 private:
  void Design();
  void mnuSSI_Click();
  void mnuprtscr_Click();

  const base::ProgramDir& dir_;
  const pricing::SettingsRecord& settings_;
  std::string iconPath_;
};

}  // namespace tarvex::tools
