#include "cli/quote_run.h"

#include <algorithm>

#include "app/frm_singleshipment.h"
#include "base/text.h"
#include "pricing/frm_accessorial_charges.h"

namespace tarvex::cli {

std::string QuoteOutput::Field(const std::string& name) const {
  for (const auto& [field, text] : fields)
    if (field == name) return text;
  return "";
}

std::optional<std::pair<std::string, std::string>> ParseLine(const std::string& text) {
  const auto colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || colon + 1 == text.size()) return std::nullopt;
  return std::make_pair(base::Trim(text.substr(0, colon)), base::Trim(text.substr(colon + 1)));
}

std::pair<std::string, std::string> ParseAccessorial(const std::string& text) {
  const auto eq = text.find('=');
  if (eq == std::string::npos) return {base::Trim(text), ""};
  return {base::Trim(text.substr(0, eq)), base::Trim(text.substr(eq + 1))};
}

QuoteSession::QuoteSession(const std::string& programDir, char decimalSeparator)
    : dir_(programDir),
      engine_(dir_),
      program_(dir_, runtime_, engine_),
      main_(program_),
      intro_(program_, main_, decimalSeparator) {
  if (!engine_.loaded()) program_.engineUnavailable = engine_.error();
  // Quoting beside an open window is allowed: one window per program directory is the
  // window program's rule, and the engine's lock lets readers share the files.
  program_.singleInstance = false;
  intro_.Show();
  if (desktop_.quit()) {
    startup_ = desktop_.TakeMessages();
    if (startup_.empty()) startup_.emplace_back("The program could not start.");
    return;
  }
  driver_.FireTimer(intro_.Timer1);
  startupNotices_ = desktop_.TakeMessages();
}

QuoteSession::~QuoteSession() {
  program_.EndEngine();
}

QuoteOutput QuoteSession::Quote(const QuoteInput& input) {
  QuoteOutput out;
  if (!startup_.empty()) {
    out.messages = startup_;
    return out;
  }
  desktop_.setAnswer(input.intrastate);
  desktop_.modalActions["frmSingleshipment"] = [this, &input](forms::Form& form) {
    runtime_.KeyOnForm(form, input.singleShipment.value_or(false) ? 'Y' : 'N');
  };
  desktop_.TakeMessages();
  driver_.Click(main_.cmdNewShipment);
  // A message ends the quote when the window has sent the user back to one of `fields` to
  // fix something; otherwise it was a notice and the quote goes on, as on the screen.
  auto stoppedAt = [&](std::initializer_list<const forms::Control*> fields) {
    std::vector<std::string> said = desktop_.TakeMessages();
    const forms::Control* focus = runtime_.ActiveControl();
    const bool sentBack = std::find(fields.begin(), fields.end(), focus) != fields.end();
    auto& into = sentBack || !out.messages.empty() ? out.messages : out.notices;
    for (std::string& m : said) into.push_back(std::move(m));
    return !out.messages.empty();
  };
  // In the accessorial window every message is a refusal of what the command line asked.
  auto stopped = [&] {
    for (std::string& m : desktop_.TakeMessages()) out.messages.push_back(std::move(m));
    return !out.messages.empty();
  };
  const std::initializer_list<const forms::Control*> codeFields = {&main_.txtOrigin,
                                                                   &main_.txtDestination};
  driver_.Type(main_.txtOrigin, input.origin);
  driver_.Tab();
  if (stoppedAt(codeFields)) return out;
  driver_.Type(main_.txtDestination, input.destination);
  driver_.Tab();
  if (stoppedAt(codeFields)) return out;
  if (input.inbound) {
    driver_.Click(main_.optApplyInboundPricing);
    if (stoppedAt(codeFields)) return out;
  }
  // The window keeps its ticks between quotes; each quote ticks only what it asks for.
  if (!input.accessorials.empty() || accessorialsTicked_) {
    std::vector<std::string> unknown;
    desktop_.modalActions["frmAccessorialCharges"] = [&](forms::Form& form) {
      auto& window = static_cast<pricing::frmAccessorialCharges&>(form);
      driver_.Click(window.cmdClear);
      for (const auto& [name, value] : input.accessorials) {
        int row = 0;
        for (int k = 1; k <= pricing::kAccessorialRows && row == 0; ++k)
          if (window.chkAccessorialCharge[k].visible() &&
              base::EqualsNoCase(window.chkAccessorialCharge[k].caption(), name))
            row = k;
        if (row == 0) {
          unknown.push_back("No accessorial charge is named \"" + name + "\".");
          continue;
        }
        driver_.Click(window.chkAccessorialCharge[row]);
        if (window.txtUserInput[row].visible()) driver_.Replace(window.txtUserInput[row], value);
      }
      driver_.Click(window.cmdOK);
      if (window.visible()) driver_.Click(window.cmdClose);
    };
    driver_.Click(main_.mnuEditAccessorialCharges);
    accessorialsTicked_ = !input.accessorials.empty();
    out.messages.insert(out.messages.end(), unknown.begin(), unknown.end());
    if (stopped()) return out;
  }
  if (input.lines.size() > 8) {
    out.messages.emplace_back("A quote holds at most eight lines.");
    return out;
  }
  for (std::size_t i = 0; i < input.lines.size(); ++i) {
    const int line = static_cast<int>(i);
    const std::initializer_list<const forms::Control*> lineFields = {
        &main_.txtOrigin, &main_.txtDestination, &main_.cboClass[line], &main_.txtWeight[line]};
    driver_.Replace(main_.cboClass[line], input.lines[i].first);
    driver_.Focus(main_.txtWeight[line]);
    if (stoppedAt(lineFields)) return out;
    driver_.Replace(main_.txtWeight[line], input.lines[i].second);
    driver_.Tab();
    if (stoppedAt(lineFields)) return out;
  }
  if (!input.units.empty() && main_.txtPPU.canFocus()) {
    driver_.Replace(main_.txtPPU, input.units);
    if (stoppedAt({&main_.txtPPU})) return out;
  }
  for (const forms::Control* c : main_.controls()) {
    // A class box of an empty line only holds the default class.
    const bool emptyLine = c->kind() == forms::ControlKind::ComboBox &&
                           base::Trim(main_.txtWeight[c->index()].text()).empty();
    const bool shownText =
        (c->kind() == forms::ControlKind::Label || c->kind() == forms::ControlKind::TextBox ||
         c->kind() == forms::ControlKind::ComboBox) &&
        c->shown() && !emptyLine && !base::Trim(c->text()).empty();
    if (shownText) out.fields.emplace_back(c->displayName(), base::Trim(c->text()));
  }
  return out;
}

}  // namespace tarvex::cli
