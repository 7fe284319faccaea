// The driver's view of the programs' windows, from outside: which window is which, found by
// its class and its children, as the programs' own code does not tell another process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace drv {

std::string Utf8(const std::wstring& text);
std::wstring TextOf(HWND hwnd);
std::wstring ClassOf(HWND hwnd);
std::vector<HWND> Children(HWND parent);

// A message box: a dialog with a static text (item 0xFFFF) and at least one button.
HWND FindMessageBox();
// A visible button of that caption in any visible top-level window.
HWND FindButton(const std::wstring& caption);
// The logo window: a dialog whose one child is a video window.
HWND FindLogo();
HWND FindGame();
// The setup dialog: a top-level window with a tab control among its children.
HWND FindSetup();
// The setup dialog's shown page: a visible child dialog.
HWND FindShownPage();
// setup, page, chooser, help, logo, message-box, or the window that holds the button of that
// caption.
HWND FindNamedWindow(const std::wstring& what);

// The window that has the keyboard focus in the foreground window's thread, and that
// foreground window; null when none.
HWND FocusedWindow();

// True when neither the window nor any of its children waits to be painted.
bool Painted(HWND window);

// Calls find every 50 ms until it gives a window or the time is up.
template <typename F>
auto WaitFor(F find, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (auto found = find()) return found;
    if (GetTickCount() - start > timeoutMs) return decltype(find())();
    Sleep(50);
  }
}

// 0 once the window that `find` looks for is gone, 1 when it is still there after the limit.
template <typename F>
int WaitGone(F find, DWORD limitMs) {
  return WaitFor([&] { return !find(); }, limitMs) ? 0 : 1;
}

}  // namespace drv
