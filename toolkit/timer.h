// A timer of a form that fires a given number of times, or until stopped.
#pragma once

#include <windows.h>

#include "events.h"

namespace tk {

class Form;

class Timer {
 public:
  explicit Timer(Form& form);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  // Starts or restarts the timer; times = 0 fires until Stop.
  void Start(UINT milliseconds, int times = 0);
  void Stop();
  bool Running() const { return running_; }
  UINT_PTR id() const { return id_; }
  EventTable& events() { return events_; }
  void On(Event event, Handler handler) { events_.On(event, std::move(handler)); }

  // Called by the form on WM_TIMER.
  void Fire();

 private:
  Form& form_;
  UINT_PTR id_;
  bool running_ = false;
  int remaining_ = 0;
  EventTable events_;
};

}  // namespace tk
