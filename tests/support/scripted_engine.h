// A rating engine for program tests: records every call and answers from a script.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/engine_record.h"
#include "engine/rating_engine.h"

namespace tarvex::testing {

class ScriptedEngine : public engine::RatingEngine {
 public:
  using RatingReply = std::function<void(engine::EngineRecord&)>;

  struct Call {
    std::string name;                 // "InitializeVorn", "RateShipment", ...
    std::string argument;             // the path of the two start-up calls
    std::vector<std::uint8_t> bytes;  // the record as the program handed it over
  };

  // Statuses of the two start-up calls.
  std::int16_t initializeStatus = 0;
  std::int16_t setVorndataStatus = 0;

  // The reply of every RateShipment call (by default: H2 blank, nothing else written);
  // GetTables leaves the table as it is.
  void SetDefaultRating(RatingReply reply) { defaultRating_ = std::move(reply); }

  // A ready-made reply: a refusal with its code.
  static RatingReply Refuse(std::string code) {
    return [code = std::move(code)](engine::EngineRecord& r) { r.setText(engine::H2, code); };
  }

  std::int16_t InitializeVorn(const std::string& enginePath) override {
    Record("InitializeVorn", enginePath, nullptr, 0);
    return initializeStatus;
  }
  std::int16_t Set_Vorndata(const std::string& dataPath) override {
    Record("Set_Vorndata", dataPath, nullptr, 0);
    return setVorndataStatus;
  }
  void RateShipment(engine::EngineRecord& record) override {
    Record("RateShipment", "", record.data(), record.size());
    if (defaultRating_) defaultRating_(record);
  }
  void GetTables(engine::TableRecord& record) override {
    Record("GetTables", "", record.data(), record.size());
  }
  void EndVorn() override { Record("EndVorn", "", nullptr, 0); }

  const std::vector<Call>& calls() const { return calls_; }
  std::vector<std::string> callNames() const {
    std::vector<std::string> names;
    for (const auto& c : calls_) names.push_back(c.name);
    return names;
  }
  int count(std::string_view name) const {
    return static_cast<int>(
        std::count_if(calls_.begin(), calls_.end(), [&](const Call& c) { return c.name == name; }));
  }
  // The engine record as handed over by the last RateShipment call (a fresh record if none).
  engine::EngineRecord lastRated() const {
    engine::EngineRecord r;
    const auto it = std::find_if(calls_.rbegin(), calls_.rend(),
                                 [](const Call& c) { return c.name == "RateShipment"; });
    if (it != calls_.rend()) std::copy(it->bytes.begin(), it->bytes.end(), r.data());
    return r;
  }

 private:
  void Record(std::string name, std::string argument, const std::uint8_t* bytes, std::size_t size) {
    calls_.push_back({std::move(name), std::move(argument),
                      bytes != nullptr ? std::vector<std::uint8_t>(bytes, bytes + size)
                                       : std::vector<std::uint8_t>{}});
  }

  std::vector<Call> calls_;
  RatingReply defaultRating_ = [](engine::EngineRecord& r) { r.setText(engine::H2, ""); };
};

}  // namespace tarvex::testing
