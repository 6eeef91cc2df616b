// Data kit part for the settings record and the carrier's plain files (messages, pictures).
#pragma once

#include "datakit/kit.h"

namespace tarvex::datakit {

// Builds variable.dat from settings.ini (one "FieldName = value" line per field; arrays
// as "a,b,c,d" and "h1|h2|h3|h4") and copies the files under files/ verbatim.
Part SettingsPart();

}  // namespace tarvex::datakit
