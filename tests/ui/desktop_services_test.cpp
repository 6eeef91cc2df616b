// The desktop's file dialog and the printed picture of a window, as the Qt desktop gives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "forms/common_dialog.h"
#include "forms/runtime.h"
#include "ui/binder.h"
#include "ui/qt_desktop.h"

namespace tarvex::ui {
namespace {

namespace fs = std::filesystem;

TEST(NameFiltersTest, TheClassicFilterInTheDialogsTerms) {
  struct Case {
    std::string filter;
    QStringList expected;
  };
  const std::vector<Case> cases = {
      // The patterns shown are the patterns taken, not what the description claims.
      {"Rate sheets (*.prn, *.txt)|*.prn;*.txt", {"Rate sheets (*.prn *.txt)"}},
      {"Pictures|*.bmp;*.jpg|*.*", {"Pictures (*.bmp *.jpg)", "*"}},
      // A parenthesis that lists no pattern belongs to the description.
      {"Rates (old)|*.prn", {"Rates (old) (*.prn)"}},
      {"Tarifs \xE9t\xE9|*.prn", {QString::fromUtf8("Tarifs \xC3\xA9t\xC3\xA9 (*.prn)")}},
  };
  for (const Case& c : cases) EXPECT_EQ(NameFilters(c.filter), c.expected) << c.filter;
}

TEST(FitToPageTest, APictureKeepsItsProportionsAndShrinksOnlyToFit) {
  const QSizeF page(9600, 12000);
  for (double width : {100.0, 4000.0, 9600.0, 12000.0, 30000.0})
    for (double height : {100.0, 6000.0, 12000.0, 20000.0}) {
      const QSizeF onScreen(width, height);
      const QRectF placed = FitToPage(onScreen, page);
      const std::string at = std::to_string(width) + " x " + std::to_string(height);
      EXPECT_EQ(placed.topLeft(), QPointF(0, 0)) << at;
      EXPECT_LE(placed.width(), page.width() + 1e-6) << at;
      EXPECT_LE(placed.height(), page.height() + 1e-6) << at;
      EXPECT_NEAR(placed.width() * height, placed.height() * width, 1e-6 * width * height) << at;
      if (width <= page.width() && height <= page.height())
        EXPECT_EQ(placed.size(), onScreen) << at;
      else  // shrunk no more than it must: one side fills the page
        EXPECT_TRUE(qFuzzyCompare(placed.width(), page.width()) ||
                    qFuzzyCompare(placed.height(), page.height()))
            << at;
    }
  EXPECT_TRUE(FitToPage(QSizeF(0, 0), page).isEmpty());
}

class Sheet : public forms::Form {
 public:
  explicit Sheet(forms::Runtime& rt) : Form(rt, "frmSheet") {
    setCaption("Speed Sheet");
    setWidth(6000);
    setHeight(4500);
    cmdPrint.move(120, 600, 1200, 400);
    cmdPrint.setCaption("Print");
  }
  forms::CommandButton cmdPrint{*this, "cmdPrint"};
};

// Runs `act` on the dialog that `call` opens, once it is up; a dialog of another kind, or
// one that never shows as a widget, ends the test's wait instead of hanging it.
template <typename DialogType>
void WithDialog(const std::function<void(DialogType&)>& act, const std::function<void()>& call) {
  bool found = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* dialog = qobject_cast<DialogType*>(QApplication::activeModalWidget())) {
      poll.stop();
      found = true;
      act(*dialog);
    }
  });
  poll.start(10);
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, [] {
    if (QWidget* other = QApplication::activeModalWidget())
      other->close();
    else
      QCoreApplication::exit(1);
  });
  giveUp.start(10000);
  call();
  EXPECT_TRUE(found);
}

// Types a name into the dialog's file name box, as the user does (the dialog leaves the box
// alone when asked to select a file while the box has the focus).
void TypeName(QFileDialog& dialog, const QString& name) {
  auto* box = dialog.findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(box, nullptr);
  box->setText(name);
}

class DesktopServicesTest : public ::testing::Test {
 protected:
  DesktopServicesTest() {
    desktop.setBinder(&binder);
    runtime.SetObserver([this] { binder.Sync(); });
  }

  QtDesktop desktop;
  forms::Runtime runtime{desktop};
  Binder binder{runtime};
};

TEST_F(DesktopServicesTest, TheFileDialogTakesTheChoosersSettingsAndGivesTheFullPath) {
  const fs::path dir = fs::temp_directory_path() / "tarvex_chooser";
  fs::create_directories(dir);
  forms::CommonDialog chooser(desktop);
  chooser.setDialogTitle("Output File");
  chooser.setInitDirectory(dir.string());
  chooser.setFilter("Rate sheets|*.prn;*.txt|All Files (*.*)|*.*");
  chooser.setCancelError(true);

  forms::CommonDialog::Result result{};
  WithDialog<QFileDialog>(
      [&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Output File");
        EXPECT_EQ(fs::path(dialog.directory().absolutePath().toStdString()), dir);
        EXPECT_EQ(dialog.nameFilters(),
                  QStringList({"Rate sheets (*.prn *.txt)", "All Files (*)"}));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        // A new file is a fine answer for a file to write.
        TypeName(dialog, "march.prn");
        static_cast<QDialog&>(dialog).accept();  // as the Save button does
      },
      [&] { result = chooser.ShowSave(); });
  EXPECT_EQ(result, forms::CommonDialog::Result::Chosen);
  EXPECT_EQ(fs::path(chooser.fileName()), dir / "march.prn");

  WithDialog<QFileDialog>(
      [](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        dialog.reject();
      },
      [&] { result = chooser.ShowOpen(); });
  EXPECT_EQ(result, forms::CommonDialog::Result::CancelError);

  // A name the program cannot keep in its own letters would name another file: it is
  // refused with a message, as a cancel.
  forms::CommonDialog other(desktop);
  other.setInitDirectory(dir.string());
  other.setCancelError(true);
  QString told;
  WithDialog<QFileDialog>(
      [](QFileDialog& dialog) {
        TypeName(dialog, QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC.prn"));
        static_cast<QDialog&>(dialog).accept();
      },
      [&] {
        WithDialog<QMessageBox>(
            [&](QMessageBox& box) {
              told = box.text();
              box.accept();
            },
            [&] { result = other.ShowSave(); });
      });
  EXPECT_TRUE(told.contains("cannot keep")) << told.toStdString();
  EXPECT_EQ(result, forms::CommonDialog::Result::CancelError);
  EXPECT_EQ(other.fileName(), "");
  fs::remove_all(dir);
}

TEST_F(DesktopServicesTest, AWindowPrintsAsOnePictureInThePreview) {
  Sheet sheet(runtime);
  // Never shown: there is nothing to take a picture of.
  EXPECT_EQ(desktop.PrintForm(sheet), forms::PrintResult::Failed);

  sheet.Show();
  int pages = 0;
  forms::PrintResult result{};
  WithDialog<QPrintPreviewDialog>(
      [&](QPrintPreviewDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Speed Sheet");
        pages = dialog.findChild<QPrintPreviewWidget*>()->pageCount();
        dialog.reject();
      },
      [&] { result = desktop.PrintForm(sheet); });
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(result, forms::PrintResult::Cancelled);
}

TEST_F(DesktopServicesTest, ThePictureFillsItsPlaceOnThePageAndNothingElse) {
  Sheet sheet(runtime);
  sheet.Show();
  QWidget* client = binder.WindowOf(sheet)->client();
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, Qt::yellow);
  client->setPalette(palette);

  for (double scale : {0.5, 1.0, 2.5}) {
    QImage page(1200, 1200, QImage::Format_RGB32);
    page.fill(Qt::white);
    const QRectF target(QPointF(50, 50), QSizeF(client->size()) * scale);
    {
      QPainter painter(&page);
      PaintPicture(painter, target, *client);
    }
    // The painted area is the target, and the controls are on it.
    QRect painted;
    bool controls = false;
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x) {
        const QRgb pixel = page.pixel(x, y);
        if (pixel == qRgb(255, 255, 255)) continue;
        painted |= QRect(x, y, 1, 1);
        controls = controls || pixel != qRgb(255, 255, 0);
      }
    EXPECT_NEAR(painted.left(), target.left(), 1) << scale;
    EXPECT_NEAR(painted.top(), target.top(), 1) << scale;
    EXPECT_NEAR(painted.right() + 1, target.right(), 1) << scale;
    EXPECT_NEAR(painted.bottom() + 1, target.bottom(), 1) << scale;
    EXPECT_TRUE(controls) << scale;
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
