#include "geo/frm_terminal_information.h"

#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "geo/show_service_days.h"
#include "support/window_test.h"

namespace tarvex::geo {
namespace {

// The quote window's part this window reads: its two service labels.
class QuoteLabels : public forms::Form {
 public:
  explicit QuoteLabels(forms::Runtime& rt) : Form(rt, "frmCorvane1") {}
  forms::Label lblServiceDays{*this, "lblServiceDays"};
  forms::Label lblServiceType{*this, "lblServiceType"};
};

TerminalRecord Kansas() {
  TerminalRecord t;
  t.name = "Kestrel Ridge Kansas City Terminal";
  t.code = "KCMO";
  t.address1 = "110 Demo Freight Way";
  t.city = "Kansas City";
  t.state = "MO";
  t.zip = "64120";
  t.phone = "816-555-0101";
  t.freePhone = "800-555-0101";
  t.fax = "816-555-0151";
  t.email = "kcmo.terminal@kestrel-ridge.example";
  t.contactName = "Avery Example";
  t.contactTitle = "Operations Manager";
  return t;
}

TerminalRecord Toronto() {
  TerminalRecord t = Kansas();
  t.name = "Kestrel Ridge Toronto Terminal";
  t.code = "TORO";
  t.address2 = "Dock Office, Suite D (demo)";
  t.city = "Toronto";
  t.state = "ON";
  t.zip = "M9W 0A0";
  return t;
}

class TerminalInformation : public testing::WindowTest {
 protected:
  void SetUp() override {
    scratch_.Put(kTerminalFileName, "");
    scratch_.Append(kTerminalFileName, Kansas().ToBytes());
    scratch_.Append(kTerminalFileName, Toronto().ToBytes());
  }
  // Opens the window as the quote window's menu does, after closing the one open before, and
  // reads it while it is open.
  void Open(const LaneService& lane, const char* days, const char* type) {
    if (window_) runtime_.Unload(*window_);
    quote_.lblServiceDays.setCaption(days);
    quote_.lblServiceType.setCaption(type);
    window_ = std::make_unique<frmTerminalInformation>(
        runtime_, programDir_, lane, quote_.lblServiceDays, quote_.lblServiceType);
    runtime_.Load(*window_);
  }
  static std::string Padded(const std::string& s, std::size_t w) { return base::PadRight(s, w); }

  QuoteLabels quote_{runtime_};
  std::unique_ptr<frmTerminalInformation> window_;
};

TEST_F(TerminalInformation, BothSidesWithTheAddressLineRuleAndCloseButton) {
  Open(LaneService{1, 2, "D", "D", 0, 1, "D"}, "3 Day(s)", "Direct");
  const auto& w = *window_;
  EXPECT_EQ(w.lblOriginTerminal.caption(),
            "KCMO - " + Padded("Kestrel Ridge Kansas City Terminal", 50));
  EXPECT_EQ(w.lblOriginAddress1.caption(), Padded("110 Demo Freight Way", 50));
  // No second address line: the city line moves up and the third line stays empty.
  EXPECT_EQ(w.lblOriginAddress2.caption(), "Kansas City, MO  " + Padded("64120", 10));
  EXPECT_EQ(w.lblOriginCSZ.caption(), "");
  EXPECT_EQ(w.lblOriginPhone.caption(), Padded("816-555-0101", 12));
  EXPECT_EQ(w.lblOriginFreePhone.caption(), Padded("800-555-0101", 12));
  EXPECT_EQ(w.lblOriginFax.caption(), Padded("816-555-0151", 12));
  EXPECT_EQ(base::Trim(w.lblOriginEmail.caption()), "kcmo.terminal@kestrel-ridge.example");
  EXPECT_EQ(base::Trim(w.lblOriginContactName.caption()), "Avery Example");
  EXPECT_EQ(base::Trim(w.lblOriginContactTitle.caption()), "Operations Manager");

  EXPECT_EQ(base::Trim(w.lblDestinationTerminal.caption()),
            "TORO - Kestrel Ridge Toronto Terminal");
  EXPECT_EQ(base::Trim(w.lblDestinationAddress2.caption()), "Dock Office, Suite D (demo)");
  EXPECT_EQ(w.lblDestinationCSZ.caption(), "Toronto, ON  " + Padded("M9W 0A0", 10));

  EXPECT_EQ(w.lblServiceDays.caption(), "3 Day(s)");
  EXPECT_EQ(w.lblServiceType.caption(), "Direct");
  driver_.Click(window_->cmdClose);
  EXPECT_FALSE(window_->loaded());
}

TEST_F(TerminalInformation, NoDestinationTerminalShowsTheOriginAndNoService) {
  Open(LaneService{1, 0, "D", "", 0, 0, ""}, "", "None");
  const auto& w = *window_;
  EXPECT_EQ(base::Trim(w.lblOriginTerminal.caption()), "KCMO - Kestrel Ridge Kansas City Terminal");
  EXPECT_EQ(w.lblDestinationTerminal.caption(), "");
  EXPECT_EQ(w.lblDestinationAddress1.caption(), "");
  EXPECT_EQ(w.lblDestinationPhone.caption(), "");
  EXPECT_EQ(w.lblServiceDays.caption(), "");
  EXPECT_EQ(w.lblServiceType.caption(), "No Service");
}

TEST_F(TerminalInformation, BeforeAnyLaneAndWithAMissingOrShortTerminalList) {
  // Opened by a double click before any destination: only what the lane state holds.
  Open(LaneService{}, "", "");
  EXPECT_EQ(window_->lblOriginTerminal.caption(), "");
  EXPECT_EQ(window_->lblServiceType.caption(), "");

  // A terminal the list does not hold leaves its side empty.
  Open(LaneService{3, 1, "D", "D", 0, 0, "D"}, "2 Day(s)", "Direct");
  EXPECT_EQ(window_->lblOriginTerminal.caption(), "");
  EXPECT_NE(window_->lblDestinationTerminal.caption(), "");

  Put(kTerminalFileName, std::string(433 + 100, 'x'));  // the second record cut off
  Open(LaneService{2, 1, "D", "D", 0, 0, "D"}, "2 Day(s)", "Direct");
  EXPECT_EQ(window_->lblOriginTerminal.caption(), "");
  EXPECT_NE(window_->lblDestinationTerminal.caption(), "");

  std::filesystem::remove(dir_ / kTerminalFileName);
  Open(LaneService{1, 2, "D", "D", 0, 0, "D"}, "2 Day(s)", "none at all");
  EXPECT_EQ(window_->lblOriginTerminal.caption(), "");
  EXPECT_EQ(window_->lblDestinationTerminal.caption(), "");
  EXPECT_EQ(window_->lblServiceType.caption(), "No Service");  // "none" in any case
}

TEST_F(TerminalInformation, ShowServiceDaysSetsTheQuoteWindowsLabelsAndTheLaneServiceType) {
  Put(kServiceMatrixFileName, std::string("\1\0\2\0\3\0\4\0", 8));  // 1 to 2: 2 days
  const ServiceLabels labels{quote_.lblServiceDays, quote_.lblServiceType};
  // The figures themselves are the service guide's; this is where they go.
  LaneService lane{1, 2, "D", "I", 0, 0, ""};
  ShowServiceDays(programDir_, labels, lane);
  EXPECT_EQ(quote_.lblServiceDays.caption(), "2 Day(s)");
  EXPECT_EQ(quote_.lblServiceType.caption(), "Non-Direct");
  EXPECT_EQ(lane.laneServiceType, "I");
  lane = LaneService{1, 0, "D", "", 0, 0, ""};  // no destination terminal: no service
  ShowServiceDays(programDir_, labels, lane);
  EXPECT_EQ(quote_.lblServiceType.caption(), "None");
}

}  // namespace
}  // namespace tarvex::geo
