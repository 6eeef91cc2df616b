// Data kit part for the floor tables: UniqCan.dat, UniqUS.dat, Floor.dat and UniqFlor.dat.
#pragma once

#include "datakit/kit.h"

namespace tarvex::datakit {

// Builds the four floor tables from floors/columns.csv, rows.csv, matrix.csv and amounts.csv
// of a source folder (a folder without floors/ has no floor tables), checks them in a
// program directory and dumps each of them as text.
Part FloorsPart();

}  // namespace tarvex::datakit
