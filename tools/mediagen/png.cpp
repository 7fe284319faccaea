#include "png.h"

#include <algorithm>
#include <array>

namespace {

void Put32Big(Bytes& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

uint32_t Crc32(const uint8_t* data, size_t size) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

uint32_t Adler32(const Bytes& data) {
  uint32_t a = 1, b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

// A chunk's CRC covers its type and its data.
void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  Put32Big(out, uint32_t(data.size()));
  const size_t start = out.size();
  PutTag(out, type);
  out.insert(out.end(), data.begin(), data.end());
  Put32Big(out, Crc32(&out[start], out.size() - start));
}

// A zlib stream of stored blocks (at most 65535 bytes each).
Bytes StoredZlib(const Bytes& data) {
  Bytes out = {0x78, 0x01};
  size_t at = 0;
  do {
    const size_t size = std::min<size_t>(data.size() - at, 65535);
    out.push_back(at + size == data.size() ? 1 : 0);
    Put16(out, uint32_t(size));
    Put16(out, uint32_t(~size & 0xFFFF));
    out.insert(out.end(), data.begin() + long(at), data.begin() + long(at + size));
    at += size;
  } while (at < data.size());
  Put32Big(out, Adler32(data));
  return out;
}

}  // namespace

Bytes EncodePng(const Raster& image) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  Put32Big(header, uint32_t(image.width()));
  Put32Big(header, uint32_t(image.height()));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
  PutChunk(out, "IHDR", header);
  Bytes rows;  // each row starts with its filter type, 0 (none)
  for (int y = 0; y < image.height(); ++y) {
    rows.push_back(0);
    for (int x = 0; x < image.width(); ++x) {
      const Rgba& p = image.at(x, y);
      rows.insert(rows.end(), {p.r, p.g, p.b, p.a});
    }
  }
  PutChunk(out, "IDAT", StoredZlib(rows));
  PutChunk(out, "IEND", {});
  return out;
}
