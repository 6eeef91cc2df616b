// The list of the kit's parts. A part adds itself here with one line.
#include "datakit/kit.h"

// parts: includes
#include "datakit/accessorials_part.h"
#include "datakit/density_part.h"
#include "datakit/discount_sets_part.h"
#include "datakit/fak_part.h"
#include "datakit/floors_part.h"
#include "datakit/geo_part.h"
#include "datakit/map_part.h"
#include "datakit/settings_part.h"
#include "datakit/tariff_part.h"

namespace tarvex::datakit {

const std::vector<Part>& Parts() {
  static const std::vector<Part> parts = {
      // parts: entries
      AccessorialsPart(), TariffPart(),   DiscountSetsPart(), FakPart(), GeoPart(),
      MapPart(),  // after the geography: it colours the areas by their serving terminals
      FloorsPart(),       SettingsPart(), DensityPart(),
  };
  return parts;
}

}  // namespace tarvex::datakit
