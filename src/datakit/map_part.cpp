#include "datakit/map_part.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "base/files.h"
#include "base/text.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 900;
constexpr int kHeight = 600;
// The part of North America the map shows, in degrees.
constexpr double kWest = -128.0;
constexpr double kEast = -58.0;
constexpr double kNorth = 58.0;
constexpr double kSouth = 14.0;

// Rows of the 5 by 7 face, the high bit leftmost.
const std::uint8_t* Glyph(char c) {
  static const std::uint8_t kLetters[26][7] = {
      {14, 17, 17, 31, 17, 17, 17}, {30, 17, 17, 30, 17, 17, 30}, {14, 17, 16, 16, 16, 17, 14},
      {30, 17, 17, 17, 17, 17, 30}, {31, 16, 16, 30, 16, 16, 31}, {31, 16, 16, 30, 16, 16, 16},
      {14, 17, 16, 23, 17, 17, 15}, {17, 17, 17, 31, 17, 17, 17}, {14, 4, 4, 4, 4, 4, 14},
      {7, 2, 2, 2, 2, 18, 12},      {17, 18, 20, 24, 20, 18, 17}, {16, 16, 16, 16, 16, 16, 31},
      {17, 27, 21, 21, 17, 17, 17}, {17, 17, 25, 21, 19, 17, 17}, {14, 17, 17, 17, 17, 17, 14},
      {30, 17, 17, 30, 16, 16, 16}, {14, 17, 17, 17, 21, 18, 13}, {30, 17, 17, 30, 20, 18, 17},
      {15, 16, 16, 14, 1, 1, 30},   {31, 4, 4, 4, 4, 4, 4},       {17, 17, 17, 17, 17, 17, 14},
      {17, 17, 17, 17, 17, 10, 4},  {17, 17, 17, 21, 21, 21, 10}, {17, 17, 10, 4, 10, 17, 17},
      {17, 17, 10, 4, 4, 4, 4},     {31, 1, 2, 4, 8, 16, 31}};
  static const std::uint8_t kDigits[10][7] = {
      {14, 17, 19, 21, 25, 17, 14}, {4, 12, 4, 4, 4, 4, 14},     {14, 17, 1, 2, 4, 8, 31},
      {31, 2, 4, 2, 1, 17, 14},     {2, 6, 10, 18, 31, 2, 2},     {31, 16, 30, 1, 1, 17, 14},
      {6, 8, 16, 30, 17, 17, 14},   {31, 1, 2, 4, 8, 8, 8},       {14, 17, 17, 14, 17, 17, 14},
      {14, 17, 17, 15, 1, 2, 12}};
  if (c >= 'A' && c <= 'Z') return kLetters[c - 'A'];
  if (c >= '0' && c <= '9') return kDigits[c - '0'];
  return nullptr;
}

struct Place {
  double latitude;
  double longitude;
  std::string code;
};

std::vector<std::vector<std::string>> Rows(const fs::path& file) {
  std::vector<std::vector<std::string>> rows;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> cells;
    std::istringstream fields(line);
    for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
    rows.push_back(std::move(cells));
  }
  return rows;
}

int X(double longitude) { return static_cast<int>((longitude - kWest) / (kEast - kWest) * kWidth); }
int Y(double latitude) { return static_cast<int>((kNorth - latitude) / (kNorth - kSouth) * kHeight); }

// A distinct, not too light colour per terminal.
std::uint32_t Colour(std::size_t n) {
  const double hue = std::fmod(static_cast<double>(n) * 0.61803398875, 1.0) * 6.0;
  const double f = hue - std::floor(hue);
  const int v = 200;
  const int p = 70;
  const int q = static_cast<int>(v - (v - p) * f);
  const int t = static_cast<int>(p + (v - p) * f);
  int r = v, g = t, b = p;
  switch (static_cast<int>(hue)) {
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    case 5: r = v; g = p; b = q; break;
    default: break;
  }
  return static_cast<std::uint32_t>((r << 16) | (g << 8) | b);
}

void Build(const fs::path& source, const fs::path& out, Report& report) {
  const fs::path geo = source / "geo";
  std::vector<Place> terminals;
  for (const auto& row : Rows(geo / "terminals.tsv"))
    if (row.size() >= 16) terminals.push_back({base::Val(row[14]), base::Val(row[15]), row[1]});
  if (terminals.empty()) return;  // a carrier without terminals has no network to draw

  Picture map(kWidth, kHeight, 0xF4F1E8);
  for (int lon = -120; lon <= -60; lon += 10)
    for (int y = 0; y < kHeight; ++y) map.Set(X(lon), y, 0xD8D4C8);
  for (int lat = 20; lat <= 50; lat += 10)
    for (int x = 0; x < kWidth; ++x) map.Set(x, Y(lat), 0xD8D4C8);

  std::vector<Place> areas;
  for (const auto& row : Rows(geo / "us_prefixes.tsv"))
    if (row.size() >= 3) areas.push_back({base::Val(row[1]), base::Val(row[2]), row[0]});
  for (const auto& row : Rows(geo / "ca_fsas.tsv"))
    if (row.size() >= 5) areas.push_back({base::Val(row[3]), base::Val(row[4]), row[0]});
  for (const auto& row : Rows(geo / "mx_regions.tsv"))
    if (row.size() >= 5) areas.push_back({base::Val(row[3]), base::Val(row[4]), row[2]});
  for (const Place& a : areas) {
    std::size_t nearest = 0;
    double best = 1e18;
    for (std::size_t i = 0; i < terminals.size(); ++i) {
      const double dLat = a.latitude - terminals[i].latitude;
      const double dLon = (a.longitude - terminals[i].longitude) * std::cos(a.latitude * 0.0174533);
      const double d = dLat * dLat + dLon * dLon;
      if (d < best) {
        best = d;
        nearest = i;
      }
    }
    map.Box(X(a.longitude) - 2, Y(a.latitude) - 2, 5, Colour(nearest));
  }
  for (const Place& t : terminals) {
    map.Box(X(t.longitude) - 4, Y(t.latitude) - 4, 9, 0x202020);
    map.Box(X(t.longitude) - 2, Y(t.latitude) - 2, 5, 0xFFFFFF);
    map.Text(X(t.longitude) + 7, Y(t.latitude) - 3, base::ToUpper(t.code), 0x202020);
  }
  map.Text(12, kHeight - 20, "KESTREL RIDGE FREIGHT LINES", 0x202020);
  std::string error;
  if (!base::WriteFileAtomic(out / "Map.BMP", map.Bmp(), &error))
    report.fault((out / "Map.BMP").string(), error);
}

void Check(const fs::path&, Report&) {}
bool Dump(const fs::path&, std::ostream&, Report&) { return false; }

void PutLe(std::string& s, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

Picture::Picture(int w, int h, std::uint32_t fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

void Picture::Set(int x, int y, std::uint32_t rgb) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = rgb;
}

void Picture::Box(int x, int y, int size, std::uint32_t rgb) {
  for (int dy = 0; dy < size; ++dy)
    for (int dx = 0; dx < size; ++dx) Set(x + dx, y + dy, rgb);
}

void Picture::Text(int x, int y, const std::string& text, std::uint32_t rgb) {
  for (const char c : text) {
    if (const std::uint8_t* rows = Glyph(c))
      for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 5; ++col)
          if (rows[row] & (1 << (4 - col))) Set(x + col, y + row, rgb);
    x += 6;
  }
}

std::string Picture::Bmp() const {
  const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  const std::size_t imageBytes = rowBytes * static_cast<std::size_t>(height);
  std::string bmp(54 + imageBytes, '\0');
  bmp[0] = 'B';
  bmp[1] = 'M';
  PutLe(bmp, 2, static_cast<std::uint32_t>(bmp.size()), 4);
  PutLe(bmp, 10, 54, 4);
  PutLe(bmp, 14, 40, 4);
  PutLe(bmp, 18, static_cast<std::uint32_t>(width), 4);
  PutLe(bmp, 22, static_cast<std::uint32_t>(height), 4);
  PutLe(bmp, 26, 1, 2);
  PutLe(bmp, 28, 24, 2);
  PutLe(bmp, 34, static_cast<std::uint32_t>(imageBytes), 4);
  PutLe(bmp, 38, 2835, 4);
  PutLe(bmp, 42, 2835, 4);
  // Rows bottom-up, each pixel blue, green, red.
  for (int y = 0; y < height; ++y) {
    const std::size_t row = 54 + rowBytes * static_cast<std::size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                     static_cast<std::size_t>(x)];
      const std::size_t at = row + static_cast<std::size_t>(x) * 3;
      bmp[at] = static_cast<char>(p & 0xFF);
      bmp[at + 1] = static_cast<char>((p >> 8) & 0xFF);
      bmp[at + 2] = static_cast<char>((p >> 16) & 0xFF);
    }
  }
  return bmp;
}

Part MapPart() { return {"map", &Build, &Check, &Dump}; }

}  // namespace tarvex::datakit
