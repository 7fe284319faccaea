// What the configuration model needs of the setup pages' list and grid controls. The pages
// implement these with small adapters over the toolkit's controls; texts arrive as UTF-16,
// ready for display.
#pragma once

#include <string>

struct KzSetupEntry;

namespace kz {

// A list box whose items can carry an entry of the current tables.
class ActivityList {
 public:
  virtual ~ActivityList() = default;
  // Appends an item; entry may be null (the "no activity" item).
  virtual void AddItem(const std::u16string& text, KzSetupEntry* entry) = 0;
  virtual void SelectItem(int index) = 0;
};

// The keyboard page's grid: one row per activity, columns 0 (caption), 1 and 2 (the keys).
class KeyGridView {
 public:
  virtual ~KeyGridView() = default;
  virtual void SetCellText(int row, int column, const std::u16string& text) = 0;
  virtual void SetRowCount(int rows) = 0;
  // Makes the column current and leaves the current row as it is.
  virtual void SetCurrentColumn(int column) = 0;
};

}  // namespace kz
