// Placing a window's controls by structure instead of coordinates: rows, columns, grids of
// control arrays, a caption beside its box, buttons, frames that hold their children. The
// spacing rules live here, once, in twips.
#pragma once

#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "forms/control.h"

namespace tarvex::forms::layout {

inline constexpr int kGap = 120;  // between neighbours, and from a window's or frame's edge
inline constexpr int kNarrowGap = 60;
inline constexpr int kLabelHeight = 240;
inline constexpr int kBoxHeight = 300;
inline constexpr int kButtonHeight = 420;
inline constexpr int kButtonWidth = 1200;
// A label beside a box sits this much lower, so that both texts stand on one line.
inline constexpr int kLabelDrop = 30;

// The height a control of its kind takes unless a cell says otherwise.
int NaturalHeight(const Control& control);

// One place in a row or column: a control (or nothing, to leave the room empty), its width,
// and its height (0: the kind's natural height).
struct Cell {
  Control* control = nullptr;
  int width = 0;
  int height = 0;
};
inline Cell Space(int width) {
  return {nullptr, width, 0};
}

// Left to right from `left`, `gap` apart; labels drop to the line of their boxes. Returns the
// right edge of the last cell.
int Row(int left, int top, const std::vector<Cell>& cells, int gap = kGap);

// Top to bottom from `top`, each control `pitch` below the previous one (0: its own height
// and kGap). Returns the bottom edge of the last cell.
int Column(int left, int top, const std::vector<Cell>& cells, int pitch = 0);

// Rows of a grid of control arrays, `pitch` apart: `row(r)` gives the cells of row r.
// Returns the top the row after the last would have.
int Grid(int left, int top, int rows, int pitch, const std::function<std::vector<Cell>(int)>& row,
         int gap = kGap);

// A caption and the box it names, on one row; returns the right edge of the box.
int CaptionBeside(Label& caption, std::string_view text, int captionWidth, Control& box,
                  int boxWidth, int left, int top, int gap = kGap);

// Command buttons of the standard size in a row; returns the right edge of the last.
int Buttons(int left, int top, std::initializer_list<Control*> buttons, int gap = kGap);

// The frame holds `children`: they are placed relative to its inside and go where it goes.
void Contain(Frame& frame, std::initializer_list<Control*> children);

}  // namespace tarvex::forms::layout
