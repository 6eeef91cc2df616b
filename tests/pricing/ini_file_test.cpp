#include "pricing/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "base/files.h"
#include "support/program_dir.h"

namespace tarvex::pricing {
namespace {

namespace fs = std::filesystem;
using IniFile = testing::ProgramDirTest;

// Cases of the classic private-profile reader as its documentation describes it: names
// match without regard to case, values come back without surrounding blanks or enclosing
// quotes, a missing key gives the default without its trailing blanks, and a value longer
// than the buffer is cut to the buffer less its terminating NUL. Every case reads Key of [Sec].
TEST_F(IniFile, ReadsValuesAsTheClassicReaderDoes) {
  const std::pair<std::string, std::string> cases[] = {
      {"[Sec]\r\nKey=True\r\n", "True"},
      {"[SEC]\r\nKey=True\r\n", "True"},  // section name in another case
      {"[Sec]\r\nKEY=True\r\n", "True"},  // key name in another case
      {"[Sec]\r\n  Key  =   True  \r\n", "True"},
      {"[Sec]\r\nKey=\tTrue\t\r\n", "True"},
      {"[Sec]\r\nKey=\" 12.50 \"\r\n", " 12.50 "},
      {"[Sec]\r\nKey='12.50'\r\n", "12.50"},
      {"[Sec]\r\nKey=\"12.50\r\n", "\"12.50"},  // a quote on one side only stays
      {"[Sec]\r\nKey=a=b\r\n", "a=b"},
      {"[Sec]\r\nKey=\r\n", ""},         // an empty value is not the default
      {"[Sec]\r\nOther=1\r\n", "dflt"},  // the default without its trailing blanks
      {"[Other]\r\nKey=1\r\n", "dflt"},  // a missing section
      {"[Other]\r\nKey=1\r\n[Sec]\r\n", "dflt"},
      {"Key=1\r\n[Sec]\r\n", "dflt"},          // a key before any section
      {"[Sec]\r\n[CA]\r\nKey=1\r\n", "dflt"},  // the section ends at the next header
      {"[Sec]\nKey=12.5\n", "12.5"},
      {"[Sec]\r\nKey=7", "7"},  // the last line without a line end
      {"[Sec]\r\nKey=Caf\xe9 \x93Q\x94\r\n", "Caf\xe9 \x93Q\x94"},
      {"[Sec]\r\nKey=" + std::string(300, 'x') + "\r\n", std::string(254, 'x')},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(ReadIniValue("Sec", "Key", Put("d12345.ini", text), "dflt  "), expected) << text;
}

TEST_F(IniFile, MissingFileGivesTheDefaultAndCreatesNothing) {
  const auto file = dir_ / "d99999.ini";
  EXPECT_EQ(ReadIniValue("Discounts", "optRates", file, ""), "");
  EXPECT_EQ(ReadIniValue("Discounts", "optRates", file, "False "), "False");
  EXPECT_FALSE(fs::exists(file));
}

TEST_F(IniFile, ListsSectionNamesInFileOrder) {
  const auto file = Put("d30303.ini", "; set\r\n[Discounts]\r\na=1\r\n  [ GA ]\r\n[MO]\n");
  EXPECT_EQ(ReadIniSectionNames(file), (std::vector<std::string>{"Discounts", "GA", "MO"}));
  EXPECT_TRUE(ReadIniSectionNames(dir_ / "d1.ini").empty());
}

TEST(TrimAtNul, CutsAtTheFirstNulOrTrimsTheWholeText) {
  using namespace std::string_literals;
  EXPECT_EQ(TrimAtNul("12.50\0\0\0"s), "12.50");
  EXPECT_EQ(TrimAtNul(" 12.50 \0x"s), " 12.50 ");
  EXPECT_EQ(TrimAtNul("  12.50  "), "12.50");
  EXPECT_EQ(TrimAtNul("\0 x "s), "\0 x"s);
  EXPECT_EQ(TrimAtNul(""), "");
}

// Cases of the classic writer: a new file holds the section and the key, a new key joins the
// end of its section, a new section the end of the file, an existing key is replaced where it
// stands, and every other line is left exactly as it was. Without a key, the value is a whole
// section's text, written where the section stands or else at the end.
TEST_F(IniFile, WritesKeysWhereTheClassicWriterPutsThem) {
  const std::string head = "[Discounts]\r\noptState=True\r\n\r\n";
  const std::string ny = "[NY]\r\nOutboundDirectFloor=1\r\n";
  // The file before, the section, the key (none: a whole section), the value, the file after.
  using Case = std::tuple<std::string, const char*, const char*, std::string, std::string>;
  const Case cases[] = {
      {"", "Discounts", "optRates", "True", "[Discounts]\r\noptRates=True\r\n"},
      // A new key at the end of its section, before the blank lines that end it.
      {"[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "A", "z", "3", "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n"},
      {"[A]\r\nx=1\r\n\r\n[B]\r\n", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\n"},
      {"[A]\r\n[B]\r\ny=2\r\n", "a", "x", "1", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      // An existing key replaced in place, found without regard to case.
      {"[A]\r\nx=1\r\ny=2\r\nz=3\r\n", "A", "y", "9", "[A]\r\nx=1\r\ny=9\r\nz=3\r\n"},
      {"[Discounts]\r\n  OptRates = False\r\n", "DISCOUNTS", "optrates", "True",
       "[Discounts]\r\nOptRates=True\r\n"},
      // A new section at the end, also after a last line unterminated or ending in a bare CR.
      {"[A]\r\nx=1\r\n", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"[A]\r\nx=1", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
      {"[A]\r\nx=1\r", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
      {"[A]\r\nx=1\r", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"[A]\r", "A", "x", "1", "[A]\r\nx=1\r\n"},
      {"[A]\r\nx=1\r\n", "A", "x", "", "[A]\r\nx=\r\n"},
      // Only the first of two equal sections is touched.
      {"[A]\r\nx=1\r\n[a]\r\nx=2\r\n", "A", "x", "5", "[A]\r\nx=5\r\n[a]\r\nx=2\r\n"},
      // Whole sections: into a new file, rewritten where they stand, or added at the end.
      {"", "AZ", nullptr, "F=12.5\r\nL=40", "[AZ]\r\nF=12.5\r\nL=40\r\n"},
      {head + "[ca]\r\nF=9\r\n; old\r\nStray=1\r\n\r\n" + ny, "CA", nullptr, "F=0\r\nL=0",
       head + "[ca]\r\nF=0\r\nL=0\r\n\r\n" + ny},
      {head, "TX", nullptr, std::string("A=1\0B=2\0\0", 9), head + "[TX]\r\nA=1\r\nB=2\r\n"},
      {"[TX]\r\nL=40\r", "CA", nullptr, "L=35", "[TX]\r\nL=40\r\n[CA]\r\nL=35\r\n"},
      {"[TX]\r", "TX", nullptr, "L=40", "[TX]\r\nL=40\r\n"},
  };
  for (const auto& [before, section, key, value, after] : cases) {
    const auto file = dir_ / "d12345.ini";
    fs::remove(file);
    if (!before.empty()) Put("d12345.ini", before);
    ASSERT_TRUE(key ? WriteIniValue(section, key, value, file)
                    : WriteIniSection(section, value, file))
        << before;
    EXPECT_EQ(base::FileToString(file), after) << before << " + [" << section << "]";
  }
}

TEST_F(IniFile, OtherLinesAndCommentsSurviveAWriteByteForByte) {
  const std::string head =
      "; Kestrel Ridge customer set\r\n"
      "\r\n"
      "[Discounts]\r\n"
      "cboKeyZip=64120\r\n"
      "; floors agreed 2026-11\n"
      "  txtOutboundInterstateDirectFloor =\t85 \r\n";
  const std::string tail =
      "txtNote=Caf\xe9\r\n"
      "\r\n"
      "[CA]\n"
      "OutboundDirectFloor=0\n"
      "odd line without equals\r\n";
  const auto file = Put("d64120.ini", head + "optRates=False\r\n" + tail);
  ASSERT_TRUE(WriteIniValue("Discounts", "optRates", "True", file));
  EXPECT_EQ(base::FileToString(file), head + "optRates=True\r\n" + tail);
  ASSERT_TRUE(WriteIniValue("Discounts", "optCharges", "False", file));
  EXPECT_EQ(base::FileToString(file),
            head + "optRates=True\r\n" + "txtNote=Caf\xe9\r\n" + "optCharges=False\r\n" +
                "\r\n[CA]\nOutboundDirectFloor=0\nodd line without equals\r\n");
}

TEST_F(IniFile, WritesThatWouldBreakTheFileAreRefusedAndChangeNothing) {
  const std::string before = "[Discounts]\r\noptRates=True\r\n";
  const auto file = Put("d12345.ini", before);
  std::string error;
  EXPECT_FALSE(WriteIniValue("Discounts", "txtA", "1\r\n[CA]", file, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(WriteIniValue("Discounts", "a=b", "1", file));
  EXPECT_FALSE(WriteIniValue("Disc]ounts", "a", "1", file));
  EXPECT_FALSE(WriteIniValue("", "a", "1", file));
  EXPECT_FALSE(WriteIniValue("Discounts", " ", "1", file));
  EXPECT_FALSE(WriteIniSection("CA", "A=1\r\n[Discounts]\r\noptRates=False", file));
  EXPECT_EQ(base::FileToString(file), before);
}

TEST_F(IniFile, UnwritableTargetReportsFailureAndLeavesNoTemporaryFile) {
  // A directory where the set file should be: it cannot be read, so it is never replaced.
  fs::create_directories(dir_ / "d12345.ini");
  std::string error;
  EXPECT_FALSE(WriteIniValue("Discounts", "optRates", "True", dir_ / "d12345.ini", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(fs::is_directory(dir_ / "d12345.ini"));
  // A folder that does not exist cannot take the file.
  EXPECT_FALSE(WriteIniValue("Discounts", "optRates", "True", dir_ / "no" / "d1.ini"));
  for (const auto& entry : fs::directory_iterator(dir_))
    EXPECT_EQ(entry.path().filename(), "d12345.ini");
}

}  // namespace
}  // namespace tarvex::pricing
