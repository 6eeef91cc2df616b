// The customer's discount as the rating engine applies it: the discount fields written into
// the engine record before each rating.
#pragma once

#include <string>

#include "engine/engine_record.h"

namespace tarvex::quote {

struct DiscountBoxes {
  std::string ltl;    // the LTL discount box: a percentage, 65.00 for 65 %
  std::string floor;  // the floor box: a minimum net charge in dollars
};

struct EngineDiscountSwitches {
  bool engineDiscounts = false;    // EngineDiscountMode on and not suppressed
  bool discountOnCharges = false;  // the discount applies to charges, not to rates
  char decimalSeparator = '.';
};

// Writes H26, D1 and D2(0 ... 9) of the first discount block and H33, and returns the
// customer's floor amount (0 without engine discounts or a usable floor box). A box holding
// nothing or only "." counts as empty.
double SetUpEngineDiscounts(const DiscountBoxes& boxes, const EngineDiscountSwitches& switches,
                            engine::EngineRecord& record);

}  // namespace tarvex::quote
