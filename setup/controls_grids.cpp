#include "setup/controls_grids.h"

namespace {

constexpr int kCellMargins = 12;  // the grid's text margin on both sides, and a little air

}  // namespace

int FittingWidth(HWND window, HFONT font, std::span<const wchar_t* const> texts) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  int widest = 0;
  for (const wchar_t* text : texts) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text, int(wcslen(text)), &size);
    if (size.cx > widest) widest = size.cx;
  }
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return widest + kCellMargins;
}

void HeadOneColumnGrid(tk::Grid& grid, const wchar_t* heading, std::span<const wchar_t* const> rows,
                       HFONT font) {
  grid.SetColumnHeading(0, heading);
  // All the rows and the heading fit in the grid's height, so that it needs no scroll bar.
  RECT client{};
  GetClientRect(grid.hwnd(), &client);
  const int fitting = int(client.bottom - 2) / (int(rows.size()) + 1);
  if (fitting > 0 && fitting < grid.RowHeight()) grid.SetRowHeight(fitting);
  grid.SetRowHeadingWidth(FittingWidth(grid.hwnd(), font, rows));
  for (size_t row = 0; row < rows.size(); ++row) grid.SetRowHeading(int(row), rows[row]);
}

// Only the button's type changes: its other style bits (a multi-line text) stay.
void SetButtonType(tk::Button& button, DWORD type) {
  const DWORD style =
      DWORD(GetWindowLongW(button.hwnd(), GWL_STYLE)) & 0xFFFF & ~DWORD(BS_TYPEMASK);
  button.Send(BM_SETSTYLE, style | type, TRUE);
}

void ShowAsDefaultWhileFocused(tk::Button& button) {
  button.On<tk::Event::GotFocus>([&button] {
    SetButtonType(button, BS_DEFPUSHBUTTON);
    return true;
  });
  button.On<tk::Event::LostFocus>([&button] {
    SetButtonType(button, BS_PUSHBUTTON);
    return true;
  });
}
