#pragma once

#include <vector>

#include "raster.h"

inline constexpr int kLogoFramesPerSecond = 12;

// The frames of "logo.avi", 160 x 120: the emblem spins up inside a widening ring, then the
// title is written out letter by letter and glows.
std::vector<Raster> LogoFrames();
