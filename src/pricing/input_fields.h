// The entry windows' shared keyboard and focus behaviour: select-all on entry, Enter as Tab,
// the numeric key filter and the class check.
#pragma once

#include "forms/control.h"
#include "forms/runtime.h"
#include "pricing/fak.h"

namespace tarvex::pricing {

inline constexpr const char* kNumericKeyParameterMessage =
    "Invalid function parameters passed cCommon - SetNumericKey";

void SelectAllText(forms::Control& box);

template <typename T>
void SelectAllTextInArray(forms::ControlArray<T>& boxes, int index) {
  SelectAllText(boxes[index]);
}

// Enter becomes a Tab to the next control of the window; any other key is kept.
int EnterAsTab(forms::Runtime& runtime, int keyAscii);

// Refuses (sets to 0) a key that would make the box's text no number of at most
// `maxLength` characters with at most `decimals` decimals. The box's decimal point is
// `decimalSeparator`; a "." typed in a comma box becomes ",".
void SetNumericKey(forms::Runtime& runtime, const forms::Control& box, int& keyAscii, int maxLength,
                   int decimals = 0, char decimalSeparator = '.');

// 92.5 and 77.5 become 92 and 77 in the caller's value; true when it is a class of the table.
bool IsValidClass(double& value, const ClassTable& classes);

}  // namespace tarvex::pricing
