#include "setup/setup_animation.h"

#include <string>

#include "config/default_path.h"
#include "toolkit/text.h"

namespace {

constexpr int kFrameSize = 64;

tk::IconHandle LoadFrame(int number) {
  const std::string name = "KzR\\g_spd" + std::to_string(number) + ".ico";
  const std::string path = KzDefaultPath("..\\").FindOrComplain(name);
  if (path.empty()) return {};
  return tk::IconHandle(static_cast<HICON>(LoadImageW(nullptr, tk::Widen(path).c_str(), IMAGE_ICON,
                                                      kFrameSize, kFrameSize, LR_LOADFROMFILE)));
}

}  // namespace

void SetupAnimation::Start(HWND form, UINT message) {
  frame_ = 0;
  for (int i = 0; i < kAnimationFrames; ++i) frames_[size_t(i)] = LoadFrame(i + 1);
  RECT outer{};
  GetWindowRect(form, &outer);
  rightBound_ = AnimationRightBound(outer.right - outer.left);
  movingRight_ = true;
  picture_.MoveTo(0, picture_.Position().y);
  worker_.Start(form, message, kAnimationPeriodMs);
}

void SetupAnimation::Tick() {
  picture_.SetIcon(frames_[size_t(frame_)].get());
  frame_ = (frame_ + 1) % kAnimationFrames;
  const POINT at = picture_.Position();
  if (movingRight_) {
    if (at.x >= rightBound_)
      movingRight_ = false;
    else
      picture_.MoveTo(at.x + kAnimationStep, at.y);
  } else {
    if (at.x <= kAnimationLeftBound)
      movingRight_ = true;
    else
      picture_.MoveTo(at.x - kAnimationStep, at.y);
  }
}

void SetupAnimation::Stop() {
  worker_.Stop();
  // The picture may still show a frame: it must not point at a released icon.
  if (picture_.hwnd()) picture_.SetIcon(nullptr);
  for (auto& frame : frames_) frame.reset();
}
