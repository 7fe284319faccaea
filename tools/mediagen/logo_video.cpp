#include "logo_video.h"

#include <algorithm>
#include <string>

#include "pictures.h"

namespace {

constexpr int kWidth = 160, kHeight = 120;
constexpr int kFrames = 40;
const Rgba kAccent{255, 170, 40, 255};

// Lays an RGBA picture over the frame, its alpha as coverage.
void Overlay(Raster& frame, const Raster& picture, int left, int top, double opacity) {
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const Rgba& p = picture.at(x, y);
      if (p.a == 0) continue;
      frame.Blend(left + x, top + y, Rgba{p.r, p.g, p.b, 255}, p.a / 255.0 * opacity);
    }
}

Raster Frame(int index) {
  Raster frame(kWidth, kHeight, Rgba{0, 0, 0, 255});
  const double t = double(index) / (kFrames - 1);
  const double grow = std::min(1.0, t * 2.0);
  const double cx = kWidth / 2.0, cy = 46;
  frame.Ring(cx, cy, 8 + 30 * grow, 2.5, Mix(Rgba{80, 20, 0, 255}, kAccent, grow));
  frame.Ring(cx, cy, 4 + 38 * grow, 1.0, Mix(Rgba{0, 0, 0, 255}, Rgba{90, 200, 255, 255}, grow));
  Overlay(frame, Emblem(48, kAccent, index * 0.25), int(cx) - 24, int(cy) - 24, 0.3 + 0.7 * grow);

  const std::string title = "VOLTRANE";
  const int cell = 2;
  const int shown = std::clamp(int((t - 0.45) / 0.4 * title.size()) + 1, 0, int(title.size()));
  const int left = (kWidth - Raster::TextWidth(title, cell)) / 2;
  if (t >= 0.45)
    frame.Text(title.substr(0, size_t(shown)), left, 94, cell, Rgba{255, 240, 160, 255},
               Rgba{255, 120, 30, 255});
  return frame;
}

}  // namespace

std::vector<Raster> LogoFrames() {
  std::vector<Raster> frames;
  for (int i = 0; i < kFrames; ++i) frames.push_back(Frame(i));
  return frames;
}
