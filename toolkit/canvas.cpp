#include "toolkit/canvas.h"

namespace tk {

Canvas::~Canvas() { Release(); }

void Canvas::Release() {
  if (dc_ && previous_) SelectObject(dc_.get(), previous_);
  previous_ = nullptr;
  bitmap_.reset();
  dc_.reset();
  width_ = height_ = 0;
}

bool Canvas::Select(BitmapHandle bitmap) {
  Release();
  if (!bitmap) return false;
  BITMAP info{};
  GetObjectW(bitmap.get(), sizeof info, &info);
  dc_ = MemoryDc(CreateCompatibleDC(nullptr));
  if (!dc_) return false;
  bitmap_ = std::move(bitmap);
  previous_ = SelectObject(dc_.get(), bitmap_.get());
  width_ = info.bmWidth;
  height_ = info.bmHeight;
  return true;
}

bool Canvas::LoadBitmapResource(int id) {
  HANDLE image = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                            LR_CREATEDIBSECTION);
  return Select(BitmapHandle(static_cast<HBITMAP>(image)));
}

bool Canvas::LoadBitmapFile(const std::wstring& path) {
  HANDLE image =
      LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  return Select(BitmapHandle(static_cast<HBITMAP>(image)));
}

bool Canvas::CreateBlank(int width, int height, COLORREF fill) {
  HDC screen = GetDC(nullptr);
  BitmapHandle bitmap(CreateCompatibleBitmap(screen, width, height));
  ReleaseDC(nullptr, screen);
  if (!Select(std::move(bitmap))) return false;
  RECT all{0, 0, width, height};
  BrushHandle brush(CreateSolidBrush(fill));
  FillRect(dc_.get(), &all, brush.get());
  return true;
}

BitmapHandle Canvas::TakeBitmap() {
  if (dc_ && previous_) SelectObject(dc_.get(), previous_);
  previous_ = nullptr;
  BitmapHandle out = std::move(bitmap_);
  Release();
  return out;
}

void Canvas::StretchTo(HDC target, int x, int y, int width, int height) const {
  if (!dc_) return;
  SetStretchBltMode(target, COLORONCOLOR);
  StretchBlt(target, x, y, width, height, dc_.get(), 0, 0, width_, height_, SRCCOPY);
}

void Canvas::CopyTo(HDC target, int x, int y) const {
  if (dc_) BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

TextPen::TextPen(HDC dc, HFONT font, COLORREF text, COLORREF background)
    : dc_(dc),
      oldText_(SetTextColor(dc, text)),
      oldBack_(SetBkColor(dc, background)),
      oldMode_(SetBkMode(dc, OPAQUE)) {
  if (font) oldFont_ = SelectObject(dc, font);
}

TextPen::~TextPen() {
  if (oldFont_) SelectObject(dc_, oldFont_);
  SetTextColor(dc_, oldText_);
  SetBkColor(dc_, oldBack_);
  SetBkMode(dc_, oldMode_);
}

SIZE TextPen::Extent(const std::wstring& text) const {
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.c_str(), int(text.size()), &size);
  return size;
}

void TextPen::Draw(int x, int y, const std::wstring& text) const {
  TextOutW(dc_, x, y, text.c_str(), int(text.size()));
}

}  // namespace tk
