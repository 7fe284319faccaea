// The small borderless window that plays "KzR\logo.avi" at the top centre of the screen while
// the game starts. The button bar owns the object for the whole run; only the window comes and
// goes: each Show creates it anew and plays the video from its start.
#pragma once

#include "toolkit/form.h"
#include "toolkit/timer.h"
#include "toolkit/video_window.h"

inline constexpr UINT kLogoShowMs = 27000;

class LogoForm : public tk::Form {
 public:
  // `behind`: the window under the logo window, repainted where the logo covered it.
  explicit LogoForm(HWND behind);

  // Creates and shows the window with no owner, closing one that is still open.
  void Show();
  bool IsOpen() const { return hwnd() != nullptr; }
  // For the tests. Runs only while a video opened: the window then closes by itself.
  bool TimerRunning() const { return timer_.Running(); }

  tk::VideoWindow mediapl_Logo;

 private:
  void Register() override;
  void Created() override;
  INT_PTR RawMessage(UINT message, WPARAM w, LPARAM l, bool& handled) override;
  bool StartVideo();
  bool PlaceFromVideoSize(const tk::ResizeArgs& size);
  void InvalidateCoveredPart();

  HWND behind_;
  tk::Timer timer_;
};
