// The city look-up on small city lists, and the map window.
#include "geo/city_lookup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "base/files.h"
#include "base/text.h"
#include "forms/driver.h"
#include "support/scripted_desktop.h"

namespace tarvex::geo {
namespace {

namespace fs = std::filesystem;

std::string City(const std::string& name, const std::string& state, const std::string& code) {
  return base::PadRight(name, 28) + base::PadRight(state, 2) + base::PadRight(code, 6);
}

class CityLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_);
    std::string list;
    for (const auto& [name, state, code] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"Atlanta", "GA", "30303"},
             {"Saskatoon", "SK", "S7K0A0"},
             {"SAVANNAH", "GA", "31401"},
             {"Savannah", "GA", "31404"},
             {"Savannah", "MO", "64485"},
             {"Savoy", "IL", "61874"},
             {"Sayre", "PA", "18840"},
             {"Toronto", "ON", "M5V0A0"}})
      list += City(name, state, code);
    base::WriteFileAtomic(dir_ / "CITYZIP.DAT", list);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_ = fs::temp_directory_path() / ("tarvex-cities-" + std::to_string(::getpid()));
  base::ProgramDir programDir_{dir_};
};

TEST_F(CityLookupTest, EveryCityBeginningWithTheLettersInFileOrder) {
  const auto found = SearchCities(programDir_, "sav");
  ASSERT_EQ(found.size(), 4U);
  EXPECT_EQ(found[0].shown, "SAVANNAH, GA - 31401");
  EXPECT_EQ(found[2].shown, "Savannah, MO - 64485");
  EXPECT_EQ(found[3].code, "61874");
  EXPECT_EQ(SearchCities(programDir_, "Toronto").size(), 1U);  // the last record
  EXPECT_EQ(SearchCities(programDir_, "atl").size(), 1U);      // the first record
  EXPECT_TRUE(SearchCities(programDir_, "Zzz").empty());
  EXPECT_EQ(SearchCities(programDir_, "").size(), 8U);  // an empty key matches all
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
  testing::ScriptedDesktop desktop;
  forms::Runtime rt{desktop};
  std::string picked = "x";
  frmZipLU window(rt, programDir_, picked, "");
  desktop.modalScripts["frmZipLU"] = [&](forms::Form&) {
    EXPECT_EQ(picked, "      ");  // loading clears the picked code
    forms::Driver d(rt);
    d.Type(window.txtCity, "savannah");
    d.PressEnter(window.txtCity);  // Enter is Tab, which searches
    ASSERT_EQ(window.lstCity.listCount(), 3);
    EXPECT_EQ(window.lstZip.items()[1], "31404");
    d.Select(window.lstCity, 1);
    d.DblClick(window.lstCity);
  };
  window.ShowModal();
  EXPECT_EQ(picked, "31404");
  EXPECT_EQ(window.lastPick(), "31404");
  desktop.modalScripts["frmZipLU"] = [&](forms::Form&) {
    forms::Driver(rt).Click(window.cmdClose);
  };
  window.Unload();
  window.ShowModal();
  EXPECT_EQ(window.lastPick(), "");
}

TEST_F(CityLookupTest, MapTakesThePicturesSize) {
  base::ByteRecord header(54, 0);
  header.setText(0, 2, "BM");
  header.setInt32(18, 600);
  header.setInt32(22, 400);
  base::WriteFileAtomic(dir_ / "map.bmp",
                        std::string(reinterpret_cast<const char*>(header.data()), 54));
  testing::ScriptedDesktop desktop;
  forms::Runtime rt{desktop};
  frmMap map(rt, programDir_, "");
  desktop.modalScripts["frmMap"] = [&](forms::Form& form) { rt.KeyOnForm(form, 'q'); };
  map.ShowModal();
  EXPECT_EQ(map.Picture1.width(), 9000);
  EXPECT_EQ(map.Picture1.height(), 6000);
  EXPECT_EQ(fs::path(map.Picture1.picture()).filename(), "map.bmp");
  EXPECT_FALSE(map.visible());
  for (const auto& entry : desktop.log) EXPECT_NE(entry, "modal left open: frmMap");
}

}  // namespace
}  // namespace tarvex::geo
