#include "quote/lines.h"

#include <algorithm>

#include "base/number_format.h"
#include "base/text.h"
#include "quote/money.h"

namespace tarvex::quote {

std::string EngineClassText(double lineClass) {
  if (lineClass == 92.5) return "92";
  if (lineClass == 77.5) return "77";
  return base::NumberToText(lineClass);
}

bool SubstitutesFak(const pricing::FakState& fak, bool mexicanLane, bool mexico571Mode) {
  return fak.FakInEffect == 'Y' && (!mexicanLane || mexico571Mode);
}

std::vector<PackedLine> PackLines(std::span<const double> lineClasses,
                                  std::span<const std::int32_t> lineWeights,
                                  const FakSubstitution& fak) {
  std::vector<PackedLine> packed;
  const std::size_t lines =
      std::min({lineClasses.size(), lineWeights.size(), std::size_t{kScreenLines}});
  for (std::size_t line = 0; line < lines; ++line) {
    if (!(lineClasses[line] > 0) || lineWeights[line] <= 0) continue;
    std::string classText = EngineClassText(lineClasses[line]);
    if (fak.on) {
      const auto substitute = pricing::FakClassOf(classText, fak.classes, fak.fak);
      classText = substitute ? pricing::ClassText(*substitute) : "500";
    }
    packed.push_back({static_cast<int>(line), std::move(classText), lineWeights[line]});
  }
  return packed;
}

void LoadLines(const std::vector<PackedLine>& packed, engine::EngineRecord& record) {
  int n = 0;
  for (const PackedLine& line : packed) {
    ++n;
    record.line(n).setText(engine::L2, line.classText);
    record.line(n).setText(engine::L3, std::to_string(line.weight));
  }
  record.setText(engine::H11, (n < 10 ? "0" : "") + std::to_string(n));
}

void LoadMexicanPortionClasses(const std::vector<PackedLine>& packed,
                               std::span<const std::string> classBoxes,
                               engine::EngineRecord& record) {
  for (int n = 1; n <= kScreenLines; ++n) {
    const auto k = static_cast<std::size_t>(n - 1);
    std::string text;
    if (k < packed.size()) {
      const auto box = static_cast<std::size_t>(packed[k].screenLine);
      if (box < classBoxes.size()) text = classBoxes[box];
    }
    if (base::Trim(text).empty()) {
      text = "500";
    } else {
      text = text.substr(0, 3);
      if (text.back() == '.' || text.back() == ',') text = text.substr(0, 2);
    }
    record.line(n).setText(engine::L2, text);
  }
}

std::string FakLabelText(double lineClass, bool mexicanLane, bool mexico571Mode,
                         const pricing::ClassTable& classes, const pricing::FakState& fak) {
  if (mexicanLane && !mexico571Mode) return "";
  std::string classText = EngineClassText(lineClass);
  const auto substitute = pricing::FakClassOf(classText, classes, fak);
  return substitute ? pricing::ClassText(*substitute) : "";
}

double EngineAmount(const engine::EngineRecord& record,
                    engine::TextField<engine::InEngineRecord> field, char decimalSeparator) {
  return base::ValLocal(record.trimmed(field), decimalSeparator);
}

std::array<std::optional<LineResult>, kScreenLines> LineResults(
    std::span<const std::string> classBoxes, std::span<const std::string> weightBoxes,
    const engine::EngineRecord& record, char decimalSeparator) {
  std::array<std::optional<LineResult>, kScreenLines> results;
  int n = 0;
  for (std::size_t line = 0; line < results.size(); ++line) {
    if (line >= classBoxes.size() || line >= weightBoxes.size()) break;
    if (!(base::Val(classBoxes[line]) > 0 && base::Val(weightBoxes[line]) > 0)) continue;
    ++n;
    results[line] =
        LineResult{Cents(base::ValLocal(record.line(n).trimmed(engine::L4), decimalSeparator)),
                   Cents(base::ValLocal(record.line(n).trimmed(engine::L5), decimalSeparator))};
  }
  return results;
}

std::optional<Deficit> DeficitOf(const engine::EngineRecord& record, bool mexicoPanel,
                                 char decimalSeparator) {
  const double weight = base::Val(record.trimmed(engine::H18));
  if (weight == 0 || mexicoPanel) return std::nullopt;
  return Deficit{base::NumberToText(weight),
                 Cents(EngineAmount(record, engine::H17, decimalSeparator)),
                 Cents(EngineAmount(record, engine::H19, decimalSeparator))};
}

}  // namespace tarvex::quote
