// The thread that paces an animation: it waits up to one period for the stop request and,
// when none came, posts a message to a window. It touches no other data, and since it only
// posts, it never waits for the window's thread.
//
// Ownership: the two event objects live as long as the worker object; the thread runs from
// Start to Stop.
#pragma once

#include <windows.h>

#include "toolkit/handles.h"

class AnimationWorker {
 public:
  AnimationWorker();
  AnimationWorker(const AnimationWorker&) = delete;
  AnimationWorker& operator=(const AnimationWorker&) = delete;
  ~AnimationWorker() { Stop(); }

  // Resets both events and starts the thread; false when the thread could not start.
  bool Start(HWND target, UINT message, DWORD periodMs);
  // Sets the stop request and waits, without a time limit, for the stopped signal. Does
  // nothing when the thread is not running.
  void Stop();
  bool Running() const { return bool(thread_); }

 private:
  struct Orders {
    HWND target;
    UINT message;
    DWORD periodMs;
    HANDLE stopRequest;
    HANDLE stopped;
  };
  static DWORD WINAPI Run(void* orders);

  tk::KernelHandle stopRequest_;
  tk::KernelHandle stopped_;
  tk::KernelHandle thread_;
  Orders orders_{};
};
