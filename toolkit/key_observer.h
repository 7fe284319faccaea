// The application-wide observer of key presses: it sees every WM_KEYDOWN and WM_SYSKEYDOWN
// that a message loop of the GUI thread takes from the queue, before it is dispatched, modal
// loops (dialogs, message boxes, menus) included. It only looks: the message goes on to its
// window unchanged.
//
// One hook serves the thread's observers: the first observer puts it in place, the last one
// removes it. Each observer sees every key once.
#pragma once

#include <windows.h>

#include <functional>

namespace tk {

struct HookTraits {
  using type = HHOOK;
  static type Invalid() { return nullptr; }
  static bool Valid(type h) { return h != nullptr; }
  static void Close(type h) { UnhookWindowsHookEx(h); }
  static void Created() {}
};

class KeyObserver {
  friend class KeyFilter;

 public:
  // The message as the loop took it: hwnd, message, wParam (virtual key), lParam (key data).
  using Callback = std::function<void(const MSG&)>;

  explicit KeyObserver(Callback callback);
  KeyObserver(const KeyObserver&) = delete;
  KeyObserver& operator=(const KeyObserver&) = delete;
  ~KeyObserver();

  // For the tests: whether the thread's hook is in place.
  bool Active() const;

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM w, LPARAM l);
  static void Observe(const MSG& msg);
  static void Filter(MSG& msg);
  Callback callback_;
};

// A form's own keys, such as Ctrl+Tab between the pages of a dialog, which the dialog's loop
// would otherwise take for Tab. A filter sees each key press after the observers, and each key
// release (WM_KEYUP, WM_SYSKEYUP) too; when it takes the message, the loop that took it from
// the queue gets an empty message in its place. Only a form that owns the keys uses one, while
// its window is open.
class KeyFilter {
 public:
  // True when the key was the filter's.
  using Callback = std::function<bool(const MSG&)>;

  explicit KeyFilter(Callback callback);
  KeyFilter(const KeyFilter&) = delete;
  KeyFilter& operator=(const KeyFilter&) = delete;
  ~KeyFilter();

 private:
  friend class KeyObserver;
  Callback callback_;
};

}  // namespace tk
