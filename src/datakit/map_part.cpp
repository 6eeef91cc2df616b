#include "datakit/map_part.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <queue>
#include <set>
#include <sstream>

#include "base/files.h"
#include "base/program_dir.h"
#include "base/text.h"
#include "geo/service_guide.h"

namespace tarvex::datakit {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 900;
constexpr int kHeight = 600;
constexpr double kPi = 3.14159265358979323846;

constexpr std::uint32_t kWater = 0xC6DBEA;
constexpr std::uint32_t kLand = 0xEAE6DC;  // land no terminal serves
constexpr std::uint32_t kCoast = 0x4F5B66;
constexpr std::uint32_t kStateLine = 0x8E969E;
constexpr std::uint32_t kInk = 0x202020;
constexpr std::uint32_t kPaper = 0xFFFFFF;

// Territory colours, light enough for borders and names to read over them; neighbouring
// territories never share one when the palette allows.
constexpr std::array<std::uint32_t, 10> kPalette = {0xF6C9A0, 0xB9DDB0, 0xC9C3EA, 0xF4E4A1,
                                                    0xA9D8DC, 0xEDB9C6, 0xD5E6A6, 0xC7D3E8,
                                                    0xE8CFB0, 0xBFE3CF};

// What a pixel of the land mask is: water, or the land of a country.
enum Land : std::uint8_t { kNoLand = 0, kUs = 1, kCanada = 2, kMexico = 3, kOther = 4 };

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
      {14, 17, 19, 21, 25, 17, 14}, {4, 12, 4, 4, 4, 4, 14},  {14, 17, 1, 2, 4, 8, 31},
      {31, 2, 4, 2, 1, 17, 14},     {2, 6, 10, 18, 31, 2, 2}, {31, 16, 30, 1, 1, 17, 14},
      {6, 8, 16, 30, 17, 17, 14},   {31, 1, 2, 4, 8, 8, 8},   {14, 17, 17, 14, 17, 17, 14},
      {14, 17, 17, 15, 1, 2, 12}};
  if (c >= 'A' && c <= 'Z') return kLetters[c - 'A'];
  if (c >= '0' && c <= '9') return kDigits[c - '0'];
  return nullptr;
}

// The geography's rows; a missing file is the geography part's fault to report.
std::vector<std::vector<std::string>> Rows(const fs::path& file) {
  std::vector<std::vector<std::string>> rows;
  for (const DataLine& line : ReadDataLines(file).value_or(std::vector<DataLine>{}))
    rows.push_back(SplitCells(line.text));
  return rows;
}

using Ring = std::vector<std::pair<double, double>>;  // longitude, latitude

struct Outlines {
  std::vector<std::pair<Land, Ring>> rings;
  std::vector<Ring> stateLines;
};

bool ParseDegrees(const std::string& text, double& v) {
  const auto number = base::ParseNumber(text);
  if (number) v = *number;
  return number.has_value();
}

Outlines ReadOutlines(const fs::path& file, Report& report) {
  Outlines o;
  for (const auto& [where, line] : ReadDataLines(file, report)) {
    const auto tab = line.find('\t');
    const std::string kind = line.substr(0, tab);
    const Land land = kind == "US"     ? kUs
                      : kind == "CA"   ? kCanada
                      : kind == "MX"   ? kMexico
                      : kind == "LAND" ? kOther
                                       : kNoLand;
    if (tab == std::string::npos || (land == kNoLand && kind != "STATE")) {
      report.fault(where, "expected US, CA, MX, LAND or STATE, a tab and points");
      continue;
    }
    Ring points;
    std::istringstream words(line.substr(tab + 1));
    bool good = true;
    for (std::string w; words >> w;) {
      const auto comma = w.find(',');
      double lon = 0;
      double lat = 0;
      if (comma == std::string::npos || !ParseDegrees(w.substr(0, comma), lon) ||
          !ParseDegrees(w.substr(comma + 1), lat) || std::abs(lat) > 90 || std::abs(lon) > 360) {
        report.fault(where, "not a point longitude,latitude: " + w);
        good = false;
        break;
      }
      points.emplace_back(lon, lat);
    }
    if (!good) continue;
    if (points.size() < (land == kNoLand ? 2U : 3U)) {
      report.fault(where, "too few points for a line or a ring");
      continue;
    }
    if (land == kNoLand)
      o.stateLines.push_back(std::move(points));
    else
      o.rings.emplace_back(land, std::move(points));
  }
  return o;
}

struct Place {
  double latitude;
  double longitude;
  std::string code;
};

// Projected map coordinates to pixels: the frame holds `fit` with a margin.
struct Frame {
  double scale = 1;
  double cx = 0;
  double cy = 0;

  explicit Frame(const std::vector<Place>& fit) {
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const Place& p : fit) {
      const auto [x, y] = ProjectNorthAmerica(p.latitude, p.longitude);
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
    }
    constexpr double kMargin = 0.07;
    scale = std::min(kWidth * (1 - 2 * kMargin) / std::max(1e-9, maxX - minX),
                     kHeight * (1 - 2 * kMargin) / std::max(1e-9, maxY - minY));
    cx = (minX + maxX) / 2;
    cy = (minY + maxY) / 2;
  }

  std::pair<double, double> operator()(double latitude, double longitude) const {
    const auto [x, y] = ProjectNorthAmerica(latitude, longitude);
    return {(x - cx) * scale + kWidth / 2.0, kHeight / 2.0 - (y - cy) * scale};
  }
};

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, double t) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double ca = (a >> shift) & 0xFF;
    const double cb = (b >> shift) & 0xFF;
    out |= static_cast<std::uint32_t>(std::lround(ca + (cb - ca) * t)) << shift;
  }
  return out;
}

// Each land pixel goes to the nearest area of its own country that it can reach over land:
// the territories follow coasts and borders instead of crossing them.
std::vector<int> Territories(const std::vector<std::uint8_t>& mask,
                             const std::vector<std::pair<std::pair<double, double>, Land>>& seeds,
                             const std::vector<int>& seedOwner) {
  const std::size_t size = mask.size();
  std::vector<int> owner(size, 0);
  std::vector<float> best(size, 1e30F);
  struct Item {
    float d;
    int pixel;
    int seed;
    bool operator>(const Item& o) const { return d > o.d; }
  };
  std::priority_queue<Item, std::vector<Item>, std::greater<>> queue;
  for (std::size_t s = 0; s < seeds.size(); ++s) {
    const auto [at, land] = seeds[s];
    const int x0 = static_cast<int>(at.first);
    const int y0 = static_cast<int>(at.second);
    // A point on the coast may fall just into the water: take the nearest land of its country.
    int found = -1;
    for (int r = 0; r <= 6 && found < 0; ++r)
      for (int dy = -r; dy <= r && found < 0; ++dy)
        for (int dx = -r; dx <= r && found < 0; ++dx) {
          const int x = x0 + dx;
          const int y = y0 + dy;
          if (std::max(std::abs(dx), std::abs(dy)) != r || x < 0 || y < 0 || x >= kWidth ||
              y >= kHeight)
            continue;
          if (mask[static_cast<std::size_t>(y * kWidth + x)] == land) found = y * kWidth + x;
        }
    if (found < 0) continue;
    best[static_cast<std::size_t>(found)] = 0;
    queue.push({0, found, static_cast<int>(s)});
  }
  std::vector<bool> done(size, false);
  while (!queue.empty()) {
    const Item item = queue.top();
    queue.pop();
    const auto p = static_cast<std::size_t>(item.pixel);
    if (done[p]) continue;
    done[p] = true;
    owner[p] = seedOwner[static_cast<std::size_t>(item.seed)];
    const auto& [at, land] = seeds[static_cast<std::size_t>(item.seed)];
    const int px = item.pixel % kWidth;
    const int py = item.pixel / kWidth;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const int x = px + dx;
        const int y = py + dy;
        if ((dx == 0 && dy == 0) || x < 0 || y < 0 || x >= kWidth || y >= kHeight) continue;
        const auto q = static_cast<std::size_t>(y * kWidth + x);
        if (done[q] || mask[q] != land) continue;
        const double ex = x + 0.5 - at.first;
        const double ey = y + 0.5 - at.second;
        const auto d = static_cast<float>(std::sqrt(ex * ex + ey * ey));
        if (d >= best[q]) continue;
        best[q] = d;
        queue.push({d, static_cast<int>(q), item.seed});
      }
  }
  return owner;
}

// A palette colour per terminal, different from those of the territories it touches.
std::vector<std::uint32_t> TerritoryColours(const std::vector<int>& owner, int terminals) {
  std::vector<std::set<int>> touches(static_cast<std::size_t>(terminals) + 1);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const int a = owner[static_cast<std::size_t>(y * kWidth + x)];
      for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}, std::pair{1, 1}}) {
        if (x + dx >= kWidth || y + dy >= kHeight) continue;
        const int b = owner[static_cast<std::size_t>((y + dy) * kWidth + x + dx)];
        if (a > 0 && b > 0 && a != b) {
          touches[static_cast<std::size_t>(a)].insert(b);
          touches[static_cast<std::size_t>(b)].insert(a);
        }
      }
    }
  std::vector<std::uint32_t> colour(static_cast<std::size_t>(terminals) + 1, kLand);
  std::vector<int> index(static_cast<std::size_t>(terminals) + 1, -1);
  for (int t = 1; t <= terminals; ++t) {
    std::set<int> taken;
    for (const int n : touches[static_cast<std::size_t>(t)])
      taken.insert(index[static_cast<std::size_t>(n)]);
    int pick = 0;
    // Start the search at a different colour for each terminal, so that territories far
    // apart do not all take the first one.
    for (std::size_t k = 0; k < kPalette.size(); ++k) {
      const int c = static_cast<int>((static_cast<std::size_t>(t) * 3 + k) % kPalette.size());
      if (taken.count(c) == 0) {
        pick = c;
        break;
      }
    }
    index[static_cast<std::size_t>(t)] = pick;
    colour[static_cast<std::size_t>(t)] = kPalette[static_cast<std::size_t>(pick)];
  }
  return colour;
}

// Text with a light rim, readable over any colour.
void Label(Picture& map, int x, int y, const std::string& text, int scale = 1) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (dx != 0 || dy != 0) map.Text(x + dx, y + dy, text, kPaper, scale);
  map.Text(x, y, text, kInk, scale);
}

struct Rect {
  int x, y, w, h;
  bool overlaps(const Rect& o) const {
    return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
  }
};

void Build(const fs::path& source, const fs::path& out, Report& report) {
  const fs::path geo = source / "geo";
  std::vector<Place> terminals;
  for (const auto& row : Rows(geo / "terminals.tsv"))
    if (row.size() >= 16) terminals.push_back({base::Val(row[14]), base::Val(row[15]), row[1]});
  if (terminals.empty()) return;  // a carrier without terminals has no network to draw
  const Outlines outlines = ReadOutlines(geo / "outlines.tsv", report);

  // The areas of the three countries, each with its serving terminal from the service guide.
  struct Area {
    Place at;
    Land land;
  };
  std::vector<Area> areas;
  for (const auto& row : Rows(geo / "us_prefixes.tsv"))
    if (row.size() >= 3) areas.push_back({{base::Val(row[1]), base::Val(row[2]), row[0]}, kUs});
  for (const auto& row : Rows(geo / "ca_fsas.tsv"))
    if (row.size() >= 5)
      areas.push_back({{base::Val(row[3]), base::Val(row[4]), row[0] + "0A0"}, kCanada});
  std::vector<Place> fit = terminals;
  for (const auto& row : Rows(geo / "mx_regions.tsv"))
    if (row.size() >= 5) {
      const Place p{base::Val(row[3]), base::Val(row[4]),
                    fmt::format("{:02d}000M", static_cast<int>(base::Val(row[0])))};
      areas.push_back({p, kMexico});
      fit.push_back(p);
    }
  const Frame frame(fit);

  std::vector<std::uint8_t> mask(static_cast<std::size_t>(kWidth) * kHeight, kNoLand);
  const auto toPixels = [&](const Ring& ring) {
    Ring px;
    px.reserve(ring.size());
    for (const auto& [lon, lat] : ring) px.push_back(frame(lat, lon));
    return px;
  };
  // Other countries first, so that the three the carrier serves keep their own land.
  for (const Land land : {kOther, kMexico, kCanada, kUs}) {
    std::vector<Ring> rings;
    for (const auto& [l, ring] : outlines.rings)
      if (l == land) rings.push_back(toPixels(ring));
    FillRings(rings, kWidth, kHeight, land, mask);
  }

  const base::ProgramDir dir(out);
  std::vector<std::pair<std::pair<double, double>, Land>> seeds;
  std::vector<int> seedOwner;
  std::string indicator;
  std::int16_t extra = 0;
  for (const Area& a : areas) {
    const int t = geo::FindServiceTerminal(dir, a.at.code, "O", indicator, extra);
    if (t < 1 || t > static_cast<int>(terminals.size())) continue;  // not served
    seeds.emplace_back(frame(a.at.latitude, a.at.longitude), a.land);
    seedOwner.push_back(t);
  }
  const std::vector<int> owner = Territories(mask, seeds, seedOwner);
  const std::vector<std::uint32_t> colour =
      TerritoryColours(owner, static_cast<int>(terminals.size()));

  Picture map(kWidth, kHeight, kWater);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const auto p = static_cast<std::size_t>(y * kWidth + x);
      if (mask[p] == kNoLand) continue;
      const int t = owner[p];
      std::uint32_t c = t > 0 ? colour[static_cast<std::size_t>(t)] : kLand;
      // Where two territories meet, a darker edge.
      const bool edge =
          t > 0 && ((x + 1 < kWidth && owner[p + 1] > 0 && owner[p + 1] != t) ||
                    (y + 1 < kHeight && owner[p + kWidth] > 0 && owner[p + kWidth] != t));
      if (edge) c = Mix(c, kInk, 0.35);
      map.Set(x, y, c);
    }
  const auto draw = [&](const Ring& ring, std::uint32_t rgb, bool closed) {
    const Ring px = toPixels(ring);
    for (std::size_t i = 1; i < px.size() + (closed ? 1 : 0); ++i) {
      const auto& a = px[i - 1];
      const auto& b = px[i % px.size()];
      map.Line(static_cast<int>(std::floor(a.first)), static_cast<int>(std::floor(a.second)),
               static_cast<int>(std::floor(b.first)), static_cast<int>(std::floor(b.second)), rgb);
    }
  };
  for (const Ring& line : outlines.stateLines) draw(line, kStateLine, false);
  for (const auto& [land, ring] : outlines.rings) draw(ring, kCoast, true);

  // Terminals: a marker each, and its code beside it where it covers no other.
  std::vector<Rect> taken;
  std::vector<std::pair<int, int>> at;
  for (const Place& t : terminals) {
    const auto [x, y] = frame(t.latitude, t.longitude);
    at.emplace_back(static_cast<int>(x), static_cast<int>(y));
    taken.push_back({at.back().first - 4, at.back().second - 4, 9, 9});
  }
  for (std::size_t i = 0; i < terminals.size(); ++i) {
    const auto [x, y] = at[i];
    map.Box(x - 4, y - 4, 9, kInk);
    map.Box(x - 2, y - 2, 5, kPaper);
  }
  for (std::size_t i = 0; i < terminals.size(); ++i) {
    const std::string code = base::ToUpper(base::Trim(terminals[i].code));
    const int w = static_cast<int>(code.size()) * 6 + 1;
    const auto [x, y] = at[i];
    const std::array<Rect, 8> tries = {Rect{x + 7, y - 4, w, 9},      Rect{x - 7 - w, y - 4, w, 9},
                                       Rect{x - w / 2, y - 15, w, 9}, Rect{x - w / 2, y + 7, w, 9},
                                       Rect{x + 5, y - 14, w, 9},     Rect{x + 5, y + 6, w, 9},
                                       Rect{x - 5 - w, y - 14, w, 9}, Rect{x - 5 - w, y + 6, w, 9}};
    Rect pick = tries[0];
    for (const Rect& r : tries) {
      const bool inside = r.x >= 0 && r.y >= 0 && r.x + r.w <= kWidth && r.y + r.h <= kHeight;
      if (inside &&
          std::none_of(taken.begin(), taken.end(), [&](const Rect& o) { return r.overlaps(o); })) {
        pick = r;
        break;
      }
    }
    taken.push_back(pick);
    Label(map, pick.x + 1, pick.y + 1, code);
  }

  // Title and key in the open sea at the bottom left.
  Label(map, 14, kHeight - 62, "KESTREL RIDGE FREIGHT LINES", 2);
  Label(map, 14, kHeight - 40, "SERVICE MAP");
  map.Box(14, kHeight - 26, 9, kInk);
  map.Box(16, kHeight - 24, 5, kPaper);
  Label(map, 28, kHeight - 25, "TERMINAL");
  map.Box(14, kHeight - 13, 9, kPalette[0]);
  map.Box(14 + 9, kHeight - 13, 9, kPalette[1]);
  Label(map, 38, kHeight - 12, "AREA A TERMINAL SERVES");

  std::string error;
  if (!base::WriteFileAtomic(out / "Map.BMP", map.Bmp(), &error))
    report.fault((out / "Map.BMP").string(), error);
}

void Check(const fs::path&, Report&) {}
bool Dump(const fs::path&, std::ostream&, Report&) {
  return false;
}

void PutLe(std::string& s, std::size_t at, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i)
    s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::pair<double, double> ProjectNorthAmerica(double latitude, double longitude) {
  const auto rad = [](double deg) { return deg * kPi / 180; };
  static const double n = (std::sin(rad(20)) + std::sin(rad(60))) / 2;
  static const double c = std::cos(rad(20)) * std::cos(rad(20)) + 2 * n * std::sin(rad(20));
  static const double rho0 = std::sqrt(c - 2 * n * std::sin(rad(40))) / n;
  const double rho = std::sqrt(c - 2 * n * std::sin(rad(latitude))) / n;
  const double theta = n * rad(longitude + 96);
  return {rho * std::sin(theta), rho0 - rho * std::cos(theta)};
}

void FillRings(const std::vector<std::vector<std::pair<double, double>>>& rings, int w, int h,
               std::uint8_t value, std::vector<std::uint8_t>& mask) {
  std::vector<double> crossings;
  for (int y = 0; y < h; ++y) {
    const double cy = y + 0.5;
    crossings.clear();
    for (const auto& ring : rings)
      for (std::size_t i = 0; i < ring.size(); ++i) {
        const auto& [x1, y1] = ring[i];
        const auto& [x2, y2] = ring[(i + 1) % ring.size()];
        if ((y1 > cy) != (y2 > cy)) crossings.push_back(x1 + (cy - y1) / (y2 - y1) * (x2 - x1));
      }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const int from = std::max(0, static_cast<int>(std::ceil(crossings[i] - 0.5)));
      const int to = std::min(w - 1, static_cast<int>(std::floor(crossings[i + 1] - 0.5)));
      for (int x = from; x <= to; ++x)
        mask[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
             static_cast<std::size_t>(x)] = value;
    }
  }
}

Picture::Picture(int w, int h, std::uint32_t fill)
    : width(w),
      height(h),
      pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

void Picture::Set(int x, int y, std::uint32_t rgb) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
         static_cast<std::size_t>(x)] = rgb;
}

std::uint32_t Picture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x)];
}

void Picture::Box(int x, int y, int size, std::uint32_t rgb) {
  for (int dy = 0; dy < size; ++dy)
    for (int dx = 0; dx < size; ++dx) Set(x + dx, y + dy, rgb);
}

void Picture::Line(int x0, int y0, int x1, int y1, std::uint32_t rgb) {
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  while (true) {
    Set(x0, y0, rgb);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void Picture::Text(int x, int y, const std::string& text, std::uint32_t rgb, int scale) {
  for (const char c : text) {
    if (const std::uint8_t* rows = Glyph(c))
      for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 5; ++col)
          if (rows[row] & (1 << (4 - col)))
            for (int sy = 0; sy < scale; ++sy)
              for (int sx = 0; sx < scale; ++sx)
                Set(x + col * scale + sx, y + row * scale + sy, rgb);
    x += 6 * scale;
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

Part MapPart() {
  return {"map", &Build, &Check, &Dump};
}

}  // namespace tarvex::datakit
