#include "base/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "base/program_dir.h"
#include "support/program_dir.h"

namespace tarvex::base {
namespace {

namespace fs = std::filesystem;

using Files = testing::ProgramDirTest;

TEST_F(Files, ReadsRecordsByNumberAndNeverPastTheEnd) {
  Put("r.dat", "AAAA1111BBBB22");
  const auto first = ReadFixedRecord(dir_ / "r.dat", 8, 1);
  ASSERT_TRUE(first.ok());
  EXPECT_EQ(first.record.text(0, 8), "AAAA1111");
  const auto second = ReadFixedRecord(dir_ / "r.dat", 8, 2);  // 6 of 8 bytes present
  EXPECT_EQ(second.status, RecordStatus::Short);
  EXPECT_EQ(second.record.size(), 0u);
  EXPECT_EQ(ReadFixedRecord(dir_ / "r.dat", 8, 0).status, RecordStatus::Short);
  EXPECT_EQ(ReadFixedRecord(dir_ / "r.dat", 8, -3).status, RecordStatus::Short);
  EXPECT_EQ(ReadFixedRecord(dir_ / "none.dat", 8, 1).status, RecordStatus::Missing);
  EXPECT_EQ(FixedRecordCount(dir_ / "r.dat", 8), 1);
  EXPECT_EQ(FixedRecordCount(dir_ / "none.dat", 8), 0);
  EXPECT_EQ(ReadFixedRecord(dir_, 8, 1).status, RecordStatus::Missing);  // a directory
}

TEST_F(Files, ByteRecordFieldsAreLittleEndianAndStayInside) {
  ByteRecord r(16, ' ');
  r.setInt16(0, -1);
  r.setInt32(2, 20000);
  r.setFloat64(6, 24.5);
  r.setText(14, 2, "ABC");
  EXPECT_EQ(r.bytes()[0], 0xFF);
  EXPECT_EQ(r.bytes()[2], 0x20);
  EXPECT_EQ(r.bytes()[3], 0x4E);
  EXPECT_EQ(r.int16(0), -1);
  EXPECT_EQ(r.int32(2), 20000);
  EXPECT_DOUBLE_EQ(r.float64(6), 24.5);
  EXPECT_EQ(r.text(14, 2), "AB");
  // Past the end: blanks and zeros read, nothing written.
  EXPECT_EQ(r.text(14, 4), "    ");
  EXPECT_EQ(r.int32(14), 0);
  r.setInt32(14, 7);
  EXPECT_EQ(r.text(14, 2), "AB");
  EXPECT_EQ(r.int16(SIZE_MAX - 1), 0);
}

TEST_F(Files, FileToStringIsEmptyWhenUnreadable) {
  Put("msg.dat", "Call us.\r\n");
  EXPECT_EQ(FileToString(dir_ / "msg.dat"), "Call us.\r\n");
  EXPECT_EQ(FileToString(dir_ / "missing.dat"), "");
  EXPECT_EQ(FileToString(dir_), "");
}

TEST_F(Files, AtomicWriteReplacesWholeOrNotAtAll) {
  const fs::path target = Put("fak.dat", "old content");
  std::string error;
  ASSERT_TRUE(WriteFileAtomic(target, "new", &error)) << error;
  EXPECT_EQ(FileToString(target), "new");
  EXPECT_FALSE(fs::exists(dir_ / "fak.dat.tmp~"));

  // A folder that cannot be written: the old file stays whole and the failure is said.
  const fs::path locked = Put("locked/fak.dat", "keep me").parent_path();
  ::chmod(locked.c_str(), 0500);
  if (::geteuid() != 0) {  // root writes anywhere
    EXPECT_FALSE(WriteFileAtomic(locked / "fak.dat", "lost?", &error));
    EXPECT_NE(error.find("fak.dat"), std::string::npos);
    EXPECT_EQ(FileToString(locked / "fak.dat"), "keep me");
  }
  ::chmod(locked.c_str(), 0700);
  EXPECT_FALSE(WriteFileAtomic(dir_ / "no" / "such" / "dir.dat", "x", &error));
}

TEST_F(Files, AtomicWriteNeverFollowsALinkPlantedAtTheTemporaryName) {
  // Another user plants links where the temporary would go, one to a file outside the
  // program directory and one pointing nowhere; the save must write neither target.
  const fs::path outside = Put("outside/passwd", "precious").parent_path();
  const fs::path target = Put("program/variable.dat", "old settings");
  const fs::path program = target.parent_path();
  fs::create_symlink(outside / "passwd", program / "variable.dat.tmp~");
  fs::create_symlink(outside / "created-by-us", program / "fak.dat.tmp~");

  std::string error;
  ASSERT_TRUE(WriteFileAtomic(target, "new settings", &error)) << error;
  EXPECT_EQ(FileToString(outside / "passwd"), "precious");
  EXPECT_EQ(FileToString(target), "new settings");
  EXPECT_FALSE(fs::is_symlink(target));
  ASSERT_TRUE(WriteFileAtomic(program / "fak.dat", "fak", &error)) << error;
  EXPECT_FALSE(fs::exists(outside / "created-by-us"));
  EXPECT_EQ(FileToString(program / "fak.dat"), "fak");
  // The planted links are left alone, and no temporary of ours is left behind.
  EXPECT_TRUE(fs::is_symlink(program / "variable.dat.tmp~"));
  EXPECT_EQ(std::distance(fs::directory_iterator(program), fs::directory_iterator()), 4);
}

TEST_F(Files, AtomicWriteTakesAnotherTemporaryWhenTheUsualOneIsTaken) {
  const fs::path target = dir_ / "d00000.ini";
  Put("d00000.ini.tmp~", "left by a crash");
  std::string error;
  ASSERT_TRUE(WriteFileAtomic(target, "[Discounts]\r\n", &error)) << error;
  EXPECT_EQ(FileToString(target), "[Discounts]\r\n");
  EXPECT_EQ(FileToString(dir_ / "d00000.ini.tmp~"), "left by a crash");
}

TEST_F(Files, WriteFixedRecordExtendsAShortFileAndKeepsTheRest) {
  const fs::path file = Put("variable.dat", std::string(10, 'x'));
  ByteRecord rec(8, 'R');
  ASSERT_TRUE(WriteFixedRecord(file, 8, 2, rec));
  EXPECT_EQ(FileToString(file), "xxxxxxxxRRRRRRRR");
  ASSERT_TRUE(WriteFixedRecord(file, 8, 1, ByteRecord(8, 'A')));
  EXPECT_EQ(FileToString(file), "AAAAAAAARRRRRRRR");
  EXPECT_FALSE(WriteFixedRecord(file, 8, 1, ByteRecord(7, 'A')));
}

TEST_F(Files, ProgramDirFindsNamesWithoutRegardToCase) {
  Put("FAK.dat", "1");
  Put("Sub/Map.BMP", "2");
  const ProgramDir pd(dir_);
  EXPECT_EQ(pd.resolve("fak.dat"), dir_ / "FAK.dat");
  EXPECT_EQ(pd.resolve("\\FAK.DAT"), dir_ / "FAK.dat");
  EXPECT_EQ(pd.resolve("sub\\map.bmp"), dir_ / "Sub" / "Map.BMP");
  EXPECT_TRUE(pd.exists("Fak.Dat"));
  EXPECT_FALSE(pd.exists("floor.dat"));
  EXPECT_EQ(pd.resolve("floor.dat"), dir_ / "floor.dat");  // where a new file goes
  EXPECT_EQ(pd.resolve("..\\FAK.dat").filename(), "FAK.dat");
}

}  // namespace
}  // namespace tarvex::base
