#include "setup/animation_worker.h"

AnimationWorker::AnimationWorker()
    : stopRequest_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      stopped_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

bool AnimationWorker::Start(HWND target, UINT message, DWORD periodMs) {
  Stop();
  ResetEvent(stopRequest_.get());
  ResetEvent(stopped_.get());
  // The thread reads only this block, written before it starts and not again while it runs.
  orders_ = {target, message, periodMs, stopRequest_.get(), stopped_.get()};
  thread_.reset(CreateThread(nullptr, 0, &AnimationWorker::Run, &orders_, 0, nullptr));
  return bool(thread_);
}

void AnimationWorker::Stop() {
  if (!thread_) return;
  SetEvent(stopRequest_.get());
  WaitForSingleObject(stopped_.get(), INFINITE);
  // The signal comes just before the thread's end; waiting for the end as well means no
  // thread outlives its worker object.
  WaitForSingleObject(thread_.get(), INFINITE);
  thread_.reset();
}

DWORD WINAPI AnimationWorker::Run(void* parameter) {
  const Orders orders = *static_cast<const Orders*>(parameter);
  while (WaitForSingleObject(orders.stopRequest, orders.periodMs) == WAIT_TIMEOUT)
    PostMessageW(orders.target, orders.message, 0, 0);
  SetEvent(orders.stopped);
  return 0;
}
