#pragma once

#include "raster.h"

// The shell's background: a night sky over hills, a ringed planet and the game's title.
Raster Background();
// The size sample of the picture buttons: a dark panel of 100 x 73.
Raster ButtonPanel();
// An emblem (a lightning bolt in a ring) in the accent colour, at the given size; `turn`
// rotates the bolt, in quarter turns, for the animation frames.
Raster Emblem(int size, Rgba accent, double turn);
