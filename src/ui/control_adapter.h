// One adapter per kind of control: it creates the kind's widget, mirrors the model's state
// into it and turns every user action on it into runtime events, so a new kind is one new
// adapter. Menus and timers have no widget and stay with the binder.
#pragma once

#include <QLineEdit>
#include <QWidget>

#include "forms/control.h"

namespace tarvex::ui {

class Binder;

class ControlAdapter {
 public:
  virtual ~ControlAdapter() = default;
  virtual QWidget* Create(Binder& binder, forms::Control& control, QWidget* parent) const = 0;
  // What only this kind shows: its text, items, value, alignment, border. The binder has
  // already applied what every kind shares (geometry, visibility, font, pointer).
  virtual void Mirror(const forms::Control& control, QWidget* widget) const = 0;
};

// The adapter of a kind, or nullptr for menus and timers.
const ControlAdapter* AdapterFor(forms::ControlKind kind);

const ControlAdapter& TextBoxAdapter();
const ControlAdapter& ComboBoxAdapter();
const ControlAdapter& ListBoxAdapter();
const ControlAdapter& ButtonAdapter();  // command buttons, check boxes and option buttons
const ControlAdapter& FrameAdapter();
const ControlAdapter& LabelAdapter();
const ControlAdapter& ImageAdapter();
const ControlAdapter& ScrollBarAdapter();
const ControlAdapter& ProgressBarAdapter();

// Lock, alignment and selection of a box's line edit, as the model holds them.
void MirrorEditState(const forms::Control& control, QLineEdit* edit);

// The model's alignment in Qt's terms; tall labels wrap from the top.
Qt::Alignment QtAlignment(const forms::Control& control);

}  // namespace tarvex::ui
