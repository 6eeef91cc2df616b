// Amounts as the quote window shows them: rounded to cents and written with the money mask.
#pragma once

#include <string>

namespace tarvex::quote {

// The amount an amount label holds once it shows `value`: the program adds and compares
// amounts as read back from their labels, so every sum starts from cents.
double Cents(double value);

// The money mask "0.00 " with the program's decimal separator.
std::string Money(double value, char decimalSeparator);

}  // namespace tarvex::quote
