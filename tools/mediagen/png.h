// The writer of the desktop icon that the Linux start script's entry shows: a PNG of 8-bit
// RGBA, its image data in stored (uncompressed) deflate blocks, so that no compression library
// is needed and the bytes are the same on every run. The player's ZIP compresses it anyway.
#pragma once

#include "raster.h"
#include "writers.h"

Bytes EncodePng(const Raster& image);
