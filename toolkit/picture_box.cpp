#include "toolkit/picture_box.h"

namespace tk {

PictureBox::~PictureBox() { DropBitmap(); }

void PictureBox::Detach() {
  DropBitmap();
  Control::Detach();
}

void PictureBox::DropBitmap() {
  if (passed_ && hwnd() && IsWindow(hwnd())) SetBitmap(nullptr);
}

// With common controls 6, a static control keeps a copy of its own of a 32-bit picture that
// has alpha, and hands that copy back at the next change instead of the picture it was given.
// Nobody else knows of the copy, so it goes here; the picture passed before belongs to its
// caller, who frees it (deleting it here too would free it twice).
void PictureBox::SetBitmap(HBITMAP bitmap) {
  const auto previous =
      reinterpret_cast<HBITMAP>(Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  if (previous && previous != passed_) DeleteObject(previous);
  passed_ = bitmap;
}

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
