// The builders of the program's windows: what each window's widgets need beyond the
// generic build (fonts, frames, alignment).
#pragma once

#include "ui/binder.h"

namespace tarvex::ui {

void RegisterWindowBuilders(Binder& binder);

}  // namespace tarvex::ui
