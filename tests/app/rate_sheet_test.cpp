// The rate sheet request on the demo program: the window as the quote window opens it, the
// checks of each code box, the weight and class boxes from the engine, and Print.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/frm_rate_sheet.h"
#include "support/demo_program.h"
#include "support/window_test.h"

namespace tarvex::testing {
namespace {

class RateSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p_.Start();
    ASSERT_TRUE(p_.desktop.Messages().empty()) << p_.desktop.Messages()[0];
  }

  // Opens the request window from the quote window's menu and acts in it while it is open.
  void Open(const std::function<void(app::frmRateSheet&)>& act) {
    ASSERT_TRUE(ActInOpened(p_.desktop, p_.driver, p_.main.mnuFileRateSheet, "frmRateSheet", act));
  }

  void Headline(app::frmRateSheet& w, std::string_view code) {
    p_.driver.Type(w.txtHZ, code);
    p_.driver.PressEnter(w.txtHZ);
  }
  // Types a pair and leaves its high box for the next pair's low box.
  void Pair(app::frmRateSheet& w, int i, std::string_view low, std::string_view high) {
    p_.driver.Type(w.txtszl[i], low);
    p_.driver.Tab();
    p_.driver.Type(w.txtszh[i], high);
    p_.driver.Tab();
  }
  std::vector<std::string> Messages() const { return p_.desktop.Messages(); }
  forms::Control* Focus() const { return p_.runtime.ActiveControl(); }

  DemoProgram p_;
};

TEST_F(RateSheetTest, LoadsTheTariffsWeightsAndClassesAndRestoresTheSettingsOnClose) {
  const pricing::SettingsRecord before = p_.program.settings;
  p_.program.settings.MaxTotalWeight = 40000;
  Open([&](app::frmRateSheet& w) {
    EXPECT_EQ(w.caption(), "Kestrel Ridge Freight Lines - Rate Sheet");
    EXPECT_EQ(w.chkWS[0].caption(), "L5C");
    EXPECT_EQ(w.chkWS[8].caption(), "40M");
    EXPECT_TRUE(w.chkWS[8].visible());
    EXPECT_TRUE(w.chkCS[17].visible());
    EXPECT_FALSE(w.chkCS[18].visible());
    const auto& codes = p_.program.rateSheetRequest.RateSheetClassCodes;
    EXPECT_EQ(codes[0], " 50");
    EXPECT_EQ(codes[17], "500");
    EXPECT_EQ(p_.program.settings.EngineDiscountMode, 3);
    EXPECT_EQ(w.RSOptions().HeaderTexts()[1], "LTL Rate Sheet");
    p_.desktop.modalScripts["frmDiscountRS"] = [&](forms::Form& form) {
      p_.driver.Replace(*form.Find("txtDiscount", 3), "150.00");
      p_.driver.Click(*form.Find("cmdSave"));
    };
    p_.driver.Click(w.cmdDiscount);
    EXPECT_EQ(p_.program.settings.RateSheetDiscounts[4], 150);
    p_.driver.Click(w.cmdClose);
  });
  EXPECT_TRUE(Messages().empty()) << Messages()[0];
  EXPECT_EQ(p_.program.settings.RateSheetDiscounts, before.RateSheetDiscounts);
  EXPECT_EQ(p_.program.settings.EngineDiscountMode, before.EngineDiscountMode);
  EXPECT_EQ(p_.program.settings.MaxTotalWeight, before.MaxTotalWeight);
  EXPECT_EQ(Focus(), &p_.main.txtOrigin);
}

TEST_F(RateSheetTest, MaximumWeightHidesTheBreaksAboveIt) {
  for (const auto& [maximum, shown] : {std::pair{12000, 6}, std::pair{0, 1}}) {
    p_.program.settings.MaxTotalWeight = maximum;
    Open([&](app::frmRateSheet& w) {
      Headline(w, "64120");
      p_.driver.Click(w.cmdWSSelLTL);
      for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(w.chkWS[i].visible(), i < shown) << maximum << " " << i;
        EXPECT_EQ(w.chkWS[i].value(), i < shown ? 1 : 0) << maximum << " " << i;
      }
      EXPECT_EQ(Focus(), &w.cmdCSSelAll);
    });
  }
}

TEST_F(RateSheetTest, UsAndStatesExpandIntoPairs) {
  Open([&](app::frmRateSheet& w) {
    Headline(w, "64120");
    p_.driver.Type(w.txtszl[0], "us");
    p_.driver.Tab();
    EXPECT_EQ(w.txtszl[0].text(), "010");
    EXPECT_EQ(w.txtszh[0].text(), "994");
    EXPECT_EQ(Focus(), &w.txtszl[1]);
    // Texas lies in three ranges; from the last pair only the first finds room.
    p_.driver.Type(w.txtszl[15], "TX");
    p_.driver.Tab();
    EXPECT_EQ(w.txtszl[15].text(), "733");
    EXPECT_EQ(w.txtszh[15].text(), "733");
    EXPECT_EQ(Focus(), &w.cmdWSSelAll);
  });
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"Not enough space to display all zips, some zips are lost."});
}

TEST_F(RateSheetTest, WithoutTheStateTableAStateIsNoCode) {
  std::filesystem::remove(p_.scratch / "zipcodes.fil");
  Open([&](app::frmRateSheet& w) {
    Headline(w, "64120");
    for (int round = 0; round < 2; ++round) {
      p_.driver.Replace(w.txtszl[0], "NY");
      p_.driver.Tab();
      EXPECT_EQ(Focus(), &w.txtszl[0]);
    }
  });
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 3U);
  EXPECT_NE(messages[0].find("zipcodes.fil"), std::string::npos) << messages[0];
  EXPECT_EQ(messages[1], "Invalid ZIP/Postal Code");
  EXPECT_EQ(messages[2], "Invalid ZIP/Postal Code");
}

TEST_F(RateSheetTest, HighCodeChecks) {
  struct Case {
    const char* low;
    const char* high;
    const char* message;  // "" when the pair is accepted
  };
  for (const Case c :
       {Case{"300", "300", ""}, Case{"301", "300", "Low must be less than high"},
        Case{"64120", "K1A", "High ZIP/Postal Code must be in same country as low ZIP/Postal Code"},
        Case{"300", "995", "Invalid ZIP/Postal Code"},
        Case{"K1A", "", "You must enter a high ZIP/Postal Code"}}) {
    p_.desktop.shown.clear();
    Open([&](app::frmRateSheet& w) {
      Headline(w, "64120");
      // A five-digit low code does not fit the box; the check still meets one in a program
      // that set it.
      w.txtszl[0].setText(c.low);
      p_.driver.Type(w.txtszh[0], c.high);
      p_.driver.Tab();
      const bool accepted = *c.message == '\0';
      EXPECT_EQ(Focus(), accepted ? static_cast<forms::Control*>(&w.txtszl[1]) : &w.txtszh[0])
          << c.low << "-" << c.high;
      p_.driver.Click(w.cmdClose);
    });
    EXPECT_EQ(Messages(),
              *c.message == '\0' ? std::vector<std::string>{} : std::vector<std::string>{c.message})
        << c.low << "-" << c.high;
  }
}

TEST_F(RateSheetTest, ThreeDigitHeadlinesAreWidenedWhenAllowed) {
  for (const std::int16_t allowed : {std::int16_t{-1}, std::int16_t{0}}) {
    p_.desktop.shown.clear();
    p_.program.rateSheetRequest.HeadlineCode.clear();
    p_.program.settings.ThreeDigitCodes = allowed;
    Open([&](app::frmRateSheet& w) {
      Headline(w, "300");
      p_.driver.Click(w.cmdClose);
    });
    EXPECT_EQ(p_.program.rateSheetRequest.HeadlineCode, allowed != 0 ? "30001" : "");
    EXPECT_EQ(Messages().size(), allowed != 0 ? 0U : 1U);
  }
}

TEST_F(RateSheetTest, PrintSavesThePackedRequestAndAsksForIntrastateTariffs) {
  bool chooser = false;
  p_.desktop.modalScripts["frmIntrastateTariffs"] = [&](forms::Form&) { chooser = true; };
  Open([&](app::frmRateSheet& w) {
    Headline(w, "641");
    p_.driver.Click(w.optInBound);
    p_.driver.Click(w.cmdPrint);
    p_.driver.Click(w.cmdWSSelAll);
    p_.driver.Click(w.cmdCSSelAll);
    p_.driver.Click(w.cmdPrint);
    Pair(w, 0, "640", "649");
    // A pair typed after an empty one is rated too.
    Pair(w, 2, "K1A", "K9Z");
    p_.driver.Click(w.cmdPrint);
  });
  EXPECT_EQ(Messages(), (std::vector<std::string>{"You must select a weight",
                                                  "You must enter at least one pair of zips"}));
  const ratesheet::RateSheetRequest& q = p_.program.rateSheetRequest;
  EXPECT_TRUE(chooser);
  EXPECT_EQ(q.HeadlineCode, "64101");
  EXPECT_FALSE(q.Outbound);
  EXPECT_EQ(q.SidelineLow[1], "K1A");
  EXPECT_FALSE(q.PairInUse(2));
  EXPECT_TRUE(q.WeightSelected[6]);
  EXPECT_FALSE(q.WeightSelected[7]);
  EXPECT_TRUE(q.ClassSelected[17]);
}

TEST_F(RateSheetTest, AHighCodeOfNoSidelineFormStopsPrintUntilOnePasses) {
  int chooser = 0;
  p_.desktop.modalScripts["frmIntrastateTariffs"] = [&](forms::Form&) { ++chooser; };
  Open([&](app::frmRateSheet& w) {
    Headline(w, "64120");
    p_.driver.Click(w.cmdWSSelAll);
    p_.driver.Click(w.cmdCSSelAll);
    Pair(w, 0, "300", "995");
    p_.driver.Click(w.cmdPrint);
    EXPECT_EQ(chooser, 0);
    p_.driver.Replace(w.txtszh[0], "399");
    p_.driver.Click(w.cmdPrint);
  });
  EXPECT_EQ(chooser, 1);
  EXPECT_EQ(Messages(), std::vector<std::string>(2, "Invalid ZIP/Postal Code"));
  EXPECT_EQ(p_.program.rateSheetRequest.SidelineHigh[0], "399");
}

TEST_F(RateSheetTest, HeaderTextsStayUntilReset) {
  Open([&](app::frmRateSheet& w) {
    p_.desktop.modalScripts["frmRSOptions"] = [&](forms::Form&) {
      p_.driver.Replace(w.RSOptions().txtHeader[2], "Customer copy");
      p_.driver.Click(w.RSOptions().cmdClose);
    };
    p_.driver.Click(w.mnuRateSheetOptions);
    EXPECT_EQ(w.RSOptions().HeaderTexts()[1], "Customer copy");
    EXPECT_EQ(Focus(), &w.txtHZ);
    p_.desktop.modalScripts["frmRSOptions"] = [&](forms::Form&) {
      p_.driver.Click(w.RSOptions().cmdReset);
      p_.driver.Click(w.RSOptions().cmdOK);
    };
    p_.driver.Click(w.mnuRateSheetOptions);
    EXPECT_EQ(w.RSOptions().HeaderTexts()[1], "LTL Rate Sheet");
  });
  EXPECT_TRUE(Messages().empty()) << Messages()[0];
}

}  // namespace
}  // namespace tarvex::testing
