#include "ui/windows.h"

#include <QFrame>
#include <QLabel>

#include "forms/form.h"

namespace tarvex::ui {

namespace {

void AlignRight(Binder& binder, const forms::Form& form, const char* name, int count = -1) {
  for (int i = count < 0 ? -1 : 0; i < (count < 0 ? 0 : count); ++i)
    if (const forms::Control* c = form.Find(name, i))
      if (auto* label = qobject_cast<QLabel*>(binder.WidgetOf(*c)))
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void BuildMainWindow(FormWindow& window, Binder& binder) {
  const forms::Form& form = window.form();
  for (const char* name : {"lblRate", "lblCharge"}) AlignRight(binder, form, name, 8);
  for (const char* name :
       {"lblDeficitWeight", "lblDeficitRate", "lblDeficitCharge", "lblTotalWeight",
        "lblUndiscountedChargeMX", "lblDiscountMX", "lblNetMX", "lblUndiscountedCharge",
        "lblDiscount", "lblNet", "lblFuelSurcharge", "lblAccessorialCharge",
        "lblCrossBorderCharge", "lblHCSAFee", "lblCaliforniaSurcharge", "lblTotalCharge",
        "lblCanCurrencyExchange", "lblTotalCanCharge", "lblPPU"})
    AlignRight(binder, form, name);
  if (const forms::Control* status = form.Find("lblStatusBar"))
    if (auto* label = qobject_cast<QLabel*>(binder.WidgetOf(*status)))
      label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  if (const forms::Control* image = form.Find("imgPicture"))
    if (auto* label = qobject_cast<QLabel*>(binder.WidgetOf(*image)))
      label->setAlignment(Qt::AlignCenter);
}

// The fixed captions of the terminal information window stand out from the values.
void BuildTerminalInformation(FormWindow& window, Binder& binder) {
  for (forms::Control* c : window.form().controls()) {
    const std::string& name = c->name();
    if (name.size() > 5 && name.compare(name.size() - 5, 5, "Label") == 0)
      if (auto* label = qobject_cast<QLabel*>(binder.WidgetOf(*c))) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
      }
  }
}

}  // namespace

void RegisterWindowBuilders(Binder& binder) {
  binder.RegisterBuilder("frmCorvane1", BuildMainWindow);
  binder.RegisterBuilder("frmTerminalInformation", BuildTerminalInformation);
}

}  // namespace tarvex::ui
