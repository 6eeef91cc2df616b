// The rate sheet's figures from the rating engine: the tariff selection and one lane rating
// per rating point, with the rate sheet's discounts and MC floor.
#pragma once

#include <map>
#include <string>

#include "base/program_dir.h"
#include "engine/engine_record.h"
#include "engine/rating_engine.h"
#include "engine/tariffs.h"
#include "pricing/settings.h"
#include "ratesheet/production.h"

namespace tarvex::ratesheet {

class EngineSheetSource : public SheetSource {
 public:
  // Rates on a copy of `record` (the program's, with its adjustment factor and engine code)
  // whose shipment lines are cleared: a rate sheet rates lanes, not the quote's lines.
  EngineSheetSource(const base::ProgramDir& dir, const engine::EngineRecord& record,
                    engine::RatingEngine& engine, const pricing::SettingsRecord& settings,
                    const engine::ChosenStates* chosen);

  std::string TariffFor(const std::string& origin, const std::string& destination,
                        std::string& error) override;
  PointRating Rate(const std::string& origin, const std::string& destination) override;
  base::ReadResult<std::vector<BaseRange>> BasePoints(const std::string& tariff) override;
  std::string StateOf(const std::string& code) override;

  const engine::EngineRecord& record() const { return record_; }

 private:
  const base::ProgramDir& dir_;
  engine::EngineRecord record_;
  engine::RatingEngine& engine_;
  const pricing::SettingsRecord& settings_;
  const engine::ChosenStates* chosen_;
  std::map<std::string, std::string> states_;
};

// The discount fields of a rate sheet rating: the rate sheet's LTL discount on the minimum
// charge and the LTL brackets, its TL discount on the truckload brackets, on rates.
void SetRateSheetDiscounts(double ltl, double tl, engine::EngineRecord& record);

}  // namespace tarvex::ratesheet
