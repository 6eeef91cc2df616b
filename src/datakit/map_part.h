// The carrier's service map Map.BMP, drawn from the terminals' coordinates and the served
// areas' centres: each area takes the colour of its nearest terminal.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "datakit/kit.h"

namespace tarvex::datakit {

Part MapPart();

// A 24-bit picture and its encoding as a Windows bitmap file.
struct Picture {
  Picture(int w, int h, std::uint32_t fill);
  void Set(int x, int y, std::uint32_t rgb);
  void Box(int x, int y, int size, std::uint32_t rgb);
  // Upper-case letters and digits in a 5 by 7 face, one pixel per dot.
  void Text(int x, int y, const std::string& text, std::uint32_t rgb);
  std::string Bmp() const;
  int width;
  int height;
  std::vector<std::uint32_t> pixels;
};

}  // namespace tarvex::datakit
