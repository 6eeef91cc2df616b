// What a window's layout must hold as shown: control names unique, every shown control inside
// the window's client area and its frame, no two shown controls on top of each other unless
// both are declared to be, and Tab reaching every input the user can use.
#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "forms/control.h"
#include "forms/form.h"

namespace tarvex::testing {

// The window frame a form's size includes besides its client area, in twips, as the desktop
// draws it: the borders, the title bar and the menu bar of a window with menus.
inline constexpr int kWindowBorderTwips = 120;
inline constexpr int kTitleBarTwips = 420;
inline constexpr int kMenuBarTwips = 300;

struct TwipsRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Contains(const TwipsRect& r) const {
    return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
  }
  TwipsRect Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool Overlaps(const TwipsRect& r) const {
    return r.left < right && left < r.right && r.top < bottom && top < r.bottom;
  }
};

inline bool HasMenus(const forms::Form& form) {
  return std::any_of(form.controls().begin(), form.controls().end(),
                     [](const forms::Control* c) { return c->kind() == forms::ControlKind::Menu; });
}

// The client area of a window, from its own top-left corner.
inline TwipsRect ClientArea(const forms::Form& form) {
  return {0, 0, form.width() - kWindowBorderTwips,
          form.height() - kTitleBarTwips - (HasMenus(form) ? kMenuBarTwips : 0)};
}

// Menus and timers take no room on the window.
inline bool TakesRoom(const forms::Control& c) {
  return c.kind() != forms::ControlKind::Menu && c.kind() != forms::ControlKind::Timer;
}

inline forms::Control* FrameOf(const forms::Control& c) {
  forms::Control* frame = c.container();
  return frame != nullptr && frame->kind() == forms::ControlKind::Frame ? frame : nullptr;
}

// Where a control is, relative to what holds it (its frame or the client area).
inline TwipsRect OwnRect(const forms::Control& c) {
  return {c.left(), c.top(), c.left() + c.width(), c.top() + c.height()};
}

// Where a control is on the client area: a frame's children move with it.
inline TwipsRect OnWindow(const forms::Control& c) {
  TwipsRect r = OwnRect(c);
  for (const forms::Control* f = FrameOf(c); f != nullptr; f = FrameOf(*f))
    r = r.Moved(f->left(), f->top());
  return r;
}

inline bool Holds(const forms::Control& frame, const forms::Control& c) {
  for (const forms::Control* f = FrameOf(c); f != nullptr; f = FrameOf(*f))
    if (f == &frame) return true;
  return false;
}

// The faults of a window as it stands, one sentence each; none for a sound layout.
inline std::vector<std::string> LayoutFaults(const forms::Form& form) {
  std::vector<std::string> faults;
  std::set<std::pair<std::string, int>> names;
  for (const forms::Control* c : form.controls())
    if (!names.insert({c->name(), c->index()}).second)
      faults.push_back("two controls are named " + c->displayName());

  std::vector<const forms::Control*> shown;
  for (const forms::Control* c : form.controls())
    if (TakesRoom(*c) && c->shown()) shown.push_back(c);

  const TwipsRect client = ClientArea(form);
  const auto text = [](const TwipsRect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ") to (" +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
  };
  for (const forms::Control* c : shown) {
    if (c->width() <= 0 || c->height() <= 0) {
      faults.push_back(c->displayName() + " is shown without a size");
      continue;
    }
    if (const forms::Control* frame = FrameOf(*c)) {
      const TwipsRect inside{0, 0, frame->width(), frame->height()};
      if (!inside.Contains(OwnRect(*c)))
        faults.push_back(c->displayName() + " at " + text(OwnRect(*c)) + " sticks out of " +
                         frame->displayName() + ", " + text(inside));
    }
    if (!client.Contains(OnWindow(*c)))
      faults.push_back(c->displayName() + " at " + text(OnWindow(*c)) +
                       " lies outside the client area " + text(client));
  }

  for (std::size_t i = 0; i < shown.size(); ++i)
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      const forms::Control& a = *shown[i];
      const forms::Control& b = *shown[j];
      if (Holds(a, b) || Holds(b, a)) continue;
      if (a.mayOverlap() && b.mayOverlap()) continue;
      if (OnWindow(a).Overlaps(OnWindow(b)))
        faults.push_back(a.displayName() + " " + text(OnWindow(a)) + " and " + b.displayName() +
                         " " + text(OnWindow(b)) + " overlap");
    }

  std::set<const forms::Control*> reached;
  if (forms::Control* first = form.FirstFocusable()) {
    for (const forms::Control* c = first; c != nullptr && reached.insert(c).second;)
      c = form.NextInTabOrder(*c);
  }
  // An input the user can use: shown and enabled, with every frame around it.
  for (const forms::Control* c : form.controls())
    if (c->canFocus() && reached.count(c) == 0)
      faults.push_back("Tab never reaches " + c->displayName());
  return faults;
}

}  // namespace tarvex::testing
