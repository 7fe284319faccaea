#include "toolkit/picture_box.h"

namespace tk {

POINT PictureBox::Position() const {
  RECT r = WindowRect();
  POINT corner{r.left, r.top};
  ScreenToClient(GetParent(hwnd()), &corner);
  return corner;
}

void PictureBox::MoveTo(int x, int y) {
  SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tk
