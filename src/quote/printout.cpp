#include "quote/printout.h"

#include <set>

#include "base/text.h"

namespace tarvex::quote {

namespace {

std::string Left(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string Right(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// One printed line under construction.
class Line {
 public:
  Line& Add(const std::string& text, bool bold = false) {
    if (bold && !text.empty())
      line_.bold.emplace_back(static_cast<int>(line_.text.size()), static_cast<int>(text.size()));
    line_.text += text;
    return *this;
  }
  std::size_t size() const { return line_.text.size(); }
  forms::PrintLine Take() { return std::move(line_); }

 private:
  forms::PrintLine line_;
};

// Reads the window's controls by name; a control the window lacks is remembered.
class Reader {
 public:
  explicit Reader(const forms::Form& form) : form_(form) {}
  const forms::Control* Get(const std::string& name, int index = -1) {
    const forms::Control* c = form_.Find(name, index);
    if (c == nullptr) missing_.insert(index < 0 ? name : name + "(" + std::to_string(index) + ")");
    return c;
  }
  bool Shown(const std::string& name, int index = -1) {
    const forms::Control* c = Get(name, index);
    return c != nullptr && c->shown();
  }
  // What the control shows: its text when shown, nothing when hidden.
  std::string Text(const std::string& name, int index = -1) {
    const forms::Control* c = Get(name, index);
    return c != nullptr && c->shown() ? c->text() : std::string();
  }
  std::string Missing() const {
    std::string list;
    for (const std::string& m : missing_) list += (list.empty() ? "" : ", ") + m;
    return list;
  }

 private:
  const forms::Form& form_;
  std::set<std::string> missing_;
};

}  // namespace

std::vector<std::string> WrapDisclaimer(const std::string& text) {
  std::vector<std::string> lines;
  std::string rest = text;
  while (!rest.empty()) {
    const std::size_t breakAt = rest.substr(0, kDisclaimerWidth + 1).find("\r\n");
    if (breakAt != std::string::npos) {
      lines.push_back(rest.substr(0, breakAt));
      rest = rest.substr(breakAt + 2);
      continue;
    }
    if (rest.size() <= kDisclaimerWidth) {
      lines.push_back(rest);
      break;
    }
    std::size_t cut = rest.rfind(' ', kDisclaimerWidth - 1);
    if (cut == std::string::npos || cut == 0 || cut > kDisclaimerWidth) cut = kDisclaimerWidth;
    lines.push_back(rest.substr(0, cut));
    rest = base::Trim(rest.substr(cut));
  }
  return lines;
}

Printout BuildQuotePage(const forms::Form& main) {
  Reader r(main);
  forms::PrintPage page;
  auto emit = [&page](Line& line) { page.lines.push_back(line.Take()); };
  auto empty = [&page] { page.lines.push_back({}); };

  Line title;
  title.Add(main.caption(), true);
  emit(title);
  empty();
  Line zip;
  zip.Add(std::string(12, ' ') + "ZIP/", true);
  emit(zip);
  Line postal;
  postal.Add(std::string(12, ' ') + "Postal", true);
  emit(postal);
  Line heading;
  heading.Add("            Code    State ", true)
      .Add(r.Shown("lblTerminalLabel") ? r.Get("lblTerminalLabel")->caption() : std::string(5, ' '), true)
      .Add(" ", true)
      .Add(r.Shown("lblServiceLabel") ? r.Get("lblServiceLabel")->caption() : std::string(7, ' '), true)
      .Add("       Class   ", true)
      .Add(r.Shown("lblFAKLabel") ? r.Get("lblFAKLabel")->caption() : std::string(3, ' '), true)
      .Add("  Weight     Rate     Charge", true);
  emit(heading);

  auto lineFields = [&](int i) {
    return Right(r.Text("cboClass", i), 4) + Right(r.Text("lblFAK", i), 7) +
           Right(r.Text("txtWeight", i), 8) + Right(r.Text("lblRate", i), 10) +
           Right(r.Text("lblCharge", i), 11);
  };
  auto pointRow = [&](const char* label, const char* code, const char* state,
                      const char* terminal, const char* service, int line) {
    Line row;
    row.Add(label, true);
    const std::string fields = Left(r.Text(code), 8) + Right(r.Text(state), 6) +
                               Left(r.Text(terminal), 6) + Left(r.Text(service), 10);
    row.Add(Left(fields, 34)).Add(lineFields(line));
    emit(row);
  };
  pointRow("Origin      ", "txtOrigin", "lblOriginState", "lblOriginTerminal", "lblServiceDays", 0);
  pointRow("Destination ", "txtDestination", "lblDestinationState", "lblDestinationTerminal",
           "lblServiceType", 1);
  for (int i = 2; i <= 7; ++i) {
    Line row;
    row.Add(Left(i == 3 ? r.Text("lblIntrastateTariff") : "", 46)).Add(lineFields(i));
    emit(row);
  }

  empty();
  if (r.Shown("lblDeficitLabel")) {
    Line row;
    row.Add(std::string(44, ' ')).Add(r.Get("lblDeficitLabel")->caption(), true);
    row.Add(Right(r.Text("lblDeficitWeight"), 7) + Right(r.Text("lblDeficitRate"), 10) +
            Right(r.Text("lblDeficitCharge"), 11));
    emit(row);
  } else {
    empty();
  }
  if (r.Shown("lblTotalWeightLabel")) {
    Line row;
    row.Add(std::string(44, ' ')).Add(r.Get("lblTotalWeightLabel")->caption(), true);
    const std::string weight = r.Text("lblTotalWeight");
    row.Add(Right(weight, row.size() + weight.size() >= 65 ? weight.size() : 65 - row.size()));
    emit(row);
  } else {
    empty();
  }

  struct Pair {
    const char* label;
    const char* value;
    bool closesUp;
  };
  const Pair totals[] = {
      {"lblUndiscountedChargeMXLabel", "lblUndiscountedChargeMX", false},
      {"lblDiscountMXLabel", "lblDiscountMX", false},
      {"lblNetMXLabel", "lblNetMX", false},
      {"lblUndiscountedChargeLabel", "lblUndiscountedCharge", false},
      {"lblDiscountLabel", "lblDiscount", false},
      {"lblNetLabel", "lblNet", false},
      {"lblFuelSurchargeLabel", "lblFuelSurcharge", false},
      {"lblAccessorialChargeLabel", "lblAccessorialCharge", false},
      {"lblCrossBorderChargeLabel", "lblCrossBorderCharge", true},
      {"lblHCSAFeeLabel", "lblHCSAFee", true},
      {"lblCaliforniaSurchargeLabel", "lblCaliforniaSurcharge", true},
      {"lblTotalChargeLabel", "lblTotalCharge", false},
      {"lblCanCurrencyExchangeLabel", "lblCanCurrencyExchange", false},
      {"lblTotalCanChargeLabel", "lblTotalCanCharge", false},
  };
  for (const Pair& p : totals) {
    if (r.Shown(p.label)) {
      Line row;
      row.Add(std::string(44, ' ')).Add(Right(r.Get(p.label)->caption(), 30), true);
      row.Add("  " + Right(r.Text(p.value), 10));
      emit(row);
    } else if (!p.closesUp) {
      empty();
    }
  }

  empty();
  for (const char* message : {"lblSufferanceFeeMessage", "lblUSDMessage"}) {
    if (r.Shown(message)) {
      Line row;
      row.Add(r.Get(message)->caption());
      emit(row);
      empty();
    }
    if (std::string(message) == "lblSufferanceFeeMessage") empty();
  }
  empty();

  const forms::Control* inbound = r.Get("optApplyInboundPricing");
  Line pricing;
  const std::string direction = inbound != nullptr && inbound->value() != 0
                                    ? "Inbound Pricing Applies"
                                    : "Outbound Pricing Applies";
  const std::string rbn = r.Text("lblRBN");
  pricing.Add(direction + Right(rbn, direction.size() + rbn.size() >= 84 ? rbn.size()
                                                                           : 84 - direction.size()));
  emit(pricing);
  empty();
  if (r.Shown("lblDisclaimer"))
    for (const std::string& text : WrapDisclaimer(r.Get("lblDisclaimer")->caption())) {
      Line row;
      row.Add(text);
      emit(row);
    }

  Printout out;
  out.error = r.Missing();
  if (!out.error.empty()) {
    out.error = "The quote window lacks " + out.error + ".";
    return out;
  }
  out.document = forms::PrintDocument{main.caption(), {std::move(page)}};
  return out;
}

}  // namespace tarvex::quote
