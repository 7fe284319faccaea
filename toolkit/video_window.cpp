#include "toolkit/video_window.h"

#include <vfw.h>

namespace tk {

bool VideoWindow::RegisterWindowClass() { return MCIWndRegisterClass() != FALSE; }

void VideoWindow::SetThinEdge() {
  SetWindowLongPtrW(hwnd(), GWL_STYLE, GetWindowLongPtrW(hwnd(), GWL_STYLE) | WS_BORDER);
  SetWindowLongPtrW(
      hwnd(), GWL_EXSTYLE,
      GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & ~LONG_PTR(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
  SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool VideoWindow::Open(const std::wstring& path) {
  if (path.empty()) return false;
  return MCIWndOpen(hwnd(), path.c_str(), 0) == 0;
}

bool VideoWindow::IsOpen() const { return MCIWndGetDeviceID(hwnd()) != 0; }

void VideoWindow::SetZoom(UINT percent) { MCIWndSetZoom(hwnd(), percent); }

UINT VideoWindow::Zoom() const { return MCIWndGetZoom(hwnd()); }

void VideoWindow::PlayFromStart() {
  MCIWndHome(hwnd());
  MCIWndPlay(hwnd());
}

long VideoWindow::Position() const { return MCIWndGetPosition(hwnd()); }

bool VideoWindow::TakeSizeNotice(UINT message, WPARAM w) {
  if (message != MCIWNDM_NOTIFYSIZE || !hwnd() || reinterpret_cast<HWND>(w) != hwnd()) return false;
  RECT r = WindowRect();
  ResizeArgs args{r.right - r.left, r.bottom - r.top};
  events_.Raise<Event::Resize>(args);
  return true;
}

}  // namespace tk
