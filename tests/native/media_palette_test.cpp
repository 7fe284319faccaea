// The background picture's encoding: a palette fitted to the picture and RLE8 rows. A fault
// here shows as a wrong or garbled main-window picture, which no other test looks at closely.
#include <gtest/gtest.h>

#include <set>

#include "tools/mediagen/avi.h"
#include "tools/mediagen/palette.h"

namespace {

// Decodes RLE8 as the system does (encoded runs, end of line, end of bitmap) into top-down
// indices.
std::vector<uint8_t> DecodeRle8(const Bytes& data, int width, int height) {
  std::vector<uint8_t> indices(size_t(width) * height, 0xEE);
  int x = 0, y = height - 1;
  for (size_t i = 0; i + 1 < data.size(); i += 2) {
    const int count = data[i], value = data[i + 1];
    if (count > 0) {
      for (int k = 0; k < count && x < width; ++k)
        indices[size_t(y) * width + x++] = uint8_t(value);
    } else if (value == 0) {
      x = 0, --y;
    } else if (value == 1) {
      break;
    } else {
      ADD_FAILURE() << "unexpected escape " << value;
      break;
    }
  }
  return indices;
}

Raster Gradient(int width, int height) {
  Raster image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.at(x, y) = Rgba{uint8_t(y * 255 / (height - 1)), uint8_t(x * 255 / (width - 1)),
                            uint8_t((x + y) & 0xFF), 255};
  return image;
}

}  // namespace

TEST(MediaPalette, AFewColoursComeOutExactlyAndManyStayWithin256) {
  Raster flags(40, 30, Rgba{200, 16, 32, 255});
  for (int y = 10; y < 20; ++y)
    for (int x = 0; x < 40; ++x) flags.at(x, y) = Rgba{252, 252, 252, 255};
  const FittedPalette few = FitPalette(flags);
  EXPECT_EQ(std::set<uint8_t>(few.indices.begin(), few.indices.end()).size(), 2u);
  for (int y = 0; y < 30; ++y) {
    const Rgba& c = few.colours[few.indices[size_t(y) * 40]];
    EXPECT_NEAR(c.r, flags.at(0, y).r, 2) << y;
    EXPECT_NEAR(c.g, flags.at(0, y).g, 2) << y;
  }
  const FittedPalette many = FitPalette(Gradient(300, 200));
  EXPECT_LE(many.colours.size(), 256u);
  EXPECT_GT(many.colours.size(), 200u);  // a rich picture gets the whole palette
  EXPECT_EQ(many.indices.size(), 300u * 200u);
}

TEST(MediaPalette, TheBitmapDecodesToTheFittedIndicesRowByRow) {
  // 301 pixels wide: runs longer than 255 must be cut, and the width is not a multiple of 4.
  Raster image(301, 7, Rgba{10, 20, 30, 255});
  image.at(0, 0) = Rgba{250, 250, 250, 255};
  image.at(300, 6) = Rgba{250, 0, 0, 255};
  const Bytes bmp = EncodeBmp8Rle(image);
  ASSERT_GT(bmp.size(), 1078u);
  auto read32 = [&](size_t at) {
    return uint32_t(bmp[at] | bmp[at + 1] << 8 | bmp[at + 2] << 16 | uint32_t(bmp[at + 3]) << 24);
  };
  EXPECT_EQ(read32(2), bmp.size());  // file size
  EXPECT_EQ(read32(10), 1078u);      // pixels after the headers and 256 colours
  EXPECT_EQ(read32(30), 1u);         // BI_RLE8
  EXPECT_EQ(read32(34), bmp.size() - 1078);
  const Bytes pixels(bmp.begin() + 1078, bmp.end());
  EXPECT_EQ(DecodeRle8(pixels, 301, 7), FitPalette(image).indices);
}
