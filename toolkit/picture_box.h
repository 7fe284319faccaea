// A static control that shows an icon. The box does not own the icon: whoever sets it keeps
// it alive while it is shown.
#pragma once

#include "toolkit/control.h"

namespace tk {

class PictureBox : public Control {
 public:
  void SetIcon(HICON icon) { Send(STM_SETICON, reinterpret_cast<WPARAM>(icon)); }
  HICON Icon() const { return reinterpret_cast<HICON>(Send(STM_GETICON)); }
  // The left-top corner in the client coordinates of the parent window.
  POINT Position() const;
  // Moves the box without resizing it.
  void MoveTo(int x, int y);
};

}  // namespace tk
