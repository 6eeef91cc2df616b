// The density tables: density.tsv (bands in pounds per cubic foot) into dencls.dat and, per
// cubic metre, denclsM.dat.
#pragma once

#include "datakit/kit.h"

namespace tarvex::datakit {

Part DensityPart();

}  // namespace tarvex::datakit
