#include "geo/city_lookup.h"

#include "base/files.h"
#include "base/text.h"
#include "forms/runtime.h"
#include "geo/record_file.h"

namespace tarvex::geo {

namespace {

// Compares the start of a city name with the key, both upper-cased, by character code.
int Side(const base::ByteRecord& record, const std::string& key) {
  const std::string prefix = base::ToUpper(record.text(0, 28).substr(0, key.size()));
  return key == prefix ? 0 : (prefix < key ? 1 : -1);
}

}  // namespace

std::vector<CityEntry> SearchCities(const base::ProgramDir& dir, const std::string& start) {
  std::vector<CityEntry> found;
  const std::string key = base::ToUpper(base::Trim(start));
  if (key.size() > 28) return found;
  RecordFile file(dir.resolve(kCityFileName), kCityRecordLength);
  if (!file.isOpen()) return found;
  std::int64_t lo = 0;
  std::int64_t hi = file.count() + 1;
  std::int64_t match = 0;
  while (hi - lo >= 2) {
    const std::int64_t mid = (lo + hi) / 2;
    const auto record = file.read(mid);
    if (!record) return found;
    const int side = Side(*record, key);
    if (side == 0) {
      match = mid;
      break;
    }
    if (side > 0)
      lo = mid;
    else
      hi = mid;
  }
  if (match == 0) return found;
  while (match > 1) {
    const auto before = file.read(match - 1);
    if (!before || Side(*before, key) != 0) break;
    --match;
  }
  for (std::int64_t n = match; n <= file.count(); ++n) {
    const auto record = file.read(n);
    if (!record || Side(*record, key) != 0) break;
    const std::string code = base::Trim(record->text(30, 6));
    found.push_back(
        {base::Trim(record->text(0, 28)) + ", " + base::Trim(record->text(28, 2)) + " - " + code,
         code});
  }
  return found;
}

frmZipLU::frmZipLU(forms::Runtime& runtime, const base::ProgramDir& dir, std::string& picked,
                   std::string iconPath)
    : Form(runtime, "frmZipLU"), dir_(dir), picked_(picked), iconPath_(std::move(iconPath)) {
  setCaption("ZIP/Postal Code Look-Up");
  setWidth(5400);
  setHeight(5400);
  lblInstruction.move(240, 120, 4800, 240);
  lblInstruction.setCaption("Enter one or more letters of the city name and press TAB");
  txtCity.move(240, 420, 3000, 300);
  txtCity.setMaxLength(28);
  lstCity.move(240, 840, 4800, 3360);
  lstZip.move(240, 840, 4800, 3360);
  lstZip.setVisible(false);
  // The hidden list of codes runs beside the shown list of cities, item for item.
  lstCity.setMayOverlap(true);
  lstZip.setMayOverlap(true);
  cmdClose.move(3840, 4320, 1200, 420);
  cmdClose.setCaption("&Close");
  cmdClose.setCausesValidation(false);
  txtCity.onKeyPress = [this](int& key) {
    if (key != forms::keys::Enter) return;
    key = 0;
    this->runtime().PostTab();
  };
  txtCity.onValidate = [this](bool&) { txtCity_Validate(); };
  lstCity.onDblClick = [this] { Pick(); };
  lstCity.onKeyPress = [this](int& key) {
    if (key == forms::keys::Enter) {
      key = 0;
      Pick();
    }
  };
  cmdClose.onClick = [this] { Hide(); };
}

void frmZipLU::Form_Load() {
  picked_ = "      ";
  lastPick_.clear();
  Centre();
  setIcon(iconPath_);
}

void frmZipLU::txtCity_Validate() {
  forms::Desktop& desktop = runtime().desktop();
  desktop.SetWaitCursor(true);
  lstCity.clearItems();
  lstZip.clearItems();
  for (const CityEntry& e : SearchCities(dir_, txtCity.text())) {
    lstCity.addItem(e.shown);
    lstZip.addItem(e.code);
  }
  desktop.SetWaitCursor(false);
}

void frmZipLU::Pick() {
  const int i = lstCity.listIndex();
  if (i < 0 || i >= lstZip.listCount()) return;
  lstZip.setListIndex(i);
  picked_ = lstZip.items()[static_cast<std::size_t>(i)];
  lastPick_ = picked_;
  Hide();
}

frmMap::frmMap(forms::Runtime& runtime, const base::ProgramDir& dir, std::string iconPath)
    : Form(runtime, "frmMap"), dir_(dir), iconPath_(std::move(iconPath)) {
  setCaption("Service Map");
  Picture1.onClick = [this] { Hide(); };
}

void frmMap::Form_Load() {
  const std::filesystem::path file = dir_.resolve(kMapFileName);
  Picture1.setPicture(file.string());
  // The window takes the picture's size, read from the bitmap's header (pixels to twips).
  int width = 6000;
  int height = 4500;
  const base::RecordRead header = base::ReadFixedRecord(file, 26, 1);
  if (header.ok() && header.record.text(0, 2) == "BM") {
    const std::int32_t w = header.record.int32(18);
    const std::int32_t h = header.record.int32(22);
    if (w > 0 && w < 4000 && h != 0 && h > -4000 && h < 4000) {
      width = w * 15;
      height = (h < 0 ? -h : h) * 15;
    }
  }
  Picture1.move(0, 0, width, height);
  setWidth(width + 120);
  setHeight(height + 420);
  Centre();
  setIcon(iconPath_);
}

void frmMap::Form_KeyPress(int& keyAscii) {
  keyAscii = 0;
  Hide();
}

}  // namespace tarvex::geo
