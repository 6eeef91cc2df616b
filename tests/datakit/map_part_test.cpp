#include "datakit/map_part.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "base/byte_record.h"
#include "base/files.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

TEST(MapPartTest, BitmapHeaderRowsAndPixels) {
  Picture p(3, 2, 0x000000);
  p.Set(0, 0, 0x112233);  // top left
  p.Set(9, 9, 0xFFFFFF);  // outside: ignored
  const std::string bmp = p.Bmp();
  ASSERT_EQ(bmp.size(), 54U + 2 * 12);  // rows padded to 4 bytes
  base::ByteRecord header(std::vector<std::uint8_t>(bmp.begin(), bmp.begin() + 54));
  EXPECT_EQ(header.text(0, 2), "BM");
  EXPECT_EQ(header.int32(2), static_cast<std::int32_t>(bmp.size()));
  EXPECT_EQ(header.int32(18), 3);
  EXPECT_EQ(header.int32(22), 2);
  EXPECT_EQ(header.int16(28), 24);
  // The top row is stored last, blue first.
  EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 12]), 0x33);
  EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 14]), 0x11);
}

TEST(MapPartTest, TheDemoNetworkIsDrawn) {
  const fs::path out = fs::temp_directory_path() / ("tarvex-map-" + std::to_string(::getpid()));
  fs::create_directories(out);
  Report report;
  MapPart().build(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo", out, report);
  EXPECT_TRUE(report.ok());
  EXPECT_EQ(base::FileLength(out / "Map.BMP"), 54 + 900 * 600 * 3);
  fs::remove_all(out);
}

}  // namespace
}  // namespace tarvex::datakit
