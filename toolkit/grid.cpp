// The grid's contents (columns, rows, cells, the current cell) and their geometry. The player's
// moves and the scrolling are in grid_navigation.cpp, the painting in grid_paint.cpp.
#include "toolkit/grid.h"

#include <algorithm>

namespace tk {

void Grid::Attach(HWND window, int id, std::string name) {
  CustomControl::Attach(window, id, std::move(name));
  if (!window) return;
  // The dialog's font: a template's control is made before anyone sends it WM_SETFONT.
  font_ = reinterpret_cast<HFONT>(SendMessageW(GetParent(window), WM_GETFONT, 0, 0));
  Measure();
  UpdateScrollBar();
  Invalidate(nullptr);
}

void Grid::SetColumnCount(int columns) {
  columns_.resize(size_t(std::max(columns, 0)));
  for (auto& cells : cells_) cells.resize(columns_.size());
  column_ = std::clamp(column_, 0, std::max(ColumnCount() - 1, 0));
  Invalidate(nullptr);
}

void Grid::SetColumnHeading(int column, const std::wstring& text) {
  if (column < 0 || column >= ColumnCount()) return;
  columns_[size_t(column)].heading = text;
  Invalidate(nullptr);
}

std::wstring Grid::ColumnHeading(int column) const {
  if (column < 0 || column >= ColumnCount()) return {};
  return columns_[size_t(column)].heading;
}

void Grid::SetColumnWidth(int column, int pixels) {
  if (column < 0 || column >= ColumnCount()) return;
  columns_[size_t(column)].width = std::max(pixels, 0);
  Invalidate(nullptr);
}

int Grid::ColumnWidth(int column) const {
  if (column < 0 || column >= ColumnCount()) return 0;
  if (columns_[size_t(column)].width > 0) return columns_[size_t(column)].width;
  RECT client{};
  if (hwnd()) GetClientRect(hwnd(), &client);
  int room = int(client.right) - rowHeadingWidth_, shares = 0;
  for (const Column& c : columns_) {
    room -= c.width;
    if (c.width == 0) ++shares;
  }
  return std::max(room, 0) / std::max(shares, 1);
}

void Grid::SetRowCount(int rows) {
  rows_ = std::max(rows, 0);
  cells_.resize(size_t(rows_), std::vector<std::wstring>(columns_.size()));
  rowHeadings_.resize(size_t(rows_));
  marks_.resize(size_t(rows_));
  if (row_ >= rows_) row_ = rows_ - 1;
  UpdateScrollBar();
  ScrollTo(top_);
  Invalidate(nullptr);
}

void Grid::SetRowHeight(int pixels) {
  rowHeight_ = std::max(pixels, 1);
  UpdateScrollBar();
  ScrollTo(top_);
  Invalidate(nullptr);
}

void Grid::SetRowHeadingWidth(int pixels) {
  rowHeadingWidth_ = std::max(pixels, 0);
  Invalidate(nullptr);
}

void Grid::SetRowHeading(int row, const std::wstring& text) {
  if (row < 0 || row >= rows_) return;
  rowHeadings_[size_t(row)] = text;
  InvalidateCell(row, -1);
}

std::wstring Grid::RowHeading(int row) const {
  if (row < 0 || row >= rows_) return {};
  return rowHeadings_[size_t(row)];
}

void Grid::SetRowMarked(int row, bool marked) {
  if (row < 0 || row >= rows_ || marks_[size_t(row)] == marked) return;
  marks_[size_t(row)] = marked;
  if (!hwnd()) return;
  RECT heading = CellRect(row, -1);
  heading.top -= 1;  // the heading's top line lies on the row above (grid_paint.cpp)
  Invalidate(&heading);
}

bool Grid::RowMarked(int row) const { return row >= 0 && row < rows_ && marks_[size_t(row)]; }

void Grid::SetCellText(int row, int column, const std::wstring& text) {
  if (row < 0 || column < 0 || column >= ColumnCount()) return;
  if (row >= rows_) SetRowCount(row + 1);
  cells_[size_t(row)][size_t(column)] = text;
  InvalidateCell(row, column);
}

std::wstring Grid::CellText(int row, int column) const {
  if (row < 0 || row >= rows_ || column < 0 || column >= ColumnCount()) return {};
  return cells_[size_t(row)][size_t(column)];
}

void Grid::SetCurrentRow(int row) {
  InvalidateCurrent();
  row_ = row < 0 ? -1 : std::min(row, std::max(rows_ - 1, 0));
  InvalidateCurrent();
  MakeVisible(row_);
}

void Grid::SetCurrentColumn(int column) {
  InvalidateCurrent();
  column_ = std::clamp(column, 0, std::max(ColumnCount() - 1, 0));
  InvalidateCurrent();
}

int Grid::VisibleRows() const {
  RECT client{};
  if (hwnd()) GetClientRect(hwnd(), &client);
  return std::max(int(client.bottom - HeaderHeight()) / std::max(rowHeight_, 1), 1);
}

RECT Grid::CellRect(int row, int column) const {
  const int left = column < 0 ? 0 : ColumnLeft(column);
  const int width = column < 0 ? rowHeadingWidth_ : ColumnWidth(column);
  const int top = HeaderHeight() + (row - top_) * rowHeight_;
  return RECT{left, top, left + width, top + rowHeight_};
}

int Grid::ColumnLeft(int column) const {
  int left = rowHeadingWidth_;
  for (int c = 0; c < column; ++c) left += ColumnWidth(c);
  return left;
}

void Grid::Measure() {
  HDC dc = GetDC(hwnd());
  HGDIOBJ old = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(hwnd(), dc);
  rowHeight_ = metrics.tmHeight + metrics.tmExternalLeading + 5;
}

void Grid::InvalidateCell(int row, int column) {
  if (!hwnd() || row < 0) return;
  const RECT r = CellRect(row, column);
  Invalidate(&r);
}

// A grid that is not on screen (its page hidden, as while the pages are filled) has nothing
// to invalidate: showing it paints it whole. Filling skips a server round trip per cell.
void Grid::Invalidate(const RECT* area) {
  if (hwnd() && IsWindowVisible(hwnd())) InvalidateRect(hwnd(), area, FALSE);
}

void Grid::InvalidateCurrent() { InvalidateCell(row_, column_); }

}  // namespace tk
