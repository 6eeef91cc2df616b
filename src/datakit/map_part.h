// The carrier's service map Map.BMP: the land, coasts and borders of outlines.tsv, each area
// the service guide gives a terminal coloured by that terminal's territory, and the terminals.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "datakit/kit.h"

namespace tarvex::datakit {

// Built after the geography, whose service guide tells which terminal serves each area.
Part MapPart();

// A 24-bit picture and its encoding as a Windows bitmap file.
struct Picture {
  Picture(int w, int h, std::uint32_t fill);
  void Set(int x, int y, std::uint32_t rgb);
  std::uint32_t At(int x, int y) const;
  void Box(int x, int y, int size, std::uint32_t rgb);
  void Line(int x0, int y0, int x1, int y1, std::uint32_t rgb);
  // Upper-case letters and digits in a 5 by 7 face, `scale` pixels per dot.
  void Text(int x, int y, const std::string& text, std::uint32_t rgb, int scale = 1);
  std::string Bmp() const;
  int width;
  int height;
  std::vector<std::uint32_t> pixels;
};

// Marks with `value` every pixel of `mask` (width w, row by row) whose centre lies inside the
// rings by the even-odd rule; ring points are in pixels.
void FillRings(const std::vector<std::vector<std::pair<double, double>>>& rings, int w, int h,
               std::uint8_t value, std::vector<std::uint8_t>& mask);

// Albers equal-area conic projection for North America (standard parallels 20 and 60 degrees
// north, centred on 96 degrees west): x east and y north, in earth radii.
std::pair<double, double> ProjectNorthAmerica(double latitude, double longitude);

}  // namespace tarvex::datakit
