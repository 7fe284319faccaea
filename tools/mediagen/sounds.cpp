#include "sounds.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

int16_t Sample(double v) { return int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32000)); }

}  // namespace

std::vector<int16_t> Fanfare() {
  const double notes[] = {261.63, 329.63, 392.0, 523.25};
  const int noteLength = kSampleRate * 3 / 10;
  std::vector<int16_t> out;
  for (int n = 0; n < 4; ++n) {
    const int length = n == 3 ? noteLength * 3 : noteLength;
    for (int i = 0; i < length; ++i) {
      double t = double(i) / kSampleRate;
      double envelope = std::min(1.0, i / 300.0) * std::exp(-t * (n == 3 ? 1.6 : 4.0));
      double v = std::sin(2 * kPi * notes[n] * t) + 0.35 * std::sin(4 * kPi * notes[n] * t) +
                 0.15 * std::sin(6 * kPi * notes[n] * t);
      out.push_back(Sample(0.45 * envelope * v));
    }
  }
  return out;
}

std::vector<int16_t> SwitchClick() {
  const int length = kSampleRate * 3 / 20;
  std::vector<int16_t> out;
  double phase = 0;
  for (int i = 0; i < length; ++i) {
    double t = double(i) / length;
    phase += 2 * kPi * (1800 - 1500 * t) / kSampleRate;
    out.push_back(Sample(0.5 * (1 - t) * (1 - t) * std::sin(phase)));
  }
  return out;
}

std::vector<int16_t> DroneLoop() {
  const int seconds = 4;
  const int length = kSampleRate * seconds;
  // Frequencies in whole cycles per loop.
  const int cycles[] = {55 * seconds, 82 * seconds, 110 * seconds, 165 * seconds};
  const double weights[] = {0.5, 0.25, 0.2, 0.08};
  std::vector<int16_t> out;
  for (int i = 0; i < length; ++i) {
    double t = double(i) / length;
    double swell = 0.75 + 0.25 * std::sin(2 * kPi * 2 * t);
    double v = 0;
    for (int k = 0; k < 4; ++k) v += weights[k] * std::sin(2 * kPi * cycles[k] * t);
    out.push_back(Sample(0.35 * swell * v));
  }
  return out;
}
