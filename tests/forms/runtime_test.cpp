// The event order the windows rely on, pinned down headlessly.
#include "forms/runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/driver.h"
#include "support/scripted_desktop.h"

namespace tarvex::forms {
namespace {

using Log = std::vector<std::string>;

// Records every focus event of every control it is given.
void Watch(Control& c, Log& log, Runtime& rt) {
  const std::string name = c.displayName();
  c.onGotFocus = [&log, name] { log.push_back(name + " GotFocus"); };
  c.onLostFocus = [&log, &rt, name] {
    log.push_back(name + " LostFocus(next " + rt.ActiveControl()->displayName() + ")");
  };
  c.onValidate = [&log, &rt, name](bool&) {
    log.push_back(name + " Validate(next " +
                  (rt.ActiveControl() ? rt.ActiveControl()->displayName() : "-") + ")");
  };
}

class QuoteLike : public Form {
 public:
  explicit QuoteLike(Runtime& rt) : Form(rt, "frmQuote") {}
  TextBox txtOrigin{*this, "txtOrigin"};
  TextBox txtDestination{*this, "txtDestination"};
  ControlArray<ComboBox> cboClass{*this, "cboClass", 2};
  ControlArray<TextBox> txtWeight{*this, "txtWeight", 2};
  ControlArray<TextBox> txtDiscount{*this, "txtDiscount", 2};
  CommandButton cmdClose{*this, "cmdClose"};
  Menu mnuEditFAK{*this, "mnuEditFAK"};
  std::string flag = "Y";
};

class Modal : public Form {
 public:
  explicit Modal(Runtime& rt, Log& log) : Form(rt, "frmModal"), log_(log) {
    cmdOK.onClick = [this] { Hide(); };
  }
  void Form_Load() override { log_.push_back("frmModal Load"); }
  void Form_Activate() override { log_.push_back("frmModal Activate"); }
  TextBox txtFirst{*this, "txtFirst"};
  CommandButton cmdOK{*this, "cmdOK"};

 private:
  Log& log_;
};

class RuntimeTest : public ::testing::Test {
 protected:
  RuntimeTest() {
    for (Control* c : form.controls()) Watch(*c, log, rt);
    form.SetTabOrder({&form.txtOrigin, &form.txtDestination, &form.cboClass[0], &form.txtWeight[0],
                      &form.cboClass[1], &form.txtWeight[1], &form.txtDiscount[0],
                      &form.txtDiscount[1], &form.cmdClose});
    form.Show();
    log.clear();
  }
  testing::ScriptedDesktop desktop;
  Runtime rt{desktop};
  QuoteLike form{rt};
  Driver driver{rt};
  Log log;
};

TEST_F(RuntimeTest, FocusBounceConsumesTheRatingFlag) {
  // The class box refuses its value and takes the focus back; the weight box, which
  // gets the focus in between, finds "N", turns it back to "Y" and must not rate.
  int ratings = 0;
  form.cboClass[0].onLostFocus = [&] {
    log.push_back("cboClass(0) LostFocus(next " + rt.ActiveControl()->displayName() + ")");
    rt.MsgBox("Invalid Class");
    form.flag = "N";
    form.cboClass[0].SetFocus();
  };
  form.txtWeight[0].onLostFocus = [&] {
    log.push_back("txtWeight(0) LostFocus(next " + rt.ActiveControl()->displayName() + ")");
    if (form.flag == "N") {
      form.flag = "Y";
      return;
    }
    ++ratings;
  };
  driver.Focus(form.cboClass[0]);
  log.clear();
  driver.Tab();
  EXPECT_EQ(log, (Log{"cboClass(0) Validate(next cboClass(0))",
                      "cboClass(0) LostFocus(next txtWeight(0))", "txtWeight(0) GotFocus",
                      "txtWeight(0) Validate(next txtWeight(0))",
                      "txtWeight(0) LostFocus(next cboClass(0))", "cboClass(0) GotFocus"}));
  EXPECT_EQ(desktop.Messages(), (std::vector<std::string>{"Invalid Class"}));
  EXPECT_EQ(form.flag, "Y");
  EXPECT_EQ(ratings, 0);
  EXPECT_EQ(rt.ActiveControl(), &form.cboClass[0]);
}

TEST_F(RuntimeTest, ACancelledValidateKeepsTheFocusAndLosesAClickUnlessTheButtonCancels) {
  int clicks = 0;
  form.cmdClose.onClick = [&] { ++clicks; };
  form.txtOrigin.onValidate = [&](bool& cancel) {
    log.push_back("txtOrigin Validate");
    cancel = true;
  };
  driver.Tab();
  driver.Click(form.cmdClose);
  EXPECT_EQ(log, (Log{"txtOrigin Validate", "txtOrigin Validate"}));
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(rt.ActiveControl(), &form.txtOrigin);
  // A button that causes no validation is reached without asking the box it leaves.
  form.cmdClose.setCausesValidation(false);
  log.clear();
  driver.Click(form.cmdClose);
  EXPECT_EQ(log, (Log{"txtOrigin LostFocus(next cmdClose)", "cmdClose GotFocus"}));
  EXPECT_EQ(clicks, 1);
}

TEST_F(RuntimeTest, ModalWindowTakesTheFocusAndGivesItBack) {
  Modal modal{rt, log};
  Watch(modal.txtFirst, log, rt);
  desktop.modalScripts["frmModal"] = [&](Form&) {
    log.push_back("user works in frmModal");
    Driver(rt).Click(modal.cmdOK);
  };
  form.mnuEditFAK.onClick = [&] {
    modal.ShowModal();
    log.push_back("after ShowModal");
  };
  driver.Click(form.mnuEditFAK);
  EXPECT_EQ(log,
            (Log{"txtOrigin LostFocus(next txtFirst)", "frmModal Load", "frmModal Activate",
                 "txtFirst GotFocus", "user works in frmModal", "txtFirst Validate(next txtFirst)",
                 "txtFirst LostFocus(next cmdOK)", "txtOrigin GotFocus", "after ShowModal"}));
  EXPECT_EQ(rt.ActiveControl(), &form.txtOrigin);
  EXPECT_EQ(rt.ActiveForm(), &form);
}

TEST_F(RuntimeTest, ModalOpenedWhileLeavingAFieldLetsTheMoveFinish) {
  // The lane check asks its question in a modal window from the destination's LostFocus.
  Modal modal{rt, log};
  desktop.modalScripts["frmModal"] = [&](Form&) { Driver(rt).Click(modal.cmdOK); };
  form.txtDestination.onLostFocus = [&] {
    log.push_back("txtDestination LostFocus");
    modal.ShowModal();
    log.push_back("answered");
  };
  driver.Focus(form.txtDestination);
  log.clear();
  driver.Tab();
  EXPECT_EQ(log, (Log{"txtDestination Validate(next txtDestination)", "txtDestination LostFocus",
                      "frmModal Load", "frmModal Activate", "answered", "cboClass(0) GotFocus"}));
  EXPECT_EQ(rt.ActiveControl(), &form.cboClass[0]);
}

TEST_F(RuntimeTest, TypingGoesThroughKeyPressAndMaxLengthAndChangeOnlyOnAChange) {
  form.txtOrigin.setMaxLength(6);
  form.txtOrigin.onKeyPress = [](int& key) {
    if (key >= 'a' && key <= 'z') key -= 32;  // the box shows capitals
    if (key == '-') key = 0;
  };
  Log changes;
  form.txtOrigin.onChange = [&] { changes.push_back(form.txtOrigin.text()); };
  driver.Type(form.txtOrigin, "k1a-0b1x");
  EXPECT_EQ(form.txtOrigin.text(), "K1A0B1");
  EXPECT_EQ(changes.size(), 6U);
  driver.Press(form.txtOrigin, keys::Backspace);
  EXPECT_EQ(form.txtOrigin.text(), "K1A0B");
  form.txtOrigin.setSelection(0, 2);
  driver.Type(form.txtOrigin, "m");
  EXPECT_EQ(form.txtOrigin.text(), "MA0B");
  form.txtOrigin.setSelection(0, 0);
  driver.PressDelete(form.txtOrigin);
  EXPECT_EQ(form.txtOrigin.text(), "A0B");
  // Text set by the code raises Change too, but only when the text changes.
  changes.clear();
  form.txtOrigin.setText("A0B");
  form.txtOrigin.setText("");
  EXPECT_EQ(changes, (Log{""}));
}

TEST_F(RuntimeTest, LockedBoxIgnoresTypingButEnterStillMovesOn) {
  form.cboClass[0].setLocked(true);
  form.cboClass[0].onKeyPress = [&](int& key) {
    if (key == keys::Enter) {
      key = 0;
      rt.PostTab();
    }
  };
  driver.Type(form.cboClass[0], "85");
  EXPECT_EQ(form.cboClass[0].text(), "");
  driver.PressEnter(form.cboClass[0]);
  EXPECT_EQ(rt.ActiveControl(), &form.txtWeight[0]);
}

TEST_F(RuntimeTest, EnterAsTabMovesAfterTheKeyHandler) {
  form.txtOrigin.onKeyPress = [&](int& key) {
    if (key != keys::Enter) return;
    key = 0;
    rt.PostTab();
    log.push_back("KeyPress done");
  };
  driver.PressEnter(form.txtOrigin);
  EXPECT_EQ(log, (Log{"KeyPress done", "txtOrigin Validate(next txtOrigin)",
                      "txtOrigin LostFocus(next txtDestination)", "txtDestination GotFocus"}));
}

TEST_F(RuntimeTest, TabSkipsHiddenDisabledAndFramedControls) {
  Frame fra{form, "fraPPU"};
  form.txtDestination.setEnabled(false);
  form.cboClass[0].setContainer(&fra);
  fra.setVisible(false);
  driver.Tab();
  EXPECT_EQ(rt.ActiveControl(), &form.txtWeight[0]);
  driver.Tab(true);
  EXPECT_EQ(rt.ActiveControl(), &form.txtOrigin);
  driver.Tab(true);  // wraps round to the last control of the order
  EXPECT_EQ(rt.ActiveControl(), &form.cmdClose);
}

TEST_F(RuntimeTest, MessagesRaiseNoFocusEventsAndCarryTheTitle) {
  rt.setTitle("Tarvex");
  desktop.answers = {true};
  rt.MsgBox("Invalid Discount");
  EXPECT_TRUE(rt.AskYesNo("Is this a single shipment?"));
  EXPECT_FALSE(rt.AskYesNo("Again?"));  // nothing scripted: the default No
  EXPECT_TRUE(log.empty());
  ASSERT_EQ(desktop.shown.size(), 3U);
  EXPECT_EQ(desktop.shown[0].title, "Tarvex");
}

TEST_F(RuntimeTest, OptionButtonsOfOneFrameExcludeEachOther) {
  Frame fraPricing{form, "fraPricing"};
  OptionButton optOut{form, "optApplyOutboundPricing"};
  OptionButton optIn{form, "optApplyInboundPricing"};
  OptionButton optElsewhere{form, "optElsewhere"};
  optOut.setContainer(&fraPricing);
  optIn.setContainer(&fraPricing);
  int clicks = 0;
  optIn.onClick = [&] { ++clicks; };
  optOut.setValue(1);
  optElsewhere.setValue(1);
  optIn.setValue(1);
  EXPECT_EQ(optOut.value(), 0);
  EXPECT_EQ(optIn.value(), 1);
  EXPECT_EQ(optElsewhere.value(), 1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(RuntimeTest, ListIndexShowsTheItemAndRaisesClick) {
  ComboBox& cbo = form.cboClass[0];
  for (const char* c : {"50", "55", "60"}) cbo.addItem(c);
  int clicks = 0;
  int changes = 0;
  cbo.onClick = [&] { ++clicks; };
  cbo.onChange = [&] { ++changes; };
  cbo.setListIndex(2);
  EXPECT_EQ(cbo.text(), "60");
  cbo.setListIndex(7);  // out of range: nothing selected
  EXPECT_EQ(cbo.listIndex(), -1);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(changes, 0);
}

TEST_F(RuntimeTest, ScrollBarStaysInItsRangeAndRaisesChangeWhenItMoves) {
  VScrollBar bar{form, "VScroll1"};
  int changes = 0;
  bar.onChange = [&] { ++changes; };
  bar.setRange(0, 40);
  bar.setLargeChange(9);
  driver.Scroll(bar, 12);
  EXPECT_EQ(bar.value(), 12);
  driver.Scroll(bar, 99);  // past Max: held at Max
  EXPECT_EQ(bar.value(), 40);
  driver.Scroll(bar, 40);  // no move, no Change
  EXPECT_EQ(changes, 2);
  bar.setRange(0, 20);  // a shorter range pulls the value in, as a move
  EXPECT_EQ(bar.value(), 20);
  EXPECT_EQ(changes, 3);
}

TEST_F(RuntimeTest, FixedPitchIsACourierFace) {
  ListBox list{form, "lstMinimums"};
  EXPECT_FALSE(list.fixedPitch());
  list.setFontName("Courier New");
  EXPECT_TRUE(list.fixedPitch());
  list.setFontName("courier");
  EXPECT_TRUE(list.fixedPitch());
}

}  // namespace
}  // namespace tarvex::forms
