// A rating engine for program tests: records every call and answers from a script.
#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
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
  using TablesReply = std::function<void(engine::TableRecord&)>;

  struct Call {
    std::string name;                 // "InitializeVorn", "RateShipment", ...
    std::string argument;             // the path of the two start-up calls
    std::vector<std::uint8_t> bytes;  // the record as the program handed it over
  };

  // Statuses of the two start-up calls.
  std::int16_t initializeStatus = 0;
  std::int16_t setVorndataStatus = 0;

  // The replies of the next RateShipment and GetTables calls, in order; once a queue is
  // empty, the default reply answers (by default: H2 blank, nothing else written).
  void QueueRating(RatingReply reply) { ratings_.push_back(std::move(reply)); }
  void QueueTables(TablesReply reply) { tables_.push_back(std::move(reply)); }
  void SetDefaultRating(RatingReply reply) { defaultRating_ = std::move(reply); }
  void SetDefaultTables(TablesReply reply) { defaultTables_ = std::move(reply); }

  // Ready-made replies: header fields written as given with H2 blank, or a refusal.
  static RatingReply Answer(
      std::vector<std::pair<engine::TextField<engine::InEngineRecord>, std::string>> fields) {
    return [fields = std::move(fields)](engine::EngineRecord& r) {
      r.setText(engine::H2, "");
      for (const auto& [field, text] : fields) r.setText(field, text);
    };
  }
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
    RatingReply reply = defaultRating_;
    if (!ratings_.empty()) {
      reply = std::move(ratings_.front());
      ratings_.pop_front();
    }
    if (reply) reply(record);
  }
  void GetTables(engine::TableRecord& record) override {
    Record("GetTables", "", record.data(), record.size());
    TablesReply reply = defaultTables_;
    if (!tables_.empty()) {
      reply = std::move(tables_.front());
      tables_.pop_front();
    }
    if (reply) reply(record);
  }
  void EndVorn() override { Record("EndVorn", "", nullptr, 0); }

  const std::vector<Call>& calls() const { return calls_; }
  std::vector<std::string> callNames() const {
    std::vector<std::string> names;
    for (const auto& c : calls_) names.push_back(c.name);
    return names;
  }
  int count(std::string_view name) const {
    int n = 0;
    for (const auto& c : calls_) n += c.name == name ? 1 : 0;
    return n;
  }
  // The engine record as handed over by the last RateShipment call (a fresh record if none).
  engine::EngineRecord lastRated() const {
    engine::EngineRecord r;
    for (auto it = calls_.rbegin(); it != calls_.rend(); ++it)
      if (it->name == "RateShipment") {
        std::copy(it->bytes.begin(), it->bytes.end(), r.data());
        break;
      }
    return r;
  }
  // Every engine record handed over by RateShipment, in call order.
  std::vector<engine::EngineRecord> rated() const {
    std::vector<engine::EngineRecord> out;
    for (const auto& c : calls_)
      if (c.name == "RateShipment") {
        out.emplace_back();
        std::copy(c.bytes.begin(), c.bytes.end(), out.back().data());
      }
    return out;
  }
  void clearCalls() { calls_.clear(); }

 private:
  void Record(std::string name, std::string argument, const std::uint8_t* bytes, std::size_t size) {
    calls_.push_back({std::move(name), std::move(argument),
                      bytes != nullptr ? std::vector<std::uint8_t>(bytes, bytes + size)
                                       : std::vector<std::uint8_t>{}});
  }

  std::vector<Call> calls_;
  std::deque<RatingReply> ratings_;
  std::deque<TablesReply> tables_;
  RatingReply defaultRating_ = [](engine::EngineRecord& r) { r.setText(engine::H2, ""); };
  TablesReply defaultTables_;
};

}  // namespace tarvex::testing
