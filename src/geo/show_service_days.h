// The quote window's service labels: what ShowServiceDays writes once both terminals of
// the lane are known.
#pragma once

#include "base/program_dir.h"
#include "forms/control.h"
#include "geo/service_guide.h"

namespace tarvex::geo {

// The quote window's labels this operation sets.
struct ServiceLabels {
  forms::Label& lblServiceDays;
  forms::Label& lblServiceType;
};

// Shows the lane's service days and type and sets its lane service type. With a terminal
// missing the type reads "None" and the days stay empty, which the destination step takes
// for no service.
void ShowServiceDays(const base::ProgramDir& dir, ServiceLabels labels, LaneService& lane);

}  // namespace tarvex::geo
