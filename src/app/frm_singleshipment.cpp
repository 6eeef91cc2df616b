#include "app/frm_singleshipment.h"

#include "forms/layout.h"

namespace tarvex::app {

frmSingleshipment::frmSingleshipment(forms::Runtime& runtime) : Form(runtime, "frmSingleshipment") {
  setCaption("Single Shipment");
  setWidth(3900);
  setHeight(2100);
  setKeyPreview(true);
  using namespace forms::layout;
  lblQuestion.move(2 * kGap, kGap, 3360, kLabelHeight);
  lblQuestion.setCaption("Is this a single shipment?");
  Column(3 * kGap, 480, {{&optSSYes, 1200}, {&optSSNo, 1200}}, 360);
  optSSYes.setCaption("&Yes");
  optSSNo.setCaption("&No");
  Buttons(2280, 600, {&cmdOK});
  cmdOK.setCaption("OK");
  cmdOK.onClick = [this] { Hide(); };
}

void frmSingleshipment::Form_Load() {
  Centre();
  // No single-shipment charge unless the user says so.
  optSSNo.setValue(1);
}

void frmSingleshipment::Form_KeyPress(int& keyAscii) {
  if (keyAscii == 'Y' || keyAscii == 'y') {
    optSSYes.setValue(1);
  } else if (keyAscii == 'N' || keyAscii == 'n') {
    optSSNo.setValue(1);
  } else {
    return;
  }
  keyAscii = 0;
  Hide();
}

}  // namespace tarvex::app
