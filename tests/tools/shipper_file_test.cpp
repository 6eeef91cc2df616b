// shipper.dat: what is saved reads back the same, or is refused with a message.
#include "tools/shipper_file.h"

#include <gtest/gtest.h>

#include <random>

#include "base/files.h"
#include "support/program_dir.h"

namespace tarvex::tools {
namespace {

class ShipperFile : public testing::ProgramDirTest {};

// Any eight fields: saved and read back unchanged, or refused with a message and no file
// written. The characters are drawn mostly from the ones that matter to the format.
TEST_F(ShipperFile, AnyEightFieldsSurviveASaveOrAreRefused) {
  std::mt19937 random(20261207);
  const auto file = dir_ / kShipperFileName;
  int refused = 0;
  for (int round = 0; round < 500; ++round) {
    ShipperFields fields;
    for (std::string& field : fields) {
      const int length = std::uniform_int_distribution<int>(0, 12)(random);
      for (int i = 0; i < length; ++i) {
        const int pick = std::uniform_int_distribution<int>(0, 99)(random);
        field += pick == 0   ? '\n'
                 : pick < 10 ? '"'
                 : pick < 20
                     ? ','
                     : static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random));
      }
    }
    std::filesystem::remove(file);
    std::string error;
    if (WriteShipperFile(file, fields, &error)) {
      EXPECT_EQ(ReadShipperFile(file), fields) << "round " << round;
    } else {
      ++refused;
      EXPECT_TRUE(ShipperFieldsProblem(fields).has_value());
      EXPECT_NE(error.find("line break"), std::string::npos) << error;
      EXPECT_FALSE(std::filesystem::exists(file));
    }
  }
  EXPECT_GT(refused, 0);
  EXPECT_LT(refused, 500);
}

TEST_F(ShipperFile, WrittenAsEightQuotedLinesAndReadAsFarAsItGoes) {
  ShipperFields fields;
  fields[1] = "Acme, Inc.";
  fields[2] = "12\" Dock Door";
  ASSERT_TRUE(WriteShipperFile(dir_ / kShipperFileName, fields, nullptr));
  EXPECT_EQ(base::FileToString(dir_ / kShipperFileName),
            "\"\"\r\n\"Acme, Inc.\"\r\n\"12\"\" Dock Door\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
            "\"\"\r\n");
  const std::pair<const char*, ShipperFields> cases[] = {
      {"", {}},
      {"\"A1\"\r\n\"Acme\"\r\n", {"A1", "Acme"}},
      // Written by hand: unquoted fields end at a comma.
      {"A1\nAcme Freight , Dock 4\n", {"A1", "Acme Freight"}},
      // An unclosed quote ends the reading there.
      {"\"A1\"\r\n\"Acme\r\n\"Main\"\r\n", {"A1"}},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseShipperText(text), expected) << text;
  EXPECT_EQ(ReadShipperFile(dir_ / "none.dat"), ShipperFields{});
}

}  // namespace
}  // namespace tarvex::tools
