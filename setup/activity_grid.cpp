#include "setup/activity_grid.h"

ActivityGrid::ActivityGrid(tk::Grid& grid, ControlsKeyList keys, int activityColumn,
                           ChooseActivityDialog& chooser, KzGridPatch& patch,
                           std::function<void()> fill)
    : grid_(grid),
      keys_(keys),
      activityColumn_(activityColumn),
      chooser_(chooser),
      patch_(patch),
      fill_(std::move(fill)) {}

void ActivityGrid::Register() {
  grid_.SetRowCount(int(keys_.size()));
  grid_.On<tk::Event::Create>([this] {
    Refill();
    patch_.AddGrid(grid_);
    return true;
  });
  grid_.On<tk::Event::DoubleClick>([this] {
    Choose();
    return true;
  });
  grid_.On<tk::Event::KeyDown>([this](tk::KeyArgs& key) {
    // Alt+Enter and Alt+Space are the dialog's system keys, not the player's Enter or Space.
    if (key.WasDown() || key.AltHeld()) return false;
    if (key.key != VK_RETURN && key.key != VK_SPACE) return false;
    Choose();
    return true;
  });
  // The fixed columns before the activities are not for choosing: the current cell stays in
  // the activity column.
  grid_.On<tk::Event::Select>([this](tk::NoticeArgs& selected) {
    if (selected.column < activityColumn_) grid_.SetCurrentColumn(activityColumn_);
    patch_.RememberSelection(grid_);
    return true;
  });
  grid_.On<tk::Event::GotFocus>([this] {
    patch_.RestoreSelection(grid_);
    return true;
  });
  grid_.On<tk::Event::LostFocus>([this] {
    patch_.HideSelection(grid_);
    return true;
  });
}

void ActivityGrid::Refill() {
  if (fill_) fill_();
  ChooseActivityDialog::FillControlsColumn(grid_, keys_, activityColumn_);
}

void ActivityGrid::Choose() {
  chooser_.RunChooser(GetAncestor(grid_.hwnd(), GA_ROOT));
  grid_.Focus();
  ChooseActivityDialog::ApplyChoice(grid_, keys_, activityColumn_);
}
