// The rate block view of the lane on the quote window: rates or alternation weights of every
// class and weight break, base or discounted, with the discount row and the minimum charges.
#pragma once

#include "engine/engine_record.h"
#include "forms/control.h"
#include "forms/form.h"
#include "speedsheet/rate_block.h"

namespace tarvex::app {

struct Program;
class frmCorvane1;

// Fixed by the program, in twips.
inline constexpr int kSpeedSheetWidth = 9600;
inline constexpr int kSpeedSheetHeight = 7320;

class frmSpeedSheetAlternation : public forms::Form {
 public:
  frmSpeedSheetAlternation(Program& program, const frmCorvane1& quote);

  void Form_Load() override;

  void ShowClassHeadings();
  void ShowWeightHeadings();
  void ShowDiscountRow();
  void ShowRateGrid();
  void ShowMinimumCharges();
  void HideHeavyColumns();

  forms::Menu mnuFile{*this, "mnuFile"};
  forms::Menu mnuPrint{*this, "mnuPrint"};
  forms::Menu mnuExit{*this, "mnuExit"};

  forms::Label lblOriginCaption{*this, "lblOriginCaption"};
  forms::Label lblOriginZip{*this, "lblOriginZip"};
  forms::Label lblOriginState{*this, "lblOriginState"};
  forms::Label lblDestinationCaption{*this, "lblDestinationCaption"};
  forms::Label lblDestinationZip{*this, "lblDestinationZip"};
  forms::Label lblDestinationState{*this, "lblDestinationState"};

  forms::Frame Frame1{*this, "Frame1"};
  forms::OptionButton optBase{*this, "optBase"};
  forms::OptionButton optDiscounted{*this, "optDiscounted"};
  forms::Frame Frame2{*this, "Frame2"};
  forms::OptionButton optRates{*this, "optRates"};
  forms::OptionButton optAlternation{*this, "optAlternation"};
  forms::Frame fra571MX{*this, "fra571MX"};
  forms::OptionButton optUSCN{*this, "optUSCN"};
  forms::OptionButton optMX{*this, "optMX"};
  forms::CommandButton cmdPrint{*this, "cmdPrint"};
  forms::CommandButton cmdClose{*this, "cmdClose"};

  // Rows 1 … 20, columns 1 … 9, cells (row − 1) × 9 + column; element 0 is never used.
  forms::ControlArray<forms::Label> lblClass{*this, "lblClass", speedsheet::kBlockRows + 1};
  forms::ControlArray<forms::Label> lblWeight{*this, "lblWeight", speedsheet::kBlockColumns + 1};
  forms::ControlArray<forms::Label> lblRates{*this, "lblRates",
                                             speedsheet::kBlockRows* speedsheet::kBlockColumns + 1};
  forms::Label lblDiscountCaption{*this, "lblDiscountCaption"};
  forms::ControlArray<forms::Label> lblDiscounts{*this, "lblDiscounts",
                                                 speedsheet::kBlockColumns + 1};
  forms::Label lblMinimumChargesCaption{*this, "lblMinimumChargesCaption"};
  forms::ListBox lstMinimumCharges{*this, "lstMinimumCharges"};
  forms::Label lblMinimumChargeDiscountCaption{*this, "lblMinimumChargeDiscountCaption"};
  forms::Label lblMinimumChargeDiscount{*this, "lblMinimumChargeDiscount"};

 private:
  void Design();
  bool MexicanLane() const;
  // A Mexican lane in the Mexico layout is rated in two portions.
  bool TwoPortions() const;
  // The engine's discount fields of the lane's boxes on the quote window, US/Canada or Mexico;
  // returns the customer's floor of that set-up.
  double SetUpDiscounts(bool mexican, engine::EngineRecord& record) const;
  // Rates the block once; false, after the customer-service message, when the engine refuses.
  bool Rate();
  void PriceOption_Click();
  void ViewOption_Click();
  void cmdPrint_Click();

  Program& program_;
  const frmCorvane1& quote_;
  // The customer's floor of the last discount set-up this window ran.
  double customerFloor_ = 0.0;
  bool setUpRun_ = false;
  // While the window selects its opening options, their clicks do nothing.
  bool loading_ = false;
  // The block of the last call is not the lane's: nothing is shown from it.
  bool refused_ = false;
};

}  // namespace tarvex::app
