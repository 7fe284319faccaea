// How the grid looks: headings drawn like a list view's header, the cells with their lines, the
// current cell in the highlight colour while the grid has the focus. Everything is drawn on an
// off-screen canvas first.
#include "toolkit/grid.h"

namespace tk {

namespace {

constexpr int kTextMargin = 4;

}  // namespace

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
