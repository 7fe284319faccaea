#pragma once

#include <cstdint>
#include <vector>

constexpr int kSampleRate = 22050;

// The start-up fanfare: a rising arpeggio.
std::vector<int16_t> Fanfare();
// The click of a button: a short falling zap.
std::vector<int16_t> SwitchClick();
// The background loop: a soft drone whose partials complete whole cycles, so it loops cleanly.
std::vector<int16_t> DroneLoop();
