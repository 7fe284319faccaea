#include "raster.h"

#include <algorithm>
#include <cmath>
#include <map>

Rgba Mix(Rgba x, Rgba y, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto m = [t](uint8_t a, uint8_t b) { return uint8_t(std::lround(a + (b - a) * t)); };
  return {m(x.r, y.r), m(x.g, y.g), m(x.b, y.b), m(x.a, y.a)};
}

Raster::Raster(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(size_t(width) * height, fill) {}

void Raster::Blend(int x, int y, Rgba colour, double coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) return;
  Rgba& p = at(x, y);
  const double a = std::min(1.0, coverage) * colour.a / 255.0;
  Rgba mixed = Mix(p, colour, a);
  mixed.a = uint8_t(std::lround(p.a + (255 - p.a) * a));
  p = mixed;
}

void Raster::Disc(double cx, double cy, double radius, Rgba colour) {
  for (int y = int(cy - radius - 1); y <= int(cy + radius + 1); ++y)
    for (int x = int(cx - radius - 1); x <= int(cx + radius + 1); ++x) {
      double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      Blend(x, y, colour, radius + 0.5 - d);
    }
}

void Raster::Ring(double cx, double cy, double radius, double thickness, Rgba colour) {
  for (int y = int(cy - radius - thickness - 1); y <= int(cy + radius + thickness + 1); ++y)
    for (int x = int(cx - radius - thickness - 1); x <= int(cx + radius + thickness + 1); ++x) {
      double d = std::fabs(std::hypot(x + 0.5 - cx, y + 0.5 - cy) - radius);
      Blend(x, y, colour, thickness / 2 + 0.5 - d);
    }
}

void Raster::Polygon(const std::vector<std::pair<double, double>>& points, Rgba colour) {
  double minY = 1e9, maxY = -1e9, minX = 1e9, maxX = -1e9;
  for (auto [x, y] : points) {
    minY = std::min(minY, y), maxY = std::max(maxY, y);
    minX = std::min(minX, x), maxX = std::max(maxX, x);
  }
  auto inside = [&points](double px, double py) {
    bool in = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      auto [xi, yi] = points[i];
      auto [xj, yj] = points[j];
      if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) in = !in;
    }
    return in;
  };
  for (int y = std::max(0, int(minY)); y <= std::min(height_ - 1, int(maxY) + 1); ++y)
    for (int x = std::max(0, int(minX)); x <= std::min(width_ - 1, int(maxX) + 1); ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
      Blend(x, y, colour, hits / 16.0);
    }
}

namespace {

// 5x7 dots per glyph, one string per row, '#' for a dot.
const std::map<char, std::vector<std::string>>& Glyphs() {
  static const std::map<char, std::vector<std::string>> glyphs = {
      {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
      {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
      {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
      {'N', {"#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"}},
      {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
      {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
      {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
      {'V', {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "}},
      {' ', {"     ", "     ", "     ", "     ", "     ", "     ", "     "}},
  };
  return glyphs;
}

}  // namespace

int Raster::TextWidth(const std::string& text, int cell) {
  return text.empty() ? 0 : int(text.size()) * 6 * cell - cell;
}

void Raster::Text(const std::string& text, int x, int y, int cell, Rgba top, Rgba bottom) {
  for (size_t i = 0; i < text.size(); ++i) {
    auto glyph = Glyphs().find(text[i]);
    if (glyph == Glyphs().end()) continue;
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col) {
        if (glyph->second[row][col] != '#') continue;
        int gx = x + int(i) * 6 * cell + col * cell;
        int gy = y + row * cell;
        for (int py = 0; py < cell; ++py)
          for (int px = 0; px < cell; ++px) {
            // Bevelled dots: the edge of each dot is a little darker.
            bool edge = px == 0 || py == 0 || px == cell - 1 || py == cell - 1;
            Rgba c = Mix(top, bottom, double(row * cell + py) / (7 * cell));
            if (edge) c = Mix(c, Rgba{40, 20, 0, 255}, 0.35);
            Blend(gx + px, gy + py, c, 1.0);
          }
      }
  }
}
