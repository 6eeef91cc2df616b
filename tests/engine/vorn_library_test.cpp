#include "engine/vorn_library.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/program_dir.h"
#include "engine/engine_record.h"
#include "support/program_dir.h"

namespace tarvex::engine {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class VornLibraryTest : public testing::ProgramDirTest {
 protected:
  void Install(const char* built, const std::string& name) {
    fs::copy_file(built, dir_ / name, fs::copy_options::overwrite_existing);
  }
};

// Without the engine nothing may look quoted: the start-up gets a failing status with a
// message to show, and a rating comes back refused rather than with stale figures.
TEST_F(VornLibraryTest, MissingLibraryIsReportedAndEveryCallIsAnsweredSafely) {
  VornLibrary engine{base::ProgramDir(dir_)};
  EXPECT_FALSE(engine.loaded());
  EXPECT_EQ(engine.error(), "The rating engine libvorn.so was not found in " + dir_.string() + ".");
  EXPECT_EQ(engine.InitializeVorn(EnginePath(base::ProgramDir(dir_))), kStatusEngineMissing);
  EXPECT_EQ(engine.Set_Vorndata(EnginePath(base::ProgramDir(dir_))), kStatusEngineMissing);
  EngineRecord r;
  r.setText(H13, "1234");
  engine.RateShipment(r);
  EXPECT_TRUE(Refused(r));
  TableRecord t;
  t.setValue(K3, 7);
  t.setValue(K4, 7);
  engine.GetTables(t);
  EXPECT_EQ(t.value(K3), 0);
  EXPECT_EQ(t.value(K4), 0);
  engine.EndVorn();
}

TEST_F(VornLibraryTest, LibraryWithoutAnEntryPointIsNotUsed) {
  Install(TARVEX_FAKE_VORN_PARTIAL, "libvorn.so");
  VornLibrary engine{base::ProgramDir(dir_)};
  EXPECT_FALSE(engine.loaded());
  EXPECT_THAT(engine.error(), HasSubstr("lacks the entry point Vorn_GetTables."));
  EXPECT_EQ(engine.InitializeVorn("/x/"), kStatusEngineMissing);
  EngineRecord r;
  engine.RateShipment(r);
  EXPECT_TRUE(Refused(r));
}

// Damaged or foreign files in the engine's place are reported, never loaded or crashed on.
TEST_F(VornLibraryTest, FileThatIsNoLibraryIsReported) {
  // Empty, text, and an ELF header cut short.
  for (const char* content : {"", "not a library\n", "\177ELF\x02\x01\x01"}) {
    std::ofstream(dir_ / "libvorn.so", std::ios::binary) << content;
    VornLibrary engine{base::ProgramDir(dir_)};
    EXPECT_FALSE(engine.loaded()) << content;
    EXPECT_EQ(engine.error().rfind("The rating engine ", 0), 0u) << content;
    EXPECT_THAT(engine.error(), HasSubstr("could not be loaded"));
  }
  fs::remove(dir_ / "libvorn.so");
  fs::create_directory(dir_ / "libvorn.so");
  VornLibrary engine{base::ProgramDir(dir_)};
  EXPECT_FALSE(engine.loaded());
  EXPECT_THAT(engine.error(), HasSubstr("was not found"));
}

// The carrier's files come from a platform where names have no case.
TEST_F(VornLibraryTest, ALibraryOfAnyCaseIsLoadedAndCallsReachItWithTheRecordsInPlace) {
  Install(TARVEX_FAKE_VORN_ECHO, "LibVorn.SO");
  VornLibrary engine{base::ProgramDir(dir_)};
  ASSERT_TRUE(engine.loaded()) << engine.error();
  EXPECT_EQ(engine.error(), "");
  EXPECT_EQ(engine.path().filename(), "LibVorn.SO");

  const std::string path = EnginePath(base::ProgramDir(dir_));
  ASSERT_EQ(path.back(), '/');
  EXPECT_EQ(engine.InitializeVorn(path), static_cast<std::int16_t>(path.size()));
  EXPECT_EQ(engine.Set_Vorndata(path), static_cast<std::int16_t>(100 + path.size()));
  EXPECT_EQ(engine.InitializeVorn("/opt/locked/"), kStatusFilesLocked);

  EngineRecord r;
  r.setText(H2, "XXXX");
  r.setText(H4, "MILE0001");
  r.line(1).setText(L2, "92");
  r.setValue(X5, 41);
  engine.RateShipment(r);
  EXPECT_FALSE(Refused(r));
  EXPECT_EQ(r.trimmed(H13), "MILE0001");
  EXPECT_EQ(r.line(1).trimmed(L4), "92");
  EXPECT_EQ(r.value(X5), 42);

  TableRecord t;
  t.setText(K5, "CZAR0001");
  engine.GetTables(t);
  EXPECT_EQ(t.text(K1, 0), "CZAR00");
  EXPECT_EQ(t.value(K2, 19), 40000);
  EXPECT_EQ(t.value(K3), 1);
  EXPECT_EQ(t.value(K4), 20);

  engine.EndVorn();
  engine.RateShipment(r);
  EXPECT_EQ(r.trimmed(H2), "END");
}

TEST(EnginePath, IsTheProgramDirectoryWithOneTrailingSeparator) {
  EXPECT_EQ(EnginePath(base::ProgramDir("/opt/tarvex")), "/opt/tarvex/");
  EXPECT_EQ(EnginePath(base::ProgramDir("/opt/tarvex/")), "/opt/tarvex/");
}

}  // namespace
}  // namespace tarvex::engine
