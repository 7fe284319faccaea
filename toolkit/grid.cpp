#include "toolkit/grid.h"

#include <windowsx.h>

#include <algorithm>

namespace tk {

namespace {

constexpr int kTextMargin = 4;
constexpr int kWheelRows = 3;

}  // namespace

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

void Grid::Paint(HDC dc, const RECT& client) {
  const int width = std::max<int>(client.right, 1), height = std::max<int>(client.bottom, 1);
  if (buffer_.Empty() || buffer_.width() != width || buffer_.height() != height)
    buffer_.CreateBlank(width, height, GetSysColor(COLOR_WINDOW));
  HDC canvas = buffer_.dc();
  FillRect(canvas, &client, GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ oldFont = SelectObject(canvas, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(canvas, TRANSPARENT);
  if (rowHeadingWidth_ > 0) DrawHeading(canvas, RECT{0, 0, rowHeadingWidth_, HeaderHeight()}, {});
  for (int c = 0; c < ColumnCount(); ++c) {
    const int left = ColumnLeft(c);
    DrawHeading(canvas, RECT{left, 0, left + ColumnWidth(c), HeaderHeight()},
                columns_[size_t(c)].heading);
  }
  const int last = ColumnLeft(ColumnCount());
  if (last < width) DrawHeading(canvas, RECT{last, 0, width + 2, HeaderHeight()}, {});
  for (int row = top_; row < rows_ && row <= top_ + VisibleRows(); ++row) {
    if (rowHeadingWidth_ > 0) {
      RECT r = CellRect(row, -1);
      r.top -= 1;  // the heading cells join like the header's
      DrawHeading(canvas, r, rowHeadings_[size_t(row)]);
    }
    for (int c = 0; c < ColumnCount(); ++c) DrawCell(canvas, row, c);
  }
  SelectObject(canvas, oldFont);
  buffer_.CopyTo(dc, 0, 0);
}

// A classic list view header item: raised button face, text at the left.
void Grid::DrawHeading(HDC dc, RECT r, const std::wstring& text) const {
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_SOFT);
  RECT textRect{r.left + kTextMargin + 2, r.top, r.right - kTextMargin, r.bottom};
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, text.c_str(), int(text.size()), &textRect,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void Grid::DrawCell(HDC dc, int row, int column) const {
  RECT r = CellRect(row, column);
  const bool current = row == row_ && column == column_;
  const bool focused = current && GetFocus() == hwnd() && hwnd();
  if (current) {
    RECT fill{r.left, r.top, r.right - 1, r.bottom - 1};
    FillRect(dc, &fill, GetSysColorBrush(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
    if (focused)
      DrawFocusRect(dc, &fill);
    else  // kept while the grid waits without the focus: framed, to stand out of the lines
      FrameRect(dc, &fill, GetSysColorBrush(COLOR_BTNSHADOW));
  }
  SetTextColor(dc, GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT textRect{r.left + kTextMargin, r.top, r.right - kTextMargin, r.bottom - 1};
  const std::wstring& text = cells_[size_t(row)][size_t(column)];
  DrawTextW(dc, text.c_str(), int(text.size()), &textRect,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  // Grid lines as a list view draws them: right and bottom of each cell.
  HPEN pen = static_cast<HPEN>(GetStockObject(DC_PEN));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  SetDCPenColor(dc, GetSysColor(COLOR_BTNFACE));
  MoveToEx(dc, r.left, r.bottom - 1, nullptr);
  LineTo(dc, r.right - 1, r.bottom - 1);
  LineTo(dc, r.right - 1, r.top - 1);
  SelectObject(dc, oldPen);
}

}  // namespace tk
