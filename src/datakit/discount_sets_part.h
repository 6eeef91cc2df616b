// Data kit part for the customers' discount sets d*.ini of a program directory.
#pragma once

#include "datakit/kit.h"

namespace tarvex::datakit {

// The sets travel as text among the plain files, so this part builds nothing; its check
// finds sets the quote window would refuse or never pick: no single pricing type or
// discount target, a field that is no number, an LTL discount of 100 or more, a key that
// names no set.
Part DiscountSetsPart();

}  // namespace tarvex::datakit
