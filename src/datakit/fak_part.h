// The FAK table: fak.txt (class = substitute class) into fak.dat.
#pragma once

#include "datakit/kit.h"

namespace tarvex::datakit {

Part FakPart();

}  // namespace tarvex::datakit
