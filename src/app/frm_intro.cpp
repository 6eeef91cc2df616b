#include "app/frm_intro.h"

#include "app/frm_corvane1.h"
#include "app/program.h"
#include "base/text.h"

namespace tarvex::app {

frmIntro::frmIntro(Program& program, frmCorvane1& main, char localeDecimalSeparator)
    : Form(program.runtime, "frmIntro"),
      program_(program),
      main_(main),
      localeDecimalSeparator_(localeDecimalSeparator) {
  setKeyPreview(true);
  Timer1.setInterval(3000);
  Timer1.setEnabled(false);
  Timer1.onTimer = [this] { CloseAndShowMain(); };
}

void frmIntro::End() {
  ending_ = true;
  runtime().desktop().SetWaitCursor(false);
  runtime().desktop().Quit();
  Unload();
}

void frmIntro::Form_Load() {
  forms::Desktop& desktop = runtime().desktop();
  desktop.SetWaitCursor(true);
  if (program_.singleInstance)
    program_.instanceLock = std::make_unique<InstanceLock>(program_.dir.path());
  if (program_.instanceLock && program_.instanceLock->heldByAnother()) {
    desktop.SetWaitCursor(false);
    runtime().MsgBox(kSecondInstanceMessage);
    End();
    return;
  }
  switch (StartupInitialization(program_, localeDecimalSeparator_)) {
    case Startup::Ready:
      break;
    case Startup::FilesLocked:
      desktop.SetWaitCursor(false);
      runtime().MsgBox(kFilesLockedMessage);
      End();
      return;
    case Startup::Refused:
      End();
      return;
  }
  setHeight(kIntroHeight);
  setWidth(kIntroWidth);
  Centre();
  setIcon(program_.IconPath());
  setPicture(program_.dir.exists("intro.jpg") ? program_.dir.resolve("intro.jpg").string()
                                              : program_.dir.resolve("intro.bmp").string());
  setCaption(base::Trim(program_.settings.CarrierName));
  desktop.SetWaitCursor(false);
}

void frmIntro::Form_Activate() {
  if (activated_) return;
  activated_ = true;
  // The main window loads while still hidden, behind the splash.
  runtime().Load(main_);
  Timer1.setEnabled(true);
}

void frmIntro::Form_Unload(bool& /*cancel*/) {
  if (handedOver_ || ending_) return;
  handedOver_ = true;
  Timer1.setEnabled(false);
  main_.Show();
}

void frmIntro::CloseAndShowMain() {
  if (handedOver_ || !loaded()) return;
  handedOver_ = true;
  Timer1.setEnabled(false);
  Unload();
  main_.Show();
}

}  // namespace tarvex::app
