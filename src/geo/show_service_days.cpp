#include "geo/show_service_days.h"

namespace tarvex::geo {

void ShowServiceDays(const base::ProgramDir& dir, ServiceLabels labels, LaneService& lane) {
  const ServiceDisplay shown = ServiceDaysDisplay(dir, lane);
  if (!shown.serviceDays.empty()) labels.lblServiceDays.setCaption(shown.serviceDays);
  labels.lblServiceType.setCaption(shown.serviceType);
}

}  // namespace tarvex::geo
