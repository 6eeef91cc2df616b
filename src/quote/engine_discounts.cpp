#include "quote/engine_discounts.h"

#include "base/number_format.h"
#include "base/text.h"

namespace tarvex::quote {

double SetUpEngineDiscounts(const DiscountBoxes& boxes, const EngineDiscountSwitches& switches,
                            engine::EngineRecord& record) {
  const std::string ltl = base::Trim(boxes.ltl);
  const std::string floor = base::Trim(boxes.floor);
  auto usable = [](const std::string& t) { return !t.empty() && t != "."; };
  auto d = record.discount(1);
  double customerFloor = 0;
  record.setText(engine::H26, "N");
  if (switches.engineDiscounts) {
    record.setText(engine::H26, "Y");
    d.setText(engine::D1, "D%");
    if (usable(ltl)) {
      const double p = base::ValLocal(ltl, switches.decimalSeparator) * 100;
      d.setText(engine::D2, 0, base::FormatMask(p, "0000"));
      for (int i = 1; i <= 6; ++i)
        d.setText(engine::D2, i, " " + base::NumberToText(base::RoundForDisplay(p, 0)));
    } else {
      d.setText(engine::D2, 0, "0000");
      for (int i = 1; i <= 6; ++i) d.setText(engine::D2, i, " 0000");
    }
    for (int i = 7; i <= 9; ++i) d.setText(engine::D2, i, " 0000");
    if (usable(floor))
      customerFloor = base::RoundForDisplay(base::ValLocal(floor, switches.decimalSeparator), 4);
  } else {
    d.setText(engine::D2, 0, "0000");
    for (int i = 1; i <= 9; ++i) d.setText(engine::D2, i, " 0000");
  }
  record.setText(engine::H33, switches.discountOnCharges ? "C" : "R");
  return customerFloor;
}

}  // namespace tarvex::quote
