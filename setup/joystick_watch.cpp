#include "setup/joystick_watch.h"

#include <algorithm>
#include <bit>
#include <optional>

namespace {

constexpr UINT kPeriodMs = 100;
// Buttons 1 to 4 are rows 0 to 3 and again 4 to 7; the hat's up, down, left and right rows 8
// to 11 and again 12 to 15.
constexpr int kGroupRows = 4;
constexpr int kHatRow = 8;
constexpr uint32_t kGroupBits = (1u << kGroupRows) - 1;

// The hat's directions in the order of the grid's rows, in hundredths of a degree. A direction
// is held while the hat points within 67.5 degrees of it: a diagonal holds its two neighbours.
constexpr uint32_t kFullTurn = 36000;
constexpr uint32_t kHatAngles[kGroupRows] = {0, 18000, 27000, 9000};
constexpr uint32_t kHatReach = 6750;

uint32_t HatDirections(uint32_t hat) {
  if (hat >= kFullTurn) return 0;  // centred
  uint32_t held = 0;
  for (int d = 0; d < kGroupRows; ++d) {
    const uint32_t off = (hat + kFullTurn - kHatAngles[d]) % kFullTurn;
    if (std::min(off, kFullTurn - off) < kHatReach) held |= 1u << d;
  }
  return held;
}

uint32_t RowsHeld(const tk::JoystickReading& reading) {
  const uint32_t buttons = reading.buttons & kGroupBits;
  const uint32_t hat = HatDirections(reading.hat);
  return buttons | buttons << kGroupRows | hat << kHatRow | hat << (kHatRow + kGroupRows);
}

}  // namespace

JoystickWatch::JoystickWatch(tk::Form& page, tk::Grid& grid, int activityColumn, KzGridPatch& patch)
    : page_(page), grid_(grid), activityColumn_(activityColumn), patch_(patch), timer_(page) {}

void JoystickWatch::Register() {
  timer_.On<tk::Event::Timer>([this] {
    Poll();
    return true;
  });
}

void JoystickWatch::Watch(tk::JoystickSource* source, unsigned device, bool shown) {
  if (shown && timer_.Running() && source == source_ && device == device_) return;
  Stop();
  source_ = source;
  device_ = device;
  // What is held when the reading starts was not pressed now: it leaves the cell be.
  if (shown && Read(false)) timer_.Start(kPeriodMs);
}

// The page stays shown while the dialog closes: the dialog goes out of sight first.
void JoystickWatch::Poll() {
  if (IsWindowVisible(page_.hwnd()))
    Read(true);
  else
    Stop();
}

bool JoystickWatch::Read(bool moveCell) {
  const std::optional<tk::JoystickReading> reading =
      source_ ? source_->Read(device_) : std::nullopt;
  if (!reading) {
    Stop();
    return false;
  }
  Mark(RowsHeld(*reading), moveCell);
  return true;
}

void JoystickWatch::Stop() {
  timer_.Stop();
  Mark(0, false);
}

// Only the rows whose mark changes are drawn again.
void JoystickWatch::Mark(uint32_t rows, bool moveCell) {
  if (rows == marked_) return;
  const uint32_t pressed = rows & ~marked_;
  for (uint32_t changed = rows ^ marked_; changed; changed &= changed - 1) {
    const int row = std::countr_zero(changed);
    grid_.SetRowMarked(row, (rows >> row) & 1);
  }
  marked_ = rows;
  if (!moveCell || !pressed || GetFocus() != grid_.hwnd()) return;
  // The first row of a press is the lowest: its "Щелчок" row. Setting the row scrolls to it.
  grid_.SetCurrentRow(std::countr_zero(pressed));
  grid_.SetCurrentColumn(activityColumn_);
  patch_.RememberSelection(grid_);
}
