// The events that forms and controls raise, and the per-object table of (event, handler) pairs.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

namespace tk {

enum class Event {
  Start,
  Run,
  End,
  Create,
  Destroy,
  Close,
  Cancel,
  Paint,
  User,
  Resize,
  Click,
  DoubleClick,
  KeyDown,
  Select,
  Change,
  Scroll,
  GotFocus,
  LostFocus,
  Timer,
};

struct EventArgs {
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  HDC dc = nullptr;     // Paint: the window's paint DC
  int code = 0;         // the notification or scroll code
  int position = 0;     // Scroll: the new position
  bool cancel = false;  // Close, Start: set to stop what the event announces
};

using Handler = std::function<bool(EventArgs&)>;

class EventTable {
 public:
  void On(Event event, Handler handler) { handlers_.emplace_back(event, std::move(handler)); }
  // Runs the handlers of the event in the order they were registered until one handles it.
  bool Raise(Event event, EventArgs& args) {
    for (size_t i = 0; i < handlers_.size(); ++i) {
      if (handlers_[i].first != event) continue;
      Handler handler = handlers_[i].second;  // a handler may register or clear handlers
      if (handler(args)) return true;
    }
    return false;
  }
  bool Raise(Event event) {
    EventArgs args;
    return Raise(event, args);
  }
  void Clear() { handlers_.clear(); }
  bool Empty() const { return handlers_.empty(); }

 private:
  std::vector<std::pair<Event, Handler>> handlers_;
};

}  // namespace tk
