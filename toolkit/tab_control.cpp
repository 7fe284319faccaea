#include "toolkit/tab_control.h"

#include <commctrl.h>

namespace tk {

void TabControl::SetItemSize(int width, int height) {
  Send(TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
}

void TabControl::InsertTab(int index, const std::wstring& caption) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(caption.c_str());
  Send(TCM_INSERTITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item));
}

int TabControl::Count() const { return int(Send(TCM_GETITEMCOUNT)); }

std::wstring TabControl::Caption(int index) const {
  wchar_t text[128] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = int(std::size(text));
  if (!Send(TCM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item))) return {};
  return item.pszText;
}

int TabControl::Selected() const { return int(Send(TCM_GETCURSEL)); }

void TabControl::Select(int index) {
  Send(TCM_SETCURSEL, WPARAM(index));
  ShowSelectedPage();
}

void TabControl::AttachPage(int index, HWND page) {
  if (index < 0) return;
  if (pages_.size() <= size_t(index)) pages_.resize(size_t(index) + 1, nullptr);
  pages_[size_t(index)] = page;
  ShowSelectedPage();
}

HWND TabControl::Page(int index) const {
  return index >= 0 && size_t(index) < pages_.size() ? pages_[size_t(index)] : nullptr;
}

RECT TabControl::DisplayArea() const {
  RECT area{};
  GetClientRect(hwnd(), &area);
  Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  MapWindowPoints(hwnd(), GetParent(hwnd()), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

// The shown page goes above the tab control, its sibling, so that the control never paints
// over it.
void TabControl::ShowSelectedPage() {
  const int selected = Selected();
  const RECT area = DisplayArea();
  for (size_t i = 0; i < pages_.size(); ++i) {
    if (!pages_[i]) continue;
    if (int(i) == selected) {
      SetWindowPos(pages_[i], HWND_TOP, area.left, area.top, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else {
      ShowWindow(pages_[i], SW_HIDE);
    }
  }
}

bool TabControl::DecodeNotify(const NMHDR& header, LRESULT& result) {
  if (header.code != TCN_SELCHANGE) return false;
  NoticeArgs args;
  args.code = int(header.code);
  const bool handled = events_.Raise<Event::Select>(args);
  result = args.result;
  return handled;
}

}  // namespace tk
