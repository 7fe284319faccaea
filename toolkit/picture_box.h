// A static control that shows an icon (SS_ICON) or a bitmap (SS_BITMAP). The box does not own
// the picture: whoever sets it keeps it alive while it is shown.
#pragma once

#include "toolkit/control.h"

namespace tk {

class PictureBox : public Control {
 public:
  void SetIcon(HICON icon) { Send(STM_SETICON, reinterpret_cast<WPARAM>(icon)); }
  HICON Icon() const { return reinterpret_cast<HICON>(Send(STM_GETICON)); }
  // Null leaves the box without a picture. A form whose box showed a bitmap sets null before
  // its window goes, so that a copy the box made of the picture goes too.
  void SetBitmap(HBITMAP bitmap);
  HBITMAP Bitmap() const { return reinterpret_cast<HBITMAP>(Send(STM_GETIMAGE, IMAGE_BITMAP)); }
  // The left-top corner in the client coordinates of the parent window.
  POINT Position() const;
  // Moves the box without resizing it.
  void MoveTo(int x, int y);

 private:
  HBITMAP passed_ = nullptr;  // the caller's, never deleted here
};

}  // namespace tk
