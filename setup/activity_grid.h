// A grid of the Mouse or Joystick page whose rows stand for Controls entries: one column shows
// the caption of the activity each entry holds, and a double click, or a fresh Enter or Space,
// opens the page's activity chooser for the current row.
//
// While the chooser is open the grid has lost the focus, and its selection keeper has hidden
// the current row. The row is needed again to store the choice, so the focus goes back to the
// grid (the keeper restores the row) before the choice is applied.
//
// Ownership: refers to the page's grid, chooser and selection keeper, which outlive it.
#pragma once

#include <functional>

#include "setup/choose_activity_dialog.h"
#include "setup/grid_patch.h"
#include "toolkit/grid.h"

class ActivityGrid {
 public:
  // `activityColumn` shows the activities; `fill` sets the headings and fixed texts (it runs
  // on create, and again on Refill).
  ActivityGrid(tk::Grid& grid, ControlsKeyList keys, int activityColumn,
               ChooseActivityDialog& chooser, KzGridPatch& patch, std::function<void()> fill);

  // Registers the grid's handlers; its create event fills it and registers it with the
  // selection keeper.
  void Register();
  // After a reset: headings, fixed texts and activities again.
  void Refill();
  // Opens the chooser for the current row and stores the choice.
  void Choose();

 private:
  tk::Grid& grid_;
  ControlsKeyList keys_;
  int activityColumn_;
  ChooseActivityDialog& chooser_;
  KzGridPatch& patch_;
  std::function<void()> fill_;
};
