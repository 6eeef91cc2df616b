// Tarvex on the desktop: the program directory is the executable's directory.
#include <QApplication>
#include <QFont>

#include "app/frm_corvane1.h"
#include "app/frm_intro.h"
#include "app/program.h"
#include "base/number_format.h"
#include "engine/vorn_library.h"
#include "forms/runtime.h"
#include "ui/binder.h"
#include "ui/qt_desktop.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Tarvex");
  // The windows are laid out in twips for a small sans-serif face.
  QFont font("Liberation Sans");
  font.setPointSizeF(8.0);
  QApplication::setFont(font);

  const tarvex::base::ProgramDir dir(QCoreApplication::applicationDirPath().toStdString());
  tarvex::ui::QtDesktop desktop;
  tarvex::forms::Runtime runtime(desktop, "Tarvex");
  tarvex::engine::VornLibrary engine(dir);
  tarvex::app::Program program(dir, runtime, engine);
  if (!engine.loaded()) program.engineUnavailable = engine.error();

  tarvex::ui::Binder binder(runtime);
  desktop.setBinder(&binder);
  runtime.SetObserver([&binder] { binder.Sync(); });

  // QApplication has set the process locale from the environment; the user's decimal
  // separator is the only thing the program takes from it.
  const char separator = tarvex::base::LocaleDecimalSeparator();
  tarvex::app::frmCorvane1 main(program);
  tarvex::app::frmIntro intro(program, main, separator);
  intro.Show();
  if (desktop.quitRequested()) return 0;
  const int status = QApplication::exec();
  program.EndEngine();
  return status;
}
