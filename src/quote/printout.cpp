#include "quote/printout.h"

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

forms::PrintDocument BuildQuotePage(const QuoteSheet& sheet) {
  forms::PrintPage page;
  auto emit = [&page](Line& line) { page.lines.push_back(line.Take()); };
  auto empty = [&page] { page.lines.push_back({}); };
  auto heading = [](const std::optional<std::string>& caption, std::size_t blanks) {
    return caption ? *caption : std::string(blanks, ' ');
  };

  Line title;
  title.Add(sheet.title, true);
  emit(title);
  empty();
  Line zip;
  zip.Add(std::string(12, ' ') + "ZIP/", true);
  emit(zip);
  Line postal;
  postal.Add(std::string(12, ' ') + "Postal", true);
  emit(postal);
  Line columns;
  columns.Add("            Code    State ", true)
      .Add(heading(sheet.terminalHeading, 5), true)
      .Add(" ", true)
      .Add(heading(sheet.serviceHeading, 7), true)
      .Add("       Class   ", true)
      .Add(heading(sheet.fakHeading, 3), true)
      .Add("  Weight     Rate     Charge", true);
  emit(columns);

  auto lineFields = [&](std::size_t i) {
    const LineRow& l = sheet.lines.at(i);
    return Right(l.lineClass, 4) + Right(l.fakClass, 7) + Right(l.weight, 8) + Right(l.rate, 10) +
           Right(l.charge, 11);
  };
  auto pointRow = [&](const char* label, const PointRow& point, std::size_t line) {
    Line row;
    row.Add(label, true);
    const std::string fields = Left(point.code, 8) + Right(point.state, 6) +
                               Left(point.terminal, 6) + Left(point.service, 10);
    row.Add(Left(fields, 34)).Add(lineFields(line));
    emit(row);
  };
  pointRow("Origin      ", sheet.origin, 0);
  pointRow("Destination ", sheet.destination, 1);
  for (std::size_t i = 2; i < sheet.lines.size(); ++i) {
    Line row;
    row.Add(Left(i == 3 ? sheet.intrastateTariff : "", 46)).Add(lineFields(i));
    emit(row);
  }

  empty();
  if (sheet.deficit) {
    Line row;
    row.Add(std::string(44, ' ')).Add(sheet.deficit->caption, true);
    row.Add(Right(sheet.deficit->weight, 7) + Right(sheet.deficit->rate, 10) +
            Right(sheet.deficit->charge, 11));
    emit(row);
  } else {
    empty();
  }
  if (sheet.totalWeight) {
    Line row;
    row.Add(std::string(44, ' ')).Add(sheet.totalWeight->caption, true);
    const std::string& weight = sheet.totalWeight->weight;
    row.Add(Right(weight, row.size() + weight.size() >= 65 ? weight.size() : 65 - row.size()));
    emit(row);
  } else {
    empty();
  }

  // A hidden row leaves an empty line, except the rows that close up.
  const TotalsPanel& p = sheet.totals;
  const std::pair<const std::optional<PanelRow>*, bool> totals[] = {
      {&p.undiscountedChargeMX, false},
      {&p.discountMX, false},
      {&p.netMX, false},
      {&p.undiscountedCharge, false},
      {&p.discount, false},
      {&p.net, false},
      {&p.fuelSurcharge, false},
      {&p.accessorialCharge, false},
      {&p.crossBorderCharge, true},
      {&p.highCostFee, true},
      {&p.californiaSurcharge, true},
      {&p.totalCharge, false},
      {&p.canadianExchange, false},
      {&p.totalCanadianCharge, false},
  };
  for (const auto& [panelRow, closesUp] : totals) {
    if (*panelRow) {
      Line row;
      row.Add(std::string(44, ' ')).Add(Right((*panelRow)->caption, 30), true);
      row.Add("  " + Right((*panelRow)->amount, 10));
      emit(row);
    } else if (!closesUp) {
      empty();
    }
  }

  empty();
  if (sheet.sufferanceNotice) {
    Line row;
    row.Add(*sheet.sufferanceNotice);
    emit(row);
    empty();
  }
  empty();
  if (sheet.currencyNotice) {
    Line row;
    row.Add(*sheet.currencyNotice);
    emit(row);
    empty();
  }
  empty();

  Line pricing;
  const std::string direction =
      sheet.inboundPricing ? "Inbound Pricing Applies" : "Outbound Pricing Applies";
  const std::string& rbn = sheet.rbn;
  pricing.Add(direction +
              Right(rbn, direction.size() + rbn.size() >= 84 ? rbn.size() : 84 - direction.size()));
  emit(pricing);
  empty();
  if (sheet.disclaimer)
    for (const std::string& text : WrapDisclaimer(*sheet.disclaimer)) {
      Line row;
      row.Add(text);
      emit(row);
    }
  return forms::PrintDocument{sheet.title, {std::move(page)}};
}

}  // namespace tarvex::quote
