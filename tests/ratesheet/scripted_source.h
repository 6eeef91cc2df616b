// A sheet source for tests: rates, states and base points from plain tables.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ratesheet/production.h"

namespace tarvex::ratesheet::testing {

// Three classes and four breaks, as a small tariff would give them.
inline PointRating Rating(std::int32_t base, std::int32_t minimumCents, int details = 1) {
  PointRating r;
  r.rateBasis = "KR" + std::to_string(base);
  r.minimumCharge = std::to_string(minimumCents / 100) + ".00";
  r.classCount = 3;
  r.breakCount = 4;
  for (int c = 0; c < 3; ++c)
    for (int w = 0; w < 4; ++w)
      r.table[static_cast<std::size_t>(c * 4 + w + 4)] = base * (c + 1) - w * 100;
  r.flags = details == 1 ? "1" : "10";
  r.weights = details == 1 ? std::vector<std::int32_t>{0} : std::vector<std::int32_t>{0, 500};
  r.amounts = details == 1 ? std::vector<std::int32_t>{minimumCents}
                           : std::vector<std::int32_t>{minimumCents, 2500};
  return r;
}

class ScriptedSource : public SheetSource {
 public:
  std::string TariffFor(const std::string&, const std::string&, std::string& error) override {
    error = tariffError;
    return "TEST";
  }
  PointRating Rate(const std::string& origin, const std::string& destination) override {
    rated.push_back(origin + ">" + destination);
    return rate(origin, destination);
  }
  base::ReadResult<std::vector<BaseRange>> BasePoints(const std::string&) override {
    return base::ReadResult<std::vector<BaseRange>>::Ok(ranges);
  }
  std::string StateOf(const std::string& code) override {
    const auto it = states.find(code.substr(0, 3));
    return it == states.end() ? "" : it->second;
  }

  // Every code alike unless a test says otherwise.
  std::function<PointRating(const std::string&, const std::string&)> rate =
      [](const std::string&, const std::string&) { return Rating(3850, 9500); };
  std::vector<BaseRange> ranges = {{1, "005", "999"}};
  std::map<std::string, std::string> states;
  std::string tariffError;
  std::vector<std::string> rated;
};

}  // namespace tarvex::ratesheet::testing
