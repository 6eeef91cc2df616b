// Data kit part for the geography and the demo carrier's service guide and special points.
#pragma once

#include "datakit/kit.h"

namespace tarvex::datakit {

// Builds state.dat, cityzip.dat, ServTerm.dat, ServZipsA.dat, ServMatx.dat, zipval.dat,
// RuralPts.dat, HighCost.dat, CA_Pnts.dat, NYCPts.dat and stname.dat from the readable
// sources in geo/, checks them and dumps them as text.
Part GeoPart();

}  // namespace tarvex::datakit
