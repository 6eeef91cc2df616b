#include "geo/special_points.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "support/program_dir.h"

namespace tarvex::geo {
namespace {

using ScratchDir = testing::ScratchDir;

const std::string kSentence =
    " and arrangements with these customers have been made to service them 1 to 4 times per "
    "week.";

void WriteRural(const ScratchDir& tmp, const std::vector<std::string>& codes) {
  std::string bytes;
  for (const auto& c : codes) bytes += base::PadRight(c, kRuralRecordLength);
  tmp.Put(kRuralFileName, bytes);
}

void WriteRanges(const ScratchDir& tmp, const char* name, std::size_t length,
                 const std::vector<std::pair<std::int32_t, std::int32_t>>& ranges,
                 const std::vector<double>& amounts = {}) {
  tmp.Put(name, "");
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    base::ByteRecord r(length);
    r.setInt32(0, ranges[i].first);
    r.setInt32(4, ranges[i].second);
    if (length == kCaliforniaRecordLength) r.setFloat64(8, i < amounts.size() ? amounts[i] : 0);
    tmp.Append(name, r);
  }
}

TEST(IsRuralPoint, FindsEveryListedCodeWhateverItsCaseAndNoMexicanOne) {
  ScratchDir tmp;
  const std::vector<std::string> listed = {"10001", "30303",  "31000",  "59001", "68001",
                                           "82001", "a0a1a0", "H0H0H0", "T0A0A0"};
  WriteRural(tmp, listed);
  for (const auto& code : listed) EXPECT_TRUE(IsRuralPoint(tmp.dir(), base::ToUpper(code))) << code;
  for (const char* code : {"A0A1A0", " 30303 ", "h0h0h0"})
    EXPECT_TRUE(IsRuralPoint(tmp.dir(), code)) << code;
  for (const char* code : {"10000", "30304", "99999", "00001", "A0A1A1", "Z9Z9Z9", "", "303"})
    EXPECT_FALSE(IsRuralPoint(tmp.dir(), code)) << code;
  WriteRural(tmp, {"06390M", "30303"});
  EXPECT_FALSE(IsRuralPoint(tmp.dir(), "06390M"));
}

TEST(IsRuralPoint, ShortAndCorruptListsAreReportedByName) {
  const std::tuple<const char*, std::string, const char*, bool> cases[] = {
      {"less than one record", "3030", "3030", false},
      {"a cut-off last record", "30303 31000 3100", "31000", true},
      {"a record of control bytes", std::string("\xff\xfe\0\x01\x02\x03", 6) + "30303 ", "99999",
       false},
      {"a blank record", "      30303 ", "99999", false},
      {"a record that is no code", "1e308 30303 ", "99999", false},
  };
  for (const auto& [what, bytes, code, rural] : cases) {
    ScratchDir tmp;
    tmp.Put(kRuralFileName, bytes);
    std::string fault;
    EXPECT_EQ(IsRuralPoint(tmp.dir(), code, &fault), rural) << what;
    EXPECT_NE(fault.find("RuralPts.dat"), std::string::npos) << what;
    std::string checkFault;
    CheckRuralPoints(tmp.dir(), code, "64105", &checkFault);
    EXPECT_EQ(checkFault, fault) << what;
  }
}

TEST(CheckRuralPoints, TheThreeFormsOfTheMessage) {
  ScratchDir tmp;
  WriteRural(tmp, {"30303", "31000"});
  const std::tuple<const char*, const char*, std::optional<std::string>> cases[] = {
      {"30303", "64105", "'30303' is a RURAL Zip/Postal Code" + kSentence},
      {"64105", "30303", "'30303' is a RURAL ZIP/Postal Code" + kSentence},
      {"30303", "31000", "'30303' and '31000' are RURAL ZIP/Postal Codes" + kSentence},
      {" 30303 ", "64105  ", "'30303' is a RURAL Zip/Postal Code" + kSentence},
      {"64105", "60606", std::nullopt},
  };
  for (const auto& [origin, destination, message] : cases)
    EXPECT_EQ(CheckRuralPoints(tmp.dir(), origin, destination), message) << origin;
}

TEST(HighCostAmount, TheDollarRule) {
  const std::optional<double> none;
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"$75.00", 75.0}, {"$ 75", 75.0}, {"US$12.5", 12.5}, {"12.5", 12.5}, {"", 0.0},
      {"5", 50.0},      {"0", 0.0},     {"2.50", 2.5},     {"$", none},    {"abc", none},
      {"$7.5x", none},  {"$$5", none},  {"1.2.3", none},
  };
  for (const auto& [text, amount] : cases) EXPECT_EQ(HighCostAmount(text), amount) << text;
}

TEST(ParseHighCost, ValuesRunAcrossLinesSevenAtATime) {
  std::size_t leftOver = 99;
  const auto entries = ParseHighCost(
      "59001,59999,\"Montana, eastern\",B,$75.00,$2.50,$150.00\r\n"
      "82001, 82999 ,Wyoming,O\n"
      "$30.00,$0,$0\n"
      "\n"
      "99501,99999,Alaska",
      &leftOver);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].text, "Montana, eastern");
  EXPECT_EQ(entries[0].maximumText, "$150.00");
  EXPECT_EQ(entries[1].highest, "82999");
  EXPECT_EQ(entries[1].direction, "O");
  EXPECT_EQ(entries[1].minimumText, "$30.00");
  EXPECT_EQ(leftOver, 3u);
}

class HighCostTest : public ::testing::Test {
 protected:
  double fee(const char* origin, const char* destination, double weight) {
    const ListAmount fee = GetHighCostFee(tmp_.dir(), origin, destination, weight);
    EXPECT_EQ(fee.fault, "") << origin << " " << destination;
    return fee.amount;
  }
  // The fault of a lane, with no fee charged.
  std::string fault(const char* origin, const char* destination, double weight) {
    const ListAmount fee = GetHighCostFee(tmp_.dir(), origin, destination, weight);
    EXPECT_EQ(fee.amount, 0.0);
    return fee.fault;
  }
  ScratchDir tmp_;
};

TEST_F(HighCostTest, MinimumRateAndMaximumOrAFlatFee) {
  tmp_.Put(kHighCostFileName,
           "59001,59999,Montana,B,$75.00,$2.50,$150.00\n82001,82999,Wyoming,O,$30.00,$0,$0\n");
  for (const auto& [weight, expected] :
       std::vector<std::pair<double, double>>{{1000, 75}, {4000, 100}, {8000, 150}, {0, 75}})
    EXPECT_DOUBLE_EQ(fee("59101", "64105", weight), expected) << weight;
  // Direction B: either point, and counted once when both lie in the area.
  EXPECT_DOUBLE_EQ(fee("64105", "59101", 4000), 100.0);
  EXPECT_DOUBLE_EQ(fee("59101", "59901", 4000), 100.0);
  EXPECT_DOUBLE_EQ(fee("64105", "60606", 4000), 0.0);
  for (double w : {1.0, 500.0, 20000.0}) EXPECT_DOUBLE_EQ(fee("82001", "64105", w), 30.0);
}

TEST_F(HighCostTest, DirectionsAndSeveralEntriesAddUp) {
  tmp_.Put(kHighCostFileName,
           "82001,82999,Wyoming outbound,O,$30.00,$0,$0\n"
           "59001,59999,Montana inbound,D,$40.00,$0,$0\n"
           "59001,59999,Montana both,B,$10.00,$0,$0\n"
           "A0A,A9Z9Z9,Newfoundland,D,$25,$1.00,$0\n");
  EXPECT_DOUBLE_EQ(fee("82001", "59001", 1000), 30.0 + 40.0 + 10.0);
  EXPECT_DOUBLE_EQ(fee("59001", "82001", 1000), 10.0);  // neither O nor D side matches
  EXPECT_DOUBLE_EQ(fee("64105", "A1B2C3", 5000), 50.0);
  EXPECT_DOUBLE_EQ(fee("A1B2C3", "64105", 5000), 0.0);
}

TEST_F(HighCostTest, DamagedAmountsAreReportedNotChargedAndOtherAreasChargedAsUsual) {
  // everyLane: said on every lane: an area that is no area could hold any point
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"99501,99950,Alaska,B,$1e308,$4.75,$450.00", "minimum \"$1e308\"", false},
      {"99501,99950,Alaska,B,$nan,$4.75,$450.00", "minimum \"$nan\"", false},
      {"99501,99950,Alaska,B,$95.00,$10000,$450.00", "rate \"$10000\"", false},
      {"99501,99950,Alaska,B,$95.00,$-4.75,$450.00", "rate \"$-4.75\"", false},
      {"99501,99950,Alaska,B,$95.00,$4.75,$1000000", "maximum \"$1000000\"", false},
      {"99501,99950,Alaska,X,$95.00,$4.75,$450.00", "direction \"X\"", false},
      {"99501,99950,Alaska,B,ten dollars,$1.00,$0", "minimum \"ten dollars\"", false},
      {"99501,99950,Alaska,O,$20,$x,$0", "rate \"$x\"", false},
      {"nan,nan,Alaska,B,$95.00,$4.75,$450.00", "which are no ZIP or postal codes", true},
      {"99501,1e308,Alaska,B,$95.00,$4.75,$450.00", "which are no ZIP or postal codes", true},
      {"99501,99999999,Alaska,B,$95.00,$4.75,$450.00", "which are no ZIP or postal codes", true},
  };
  for (const auto& [entry, said, everyLane] : cases) {
    // With a sound entry of another area, whose bare "5" reads 50.
    tmp_.Put(kHighCostFileName, std::string(entry) + "\n20001,20099,B,O,5,0,0\n");
    const std::string told = fault("64105", "99501", 4000);
    EXPECT_NE(told.find(said), std::string::npos) << told;
    EXPECT_NE(told.find("HighCost.dat"), std::string::npos) << told;
    EXPECT_NE(fault("99501", "64105", 4000).find(said), std::string::npos) << entry;
    // A lane outside a damaged area is charged as usual and told nothing.
    if (!everyLane) {
      EXPECT_DOUBLE_EQ(fee("20001", "64105", 100), 50.0);
    } else {
      EXPECT_NE(fault("20001", "64105", 100), "");
    }
  }
  // Amounts just inside the limits are charged.
  tmp_.Put(kHighCostFileName, "99501,99950,Alaska,B,$999999.99,$9999.99,$0\n");
  EXPECT_DOUBLE_EQ(fee("64105", "99501", 100), 999999.99);
}

TEST_F(HighCostTest, ShortAndCorruptFilesAreReported) {
  tmp_.Put(kHighCostFileName, "59001,59999,Montana,B,$75.00");  // the entry is cut short
  EXPECT_NE(fault("64105", "30303", 4000).find("incomplete entry"), std::string::npos);
  tmp_.Put(kHighCostFileName, std::string("\0\xff\"\x01,,\n\n,,,", 12));
  EXPECT_NE(fault("59101", "64105", 4000), "");
}

TEST(GetCaliforniaSurcharge, OriginFirstThenDestination) {
  ScratchDir tmp;
  WriteRanges(tmp, kCaliforniaFileName, kCaliforniaRecordLength,
              {{90001, 90899}, {91001, 91899}, {94101, 94188}, {95001, 96162}},
              {10.0, 12.5, 20.0, 15.0});
  const std::tuple<const char*, const char*, double> cases[] = {
      {"90001", "94101", 10.0}, {"94101", "90001", 20.0}, {"64105", "94188", 20.0},
      {"90899", "64105", 10.0}, {"96162", "64105", 15.0}, {"91000", "64105", 0.0},
      {"64105", "60606", 0.0},  {"91500", "95000", 12.5}, {"94189", "96163", 0.0},
  };
  for (const auto& [origin, destination, amount] : cases) {
    const ListAmount surcharge = GetCaliforniaSurcharge(tmp.dir(), origin, destination);
    EXPECT_DOUBLE_EQ(surcharge.amount, amount) << origin << " " << destination;
    EXPECT_TRUE(surcharge.ok()) << surcharge.fault;
  }
}

TEST(SpecialPoints, CanadianAndMexicanPointsNeverMatchTheZipLists) {
  ScratchDir tmp;
  // Ranges that a careless numeric key would hit: 0 for Canada, 90210 for "90210M".
  WriteRanges(tmp, kCaliforniaFileName, kCaliforniaRecordLength, {{0, 10}, {90001, 96162}},
              {5.0, 10.0});
  WriteRanges(tmp, kNewYorkCityFileName, kNewYorkCityRecordLength, {{0, 10}, {10001, 10499}});
  for (const char* code : {"V6B1A1", "M5V3L9", "90210M", "10001M", "100M"}) {
    EXPECT_DOUBLE_EQ(GetCaliforniaSurcharge(tmp.dir(), code, code).amount, 0.0) << code;
    EXPECT_FALSE(IsNewYorkCityPoint(tmp.dir(), code)) << code;
  }
  EXPECT_DOUBLE_EQ(GetCaliforniaSurcharge(tmp.dir(), "M5V3L9", "90210").amount, 10.0);
}

TEST(IsNewYorkCityPoint, EveryRangeFromItsLowToItsHighEnd) {
  ScratchDir tmp;
  const std::vector<std::pair<std::int32_t, std::int32_t>> ranges = {
      {10001, 10282}, {10301, 10314}, {10451, 10475}, {11004, 11005},
      {11101, 11106}, {11201, 11256}, {11351, 11697}};
  WriteRanges(tmp, kNewYorkCityFileName, kNewYorkCityRecordLength, ranges);
  for (const auto& [low, high] : ranges) {
    EXPECT_TRUE(IsNewYorkCityPoint(tmp.dir(), std::to_string(low))) << low;
    EXPECT_TRUE(IsNewYorkCityPoint(tmp.dir(), std::to_string(high))) << high;
    EXPECT_FALSE(IsNewYorkCityPoint(tmp.dir(), std::to_string(high + 1))) << high + 1;
    EXPECT_FALSE(IsNewYorkCityPoint(tmp.dir(), std::to_string(low - 1))) << low - 1;
  }
}

TEST(SpecialPointLists, MissingAndEmptyFilesFindNothingAndSayNothing) {
  ScratchDir tmp;
  for (const bool created : {false, true}) {
    if (created)
      for (const char* name :
           {kRuralFileName, kNewYorkCityFileName, kCaliforniaFileName, kHighCostFileName})
        tmp.Put(name, "");
    std::string fault;
    EXPECT_FALSE(IsRuralPoint(tmp.dir(), "30303", &fault));
    EXPECT_FALSE(IsNewYorkCityPoint(tmp.dir(), "10001", &fault));
    EXPECT_EQ(fault, "");
    for (const ListAmount& amount : {GetCaliforniaSurcharge(tmp.dir(), "90001", "90001"),
                                     GetHighCostFee(tmp.dir(), "59101", "64105", 4000)}) {
      EXPECT_DOUBLE_EQ(amount.amount, 0.0);
      EXPECT_EQ(amount.fault, "");
    }
  }
}

TEST(ZipRangeLists, ShortAndDamagedListsAreReportedByNameAndChargeNothing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  // cut: bytes left off the end
  using Case = std::tuple<const char*, std::vector<std::pair<std::int32_t, std::int32_t>>,
                          std::vector<double>, std::size_t>;
  const Case cases[] = {
      {"half a record", {{90001, 96162}}, {10.0}, 8},
      {"a NaN surcharge", {{90001, 96162}}, {nan}, 0},
      {"an infinite surcharge", {{90001, 96162}}, {inf}, 0},
      {"a surcharge of 1e132", {{90001, 96162}}, {1e132}, 0},
      {"a negative surcharge", {{90001, 96162}}, {-12.5}, 0},
      {"bounds beyond any ZIP", {{INT32_MIN, INT32_MAX}}, {10.0}, 0},
      {"bounds out of order", {{96162, 90001}}, {10.0}, 0},
  };
  for (const auto& [what, ranges, amounts, cut] : cases) {
    ScratchDir tmp;
    WriteRanges(tmp, kCaliforniaFileName, kCaliforniaRecordLength, ranges, amounts);
    WriteRanges(tmp, kNewYorkCityFileName, kNewYorkCityRecordLength, ranges);
    if (cut > 0) {
      const auto bytes = base::FileToString(tmp.dir().resolve(kCaliforniaFileName));
      tmp.Put(kCaliforniaFileName, bytes.substr(0, bytes.size() - cut));
      tmp.Put(kNewYorkCityFileName, bytes.substr(0, 4));
    }
    const ListAmount surcharge = GetCaliforniaSurcharge(tmp.dir(), "90001", "64105");
    EXPECT_DOUBLE_EQ(surcharge.amount, 0.0) << what;
    EXPECT_NE(surcharge.fault.find("CA_Pnts.dat"), std::string::npos) << what;
    const bool rangeDamage = cut > 0 || ranges[0].first > ranges[0].second || ranges[0].first < 0;
    std::string fault;
    IsNewYorkCityPoint(tmp.dir(), "90001", &fault);
    EXPECT_EQ(fault.find("NYCPts.dat") != std::string::npos, rangeDamage) << what << fault;
  }
  // Garbage bytes: the search ends, no crash.
  ScratchDir tmp;
  tmp.Put(kNewYorkCityFileName, std::string(8 * 5, '\xff'));
  std::string fault;
  EXPECT_FALSE(IsNewYorkCityPoint(tmp.dir(), "10001", &fault));
  EXPECT_NE(fault, "");
}

}  // namespace
}  // namespace tarvex::geo
