#include "pricing/input_fields.h"

#include "base/text.h"

namespace tarvex::pricing {

void SelectAllText(forms::Control& box) {
  box.setSelection(0, static_cast<int>(box.text().size()));
}

int EnterAsTab(forms::Runtime& runtime, int keyAscii) {
  if (keyAscii != forms::keys::Enter) return keyAscii;
  runtime.PostTab();
  return 0;
}

void SetNumericKey(forms::Runtime& runtime, const forms::Control& box, int& keyAscii, int maxLength,
                   int decimals, char decimalSeparator) {
  // In a comma locale the point key, as on a numeric keypad, types the user's separator.
  const int point = static_cast<unsigned char>(decimalSeparator);
  if (keyAscii == '.') keyAscii = point;
  const int d = decimals;
  const int h = d != 0 ? 1 : 0;
  if (maxLength - 2 <= d) {
    runtime.MsgBox(kNumericKeyParameterMessage);
    keyAscii = 0;
    return;
  }
  if (keyAscii == forms::keys::Backspace || keyAscii == forms::keys::Tab ||
      keyAscii == forms::keys::Enter)
    return;
  const std::string& text = box.text();
  const int length = static_cast<int>(text.size());
  const bool wholeSelected = box.selLength() > 0 && box.selLength() >= length;
  if (static_cast<int>(base::Trim(text).size()) >= maxLength && box.selLength() <= 0) {
    keyAscii = 0;
    return;
  }
  if (keyAscii == point && text.find(decimalSeparator) != std::string::npos && !wholeSelected) {
    keyAscii = 0;
    return;
  }
  if (keyAscii != point && (keyAscii < '0' || keyAscii > '9')) {
    keyAscii = 0;
    return;
  }
  const char typed = static_cast<char>(keyAscii);
  std::string s;
  if (wholeSelected)
    s = std::string(1, typed);
  else if (box.selLength() > 0)
    s = text.substr(0, static_cast<std::size_t>(box.selStart())) + typed +
        text.substr(static_cast<std::size_t>(box.selStart() + box.selLength()));
  else
    s = text + typed;
  const auto at = s.find(decimalSeparator);
  if (at != std::string::npos) {
    const auto integerPart = static_cast<int>(at);
    const auto decimalPart = static_cast<int>(s.size() - at - 1);
    if (integerPart > maxLength - d - h || decimalPart > d) {
      keyAscii = 0;
      return;
    }
  } else if (static_cast<int>(s.size()) > maxLength - d) {
    keyAscii = 0;
    return;
  }
  if (keyAscii == point && d == 0) keyAscii = 0;
}

bool IsValidClass(double& value, const ClassTable& classes) {
  if (value == 92.5) value = 92;
  if (value == 77.5) value = 77;
  for (const std::int16_t entry : classes)
    if (value == entry) return true;
  return false;
}

}  // namespace tarvex::pricing
