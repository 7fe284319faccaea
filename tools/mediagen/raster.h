// An RGBA raster and the drawing the media generator needs: fills, discs, polygons, block
// letters. Everything is deterministic, so the media come out byte-identical on every run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 255;
};

Rgba Mix(Rgba x, Rgba y, double t);

class Raster {
 public:
  Raster(int width, int height, Rgba fill = {});
  int width() const { return width_; }
  int height() const { return height_; }
  Rgba& at(int x, int y) { return pixels_[size_t(y) * width_ + x]; }
  const Rgba& at(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }
  // Blends the colour over the pixel with the given coverage (0..1).
  void Blend(int x, int y, Rgba colour, double coverage);
  void Disc(double cx, double cy, double radius, Rgba colour);
  void Ring(double cx, double cy, double radius, double thickness, Rgba colour);
  // A filled polygon (even-odd rule), with 4x4 supersampling for smooth edges.
  void Polygon(const std::vector<std::pair<double, double>>& points, Rgba colour);
  // Block letters from the generator's 5x7 font; `cell` is the size of one font dot.
  void Text(const std::string& text, int x, int y, int cell, Rgba top, Rgba bottom);
  static int TextWidth(const std::string& text, int cell);

 private:
  int width_, height_;
  std::vector<Rgba> pixels_;
};

// A tiny deterministic random generator.
class Lcg {
 public:
  explicit Lcg(uint32_t seed) : state_(seed) {}
  uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  double Unit() { return Next() / double(1u << 24); }

 private:
  uint32_t state_;
};
