#include "toolkit/caption_face.h"

#include <algorithm>

#include "toolkit/canvas.h"

namespace tk {

BitmapHandle MakeCaptionFace(const std::wstring& caption, HFONT font, int sizeResource,
                             COLORREF colour, SIZE atLeast) {
  SIZE size{100, 73};
  {
    Canvas sample;
    if (sample.LoadBitmapResource(sizeResource)) size = {sample.width(), sample.height()};
  }
  size = {std::max(size.cx, atLeast.cx), std::max(size.cy, atLeast.cy)};
  Canvas face;
  if (!face.CreateBlank(size.cx, size.cy, RGB(0, 0, 0))) return BitmapHandle();
  {
    TextPen pen(face.dc(), font, colour, RGB(0, 0, 0));
    SIZE text = pen.Extent(caption);
    pen.Draw(size.cx / 2 - text.cx / 2, size.cy / 2 - text.cy / 2, caption);
  }
  return face.TakeBitmap();
}

}  // namespace tk
