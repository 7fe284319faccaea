// A video window (MCIWnd) bound to a dialog item of the class "MCIWndClass". It plays a video
// file in its own window; its size notices reach the form as a ResizeEvent of the control,
// with the window's new outer width and height.
#pragma once

#include <string>

#include "toolkit/control.h"

namespace tk {

class VideoWindow : public Control {
 public:
  // The dialog template names the class: it must be registered before the form is created.
  static bool RegisterWindowClass();

  // A one-pixel frame that the video window counts in its own size. Dialog templates turn a
  // control's border into a 3-D edge, which the video window leaves out of its size.
  void SetThinEdge();
  // Opens a file; false when the video window cannot open it (no message of its own).
  bool Open(const std::wstring& path);
  // Zoom in per cent of the video's own size; applies to the next open too.
  void SetZoom(UINT percent);
  // Plays once, from the first frame to the last.
  void PlayFromStart();

  // For the tests: whether a file is open, the zoom, the frame shown.
  bool IsOpen() const;
  UINT Zoom() const;
  long Position() const;

  // True, after raising ResizeEvent, when the message is this window's size notice.
  bool TakeSizeNotice(UINT message, WPARAM w);
};

}  // namespace tk
