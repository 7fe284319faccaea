#include "writers.h"

#include <cstdio>

void Put16(Bytes& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}

void Put32(Bytes& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void PutTag(Bytes& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

void PutInfoHeader(Bytes& out, int width, int height, int bits, uint32_t imageBytes, int colours,
                   uint32_t compression) {
  Put32(out, 40);
  Put32(out, uint32_t(width));
  Put32(out, uint32_t(height));
  Put16(out, 1);
  Put16(out, uint32_t(bits));
  Put32(out, compression);
  Put32(out, imageBytes);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, uint32_t(colours));
  Put32(out, 0);
}

namespace {

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

uint8_t Level(uint8_t value, int levels, double threshold) {
  double scaled = value / 255.0 * (levels - 1) + threshold;
  int level = int(scaled);
  return uint8_t(level < 0 ? 0 : level >= levels ? levels - 1 : level);
}

}  // namespace

std::vector<uint8_t> QuantiseTo332(const Raster& image, bool dithered) {
  std::vector<uint8_t> indices(size_t(image.width()) * image.height());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const Rgba& p = image.at(x, y);
      double t = dithered ? (kBayer[y & 3][x & 3] + 0.5) / 16.0 : 0.5;
      indices[size_t(y) * image.width() + x] =
          uint8_t(Level(p.r, 8, t) << 5 | Level(p.g, 8, t) << 2 | Level(p.b, 4, t));
    }
  return indices;
}

Bytes Palette332() {
  Bytes out;
  for (int i = 0; i < 256; ++i) {
    out.push_back(uint8_t((i & 3) * 255 / 3));
    out.push_back(uint8_t((i >> 2 & 7) * 255 / 7));
    out.push_back(uint8_t((i >> 5 & 7) * 255 / 7));
    out.push_back(0);
  }
  return out;
}

Bytes EncodeBmp8(const Raster& image) {
  const int stride = (image.width() + 3) & ~3;
  const uint32_t imageBytes = uint32_t(stride * image.height());
  const uint32_t offset = 14 + 40 + 1024;
  Bytes out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageBytes);
  Put32(out, 0);
  Put32(out, offset);
  PutInfoHeader(out, image.width(), image.height(), 8, imageBytes, 256);
  Bytes palette = Palette332();
  out.insert(out.end(), palette.begin(), palette.end());
  std::vector<uint8_t> indices = QuantiseTo332(image);
  for (int y = image.height() - 1; y >= 0; --y) {
    const uint8_t* row = &indices[size_t(y) * image.width()];
    out.insert(out.end(), row, row + image.width());
    out.insert(out.end(), size_t(stride - image.width()), 0);
  }
  return out;
}

Bytes EncodeIco(const std::vector<Raster>& images) {
  Bytes out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, uint32_t(images.size()));
  std::vector<Bytes> bodies;
  for (const Raster& image : images) {
    const int w = image.width(), h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    Bytes body;
    PutInfoHeader(body, w, h * 2, 32, uint32_t(w * h * 4 + maskStride * h), 0);
    for (int y = h - 1; y >= 0; --y)
      for (int x = 0; x < w; ++x) {
        const Rgba& p = image.at(x, y);
        body.push_back(p.b);
        body.push_back(p.g);
        body.push_back(p.r);
        body.push_back(p.a);
      }
    for (int y = h - 1; y >= 0; --y) {
      Bytes row(size_t(maskStride), 0);
      for (int x = 0; x < w; ++x)
        if (image.at(x, y).a < 128) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
      body.insert(body.end(), row.begin(), row.end());
    }
    bodies.push_back(std::move(body));
  }
  uint32_t offset = uint32_t(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out.push_back(uint8_t(images[i].width() >= 256 ? 0 : images[i].width()));
    out.push_back(uint8_t(images[i].height() >= 256 ? 0 : images[i].height()));
    out.push_back(0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, uint32_t(bodies[i].size()));
    Put32(out, offset);
    offset += uint32_t(bodies[i].size());
  }
  for (const Bytes& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

Bytes EncodeWav(const std::vector<int16_t>& samples, int rate) {
  Bytes out;
  const uint32_t dataBytes = uint32_t(samples.size() * 2);
  PutTag(out, "RIFF");
  Put32(out, 36 + dataBytes);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);
  Put16(out, 1);
  Put32(out, uint32_t(rate));
  Put32(out, uint32_t(rate * 2));
  Put16(out, 2);
  Put16(out, 16);
  PutTag(out, "data");
  Put32(out, dataBytes);
  for (int16_t s : samples) Put16(out, uint16_t(s));
  return out;
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}
