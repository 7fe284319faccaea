#include "toolkit/key_observer.h"

#include <algorithm>
#include <vector>

#include "toolkit/exception_report.h"
#include "toolkit/handles.h"

namespace tk {

namespace {

using HookHandle = unique_handle<HookTraits>;

// The GUI thread's hook and the observers it serves.
struct ThreadHook {
  HookHandle handle;
  std::vector<KeyObserver*> observers;
  std::vector<KeyFilter*> filters;

  void Need(HOOKPROC proc) {
    if (!handle)
      handle.reset(SetWindowsHookExW(WH_GETMESSAGE, proc, nullptr, GetCurrentThreadId()));
  }
  void Release() {
    if (observers.empty() && filters.empty()) handle.reset();
  }
};

template <typename T>
bool Contains(const std::vector<T*>& list, T* item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

ThreadHook& TheHook() {
  static thread_local ThreadHook hook;
  return hook;
}

}  // namespace

KeyObserver::KeyObserver(Callback callback) : callback_(std::move(callback)) {
  ThreadHook& hook = TheHook();
  hook.Need(&KeyObserver::HookProc);
  hook.observers.push_back(this);
}

KeyObserver::~KeyObserver() {
  ThreadHook& hook = TheHook();
  std::erase(hook.observers, this);
  hook.Release();
}

KeyFilter::KeyFilter(Callback callback) : callback_(std::move(callback)) {
  ThreadHook& hook = TheHook();
  hook.Need(&KeyObserver::HookProc);
  hook.filters.push_back(this);
}

KeyFilter::~KeyFilter() {
  ThreadHook& hook = TheHook();
  std::erase(hook.filters, this);
  hook.Release();
}

bool KeyObserver::Active() const { return bool(TheHook().handle); }

// Peeks that leave the message in the queue (PM_NOREMOVE) are not counted: the key is seen
// once, when a loop takes it. No exception may cross into user32.
LRESULT CALLBACK KeyObserver::HookProc(int code, WPARAM w, LPARAM l) {
  MSG* msg = reinterpret_cast<MSG*>(l);
  if (code == HC_ACTION && w == PM_REMOVE) {
    const bool press = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
    const bool release = msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
    if (press) Observe(*msg);
    if (press || release) Filter(*msg);
  }
  return CallNextHookEx(nullptr, code, w, l);
}

void KeyObserver::Observe(const MSG& msg) {
  const MSG copy = msg;  // the observers see a copy: the message itself stays as it was
  const std::vector<KeyObserver*> observers = TheHook().observers;  // one may go meanwhile
  for (KeyObserver* observer : observers) {
    if (!Contains(TheHook().observers, observer)) continue;
    try {
      if (observer->callback_) observer->callback_(copy);
    } catch (...) {
      ReportStoppedException(L"a key observer");
    }
  }
}

void KeyObserver::Filter(MSG& msg) {
  const MSG copy = msg;
  const std::vector<KeyFilter*> filters = TheHook().filters;
  for (KeyFilter* filter : filters) {
    if (!Contains(TheHook().filters, filter)) continue;
    bool taken = false;
    try {
      taken = filter->callback_ && filter->callback_(copy);
    } catch (...) {
      ReportStoppedException(L"a key filter");
    }
    if (!taken) continue;
    msg.message = WM_NULL;
    return;
  }
}

}  // namespace tk
