#include "toolkit/canvas.h"

namespace tk {

namespace {

BitmapLoader& Loader() {
  static BitmapLoader loader;
  return loader;
}

HBITMAP LoadBitmapImage(HINSTANCE module, const wchar_t* name, UINT flags) {
  if (Loader()) return Loader()(module, name, flags);
  return static_cast<HBITMAP>(LoadImageW(module, name, IMAGE_BITMAP, 0, 0, flags));
}

}  // namespace

BitmapLoader SetBitmapLoader(BitmapLoader loader) {
  BitmapLoader previous = std::move(Loader());
  Loader() = std::move(loader);
  return previous;
}

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

// A device-independent section first, whose pixels read back as stored. RLE resources have
// always allowed a device-dependent bitmap, which is the way back when no section comes: the
// picture is never left out for want of one.
bool Canvas::LoadBitmapResource(int id) {
  HMODULE program = GetModuleHandleW(nullptr);
  HBITMAP image = LoadBitmapImage(program, MAKEINTRESOURCEW(id), LR_CREATEDIBSECTION);
  if (!image) image = LoadBitmapImage(program, MAKEINTRESOURCEW(id), 0);
  return Select(BitmapHandle(image));
}

bool Canvas::LoadBitmapFile(const std::wstring& path) {
  return Select(
      BitmapHandle(LoadBitmapImage(nullptr, path.c_str(), LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
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
