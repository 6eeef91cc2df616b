// The engine's tariffs: data/demo/tariffs/*.tariff into <name>.vtf and the base-point list
// <name>.b, and the engine's coordinates vornpts.vtf from the geography sources.
#pragma once

#include <optional>
#include <string>

#include "datakit/kit.h"
#include "vorn/tariff.h"

namespace tarvex::datakit {

Part TariffPart();

// Compiles one tariff source; faults go to the report under `where`.
std::optional<vorn::Tariff> CompileTariff(const std::string& source, const std::string& where,
                                          Report& report);
// The base-point list of a tariff as rate sheets read it.
std::string BasePointList(const vorn::Tariff& tariff);

}  // namespace tarvex::datakit
