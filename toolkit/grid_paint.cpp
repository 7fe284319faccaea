// How the grid looks: headings drawn like a list view's header, the cells with their lines, the
// current cell in the highlight colour while the grid has the focus. Everything is drawn on an
// off-screen canvas first, which keeps what was drawn before.
#include "toolkit/grid.h"

namespace tk {

namespace {

constexpr int kTextMargin = 4;

bool Meets(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

// Only what was invalidated is drawn and copied: a changed cell or heading costs that much, not
// the whole grid. A new canvas is drawn whole.
void Grid::Paint(HDC dc, const RECT& client) {
  const int width = std::max<int>(client.right, 1), height = std::max<int>(client.bottom, 1);
  RECT area = client;
  if (buffer_.Empty() || buffer_.width() != width || buffer_.height() != height) {
    buffer_.CreateBlank(width, height, GetSysColor(COLOR_WINDOW));
  } else {
    const int clip = GetClipBox(dc, &area);
    if (clip == NULLREGION) return;
    if (clip == ERROR) area = client;
  }
  HDC canvas = buffer_.dc();
  FillRect(canvas, &area, GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ oldFont = SelectObject(canvas, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(canvas, TRANSPARENT);
  if (area.top < HeaderHeight()) DrawHeader(canvas, width);
  for (int row = top_; row < rows_ && row <= top_ + VisibleRows(); ++row) {
    RECT r = CellRect(row, -1);
    r.top -= 1;  // the heading cells join like the header's
    if (rowHeadingWidth_ > 0 && Meets(r, area))
      DrawHeading(canvas, r, rowHeadings_[size_t(row)], marks_[size_t(row)]);
    for (int c = 0; c < ColumnCount(); ++c)
      if (Meets(CellRect(row, c), area)) DrawCell(canvas, row, c);
  }
  SelectObject(canvas, oldFont);
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, canvas, area.left,
         area.top, SRCCOPY);
}

void Grid::DrawHeader(HDC dc, int width) const {
  if (rowHeadingWidth_ > 0) DrawHeading(dc, RECT{0, 0, rowHeadingWidth_, HeaderHeight()}, {});
  for (int c = 0; c < ColumnCount(); ++c) {
    const int left = ColumnLeft(c);
    DrawHeading(dc, RECT{left, 0, left + ColumnWidth(c), HeaderHeight()},
                columns_[size_t(c)].heading);
  }
  const int last = ColumnLeft(ColumnCount());
  if (last < width) DrawHeading(dc, RECT{last, 0, width + 2, HeaderHeight()}, {});
}

// A classic list view header item: raised button face, text at the left. A marked one is a
// pressed button in the highlight colour, its text moved down and right as a pressed caption.
void Grid::DrawHeading(HDC dc, RECT r, const std::wstring& text, bool marked) const {
  FillRect(dc, &r, GetSysColorBrush(marked ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
  DrawEdge(dc, &r, marked ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT);
  const int pressed = marked ? 1 : 0;
  RECT textRect{r.left + kTextMargin + 2 + pressed, r.top + pressed, r.right - kTextMargin,
                r.bottom + pressed};
  SetTextColor(dc, GetSysColor(marked ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT));
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
