// The help window through the real Help button: its layout, the page shown at each scroll
// position (each test page has its own colour, read back from the picture the box shows),
// the reload at every scroll, a missing page, the keyboard, and one window at most.
#include <gmock/gmock.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "shell/help_form.h"
#include "shell/shell_actions.h"
#include "shell_fixture.h"
#include "toolkit/handles.h"
#include "toolkit/text.h"

namespace {

COLORREF PageColour(int page) { return RGB(20 + page * 25, 200 - page * 20, 90); }

class HelpTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    actions.showHelp = ShowHelp;
  }

  void WritePage(int page, COLORREF colour, int width = kHelpPictureWidth,
                 int height = kHelpPictureHeight, int alpha = -1) {
    install.Write(tk::Widen(HelpPageFile(page)), wt::SolidBitmap(width, height, colour, alpha));
  }
  void WritePages(int alpha = -1) {
    for (int page = 0; page < kHelpPageCount; ++page)
      WritePage(page, PageColour(page), kHelpPictureWidth, kHelpPictureHeight, alpha);
  }
  HelpForm& Help() { return main->ButtonBar().Help(); }
  // The shell started on the test's pages (of that alpha), the window opened with Help.
  bool OpenHelpOnPages(int alpha = -1) {
    WritePages(alpha);
    return StartShell() && OpenHelp();
  }
  bool OpenHelp() {
    main->ButtonBar().pictbttn_Help.Click();
    return wt::PumpUntil([this] { return Help().IsOpen() && IsWindowVisible(Help().hwnd()); });
  }
  // A scroll bar action as the bar reports it to its window.
  void Scroll(int code) {
    SendMessageW(Help().hwnd(), WM_VSCROLL, MAKEWPARAM(code, 0),
                 reinterpret_cast<LPARAM>(Help().vscroll_Help.hwnd()));
  }
  // A key as the player presses it, on the scroll bar, which has the focus while the window is
  // open: through the message loop.
  void PressKey(UINT key) {
    ASSERT_TRUE(wt::PressKeyOn(Help().vscroll_Help.hwnd(), key))
        << "the scroll bar has not the focus";
  }
  int Position() { return Help().vscroll_Help.Position(); }
  // The scroll bar at `page`, and that page's picture shown.
  ::testing::AssertionResult AtPage(int page) {
    if (Position() == page && Shown() == PageColour(page)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << Position() << ", showing " << Shown();
  }
  // The colour of the picture the box shows at (x, y); CLR_INVALID without a picture.
  COLORREF Shown(int x = kHelpPictureWidth / 2, int y = kHelpPictureHeight / 2) {
    HBITMAP picture = Help().pictb_Help.Bitmap();
    if (!picture) return CLR_INVALID;
    tk::MemoryDc dc(CreateCompatibleDC(nullptr));
    HGDIOBJ old = SelectObject(dc.get(), picture);
    const COLORREF colour = GetPixel(dc.get(), x, y);
    SelectObject(dc.get(), old);
    return colour;
  }
};

TEST_F(HelpTest, OpensCentredOnceAtTheFirstPageWithThePictureAndTheScrollBarSideBySide) {
  ASSERT_TRUE(OpenHelpOnPages());
  HWND help = Help().hwnd();
  wchar_t caption[64] = {};
  GetWindowTextW(help, caption, 64);
  EXPECT_EQ(std::wstring(caption), L"Помощь");
  EXPECT_EQ(GetWindow(help, GW_OWNER), Bar());
  EXPECT_EQ(Shown(), PageColour(0));
  EXPECT_TRUE(boxes.shown.empty());

  const int scrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  const int clientWidth = 600 + scrollWidth + 5;
  EXPECT_TRUE(wt::SameRect(wt::WindowRect(Help().pictb_Help.hwnd(), help), {0, 0, 600, 450}));
  EXPECT_TRUE(wt::SameRect(wt::ClientRect(help), {0, 0, clientWidth, 450}));
  EXPECT_TRUE(wt::SameRect(wt::WindowRect(Help().vscroll_Help.hwnd(), help),
                           {clientWidth - scrollWidth, 0, clientWidth, 450}));
  const RECT outer = wt::WindowRect(help);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);

  // Help pressed while the window is open brings that window to the front.
  Scroll(SB_LINEDOWN);
  SetForegroundWindow(main->hwnd());
  wt::PumpUntil([&] { return GetForegroundWindow() == main->hwnd(); });
  main->ButtonBar().pictbttn_Help.Click();
  EXPECT_EQ(Help().hwnd(), help);
  EXPECT_TRUE(wt::PumpUntil([&] { return GetForegroundWindow() == help; }));
  EXPECT_EQ(Position(), 1);
  int helpWindows = 0;
  EnumWindows(
      [](HWND w, LPARAM l) {
        wchar_t text[64] = {};
        GetWindowTextW(w, text, 64);
        if (IsWindowVisible(w) && std::wstring(text) == L"Помощь") ++*reinterpret_cast<int*>(l);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&helpWindows));
  EXPECT_EQ(helpWindows, 1);
}

// Each scroll reloads the page's file: a page changed meanwhile shows as it is now.
TEST_F(HelpTest, EachScrollPositionShowsItsPageFromItsFileAndPagingStopsAtTheLast) {
  ASSERT_TRUE(OpenHelpOnPages());
  Scroll(SB_LINEDOWN);
  EXPECT_TRUE(AtPage(1));  // "KzR\LHelp02.bmp"
  for (int i = 0; i < 5; ++i) Scroll(SB_LINEDOWN);
  ASSERT_TRUE(AtPage(6));
  Scroll(SB_PAGEDOWN);
  EXPECT_TRUE(AtPage(7));  // "KzR\LHelp08.bmp"
  Scroll(SB_PAGEDOWN);
  EXPECT_TRUE(AtPage(7));
  Scroll(SB_TOP);
  EXPECT_TRUE(AtPage(0));
  Scroll(SB_LINEDOWN);
  ASSERT_EQ(Shown(), PageColour(1));
  WritePage(0, RGB(250, 10, 10));
  Scroll(SB_LINEUP);
  EXPECT_EQ(Position(), 0);
  EXPECT_EQ(Shown(), RGB(250, 10, 10));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(HelpTest, APictureOfAnotherSizeIsFittedAndAMissingPageIsReportedWithoutAPicture) {
  WritePages();
  WritePage(0, RGB(0, 0, 255), 400, 100);  // four times as wide as high: 600 x 150 in the box
  DeleteFileW(install.Join(L"KzR\\LHelp05.bmp").c_str());
  ASSERT_TRUE(StartShell());
  ASSERT_TRUE(OpenHelp());
  EXPECT_EQ(Shown(300, 225), RGB(0, 0, 255));
  EXPECT_EQ(Shown(10, 160), RGB(0, 0, 255));
  EXPECT_EQ(Shown(300, 140), RGB(0, 0, 0));
  EXPECT_EQ(Shown(300, 310), RGB(0, 0, 0));

  // Scrolling goes on past the missing page.
  for (int i = 0; i < 4; ++i) Scroll(SB_LINEDOWN);
  EXPECT_EQ(Position(), 4);
  EXPECT_EQ(Shown(), CLR_INVALID);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, L"Cannot open the 'KzR\\LHelp05.bmp' file");
  EXPECT_EQ(boxes.shown[0].type & MB_ICONMASK, UINT(MB_ICONSTOP));
  Scroll(SB_LINEDOWN);
  EXPECT_TRUE(AtPage(5));
  EXPECT_EQ(boxes.shown.size(), 1u);
}

// A player without a mouse: the scroll bar has the focus, the arrows and Page Down turn the
// pages, Esc closes the window and the shell goes on.
TEST_F(HelpTest, TheKeyboardTurnsThePagesAndEscClosesTheWindowOnly) {
  // The form keeps its font between openings: the objects are counted from the second one.
  ASSERT_TRUE(OpenHelpOnPages());
  PressKey(VK_ESCAPE);
  const long gdiBefore = tk::LiveObjects::Gdi();
  ASSERT_TRUE(OpenHelp());
  PressKey(VK_DOWN);
  EXPECT_TRUE(AtPage(1));
  PressKey(VK_NEXT);
  EXPECT_EQ(Position(), 2);
  PressKey(VK_UP);
  EXPECT_TRUE(AtPage(1));
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Help().IsOpen());
  EXPECT_FALSE(wt::QuitPosted());
  EXPECT_TRUE(IsWindowVisible(Bar()));
  EXPECT_EQ(tk::LiveObjects::Gdi(), gdiBefore);

  // The next opening starts at the first page again.
  ASSERT_TRUE(OpenHelp());
  EXPECT_TRUE(AtPage(0));
}

// Pages with an alpha channel: the picture box shows a copy of its own of each, which must go
// when the next page comes and when the window closes.
TEST_F(HelpTest, AlphaPagesTurnedAHundredTimesLeaveNoCopyBehind) {
  ASSERT_TRUE(OpenHelpOnPages(0x80));
  std::vector<HBITMAP> shown = {Help().pictb_Help.Bitmap()};
  for (int turn = 1; turn < 100; ++turn) {
    Scroll(Position() == kHelpPageCount - 1 ? SB_TOP : SB_LINEDOWN);
    shown.push_back(Help().pictb_Help.Bitmap());
  }
  PressKey(VK_ESCAPE);
  ASSERT_FALSE(Help().IsOpen());
  const auto alive = std::count_if(shown.begin(), shown.end(),
                                   [](HBITMAP b) { return b && GetObjectType(b) != 0; });
  EXPECT_EQ(alive, 0);
}

// Not run by the suite: shows each of the real help pages, as the build draws them, and saves
// the screen of each as "help-page-N.bmp" beside the test program (the shell makes its own
// folder the current one).
TEST_F(HelpTest, DISABLED_SavesTheScreenWithEachRealPage) {
  for (int page = 0; page < kHelpPageCount; ++page) {
    const std::wstring file = tk::Widen(HelpPageFile(page));
    install.CopyIn(wt::TestProgramDir() + file, file);
  }
  ASSERT_TRUE(StartShell());
  ASSERT_TRUE(OpenHelp());
  for (int page = 0; page < kHelpPageCount; ++page) {
    if (page > 0) Scroll(SB_LINEDOWN);
    wt::PumpFor(700);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    tk::MemoryDc dc(CreateCompatibleDC(screen));
    tk::BitmapHandle shot(CreateCompatibleBitmap(screen, width, height));
    HGDIOBJ old = SelectObject(dc.get(), shot.get());
    BitBlt(dc.get(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(dc.get(), old);
    ReleaseDC(nullptr, screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, 24, BI_RGB};
    const int row = (width * 3 + 3) & ~3;
    std::string bits(size_t(row * height), '\0');
    GetDIBits(dc.get(), shot.get(), 0, height, bits.data(), &info, DIB_RGB_COLORS);
    std::string file = wt::SolidBitmap(width, height, 0).substr(0, 54) + bits;
    char name[32];
    std::snprintf(name, sizeof name, "help-page-%d.bmp", page + 1);
    FILE* out = _wfopen((wt::TestProgramDir() + tk::Widen(name)).c_str(), L"wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
  }
}

}  // namespace
