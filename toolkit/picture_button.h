// A push button that shows a picture instead of its caption. The caption stays the window's
// text, so that the face can be drawn from it.
#pragma once

#include "toolkit/button.h"
#include "toolkit/handles.h"

namespace tk {

class PictureButton : public Button {
 public:
  // Takes the face; the button shows it until the next face or its own destruction.
  void SetFace(BitmapHandle face);
  // A face drawn from the caption (see MakeCaptionFace), never smaller than the button: at more
  // than 96 dots per inch the button grows with the dialog's font, the picture does not.
  void SetCaptionFace(HFONT font, int sizeResource, COLORREF colour);
  // For the tests.
  HBITMAP Face() const { return face_.get(); }

 private:
  BitmapHandle face_;
};

}  // namespace tk
