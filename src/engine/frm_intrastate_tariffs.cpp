#include "engine/frm_intrastate_tariffs.h"

#include "forms/runtime.h"

namespace tarvex::engine {

namespace {
constexpr int kFirstTop = 120;
constexpr int kPitch = 330;
}  // namespace

frmIntrastateTariffs::frmIntrastateTariffs(forms::Runtime& runtime, const base::ProgramDir& dir,
                                           ChosenStates& chosen)
    : Form(runtime, "frmIntrastateTariffs"), dir_(dir), chosen_(chosen) {
  setCaption("Intrastate Tariffs");
  setWidth(5400);
  setKeyPreview(true);
  for (int i = 0; i <= 20; ++i) {
    chkIntrastateTariff[i].move(240, kFirstTop + (i - 1) * kPitch, 4800, 300);
    chkIntrastateTariff[i].setVisible(false);
  }
  cmdOK.setCaption("OK");
  cmdOK.onClick = [this] { cmdOK_Click(); };
}

void frmIntrastateTariffs::Form_Load() {
  used_ = 0;
  if (const auto tariffs = ReadTariffList(dir_)) {
    for (const TariffLine& t : *tariffs) {
      if (!t.confirm || used_ == 20) continue;
      forms::CheckBox& box = chkIntrastateTariff[++used_];
      box.setCaption("Use " + t.description + "?");
      box.setTag(t.kind);
      box.setVisible(true);
    }
  }
  const int lastTop = used_ > 0 ? chkIntrastateTariff[used_].top() : kFirstTop;
  cmdOK.move(2100, lastTop + 480, 1200, 420);
  setHeight(cmdOK.top() + 885);
  Centre();
}

void frmIntrastateTariffs::Form_Activate() {
  if (used_ == 0) Hide();
}

void frmIntrastateTariffs::Form_KeyPress(int& keyAscii) {
  if (keyAscii != forms::keys::Enter) return;
  keyAscii = 0;
  runtime().PostTab();
}

void frmIntrastateTariffs::cmdOK_Click() {
  for (int i = 1; i <= 20; ++i)
    chosen_[static_cast<std::size_t>(i - 1)] =
        chkIntrastateTariff[i].value() != 0 ? chkIntrastateTariff[i].tag() : "";
  Hide();
}

}  // namespace tarvex::engine
