// The logo window: placement from the video window's size notice, the video and its timer,
// Esc, and the repaint of the main window where the logo was.
#include <gtest/gtest.h>

#include "shell/logo_form.h"
#include "shell_fixture.h"

namespace {

class LogoTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    install.CopyIn(wt::TestProgramDir() + L"KzR\\logo.avi", L"KzR\\logo.avi");
  }
  LogoForm& Logo() { return main->ButtonBar().Logo(); }
  // The size notice that the video window sends once it has its new size.
  void ReportVideoSize(int cx, int cy) {
    SetWindowPos(Logo().mediapl_Logo.hwnd(), nullptr, 0, 0, cx, cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(Logo().hwnd(), WM_USER + 202, WPARAM(Logo().mediapl_Logo.hwnd()), 0);
  }
  void PressEscape() {
    HWND target = GetFocus();
    if (!target || (target != Logo().hwnd() && !IsChild(Logo().hwnd(), target)))
      target = Logo().hwnd();
    PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  }
};

// Esc closes the window, and the main window repaints where it was.
TEST_F(LogoTest, TheVideoPlaysDoubledInABorderlessWindowAtTheTopCentreUntilEsc) {
  ASSERT_TRUE(StartShell());
  sounds->log.clear();
  Logo().Show();
  ASSERT_TRUE(Logo().IsOpen());
  HWND logo = Logo().hwnd();
  EXPECT_EQ(GetWindow(logo, GW_OWNER), nullptr);
  const LONG_PTR style = GetWindowLongPtrW(logo, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
  EXPECT_TRUE(IsWindowVisible(logo));
  EXPECT_EQ(Logo().mediapl_Logo.Zoom(), 200u);
  EXPECT_TRUE(Logo().mediapl_Logo.IsOpen());
  EXPECT_TRUE(Logo().TimerRunning());
  EXPECT_EQ(sounds->log, std::vector<std::string>{"stop [bar]"});
  EXPECT_TRUE(boxes.shown.empty());

  // The 160 x 120 video at 200 %: the control reports 322 x 242.
  const int w = GetSystemMetrics(SM_CXSCREEN);
  RECT video = wt::WindowRect(Logo().mediapl_Logo.hwnd());
  const int cx = video.right - video.left, cy = video.bottom - video.top;
  EXPECT_EQ(cx, 322);
  EXPECT_EQ(cy, 242);
  const LONG left = (w - (cx - 2)) / 2;
  EXPECT_TRUE(wt::SameRect(wt::WindowRect(logo), {left, 0, left + cx - 2, cy - 2}));
  EXPECT_EQ(video.left - left, -2);
  EXPECT_EQ(video.top, -2);

  ReportVideoSize(642, 482);
  const LONG wider = w == 1024 ? 192 : (w - 640) / 2;
  EXPECT_TRUE(wt::SameRect(wt::WindowRect(logo), {wider, 0, wider + 640, 480}));

  // Playing: the position moves on; a new window plays from the start again.
  ASSERT_TRUE(wt::PumpUntil([&] { return Logo().mediapl_Logo.Position() > 3; }, 5000));
  const long before = Logo().mediapl_Logo.Position();
  Logo().Show();
  EXPECT_NE(Logo().hwnd(), logo);
  EXPECT_FALSE(IsWindow(logo));
  EXPECT_LT(Logo().mediapl_Logo.Position(), before);

  // Windows come and go; their brushes and fonts go with them.
  Logo().Close();
  const long gdi = tk::LiveObjects::Gdi().load();
  for (int i = 0; i < 3; ++i) {
    Logo().Show();
    Logo().Close();
  }
  EXPECT_FALSE(Logo().IsOpen());
  EXPECT_EQ(tk::LiveObjects::Gdi().load(), gdi);

  Logo().Show();
  ASSERT_TRUE(Logo().IsOpen());
  // Esc closes it at once: long before the window's own 27 seconds, however loaded the machine.
  PressEscape();
  ASSERT_TRUE(wt::PumpUntil([&] { return !Logo().IsOpen(); }, 5000));
  EXPECT_FALSE(Logo().TimerRunning());

  // Hidden first, so that the system has nothing left to expose: the update region that
  // remains is the logo's own doing.
  Logo().Show();
  const RECT covered = wt::WindowRect(Logo().hwnd());
  ShowWindow(Logo().hwnd(), SW_HIDE);
  wt::PumpFor(100);
  ValidateRect(main->hwnd(), nullptr);
  DestroyWindow(Logo().hwnd());
  RECT update{};
  ASSERT_TRUE(GetUpdateRect(main->hwnd(), &update, FALSE));
  EXPECT_TRUE(wt::SameRect(update, covered));
  ASSERT_TRUE(wt::PumpUntil([&] { return !GetUpdateRect(main->hwnd(), nullptr, FALSE); }));
}

TEST_F(LogoTest, WithoutTheVideoTheWindowStaysBlackUntilEsc) {
  ASSERT_TRUE(StartShell());
  DeleteFileW(install.Join(L"KzR\\logo.avi").c_str());
  sounds->log.clear();
  Logo().Show();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, L"Cannot open the 'KzR\\logo.avi' file");
  EXPECT_TRUE(Logo().IsOpen());
  EXPECT_FALSE(Logo().TimerRunning());
  EXPECT_TRUE(sounds->log.empty());  // sounds are left alone here

  // A file that the video window cannot open: no message, no timer either.
  install.Write(L"KzR\\logo.avi", "not a video");
  Logo().Show();
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_FALSE(Logo().TimerRunning());
  PressEscape();
  ASSERT_TRUE(wt::PumpUntil([&] { return !Logo().IsOpen(); }, 2000));
}

}  // namespace
