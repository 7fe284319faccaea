// Drives and looks at the programs' windows from outside, for the end-to-end tests. The
// waiting commands wait for their condition with the limit given (milliseconds) and fail when
// it has not come by then.
//   driver message-box [TIMEOUT]         waits for a message box, prints "caption|text",
//                                        presses its first button and waits until it is gone
//   driver wait-message-box [TIMEOUT [CAPTION|TEXT]]
//                                        waits for a message box (with that caption and
//                                        text), prints "caption|text", presses nothing
//   driver no-message-box MS             fails when a message box shows within MS
//   driver wait-button CAPTION [TIMEOUT] waits until a visible button has that caption
//   driver no-button CAPTION [TIMEOUT]   waits until no visible button has that caption
//   driver button-centre CAPTION         prints the screen centre "x y" of that button
//   driver click CAPTION                 clicks the button (its click notice)
//   driver thread-priority CAPTION [PRIORITY [TIMEOUT]]
//                                        priority of the thread that owns that button; with
//                                        PRIORITY, waits until it is that one
//   driver window-origin CAPTION         "x y" of the window that holds that button
//   driver cpu-ms CAPTION MS             processor time (user + kernel, ms) that the
//                                        button's process uses over the next MS ms
//   driver logo-rect                     "left top right bottom" of the logo window
//   driver escape-logo                   sends Esc to the logo window
//   driver no-logo [TIMEOUT]             waits until the logo window is gone
//   driver end-game                      sends Esc to the stand-in game's window
//   driver wait-no-game MS               waits until the game's window is gone
//   driver wait-page ID [TIMEOUT [STATE]] waits for the setup dialog's shown page to have an
//                                        item of that number (in that STATE), prints its
//                                        state "text|checked|enabled"
//   driver setup-page [TIMEOUT_MS]       waits for the setup dialog, prints the selected
//                                        page's index and the page icon's handle
//   driver wait-setup-page INDEX [TIMEOUT] the same, once the page of that index is selected
//   driver no-setup [TIMEOUT_MS]         waits until the setup dialog is gone
//   driver wait-focus WHAT [ID [TIMEOUT]] waits until WHAT is the foreground window and, with
//                                        an ID other than 0, its item of that number has the
//                                        keyboard focus (WHAT as for window-rect, or "page":
//                                        the setup dialog's shown page)
//   driver wait-painted WHAT [TIMEOUT]   waits until WHAT and its children are painted
//   driver escape CAPTION                sends Esc to the window that holds that button
//   driver window-rect WHAT [TIMEOUT [RECT]] "left top right bottom" of a window: setup, chooser,
//                                        help, logo, message-box, or the window that holds the
//                                        button of that caption; with RECT, once it is there
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver_windows.h"

using namespace drv;

namespace {

constexpr DWORD kDefaultLimit = 15000;

// The button's click notice, posted to its dialog. A posted BM_CLICK goes through the
// button's simulated mouse input, which Wine sometimes drops for a window in another process.
void Press(HWND button) {
  PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

std::string RectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
         " " + std::to_string(r.bottom);
}

int PrintRect(HWND window) {
  if (!window) return 1;
  std::printf("%s\n", RectOf(window).c_str());
  return 0;
}

// Prints the window's rectangle once it is `wanted` (any when empty), or the last one seen.
int WindowRectCommand(const std::wstring& what, DWORD timeout, const std::string& wanted) {
  std::string rect;
  const bool reached = WaitFor(
      [&] {
        HWND window = FindNamedWindow(what);
        if (!window) return false;
        rect = RectOf(window);
        return wanted.empty() || rect == wanted;
      },
      timeout);
  if (rect.empty()) return 1;
  std::printf("%s\n", rect.c_str());
  return reached ? 0 : 1;
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

int ThreadPriority(HWND button) {
  const DWORD tid = GetWindowThreadProcessId(button, nullptr);
  HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, tid);
  if (!thread) return THREAD_PRIORITY_ERROR_RETURN;
  const int priority = GetThreadPriority(thread);
  CloseHandle(thread);
  return priority;
}

// Prints the priority; with `expected`, once it is that one or the time is up.
int ThreadPriorityCommand(const std::wstring& caption, const wchar_t* expected, DWORD limit) {
  int priority = THREAD_PRIORITY_ERROR_RETURN;
  const bool reached = WaitFor(
      [&] {
        HWND button = FindButton(caption);
        priority = button ? ThreadPriority(button) : THREAD_PRIORITY_ERROR_RETURN;
        return !expected ? button != nullptr : priority == _wtoi(expected);
      },
      expected ? limit : 0);
  std::printf("%d\n", priority);
  return reached ? 0 : 1;
}

int PressEscape(HWND window) {
  if (!window) return 1;
  PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  return 0;
}

std::string BoxText(HWND box) {
  return Utf8(TextOf(box)) + "|" + Utf8(TextOf(GetDlgItem(box, 0xFFFF)));
}

int MessageBoxCommand(DWORD timeout, bool press, const std::string& wanted = {}) {
  HWND box = WaitFor(
      [&] {
        HWND found = FindMessageBox();
        return found && (wanted.empty() || BoxText(found) == wanted) ? found : nullptr;
      },
      timeout);
  if (!box) {
    std::fprintf(stderr, "no message box within %lu ms\n", timeout);
    return 1;
  }
  std::printf("%s\n", BoxText(box).c_str());
  std::fflush(stdout);
  if (!press) return 0;
  for (HWND c : Children(box))
    if (ClassOf(c) == L"Button") {
      Press(c);
      break;
    }
  // Under load the box may take a while to go: the next look must not find it again.
  return WaitGone([box] { return IsWindow(box) && IsWindowVisible(box); }, kDefaultLimit);
}

// Prints the selected page's index and icon once the dialog shows the page `wanted` (any page
// when it is negative), or what it shows when the time is up.
int SetupPageCommand(int wanted, DWORD timeout) {
  int page = -1;
  LRESULT icon = 0;
  const bool reached = WaitFor(
      [&] {
        HWND setup = FindSetup();
        if (!setup) return false;
        HWND tabs = FindWindowExW(setup, nullptr, L"SysTabControl32", nullptr);
        page = int(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
        icon = SendMessageW(GetDlgItem(setup, 103), STM_GETICON, 0, 0);
        return wanted < 0 || page == wanted;
      },
      timeout);
  if (page < 0) return 1;
  std::printf("%d %llx\n", page, static_cast<unsigned long long>(icon));
  return reached ? 0 : 1;
}

std::string ItemState(HWND item) {
  const LRESULT check = SendMessageW(item, BM_GETCHECK, 0, 0);
  return Utf8(TextOf(item)) + "|" +
         (ClassOf(item) == L"Button" && check == BST_CHECKED ? "1" : "0") + "|" +
         (IsWindowEnabled(item) ? "1" : "0");
}

// Prints the item's state once it is `wanted` (any state when empty), or the last state seen.
int PageItemCommand(int id, DWORD timeout, const std::string& wanted) {
  std::string state;
  const bool reached = WaitFor(
      [&] {
        HWND item = GetDlgItem(FindShownPage(), id);
        if (!item) return false;
        state = ItemState(item);
        return wanted.empty() || state == wanted;
      },
      timeout);
  if (state.empty()) return 1;
  std::printf("%s\n", state.c_str());
  return reached ? 0 : 1;
}

int WaitFocusCommand(const std::wstring& what, int id, DWORD timeout) {
  const bool reached = WaitFor(
      [&] {
        HWND window = FindNamedWindow(what);
        HWND root = what == L"page" ? FindSetup() : window;
        if (!window || GetForegroundWindow() != root) return false;
        HWND focus = FocusedWindow();
        return id == 0 || (focus && GetParent(focus) == window && GetDlgCtrlID(focus) == id);
      },
      timeout);
  if (!reached) {
    HWND focus = FocusedWindow();
    std::fprintf(stderr, "the focus is on %s %d of %s\n", Utf8(ClassOf(focus)).c_str(),
                 focus ? GetDlgCtrlID(focus) : 0, Utf8(ClassOf(GetForegroundWindow())).c_str());
  }
  return reached ? 0 : 1;
}

int WaitPaintedCommand(const std::wstring& what, DWORD timeout) {
  return WaitFor(
             [&] {
               HWND window = FindNamedWindow(what);
               return window && Painted(window);
             },
             timeout)
             ? 0
             : 1;
}

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) return 2;
  const std::wstring command = argv[1];
  auto number = [&](int i, DWORD fallback) { return i < argc ? DWORD(_wtoi(argv[i])) : fallback; };
  auto text = [&](int i) { return i < argc ? Utf8(argv[i]) : std::string(); };
  if (command == L"message-box") return MessageBoxCommand(number(2, kDefaultLimit), true);
  if (command == L"wait-message-box")
    return MessageBoxCommand(number(2, kDefaultLimit), false, text(3));
  if (command == L"no-message-box") {
    HWND box = WaitFor(FindMessageBox, number(2, 3000));
    if (!box) return 0;
    std::printf("unexpected message box: %s\n", Utf8(TextOf(GetDlgItem(box, 0xFFFF))).c_str());
    return 1;
  }
  if (command == L"logo-rect") return PrintRect(FindLogo());
  if (command == L"window-rect" && argc > 2)
    return WindowRectCommand(argv[2], number(3, 0), text(4));
  if (command == L"setup-page") return SetupPageCommand(-1, number(2, kDefaultLimit));
  if (command == L"wait-setup-page" && argc > 2)
    return SetupPageCommand(_wtoi(argv[2]), number(3, kDefaultLimit));
  if (command == L"no-setup") return WaitGone(FindSetup, number(2, 10000));
  if (command == L"escape-logo") return PressEscape(FindLogo());
  if (command == L"no-logo") return WaitGone(FindLogo, number(2, kDefaultLimit));
  if (command == L"end-game") return PressEscape(FindGame());
  if (command == L"wait-no-game") return WaitGone(FindGame, number(2, 30000));
  if (command == L"wait-page" && argc > 2)
    return PageItemCommand(_wtoi(argv[2]), number(3, kDefaultLimit), text(4));
  if (argc < 3) return 2;
  const std::wstring caption = argv[2];
  if (command == L"wait-focus")
    return WaitFocusCommand(caption, int(number(3, 0)), number(4, kDefaultLimit));
  if (command == L"wait-painted") return WaitPaintedCommand(caption, number(3, kDefaultLimit));
  if (command == L"wait-button") {
    return WaitFor([&] { return FindButton(caption); }, number(3, kDefaultLimit)) ? 0 : 1;
  }
  if (command == L"no-button")
    return WaitGone([&] { return FindButton(caption); }, number(3, kDefaultLimit));
  if (command == L"thread-priority")
    return ThreadPriorityCommand(caption, argc > 3 ? argv[3] : nullptr, number(4, kDefaultLimit));
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
  if (command == L"window-origin") {
    RECT r;
    GetWindowRect(GetAncestor(button, GA_ROOT), &r);
    std::printf("%ld %ld\n", r.left, r.top);
    return 0;
  }
  if (command == L"cpu-ms" && argc > 3) return CpuCommand(button, number(3, 0));
  return 2;
}
