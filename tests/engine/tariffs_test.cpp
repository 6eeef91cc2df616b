// Tariff selection against small tariff lists written for each case.
#include "engine/tariffs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "support/program_dir.h"

namespace tarvex::engine {
namespace {

namespace fs = std::filesystem;
using ::testing::AllOf;
using ::testing::HasSubstr;

class TariffsTest : public testing::ProgramDirTest {
 protected:
  void SetUp() override {
    List(
        "USTARUS001 Interstate\r\nCDTARCD001 Transborder\r\nUMTARMX001 Mexico\r\n"
        "MOTARMO001Y\r\nTXTARTX001YTexas Intrastate Tariff\r\nILTARIL001 Illinois\r\n");
  }
  void List(const std::string& text) { std::ofstream(dir_ / "tariffs.dat") << text; }
  TariffSelection Select(const std::string& h7, const std::string& h9, const std::string& os,
                         const std::string& ds, bool answer = false) {
    record_.setText(H7, h7);
    record_.setText(H9, h9);
    asked_.clear();
    TariffRequest request{os, ds, false, nullptr, nullptr};
    request.ask = [this, answer](const std::string& q) {
      asked_.push_back(q);
      return answer;
    };
    return SelectTariff(programDir_, record_, request);
  }
  EngineRecord record_;
  std::vector<std::string> asked_;
};

TEST_F(TariffsTest, EachLaneTakesTheLastLineOfItsKind) {
  // The "CD" line also applies to a lane with a Canadian end; the later "CM" line wins it.
  List(
      "USTARUS001 Interstate\r\nCDTARCD001 Transborder\r\nUMTARMX001 Mexico\r\n"
      "CMTARCM001 Canada and Mexico\r\n");
  using Case = std::tuple<const char*, const char*, const char*>;
  const Case cases[] = {
      {"64120", "30303", "TARUS001"},
      {"64120", "M5V0A0", "TARCD001"},
      {"12345M", "64120", "TARMX001"},   // "UM" comes after "US" and wins
      {"", "", "TARUS001"},              // a blank lane takes the first line
      {"M5V3L9", "64000M", "TARCM001"},  // Toronto to Monterrey
      {"06600M", "H3B1A1", "TARCM001"},  // Mexico City to Montreal
      {"M5V3L9", "64120", "TARCD001"},   // Toronto to Kansas City: not Mexican
      {"64120", "64000M", "TARMX001"},   // Kansas City to Monterrey: not Canadian
      {"M5V3L9", "H3B1A1", "TARCD001"},  // both Canadian
  };
  for (const auto& [origin, destination, tariff] : cases) {
    EXPECT_TRUE(Select(origin, destination, "", "").ok);
    EXPECT_EQ(record_.trimmed(H4), tariff) << origin << " to " << destination;
    EXPECT_EQ(record_.text(H5), "N");
  }
  List("USFIRST001 \r\nUSSECOND01 \r\n");
  Select("64120", "30303", "MO", "GA");
  EXPECT_EQ(record_.trimmed(H4), "SECOND01");
}

TEST_F(TariffsTest, IntrastateQuestionAndCaption) {
  TariffSelection s = Select("64120", "63101", "MO", "MO", false);
  EXPECT_EQ(asked_, (std::vector<std::string>{"Use MO Intrastate Tariff?"}));
  EXPECT_EQ(record_.trimmed(H4), "TARUS001");  // No keeps the interstate tariff
  EXPECT_TRUE(s.intrastateCaption.empty());
  s = Select("75201", "77002", "TX", "TX", true);
  EXPECT_EQ(asked_, (std::vector<std::string>{"Use Texas Intrastate Tariff?"}));
  EXPECT_EQ(s.intrastateCaption, "Texas Intrastate Tariff");
  EXPECT_EQ(record_.trimmed(H4), "TARTX001");
  EXPECT_EQ(record_.text(H5), "Y");
  Select("60601", "62701", "IL", "IL");  // not flagged: taken without a question
  EXPECT_TRUE(asked_.empty());
  EXPECT_EQ(record_.trimmed(H4), "TARIL001");
}

TEST_F(TariffsTest, SilentModeUsesTheChosenStates) {
  ChosenStates chosen{};
  chosen[3] = "TX";
  record_.setText(H7, "75201");
  record_.setText(H9, "77002");
  TariffRequest request{"TX", "TX", true, &chosen, nullptr};
  SelectTariff(base::ProgramDir(dir_), record_, request);
  EXPECT_EQ(record_.trimmed(H4), "TARTX001");
  chosen[3] = "";
  SelectTariff(base::ProgramDir(dir_), record_, request);
  EXPECT_EQ(record_.trimmed(H4), "TARUS001");
}

TEST_F(TariffsTest, PointerFileOverridesWithInclusiveBounds) {
  std::ofstream(dir_ / "TARIPNTR.DAT") << "6000069999300003099 POINT001\r\n"
                                          "6412064120300003099 POINT002\r\n";
  Select("64120", "30303", "MO", "GA");
  EXPECT_EQ(record_.trimmed(H4), "POINT001");
  Select("70000", "30303", "LA", "GA");
  EXPECT_EQ(record_.trimmed(H4), "TARUS001");
}

TEST_F(TariffsTest, APointerLineCutBeforeItsTariffRefusesTheLaneByName) {
  for (const char* line :
       {"640006419966000", "6400064199660006799", "64000641996600067999        "}) {
    std::ofstream(dir_ / "taripntr.dat") << "\r\n" << line << "\r\n";
    const TariffSelection s = Select("30303", "64120", "GA", "MO");
    EXPECT_FALSE(s.ok) << line;
    EXPECT_THAT(s.error, AllOf(HasSubstr("taripntr.dat"), HasSubstr("line 2")));
    EXPECT_TRUE(record_.blank(H4));
  }
  // An empty pointer file overrides nothing, like a missing one.
  std::ofstream(dir_ / "taripntr.dat", std::ios::trunc).close();
  EXPECT_TRUE(Select("64120", "30303", "MO", "GA").ok);
  EXPECT_EQ(record_.trimmed(H4), "TARUS001");
}

TEST_F(TariffsTest, MissingShortOddAndEmptyListsRefuseTheLaneByName) {
  using Case = std::tuple<const char*, const char*>;
  const Case cases[] = {
      {"U\r\n\r\nUS\r\nUSX", "line 1 is not a kind and a tariff name"},
      {"USTARUS001 Interstate\r\nUS\r\n", "line 2 is not a kind and a tariff name"},
      {"U\x13TARUS001 Interstate\r\n", "line 1 is not"},
      {"", "is empty"},
      {"\r\n   \r\n", "is empty"},
      {nullptr, "tariffs.dat"},  // missing
  };
  for (const auto& [list, said] : cases) {
    if (list)
      List(list);
    else
      fs::remove(dir_ / "tariffs.dat");
    const TariffSelection s = Select("64120", "30303", "MO", "GA");
    EXPECT_FALSE(s.ok) << said;
    EXPECT_THAT(s.error, AllOf(HasSubstr("tariffs.dat"), HasSubstr(said)));
    EXPECT_TRUE(record_.blank(H4));
  }
  // Blank lines and lines of other kinds around sound ones are no damage.
  List("\r\nUSX\r\n\r\n");
  EXPECT_TRUE(Select("64120", "30303", "MO", "GA").ok);
  EXPECT_EQ(record_.trimmed(H4), "X");
}

}  // namespace
}  // namespace tarvex::engine
