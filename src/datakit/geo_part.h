// Data kit part for the geography and the demo carrier's service guide and special points.
#pragma once

#include <vector>

#include "datakit/kit.h"

namespace tarvex::datakit {

// Builds state.dat, cityzip.dat, ServTerm.dat, ServZipsA.dat, ServMatx.dat, zipval.dat,
// RuralPts.dat, HighCost.dat, CA_Pnts.dat, NYCPts.dat, stname.dat and zipcodes.fil from the
// readable sources in geo/, checks them and dumps them as text.
Part GeoPart();

// The bounding box of a state or territory in degrees; west may lie below -180 for a state
// that reaches across the date line.
struct StateBox {
  const char* state;
  double south;
  double north;
  double west;
  double east;
};

// Every state and territory with a place of its own (the military post offices have none).
// The check refuses a prefix whose centre lies more than kStateBoxSlack degrees outside its
// state's box: a centre dragged off by a misplaced point, or a state mistyped.
const std::vector<StateBox>& StateBoxes();
inline constexpr double kStateBoxSlack = 0.3;

}  // namespace tarvex::datakit
