#include "pricing/state_discounts.h"

#include <cmath>
#include <set>

#include "base/files.h"
#include "base/text.h"
#include "pricing/discount_sets.h"
#include "pricing/ini_file.h"

namespace tarvex::pricing {
namespace {}  // namespace

base::ReadResult<std::vector<StateDiscount>> ReadStateNames(const std::filesystem::path& file) {
  using Result = base::ReadResult<std::vector<StateDiscount>>;
  if (base::FileLength(file) < 0)
    return Result::Fault("The state list " + file.string() + " is missing.");
  const std::string text = base::FileToString(file);
  std::vector<StateDiscount> states;
  std::set<std::string> codes;
  std::size_t pos = 0;
  for (int number = 1; pos < text.size() && states.size() < kMaxStates; ++number) {
    const std::size_t lf = text.find('\n', pos);
    std::string_view line =
        std::string_view(text).substr(pos, lf == std::string::npos ? std::string::npos : lf - pos);
    pos = lf == std::string::npos ? text.size() : lf + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (base::Trim(line).empty()) continue;
    const auto fault = [&](const std::string& what) {
      return Result::Fault("The state list " + file.string() + " is damaged: line " +
                           std::to_string(number) + " " + what + ".");
    };
    if (line.find(',') != std::string_view::npos) return fault("holds a comma");
    const std::string_view code =
        line.size() > kStateNameWidth ? line.substr(kStateNameWidth) : std::string_view();
    if (base::Trim(code).size() != 2 || !base::IsLetter(code[0]) || !base::IsLetter(code[1]))
      return fault("has no two-letter state code in characters 22 and 23");
    StateDiscount state;
    state.StateName = base::Cp1252ToUtf8(line.substr(0, kStateNameWidth));
    state.StateCode = std::string(code.substr(0, 2));
    if (!codes.insert(base::ToUpper(state.StateCode)).second)
      return fault("gives the code " + state.StateCode + " a second time");
    states.push_back(std::move(state));
  }
  return Result::Ok(std::move(states));
}

double SetValue(std::string_view text, char decimalSeparator) {
  const std::string trimmed = base::Trim(text);
  double value = 0;
  if (decimalSeparator != '.' && !IsSetNumber(trimmed, '.') &&
      IsSetNumber(trimmed, decimalSeparator))
    value = base::ValLocal(trimmed, decimalSeparator);
  else
    value = base::Val(trimmed);
  return std::isfinite(value) ? value : 0.0;
}

void ReadStateSections(const std::filesystem::path& file, std::vector<StateDiscount>& states,
                       char decimalSeparator) {
  const std::string text = base::FileToString(file);
  for (StateDiscount& state : states)
    for (std::size_t k = 0; k < kStateSectionKeys.size(); ++k)
      state.values[k] = SetValue(ReadIniTextValue(text, state.StateCode, kStateSectionKeys[k], ""),
                                 decimalSeparator);
}

bool WriteStateSections(std::string& text, const std::vector<StateDiscount>& states,
                        std::string* error) {
  for (const StateDiscount& state : states)
    if (!SetIniSection(text, state.StateCode, StateSectionText(state.values), error)) return false;
  return true;
}

}  // namespace tarvex::pricing
