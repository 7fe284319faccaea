#pragma once

#include <string>

#include "toolkit/handles.h"

namespace tk {

// A picture-button face: a black image of the size of bitmap resource `sizeResource`, grown to
// `atLeast` in each direction where that is larger, with the caption centred on it in `colour`
// on a black text background.
BitmapHandle MakeCaptionFace(const std::wstring& caption, HFONT font, int sizeResource,
                             COLORREF colour, SIZE atLeast = {0, 0});

}  // namespace tk
