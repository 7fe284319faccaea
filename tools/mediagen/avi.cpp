#include "avi.h"

#include <algorithm>

namespace {

constexpr uint32_t kAvifHasIndex = 0x10;
constexpr uint32_t kAviifKeyFrame = 0x10;
constexpr uint32_t kBiRle8 = 1;

// A chunk: tag, size, data, and a pad byte when the size is odd.
void PutChunk(Bytes& out, const char* tag, const Bytes& data) {
  PutTag(out, tag);
  Put32(out, uint32_t(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  if (data.size() & 1) out.push_back(0);
}

void PutList(Bytes& out, const char* type, const Bytes& content) {
  PutTag(out, "LIST");
  Put32(out, uint32_t(content.size() + 4));
  PutTag(out, type);
  out.insert(out.end(), content.begin(), content.end());
}

Bytes MainHeader(int width, int height, int frames, int fps, uint32_t largest) {
  Bytes h;
  Put32(h, uint32_t(1000000 / fps));
  Put32(h, largest * uint32_t(fps));
  Put32(h, 0);
  Put32(h, kAvifHasIndex);
  Put32(h, uint32_t(frames));
  Put32(h, 0);
  Put32(h, 1);
  Put32(h, largest);
  Put32(h, uint32_t(width));
  Put32(h, uint32_t(height));
  for (int i = 0; i < 4; ++i) Put32(h, 0);
  return h;
}

Bytes StreamHeader(int width, int height, int frames, int fps, uint32_t largest) {
  Bytes h;
  PutTag(h, "vids");
  PutTag(h, "mrle");
  Put32(h, 0);  // flags
  Put32(h, 0);  // priority and language
  Put32(h, 0);  // initial frames
  Put32(h, 1);  // scale
  Put32(h, uint32_t(fps));
  Put32(h, 0);  // start
  Put32(h, uint32_t(frames));
  Put32(h, largest);
  Put32(h, 0xFFFFFFFFu);  // default quality
  Put32(h, 0);            // sample size: varies
  Put16(h, 0);
  Put16(h, 0);
  Put16(h, uint32_t(width));
  Put16(h, uint32_t(height));
  return h;
}

Bytes StreamFormat(int width, int height) {
  Bytes f;
  PutInfoHeader(f, width, height, 8, uint32_t(width * height), 256, kBiRle8);
  Bytes palette = Palette332();
  f.insert(f.end(), palette.begin(), palette.end());
  return f;
}

}  // namespace

Bytes EncodeRle8(const std::vector<uint8_t>& indices, int width, int height) {
  Bytes out;
  for (int y = height - 1; y >= 0; --y) {
    const uint8_t* row = indices.data() + size_t(y) * width;
    for (int x = 0; x < width;) {
      int run = 1;
      while (x + run < width && run < 255 && row[x + run] == row[x]) ++run;
      out.push_back(uint8_t(run));
      out.push_back(row[x]);
      x += run;
    }
    out.push_back(0);
    out.push_back(y == 0 ? 1 : 0);  // end of bitmap after the top row, else end of line
  }
  return out;
}

Bytes EncodeAviRle8(const std::vector<Raster>& frames, int framesPerSecond) {
  const int width = frames.front().width(), height = frames.front().height();
  std::vector<Bytes> encoded;
  uint32_t largest = 0;
  for (const Raster& frame : frames) {
    encoded.push_back(EncodeRle8(QuantiseTo332(frame, false), width, height));
    largest = std::max(largest, uint32_t(encoded.back().size()));
  }
  const int count = int(frames.size());

  Bytes stream;
  PutChunk(stream, "strh", StreamHeader(width, height, count, framesPerSecond, largest));
  PutChunk(stream, "strf", StreamFormat(width, height));
  Bytes header;
  PutChunk(header, "avih", MainHeader(width, height, count, framesPerSecond, largest));
  PutList(header, "strl", stream);

  // Index offsets count from the "movi" tag, as players expect.
  Bytes movie, index;
  for (const Bytes& frame : encoded) {
    PutTag(index, "00dc");
    Put32(index, kAviifKeyFrame);
    Put32(index, uint32_t(movie.size() + 4));
    Put32(index, uint32_t(frame.size()));
    PutChunk(movie, "00dc", frame);
  }

  Bytes body;
  PutTag(body, "AVI ");
  PutList(body, "hdrl", header);
  PutList(body, "movi", movie);
  PutChunk(body, "idx1", index);
  Bytes file;
  PutTag(file, "RIFF");
  Put32(file, uint32_t(body.size()));
  file.insert(file.end(), body.begin(), body.end());
  return file;
}
