// The rate sheet's outputs: the detail lines of the charge entries, the export file's lines
// and note lines, the CSV rows, and the printed sheet as 96-character page lines.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/desktop.h"
#include "ratesheet/request.h"

namespace tarvex::ratesheet {

inline constexpr int kRateTableCells = 175;

// What the engine answered for one rating point, and the lane's MC floor.
struct PointRating {
  std::string returnCode;                             // H2 trimmed; empty when answered
  std::string rateBasis;                              // H13 trimmed
  std::string minimumCharge;                          // H16
  int classCount = 0;                                 // X5
  int breakCount = 0;                                 // X6
  std::array<std::int32_t, kRateTableCells> table{};  // X2
  std::string flags;                                  // T1, one digit per charge entry
  std::vector<std::int32_t> weights;                  // T3, T6 entries
  std::vector<std::int32_t> amounts;                  // T4 in cents
  double floor = 0.0;                                 // dollars; 0 is no floor
  bool ok() const { return returnCode.empty(); }
  std::int32_t Rate(int c, int w) const;
  int detailCount() const { return static_cast<int>(amounts.size()); }
  // The rates of every class and break, then the minimum: what decides that codes rate alike.
  std::string ResultText(std::int64_t minimum) const;
};

// Each 95 characters (94 and "|"); line 2 is empty when line 1 holds every entry.
struct DetailLines {
  std::string line1;
  std::string line2;
};
DetailLines BuildDetailLines(const PointRating& rating);

// The texts of the sheet that come from the request window, the options and the settings.
struct SheetTexts {
  std::array<std::string, 5> headers;  // 1 … 4
  std::string headline;                // the headline box as typed
  std::array<std::string, kWeightRows> weightCaptions;
  std::string carrierName;
  std::string effectiveDate;
};

// One rated point as the writers take it.
struct RatedPoint {
  std::string code;   // the sideline code walked ("300")
  std::string point;  // the code rated ("30000")
  std::string state;
  PointRating rating;
  std::int64_t minimum = 0;  // RateSheetMinimum, cents
  DetailLines details;
  int note = 0;  // 0: a code with one rating point
  std::string noteText;
};

// The export file's lines of a point (CR LF after each); nothing for a refused point.
std::string ExportLines(const RateSheetRequest& request, const std::string& headlineState,
                        const RatedPoint& point);
// The note lines at the end of the export file.
std::string ExportNoteLines(const std::vector<std::string>& notes);

// The CSV file: a header row, then a row per point and selected class.
std::string CsvHeader(const RateSheetRequest& request, const SheetTexts& texts);
std::string CsvRows(const RateSheetRequest& request, const std::string& headlineState,
                    const RatedPoint& point);

inline constexpr int kPageLines = 70;
inline constexpr std::size_t kPageContent = 94;

// The printed sheet, page by page: header, blocks, page breaks and footers.
class SheetPrinter {
 public:
  SheetPrinter(const RateSheetRequest& request, const SheetTexts& texts, std::string headlineState);

  void setHeadlineState(std::string state) { headlineState_ = std::move(state); }
  // A merged run of codes start … end, or one point of a split code when `point.note` is set.
  void PrintBlock(const std::string& start, const std::string& end, const RatedPoint& point);
  // The footer of the page in progress, at the end of the run.
  void Finish();

  const std::vector<std::vector<std::string>>& pages() const { return pages_; }
  forms::PrintDocument Document(const std::string& title) const;
  // Every page line, one after the other, CR LF after each.
  std::string Image() const;

 private:
  void Header();
  void Footer();

  const RateSheetRequest& request_;
  const SheetTexts& texts_;
  std::string headlineState_;
  std::vector<std::vector<std::string>> pages_;
  int page_ = 1;
  int lineCount_ = 0;
  bool headerNeeded_ = true;
  bool inProgress_ = false;
};

// "|", the content padded to 94, "|".
std::string PageLine(const std::string& content);

}  // namespace tarvex::ratesheet
