// A static control that shows an icon (SS_ICON) or a bitmap (SS_BITMAP). The box does not own
// the picture: whoever sets it keeps it alive while it is shown.
#pragma once

#include "toolkit/control.h"

namespace tk {

class PictureBox : public Control {
 public:
  ~PictureBox() override;
  void Detach() override;

  void SetIcon(HICON icon) { Send(STM_SETICON, reinterpret_cast<WPARAM>(icon)); }
  // Null leaves the box without a picture. A bitmap still shown when the box or its window
  // goes is taken out first, so that a copy the box made of the picture goes too.
  void SetBitmap(HBITMAP bitmap);
  // The left-top corner in the client coordinates of the parent window.
  POINT Position() const;
  // Moves the box without resizing it.
  void MoveTo(int x, int y);

  // For the tests: the picture shown.
  HICON Icon() const { return reinterpret_cast<HICON>(Send(STM_GETICON)); }
  HBITMAP Bitmap() const { return reinterpret_cast<HBITMAP>(Send(STM_GETIMAGE, IMAGE_BITMAP)); }

 private:
  void DropBitmap();

  HBITMAP passed_ = nullptr;  // the caller's, never deleted here
};

}  // namespace tk
