#include "geo/service_guide.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/files.h"
#include "support/program_dir.h"

namespace tarvex::geo {
namespace {

using ScratchDir = testing::ScratchDir;

struct Found {
  std::int32_t terminal;
  std::string indicator;
  std::int16_t extraDays;
};

Found Find(const ScratchDir& tmp, const char* code, const char* end) {
  Found f{-1, "junk", 99};
  f.terminal = FindServiceTerminal(tmp.dir(), code, end, f.indicator, f.extraDays);
  return f;
}

void WriteRanges(const ScratchDir& tmp, const std::vector<ServiceZipRange>& ranges) {
  tmp.Put(kServiceZipFileName, "");
  for (const auto& r : ranges) tmp.Append(kServiceZipFileName, r.ToBytes());
}

void WriteTerminals(const ScratchDir& tmp, int count) {
  tmp.Put(kTerminalFileName, "");
  for (int i = 1; i <= count; ++i) {
    TerminalRecord t;
    t.name = "Terminal " + std::to_string(i);
    t.code = "T" + std::to_string(i);
    tmp.Append(kTerminalFileName, t.ToBytes());
  }
}

// A matrix of n x n terminals whose every lane takes `days`, but 3 -> 7 `longest`; without
// `days`, every value names its own cell: origin × 100 + destination.
void WriteMatrix(const ScratchDir& tmp, int n, std::optional<int> days = {}, int longest = 0) {
  tmp.Put(kServiceMatrixFileName, "");
  for (int o = 1; o <= n; ++o)
    for (int d = 1; d <= n; ++d) {
      base::ByteRecord r(kServiceMatrixRecordLength);
      const int value = !days ? o * 100 + d : (o == 3 && d == 7 ? longest : *days);
      r.setInt16(0, static_cast<std::int16_t>(value));
      tmp.Append(kServiceMatrixFileName, r);
    }
}

// A guide of US, Canadian and Mexican ranges, as the carrier supplies it.
const std::vector<ServiceZipRange> kRanges = {
    {1, "00501", "09999", 1, "D", "D", 0, 0},    {1, "10000", "29999", 2, "D", "I", 1, 2},
    {1, "30000", "30399", 3, "I", "D", 2, 1},    {1, "30400", "63999", 4, "D", "D", 0, 0},
    {1, "64000", "66999", 5, "D", "D", 0, 1},    {1, "67000", "89999", 6, "I", "I", 3, 3},
    {1, "90000", "99950", 7, "D", "D", 0, 0},    {2, "A0A0A0", "H9Z9Z9", 8, "I", "I", 2, 2},
    {2, "J0A0A0", "N9Z9Z9", 9, "D", "D", 0, 0},  {2, "R0A0A0", "Y1A9Z9", 8, "I", "D", 1, 0},
    {3, "01000M", "16999M", 10, "I", "I", 2, 3}, {3, "20000M", "99999M", 10, "I", "I", 4, 4},
};

TEST(FindServiceTerminal, EveryRangeFromItsLowestToItsHighestCode) {
  ScratchDir tmp;
  WriteRanges(tmp, kRanges);
  for (const auto& r : kRanges) {
    for (const auto& code : {r.lowest, r.highest}) {
      const auto o = Find(tmp, code.c_str(), "O");
      EXPECT_EQ(o.terminal, r.terminal) << code;
      EXPECT_EQ(o.indicator, r.originIndicator) << code;
      EXPECT_EQ(o.extraDays, r.originExtraDays) << code;
      const auto d = Find(tmp, code.c_str(), "D");
      EXPECT_EQ(d.terminal, r.terminal) << code;
      EXPECT_EQ(d.indicator, r.destinationIndicator) << code;
      EXPECT_EQ(d.extraDays, r.destinationExtraDays) << code;
    }
  }
}

TEST(FindServiceTerminal, CodesOfEveryCountryAndCodesOutsideEveryRange) {
  ScratchDir tmp;
  WriteRanges(tmp, kRanges);
  const std::pair<const char*, std::int32_t> cases[] = {
      {"30303", 3},  {" 30303 ", 3}, {"303", 3},     {"641", 5},     {"64105", 5},  {"M5V3L9", 9},
      {"H2X1Y4", 8}, {"V6B1A1", 8},  {"06390M", 10}, {"44100M", 10}, {"00500", 0},  {"99999", 0},
      {"I0A0A0", 0}, {"Z0A0A0", 0},  {"17000M", 0},  {"", 0},        {"A0A0A0", 8}, {"Y1A9Z9", 8},
  };
  for (const auto& [code, terminal] : cases)
    EXPECT_EQ(Find(tmp, code, "D").terminal, terminal) << code;
  const auto none = Find(tmp, "I0A0A0", "O");
  EXPECT_EQ(none.indicator, "");
  EXPECT_EQ(none.extraDays, 0);
  // Any end other than "O" is the destination.
  for (const char* end : {"X", "o"}) EXPECT_EQ(Find(tmp, "20000", end).indicator, "I") << end;
  EXPECT_EQ(Find(tmp, "20000", "O").indicator, "D");
}

TEST(FindServiceTerminal, OneRangeAndACanadianCodeAfterManyUsRecords) {
  ScratchDir tmp;
  WriteRanges(tmp, {{1, "00000", "99999", 1, "D", "D", 0, 0}});
  EXPECT_EQ(Find(tmp, "64105", "O").terminal, 1);
  EXPECT_EQ(Find(tmp, "M5V3L9", "O").terminal, 0);
  std::vector<ServiceZipRange> many;
  for (int i = 0; i < 900; ++i) {
    char low[6];
    char high[6];
    std::snprintf(low, sizeof low, "%03d00", i);
    std::snprintf(high, sizeof high, "%03d99", i);
    many.push_back({1, low, high, i % 7 + 1, "D", "D", 0, 0});
  }
  many.push_back({2, "K0A0A0", "K9Z9Z9", 8, "D", "D", 0, 0});
  WriteRanges(tmp, many);
  EXPECT_EQ(Find(tmp, "K1A0B1", "O").terminal, 8);
  EXPECT_EQ(Find(tmp, "45612", "O").terminal, 456 % 7 + 1);
}

TEST(FindServiceTerminal, MissingEmptyShortAndCorruptFilesFindNoTerminal) {
  ScratchDir tmp;
  EXPECT_EQ(Find(tmp, "64105", "O").terminal, 0);
  tmp.Put(kServiceZipFileName, "");
  EXPECT_EQ(Find(tmp, "64105", "O").terminal, 0);
  tmp.Put(kServiceZipFileName, "164000669");  // less than a record
  EXPECT_EQ(Find(tmp, "64105", "O").terminal, 0);
  auto bytes = ServiceZipRange{1, "64000", "66999", 5, "D", "D", 0, 0}.ToBytes();
  std::string s(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  tmp.Put(kServiceZipFileName, s + s.substr(0, 10));  // the cut-off record is not read
  EXPECT_EQ(Find(tmp, "64105", "O").terminal, 5);
  tmp.Put(kServiceZipFileName, std::string(23 * 40, '\xff'));
  const auto f = Find(tmp, "64105", "O");
  EXPECT_EQ(f.terminal, 0);
  EXPECT_EQ(f.indicator, "");
}

class TerminalFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteTerminals(tmp_, 10);
    WriteMatrix(tmp_, 10);
  }
  ScratchDir tmp_;
};

TEST_F(TerminalFiles, TerminalCodeAsStored) {
  EXPECT_EQ(TerminalCount(tmp_.dir()), 10);
  for (const auto& [terminal, code] : std::vector<std::pair<int, const char*>>{
           {3, "T3   "}, {10, "T10  "}, {0, ""}, {11, ""}, {-1, ""}})
    EXPECT_EQ(GetTerminalCode(tmp_.dir(), terminal), code) << terminal;
  ASSERT_TRUE(ReadTerminal(tmp_.dir(), 7).has_value());
  EXPECT_EQ(ReadTerminal(tmp_.dir(), 7)->name.substr(0, 11), "Terminal 7 ");
}

TEST_F(TerminalFiles, TheMatrixIsReadRowByRow) {
  // 10 terminals, origin 3, destination 7: record (3 - 1) × 10 + 7 = 27.
  EXPECT_EQ(GetServiceDays(tmp_.dir(), 3, 7, 0), 307);
  EXPECT_EQ(GetServiceDays(tmp_.dir(), 7, 3, 0), 703);
  EXPECT_EQ(GetServiceDays(tmp_.dir(), 1, 1, 0), 101);
  EXPECT_EQ(GetServiceDays(tmp_.dir(), 10, 10, 2), 1012);
  EXPECT_EQ(GetServiceDays(tmp_.dir(), 3, 7, -7), 300);
}

TEST_F(TerminalFiles, UnknownTerminalsAndShortMatricesGiveNoDays) {
  // Terminal 11 of 10 would read row 4 otherwise.
  for (const auto& [origin, destination] : {std::pair{0, 7}, std::pair{3, 11}, std::pair{11, 1}})
    EXPECT_FALSE(GetServiceDays(tmp_.dir(), origin, destination, 0)) << origin << destination;
  tmp_.Put(kServiceMatrixFileName, std::string(2 * 26 + 1, '\0'));  // 26½ records
  EXPECT_FALSE(GetServiceDays(tmp_.dir(), 3, 7, 0));
  EXPECT_EQ(GetServiceDays(tmp_.dir(), 3, 6, 1), 1);
  std::filesystem::remove(tmp_.path() / kServiceMatrixFileName);
  EXPECT_FALSE(GetServiceDays(tmp_.dir(), 3, 7, 0));
  std::filesystem::remove(tmp_.path() / kTerminalFileName);
  WriteMatrix(tmp_, 10);
  EXPECT_FALSE(GetServiceDays(tmp_.dir(), 3, 7, 0));
}

TEST(TerminalRecords, MissingEmptyAndShortFilesHaveNoTerminals) {
  ScratchDir tmp;
  EXPECT_EQ(TerminalCount(tmp.dir()), 0);
  EXPECT_EQ(GetTerminalCode(tmp.dir(), 1), "");
  tmp.Put(kTerminalFileName, "");
  EXPECT_EQ(GetTerminalCode(tmp.dir(), 1), "");
  tmp.Put(kTerminalFileName, std::string(432, 'x'));
  EXPECT_EQ(TerminalCount(tmp.dir()), 0);
  EXPECT_EQ(GetTerminalCode(tmp.dir(), 1), "");
  EXPECT_FALSE(ReadTerminal(tmp.dir(), 1).has_value());
}

TEST(ServiceDaysDisplay, DaysAndTypeOfTheLane) {
  ScratchDir tmp;
  WriteTerminals(tmp, 10);
  WriteMatrix(tmp, 10, 2, 2);
  const std::tuple<LaneService, const char*, const char*, const char*> cases[] = {
      {{3, 7, "D", "D", 1, 0, ""}, "3 Day(s)", "Direct", "D"},
      {{3, 7, "D", "I", 0, 0, ""}, "2 Day(s)", "Non-Direct", "I"},
      {{3, 7, "I", "D", 0, 2, ""}, "4 Day(s)", "Non-Direct", "I"},
      {{3, 7, "", "D", 0, 0, ""}, "2 Day(s)", "Non-Direct", "I"},
      {{3, 0, "D", "", 0, 0, "x"}, "", "None", "x"},
      {{0, 7, "", "D", 0, 0, "x"}, "", "None", "x"},
      {{3, 12, "D", "D", 0, 0, "x"}, "", "None", "x"},  // no such terminal in the guide
  };
  for (auto [lane, days, type, laneType] : cases) {
    const auto shown = ServiceDaysDisplay(tmp.dir(), lane);
    EXPECT_EQ(shown.serviceDays, days) << lane.originTerminal << "/" << lane.destinationTerminal;
    EXPECT_EQ(shown.serviceType, type);
    EXPECT_EQ(lane.laneServiceType, laneType);
  }
}

// A sound guide of 10 terminals and the lane 3 -> 7; each case damages one thing.
class DamagedGuide : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteTerminals(tmp_, 10);
    WriteMatrix(tmp_, 10, 3, 60);
    WriteRanges(tmp_, kRanges);
    lane_.originTerminal = 3;
    lane_.destinationTerminal = 7;
    lane_.originIndicator = "I";
    lane_.destinationIndicator = "D";
    lane_.originExtraDays = 30;
  }
  ScratchDir tmp_;
  LaneService lane_;
};

TEST_F(DamagedGuide, LaneValuesAtTheirLimitsAreSoundAndBeyondTheirMeaningNameTheFile) {
  EXPECT_EQ(ServiceGuideFault(tmp_.dir(), lane_), "");
  LaneService none;  // a point outside every range is no damage: the lane has no service
  EXPECT_EQ(ServiceGuideFault(tmp_.dir(), none), "");
  const std::tuple<const char*, void (*)(LaneService&), const char*> cases[] = {
      {"terminal beyond the list", [](LaneService& l) { l.destinationTerminal = 11; },
       "names terminal 11 of 10"},
      {"negative terminal", [](LaneService& l) { l.originTerminal = -3; }, "names terminal -3"},
      {"indicator X", [](LaneService& l) { l.originIndicator = "X"; }, "indicator \"X\""},
      {"blank indicator", [](LaneService& l) { l.destinationIndicator = " "; }, "indicator \" \""},
      {"extra days -1", [](LaneService& l) { l.originExtraDays = -1; }, "adds -1 days"},
      {"extra days 31", [](LaneService& l) { l.destinationExtraDays = 31; }, "adds 31 days"},
  };
  for (const auto& [what, damage, said] : cases) {
    LaneService damaged = lane_;
    damage(damaged);
    const std::string fault = ServiceGuideFault(tmp_.dir(), damaged);
    EXPECT_NE(fault.find(kServiceZipFileName), std::string::npos) << what << ": " << fault;
    EXPECT_NE(fault.find(said), std::string::npos) << what << ": " << fault;
  }
  WriteMatrix(tmp_, 10, 3, 61);
  EXPECT_NE(ServiceGuideFault(tmp_.dir(), lane_).find("are 61, not from 0 to 60"),
            std::string::npos);
  WriteMatrix(tmp_, 10, 3, -1);
  EXPECT_NE(ServiceGuideFault(tmp_.dir(), lane_).find(kServiceMatrixFileName), std::string::npos);
}

TEST_F(DamagedGuide, MissingTornAndMismatchedFilesNameTheFile) {
  // The bytes cut off the end of the file; 0 removes it.
  const std::tuple<const char*, const char*, std::uintmax_t> cases[] = {
      {"terminal list torn", kTerminalFileName, 7},
      {"range file torn", kServiceZipFileName, 1},
      {"matrix short of a row", kServiceMatrixFileName, 20},
      {"matrix missing", kServiceMatrixFileName, 0},
      {"terminal list missing", kTerminalFileName, 0},
      {"range file missing", kServiceZipFileName, 0},
  };
  for (const auto& [what, file, cut] : cases) {
    SetUp();
    const auto path = tmp_.path() / file;
    if (cut == 0)
      std::filesystem::remove(path);
    else
      std::filesystem::resize_file(path, std::filesystem::file_size(path) - cut);
    const std::string fault = ServiceGuideFault(tmp_.dir(), lane_);
    EXPECT_NE(fault.find(file), std::string::npos) << what << ": " << fault;
  }
}

TEST_F(DamagedGuide, ATerminalCodeThatIsNoTextNamesTheTerminalList) {
  TerminalRecord seven;
  seven.code = std::string("T\x07", 2);
  std::string list = base::FileToString(tmp_.path() / kTerminalFileName);
  const base::ByteRecord bytes = seven.ToBytes();
  list.replace(6 * kTerminalRecordLength, kTerminalRecordLength,
               std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  tmp_.Put(kTerminalFileName, list);
  const std::string fault = ServiceGuideFault(tmp_.dir(), lane_);
  EXPECT_NE(fault.find(kTerminalFileName), std::string::npos) << fault;
  EXPECT_NE(fault.find("terminal 7 has no terminal code"), std::string::npos) << fault;
}

}  // namespace
}  // namespace tarvex::geo
