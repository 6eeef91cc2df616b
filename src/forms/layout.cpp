#include "forms/layout.h"

namespace tarvex::forms::layout {

int NaturalHeight(const Control& control) {
  switch (control.kind()) {
    case ControlKind::Label:
      return kLabelHeight;
    case ControlKind::CommandButton:
      return kButtonHeight;
    default:
      return kBoxHeight;
  }
}

namespace {

void PlaceCell(const Cell& cell, int left, int top) {
  if (cell.control == nullptr) return;
  const bool label = cell.control->kind() == ControlKind::Label;
  const int height = cell.height > 0 ? cell.height : NaturalHeight(*cell.control);
  cell.control->move(left, top + (label && cell.height == 0 ? kLabelDrop : 0), cell.width, height);
}

}  // namespace

int Row(int left, int top, const std::vector<Cell>& cells, int gap) {
  int x = left;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) x += gap;
    PlaceCell(cells[i], x, top);
    x += cells[i].width;
  }
  return x;
}

int Column(int left, int top, const std::vector<Cell>& cells, int pitch) {
  int y = top;
  int bottom = top;
  for (const Cell& cell : cells) {
    if (cell.control != nullptr) {
      cell.control->move(left, y, cell.width,
                         cell.height > 0 ? cell.height : NaturalHeight(*cell.control));
      bottom = y + cell.control->height();
    }
    y += pitch > 0 ? pitch : (cell.control ? cell.control->height() : cell.height) + kGap;
  }
  return bottom;
}

int Grid(int left, int top, int rows, int pitch, const std::function<std::vector<Cell>(int)>& row,
         int gap) {
  for (int r = 0; r < rows; ++r) Row(left, top + r * pitch, row(r), gap);
  return top + rows * pitch;
}

int CaptionBeside(Label& caption, std::string_view text, int captionWidth, Control& box,
                  int boxWidth, int left, int top, int gap) {
  caption.setCaption(text);
  return Row(left, top, {{&caption, captionWidth}, {&box, boxWidth}}, gap);
}

int Buttons(int left, int top, std::initializer_list<Control*> buttons, int gap) {
  std::vector<Cell> cells;
  for (Control* b : buttons) cells.push_back({b, kButtonWidth, kButtonHeight});
  return Row(left, top, cells, gap);
}

void Contain(Frame& frame, std::initializer_list<Control*> children) {
  for (Control* c : children) c->setContainer(&frame);
}

}  // namespace tarvex::forms::layout
