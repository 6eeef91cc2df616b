// The real quote window on the offscreen platform: keyboard alone, same labels as headless.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <clocale>
#include <cstdlib>

#include "base/number_format.h"
#include "support/demo_program.h"
#include "ui/binder.h"

namespace tarvex::ui {
namespace {

using Quote = testing::DemoProgram;

const char* kShown[] = {"lblOriginState",    "lblDestinationState",
                        "lblOriginTerminal", "lblDestinationTerminal",
                        "lblServiceDays",    "lblRBN",
                        "lblMiles",          "lblRate",
                        "lblCharge",         "lblNet",
                        "lblFuelSurcharge",  "lblTotalCharge"};

std::vector<std::string> Labels(const app::frmCorvane1& main) {
  std::vector<std::string> texts;
  for (const char* name : kShown) {
    const forms::Control* c = main.Find(name);
    if (c == nullptr) c = main.Find(name, 0);
    texts.push_back(std::string(name) + "=" + c->caption());
  }
  return texts;
}

// The real window of a program, with the keyboard's focus in it.
struct Window {
  explicit Window(Quote& q) : binder(q.runtime) {
    q.runtime.SetObserver([this] { binder.Sync(); });
    q.Start();
    binder.WindowOf(q.main)->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(binder.WindowOf(q.main)));
  }
  static void Keys(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }
  static void Key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), k, m);
  }
  void TypeQuote(const char* weight) const {
    Keys("64120");
    Key(Qt::Key_Return);
    Keys("30303");
    Key(Qt::Key_Tab);
    Key(Qt::Key_A, Qt::ControlModifier);
    Keys("85");
    Key(Qt::Key_Tab);
    Keys(weight);
    Key(Qt::Key_Return);
  }
  Binder binder;
};

// The process locale really set to a decimal-comma locale, as Qt sets it from the
// environment of a French-Canadian desktop.
struct CommaDesktop {
  CommaDesktop() { ::setenv("LC_ALL", "fr_CA.UTF-8", 1); }
  ~CommaDesktop() {
    ::unsetenv("LC_ALL");
    std::setlocale(LC_ALL, "C");
  }
};

// Keyboard alone on a comma desktop gives the headless quote, its amounts with the comma.
TEST(QuoteWindowTest, KeyboardAloneOnACommaDesktopGivesTheHeadlessQuoteWithItsSeparator) {
  Quote point("point");
  point.Start();
  point.TypeQuote("64120", "30303", "85", "1200");
  ASSERT_TRUE(point.desktop.Messages().empty());

  const CommaDesktop comma;
  ASSERT_NE(std::setlocale(LC_ALL, "fr_CA.UTF-8"), nullptr)
      << "the fr_CA.UTF-8 locale is missing: scripts/setup-deps.sh makes it";
  const char separator = base::LocaleDecimalSeparator();
  ASSERT_EQ(separator, ',');
  Quote qt("comma", separator);
  Window window(qt);
  window.TypeQuote("1200");
  EXPECT_TRUE(qt.desktop.Messages().empty());
  std::vector<std::string> expected = Labels(point.main);
  for (std::string& text : expected)
    if (text.rfind("lblMiles", 0) != 0 && text.rfind("lblRBN", 0) != 0)
      std::replace(text.begin(), text.end(), '.', ',');
  EXPECT_EQ(Labels(qt.main), expected);
  EXPECT_FALSE(qt.main.lblTotalCharge.caption().empty());
  auto* total = qobject_cast<QLabel*>(window.binder.WidgetOf(qt.main.lblTotalCharge));
  ASSERT_NE(total, nullptr);
  EXPECT_EQ(total->text().toStdString(), qt.main.lblTotalCharge.caption());
  EXPECT_EQ(qt.main.txtDiscount[1].text(), "50,00");

  // A fractional discount typed with the comma, or with the point key, is 65.5 %.
  for (const char* typed : {"65,5", "65.5"}) {
    QTest::mouseClick(window.binder.WidgetOf(qt.main.txtDiscount[1]), Qt::LeftButton);
    Window::Key(Qt::Key_A, Qt::ControlModifier);
    Window::Keys(typed);
    EXPECT_EQ(qt.main.txtDiscount[1].text(), "65,5") << typed;
    EXPECT_EQ(qt.program.engineRecord.discount(1).trimmed(engine::D2, 0), "6550") << typed;
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
