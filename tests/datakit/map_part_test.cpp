#include "datakit/map_part.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "base/byte_record.h"
#include "base/files.h"
#include "datakit/geo_part.h"
#include "support/program_dir.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;
using ScratchDir = testing::ScratchDir;

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

TEST(MapPartTest, RingsFillByTheEvenOddRule) {
  // A 10 by 10 square with a 4 by 4 hole; pixel centres decide.
  const std::vector<std::vector<std::pair<double, double>>> rings = {
      {{2, 2}, {12, 2}, {12, 12}, {2, 12}}, {{5, 5}, {9, 5}, {9, 9}, {5, 9}}};
  std::vector<std::uint8_t> mask(20 * 20, 0);
  FillRings(rings, 20, 20, 7, mask);
  EXPECT_EQ(std::count(mask.begin(), mask.end(), 7), 100 - 16);
  EXPECT_EQ(mask[2 * 20 + 2], 7);    // corner inside
  EXPECT_EQ(mask[11 * 20 + 11], 7);  // last row and column inside
  EXPECT_EQ(mask[12 * 20 + 12], 0);  // beyond
  EXPECT_EQ(mask[6 * 20 + 6], 0);    // in the hole
  // A ring reaching past the picture is clipped, not written out of bounds.
  std::vector<std::uint8_t> small(4 * 4, 0);
  FillRings({{{-5, -5}, {50, -5}, {50, 50}, {-5, 50}}}, 4, 4, 1, small);
  EXPECT_EQ(std::count(small.begin(), small.end(), 1), 16);
}

TEST(MapPartTest, LinesJoinTheirEnds) {
  Picture p(10, 10, 0);
  p.Line(1, 8, 8, 1, 0xFF);
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(p.At(i, 9 - i), 0xFFU) << i;
  EXPECT_EQ(std::count(p.pixels.begin(), p.pixels.end(), 0xFFU), 8);
  p.Line(-5, 3, 20, 3, 0xAA);  // off the picture at both ends
  EXPECT_EQ(p.At(0, 3), 0xAAU);
  EXPECT_EQ(p.At(9, 3), 0xAAU);
}

TEST(MapPartTest, TheProjectionKeepsDirections) {
  const auto centre = ProjectNorthAmerica(40, -96);
  EXPECT_NEAR(centre.first, 0, 1e-12);
  EXPECT_NEAR(centre.second, 0, 1e-12);
  for (double lat = 15; lat <= 60; lat += 5)
    for (double lon = -125; lon < -60; lon += 5) {
      const auto p = ProjectNorthAmerica(lat, lon);
      EXPECT_GT(ProjectNorthAmerica(lat, lon + 1).first, p.first);  // east is right
      EXPECT_GT(ProjectNorthAmerica(lat + 1, -96).second,
                ProjectNorthAmerica(lat, -96).second);  // north is up
    }
}

class DemoMap : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    out_ = std::make_unique<ScratchDir>();
    const fs::path source = fs::path(TARVEX_SOURCE_DIR) / "data" / "demo";
    GeoPart().build(source, out_->path(), report_);
    MapPart().build(source, out_->path(), report_);
  }
  static void TearDownTestSuite() { out_.reset(); }
  static std::unique_ptr<ScratchDir> out_;
  static Report report_;
};

std::unique_ptr<ScratchDir> DemoMap::out_;
Report DemoMap::report_;

TEST_F(DemoMap, IsDrawnOverLandAndWater) {
  for (const auto& f : report_.faults()) ADD_FAILURE() << f;
  const std::string bmp = base::FileToString(out_->path() / "Map.BMP");
  ASSERT_EQ(bmp.size(), 54U + 900 * 600 * 3);
  std::map<std::uint32_t, int> count;
  for (std::size_t at = 54; at + 3 <= bmp.size(); at += 3)
    ++count[static_cast<std::uint32_t>(static_cast<unsigned char>(bmp[at + 2]) << 16 |
                                       static_cast<unsigned char>(bmp[at + 1]) << 8 |
                                       static_cast<unsigned char>(bmp[at]))];
  const auto share = [&](std::uint32_t rgb) { return count[rgb] / (900.0 * 600.0); };
  EXPECT_GT(share(0xC6DBEA), 0.2);    // sea and lakes
  EXPECT_GT(share(0x4F5B66), 0.01);   // coasts and national borders
  EXPECT_GT(share(0x8E969E), 0.003);  // borders between states
  // The territories take every colour of the palette, and none takes most of the land.
  int palette = 0;
  for (const std::uint32_t c : {0xF6C9A0U, 0xB9DDB0U, 0xC9C3EAU, 0xF4E4A1U, 0xA9D8DCU, 0xEDB9C6U,
                                0xD5E6A6U, 0xC7D3E8U, 0xE8CFB0U, 0xBFE3CFU}) {
    palette += count[c] > 0 ? 1 : 0;
    EXPECT_LT(share(c), 0.15) << std::hex << c;
  }
  EXPECT_GE(palette, 8);
}

TEST(MapPartBuild, ReportsAMissingOrDamagedOutlineFile) {
  ScratchDir src;
  ScratchDir out;
  fs::create_directories(src.path() / "geo");
  fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data" / "demo" / "geo" / "terminals.tsv",
                src.path() / "geo" / "terminals.tsv");
  Report missing;
  MapPart().build(src.path(), out.path(), missing);
  ASSERT_EQ(missing.faults().size(), 1U);
  EXPECT_NE(missing.faults()[0].find("outlines.tsv: missing"), std::string::npos);

  std::ofstream(src.path() / "geo" / "outlines.tsv") << "# kind\tpoints\n"
                                                        "US\t-100,40 -90,40 -95,45\n"
                                                        "SEA\t-100,40 -90,40 -95,45\n"
                                                        "CA\t-100,40 -90,x -95,45\n"
                                                        "MX\t-100,40 -90,40\n"
                                                        "STATE\t-100,95 -90,40\n";
  Report damaged;
  MapPart().build(src.path(), out.path(), damaged);
  const auto has = [&](const std::string& what) {
    return std::any_of(damaged.faults().begin(), damaged.faults().end(),
                       [&](const std::string& f) { return f.find(what) != std::string::npos; });
  };
  EXPECT_TRUE(has("outlines.tsv:3: expected US, CA, MX, LAND or STATE"));
  EXPECT_TRUE(has("outlines.tsv:4: not a point longitude,latitude: -90,x"));
  EXPECT_TRUE(has("outlines.tsv:5: too few points"));
  EXPECT_TRUE(has("outlines.tsv:6: not a point longitude,latitude: -100,95"));
  EXPECT_EQ(damaged.faults().size(), 4U);
  // The map is drawn from what could be read.
  EXPECT_EQ(base::FileLength(out.path() / "Map.BMP"), 54 + 900 * 600 * 3);
}

}  // namespace
}  // namespace tarvex::datakit
