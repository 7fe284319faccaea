// The events that forms and controls raise, the arguments each kind carries, and the
// per-object table of (event, handler) pairs.
//
// Two ways of delivery:
// - notices (Create, Destroy, Run, End, Paint, Timer, GotFocus, LostFocus) reach every
//   handler, whatever each one returns;
// - requests (all other events) run the handlers in the order they were registered until one
//   returns true, which handles the event. Of these, three can be refused: Start and Close
//   through their cancel flag, Cancel by being handled (the form then does not close on Esc).
//   A notification that answers its sender leaves the answer in the arguments.
#pragma once

#include <windows.h>

#include <functional>
#include <type_traits>
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

struct NoArgs {};
// Start, Close: set cancel to stop what the event announces.
struct CancelArgs {
  bool cancel = false;
};
struct PaintArgs {
  HDC dc = nullptr;  // the window's paint DC
};
struct UserArgs {
  WPARAM w = 0;
  LPARAM l = 0;
};
// The new size: of a form's client area, or of a control that sizes itself.
struct ResizeArgs {
  int width = 0;
  int height = 0;
};
// Click, DoubleClick, Select, Change, GotFocus, LostFocus: the control's own notification code,
// and for a control that answers its sender, the answer.
struct NoticeArgs {
  int code = 0;
  LRESULT result = 0;
  int column = 0;  // Select of a grid: the column now current
};
// The position the control now stands at, whatever moved it.
struct ScrollArgs {
  int code = 0;  // SB_LINEDOWN, TB_PAGEUP, ...
  int position = 0;
};
struct KeyArgs {
  UINT key = 0;         // virtual-key code
  LPARAM data = 0;      // repeat count, scan code, extended-key flag, as in WM_KEYDOWN
  bool system = false;  // WM_SYSKEYDOWN
  // An auto-repeat: the key was already down before this message (bit 30 of the key data).
  bool WasDown() const { return (data & (LPARAM(1) << 30)) != 0; }
  // Alt is held: a system key's context code (bit 29 of the key data).
  bool AltHeld() const { return (data & (LPARAM(1) << 29)) != 0; }
};

enum class Delivery { Notice, Request };

template <typename A, Delivery D>
struct EventKind {
  using Args = A;
  static constexpr Delivery delivery = D;
};

template <Event E>
struct EventTraits : EventKind<NoticeArgs, Delivery::Request> {};
template <>
struct EventTraits<Event::Start> : EventKind<CancelArgs, Delivery::Request> {};
template <>
struct EventTraits<Event::Run> : EventKind<NoArgs, Delivery::Notice> {};
template <>
struct EventTraits<Event::End> : EventKind<NoArgs, Delivery::Notice> {};
template <>
struct EventTraits<Event::Create> : EventKind<NoArgs, Delivery::Notice> {};
template <>
struct EventTraits<Event::Destroy> : EventKind<NoArgs, Delivery::Notice> {};
template <>
struct EventTraits<Event::Close> : EventKind<CancelArgs, Delivery::Request> {};
template <>
struct EventTraits<Event::Cancel> : EventKind<NoArgs, Delivery::Request> {};
template <>
struct EventTraits<Event::Paint> : EventKind<PaintArgs, Delivery::Notice> {};
template <>
struct EventTraits<Event::User> : EventKind<UserArgs, Delivery::Request> {};
template <>
struct EventTraits<Event::Resize> : EventKind<ResizeArgs, Delivery::Request> {};
template <>
struct EventTraits<Event::KeyDown> : EventKind<KeyArgs, Delivery::Request> {};
template <>
struct EventTraits<Event::Scroll> : EventKind<ScrollArgs, Delivery::Request> {};
template <>
struct EventTraits<Event::GotFocus> : EventKind<NoticeArgs, Delivery::Notice> {};
template <>
struct EventTraits<Event::LostFocus> : EventKind<NoticeArgs, Delivery::Notice> {};
template <>
struct EventTraits<Event::Timer> : EventKind<NoArgs, Delivery::Notice> {};

template <Event E>
using ArgsOf = typename EventTraits<E>::Args;

class EventTable {
 public:
  // A handler takes the event's arguments, or nothing, and returns whether it handled it.
  template <Event E, typename F>
  void On(F handler) {
    using Args = ArgsOf<E>;
    if constexpr (std::is_invocable_r_v<bool, F&, Args&>) {
      handlers_.emplace_back(E, [h = std::move(handler)](void* args) mutable {
        return bool(h(*static_cast<Args*>(args)));
      });
    } else {
      static_assert(std::is_invocable_r_v<bool, F&>, "a handler returns bool");
      handlers_.emplace_back(E, [h = std::move(handler)](void*) mutable { return bool(h()); });
    }
  }

  // True when a handler handled the event.
  template <Event E>
  bool Raise(ArgsOf<E>& args) {
    bool handled = false;
    for (size_t i = 0; i < handlers_.size(); ++i) {
      if (handlers_[i].first != E) continue;
      auto handler = handlers_[i].second;  // a handler may register or clear handlers
      handled = handler(&args) || handled;
      if (handled && EventTraits<E>::delivery == Delivery::Request) break;
    }
    return handled;
  }
  template <Event E>
  bool Raise() {
    ArgsOf<E> args{};
    return Raise<E>(args);
  }

  void Clear() { handlers_.clear(); }
  bool Empty() const { return handlers_.empty(); }
  size_t Count() const { return handlers_.size(); }

 private:
  std::vector<std::pair<Event, std::function<bool(void*)>>> handlers_;
};

// Whatever raises events of its own: forms, controls, timers, the application.
class EventSource {
 public:
  EventTable& events() { return events_; }
  const EventTable& events() const { return events_; }
  template <Event E, typename F>
  void On(F handler) {
    events_.On<E>(std::move(handler));
  }

 protected:
  EventTable events_;
};

}  // namespace tk
