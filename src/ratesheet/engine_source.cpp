#include "ratesheet/engine_source.h"

#include <algorithm>

#include "base/files.h"
#include "base/number_format.h"
#include "base/text.h"
#include "pricing/floors.h"
#include "ratesheet/sideline_codes.h"

namespace tarvex::ratesheet {

using namespace tarvex::engine;

void SetRateSheetDiscounts(double ltl, double tl, EngineRecord& record) {
  record.setText(H26, "Y");
  EngineDiscount d = record.discount(1);
  d.setText(D1, "D%");
  d.setText(D2, 0, base::FormatMask(ltl * 100, "0000"));
  for (int i = 1; i <= 6; ++i) d.setText(D2, i, base::FormatMask(ltl * 100, "0000") + " ");
  for (int i = 7; i <= 9; ++i) d.setText(D2, i, base::FormatMask(tl * 100, "0000") + " ");
  record.setText(H33, "R");
}

EngineSheetSource::EngineSheetSource(const base::ProgramDir& dir, const EngineRecord& record,
                                     RatingEngine& engine, const pricing::SettingsRecord& settings,
                                     const ChosenStates* chosen)
    : dir_(dir), record_(record), engine_(engine), settings_(settings), chosen_(chosen) {
  SetRateSheetDiscounts(settings.RateSheetDiscounts[2], settings.RateSheetDiscounts[3], record_);
  record_.setText(H11, "");
  record_.setText(H3, "");
  record_.setText(H23, "");
}

std::string EngineSheetSource::StateOf(const std::string& code) {
  // The state table does not change during a run.
  const auto known = states_.find(code);
  if (known != states_.end()) return known->second;
  return states_[code] = StateOfCode(dir_, code);
}

std::string EngineSheetSource::TariffFor(const std::string& origin, const std::string& destination,
                                         std::string& error) {
  record_.setText(H7, origin);
  record_.setText(H9, destination);
  TariffRequest request;
  request.originState = StateOf(origin);
  request.destinationState = StateOf(destination);
  request.silent = true;
  request.chosen = chosen_;
  const TariffSelection selection = SelectTariff(dir_, record_, request);
  if (!selection.ok) error = selection.error;
  return record_.trimmed(H4);
}

PointRating EngineSheetSource::Rate(const std::string& origin, const std::string& destination) {
  PointRating r;
  std::string error;
  TariffFor(origin, destination, error);
  engine_.RateShipment(record_);
  r.returnCode = record_.trimmed(H2);
  if (!r.ok()) return r;
  r.rateBasis = record_.trimmed(H13);
  r.minimumCharge = record_.text(H16);
  r.classCount = std::clamp<int>(record_.value(X5), 0, 20);
  r.breakCount = std::clamp<int>(record_.value(X6), 0, 20);
  for (int i = 0; i < kRateTableCells; ++i)
    r.table[static_cast<std::size_t>(i)] = record_.value(X2, i);
  const int entries = std::clamp<int>(record_.value(T6), 0, 30);
  r.flags = record_.text(T1).substr(0, static_cast<std::size_t>(entries));
  for (int i = 0; i < entries; ++i) {
    r.weights.push_back(record_.value(T3, i));
    r.amounts.push_back(record_.value(T4, i));
  }
  // A floor table that cannot be read leaves the sheet without a floor, as the quote does.
  r.floor =
      pricing::GetLaneFloor(dir_, record_.text(H7), record_.text(H9),
                            settings_.RateSheetDiscounts[4], pricing::On(settings_.UseFloorTables))
          .amount;
  return r;
}

base::ReadResult<std::vector<BaseRange>> EngineSheetSource::BasePoints(const std::string& tariff) {
  const auto file = dir_.resolve(tariff + ".b");
  std::error_code ec;
  if (tariff.empty() || !std::filesystem::exists(file, ec))
    return base::ReadResult<std::vector<BaseRange>>::Ok({});
  return ParseBasePoints(base::FileToString(file), file.string());
}

}  // namespace tarvex::ratesheet
