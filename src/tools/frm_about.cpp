#include "tools/frm_about.h"

#include <chrono>
#include <ctime>

#include "base/files.h"
#include "base/text.h"
#include "forms/layout.h"
#include "forms/runtime.h"

namespace tarvex::tools {

namespace {

constexpr int kTextLeft = 360;
constexpr int kTextWidth = 6000;

// The last line of the text that holds anything.
std::string LastLine(const std::string& text) {
  std::string last;
  std::size_t at = 0;
  while (at < text.size()) {
    const auto end = text.find('\n', at);
    std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!base::Trim(line).empty()) last = line;
    at = end == std::string::npos ? text.size() : end + 1;
  }
  return base::Trim(last);
}

}  // namespace

std::string ProgramFileDate(const std::filesystem::path& programFile) {
  std::error_code ec;
  const auto written = std::filesystem::last_write_time(programFile, ec);
  if (ec) return "";
  const std::time_t t = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(
          std::chrono::file_clock::to_sys(written)));
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return "";
  char text[16];
  if (std::strftime(text, sizeof text, "%m-%d-%Y ", &local) == 0) return "";
  return text;
}

frmAbout::frmAbout(forms::Runtime& runtime, const base::ProgramDir& dir,
                   const pricing::SettingsRecord& settings, std::filesystem::path programFile,
                   std::string iconPath)
    : Form(runtime, "frmAbout"),
      dir_(dir),
      settings_(settings),
      programFile_(std::move(programFile)),
      iconPath_(std::move(iconPath)) {
  using namespace forms::layout;
  setWidth(9480);
  setHeight(5160);
  imgHeadline.move(180, kGap, 9000, 840);
  Column(kTextLeft, 1080,
         {{&lblProductName, kTextWidth},
          {&lblVersion, kTextWidth},
          {&lblEffectiveDate, kTextWidth},
          {&lblCarrierName, kTextWidth},
          {nullptr, kTextWidth},
          {&lblSupportCaption, kTextWidth},
          {&lblTechSupportName, kTextWidth},
          {&lblTechSupportNumber, kTextWidth},
          {&lblProductNumber, kTextWidth},
          {&lblProgramDate, kTextWidth}},
         270);
  lblProductName.setBold(true);
  lblSupportCaption.setCaption("Technical Support:");
  lblSupportCaption.setBold(true);
  Column(kTextLeft, 4020, {{&lblPublisher, kTextWidth}, {&lblCopyright, kTextWidth}}, 270);
  lblPublisher.setCaption(kPublisherName);
  cmdClose.setCaption("&Close");
  Buttons(9180 - kButtonWidth, 4020, {&cmdClose});
  cmdClose.onClick = [this] { Unload(); };
}

void frmAbout::Form_Load() {
  runtime().desktop().SetWaitCursor(true);
  Centre();
  setIcon(iconPath_);
  const pricing::SettingsRecord& s = settings_;
  setCaption("About " + base::Trim(s.ProductName));
  imgHeadline.setPicture(dir_.resolve("Headline.BMP").string());
  lblProductName.setCaption(base::Trim(s.ProductName));
  lblVersion.setCaption(base::Trim(s.VersionText));
  lblEffectiveDate.setCaption("Effective " + base::Trim(s.EffectiveDate));
  lblCarrierName.setCaption(base::Trim(s.CarrierName));
  lblTechSupportName.setCaption(base::Trim(s.SupportName));
  lblTechSupportNumber.setCaption(base::Trim(s.SupportNumber));
  lblProductNumber.setCaption(base::Trim(s.ProductNumber));
  lblProgramDate.setCaption("Last Program Modification " + ProgramFileDate(programFile_));
  lblCopyright.setCaption(LastLine(base::FileToString(dir_.resolve("Copyright.dat"))));
  runtime().desktop().SetWaitCursor(false);
}

}  // namespace tarvex::tools
