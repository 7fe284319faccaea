// Drives and looks at the programs' windows from outside, for the end-to-end tests.
//   driver message-box [TIMEOUT_MS]      waits for a message box, prints "caption|text",
//                                        presses its first button
//   driver no-message-box MS             fails when a message box shows within MS
//   driver wait-button CAPTION [TIMEOUT] waits until a visible button has that caption
//   driver button-centre CAPTION         prints the screen centre "x y" of that button
//   driver click CAPTION                 clicks the button (its click notice)
//   driver thread-priority CAPTION       priority of the thread that owns that button
//   driver window-origin CAPTION         "x y" of the window that holds that button
//   driver cpu-ms CAPTION MS             processor time (user + kernel, ms) that the
//                                        button's process uses over the next MS ms
//   driver logo-rect                     "left top right bottom" of the logo window
//   driver escape-logo                   sends Esc to the logo window
//   driver end-game                      sends Esc to the stand-in game's window
//   driver wait-no-game MS               waits until the game's window is gone
//   driver wait-page ID [TIMEOUT]        waits for the setup dialog's shown page to have an
//                                        item of that number, prints "text|checked|enabled"
//   driver setup-page [TIMEOUT_MS]       waits for the setup dialog, prints the selected
//                                        page's index and the page icon's handle
//   driver no-setup [TIMEOUT_MS]         waits until the setup dialog is gone
//   driver escape CAPTION                sends Esc to the window that holds that button
//   driver window-rect WHAT              "left top right bottom" of a window, for screenshots:
//                                        setup, chooser, help, logo, message-box, or the
//                                        window that holds the button of that caption
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

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

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    children.push_back(c);
  return children;
}

// A message box: a dialog with a static text (item 0xFFFF) and at least one button.
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

template <typename F>
auto WaitFor(F find, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (auto found = find()) return found;
    if (GetTickCount() - start > timeoutMs) return decltype(find())();
    Sleep(50);
  }
}

// The button's click notice, posted to its dialog. A posted BM_CLICK goes through the
// button's simulated mouse input, which Wine sometimes drops for a window in another process.
void Press(HWND button) {
  PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

// The logo window: a dialog whose one child is a video window.
HWND FindLogo() {
  for (HWND w : TopWindows()) {
    if (!IsWindowVisible(w) || ClassOf(w) != L"#32770") continue;
    HWND child = GetWindow(w, GW_CHILD);
    if (child && ClassOf(child) == L"MCIWndClass") return w;
  }
  return nullptr;
}

HWND FindGame() { return FindWindowW(L"VoltraneStandInGame", nullptr); }

// A visible dialog with a child of that class: the setup form has its tab control, the
// activity chooser its list box, the help viewer its scroll bar.
HWND FindDialogWith(const wchar_t* childClass) {
  for (HWND w : TopWindows()) {
    if (ClassOf(w) == L"#32770" && FindWindowExW(w, nullptr, childClass, nullptr)) return w;
  }
  return nullptr;
}

int PrintRect(HWND window) {
  if (!window) return 1;
  RECT r;
  GetWindowRect(window, &r);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  return 0;
}

ULONGLONG CpuMs(HANDLE process) {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return 0;
  auto ticks = [](FILETIME t) {
    return ULARGE_INTEGER{{t.dwLowDateTime, t.dwHighDateTime}}.QuadPart;
  };
  return (ticks(kernel) + ticks(user)) / 10000;
}

int CpuCommand(HWND button, DWORD ms) {
  DWORD pid = 0;
  GetWindowThreadProcessId(button, &pid);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
  if (!process) return 1;
  const ULONGLONG before = CpuMs(process);
  Sleep(ms);
  std::printf("%llu\n", CpuMs(process) - before);
  CloseHandle(process);
  return 0;
}

int ThreadPriorityCommand(HWND button) {
  const DWORD tid = GetWindowThreadProcessId(button, nullptr);
  HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, tid);
  if (!thread) return 1;
  std::printf("%d\n", GetThreadPriority(thread));
  CloseHandle(thread);
  return 0;
}

int PressEscape(HWND window) {
  if (!window) return 1;
  PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  return 0;
}

int MessageBoxCommand(DWORD timeout) {
  HWND box = WaitFor(FindMessageBox, timeout);
  if (!box) {
    std::fprintf(stderr, "no message box within %lu ms\n", timeout);
    return 1;
  }
  std::printf("%s|%s\n", Utf8(TextOf(box)).c_str(), Utf8(TextOf(GetDlgItem(box, 0xFFFF))).c_str());
  std::fflush(stdout);
  for (HWND c : Children(box))
    if (ClassOf(c) == L"Button") {
      Press(c);
      break;
    }
  return 0;
}

// 0 once the window that `find` looks for is gone, 1 when it is still there after the limit.
template <typename F>
int WaitGone(F find, DWORD limitMs) {
  const DWORD start = GetTickCount();
  while (find()) {
    if (GetTickCount() - start > limitMs) return 1;
    Sleep(100);
  }
  return 0;
}

// The setup dialog: a top-level window with a tab control among its children.
HWND FindSetup() { return FindDialogWith(L"SysTabControl32"); }

HWND FindNamedWindow(const std::wstring& what) {
  if (what == L"setup") return FindSetup();
  if (what == L"chooser") return FindDialogWith(L"ListBox");
  if (what == L"help") return FindDialogWith(L"ScrollBar");
  if (what == L"logo") return FindLogo();
  if (what == L"message-box") return FindMessageBox();
  HWND button = FindButton(what);
  return button ? GetAncestor(button, GA_ROOT) : nullptr;
}

int SetupPageCommand(DWORD timeout) {
  HWND setup = WaitFor(FindSetup, timeout);
  if (!setup) return 1;
  HWND tabs = FindWindowExW(setup, nullptr, L"SysTabControl32", nullptr);
  const LRESULT page = SendMessageW(tabs, TCM_GETCURSEL, 0, 0);
  const LRESULT icon = SendMessageW(GetDlgItem(setup, 103), STM_GETICON, 0, 0);
  std::printf("%d %llx\n", int(page), static_cast<unsigned long long>(icon));
  return 0;
}

// The setup dialog's shown page: a visible child dialog.
HWND FindShownPage() {
  HWND setup = FindSetup();
  if (!setup) return nullptr;
  for (HWND c : Children(setup))
    if (IsWindowVisible(c) && ClassOf(c) == L"#32770") return c;
  return nullptr;
}

int PageItemCommand(int id, DWORD timeout) {
  HWND item = WaitFor([id] { return GetDlgItem(FindShownPage(), id); }, timeout);
  if (!item) return 1;
  const LRESULT check = SendMessageW(item, BM_GETCHECK, 0, 0);
  std::printf("%s|%d|%d\n", Utf8(TextOf(item)).c_str(),
              ClassOf(item) == L"Button" && check == BST_CHECKED, IsWindowEnabled(item) ? 1 : 0);
  return 0;
}

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) return 2;
  const std::wstring command = argv[1];
  auto number = [&](int i, DWORD fallback) { return i < argc ? DWORD(_wtoi(argv[i])) : fallback; };
  if (command == L"message-box") return MessageBoxCommand(number(2, 15000));
  if (command == L"no-message-box") {
    HWND box = WaitFor(FindMessageBox, number(2, 3000));
    if (!box) return 0;
    std::printf("unexpected message box: %s\n", Utf8(TextOf(GetDlgItem(box, 0xFFFF))).c_str());
    return 1;
  }
  if (command == L"logo-rect") return PrintRect(FindLogo());
  if (command == L"window-rect" && argc > 2) return PrintRect(FindNamedWindow(argv[2]));
  if (command == L"setup-page") return SetupPageCommand(number(2, 15000));
  if (command == L"no-setup") return WaitGone(FindSetup, number(2, 10000));
  if (command == L"escape-logo") return PressEscape(FindLogo());
  if (command == L"end-game") return PressEscape(FindGame());
  if (command == L"wait-no-game") return WaitGone(FindGame, number(2, 30000));
  if (command == L"wait-page" && argc > 2) return PageItemCommand(_wtoi(argv[2]), number(3, 15000));
  if (argc < 3) return 2;
  const std::wstring caption = argv[2];
  if (command == L"wait-button") {
    return WaitFor([&] { return FindButton(caption); }, number(3, 15000)) ? 0 : 1;
  }
  HWND button = FindButton(caption);
  if (!button) {
    std::fprintf(stderr, "no visible button \"%s\"\n", Utf8(caption).c_str());
    return 1;
  }
  if (command == L"button-centre") {
    RECT r;
    GetWindowRect(button, &r);
    std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return 0;
  }
  if (command == L"click") {
    Press(button);
    return 0;
  }
  if (command == L"escape") return PressEscape(GetAncestor(button, GA_ROOT));
  if (command == L"thread-priority") return ThreadPriorityCommand(button);
  if (command == L"window-origin") {
    RECT r;
    GetWindowRect(GetAncestor(button, GA_ROOT), &r);
    std::printf("%ld %ld\n", r.left, r.top);
    return 0;
  }
  if (command == L"cpu-ms" && argc > 3) return CpuCommand(button, number(3, 0));
  return 2;
}
