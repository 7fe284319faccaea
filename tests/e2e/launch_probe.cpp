// Looks at the shell and the stand-in game from outside, for the launch scenarios.
//   launch_probe thread-priority CAPTION   priority of the thread that owns that button
//   launch_probe window-origin CAPTION     "x y" of the window that holds that button
//   launch_probe cpu-ms CAPTION MS         processor time (user + kernel, ms) that the
//                                          button's process uses over the next MS ms
//   launch_probe logo-rect                 "left top right bottom" of the logo window
//   launch_probe escape-logo               sends Esc to the logo window
//   launch_probe end-game                  sends Esc to the stand-in game's window
//   launch_probe wait-no-game MS           waits until the game's window is gone
//   launch_probe click CAPTION             the button's click notice, posted to its window
//                                          (a posted BM_CLICK needs the mouse capture, which
//                                          other windows on the display may hold)
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

std::wstring TextOf(HWND hwnd) {
  wchar_t text[256] = {};
  SendMessageTimeoutW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 2000,
                      nullptr);
  return text;
}

std::vector<HWND> TopWindows() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND hwnd, LPARAM l) {
        reinterpret_cast<std::vector<HWND>*>(l)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND FindButton(const std::wstring& caption) {
  for (HWND w : TopWindows())
    for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
      if (ClassOf(c) == L"Button" && TextOf(c) == caption) return c;
  return nullptr;
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

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) return 2;
  const std::wstring command = argv[1];
  if (command == L"logo-rect") {
    HWND logo = FindLogo();
    if (!logo) return 1;
    RECT r;
    GetWindowRect(logo, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
    return 0;
  }
  if (command == L"escape-logo") return PressEscape(FindLogo());
  if (command == L"end-game") return PressEscape(FindGame());
  if (command == L"wait-no-game") {
    const DWORD limit = argc > 2 ? DWORD(_wtoi(argv[2])) : 30000, start = GetTickCount();
    while (FindGame())
      if (GetTickCount() - start > limit)
        return 1;
      else
        Sleep(100);
    return 0;
  }
  if (argc < 3) return 2;
  HWND button = FindButton(argv[2]);
  if (!button) return 1;
  if (command == L"thread-priority") return ThreadPriorityCommand(button);
  if (command == L"click") {
    const WPARAM notice = MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED);
    return PostMessageW(GetParent(button), WM_COMMAND, notice, LPARAM(button)) ? 0 : 1;
  }
  if (command == L"window-origin") {
    RECT r;
    GetWindowRect(GetAncestor(button, GA_ROOT), &r);
    std::printf("%ld %ld\n", r.left, r.top);
    return 0;
  }
  if (command == L"cpu-ms" && argc > 3) return CpuCommand(button, DWORD(_wtoi(argv[3])));
  return 2;
}
