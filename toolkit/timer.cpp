#include "toolkit/timer.h"

#include "toolkit/form.h"

namespace tk {

namespace {
UINT_PTR NextTimerId() {
  static UINT_PTR next = 0x7000;
  return ++next;
}
}  // namespace

Timer::Timer(Form& form) : form_(&form), id_(NextTimerId()) { form_->AddTimer(*this); }

Timer::~Timer() {
  Stop();
  if (form_) form_->RemoveTimer(*this);
}

void Timer::Start(UINT milliseconds, int times) {
  running_ = form_ && SetTimer(form_->hwnd(), id_, milliseconds, nullptr) != 0;
  remaining_ = times;
}

void Timer::Stop() {
  if (running_ && form_ && form_->hwnd()) KillTimer(form_->hwnd(), id_);
  running_ = false;
}

void Timer::Orphan() {
  Stop();
  events_.Clear();
  form_ = nullptr;
}

void Timer::Fire() {
  if (!running_) return;
  if (remaining_ > 0 && --remaining_ == 0) Stop();
  events_.Raise<Event::Timer>();
}

}  // namespace tk
