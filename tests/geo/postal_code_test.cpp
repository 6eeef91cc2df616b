#include "geo/postal_code.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/program_dir.h"

namespace tarvex::geo {
namespace {

using ScratchDir = testing::ScratchDir;

TEST(ValidatePostalCode, AcceptsTheFiveFormsAndNothingElse) {
  const std::pair<const char*, bool> cases[] = {
      {"30303", true},    {"303", true},     {"A1B2C3", true},   {"12345M", true},  {"123M", true},
      {"A1B2C3D", true},  {"A1B", false},    {"000", false},     {"00000", false},  {"1234", false},
      {"123456", false},  {"1234M", false},  {"A1B 2C3", false}, {"a1b2c3", false}, {"", false},
      {"12345MM", false}, {"M", false},      {"1A2B3C", false},  {"A1B2C", false},  {"12", false},
      {"A11B2C", false},  {"12345m", false}, {"005", true},      {"00501", true},
  };
  for (const auto& [code, valid] : cases) EXPECT_EQ(ValidatePostalCode(code), valid) << code;
}

TEST(PostalCountry, FollowsTheLeadingDigitsAndTheTrailingM) {
  const std::pair<const char*, const char*> cases[] = {
      {"30303", "US"}, {"303", "US"},    {"A1B2C3", "CN"},   {"12345M", "MX"},
      {"123M", "MX"},  {"00000M", "CN"}, {"  M5V3L9", "CN"}, {"06390M ", "MX"},
  };
  for (const auto& [code, country] : cases)
    EXPECT_STREQ(CountryCode(PostalCountry(code)), country) << code;
}

TEST(FilterPostalCodeKey, KeysPassOnlyWhereTheyContinueACode) {
  struct Case {
    const char* text;
    int selLength;
    int key;
    int expected;  // 0: dropped
  };
  // clang-format off
  const Case cases[] = {
      // Editing keys always pass.
      {"", 0, 8, 8}, {"A1B2C3", 0, 9, 9}, {"12345M", 6, 13, 13},
      // A key that replaces the whole text.
      {"", 0, 'a', 'A'}, {"", 0, '7', '7'}, {"30303", 5, 'a', 'A'}, {"30303", 5, '-', 0},
      {"30303", 5, ' ', 0}, {"A1B2C3", 6, 'm', 'M'}, {"A1B2C3", 6, '4', '4'},
      // US and Mexican codes; upper-casing is the quote window's business, not the filter's,
      // and a part of the text selected still appends at the end.
      {"3", 0, '0', '0'}, {"3030", 0, '3', '3'}, {"3030", 0, 'M', 0}, {"3030", 0, 'x', 0},
      {"12345", 0, 'M', 'M'}, {"12345", 0, 'm', 0}, {"12345", 0, '6', 0},
      {"12345M", 0, 'M', 'M'}, {"123", 2, '4', '4'},
      // Canadian codes; a lower-case first letter still means one, and so does a letter
      // typed after blanks.
      {"A", 0, '1', '1'}, {"A", 0, 'B', 0}, {"a", 0, '1', '1'}, {"A1", 0, 'b', 'B'},
      {"A1", 0, 'B', 'B'}, {"A1", 0, '2', 0}, {"A1B", 0, '2', '2'}, {"A1B2C", 0, '3', '3'},
      {"A1B2C", 0, 'D', 0}, {"A1B2C3", 0, 'D', 0}, {"A1B2C3", 0, '4', 0}, {"  ", 0, 'k', 'K'},
      {"  ", 0, '5', '5'}, {"  ", 0, '-', 0}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(FilterPostalCodeKey(c.text, c.selLength, c.key), c.expected)
        << "text '" << c.text << "' sel " << c.selLength << " key " << c.key;
}

TEST(ProvinceFromPostalCode, FollowsTheTableInItsOrder) {
  const std::pair<const char*, const char*> cases[] = {
      {"K1A0B1", "ON"}, {"H2X1Y4", "PQ"}, {"X0A0H0", "NT"}, {"D0A1A1", ""},    {"T0A", "AB"},
      {"T9Z9Z9", "AB"}, {"M5V3L9", "ON"}, {"P9Z", "ON"},    {"J9Z", "PQ"},     {"G0A", "PQ"},
      {"V6B", "BC"},    {"R3C", "MB"},    {"E1C", "NB"},    {"A1B2C3", "NF"},  {"B3H", "NS"},
      {"C1A", "PE"},    {"S4P", "SK"},    {"Y1A", "YT"},    {" L5N2X2", "ON"}, {"Z0A", ""},
      {"", ""},         {"K", ""},
  };
  for (const auto& [code, province] : cases)
    EXPECT_EQ(ProvinceFromPostalCode(code), province) << code;
}

class StateFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string bytes(999 * kStateRecordLength, ' ');
    const auto put = [&](int prefix, const char* state) {
      bytes.replace(static_cast<std::size_t>(prefix - 1) * kStateRecordLength, 2, state);
    };
    put(5, "NY");
    put(303, "GA");
    put(641, "MO");
    put(999, "AK");
    tmp_.Put("state.dat", bytes);
  }
  ScratchDir tmp_;
};

TEST_F(StateFileTest, RecordNumberIsThePrefixValue) {
  for (const auto& [prefix, state] : std::vector<std::pair<int, const char*>>{
           {303, "GA"}, {5, "NY"}, {999, "AK"}, {4, ""}, {0, ""}, {1000, ""}})
    EXPECT_EQ(StateFromZipPrefix(tmp_.dir(), prefix), state) << prefix;
  // A blank record is an unassigned prefix, not damage.
  std::string fault;
  EXPECT_EQ(StateFromZipPrefix(tmp_.dir(), 4, &fault), "");
  EXPECT_EQ(fault, "");
}

TEST_F(StateFileTest, StateOfAPointByCountry) {
  const std::pair<const char*, const char*> cases[] = {
      {"30303", "GA"},  {"303", "GA"},    {"00501", "NY"}, {"64105", "MO"},
      {"06390M", "MX"}, {"M5V3L9", "ON"}, {"D0A1A1", ""},
  };
  for (const auto& [code, state] : cases) EXPECT_EQ(StateOfPoint(tmp_.dir(), code), state) << code;
}

// A table that cannot tell a state gives none and says why, naming the file, so that two
// points without a state are never priced as one state's intrastate lane.
TEST(StateFromZipPrefix, MissingShortAndDamagedTablesAreReported) {
  // No bytes: no file.
  const std::tuple<const char*, std::optional<std::string>, std::int64_t, const char*> cases[] = {
      {"no file", std::nullopt, 303, "is missing, so the state of ZIP prefix 303"},
      {"empty", "", 1, "ends before the record of ZIP prefix 001"},
      {"short", "NY NJ PA ", 303, "ends before the record of ZIP prefix 303"},
      {"partial last record", "NY NJ P", 2, "ends in a partial record"},
      {"lower case", "NY nj PA ", 2, "the record of ZIP prefix 002 holds no state"},
      {"control byte", std::string("NY N\x0f PA ", 9), 2, "holds no state"},
  };
  for (const auto& [what, bytes, prefix, said] : cases) {
    ScratchDir tmp;
    if (bytes) tmp.Put("state.dat", *bytes);
    std::string fault;
    EXPECT_EQ(StateFromZipPrefix(tmp.dir(), prefix, &fault), "") << what;
    EXPECT_NE(fault.find("state.dat"), std::string::npos) << what;
    EXPECT_NE(fault.find(said), std::string::npos) << what << ": " << fault;
    std::string pointFault;
    EXPECT_EQ(StateOfPoint(tmp.dir(), std::to_string(prefix + 1000).substr(1) + "01", &pointFault),
              "");
    EXPECT_EQ(pointFault, fault) << what;
  }
}

TEST(CheckZipCombination, AnyRecordCoveringBothSidesAllowsTheLane) {
  ScratchDir tmp;
  // Digits sort before letters, so one record can span US and Canadian prefixes.
  tmp.Put("zipval.dat",
          "640658"
          "600629"
          "300399"
          "M0AM9Z"
          "A0AY9Z"
          "005999");
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"641", "606", true},  {"640", "629", true},  {"658", "600", true},  {"659", "606", false},
      {"641", "630", false}, {"303", "M5V", true},  {"303", "K1A", false}, {"A1B", "123", true},
      {"303", "303", false}, {"A1B", "Z0A", false},
  };
  for (const auto& [origin, destination, allowed] : cases)
    EXPECT_EQ(CheckZipCombination(tmp.dir(), origin, destination), allowed)
        << origin << " -> " << destination;
}

TEST(CheckZipCombination, MissingEmptyShortAndCorruptFilesAllowNothingBeyondWholeRecords) {
  ScratchDir tmp;
  EXPECT_FALSE(CheckZipCombination(tmp.dir(), "641", "606"));
  tmp.Put("zipval.dat", "");
  EXPECT_FALSE(CheckZipCombination(tmp.dir(), "641", "606"));
  tmp.Put("zipval.dat", "640658600");  // a record cut short is not read
  EXPECT_FALSE(CheckZipCombination(tmp.dir(), "641", "606"));
  tmp.Put("zipval.dat", std::string("\0\xff\x01garbage!!!", 12) + "640658600629");
  EXPECT_TRUE(CheckZipCombination(tmp.dir(), "641", "606"));
}

}  // namespace
}  // namespace tarvex::geo
