#include "palette.h"

#include <algorithm>
#include <array>
#include <map>

#include "avi.h"

namespace {

// Colours are counted on 6 bits per channel: finer steps than a 256-colour picture can show.
uint32_t Key(const Rgba& p) { return uint32_t((p.r >> 2) << 12 | (p.g >> 2) << 6 | (p.b >> 2)); }

struct Bin {
  std::array<int, 3> value;  // 0..63 per channel
  int count;
};

using Box = std::vector<Bin>;

int Channel(const Bin& bin, int c) { return bin.value[size_t(c)]; }

// The channel with the widest range in the box, and that range.
std::pair<int, int> WidestChannel(const Box& box) {
  std::pair<int, int> best{0, -1};
  for (int c = 0; c < 3; ++c) {
    auto [low, high] = std::minmax_element(box.begin(), box.end(), [c](const Bin& a, const Bin& b) {
      return Channel(a, c) < Channel(b, c);
    });
    const int range = Channel(*high, c) - Channel(*low, c);
    if (range > best.second) best = {c, range};
  }
  return best;
}

long Pixels(const Box& box) {
  long total = 0;
  for (const Bin& bin : box) total += bin.count;
  return total;
}

// Splits the box whose colour range weighs most by the pixels it covers, at the median of its
// pixels, so that large gradients (the sky) get fine steps; false when no box can split.
bool SplitWidest(std::vector<Box>& boxes) {
  int chosen = -1;
  double widest = 0;
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i].size() < 2) continue;
    const double weight = double(WidestChannel(boxes[i]).second) * double(Pixels(boxes[i]));
    if (weight > widest) widest = weight, chosen = int(i);
  }
  if (chosen < 0) return false;
  Box& box = boxes[size_t(chosen)];
  const int c = WidestChannel(box).first;
  std::sort(box.begin(), box.end(), [c](const Bin& a, const Bin& b) {
    return Channel(a, c) != Channel(b, c) ? Channel(a, c) < Channel(b, c) : a.count < b.count;
  });
  const long total = Pixels(box);
  long half = 0;
  // Both halves keep at least one bin.
  size_t cut = 1;
  for (; cut + 1 < box.size(); ++cut) {
    half += box[cut - 1].count;
    if (half * 2 >= total) break;
  }
  boxes.push_back(Box(box.begin() + long(cut), box.end()));
  box.resize(cut);
  return true;
}

Rgba Average(const Box& box) {
  long sum[3] = {0, 0, 0}, count = 0;
  for (const Bin& bin : box) {
    for (int c = 0; c < 3; ++c) sum[c] += long(Channel(bin, c) * 4 + 2) * bin.count;
    count += bin.count;
  }
  return Rgba{uint8_t(sum[0] / count), uint8_t(sum[1] / count), uint8_t(sum[2] / count), 255};
}

int Distance(const Rgba& a, const Rgba& b) {
  const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

uint8_t Nearest(const std::vector<Rgba>& colours, const Rgba& p) {
  size_t best = 0;
  for (size_t i = 1; i < colours.size(); ++i)
    if (Distance(colours[i], p) < Distance(colours[best], p)) best = i;
  return uint8_t(best);
}

}  // namespace

FittedPalette FitPalette(const Raster& image, int colours) {
  std::map<uint32_t, int> counts;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ++counts[Key(image.at(x, y))];
  Box all;
  for (const auto& [key, count] : counts)
    all.push_back(Bin{{int(key >> 12 & 63), int(key >> 6 & 63), int(key & 63)}, count});
  std::vector<Box> boxes{all};
  while (int(boxes.size()) < colours && SplitWidest(boxes)) {
  }
  FittedPalette fitted;
  for (const Box& box : boxes) fitted.colours.push_back(Average(box));
  std::map<uint32_t, uint8_t> chosen;  // the same 6-bit colour always maps to the same entry
  fitted.indices.reserve(size_t(image.width()) * image.height());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const Rgba& p = image.at(x, y);
      auto [at, fresh] = chosen.try_emplace(Key(p), 0);
      if (fresh) at->second = Nearest(fitted.colours, p);
      fitted.indices.push_back(at->second);
    }
  return fitted;
}

Bytes EncodeBmp8Rle(const Raster& image) {
  const FittedPalette fitted = FitPalette(image);
  const Bytes pixels = EncodeRle8(fitted.indices, image.width(), image.height());
  const uint32_t offset = 14 + 40 + 1024;
  Bytes out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + uint32_t(pixels.size()));
  Put32(out, 0);
  Put32(out, offset);
  constexpr uint32_t kBiRle8 = 1;
  PutInfoHeader(out, image.width(), image.height(), 8, uint32_t(pixels.size()), 256, kBiRle8);
  for (size_t i = 0; i < 256; ++i) {
    const Rgba c = i < fitted.colours.size() ? fitted.colours[i] : Rgba{};
    out.insert(out.end(), {c.b, c.g, c.r, 0});
  }
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}
