// A timer of a form that fires a given number of times, or until stopped. Its handlers go
// with the form's window, as every other handler does.
#pragma once

#include <windows.h>

#include "toolkit/events.h"

namespace tk {

class Timer;

// The window a timer runs on and whoever routes its WM_TIMER to it (Fire): a form. A timer
// tells its host when it comes and goes; a host that goes first orphans the timers it still has.
class TimerHost {
 public:
  virtual HWND TimerWindow() const = 0;
  // Returns the timer's id, never given to another timer of this host.
  virtual UINT_PTR AddTimer(Timer& timer) = 0;
  virtual void RemoveTimer(Timer& timer) = 0;

 protected:
  ~TimerHost() = default;
};

class Timer : public EventSource {
 public:
  explicit Timer(TimerHost& host);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  // Starts or restarts the timer; times = 0 fires until Stop.
  void Start(UINT milliseconds, int times = 0);
  void Stop();
  bool Running() const { return running_; }
  UINT_PTR id() const { return id_; }

  // Called by the host on WM_TIMER.
  void Fire();
  // Called by a host that goes first: the timer stops, its handlers go, and it never runs again.
  void Orphan();

 private:
  TimerHost* host_;
  UINT_PTR id_;
  bool running_ = false;
  int remaining_ = 0;
};

}  // namespace tk
