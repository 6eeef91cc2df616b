// The Qt binder delivers the same events as the headless runtime for the same user actions.
#include "ui/binder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "forms/driver.h"
#include "forms/runtime.h"
#include "support/scripted_desktop.h"

namespace tarvex::ui {
namespace {

using Log = std::vector<std::string>;

class LineForm : public forms::Form {
 public:
  LineForm(forms::Runtime& rt, Log& log) : Form(rt, "frmLines"), rt_(rt), log_(log) {
    setWidth(6000);
    setHeight(4000);
    txtOrigin.move(120, 120, 1200, 300);
    cboClass.move(120, 600, 1200, 300);
    txtWeight.move(120, 1080, 1200, 300);
    cmdCancel.move(120, 1560, 1200, 400);
    cmdCancel.setCausesValidation(false);
    for (const char* c : {"50", "55", "60"}) cboClass.addItem(c);
    for (forms::Control* c : controls()) {
      const std::string name = c->displayName();
      c->onGotFocus = [this, name] { log_.push_back(name + " GotFocus"); };
      c->onLostFocus = [this, name] {
        log_.push_back(name + " LostFocus(next " + rt_.ActiveControl()->displayName() + ")");
      };
    }
    txtOrigin.onKeyPress = [this](int& key) {
      if (key >= 'a' && key <= 'z') key -= 32;
      if (key == '-') key = 0;
      if (key == forms::keys::Enter) {
        key = 0;
        rt_.PostTab();
      }
    };
    // The class box refuses anything but a listed class and takes the focus back.
    cboClass.onLostFocus = [this] {
      log_.push_back("cboClass LostFocus(next " + rt_.ActiveControl()->displayName() + ")");
      if (cboClass.text() == "50" || cboClass.text() == "55" || cboClass.text() == "60") return;
      rt_.MsgBox("Invalid Class");
      flag = "N";
      cboClass.SetFocus();
    };
    txtWeight.onLostFocus = [this] {
      log_.push_back("txtWeight LostFocus(next " + rt_.ActiveControl()->displayName() + ")");
      if (flag == "N") flag = "Y";
    };
    cmdCancel.onClick = [this] { log_.push_back("cmdCancel Click"); };
  }
  // Ctrl+A, when the window previews keys.
  void Form_KeyPress(int& key) override {
    if (key != 1) return;
    ++toggles;
    key = 0;
  }

  forms::TextBox txtOrigin{*this, "txtOrigin"};
  forms::ComboBox cboClass{*this, "cboClass"};
  forms::TextBox txtWeight{*this, "txtWeight"};
  forms::CommandButton cmdCancel{*this, "cmdCancel"};
  std::string flag = "Y";
  int toggles = 0;

 private:
  forms::Runtime& rt_;
  Log& log_;
};

// Runs the same steps headless and through Qt widgets and compares what the window saw.
struct Rig {
  explicit Rig(bool qt) {
    if (qt) {
      binder = std::make_unique<Binder>(runtime);
      runtime.SetObserver([this] { binder->Sync(); });
    }
    form.Show();
    if (binder) {
      QWidget* window = binder->WindowOf(form);
      window->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    log.clear();
  }
  QWidget* Widget(forms::Control& c) { return binder->WidgetOf(c); }
  // The widget that would receive the keyboard: the one the binder gave the focus to.
  QWidget* Focused() { return QApplication::focusWidget(); }

  testing::ScriptedDesktop desktop;
  forms::Runtime runtime{desktop};
  Log log;
  LineForm form{runtime, log};
  std::unique_ptr<Binder> binder;
};

TEST(BinderTest, TypingAndTabGiveTheHeadlessSequence) {
  Rig headless(false);
  forms::Driver driver(headless.runtime);
  driver.Type(headless.form.txtOrigin, "k1a");
  driver.Tab();
  driver.Type(headless.form.cboClass, "77");
  driver.Tab();  // refused: the focus bounces back into the class box

  Rig qt(true);
  ASSERT_EQ(qt.Focused(), qt.Widget(qt.form.txtOrigin));
  QTest::keyClicks(qt.Focused(), "k1a");
  QTest::keyClick(qt.Focused(), Qt::Key_Tab);
  ASSERT_EQ(qt.runtime.ActiveControl(), &qt.form.cboClass);
  QTest::keyClicks(qt.Focused(), "77");
  QTest::keyClick(qt.Focused(), Qt::Key_Tab);

  EXPECT_EQ(qt.form.txtOrigin.text(), "K1A");
  EXPECT_EQ(static_cast<QLineEdit*>(qt.Widget(qt.form.txtOrigin))->text(), "K1A");
  EXPECT_EQ(qt.log, headless.log);
  EXPECT_EQ(qt.log.size(), 6U);  // the bounce: four moves where the user made two
  EXPECT_EQ(qt.runtime.ActiveControl(), &qt.form.cboClass);
  EXPECT_TRUE(qt.Widget(qt.form.cboClass)->hasFocus());
}

TEST(BinderTest, EnterAndClicksGoThroughTheRuntime) {
  Rig headless(false);
  forms::Driver driver(headless.runtime);
  driver.PressEnter(headless.form.txtOrigin);
  driver.Click(headless.form.cmdCancel);

  Rig qt(true);
  QTest::keyClick(qt.Focused(), Qt::Key_Return);
  QTest::mouseClick(qt.Widget(qt.form.cmdCancel), Qt::LeftButton);

  EXPECT_EQ(qt.log, headless.log);
  EXPECT_EQ(qt.log.back(), "cmdCancel Click");
}

TEST(BinderTest, APasteOrACutPassesTheKeyRulesOfTyping) {
  Rig qt(true);
  // The origin box takes upper-case letters and no dash from its key handler, at most six.
  qt.form.txtOrigin.setMaxLength(6);
  qt.binder->Sync();  // the widget as the program shows it, maximum length included
  auto* edit = static_cast<QLineEdit*>(qt.Widget(qt.form.txtOrigin));
  QApplication::clipboard()->setText("k1a-2b3xyz");
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(qt.form.txtOrigin.text(), "K1A2B3");
  EXPECT_EQ(edit->text(), "K1A2B3");
  edit->setSelection(1, 2);
  QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);  // a cut: a Backspace on the selection
  EXPECT_EQ(qt.form.txtOrigin.text(), "K2B3");
  EXPECT_EQ(edit->text(), "K2B3");
  // A pick from the list, then a key: the key replaces the picked class.
  auto* combo = static_cast<QComboBox*>(qt.Widget(qt.form.cboClass));
  qt.runtime.SetFocus(qt.form.cboClass);
  qt.binder->Sync();
  combo->setCurrentIndex(1);
  emit combo->activated(1);
  EXPECT_EQ(qt.form.cboClass.text(), "55");
  QTest::keyClicks(combo->lineEdit(), "6");
  EXPECT_EQ(qt.form.cboClass.text(), "6");
}

// Ctrl and a letter reach a window that previews keys; what it does not take keeps its
// desktop meaning.
TEST(BinderTest, ControlKeysReachAWindowThatPreviewsKeys) {
  Rig qt(true);
  qt.form.setKeyPreview(true);
  auto* edit = static_cast<QLineEdit*>(qt.Widget(qt.form.txtOrigin));
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(qt.form.toggles, 1);
  QApplication::clipboard()->setText("12");
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(qt.form.txtOrigin.text(), "12");
  edit->setSelection(0, 1);
  QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(qt.form.txtOrigin.text(), "2");
  EXPECT_EQ(edit->text(), "2");
  EXPECT_EQ(qt.form.toggles, 1);
}

// What a window states about its controls' look reaches the widgets, and scrolling reaches
// the model.
TEST(BinderTest, ClassicPropertiesAndScrollBars) {
  Rig qt(true);  // the binder of a program that has a window open already
  Binder& binder = *qt.binder;
  forms::Form form(qt.runtime, "frmLook");
  form.setWidth(4000);
  form.setHeight(3000);
  forms::Label lblAmount{form, "lblAmount"};
  forms::Label lblStatus{form, "lblStatus"};
  forms::ListBox lstRates{form, "lstRates"};
  forms::VScrollBar VScroll1{form, "VScroll1"};
  lblAmount.setAlignment(forms::Alignment::Right);
  lblStatus.setBorderStyle(forms::kBorderFixedSingle);
  lblStatus.setMousePointer(forms::kPointerHourglass);
  lstRates.setFontName("Courier New");
  VScroll1.setRange(0, 40);
  VScroll1.setLargeChange(9);
  int changes = 0;
  VScroll1.onChange = [&] { ++changes; };
  form.Show();
  auto* amount = static_cast<QLabel*>(binder.WidgetOf(lblAmount));
  EXPECT_TRUE(amount->alignment() & Qt::AlignRight);
  auto* status = static_cast<QLabel*>(binder.WidgetOf(lblStatus));
  EXPECT_EQ(status->frameStyle(), QFrame::Panel | QFrame::Sunken);
  EXPECT_EQ(status->cursor().shape(), Qt::WaitCursor);
  EXPECT_TRUE(binder.WidgetOf(lstRates)->font().fixedPitch());
  auto* bar = static_cast<QScrollBar*>(binder.WidgetOf(VScroll1));
  EXPECT_EQ(bar->maximum(), 40);
  EXPECT_EQ(bar->pageStep(), 9);
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(VScroll1.value(), 9);
  EXPECT_EQ(changes, 1);
  VScroll1.setValue(30);
  binder.Sync();
  EXPECT_EQ(bar->value(), 30);
}

TEST(BinderTest, ModelChangesReachTheWidgets) {
  Rig qt(true);
  qt.form.txtWeight.setText("1500");
  qt.form.cboClass.setVisible(false);
  qt.binder->Sync();
  EXPECT_EQ(static_cast<QLineEdit*>(qt.Widget(qt.form.txtWeight))->text(), "1500");
  EXPECT_FALSE(qt.Widget(qt.form.cboClass)->isVisible());
  EXPECT_EQ(static_cast<QComboBox*>(qt.Widget(qt.form.cboClass))->count(), 3);
  EXPECT_EQ(qt.Widget(qt.form.txtOrigin)->objectName(), "txtOrigin");
}

// A window made, shown and destroyed again and again (as the editors are, one per opening)
// gets new widgets each time: none of an earlier window's widgets speaks for its controls.
TEST(BinderTest, AWindowDestroyedTakesItsWidgetsWithIt) {
  Rig qt(true);
  Binder& binder = *qt.binder;
  for (int round = 0; round < 3; ++round) {
    auto form = std::make_unique<forms::Form>(qt.runtime, "frmEditor");
    form->setWidth(3000);
    form->setHeight(2000);
    auto box = std::make_unique<forms::TextBox>(*form, "txtField");
    form->Show();
    QWidget* widget = binder.WidgetOf(*box);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(binder.ControlOf(widget), box.get());
    form->Hide();
    const forms::Control* gone = box.get();
    box.reset();
    EXPECT_EQ(binder.ControlOf(widget), nullptr);
    const forms::Form* formGone = form.get();
    form.reset();
    EXPECT_EQ(binder.WindowOf(*formGone), nullptr);
    EXPECT_EQ(binder.WidgetOf(*gone), nullptr);
  }
}

}  // namespace
}  // namespace tarvex::ui

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
