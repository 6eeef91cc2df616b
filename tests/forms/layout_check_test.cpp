// The layout check the window tests rely on finds each kind of fault, and only faults.
#include "support/layout_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/runtime.h"
#include "support/window_test.h"

namespace tarvex::testing {
namespace {

// A sound window with a menu, a frame, a caption and a box, two lists in one place and a
// button; each case changes one thing. Client area: 4000 x 2700 twips.
struct Sketch {
  explicit Sketch(forms::Runtime& runtime) : form(runtime, "frmSketch") {
    form.setWidth(4120);
    form.setHeight(3420);
    fraBox.move(120, 120, 2000, 1200);
    txtInFrame.move(120, 240, 1000, 300);
    txtInFrame.setContainer(&fraBox);
    lblCaption.move(2300, 150, 1000, 240);
    txtCode.move(2300, 420, 1000, 300);
    lstCity.move(120, 1500, 1500, 900);
    lstZip.move(120, 1500, 1500, 900);
    lstZip.setVisible(false);
    cmdOK.move(2300, 2000, 1200, 420);
  }
  forms::Form form;
  forms::Menu mnuFile{form, "mnuFile"};
  forms::Frame fraBox{form, "fraBox"};
  forms::TextBox txtInFrame{form, "txtInFrame"};
  forms::Label lblCaption{form, "lblCaption"};
  forms::TextBox txtCode{form, "txtCode"};
  forms::ListBox lstCity{form, "lstCity"};
  forms::ListBox lstZip{form, "lstZip"};
  forms::CommandButton cmdOK{form, "cmdOK"};
  std::optional<forms::Label> twin;
};

struct Case {
  const char* what;
  std::function<void(Sketch&)> change;
  std::vector<std::string> faults;
};

TEST(LayoutCheck, FindsEachFaultAlone) {
  const Case cases[] = {
      {"nothing changed", [](Sketch&) {}, {}},
      {"a second control of one name",
       [](Sketch& s) {
         s.twin.emplace(s.form, "lblCaption");
         s.twin->move(2300, 1000, 1000, 240);
       },
       {"two controls are named lblCaption"}},
      {"past the right edge",
       [](Sketch& s) { s.txtCode.setWidth(2000); },
       {"txtCode at (2300, 420) to (4300, 720) lies outside the client area (0, 0) to (4000, "
        "2700)"}},
      // Inside the height without a menu bar, below the client area with one.
      {"under the menu bar",
       [](Sketch& s) { s.cmdOK.setTop(2400); },
       {"cmdOK at (2300, 2400) to (3500, 2820) lies outside the client area (0, 0) to (4000, "
        "2700)"}},
      {"out of its frame",
       [](Sketch& s) { s.txtInFrame.setTop(1000); },
       {"txtInFrame at (120, 1000) to (1120, 1300) sticks out of fraBox, (0, 0) to (2000, "
        "1200)"}},
      {"the frame moves its children",
       [](Sketch& s) { s.fraBox.setLeft(2000); },
       {"fraBox (2000, 120) to (4000, 1320) and lblCaption (2300, 150) to (3300, 390) overlap",
        "fraBox (2000, 120) to (4000, 1320) and txtCode (2300, 420) to (3300, 720) overlap",
        "txtInFrame (2120, 360) to (3120, 660) and lblCaption (2300, 150) to (3300, 390) overlap",
        "txtInFrame (2120, 360) to (3120, 660) and txtCode (2300, 420) to (3300, 720) overlap"}},
      {"two lists shown in one place",
       [](Sketch& s) { s.lstZip.setVisible(true); },
       {"lstCity (120, 1500) to (1620, 2400) and lstZip (120, 1500) to (1620, 2400) overlap"}},
      {"only one of them declared",
       [](Sketch& s) {
         s.lstZip.setVisible(true);
         s.lstCity.setMayOverlap(true);
       },
       {"lstCity (120, 1500) to (1620, 2400) and lstZip (120, 1500) to (1620, 2400) overlap"}},
      {"both declared",
       [](Sketch& s) {
         s.lstZip.setVisible(true);
         s.lstCity.setMayOverlap(true);
         s.lstZip.setMayOverlap(true);
       },
       {}},
      {"shown without a size",
       [](Sketch& s) { s.lblCaption.setWidth(0); },
       {"lblCaption is shown without a size"}},
      {"an input left out of the tab order",
       [](Sketch& s) { s.txtCode.setTabStop(false); },
       {"Tab never reaches txtCode"}},
      {"a disabled input need not be reached",
       [](Sketch& s) {
         s.txtCode.setTabStop(false);
         s.txtCode.setEnabled(false);
       },
       {}},
      {"nor one in a hidden frame",
       [](Sketch& s) {
         s.txtInFrame.setTabStop(false);
         s.fraBox.setVisible(false);
       },
       {}},
  };
  for (const Case& c : cases) {
    Desk desk;
    Sketch sketch(desk.runtime);
    c.change(sketch);
    EXPECT_EQ(LayoutFaults(sketch.form), c.faults) << c.what;
  }
}

}  // namespace
}  // namespace tarvex::testing
