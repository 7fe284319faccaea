// The writer of the logo video: an AVI file with one video stream of 8-bit RLE frames over the
// 3-3-2 palette, every frame a key frame. Wine's built-in decoders and Windows both play it.
#pragma once

#include <cstdint>
#include <vector>

#include "raster.h"
#include "writers.h"

// RLE8 of one bottom-up frame from top-down indices: encoded runs, end-of-line and
// end-of-bitmap codes.
Bytes EncodeRle8(const std::vector<uint8_t>& indices, int width, int height);
// All frames must have the same size.
Bytes EncodeAviRle8(const std::vector<Raster>& frames, int framesPerSecond);
