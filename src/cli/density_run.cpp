#include "cli/density_run.h"

#include <algorithm>

#include "base/program_dir.h"
#include "cli/cli_desktop.h"
#include "forms/driver.h"
#include "forms/runtime.h"
#include "tools/frm_density_class_calculator.h"

namespace tarvex::cli {

DensityOutput RunDensity(const std::string& programDir, const DensityInput& input,
                         char decimalSeparator) {
  CliDesktop desktop;
  forms::Runtime runtime(desktop);
  forms::Driver driver(runtime);
  const base::ProgramDir dir(programDir);
  tools::frmDensityClassCalculator window(runtime, dir, decimalSeparator, "");
  window.Show();
  if (input.metric) driver.Click(window.chkMeters);
  DensityOutput out;
  const std::pair<forms::TextBox*, const std::string*> entries[] = {
      {&window.txtLength, &input.length},
      {&window.txtWidth, &input.width},
      {&window.txtHeight, &input.height},
      {&window.txtWeight, &input.weight}};
  const char* names[] = {"length", "width", "height", "weight"};
  for (std::size_t i = 0; i < std::size(entries) && out.ok(); ++i) {
    const auto& [box, value] = entries[i];
    driver.Focus(*box);
    // Key by key, as typed: a key the box drops would leave it another number without a word
    // on the screen, and here that is said instead.
    std::string typed;
    for (const char c : *value) {
      driver.Press(*box, static_cast<unsigned char>(c));
      std::vector<std::string> said = desktop.TakeMessages();
      if (!said.empty()) {
        out.messages.insert(out.messages.end(), said.begin(), said.end());
        break;
      }
      typed += c == '.' ? decimalSeparator : c;
      if (box->text() != typed) {
        out.messages.push_back(
            "The calculator does not take " + *value + " as the " + names[i] +
            ": the box takes at most " + std::to_string(box->maxLength()) + " characters and " +
            (box != &window.txtWeight && input.metric ? "two decimals." : "no decimals."));
        break;
      }
    }
  }
  if (out.ok()) {
    const auto& figures = window.figures();
    out.fields.emplace_back("volume", figures ? figures->volume : "");
    if (!input.metric) out.fields.emplace_back("cubic_feet", figures ? figures->cubicFeet : "");
    out.fields.emplace_back("density", window.txtDensity.text());
    out.fields.emplace_back("class", window.lblClass.caption());
    std::vector<std::string> said = desktop.TakeMessages();
    out.messages.insert(out.messages.end(), said.begin(), said.end());
  }
  window.Unload();
  return out;
}

}  // namespace tarvex::cli
