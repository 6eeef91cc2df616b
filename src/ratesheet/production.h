// The rate sheet run: every sideline code of every requested range is split into its rating
// points, rated, merged with the codes before it when they rate alike, and handed to the
// writers. It knows no window: progress and cancelling come through a hook, ratings through
// a source (the engine, or a scripted one in tests).
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ratesheet/base_points.h"
#include "ratesheet/output.h"
#include "ratesheet/request.h"

namespace tarvex::ratesheet {

// Where the run's figures come from.
class SheetSource {
 public:
  virtual ~SheetSource() = default;
  // The tariff of a lane (its name as the engine takes it); "" with `error` set when the
  // tariff list cannot tell one.
  virtual std::string TariffFor(const std::string& origin, const std::string& destination,
                                std::string& error) = 0;
  // Rates the lane with the rate sheet's discounts.
  virtual PointRating Rate(const std::string& origin, const std::string& destination) = 0;
  // The tariff's base-point list; no ranges when it has none.
  virtual base::ReadResult<std::vector<BaseRange>> BasePoints(const std::string& tariff) = 0;
  virtual std::string StateOf(const std::string& code) = 0;
};

struct SheetOutputs {
  bool printer = false;
  bool exportFile = false;
  bool csv = false;
  bool image = false;
  bool any() const { return printer || exportFile || csv || image; }
};

struct Progress {
  int done = 0;  // codes rated before this one
  int total = 0;
  std::string code;
};

class Production {
 public:
  enum class Outcome { Complete, Cancelled, HeadlineRefused, Failed };

  Production(const RateSheetRequest& request, const SheetTexts& texts, SheetOutputs outputs,
             SheetSource& source);

  // Called before each code; returning false stops the run there.
  std::function<bool(const Progress&)> beforeCode;

  Outcome Run();

  // Failed: why the run stopped, naming the file at fault.
  const std::string& error() const { return error_; }
  const std::string& exportText() const { return export_; }
  const std::string& csvText() const { return csv_; }
  const SheetPrinter& sheet() const { return printer_; }
  const std::vector<std::string>& notes() const { return notes_; }

  // How many codes the request's ranges hold.
  static int CodeCount(const RateSheetRequest& request);
  // The code after `code` within a range ending at `high`; nothing at the range's end.
  static std::optional<std::string> Next(const std::string& code, const std::string& high);

 private:
  struct Pending {
    std::string start;
    std::string end;
    std::string text;
    RatedPoint point;
  };
  // False when the run cannot go on.
  bool RateCode(const std::string& code);
  RatedPoint RatePoint(const std::string& code, const CodePart& part, const std::string& state);
  void FlushPending();
  void Write(const RatedPoint& point);
  // The printed sheet and its image file share the page lines.
  bool paged() const { return outputs_.printer || outputs_.image; }

  const RateSheetRequest& request_;
  const SheetTexts& texts_;
  SheetOutputs outputs_;
  SheetSource& source_;
  std::string headlineState_;
  SheetPrinter printer_;
  std::optional<Pending> pending_;
  std::map<std::string, std::vector<BaseRange>> basePoints_;
  std::vector<std::string> notes_;
  std::string export_;
  std::string csv_;
  std::string error_;
  bool headlineRefused_ = false;
};

}  // namespace tarvex::ratesheet
