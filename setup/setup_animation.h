// The small icon that slides back and forth along the top of the setup form, four frames
// one after the other, paced by a worker thread that posts the form's user event.
//
// Ownership: the frame icons are loaded at Start and released at Stop; the picture box is the
// form's, and only moved and given icons here.
#pragma once

#include <array>

#include "setup/animation_worker.h"
#include "toolkit/handles.h"
#include "toolkit/picture_box.h"

inline constexpr int kAnimationFrames = 4;
inline constexpr int kAnimationStep = 4;
inline constexpr int kAnimationLeftBound = 15;
inline constexpr DWORD kAnimationPeriodMs = 200;

// The right bound for a form whose outer width is formWidth pixels.
constexpr int AnimationRightBound(int formWidth) { return 65 * formWidth / 100 - 72; }

class SetupAnimation {
 public:
  explicit SetupAnimation(tk::PictureBox& picture) : picture_(picture) {}

  // Loads the frames ("KzR\g_spd1.ico" ...), computes the bounds from the form's outer width,
  // moves the picture to the left edge and starts the worker, which posts `message` to form.
  void Start(HWND form, UINT message);
  // One step: shows the current frame, then moves or turns.
  void Tick();
  // Stops the worker (waiting for it) and releases the frames; again, it does nothing.
  void Stop();

  // For the tests.
  int RightBound() const { return rightBound_; }
  HICON FrameIcon(int frame) const { return frames_[size_t(frame)].get(); }
  bool Running() const { return worker_.Running(); }

 private:
  tk::PictureBox& picture_;
  std::array<tk::IconHandle, kAnimationFrames> frames_;
  int frame_ = 0;
  int rightBound_ = 0;
  bool movingRight_ = true;
  AnimationWorker worker_;
};
