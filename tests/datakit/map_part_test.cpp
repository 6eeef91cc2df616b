#include "datakit/map_part.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "base/byte_record.h"
#include "base/files.h"
#include "datakit/part_test.h"

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

class MapPartBuild : public PartTest {};

TEST_F(MapPartBuild, ReportsAMissingOrDamagedOutlineFile) {
  scratch_.Put("src/geo/terminals.tsv",
               base::FileToString(fs::path(TARVEX_SOURCE_DIR) / "data/demo/geo/terminals.tsv"));
  Report missing;
  MapPart().build(src_, out_, missing);
  ASSERT_EQ(missing.faults().size(), 1U);
  EXPECT_NE(missing.faults()[0].find("outlines.tsv: missing"), std::string::npos);

  scratch_.Put("src/geo/outlines.tsv",
               "# kind\tpoints\n"
               "US\t-100,40 -90,40 -95,45\n"
               "SEA\t-100,40 -90,40 -95,45\n"
               "CA\t-100,40 -90,x -95,45\n"
               "MX\t-100,40 -90,40\n"
               "STATE\t-100,95 -90,40\n");
  Report damaged;
  MapPart().build(src_, out_, damaged);
  const std::string faults = Faults(damaged);
  for (const char* expected :
       {"outlines.tsv:3: expected US, CA, MX, LAND or STATE",
        "outlines.tsv:4: not a point longitude,latitude: -90,x", "outlines.tsv:5: too few points",
        "outlines.tsv:6: not a point longitude,latitude: -100,95"})
    EXPECT_NE(faults.find(expected), std::string::npos) << expected << "\n" << faults;
  EXPECT_EQ(damaged.faults().size(), 4U);
  // The map is drawn from what could be read.
  EXPECT_EQ(base::FileLength(out_ / "Map.BMP"), 54 + 900 * 600 * 3);
}

}  // namespace
}  // namespace tarvex::datakit
