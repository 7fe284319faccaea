// A grid of text cells, a window class of our own (Win32 has none): column headings, optional
// row headings, one current cell, keyboard navigation and a vertical scroll bar. It serves the
// keyboard, mouse and joystick pages.
//
// The current cell is a row and a column; row -1 means that no cell is current, and then none
// is highlighted. Setting the cell from code raises no event; the player's moves (a click, the
// arrows, PgUp, PgDn, Home, End) raise Select, whose arguments carry the new column. A double
// click on a cell raises DoubleClick after its Select; key presses raise KeyDown (KeyArgs tells
// an auto-repeat) before the grid navigates, and a handled key is not navigated.
//
// Looks: the dialog's font and the system colours; headings drawn like a list view's header;
// the current cell in the highlight colour while the grid has the focus, in the button face
// colour otherwise. A marked row has its heading drawn pressed in the highlight colour: it stands
// for a control the player holds down at the moment. Painting goes through an off-screen canvas and
// only changed cells are invalidated, so nothing flickers.
#pragma once

#include <string>
#include <vector>

#include "toolkit/canvas.h"
#include "toolkit/custom_control.h"

namespace tk {

class Grid : public CustomControl {
 public:
  static constexpr const wchar_t* kClassName = L"VoltraneGrid";
  // Registers the window class; a template that names it comes after.
  static bool RegisterClass() { return CustomControl::RegisterClass(kClassName); }

  void Attach(HWND window, int id, std::string name) override;

  void SetColumnCount(int columns);
  int ColumnCount() const { return int(columns_.size()); }
  void SetColumnHeading(int column, const std::wstring& text);
  std::wstring ColumnHeading(int column) const;
  // Widths in pixels; a column without one shares the room the others leave.
  void SetColumnWidth(int column, int pixels);
  int ColumnWidth(int column) const;

  void SetRowCount(int rows);
  int RowCount() const { return rows_; }
  // Row headings take a column of their own at the left, shown when its width is above 0.
  void SetRowHeadingWidth(int pixels);
  void SetRowHeading(int row, const std::wstring& text);
  std::wstring RowHeading(int row) const;
  // The mark is a look only: no text changes and no event is raised.
  void SetRowMarked(int row, bool marked);
  bool RowMarked(int row) const;

  void SetCellText(int row, int column, const std::wstring& text);
  std::wstring CellText(int row, int column) const;

  int CurrentRow() const { return row_; }
  int CurrentColumn() const { return column_; }
  // -1 hides the current cell; other rows are clamped to the grid. No event.
  void SetCurrentRow(int row);
  void SetCurrentColumn(int column);

  int TopRow() const { return top_; }
  int VisibleRows() const;
  int RowHeight() const { return rowHeight_; }
  // Rows are as high as the font asks; a grid that must show all its rows in a given height
  // may take them lower.
  void SetRowHeight(int pixels);
  // The cell's rectangle in client coordinates (it may lie outside the client area).
  RECT CellRect(int row, int column) const;

 protected:
  LRESULT WindowProc(UINT message, WPARAM w, LPARAM l) override;
  bool WantsKey(UINT key) const override { return key == VK_RETURN || key == VK_SPACE; }
  void Paint(HDC dc, const RECT& client) override;

 private:
  struct Column {
    std::wstring heading;
    int width = 0;  // 0: a share of the room left
  };

  // Contents and geometry (grid.cpp).
  void Measure();
  int ColumnLeft(int column) const;
  int HeaderHeight() const { return rowHeight_ + 2; }
  void InvalidateCell(int row, int column);
  void InvalidateCurrent();
  void Invalidate(const RECT* area);

  // The player's moves and scrolling (grid_navigation.cpp).
  bool HitTest(POINT p, int& row, int& column) const;
  void ScrollTo(int top);
  void UpdateScrollBar();
  void MakeVisible(int row);
  // The player's move: the cell becomes current, shows, and Select is raised.
  void Choose(int row, int column);
  bool Navigate(UINT key);
  void OnScroll(int code);
  void OnClick(LPARAM l, bool doubleClick);

  // Painting (grid_paint.cpp).
  void DrawHeader(HDC dc, int width) const;
  void DrawHeading(HDC dc, RECT r, const std::wstring& text, bool marked = false) const;
  void DrawCell(HDC dc, int row, int column) const;

  std::vector<Column> columns_;
  std::vector<std::vector<std::wstring>> cells_;  // [row][column]
  std::vector<std::wstring> rowHeadings_;
  std::vector<bool> marks_;
  int rowHeadingWidth_ = 0;
  int rows_ = 0;
  int row_ = 0;
  int column_ = 0;
  int top_ = 0;
  int rowHeight_ = 16;
  HFONT font_ = nullptr;  // the dialog's, not owned
  Canvas buffer_;
};

}  // namespace tk
