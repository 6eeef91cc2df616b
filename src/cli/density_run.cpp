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
  for (std::size_t i = 0; i < std::size(entries); ++i) {
    const auto& [box, value] = entries[i];
    driver.Focus(*box);
    driver.Type(*box, *value);
    std::vector<std::string> said = desktop.TakeMessages();
    if (!said.empty()) {
      out.messages.insert(out.messages.end(), said.begin(), said.end());
      break;
    }
    // A key the box refuses is dropped without a word on the screen; here it is said.
    std::string expected = *value;
    std::replace(expected.begin(), expected.end(), '.', decimalSeparator);
    if (box->text() != expected) {
      out.messages.push_back(
          "The calculator does not take " + *value + " as the " + names[i] + ": it takes at most " +
          std::to_string(box->maxLength()) + " characters" +
          (box != &window.txtWeight && input.metric ? ", two decimals." : " and no decimals."));
      break;
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
