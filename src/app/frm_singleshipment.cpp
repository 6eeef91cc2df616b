#include "app/frm_singleshipment.h"

namespace tarvex::app {

frmSingleshipment::frmSingleshipment(forms::Runtime& runtime)
    : Form(runtime, "frmSingleshipment") {
  setCaption("Single Shipment");
  setWidth(3900);
  setHeight(2100);
  setKeyPreview(true);
  lblQuestion.move(240, 120, 3360, 240);
  lblQuestion.setCaption("Is this a single shipment?");
  optSSYes.move(360, 480, 1200, 300);
  optSSYes.setCaption("&Yes");
  optSSNo.move(360, 840, 1200, 300);
  optSSNo.setCaption("&No");
  cmdOK.move(2280, 600, 1200, 420);
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
