// The discount editor and its summary headless: layouts, loading, saving, the state grid,
// deleting, and what the key and the LTL boxes refuse.
#include "pricing/frm_discounts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "base/files.h"
#include "base/number_format.h"
#include "base/text.h"
#include "pricing/discount_sets.h"
#include "pricing/ini_file.h"
#include "support/window_test.h"

namespace tarvex::pricing {
namespace {

namespace fs = std::filesystem;

std::string StateCode(int i) {
  return {static_cast<char>('A' + i / 26), static_cast<char>('A' + i % 26)};
}

// Forty-nine states with two-letter codes AA, AB, …, in file order.
std::string StateList(int count = 49) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += base::PadRight("State " + StateCode(i), kStateNameWidth) + StateCode(i) + "\r\n";
  return text;
}

class DiscountEditor : public testing::WindowTest {
 protected:
  void SetUp() override { Put(kStateNameFileName, StateList()); }
  // Opens the editor for `country`, runs `act` in it, and closes it.
  void Open(const char* country, const std::function<void(frmDiscounts&)>& act,
            bool mexico571 = false, char separator = '.') {
    frmDiscounts window(runtime_, programDir_, mexico571, separator, "");
    desktop_.modalScripts["frmDiscounts"] = [&](forms::Form&) {
      act(window);
      driver_.Click(window.cmdClose);
    };
    window.Main(country);
  }
  std::string Read(const std::string& key, const std::string& section, const std::string& name) {
    return ReadIniValue(section, name, dir_ / ("d" + key + ".ini"), "");
  }
  // Scrolls the grid to state s and gives the box of column c in its row.
  forms::TextBox& StateBox(frmDiscounts& w, int s, int c) {
    const int first = std::min(s, w.VScroll1.max());
    driver_.Scroll(w.VScroll1, first);
    forms::TextBox* boxes[] = {&w.txtOutboundFloor[s - first], &w.txtOutboundLTL[s - first],
                               &w.txtInboundFloor[s - first], &w.txtInboundLTL[s - first]};
    return *boxes[c];
  }
  // Types `text` over what the box holds and leaves it, as a user does.
  void Enter(forms::Control& box, const std::string& text) {
    driver_.Replace(box, text);
    driver_.Tab();
  }
};

TEST_F(DiscountEditor, UsEditorWorksOnTheDefaultSetUntilTheAdvancedOptionsOpen) {
  Put("d00000.ini", "[Discounts]\r\ntxtOutboundInterstateDirectLTL=50\r\noptTraditional=True\r\n");
  Put("d64120.ini", "[Discounts]\r\ncboKeyZip=64120\r\ntxtOutboundInterstateDirectLTL=62.5\r\n");
  Open("U", [&](frmDiscounts& w) {
    EXPECT_EQ(w.lblMain.caption(), "US Discounts");
    EXPECT_EQ(w.cboKeyZip.text(), "00000");
    EXPECT_FALSE(w.fraAdvancedOptions.visible());
    EXPECT_FALSE(w.cmdDelete.enabled());
    EXPECT_EQ(w.Field("txtOutboundInterstateDirectLTL").text(), "50.00");
    driver_.Click(w.cmdAdvancedOptions);
    EXPECT_TRUE(w.fraAdvancedOptions.visible());
    EXPECT_EQ(w.cmdAdvancedOptions.caption(), "Close Advanced Options");
    driver_.Select(w.cboKeyZip, 1);
    EXPECT_EQ(w.Field("txtOutboundInterstateDirectLTL").text(), "62.50");
    EXPECT_TRUE(w.cmdDelete.enabled());
    driver_.Click(w.cmdAdvancedOptions);
    EXPECT_EQ(w.cboKeyZip.text(), "00000");
    EXPECT_EQ(w.Field("txtOutboundInterstateDirectLTL").text(), "50.00");
  });
  EXPECT_TRUE(desktop_.Messages().empty());
}

TEST_F(DiscountEditor, ANewKeyStartsFromTheScreenAndSavingCreatesItsFile) {
  Put("d00000.ini",
      "[Discounts]\r\noptTraditional=False\r\noptState=True\r\noptRates=True\r\n"
      "optCharges=False\r\ntxtInboundIntrastateDirectFloor=85\r\n");
  Open("U", [&](frmDiscounts& w) {
    EXPECT_TRUE(w.optState.value());
    EXPECT_TRUE(w.fraState.visible());
    driver_.Click(w.cmdAdvancedOptions);
    Enter(w.cboKeyZip, "30303");
    EXPECT_TRUE(w.optTraditional.value());
    EXPECT_TRUE(w.optCharges.value());
    EXPECT_TRUE(w.fraTraditional.visible());
    EXPECT_FALSE(w.fraState.visible());
    EXPECT_EQ(w.Field("txtInboundIntrastateDirectFloor").text(), "85.00");
    EXPECT_FALSE(fs::exists(dir_ / "d30303.ini"));
    driver_.Click(w.cmdSave);
    EXPECT_EQ(w.cboKeyZip.text(), "30303");
    EXPECT_EQ(w.cboKeyZip.items(), (std::vector<std::string>{"00000", "30303"}));
  });
  EXPECT_EQ(Read("30303", "Discounts", "txtInboundIntrastateDirectFloor"), "85.00");
  EXPECT_EQ(Read("30303", "Discounts", "cboKeyZip"), "30303");
  EXPECT_EQ(Read("30303", "Discounts", "optTraditional"), "True");
  EXPECT_EQ(Read("30303", "Discounts", "optState"), "False");
  EXPECT_EQ(Read("30303", "Discounts", "optRates"), "False");
  EXPECT_EQ(Read("30303", "Discounts", "optCharges"), "True");
  // Every state has its section, the type being Traditional notwithstanding.
  const auto sections = ReadIniSectionNames(dir_ / "d30303.ini");
  ASSERT_EQ(sections.size(), 50U);
  EXPECT_EQ(sections[1], "AA");
  EXPECT_EQ(sections[49], StateCode(48));
  EXPECT_TRUE(desktop_.Messages().empty());
}

TEST_F(DiscountEditor, ACopiedSetSwitchesTheKeyToTheOneItNames) {
  Put("d64120.ini", "[Discounts]\r\ncboKeyZip=64108\r\n");
  Open("U", [&](frmDiscounts& w) {
    driver_.Click(w.cmdAdvancedOptions);
    driver_.Select(w.cboKeyZip, 0);
    EXPECT_EQ(w.cboKeyZip.text(), "64108");
    driver_.Click(w.cmdSave);
  });
  EXPECT_TRUE(fs::exists(dir_ / "d64108.ini"));
}

TEST_F(DiscountEditor, TheGridShowsOneModeAndApplyToAllRowsCopiesOnlyIt) {
  Put("d64120.ini",
      "[Discounts]\r\noptState=True\r\noptTraditional=False\r\n[AA]\r\nOutboundDirectFloor=90\r\n"
      "OutboundDirectLTL=61.25\r\nOutboundInterlineFloor=95\r\nOutboundInterlineLTL=55\r\n"
      "InboundInterlineLTL=45.5\r\n[AB]\r\nOutboundDirectLTL=12.345\r\n");
  Open("U", [&](frmDiscounts& w) {
    driver_.Click(w.cmdAdvancedOptions);
    driver_.Select(w.cboKeyZip, 0);
    ASSERT_TRUE(w.fraState.visible());
    EXPECT_EQ(w.lblState[0].caption(), "State AA");
    EXPECT_EQ(w.txtOutboundLTL[0].text(), "61.25");
    // A shown value is kept as shown, with two decimals.
    EXPECT_EQ(w.txtOutboundLTL[1].text(), "12.35");
    EXPECT_DOUBLE_EQ(w.StateDiscounts()[1].values[1], 12.35);
    EXPECT_EQ(w.VScroll1.max(), 40);
    driver_.Click(w.cmdShowInterlinePricing);
    EXPECT_EQ(w.GridMode(), "Interline");
    EXPECT_EQ(w.lblDirectInterline.caption(), "Interline Pricing Provisions");
    EXPECT_EQ(w.txtOutboundFloor[0].text(), "95.00");
    EXPECT_EQ(w.txtInboundLTL[0].text(), "45.50");
    driver_.Click(w.cmdApplyToAllRows);
    for (const StateDiscount& s : w.StateDiscounts()) {
      EXPECT_EQ(s.values[2], 95);
      EXPECT_EQ(s.values[7], 45.5);
    }
    // The direct values stay as they were.
    EXPECT_EQ(w.StateDiscounts()[1].values[0], 0);
    EXPECT_DOUBLE_EQ(w.StateDiscounts()[1].values[1], 12.35);
    driver_.Scroll(w.VScroll1, 40);
    EXPECT_EQ(w.lblState[8].caption(), "State " + StateCode(48));
    EXPECT_EQ(w.txtOutboundFloor[8].text(), "95.00");
  });
}

TEST_F(DiscountEditor, ClearEmptiesOnlyWhatIsShownAndWritesNothing) {
  const std::string set =
      "[Discounts]\r\noptState=True\r\noptTraditional=False\r\ntxtOutboundInterstateDirectLTL=50"
      "\r\n[AC]\r\nOutboundDirectFloor=90\r\nInboundInterlineLTL=45\r\n";
  Put("d64120.ini", set);
  Open("U", [&](frmDiscounts& w) {
    driver_.Click(w.cmdAdvancedOptions);
    driver_.Select(w.cboKeyZip, 0);
    driver_.Click(w.cmdClear);
    for (const StateDiscount& s : w.StateDiscounts())
      for (const double v : s.values) EXPECT_EQ(v, 0);
    EXPECT_EQ(w.txtOutboundFloor[2].text(), "");
    EXPECT_EQ(w.Field("txtOutboundInterstateDirectLTL").text(), "50.00");
    driver_.Click(w.cmdRetrieve);
    EXPECT_EQ(w.StateDiscounts()[2].values[0], 90);
    driver_.Click(w.optTraditional);
    driver_.Click(w.cmdClear);
    EXPECT_EQ(w.Field("txtOutboundInterstateDirectLTL").text(), "");
    EXPECT_EQ(w.StateDiscounts()[2].values[0], 90);
    EXPECT_EQ(w.cboKeyZip.text(), "64120");
  });
  EXPECT_EQ(base::FileToString(dir_ / "d64120.ini"), set);
}

TEST_F(DiscountEditor, DeletingAsksFirstAndTheDefaultSetIsRefused) {
  Put("d64120.ini", "[Discounts]\r\n");
  Open("U", [&](frmDiscounts& w) {
    driver_.Click(w.cmdAdvancedOptions);
    w.cmdDelete.setEnabled(true);  // the refusal stands even for a button left enabled
    driver_.Click(w.cmdDelete);
    driver_.Select(w.cboKeyZip, 0);
    desktop_.answers = {false, true};
    driver_.Click(w.cmdDelete);
    EXPECT_TRUE(fs::exists(dir_ / "d64120.ini"));
    driver_.Click(w.cmdDelete);
    EXPECT_FALSE(fs::exists(dir_ / "d64120.ini"));
    EXPECT_EQ(w.cboKeyZip.text(), "00000");
    EXPECT_EQ(w.cboKeyZip.items(), std::vector<std::string>{"00000"});
  });
  ASSERT_EQ(desktop_.shown.size(), 3U);
  EXPECT_EQ(desktop_.shown[0].text, "You may not delete this set of discounts");
  EXPECT_EQ(desktop_.shown[1].text, "Are you sure you wish to delete discounts for 64120?");
  EXPECT_TRUE(desktop_.shown[2].question);
}

TEST_F(DiscountEditor, KeyAndDiscountBoxesRefuseWhatCannotBeMeant) {
  Open("U", [&](frmDiscounts& w) {
    driver_.Click(w.cmdAdvancedOptions);
    Enter(w.cboKeyZip, "0");
    EXPECT_EQ(runtime_.ActiveControl(), &w.cboKeyZip);
    driver_.Replace(w.cboKeyZip, "641x20");  // the letter is refused as it is typed
    EXPECT_EQ(w.cboKeyZip.text(), "64120");
    forms::TextBox& ltl = w.Field("txtInboundInterstateDirectLTL");
    Enter(ltl, "100");
    EXPECT_EQ(runtime_.ActiveControl(), &ltl);
    Enter(ltl, "99.99");
    EXPECT_NE(runtime_.ActiveControl(), &ltl);
    // Floors have no upper bound.
    forms::TextBox& floor = w.Field("txtInboundInterstateDirectFloor");
    Enter(floor, "150");
    EXPECT_NE(runtime_.ActiveControl(), &floor);
    driver_.Click(w.optState);
    Enter(StateBox(w, 3, 3), "100");
    EXPECT_EQ(runtime_.ActiveControl(), &w.txtInboundLTL[0]);
  });
  EXPECT_EQ(desktop_.Messages(),
            (std::vector<std::string>{"Invalid ZIP/Postal Code", "Invalid Discount",
                                      "Invalid Discount"}));
}

// Whatever is typed comes back from the file exactly as it was shown.
TEST_F(DiscountEditor, SavedValuesComeBackOnRetrieve) {
  std::mt19937 random(20261207);
  for (const char separator : {'.', ','}) {
    // Two decimals as the user types them: LTL discounts below 100, floors up to 999.99.
    const auto number = [&](bool ltl) {
      const int cents = std::uniform_int_distribution<int>(0, ltl ? 9999 : 99999)(random);
      std::string text = base::FormatMask(cents / 100.0, "0.00");
      text[text.size() - 3] = separator;
      return text;
    };
    for (int round = 0; round < 3; ++round) {
      std::map<std::string, std::string> typed;
      std::map<int, std::map<int, std::string>> grid;
      Open(
          "U",
          [&](frmDiscounts& w) {
            driver_.Click(w.cmdAdvancedOptions);
            Enter(w.cboKeyZip, "64120");
            for (const auto* names : {&LaneTypeFieldNames(), &CrossBorderFieldNames()})
              for (const std::string& name : *names) {
                typed[name] = number(IsLtlField(name));
                w.Field(name).setText(typed[name]);
              }
            driver_.Click(round % 2 == 0 ? w.optRates : w.optCharges);
            driver_.Click(w.optState);
            for (int s = 0; s < 49; s += 7)
              for (int c = 0; c < 4; ++c) {
                grid[s][c] = number(c % 2 == 1);
                Enter(StateBox(w, s, c), grid[s][c]);
              }
            driver_.Click(w.cmdSave);
            driver_.Click(w.cmdClear);
            driver_.Click(w.optTraditional);
            driver_.Click(w.cmdClear);
            driver_.Click(w.cmdRetrieve);
            for (const auto& [name, text] : typed) EXPECT_EQ(w.Field(name).text(), text) << name;
            EXPECT_EQ(w.optRates.value(), round % 2 == 0 ? 1 : 0);
            EXPECT_TRUE(w.optState.value());
            for (int s = 0; s < 49; s += 7)
              for (int c = 0; c < 4; ++c) EXPECT_EQ(StateBox(w, s, c).text(), grid[s][c]) << s;
          },
          false, separator);
      ASSERT_TRUE(desktop_.Messages().empty()) << desktop_.Messages()[0];
    }
  }
  // Whatever the user's separator, the set holds its numbers with ".".
  EXPECT_EQ(base::FileToString(dir_ / "d64120.ini").find(','), std::string::npos);
}

TEST_F(DiscountEditor, ASetThatCannotBeWrittenIsNamedAndTheValuesStay) {
  fs::create_directories(dir_ / "d64120.ini");  // a folder where the set should go
  Open("U", [&](frmDiscounts& w) {
    driver_.Click(w.cmdAdvancedOptions);
    Enter(w.cboKeyZip, "64120");
    driver_.Replace(w.Field("txtOutboundInterstateDirectLTL"), "55");
    driver_.Click(w.cmdSave);
    EXPECT_EQ(w.Field("txtOutboundInterstateDirectLTL").text(), "55");
    EXPECT_EQ(w.cboKeyZip.text(), "64120");
  });
  ASSERT_EQ(desktop_.Messages().size(), 1U);
  EXPECT_NE(desktop_.Messages()[0].find((dir_ / "d64120.ini").string()), std::string::npos);
}

TEST_F(DiscountEditor, LayoutsByCountry) {
  const auto shown = [](std::initializer_list<const forms::Control*> controls) {
    std::string flags;
    for (const auto* c : controls) flags += c->shown() ? '1' : '0';
    return flags;
  };
  Open("C", [&](frmDiscounts& w) {
    EXPECT_EQ(w.lblMain.caption(), "Canadian Discounts");
    EXPECT_EQ(w.cboKeyZip.text(), "000000");
    EXPECT_EQ(shown({&w.cmdAdvancedOptions, &w.cmdDiscountSummary, &w.cmdShowInterlinePricing,
                     &w.cmdApplyToAllRows, &w.cmdDelete, &w.cmdSave}),
              "000001");
    EXPECT_EQ(shown({&w.fraOutboundInterstate, &w.fraInboundInterstate, &w.fraOutboundIntrastate,
                     &w.fraInboundIntrastate, &w.lblOutboundInterstate, &w.lblOutbound}),
              "110001");
    driver_.Replace(w.Field("txtOutboundInterstateDirectLTL"), "40");
    driver_.Click(w.cmdSave);
  });
  EXPECT_EQ(Read("000000", "Discounts", "txtOutboundInterstateDirectLTL"), "40");
  Open(
      "M",
      [&](frmDiscounts& w) {
        EXPECT_EQ(w.lblMain.caption(), "Mexican Discounts");
        EXPECT_EQ(w.cboKeyZip.text(), "0000");
        EXPECT_EQ(shown({&w.fraTraditional, &w.fra571MX, &w.cmdDelete}), "010");
        EXPECT_EQ(w.lbl571Column[3].caption(), "LTL (CAN)");
      },
      true);
  Open("M", [&](frmDiscounts& w) {
    EXPECT_EQ(shown({&w.fraTraditional, &w.fra571MX, &w.fraInboundIntrastate}), "101");
    EXPECT_EQ(w.lblOutbound.caption(), "Mexico/US");
    EXPECT_EQ(w.lblInbound.caption(), "Mexico/Canada");
    EXPECT_EQ(w.lblOutboundIntrastate.caption(), "Outbound");
    EXPECT_EQ(w.lblInboundInterstate.caption(), "Inbound");
  });
  EXPECT_TRUE(desktop_.Messages().empty());
}

TEST_F(DiscountEditor, TheSummaryPicksASetToEdit) {
  Put("d64120.ini", "[Discounts]\r\noptTraditional=True\r\noptCharges=True\r\n");
  Put("d30303.ini", "[Discounts]\r\noptState=True\r\noptRates=True\r\n");
  // Each set's row describes its options; order and texts are the DiscountSets tests'.
  std::string row;
  desktop_.modalScripts["frmDiscountSummary"] = [&](forms::Form& f) {
    auto& summary = dynamic_cast<frmDiscountSummary&>(f);
    row = summary.lstDiscountSummary.items().at(1);
    driver_.Select(summary.lstDiscountSummary, 1);
    driver_.DblClick(summary.lstDiscountSummary);
  };
  Open("U", [&](frmDiscounts& w) {
    driver_.Click(w.cmdDiscountSummary);
    EXPECT_TRUE(w.fraAdvancedOptions.visible());
    EXPECT_EQ(w.cboKeyZip.text(), "64120");
    EXPECT_TRUE(w.optTraditional.value());
    desktop_.modalScripts["frmDiscountSummary"] = [&](forms::Form& f) {
      driver_.Click(dynamic_cast<frmDiscountSummary&>(f).cmdClose);
    };
    driver_.Click(w.cmdDiscountSummary);
    EXPECT_EQ(w.cboKeyZip.text(), "64120");
  });
  EXPECT_EQ(row, "64120     Traditional     Charges         ");
}

TEST(StateNames, FaultsNameTheFileAndTheLine) {
  testing::ScratchDir dir;
  // The list, what its fault says (empty: read), and how many states are read.
  const std::tuple<std::string, std::string, std::size_t> cases[] = {
      {StateList(), "", 49},
      {StateList(52), "", 49},  // lines beyond the 49th are not used
      {"\r\n" + StateList(3) + "\r\n\r\n", "", 3},
      {StateList(2) + "Georgia              G\r\n", "line 3 has no two-letter", 0},
      {StateList(2) + "Georgia, State       GA\r\n", "line 3 holds a comma", 0},
      {StateList(2) + "Again                AA\r\n", "line 3 gives the code AA a second time", 0},
      {"Short\n", "line 1 has no two-letter", 0},
  };
  for (const auto& [text, fault, states] : cases) {
    const auto file = dir.Put("stname.dat", text);
    const auto read = ReadStateNames(file);
    if (fault.empty()) {
      ASSERT_TRUE(read.ok()) << read.fault();
      EXPECT_EQ(read.value().size(), states);
      EXPECT_EQ(read.value()[0].StateCode, "AA");
    } else {
      EXPECT_FALSE(read.ok());
      EXPECT_NE(read.fault().find(file.string()), std::string::npos) << read.fault();
      EXPECT_NE(read.fault().find(fault), std::string::npos) << read.fault();
    }
  }
  EXPECT_NE(ReadStateNames(dir / "none.dat").fault().find("missing"), std::string::npos);
}

TEST_F(DiscountEditor, AMissingStateListLeavesTheGridEmptyAndTheSectionsAlone) {
  fs::remove(dir_ / kStateNameFileName);
  Put("d64120.ini", "[Discounts]\r\n[GA]\r\nOutboundDirectLTL=50\r\n");
  Open("U", [&](frmDiscounts& w) {
    driver_.Click(w.cmdAdvancedOptions);
    driver_.Select(w.cboKeyZip, 0);
    driver_.Click(w.optState);
    EXPECT_FALSE(w.txtOutboundLTL[0].visible());
    driver_.Click(w.cmdSave);
  });
  ASSERT_EQ(desktop_.Messages().size(), 1U);
  EXPECT_NE(desktop_.Messages()[0].find("stname.dat is missing"), std::string::npos);
  EXPECT_EQ(Read("64120", "GA", "OutboundDirectLTL"), "50");
}

}  // namespace
}  // namespace tarvex::pricing
