// The real quote window on the offscreen platform: keyboard alone, same labels as headless.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <filesystem>

#include "app/frm_corvane1.h"
#include "app/frm_intro.h"
#include "app/program.h"
#include "engine/vorn_library.h"
#include "forms/driver.h"
#include "support/scripted_desktop.h"
#include "ui/binder.h"
#include "ui/qt_desktop.h"
#include "ui/windows.h"

namespace tarvex::ui {
namespace {

namespace fs = std::filesystem;

fs::path DemoCopy(const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / ("tarvex-ui-" + name + "-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  for (const auto& entry : fs::directory_iterator(TARVEX_PROGRAM_DIR))
    if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
      fs::copy_file(entry.path(), dir / entry.path().filename());
  return dir;
}

struct Quote {
  explicit Quote(const fs::path& path)
      : dir(path), engine(dir), program(dir, runtime, engine), main(program),
        intro(program, main, '.') {}
  testing::ScriptedDesktop desktop;
  forms::Runtime runtime{desktop};
  base::ProgramDir dir;
  engine::VornLibrary engine;
  app::Program program;
  app::frmCorvane1 main;
  app::frmIntro intro;
};

const char* kShown[] = {"lblOriginState",      "lblDestinationState", "lblOriginTerminal",
                        "lblDestinationTerminal", "lblServiceDays",   "lblRBN",
                        "lblMiles",            "lblRate",             "lblCharge",
                        "lblNet",              "lblFuelSurcharge",    "lblTotalCharge"};

std::vector<std::string> Labels(const app::frmCorvane1& main) {
  std::vector<std::string> texts;
  for (const char* name : kShown) {
    const forms::Control* c = main.Find(name);
    if (c == nullptr) c = main.Find(name, 0);
    texts.push_back(std::string(name) + "=" + c->caption());
  }
  return texts;
}

TEST(QuoteWindowTest, KeyboardAloneGivesTheHeadlessQuote) {
  const fs::path headlessDir = DemoCopy("headless");
  Quote headless(headlessDir);
  headless.intro.Show();
  forms::Driver driver(headless.runtime);
  driver.FireTimer(headless.intro.Timer1);
  driver.Type(headless.main.txtOrigin, "64120");
  driver.PressEnter(headless.main.txtOrigin);
  driver.Type(headless.main.txtDestination, "30303");
  driver.Tab();
  driver.Replace(headless.main.cboClass[0], "85");
  driver.Tab();
  driver.Type(headless.main.txtWeight[0], "900");
  driver.PressEnter(headless.main.txtWeight[0]);
  ASSERT_TRUE(headless.desktop.Messages().empty());

  const fs::path qtDir = DemoCopy("qt");
  Quote qt(qtDir);
  Binder binder(qt.runtime);
  RegisterWindowBuilders(binder);
  qt.runtime.SetObserver([&binder] { binder.Sync(); });
  qt.intro.Show();
  forms::Driver(qt.runtime).FireTimer(qt.intro.Timer1);
  QWidget* window = binder.WindowOf(qt.main);
  ASSERT_NE(window, nullptr);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  auto keys = [](const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); };
  auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
  keys("64120");
  key(Qt::Key_Return);
  keys("30303");
  key(Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  keys("85");
  key(Qt::Key_Tab);
  keys("900");
  key(Qt::Key_Return);

  EXPECT_TRUE(qt.desktop.Messages().empty());
  EXPECT_EQ(Labels(qt.main), Labels(headless.main));
  EXPECT_FALSE(qt.main.lblTotalCharge.caption().empty());
  auto* total = qobject_cast<QLabel*>(binder.WidgetOf(qt.main.lblTotalCharge));
  ASSERT_NE(total, nullptr);
  EXPECT_EQ(total->text().toStdString(), qt.main.lblTotalCharge.caption());
  fs::remove_all(headlessDir);
  fs::remove_all(qtDir);
}

}  // namespace
}  // namespace tarvex::ui

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
