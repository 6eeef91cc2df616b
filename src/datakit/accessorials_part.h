// The accessorial charge list: accessorials.tsv into accchg.dat.
#pragma once

#include "datakit/kit.h"

namespace tarvex::datakit {

Part AccessorialsPart();

}  // namespace tarvex::datakit
