// The main window's arithmetic on a 640 x 480 screen, read back from the painted pixels.
#include <vector>

#include "shell_fixture.h"
#include "toolkit/canvas.h"
#include "toolkit/font.h"

namespace {

// The window's client area as 32-bit pixels, top-down.
class Snapshot {
 public:
  explicit Snapshot(HWND hwnd) {
    const RECT r = wt::ClientRect(hwnd);
    width = r.right, height = r.bottom;
    HDC window = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(window);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY);
    GdiFlush();
    pixels.assign(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + width * height);
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(hwnd, window);
  }
  // Silver text on black: every channel well above the picture's darkest parts.
  bool Lit(int x, int y) const {
    DWORD p = pixels[size_t(y) * width + x];
    return (p & 0xFF) > 100 && (p >> 8 & 0xFF) > 100 && (p >> 16 & 0xFF) > 100;
  }
  bool AnyColour(int x, int y) const { return (pixels[size_t(y) * width + x] & 0xFFFFFF) != 0; }
  // The box around the lit pixels of the rows [top, bottom); empty when there are none.
  RECT LitBox(int top, int bottom, int left = 0, int right = -1) const {
    if (right < 0) right = width;
    RECT box{width, height, -1, -1};
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if (Lit(x, y)) {
          box.left = std::min<LONG>(box.left, x), box.right = std::max<LONG>(box.right, x + 1);
          box.top = std::min<LONG>(box.top, y), box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    return box;
  }
  int width, height;
  std::vector<DWORD> pixels;
};

SIZE TextSize(const std::wstring& text) {
  tk::FontHandle font = tk::CreateFontFromText("12.Courier.CharSet=204");
  HDC screen = GetDC(nullptr);
  SIZE size;
  {
    tk::TextPen pen(screen, font.get(), RGB(192, 192, 192), 0);
    size = pen.Extent(text);
  }
  ReleaseDC(nullptr, screen);
  return size;
}

void Repaint(HWND hwnd) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  wt::PumpFor(100);
}

TEST_F(ShellTest, OnA640By480ScreenTheBarAndTheWaitingTextSitWhereTheyShould) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
  ASSERT_TRUE(StartShell());
  const RECT bar = wt::WindowRect(Bar());
  EXPECT_EQ(bar.top, 369);
  EXPECT_EQ(bar.left, (640 - (bar.right - bar.left)) / 2);

  main->SetWaiting();
  main->StartWaitTimer();
  const DWORD started = GetTickCount();
  Repaint(main->hwnd());
  Snapshot waiting(main->hwnd());
  // No picture: above the caption lines only the waiting text is lit, inside its own box.
  const SIZE text = TextSize(L"ПОДОЖДИТЕ  НЕМНОГО...");
  const RECT box = waiting.LitBox(0, 480 * 95 / 100);
  ASSERT_GE(box.right, 0) << "no waiting text was painted";
  EXPECT_GE(box.top, 120);
  EXPECT_LT(box.top, 120 + text.cy / 2);
  EXPECT_LE(box.bottom, 120 + text.cy);
  EXPECT_GE(box.left, (640 - text.cx) / 2);
  EXPECT_LE(box.right, (640 - text.cx) / 2 + text.cx);
  EXPECT_FALSE(waiting.AnyColour(320, 280));

  // The caption lines: 10 pixels in from either side, their tops at 95 % of the height.
  const RECT left = waiting.LitBox(456, 480, 0, 320), right = waiting.LitBox(456, 480, 320);
  EXPECT_GE(left.left, 10);
  EXPECT_LE(left.left, 13);
  EXPECT_LE(right.right, 630);
  EXPECT_GE(right.right, 626);
  EXPECT_GE(left.top, 456);

  // The timer ends the waiting 15 s later; the next paint shows the picture again.
  ASSERT_TRUE(wt::PumpUntil([&] { return !main->IsWaiting(); }, 20000));
  const DWORD elapsed = GetTickCount() - started;
  EXPECT_GE(elapsed, 14800u);
  EXPECT_LE(elapsed, 16500u);
  Repaint(main->hwnd());
  Snapshot picture(main->hwnd());
  EXPECT_TRUE(picture.AnyColour(320, 280));  // the glow over the hills
}

}  // namespace
