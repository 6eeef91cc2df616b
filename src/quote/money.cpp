#include "quote/money.h"

#include "base/number_format.h"
#include "base/text.h"

namespace tarvex::quote {

double Cents(double value) {
  return base::Val(base::FormatMask(value, "0.00"));
}

std::string Money(double value, char decimalSeparator) {
  return base::FormatMask(value, "0.00 ", decimalSeparator);
}

}  // namespace tarvex::quote
