// Drives and looks at the programs' windows from outside, for the end-to-end tests. A command
// that waits gives up after its limit (milliseconds) and then fails. Windows are named by
// WHAT: setup, page (the setup dialog's shown page), chooser, help, logo, message-box, or the
// caption of a button in the window meant.
//   driver message-box [TIMEOUT]         waits for a message box, prints "caption|text",
//                                        presses its first button, waits until it is gone
//   driver wait-message-box [TIMEOUT [CAPTION|TEXT]]
//                                        waits for a message box (with that caption and text),
//                                        prints "caption|text", presses nothing
//   driver no-message-box MS             fails when a message box shows within MS
//   driver wait-button CAPTION [TIMEOUT] waits until a visible button has that caption
//   driver no-button CAPTION [TIMEOUT]   waits until no visible button has that caption
//   driver button-centre CAPTION         prints the screen centre "x y" of that button
//   driver click CAPTION                 clicks the button (its click notice)
//   driver thread-priority CAPTION [PRIORITY [TIMEOUT]]
//                                        priority of the thread that owns that button (once it
//                                        is PRIORITY)
//   driver window-origin CAPTION         "x y" of the window that holds that button
//   driver cpu-ms CAPTION MS             processor time (user + kernel, ms) that the
//                                        button's process uses over the next MS ms
//   driver window-rect WHAT [TIMEOUT [RECT]] "left top right bottom" of the window (once it is
//                                        RECT)
//   driver logo-rect                     the logo window's rectangle
//   driver escape-logo                   sends Esc to the logo window
//   driver no-logo [TIMEOUT]             waits until the logo window is gone
//   driver end-game                      sends Esc to the stand-in game's window
//   driver wait-no-game MS               waits until the game's window is gone
//   driver wait-page ID [TIMEOUT [STATE]] waits for the setup dialog's shown page to have an
//                                        item of that number (in that state), prints its state
//                                        "text|checked|enabled"
//   driver setup-page [TIMEOUT]          waits for the setup dialog, prints the selected
//                                        page's index and the page icon's handle
//   driver wait-setup-page INDEX [TIMEOUT] the same, once the page of that index is selected
//   driver no-setup [TIMEOUT]            waits until the setup dialog is gone
//   driver wait-focus WHAT [ID [TIMEOUT]] waits until WHAT is the foreground window and, with
//                                        an ID other than 0, its item of that number has the
//                                        keyboard focus; when no window is the foreground, it
//                                        activates WHAT, as a window manager would
//   driver wait-painted WHAT [TIMEOUT]   waits until WHAT and its children are painted
//   driver x-windows WHAT                the X windows that Wine shows the top windows of
//                                        WHAT's program in, WHAT's own first
//   driver escape CAPTION                sends Esc to the window that holds that button
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr DWORD kLimit = 15000;

std::string Utf8(const std::wstring& text) {
  int n =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

// A window's text; empty, and *answered false, when its thread has not answered within 2 s.
std::wstring TextOf(HWND hwnd, bool* answered = nullptr) {
  wchar_t buffer[1024] = {};
  const LRESULT sent = SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
                                           SMTO_BLOCK, 2000, nullptr);
  if (answered) *answered = sent != 0;
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

// Asks `look` every 50 ms until it says yes or the time is up; whether it said yes.
bool WaitFor(const std::function<bool()>& look, DWORD timeoutMs) {
  for (const DWORD start = GetTickCount();; Sleep(50)) {
    if (look()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
  }
}

// Waits until `find` gives a window; the window, or null when the time is up.
HWND WaitWindow(const std::function<HWND()>& find, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor([&] { return (found = find()) != nullptr; }, timeoutMs);
  return found;
}

// 0 once the window that `find` looks for is gone, 1 when it is still there after the limit.
int WaitGone(const std::function<HWND()>& find, DWORD limitMs) {
  return WaitFor([&] { return !find(); }, limitMs) ? 0 : 1;
}

// Prints what `value` gives once it is `wanted` (any value when that is empty), or the last one
// when the time is up; a value is empty while what it looks at is missing.
int WaitValue(const std::function<std::string()>& value, const std::string& wanted,
              DWORD timeoutMs) {
  std::string last;
  const bool reached = WaitFor(
      [&] {
        last = value();
        return !last.empty() && (wanted.empty() || last == wanted);
      },
      timeoutMs);
  if (last.empty()) return 1;
  std::printf("%s\n", last.c_str());
  return reached ? 0 : 1;
}

// A message box: a dialog with a static text (item 0xFFFF) and at least one button.
HWND FindMessageBox() {
  for (HWND w : TopWindows()) {
    HWND text = GetDlgItem(w, 0xFFFF);
    if (ClassOf(w) == L"#32770" && text && ClassOf(text) == L"Static") return w;
  }
  return nullptr;
}

HWND FindButton(const std::wstring& caption) {
  for (HWND w : TopWindows())
    for (HWND c : Children(w))
      if (IsWindowVisible(c) && ClassOf(c) == L"Button" && TextOf(c) == caption) return c;
  return nullptr;
}

// A visible dialog with a child of that class: the setup form has its tab control, the
// activity chooser its list box, the help viewer its scroll bar, the logo window its video.
HWND FindDialogWith(const wchar_t* childClass) {
  for (HWND w : TopWindows())
    if (ClassOf(w) == L"#32770" && FindWindowExW(w, nullptr, childClass, nullptr)) return w;
  return nullptr;
}

HWND FindLogo() { return FindDialogWith(L"MCIWndClass"); }
HWND FindGame() { return FindWindowW(L"VoltraneStandInGame", nullptr); }
HWND FindSetup() { return FindDialogWith(L"SysTabControl32"); }

HWND FindShownPage() {
  HWND setup = FindSetup();
  for (HWND c : setup ? Children(setup) : std::vector<HWND>())
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

// The button's click notice, posted to its dialog. A posted BM_CLICK goes through the
// button's simulated mouse input, which Wine sometimes drops for a window in another process.
void Press(HWND button) {
  PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

int PressEscape(HWND window) {
  if (!window) return 1;
  PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  return 0;
}

std::string RectOf(HWND window) {
  RECT r{};
  if (!window || !GetWindowRect(window, &r)) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%ld %ld %ld %ld", r.left, r.top, r.right, r.bottom);
  return text;
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

std::string ThreadPriority(HWND button) {
  HANDLE thread = button ? OpenThread(THREAD_QUERY_INFORMATION, FALSE,
                                      GetWindowThreadProcessId(button, nullptr))
                         : nullptr;
  if (!thread) return {};
  const int priority = GetThreadPriority(thread);
  CloseHandle(thread);
  return std::to_string(priority);
}

std::string BoxText(HWND box) {
  return box ? Utf8(TextOf(box)) + "|" + Utf8(TextOf(GetDlgItem(box, 0xFFFF))) : std::string();
}

// Under load a pressed box may take a while to go: the next look must not find it again.
int MessageBoxCommand(DWORD timeout, bool press, const std::string& wanted = {}) {
  HWND box = WaitWindow(
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
  if (HWND first = FindWindowExW(box, nullptr, L"Button", nullptr)) Press(first);
  return WaitGone([box] { return IsWindow(box) && IsWindowVisible(box) ? box : nullptr; }, kLimit);
}

// The selected page's index and the page icon's handle.
std::string SetupPage() {
  HWND setup = FindSetup();
  if (!setup) return {};
  HWND tabs = FindWindowExW(setup, nullptr, L"SysTabControl32", nullptr);
  char text[64];
  std::snprintf(
      text, sizeof text, "%d %llx", int(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)),
      static_cast<unsigned long long>(SendMessageW(GetDlgItem(setup, 103), STM_GETICON, 0, 0)));
  return text;
}

// An item's "text|checked|enabled"; nothing while its thread is too busy to answer in 2 s (an
// edit box would read as empty, and a stopped thread would hold the check's question forever).
std::string ItemState(HWND item) {
  if (!item) return {};
  bool answered = false;
  const std::wstring text = TextOf(item, &answered);
  DWORD_PTR check = 0;
  if (answered && ClassOf(item) == L"Button")
    answered = SendMessageTimeoutW(item, BM_GETCHECK, 0, 0, SMTO_BLOCK, 2000, &check) != 0;
  if (!answered) return {};
  return Utf8(text) + (check == BST_CHECKED ? "|1|" : "|0|") + (IsWindowEnabled(item) ? "1" : "0");
}

// The window that has the keyboard focus in the foreground window's thread.
HWND FocusedWindow() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  HWND foreground = GetForegroundWindow();
  if (!foreground || !GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info))
    return nullptr;
  return info.hwndFocus;
}

// Without a window manager, Wine hands the foreground to the desktop when the X focus falls
// back to the root window: a closing window had it, and Wine's request to give it on came
// second. A window manager would give the focus to a window again; so does this, to WHAT once
// it can take it, and only when no window at all has the foreground.
void ActivateIfNoneIs(HWND window) {
  static DWORD last = 0;
  HWND foreground = GetForegroundWindow();
  if (foreground && foreground != GetDesktopWindow()) return;
  if (!IsWindowVisible(window) || !IsWindowEnabled(window) || GetTickCount() - last < 500) return;
  last = GetTickCount();
  std::fprintf(stderr, "no window had the foreground: %s activated\n",
               Utf8(ClassOf(window)).c_str());
  SetForegroundWindow(window);
}

int WaitFocusCommand(const std::wstring& what, int id, DWORD timeout) {
  const bool reached = WaitFor(
      [&] {
        HWND window = FindNamedWindow(what), focus = FocusedWindow();
        if (!window) return false;
        HWND top = what == L"page" ? FindSetup() : window;
        ActivateIfNoneIs(top);
        if (GetForegroundWindow() != top) return false;
        return id == 0 || (focus && GetParent(focus) == window && GetDlgCtrlID(focus) == id);
      },
      timeout);
  if (!reached) {
    HWND focus = FocusedWindow();
    std::fprintf(stderr, "the focus is on %s %d in %s \"%s\"\n", Utf8(ClassOf(focus)).c_str(),
                 focus ? GetDlgCtrlID(focus) : 0, Utf8(ClassOf(GetForegroundWindow())).c_str(),
                 Utf8(TextOf(GetForegroundWindow())).c_str());
  }
  return reached ? 0 : 1;
}

// Neither the window nor any of its children waits to be painted.
bool Painted(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  for (HWND c : Children(window))
    if (IsWindowVisible(c) && !Painted(c)) return false;
  return true;
}

unsigned long long XWindowOf(HWND window) {
  return ULONG_PTR(GetPropW(GetAncestor(window, GA_ROOT), L"__wine_x11_whole_window"));
}

int XWindowsCommand(HWND what) {
  if (!what || !XWindowOf(what)) return 1;
  std::printf("%llu\n", XWindowOf(what));
  static DWORD process;
  GetWindowThreadProcessId(what, &process);
  EnumWindows(
      [](HWND window, LPARAM) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && XWindowOf(window)) std::printf("%llu\n", XWindowOf(window));
        return TRUE;
      },
      0);
  return 0;
}

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) return 2;
  const std::wstring command = argv[1];
  auto number = [&](int i, DWORD fallback) { return i < argc ? DWORD(_wtoi(argv[i])) : fallback; };
  auto text = [&](int i) { return i < argc ? Utf8(argv[i]) : std::string(); };
  if (command == L"message-box") return MessageBoxCommand(number(2, kLimit), true);
  if (command == L"wait-message-box") return MessageBoxCommand(number(2, kLimit), false, text(3));
  if (command == L"no-message-box") {
    HWND box = WaitWindow(FindMessageBox, number(2, 3000));
    if (box) std::printf("unexpected message box: %s\n", BoxText(box).c_str());
    return box ? 1 : 0;
  }
  if (command == L"logo-rect") return WaitValue([] { return RectOf(FindLogo()); }, {}, 0);
  if (command == L"setup-page") return WaitValue(SetupPage, {}, number(2, kLimit));
  if (command == L"no-setup") return WaitGone(FindSetup, number(2, 10000));
  if (command == L"escape-logo") return PressEscape(FindLogo());
  if (command == L"no-logo") return WaitGone(FindLogo, number(2, kLimit));
  if (command == L"end-game") return PressEscape(FindGame());
  if (command == L"wait-no-game") return WaitGone(FindGame, number(2, 30000));
  if (argc < 3) return 2;
  const std::wstring what = argv[2];
  if (command == L"wait-setup-page") {
    const std::string page = text(2) + " ";
    return WaitValue([&] { return SetupPage().rfind(page, 0) == 0 ? SetupPage() : ""; }, {},
                     number(3, kLimit));
  }
  if (command == L"wait-page") {
    const int id = _wtoi(what.c_str());
    return WaitValue([id] { return ItemState(GetDlgItem(FindShownPage(), id)); }, text(4),
                     number(3, kLimit));
  }
  if (command == L"window-rect")
    return WaitValue([&] { return RectOf(FindNamedWindow(what)); }, text(4), number(3, 0));
  if (command == L"x-windows") return XWindowsCommand(FindNamedWindow(what));
  if (command == L"wait-focus") return WaitFocusCommand(what, int(number(3, 0)), number(4, kLimit));
  if (command == L"wait-painted") {
    const auto painted = [&] { return FindNamedWindow(what) && Painted(FindNamedWindow(what)); };
    return WaitFor(painted, number(3, kLimit)) ? 0 : 1;
  }
  if (command == L"wait-button")
    return WaitWindow([&] { return FindButton(what); }, number(3, kLimit)) ? 0 : 1;
  if (command == L"no-button") return WaitGone([&] { return FindButton(what); }, number(3, kLimit));
  if (command == L"thread-priority")
    return WaitValue([&] { return ThreadPriority(FindButton(what)); }, text(3), number(4, kLimit));
  HWND button = FindButton(what);
  if (!button) {
    std::fprintf(stderr, "no visible button \"%s\"\n", Utf8(what).c_str());
    return 1;
  }
  RECT r{};
  if (command == L"button-centre" && GetWindowRect(button, &r))
    return std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2) > 0 ? 0 : 1;
  if (command == L"click") return Press(button), 0;
  if (command == L"escape") return PressEscape(GetAncestor(button, GA_ROOT));
  if (command == L"window-origin" && GetWindowRect(GetAncestor(button, GA_ROOT), &r))
    return std::printf("%ld %ld\n", r.left, r.top) > 0 ? 0 : 1;
  if (command == L"cpu-ms" && argc > 3) return CpuCommand(button, number(3, 0));
  return 2;
}
