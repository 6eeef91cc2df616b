// The city look-up on small city lists, and the map window.
#include "geo/city_lookup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/files.h"
#include "base/text.h"
#include "support/window_test.h"

namespace tarvex::geo {
namespace {

namespace fs = std::filesystem;

std::string City(const std::string& name, const std::string& state, const std::string& code) {
  return base::PadRight(name, 28) + base::PadRight(state, 2) + base::PadRight(code, 6);
}

class CityLookupTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    const std::string list = City("Atlanta", "GA", "30303") + City("Saskatoon", "SK", "S7K0A0") +
                             City("SAVANNAH", "GA", "31401") + City("Savannah", "GA", "31404") +
                             City("Savannah", "MO", "64485") + City("Savoy", "IL", "61874") +
                             City("Sayre", "PA", "18840") + City("Toronto", "ON", "M5V0A0");
    base::WriteFileAtomic(dir_ / "CITYZIP.DAT", list);
  }
};

TEST_F(CityLookupTest, EveryCityBeginningWithTheLettersInFileOrder) {
  const auto found = SearchCities(programDir_, "sav");
  ASSERT_EQ(found.size(), 4U);
  EXPECT_EQ(found[0].shown, "SAVANNAH, GA - 31401");
  EXPECT_EQ(found[2].shown, "Savannah, MO - 64485");
  EXPECT_EQ(found[3].code, "61874");
  // The last record, the first, none, and all for an empty key.
  for (const auto& [key, count] : std::vector<std::pair<const char*, std::size_t>>{
           {"Toronto", 1}, {"atl", 1}, {"Zzz", 0}, {"", 8}})
    EXPECT_EQ(SearchCities(programDir_, key).size(), count) << key;
}

TEST_F(CityLookupTest, MissingEmptyAndTornListsFindNothing) {
  fs::remove(dir_ / "CITYZIP.DAT");
  EXPECT_TRUE(SearchCities(programDir_, "sav").empty());
  base::WriteFileAtomic(dir_ / "cityzip.dat", "");
  EXPECT_TRUE(SearchCities(programDir_, "").empty());
  base::WriteFileAtomic(dir_ / "cityzip.dat", City("Savannah", "GA", "31401") + "Sav");
  EXPECT_EQ(SearchCities(programDir_, "sav").size(), 1U);
}

TEST_F(CityLookupTest, PickingTheSecondCodeOfACity) {
  std::string picked = "x";
  frmZipLU window(runtime_, programDir_, picked, "");
  WhileOpen(window, [&] {
    EXPECT_EQ(picked, "      ");  // loading clears the picked code
    driver_.Type(window.txtCity, "savannah");
    driver_.PressEnter(window.txtCity);  // Enter is Tab, which searches
    ASSERT_EQ(window.lstCity.listCount(), 3);
    EXPECT_EQ(window.lstZip.items()[1], "31404");
    driver_.Select(window.lstCity, 1);
    driver_.DblClick(window.lstCity);
  });
  EXPECT_EQ(picked, "31404");
  EXPECT_EQ(window.lastPick(), "31404");
  window.Unload();
  WhileOpen(window, [&] { driver_.Click(window.cmdClose); });
  EXPECT_EQ(window.lastPick(), "");
}

TEST_F(CityLookupTest, MapTakesThePicturesSize) {
  base::ByteRecord header(54, 0);
  header.setText(0, 2, "BM");
  header.setInt32(18, 600);
  header.setInt32(22, 400);
  base::WriteFileAtomic(dir_ / "map.bmp",
                        std::string(reinterpret_cast<const char*>(header.data()), 54));
  frmMap map(runtime_, programDir_, "");
  WhileOpen(map, [&] { runtime_.KeyOnForm(map, 'q'); });
  EXPECT_EQ(map.Picture1.width(), 9000);
  EXPECT_EQ(map.Picture1.height(), 6000);
  EXPECT_EQ(fs::path(map.Picture1.picture()).filename(), "map.bmp");
  EXPECT_FALSE(map.visible());
  for (const auto& entry : desktop_.log) EXPECT_NE(entry, "modal left open: frmMap");
}

}  // namespace
}  // namespace tarvex::geo
