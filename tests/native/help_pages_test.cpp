// The generated help pages, as the help window loads them: uncompressed Windows bitmaps of
// 600 x 450 pixels, one distinct page per file, each with its text drawn.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kPages = 8;
constexpr int kWidth = 600;
constexpr int kHeight = 450;

struct Rgb {
  uint8_t r, g, b;
};

// A decoded page: its pixels top row first, or a description of what is wrong with the file.
struct Page {
  std::string fault;
  std::vector<Rgb> pixels;
};

Page Fault(std::string why) { return {std::move(why), {}}; }

uint32_t Le(const std::vector<uint8_t>& bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
  return value;
}

std::string PagePath(int page) {
  return std::string(VOLTRANE_HELP_PAGES_DIR) + "/LHelp0" + std::to_string(page) + ".bmp";
}

// Reads the file as LoadImage would: BITMAPFILEHEADER, BITMAPINFOHEADER, an optional palette,
// then bottom-up rows padded to four bytes.
Page Decode(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Fault("missing");
  const std::vector<uint8_t> b{std::istreambuf_iterator<char>(in), {}};
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return Fault("no BMP signature");
  if (Le(b, 2, 4) != b.size()) return Fault("the header's file size is wrong");
  const uint32_t offset = Le(b, 10, 4);
  if (Le(b, 14, 4) != 40) return Fault("not a BITMAPINFOHEADER");
  const int32_t width = int32_t(Le(b, 18, 4)), height = int32_t(Le(b, 22, 4));
  if (width != kWidth || (height != kHeight && height != -kHeight))
    return Fault("size " + std::to_string(width) + " x " + std::to_string(height));
  const uint32_t bits = Le(b, 28, 2);
  if (Le(b, 26, 2) != 1 || (bits != 8 && bits != 24)) return Fault("not 8 or 24 bits per pixel");
  if (Le(b, 30, 4) != 0) return Fault("compressed");
  const uint32_t colours = bits == 8 ? (Le(b, 46, 4) ? Le(b, 46, 4) : 256) : 0;
  if (colours > 256 || 54 + 4 * colours > offset) return Fault("palette overlaps the pixels");
  const size_t stride = (kWidth * bits / 8 + 3) / 4 * 4;
  if (offset + stride * kHeight > b.size()) return Fault("pixel rows run past the file");
  Page page;
  page.pixels.reserve(kWidth * kHeight);
  for (int y = 0; y < kHeight; ++y) {
    const size_t row = offset + stride * (height > 0 ? kHeight - 1 - y : y);
    for (int x = 0; x < kWidth; ++x) {
      size_t at = row + x * 3;
      if (bits == 8) {
        if (b[row + x] >= colours) return Fault("pixel outside the palette");
        at = 54 + 4 * b[row + x];
      }
      page.pixels.push_back({b[at + 2], b[at + 1], b[at]});
    }
  }
  return page;
}

class HelpPagesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    pages_.clear();
    for (int page = 1; page <= kPages; ++page) pages_.push_back(Decode(PagePath(page)));
  }
  static std::vector<Page> pages_;
};

std::vector<Page> HelpPagesTest::pages_;

TEST_F(HelpPagesTest, EachPageIsAnUncompressedBitmapOfThePictureBoxSize) {
  for (int page = 0; page < kPages; ++page) EXPECT_EQ(pages_[page].fault, "") << PagePath(page + 1);
}

// Text is light on a dark ground: a page whose drawing failed shows little or no light ink
// between the header band and the footer.
TEST_F(HelpPagesTest, EachPageCarriesLegibleText) {
  for (int page = 0; page < kPages; ++page) {
    if (!pages_[page].fault.empty()) continue;
    int light = 0, dark = 0;
    for (int y = 60; y < 420; ++y)
      for (int x = 0; x < kWidth; ++x) {
        const Rgb p = pages_[page].pixels[y * kWidth + x];
        const int luma = (p.r * 299 + p.g * 587 + p.b * 114) / 1000;
        light += luma > 160;
        dark += luma < 50;
      }
    EXPECT_GT(light, 3000) << PagePath(page + 1);
    EXPECT_GT(dark, kWidth * 360 / 2) << PagePath(page + 1) << ": the ground is not dark";
  }
}

TEST_F(HelpPagesTest, NoTwoPagesAreAlike) {
  for (int a = 0; a < kPages; ++a)
    for (int b = a + 1; b < kPages; ++b) {
      if (!pages_[a].fault.empty() || !pages_[b].fault.empty()) continue;
      int differing = 0;
      for (size_t i = 0; i < pages_[a].pixels.size(); ++i) {
        const Rgb p = pages_[a].pixels[i], q = pages_[b].pixels[i];
        differing += p.r != q.r || p.g != q.g || p.b != q.b;
      }
      EXPECT_GT(differing, 1000) << PagePath(a + 1) << " and " << PagePath(b + 1);
    }
}

}  // namespace
