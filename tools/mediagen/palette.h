// A palette of 256 colours chosen for one picture (median cut), and the picture mapped onto it
// without dithering: gradients then come out as bands of one colour, which RLE8 keeps small.
#pragma once

#include <cstdint>
#include <vector>

#include "raster.h"
#include "writers.h"

struct FittedPalette {
  std::vector<Rgba> colours;     // at most 256
  std::vector<uint8_t> indices;  // one per pixel, top-down rows
};

FittedPalette FitPalette(const Raster& image, int colours = 256);

// 256 colours, the palette fitted to the picture, RLE8-compressed bottom-up rows.
Bytes EncodeBmp8Rle(const Raster& image);
