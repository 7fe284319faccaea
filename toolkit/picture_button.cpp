#include "toolkit/picture_button.h"

#include "toolkit/caption_face.h"

namespace tk {

void PictureButton::SetFace(BitmapHandle face) {
  LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
  SetWindowLongPtrW(hwnd(), GWL_STYLE, style | BS_BITMAP);
  Send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(face.get()));
  face_ = std::move(face);
}

void PictureButton::SetCaptionFace(HFONT font, int sizeResource, COLORREF colour) {
  RECT button;
  GetClientRect(hwnd(), &button);
  SetFace(MakeCaptionFace(Text(), font, sizeResource, colour, {button.right, button.bottom}));
}

}  // namespace tk
