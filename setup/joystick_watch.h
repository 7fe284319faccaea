// The Joystick page's live view of the device on the chosen port, so that the player sees which
// of the grid's rows a button or a hat direction is. While the page is shown and a joystick is
// there, the device is read ten times a second and the rows of what it holds are marked: a
// button its "Щелчок" and "Двойной щелчок" rows, a hat direction its two rows. The mark is a
// look of the rows; no entry changes.
//
// A newly pressed button or direction takes the grid's current cell to its first row when the
// grid has the focus, so that Enter opens the chooser for it. Only the press moves the cell: a
// button held down leaves the player free to move on. Without the focus the grid shows no
// current cell, and its selection keeper holds the one the player left; that one stays.
//
// No joystick on the port, or the page hidden: nothing is read and no timer runs. The device is
// looked for when the page shows and when the port changes; one that goes away ends the reading
// until then.
//
// Ownership: refers to the page, its grid and selection keeper, and the source the dialog was
// opened with, which all outlive it; owns its timer.
#pragma once

#include <cstdint>

#include "setup/grid_patch.h"
#include "toolkit/form.h"
#include "toolkit/grid.h"
#include "toolkit/joystick.h"
#include "toolkit/timer.h"

class JoystickWatch {
 public:
  JoystickWatch(tk::Form& page, tk::Grid& grid, int activityColumn, KzGridPatch& patch);

  // Registers the timer's handler; the page's handlers go with its window.
  void Register();
  // Reads the joystick `device` of `source` while `shown` and while it is there; stops
  // otherwise. A change of either starts afresh.
  void Watch(tk::JoystickSource* source, unsigned device, bool shown);

 private:
  void Poll();
  bool Read(bool moveCell);
  void Stop();
  void Mark(uint32_t rows, bool moveCell);

  tk::Form& page_;
  tk::Grid& grid_;
  int activityColumn_;
  KzGridPatch& patch_;
  tk::Timer timer_;
  tk::JoystickSource* source_ = nullptr;
  unsigned device_ = 0;
  uint32_t marked_ = 0;  // bit r: row r is marked
};
