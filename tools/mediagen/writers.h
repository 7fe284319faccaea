// Writers of the media file formats: 8-bit BMP, 32-bit ICO, 16-bit PCM WAV.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster.h"

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& out, uint32_t v);
void Put32(Bytes& out, uint32_t v);
void PutTag(Bytes& out, const char* tag);
// A BITMAPINFOHEADER.
void PutInfoHeader(Bytes& out, int width, int height, int bits, uint32_t imageBytes, int colours,
                   uint32_t compression = 0);

// 256 colours (3-3-2 palette with ordered dithering), bottom-up rows.
Bytes EncodeBmp8(const Raster& image);
// Maps an image onto the 3-3-2 palette, one index per pixel, top-down: with ordered
// dithering, or to the nearest colour (flat areas then stay runs, for RLE8 video frames).
std::vector<uint8_t> QuantiseTo332(const Raster& image, bool dithered = true);
Bytes Palette332();  // 256 BGRX entries
// An icon file with one 32-bit image per raster (alpha and a matching AND mask).
Bytes EncodeIco(const std::vector<Raster>& images);
// Mono 16-bit PCM.
Bytes EncodeWav(const std::vector<int16_t>& samples, int rate);

bool WriteFile(const std::string& path, const Bytes& bytes);
