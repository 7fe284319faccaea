#include "driver_windows.h"

namespace drv {

std::string Utf8(const std::wstring& text) {
  int n =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring TextOf(HWND hwnd) {
  wchar_t buffer[1024] = {};
  SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 2000,
                      nullptr);
  return buffer;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

namespace {

std::vector<HWND> TopWindows() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND hwnd, LPARAM l) {
        if (IsWindowVisible(hwnd)) reinterpret_cast<std::vector<HWND>*>(l)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// A visible dialog with a child of that class: the setup form has its tab control, the
// activity chooser its list box, the help viewer its scroll bar.
HWND FindDialogWith(const wchar_t* childClass) {
  for (HWND w : TopWindows()) {
    if (ClassOf(w) == L"#32770" && FindWindowExW(w, nullptr, childClass, nullptr)) return w;
  }
  return nullptr;
}

}  // namespace

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    children.push_back(c);
  return children;
}

HWND FindMessageBox() {
  for (HWND w : TopWindows()) {
    if (ClassOf(w) != L"#32770") continue;
    HWND text = GetDlgItem(w, 0xFFFF);
    if (text && ClassOf(text) == L"Static") return w;
  }
  return nullptr;
}

HWND FindButton(const std::wstring& caption) {
  for (HWND w : TopWindows())
    for (HWND c : Children(w))
      if (IsWindowVisible(c) && ClassOf(c) == L"Button" && TextOf(c) == caption) return c;
  return nullptr;
}

HWND FindLogo() {
  for (HWND w : TopWindows()) {
    if (ClassOf(w) != L"#32770") continue;
    HWND child = GetWindow(w, GW_CHILD);
    if (child && ClassOf(child) == L"MCIWndClass") return w;
  }
  return nullptr;
}

HWND FindGame() { return FindWindowW(L"VoltraneStandInGame", nullptr); }

HWND FindSetup() { return FindDialogWith(L"SysTabControl32"); }

HWND FindShownPage() {
  HWND setup = FindSetup();
  if (!setup) return nullptr;
  for (HWND c : Children(setup))
    if (IsWindowVisible(c) && ClassOf(c) == L"#32770") return c;
  return nullptr;
}

HWND FindNamedWindow(const std::wstring& what) {
  if (what == L"setup") return FindSetup();
  if (what == L"page") return FindShownPage();
  if (what == L"chooser") return FindDialogWith(L"ListBox");
  if (what == L"help") return FindDialogWith(L"ScrollBar");
  if (what == L"logo") return FindLogo();
  if (what == L"message-box") return FindMessageBox();
  HWND button = FindButton(what);
  return button ? GetAncestor(button, GA_ROOT) : nullptr;
}

HWND FocusedWindow() {
  HWND foreground = GetForegroundWindow();
  if (!foreground) return nullptr;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

bool Painted(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  for (HWND c : Children(window))
    if (IsWindowVisible(c) && !Painted(c)) return false;
  return true;
}

}  // namespace drv
