#include "pictures.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

void Sky(Raster& image, int horizon) {
  const Rgba zenith{6, 8, 30, 255}, middle{46, 24, 82, 255}, glow{214, 96, 44, 255};
  for (int y = 0; y < image.height(); ++y) {
    double t = double(y) / horizon;
    Rgba c = t < 0.65 ? Mix(zenith, middle, t / 0.65) : Mix(middle, glow, (t - 0.65) / 0.35);
    for (int x = 0; x < image.width(); ++x) image.at(x, y) = c;
  }
}

void Stars(Raster& image, int horizon) {
  Lcg random(1999);
  for (int i = 0; i < 260; ++i) {
    double x = random.Unit() * image.width();
    double y = random.Unit() * random.Unit() * horizon * 0.8;
    double bright = 0.4 + 0.6 * random.Unit();
    image.Disc(x, y, 0.6 + random.Unit() * 0.9, Rgba{255, 250, 230, uint8_t(255 * bright)});
  }
}

void Planet(Raster& image) {
  const double cx = 610, cy = 150, r = 62;
  image.Disc(cx, cy, r + 14, Rgba{255, 170, 90, 40});
  image.Disc(cx, cy, r, Rgba{236, 150, 84, 255});
  // Shade the disc from the upper left.
  for (int y = int(cy - r); y <= int(cy + r); ++y)
    for (int x = int(cx - r); x <= int(cx + r); ++x) {
      double d = std::hypot(x - cx, y - cy);
      if (d > r) continue;
      double light = ((cx - r * 0.4 - x) + (cy - r * 0.5 - y)) / (2.6 * r);
      image.Blend(x, y, light > 0 ? Rgba{255, 236, 190, 255} : Rgba{60, 20, 40, 255},
                  std::fabs(light) * 0.9);
    }
  for (double a = 0; a < 2 * kPi; a += 0.002) {
    double x = cx + std::cos(a) * r * 1.75, y = cy + std::sin(a) * r * 0.34;
    bool behind = std::sin(a) < 0 && std::hypot(x - cx, y - cy) < r;
    if (!behind) image.Disc(x, y - std::cos(a) * 8, 1.6, Rgba{250, 220, 170, 150});
  }
}

void Hills(Raster& image, int base, double height, double phase, Rgba colour) {
  std::vector<std::pair<double, double>> outline;
  outline.emplace_back(0, image.height());
  for (int x = 0; x <= image.width(); x += 4) {
    double y =
        base - height * (0.55 * std::sin(x / 97.0 + phase) + 0.3 * std::sin(x / 41.0 + 2 * phase) +
                         0.15 * std::sin(x / 17.0 + 3 * phase));
    outline.emplace_back(x, y);
  }
  outline.emplace_back(image.width(), image.height());
  image.Polygon(outline, colour);
}

void Title(Raster& image) {
  const std::string title = "VOLTRANE";
  const int cell = 11;
  const int x = (image.width() - Raster::TextWidth(title, cell)) / 2;
  const int y = 196;
  image.Text(title, x + 5, y + 6, cell, Rgba{0, 0, 0, 170}, Rgba{0, 0, 0, 170});
  image.Text(title, x, y, cell, Rgba{255, 236, 120, 255}, Rgba{230, 120, 20, 255});
  // A thin rule under the title.
  for (int px = x; px < x + Raster::TextWidth(title, cell); ++px)
    image.Blend(px, y + 7 * cell + 14, Rgba{255, 200, 90, 255}, 0.8);
}

}  // namespace

Raster Background() {
  Raster image(800, 600);
  const int horizon = 400;
  Sky(image, horizon);
  Stars(image, horizon);
  Planet(image);
  Title(image);
  Hills(image, 430, 38, 0.7, Rgba{44, 22, 52, 255});
  Hills(image, 470, 30, 2.1, Rgba{24, 12, 30, 255});
  Hills(image, 520, 18, 4.0, Rgba{10, 6, 14, 255});
  return image;
}

Raster ButtonPanel() {
  Raster image(100, 73, Rgba{16, 12, 20, 255});
  for (int x = 0; x < 100; ++x) image.at(x, 0) = image.at(x, 72) = Rgba{90, 70, 30, 255};
  for (int y = 0; y < 73; ++y) image.at(0, y) = image.at(99, y) = Rgba{90, 70, 30, 255};
  return image;
}

Raster Emblem(int size, Rgba accent, double turn) {
  Raster image(size, size, Rgba{0, 0, 0, 0});
  const double c = size / 2.0, s = size / 32.0;
  image.Disc(c, c, 14.5 * s, Rgba{20, 16, 40, 255});
  image.Ring(c, c, 13 * s, 2.2 * s, accent);
  // The bolt, drawn in a 32-unit box around the centre and turned by `turn` quarter turns.
  const double bolt[][2] = {{2, -11}, {-6, 1}, {-1, 1}, {-3, 11}, {6, -2}, {1, -2}, {4, -11}};
  const double a = turn * kPi / 2, ca = std::cos(a), sa = std::sin(a);
  std::vector<std::pair<double, double>> points;
  for (auto& p : bolt)
    points.emplace_back(c + (p[0] * ca - p[1] * sa) * s, c + (p[0] * sa + p[1] * ca) * s);
  image.Polygon(points, Rgba{255, 236, 120, 255});
  return image;
}
