#include "pricing/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
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
// than the buffer is cut to the buffer less its terminating NUL.
struct ReadCase {
  const char* what;
  std::string file;
  const char* section;
  const char* key;
  const char* defaultValue;
  std::string expected;
};

TEST_F(IniFile, ReadsValuesAsTheClassicReaderDoes) {
  const std::string longValue(300, 'x');
  const ReadCase cases[] = {
      {"plain value", "[Discounts]\r\noptRates=True\r\n", "Discounts", "optRates", "", "True"},
      {"section name in another case", "[DISCOUNTS]\r\noptRates=True\r\n", "discounts", "optRates",
       "", "True"},
      {"key name in another case", "[Discounts]\r\nOPTRATES=True\r\n", "Discounts", "optrates", "",
       "True"},
      {"blanks around key and value", "[Discounts]\r\n  optRates  =   True  \r\n", "Discounts",
       "optRates", "", "True"},
      {"tabs around the value", "[Discounts]\r\noptRates=\tTrue\t\r\n", "Discounts", "optRates", "",
       "True"},
      {"value in double quotes", "[Discounts]\r\ntxtA=\" 12.50 \"\r\n", "Discounts", "txtA", "",
       " 12.50 "},
      {"value in single quotes", "[Discounts]\r\ntxtA='12.50'\r\n", "Discounts", "txtA", "",
       "12.50"},
      {"quote on one side only", "[Discounts]\r\ntxtA=\"12.50\r\n", "Discounts", "txtA", "",
       "\"12.50"},
      {"value holding '='", "[Discounts]\r\ntxtA=a=b\r\n", "Discounts", "txtA", "", "a=b"},
      {"empty value is not the default", "[Discounts]\r\ntxtA=\r\n", "Discounts", "txtA", "dflt",
       ""},
      {"missing key gives the default", "[Discounts]\r\ntxtA=1\r\n", "Discounts", "txtB", "dflt",
       "dflt"},
      {"trailing blanks of the default stripped", "[Discounts]\r\n", "Discounts", "txtB", "dflt   ",
       "dflt"},
      {"missing section gives the default", "[Other]\r\ntxtA=1\r\n", "Discounts", "txtA", "d", "d"},
      {"key of another section not taken", "[Other]\r\ntxtA=1\r\n[Discounts]\r\ntxtB=2\r\n",
       "Discounts", "txtA", "", ""},
      {"key before any section not taken", "txtA=1\r\n[Discounts]\r\n", "Discounts", "txtA", "",
       ""},
      {"section ends at the next header", "[Discounts]\r\n[CA]\r\ntxtA=1\r\n", "Discounts", "txtA",
       "", ""},
      {"LF line ends", "[CA]\nOutboundDirectLTL=12.5\n", "CA", "OutboundDirectLTL", "", "12.5"},
      {"last line without line end", "[CA]\r\nOutboundDirectLTL=7", "CA", "OutboundDirectLTL", "",
       "7"},
      {"single-byte text kept byte for byte", "[Discounts]\r\ntxtName=Caf\xe9 \x93Q\x94\r\n",
       "Discounts", "txtName", "", "Caf\xe9 \x93Q\x94"},
      {"300 characters come back as 254", "[Discounts]\r\ntxtA=" + longValue + "\r\n", "Discounts",
       "txtA", "", std::string(254, 'x')},
  };
  for (const auto& c : cases) {
    const auto file = Put("d12345.ini", c.file);
    EXPECT_EQ(ReadIniValue(c.section, c.key, file, c.defaultValue), c.expected) << c.what;
  }
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
// stands, and every other line is left exactly as it was.
struct WriteCase {
  const char* what;
  std::string before;
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

TEST_F(IniFile, WritesKeysWhereTheClassicWriterPutsThem) {
  const WriteCase cases[] = {
      {"new file", "", "Discounts", "optRates", "True", "[Discounts]\r\noptRates=True\r\n"},
      {"new key at the end of its section", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "A", "z", "3",
       "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n"},
      {"new key before the blank lines that end its section", "[A]\r\nx=1\r\n\r\n[B]\r\n", "A", "y",
       "2", "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\n"},
      {"new key in a section that has none", "[A]\r\n[B]\r\ny=2\r\n", "a", "x", "1",
       "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"existing key replaced in place", "[A]\r\nx=1\r\ny=2\r\nz=3\r\n", "A", "y", "9",
       "[A]\r\nx=1\r\ny=9\r\nz=3\r\n"},
      {"existing key found without regard to case", "[Discounts]\r\n  OptRates = False\r\n",
       "DISCOUNTS", "optrates", "True", "[Discounts]\r\nOptRates=True\r\n"},
      {"new section at the end of the file", "[A]\r\nx=1\r\n", "B", "y", "2",
       "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"new section after an unterminated last line", "[A]\r\nx=1", "B", "y", "2",
       "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"new key after an unterminated last line", "[A]\r\nx=1", "A", "y", "2",
       "[A]\r\nx=1\r\ny=2\r\n"},
      {"new key after a last line ending in a bare CR", "[A]\r\nx=1\r", "A", "y", "2",
       "[A]\r\nx=1\r\ny=2\r\n"},
      {"new section after a last line ending in a bare CR", "[A]\r\nx=1\r", "B", "y", "2",
       "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"new key under a header ending in a bare CR", "[A]\r", "A", "x", "1", "[A]\r\nx=1\r\n"},
      {"empty value", "[A]\r\nx=1\r\n", "A", "x", "", "[A]\r\nx=\r\n"},
      {"only the first of two equal sections is touched", "[A]\r\nx=1\r\n[a]\r\nx=2\r\n", "A", "x",
       "5", "[A]\r\nx=5\r\n[a]\r\nx=2\r\n"},
  };
  for (const auto& c : cases) {
    const auto file = dir_ / "d12345.ini";
    fs::remove(file);
    if (!c.before.empty()) Put("d12345.ini", c.before);
    ASSERT_TRUE(WriteIniValue(c.section, c.key, c.value, file)) << c.what;
    EXPECT_EQ(base::FileToString(file), c.after) << c.what;
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

TEST_F(IniFile, SectionIsRewrittenWholeWhereItStands) {
  const std::string discounts = "[Discounts]\r\noptState=True\r\n\r\n";
  const std::string ny = "[NY]\r\nOutboundDirectFloor=1\r\n";
  const auto file = Put(
      "d12345.ini", discounts + "[ca]\r\nOutboundDirectFloor=9\r\n; old\r\nStray=1\r\n\r\n" + ny);
  const std::string eight =
      "OutboundDirectFloor=0\r\nOutboundDirectLTL=0\r\nOutboundInterlineFloor=0\r\n"
      "OutboundInterlineLTL=0\r\nInboundDirectFloor=0\r\nInboundDirectLTL=0\r\n"
      "InboundInterlineFloor=0\r\nInboundInterlineLTL=0";
  ASSERT_TRUE(WriteIniSection("CA", eight, file));
  EXPECT_EQ(base::FileToString(file), discounts + "[ca]\r\n" + eight + "\r\n\r\n" + ny);
  EXPECT_EQ(ReadIniValue("CA", "InboundInterlineLTL", file, ""), "0");
  EXPECT_EQ(ReadIniValue("CA", "Stray", file, ""), "");

  // A section not yet in the file goes at its end; NUL-separated lines are taken as well.
  ASSERT_TRUE(WriteIniSection("TX", std::string("A=1\0B=2\0\0", 9), file));
  EXPECT_EQ(base::FileToString(file),
            discounts + "[ca]\r\n" + eight + "\r\n\r\n" + ny + "[TX]\r\nA=1\r\nB=2\r\n");
}

TEST_F(IniFile, ALastLineEndingInABareCrKeepsItsValueAfterWrites) {
  const auto file = Put("d12345.ini", "[Discounts]\r\noptRates=False\r");
  ASSERT_TRUE(WriteIniValue("Discounts", "optCharges", "True", file));
  EXPECT_EQ(ReadIniValue("Discounts", "optRates", file, ""), "False");
  EXPECT_EQ(ReadIniValue("Discounts", "optCharges", file, ""), "True");
  Put("d12345.ini", "[TX]\r\nOutboundDirectLTL=40\r");
  ASSERT_TRUE(WriteIniSection("CA", "OutboundDirectLTL=35", file));
  EXPECT_EQ(ReadIniValue("TX", "OutboundDirectLTL", file, ""), "40");
  EXPECT_EQ(ReadIniValue("CA", "OutboundDirectLTL", file, ""), "35");
  Put("d12345.ini", "[TX]\r");
  ASSERT_TRUE(WriteIniSection("TX", "OutboundDirectLTL=40", file));
  EXPECT_EQ(base::FileToString(file), "[TX]\r\nOutboundDirectLTL=40\r\n");
}

TEST_F(IniFile, SectionIntoAMissingFileCreatesIt) {
  const auto file = dir_ / "d0000.ini";
  ASSERT_TRUE(WriteIniSection("AZ", "OutboundDirectFloor=12.5\r\nOutboundDirectLTL=40", file));
  EXPECT_EQ(base::FileToString(file),
            "[AZ]\r\nOutboundDirectFloor=12.5\r\nOutboundDirectLTL=40\r\n");
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
