#include "toolkit/timer.h"

namespace tk {

Timer::Timer(TimerHost& host) : host_(&host), id_(host.AddTimer(*this)) {}

Timer::~Timer() {
  Stop();
  if (host_) host_->RemoveTimer(*this);
}

void Timer::Start(UINT milliseconds, int times) {
  running_ = host_ && SetTimer(host_->TimerWindow(), id_, milliseconds, nullptr) != 0;
  remaining_ = times;
}

void Timer::Stop() {
  if (running_ && host_ && host_->TimerWindow()) KillTimer(host_->TimerWindow(), id_);
  running_ = false;
}

void Timer::Orphan() {
  Stop();
  events_.Clear();
  host_ = nullptr;
}

void Timer::Fire() {
  if (!running_) return;
  if (remaining_ > 0 && --remaining_ == 0) Stop();
  events_.Raise<Event::Timer>();
}

}  // namespace tk
