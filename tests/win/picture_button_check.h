// What a player sees of a picture button, at any dots per inch.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "toolkit/canvas.h"
#include "toolkit/picture_button.h"

namespace wt {

// The face covers the whole button, and the caption, measured in the button's font, fits both
// on the face and inside the button's edge.
inline ::testing::AssertionResult FaceHoldsCaption(const tk::PictureButton& button) {
  RECT inside;
  GetClientRect(button.hwnd(), &inside);
  BITMAP face{};
  GetObjectW(button.Face(), sizeof face, &face);
  if (face.bmWidth < inside.right || face.bmHeight < inside.bottom)
    return ::testing::AssertionFailure()
           << "a face of " << face.bmWidth << " x " << face.bmHeight << " on a button of "
           << inside.right << " x " << inside.bottom;
  InflateRect(&inside, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  HDC screen = GetDC(nullptr);
  SIZE text;
  {
    tk::TextPen pen(screen, reinterpret_cast<HFONT>(button.Send(WM_GETFONT)), 0, 0);
    text = pen.Extent(button.Text());
  }
  ReleaseDC(nullptr, screen);
  const LONG width = std::min<LONG>(face.bmWidth, inside.right - inside.left);
  const LONG height = std::min<LONG>(face.bmHeight, inside.bottom - inside.top);
  if (text.cx > width || text.cy > height)
    return ::testing::AssertionFailure()
           << "\"" << button.Text() << "\" needs " << text.cx << " x " << text.cy
           << ", the face shows " << width << " x " << height;
  return ::testing::AssertionSuccess();
}

}  // namespace wt
