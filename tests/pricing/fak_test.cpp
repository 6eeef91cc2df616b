#include "pricing/fak.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <tuple>

#include "base/files.h"
#include "support/program_dir.h"

namespace tarvex::pricing {
namespace {

namespace fs = std::filesystem;

class FakFile : public testing::ProgramDirTest {
 protected:
  fs::path file_ = dir_ / "FAK.dat";
  ClassTable classes_ = StandardClassTable();
};

TEST_F(FakFile, SavingAChangeSwitchesSubstitutionOnAndBackOff) {
  FakState state;
  state.FakTable = classes_;
  ASSERT_TRUE(WriteFakTable(file_, classes_, state));
  EXPECT_EQ(state.FakInEffect, 'N');
  EXPECT_EQ(base::FileLength(file_), 36);

  state.FakTable[8] = 85;  // class 100 rated as 85
  ASSERT_TRUE(WriteFakTable(file_, classes_, state));
  EXPECT_EQ(state.FakInEffect, 'Y');
  FakState read;
  ASSERT_EQ(ReadFakTable(file_, classes_, read), FakReadStatus::Ok);
  EXPECT_EQ(read.FakInEffect, 'Y');
  EXPECT_EQ(read.FakTable[8], 85);

  read.FakTable[8] = 100;
  ASSERT_TRUE(WriteFakTable(file_, classes_, read));
  EXPECT_EQ(read.FakInEffect, 'N');
}

TEST_F(FakFile, MissingOrShortFileLeavesSubstitutionOff) {
  FakState state;
  state.FakInEffect = 'Y';
  EXPECT_EQ(ReadFakTable(file_, classes_, state), FakReadStatus::Missing);
  EXPECT_EQ(state.FakInEffect, 'N');
  EXPECT_EQ(state.FakTable, classes_);
  Put("FAK.dat", std::string(20, '\x55'));
  EXPECT_EQ(ReadFakTable(file_, classes_, state), FakReadStatus::Short);
  EXPECT_EQ(state.FakInEffect, 'N');
}

TEST_F(FakFile, AnEntryThatIsNoClassLeavesSubstitutionOffAndIsNamed) {
  for (const int entry : {0, -1, 30000, 90, 32767}) {
    FakState state;
    state.FakTable = classes_;
    state.FakTable[3] = 50;  // a sound substitution beside the damaged one
    state.FakTable[8] = static_cast<std::int16_t>(entry);
    ASSERT_TRUE(WriteFakTable(file_, classes_, state));
    FakState read;
    std::string fault;
    EXPECT_EQ(ReadFakTable(file_, classes_, read, &fault), FakReadStatus::Damaged) << entry;
    EXPECT_EQ(read.FakInEffect, 'N');
    EXPECT_EQ(read.FakTable, classes_);
    EXPECT_NE(fault.find("record 9 (class 100) holds " + std::to_string(entry)), std::string::npos)
        << fault;
  }
}

TEST(FakClassOf, FindsTheSubstituteAndNormalisesHalfClasses) {
  const ClassTable classes = StandardClassTable();
  FakState state;
  state.FakTable = classes;
  state.FakTable[7] = 70;  // 92.5 rated as 70
  // The class typed, its substitute, and the text the box is left holding.
  const std::tuple<const char*, std::optional<std::int16_t>, const char*> cases[] = {
      {"92.5", 70, "92"}, {" 77.5", 77, "77"}, {"90", std::nullopt, "90"}, {"", std::nullopt, ""}};
  for (const auto& [typed, substitute, shown] : cases) {
    std::string text = typed;
    EXPECT_EQ(FakClassOf(text, classes, state), substitute) << typed;
    EXPECT_EQ(text, shown) << typed;
  }
  EXPECT_EQ(ClassText(classes[5]), "77");
}

}  // namespace
}  // namespace tarvex::pricing
