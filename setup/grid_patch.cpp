#include "setup/grid_patch.h"

void KzGridPatch::AddGrid(tk::Grid& grid) {
  records_.push_back({grid.CurrentRow(), grid.CurrentColumn(), &grid});
  grid.SetCurrentRow(-1);
}

// A grid registered twice has two records; each one is served, in order.
void KzGridPatch::RestoreSelection(tk::Grid& grid) {
  if (suspended_) return;
  for (perGrid& record : records_) {
    if (record.grid != &grid) continue;
    grid.SetCurrentRow(record.row);
    grid.SetCurrentColumn(record.column);
  }
}

void KzGridPatch::HideSelection(tk::Grid& grid) {
  if (suspended_) return;
  for (perGrid& record : records_) {
    if (record.grid != &grid) continue;
    record.row = grid.CurrentRow();
    record.column = grid.CurrentColumn();
    grid.SetCurrentRow(-1);
  }
}

void KzGridPatch::RememberSelection(tk::Grid& grid) {
  if (suspended_) return;
  for (perGrid& record : records_) {
    if (record.grid != &grid) continue;
    if (grid.CurrentRow() >= 0) record.row = grid.CurrentRow();
    record.column = grid.CurrentColumn();
  }
}
