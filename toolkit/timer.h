// A timer of a form that fires a given number of times, or until stopped. Its handlers go
// with the form's window, as every other handler does.
#pragma once

#include <windows.h>

#include "toolkit/events.h"

namespace tk {

class Form;

class Timer : public EventSource {
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

  // Called by the form on WM_TIMER.
  void Fire();
  // Called by a form that goes first: the timer stops, its handlers go, and it never runs again.
  void Orphan();

 private:
  Form* form_;
  UINT_PTR id_;
  bool running_ = false;
  int remaining_ = 0;
};

}  // namespace tk
