#include "speedsheet/rate_block.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/number_format.h"
#include "base/text.h"

namespace tarvex::speedsheet {

namespace {

using engine::EngineRecord;

// The shortest text of a number, with the program's decimal separator.
std::string NumberText(double value, char decimalSeparator) {
  std::string text = base::NumberToText(value);
  std::replace(text.begin(), text.end(), '.', decimalSeparator);
  return text;
}

// A break in hundreds ("5C") below 1,000 lb, else in thousands ("1.5M").
std::string BreakText(std::int32_t pounds, bool hundreds, char decimalSeparator) {
  return hundreds ? NumberText(pounds / 100.0, decimalSeparator) + "C"
                  : NumberText(pounds / 1000.0, decimalSeparator) + "M";
}

double DiscountPercent(const EngineRecord& r, int index) {
  return base::Val(r.discount(1).trimmed(engine::D2, index)) / 100.0;
}

// Digit e of T1, counted from 1, as a number; what is no digit counts as 0.
int EntryDigit(const std::string& digits, int e) {
  const char c = digits[static_cast<std::size_t>(e - 1)];
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

}  // namespace

int BlockRows(const EngineRecord& r) {
  return std::clamp<int>(r.value(engine::X5), 0, kBlockRows);
}

int BlockColumns(const EngineRecord& r) {
  return std::clamp<int>(r.value(engine::X6), 0, kBlockColumns);
}

std::string ClassHeading(const EngineRecord& r, int row) {
  return r.trimmed(engine::X3, row - 1);
}

std::string WeightHeading(const EngineRecord& r, int column, char decimalSeparator) {
  if (column == 1)
    return "L" + BreakText(r.value(engine::X4, 1), r.value(engine::X4, 0) < 1000, decimalSeparator);
  const std::int32_t pounds = r.value(engine::X4, column - 1);
  return BreakText(pounds, pounds < 1000, decimalSeparator);
}

std::string BlockCell(const EngineRecord& r, int row, int column, BlockView view,
                      char decimalSeparator) {
  const int k = (row - 1) * r.value(engine::X6) + column + 3;
  // Rows beyond what X2 holds have no rates.
  if (k < 4 || k >= engine::X2.count) return "";
  const double rate = r.value(engine::X2, k);
  if (view == BlockView::Rates) return base::FormatMask(rate / 100.0, "0.00", decimalSeparator);
  double weight = 0;
  if (column == 1) {
    if (rate == 0) return "";
    weight = r.value(engine::X2, 0) / (rate / 100.0);
  } else {
    const double previous = r.value(engine::X2, k - 1);
    if (previous == 0) return "";
    weight = r.value(engine::X4, column - 1) * rate / previous;
  }
  return base::FormatMask(weight + 0.5, "0", decimalSeparator);
}

std::string ColumnDiscount(const EngineRecord& r, int column, char decimalSeparator) {
  return NumberText(DiscountPercent(r, column), decimalSeparator) + "%";
}

std::string MinimumChargeDiscount(const EngineRecord& r, char decimalSeparator) {
  return NumberText(DiscountPercent(r, 0), decimalSeparator);
}

std::vector<std::string> MinimumChargeLines(const EngineRecord& r, bool discounted, double floor,
                                            char decimalSeparator) {
  const int entries = std::clamp<int>(r.value(engine::T6), 0, engine::T3.count);
  const std::string digits = r.text(engine::T1);
  bool allSame = true;
  for (int e = 2; e <= entries; ++e)
    if (EntryDigit(digits, e) != EntryDigit(digits, 1)) allSame = false;

  std::vector<std::string> lines;
  if (discounted) lines.push_back("MC Discount = " + ColumnDiscount(r, 0, decimalSeparator));
  lines.emplace_back();
  // Amounts compare in cents, as the engine gives them.
  const auto floorCents = static_cast<std::int64_t>(std::llround(floor * 100.0));
  bool floorUsed = false;
  for (int e = 1; e <= entries; ++e) {
    const std::int32_t cents = r.value(engine::T4, e - 1);
    if (cents == 0) continue;
    const std::string prefix = !allSame && EntryDigit(digits, e) == 0 ? "SS  >" : "    >";
    const std::int32_t limit = r.value(engine::T3, e - 1);
    const std::int64_t weight = limit == 0 ? 0 : static_cast<std::int64_t>(limit) - 1;
    const std::string weightText = (std::to_string(weight) + "     ").substr(0, 5);
    std::string amount;
    if (cents > floorCents) {
      amount = base::FormatMask(cents / 100.0, "0.00", decimalSeparator);
    } else {
      amount = base::FormatMask(floor, "0.00", decimalSeparator) + "*";
      floorUsed = true;
    }
    lines.push_back(prefix + weightText + " " + amount);
  }
  if (floorUsed) {
    lines.emplace_back();
    lines.emplace_back("* = MC Floor");
  }
  return lines;
}

}  // namespace tarvex::speedsheet
