#include "tools/frm_density_class_calculator.h"

#include <algorithm>

#include "base/number_format.h"
#include "base/text.h"
#include "forms/layout.h"
#include "pricing/input_fields.h"

namespace tarvex::tools {

namespace {

constexpr int kCaptionWidth = 2520;
constexpr int kBoxWidth = 1200;
constexpr int kPitch = 420;
constexpr int kWeightLength = 6;
constexpr int kDensityLength = 8;

}  // namespace

frmDensityClassCalculator::frmDensityClassCalculator(forms::Runtime& runtime,
                                                     const base::ProgramDir& dir,
                                                     char decimalSeparator, std::string iconPath)
    : Form(runtime, "frmDensityClassCalculator"),
      dir_(dir),
      decimalSeparator_(decimalSeparator),
      iconPath_(std::move(iconPath)) {
  using namespace forms::layout;
  setCaption("Density Class Calculator");
  setWidth(4560);
  setHeight(5160);
  chkMeters.setCaption("Use Metric (meters)");
  chkMeters.move(kGap, kGap, 2400, kBoxHeight);
  int top = kGap + kPitch + kGap;
  const std::pair<forms::Label*, forms::TextBox*> rows[] = {{&lblLength, &txtLength},
                                                            {&lblWidth, &txtWidth},
                                                            {&lblHeight, &txtHeight},
                                                            {&lblWeight, &txtWeight},
                                                            {&lblDensity, &txtDensity}};
  const char* captions[] = {"Length (in)", "Width (in)", "Height (in)", "Weight (lbs)",
                            "Shipment Density (lbs/cu in)"};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    CaptionBeside(*rows[i].first, captions[i], kCaptionWidth, *rows[i].second, kBoxWidth, kGap,
                  top);
    rows[i].second->setAlignment(forms::Alignment::Right);
    top += kPitch;
  }
  lblClassCaption.setCaption("Class Based on Density");
  lblClassCaption.setBold(true);
  lblClass.setBorderStyle(forms::kBorderFixedSingle);
  lblClass.setAlignment(forms::Alignment::Center);
  lblClass.setBold(true);
  CaptionBeside(lblClassCaption, "Class Based on Density", kCaptionWidth, lblClass, kBoxWidth, kGap,
                top + kGap);
  lblClass.setHeight(kBoxHeight);
  lblDisclaimer.setCaption(
      "Note:  When dimensions are used to calculate class, the valuation limits of the "
      "calculated class will be applied for the shipment.");
  lblDisclaimer.move(kGap, top + kGap + kPitch + kGap, kCaptionWidth + kGap + kBoxWidth, 720);
  cmdClose.setCaption("&Close");
  cmdClose.setCausesValidation(false);
  Buttons((width() - kButtonWidth) / 2 - kGap / 2, lblDisclaimer.top() + 720 + kGap, {&cmdClose});

  for (forms::TextBox* box : {&txtLength, &txtWidth, &txtHeight}) box->setMaxLength(3);
  txtWeight.setMaxLength(kWeightLength);
  txtDensity.setMaxLength(kDensityLength);

  chkMeters.onClick = [this] { chkMeters_Click(); };
  chkMeters.onKeyPress = [this](int& key) { key = pricing::EnterAsTab(this->runtime(), key); };
  txtLength.onChange = [this] { Dimension_Change(txtLength, "Invalid Length"); };
  txtWidth.onChange = [this] { Dimension_Change(txtWidth, "Invalid Width"); };
  txtHeight.onChange = [this] { Dimension_Change(txtHeight, "Invalid Height"); };
  txtWeight.onChange = [this] { ComputeDensity(); };
  txtDensity.onChange = [this] { txtDensity_Change(); };
  for (forms::TextBox* box : {&txtLength, &txtWidth, &txtHeight}) {
    box->onKeyPress = [this, box](int& key) { Entry_KeyPress(*box, key, metric() ? 2 : 0); };
    box->onGotFocus = [box] { pricing::SelectAllText(*box); };
  }
  txtWeight.onKeyPress = [this](int& key) { Entry_KeyPress(txtWeight, key, 0); };
  txtWeight.onGotFocus = [this] { pricing::SelectAllText(txtWeight); };
  txtDensity.onKeyPress = [this](int& key) { Entry_KeyPress(txtDensity, key, 2); };
  txtDensity.onGotFocus = [this] { pricing::SelectAllText(txtDensity); };
  cmdClose.onClick = [this] { Unload(); };
}

void frmDensityClassCalculator::Form_Load() {
  Centre();
  setIcon(iconPath_);
  faultShown_.clear();
}

void frmDensityClassCalculator::Entry_KeyPress(forms::TextBox& box, int& keyAscii, int decimals) {
  keyAscii = pricing::EnterAsTab(runtime(), keyAscii);
  if (keyAscii != 0)
    pricing::SetNumericKey(runtime(), box, keyAscii, box.maxLength(), decimals, decimalSeparator_);
}

void frmDensityClassCalculator::chkMeters_Click() {
  const char* dimensionUnit = metric() ? "m)" : "in)";
  lblLength.setCaption(std::string("Length (") + dimensionUnit);
  lblWidth.setCaption(std::string("Width (") + dimensionUnit);
  lblHeight.setCaption(std::string("Height (") + dimensionUnit);
  lblDensity.setCaption(std::string("Shipment Density (lbs/cu ") + (metric() ? "m)" : "ft)"));
  for (forms::TextBox* box : {&txtLength, &txtWidth, &txtHeight})
    box->setMaxLength(metric() ? 5 : 3);
  for (forms::TextBox* box : {&txtLength, &txtWidth, &txtHeight, &txtWeight, &txtDensity})
    box->setText("");
}

void frmDensityClassCalculator::Dimension_Change(forms::TextBox& box, const char* message) {
  if (!DimensionAccepted(base::ValLocal(box.text(), decimalSeparator_), metric())) {
    runtime().MsgBox(message);
    box.setText("");
    return;
  }
  ComputeDensity();
}

void frmDensityClassCalculator::ComputeDensity() {
  figures_ = tools::ComputeDensity(txtLength.text(), txtWidth.text(), txtHeight.text(),
                                   txtWeight.text(), metric(), decimalSeparator_);
  // The computed density is looked up by the density box's own change.
  const std::optional<DensityFigures> computed = figures_;
  txtDensity.setText(computed ? computed->density : "");
  figures_ = computed;
}

void frmDensityClassCalculator::txtDensity_Change() {
  figures_.reset();
  lblClass.setCaption("");
  if (base::Trim(txtDensity.text()).empty()) return;
  const std::string name = DensityTableName(metric());
  const auto table = ReadDensityTable(dir_.resolve(name));
  if (!table.ok()) {
    if (faultShown_ != table.fault()) runtime().MsgBox(table.fault());
    faultShown_ = table.fault();
    return;
  }
  const double density = base::ValLocal(txtDensity.text(), decimalSeparator_);
  if (const std::optional<double> found = ClassForDensity(table.value(), density)) {
    std::string text = base::NumberToText(*found);
    std::replace(text.begin(), text.end(), '.', decimalSeparator_);
    lblClass.setCaption(text);
  }
}

}  // namespace tarvex::tools
