// The grid's window messages: the keys, clicks and wheel with which the player moves the
// current cell and scrolls, and its scroll bar.
#include "toolkit/grid.h"

#include <windowsx.h>

#include <algorithm>

namespace tk {

namespace {

constexpr int kWheelRows = 3;

}  // namespace

bool Grid::HitTest(POINT p, int& row, int& column) const {
  if (p.y < HeaderHeight() || p.x < rowHeadingWidth_) return false;
  row = top_ + (p.y - HeaderHeight()) / rowHeight_;
  if (row >= rows_) return false;
  for (column = 0; column < ColumnCount(); ++column) {
    const RECT r = CellRect(row, column);
    if (p.x >= r.left && p.x < r.right) return true;
  }
  return false;
}

void Grid::ScrollTo(int top) {
  top = std::clamp(top, 0, std::max(rows_ - VisibleRows(), 0));
  if (top == top_) return;
  top_ = top;
  if (!hwnd()) return;
  SetScrollPos(hwnd(), SB_VERT, top_, TRUE);
  Invalidate(nullptr);
}

void Grid::UpdateScrollBar() {
  if (!hwnd()) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(rows_ - 1, 0);
  info.nPage = UINT(VisibleRows());
  info.nPos = top_;
  SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
}

void Grid::MakeVisible(int row) {
  if (row < 0) return;
  if (row < top_)
    ScrollTo(row);
  else if (row >= top_ + VisibleRows())
    ScrollTo(row - VisibleRows() + 1);
}

void Grid::Choose(int row, int column) {
  SetCurrentRow(row);
  SetCurrentColumn(column);
  NoticeArgs args;
  args.column = column_;
  events_.Raise<Event::Select>(args);
}

// Down and Up keep the column; PgUp and PgDn go a page, Home and End to the first and last row.
bool Grid::Navigate(UINT key) {
  if (rows_ == 0 || ColumnCount() == 0) return false;
  int row = std::max(row_, 0), column = column_;
  switch (key) {
    case VK_UP:
      --row;
      break;
    case VK_DOWN:
      ++row;
      break;
    case VK_LEFT:
      --column;
      break;
    case VK_RIGHT:
      ++column;
      break;
    case VK_PRIOR:
      row -= VisibleRows();
      break;
    case VK_NEXT:
      row += VisibleRows();
      break;
    case VK_HOME:
      row = 0;
      break;
    case VK_END:
      row = rows_ - 1;
      break;
    default:
      return false;
  }
  row = std::clamp(row, 0, rows_ - 1);
  column = std::clamp(column, 0, ColumnCount() - 1);
  if (row_ < 0 || row != row_ || column != column_) Choose(row, column);
  return true;
}

void Grid::OnScroll(int code) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(hwnd(), SB_VERT, &info);
  switch (code) {
    case SB_LINEUP:
      ScrollTo(top_ - 1);
      break;
    case SB_LINEDOWN:
      ScrollTo(top_ + 1);
      break;
    case SB_PAGEUP:
      ScrollTo(top_ - VisibleRows());
      break;
    case SB_PAGEDOWN:
      ScrollTo(top_ + VisibleRows());
      break;
    case SB_TOP:
      ScrollTo(0);
      break;
    case SB_BOTTOM:
      ScrollTo(rows_);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      ScrollTo(info.nTrackPos);
      break;
  }
}

void Grid::OnClick(LPARAM l, bool doubleClick) {
  if (GetFocus() != hwnd()) SetFocus(hwnd());
  int row = 0, column = 0;
  if (!HitTest(POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)}, row, column)) return;
  Choose(row, column);
  if (doubleClick) events_.Raise<Event::DoubleClick>();
}

LRESULT Grid::WindowProc(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE:  // made by Create rather than by a template
      font_ = reinterpret_cast<HFONT>(SendMessageW(GetParent(hwnd()), WM_GETFONT, 0, 0));
      Measure();
      return 0;
    case WM_KEYDOWN: {
      KeyArgs args{UINT(w), l, false};
      if (events_.Raise<Event::KeyDown>(args) || Navigate(UINT(w))) return 0;
      return DefWindowProcW(hwnd(), message, w, l);  // the base would raise KeyDown again
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnClick(l, message == WM_LBUTTONDBLCLK);
      return 0;
    case WM_VSCROLL:
      OnScroll(LOWORD(w));
      return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(top_ - GET_WHEEL_DELTA_WPARAM(w) / WHEEL_DELTA * kWheelRows);
      return 0;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(w);
      Measure();
      UpdateScrollBar();
      if (LOWORD(l)) Invalidate(nullptr);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SIZE:
      UpdateScrollBar();
      ScrollTo(top_);
      Invalidate(nullptr);
      break;
    case WM_ENABLE:
      Invalidate(nullptr);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // Paint covers every pixel
  }
  return CustomControl::WindowProc(message, w, l);
}

}  // namespace tk
