// Fitting a picture into a box of another size: as large as the box allows, its proportions
// kept, centred, the rest of the box left to the background. Portable arithmetic.
#pragma once

namespace tk {

struct FitRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Where a picture of pictureWidth x pictureHeight lands in a box of boxWidth x boxHeight.
// A picture with no area gets no area.
inline FitRect FitPicture(int pictureWidth, int pictureHeight, int boxWidth, int boxHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0 || boxWidth <= 0 || boxHeight <= 0) return {};
  // Compare the two aspect ratios without division: the wider one meets the box's width.
  const long long byWidth = 1LL * boxWidth * pictureHeight;
  const long long byHeight = 1LL * boxHeight * pictureWidth;
  FitRect r;
  if (byHeight >= byWidth) {
    r.width = boxWidth;
    r.height = int(byWidth / pictureWidth);
  } else {
    r.height = boxHeight;
    r.width = int(byHeight / pictureHeight);
  }
  r.x = (boxWidth - r.width) / 2;
  r.y = (boxHeight - r.height) / 2;
  return r;
}

}  // namespace tk
