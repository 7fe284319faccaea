// KzGridPatch: keeps the current cell of the setup pages' grids while a grid is out of focus,
// so that a grid shows its current cell only while it has the keyboard focus. The keyboard,
// mouse and joystick pages each own one and register their grids with it.
//
// Ownership: the records refer to grids they do not own; a page's patch lives no longer than
// the page's grids.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/grid.h"

class KzGridPatch {
 public:
  struct perGrid {
    int32_t row;
    int32_t column;
    tk::Grid* grid;
  };

  // Saves the grid's current cell, then hides it (current row -1).
  void AddGrid(tk::Grid& grid);
  // The saved cell becomes current again (on got focus).
  void RestoreSelection(tk::Grid& grid);
  // Saves the current cell and hides it (on lost focus).
  void HideSelection(tk::Grid& grid);
  // Saves the cell the player chose (on select); a hidden row keeps the saved one.
  void RememberSelection(tk::Grid& grid);
  // Off while a page changes a cell's value, so that focus changes leave the saved cell be.
  void SetActive(bool on) { suspended_ = !on; }
  bool Suspended() const { return suspended_; }
  const std::vector<perGrid>& Records() const { return records_; }

 private:
  std::vector<perGrid> records_;  // in registration order; never shrinks
  bool suspended_ = false;
};
