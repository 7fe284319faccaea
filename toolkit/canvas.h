// An off-screen canvas (a memory DC with its own bitmap) and text drawing on any DC.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/handles.h"

namespace tk {

// Loads a bitmap as LoadImageW does (module, name, flags). A test may put a loader of its own
// in its place, to see what happens when a load fails; an empty one is LoadImageW. Returns the
// previous loader.
using BitmapLoader = std::function<HBITMAP(HINSTANCE module, const wchar_t* name, UINT flags)>;
BitmapLoader SetBitmapLoader(BitmapLoader loader);

class Canvas {
 public:
  Canvas() = default;
  Canvas(Canvas&&) = default;
  Canvas& operator=(Canvas&&) = default;
  ~Canvas();

  // Loads a bitmap resource of the program; false (and an empty canvas) when it is missing.
  bool LoadBitmapResource(int id);
  // Loads a ".bmp" file; false (and an empty canvas) when it cannot be read.
  bool LoadBitmapFile(const std::wstring& path);
  // A blank canvas of the given size, compatible with the screen, filled with the colour.
  bool CreateBlank(int width, int height, COLORREF fill);
  void Release();

  bool Empty() const { return !dc_; }
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  // Hands the bitmap over (deselected from the canvas); the canvas is empty afterwards.
  BitmapHandle TakeBitmap();

  void StretchTo(HDC target, int x, int y, int width, int height) const;
  void CopyTo(HDC target, int x, int y) const;

 private:
  bool Select(BitmapHandle bitmap);

  MemoryDc dc_;
  BitmapHandle bitmap_;
  HGDIOBJ previous_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// Draws text with a font and colours on a DC, restoring the DC's state afterwards.
class TextPen {
 public:
  TextPen(HDC dc, HFONT font, COLORREF text, COLORREF background);
  TextPen(const TextPen&) = delete;
  TextPen& operator=(const TextPen&) = delete;
  ~TextPen();

  SIZE Extent(const std::wstring& text) const;
  void Draw(int x, int y, const std::wstring& text) const;

 private:
  HDC dc_;
  HGDIOBJ oldFont_ = nullptr;
  COLORREF oldText_;
  COLORREF oldBack_;
  int oldMode_;
};

}  // namespace tk
