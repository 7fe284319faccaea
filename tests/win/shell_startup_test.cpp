// The shell's start, its button bar and its end, driven through the real windows.
#include <gmock/gmock.h>

#include <algorithm>

#include "shell/application_class.h"
#include "picture_button_check.h"
#include "shell_fixture.h"
#include "shell/shutdown.h"
#include "toolkit/canvas.h"
#include "toolkit/paths.h"
#include "toolkit/seams_win.h"

using ::testing::ElementsAre;

namespace {

TEST_F(ShellTest, StartsFullScreenAndShowsTheBarOfFourCaptionedButtonsAfterTheFirstPaint) {
  ASSERT_TRUE(StartShell());
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_TRUE(wt::SameRect(wt::WindowRect(main->hwnd()), {0, 0, w, h}));
  EXPECT_EQ(GetWindowLongPtrW(main->hwnd(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);

  RECT bar = wt::WindowRect(Bar());
  EXPECT_EQ(bar.top, h * 77 / 100);
  EXPECT_EQ(bar.left, (w - (bar.right - bar.left)) / 2);
  EXPECT_EQ(GetWindow(Bar(), GW_OWNER), main->hwnd());

  // Detection and the configuration check run before the bar; the switch sound plays once the
  // bar shows, then the loop sound replaces the start-up sound.
  EXPECT_THAT(sounds->log, ElementsAre("loop KzR\\flag.wav", "detect", "config check",
                                       "sync KzR\\swith.wav [bar]", "loop KzR\\logo.wav [bar]"));
  EXPECT_TRUE(boxes.shown.empty());
  wchar_t current[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, current);
  EXPECT_EQ(std::wstring(current) + L"\\", install.path());

  ButtonBarForm& buttonBar = main->ButtonBar();
  tk::PictureButton* buttons[] = {&buttonBar.pictbttn_Game, &buttonBar.pictbttn_Help,
                                  &buttonBar.pictbttn_Setup, &buttonBar.pictbttn_Exit};
  const wchar_t* captions[] = {L"Игра", L"Помощь", L"Настройка", L"Выход"};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(buttons[k]->Text(), captions[k]);
    ASSERT_NE(buttons[k]->Face(), nullptr);
    BITMAP face{};
    GetObjectW(buttons[k]->Face(), sizeof face, &face);
    // The picture's 100 x 73, or the button's own size where that is larger.
    const RECT button = wt::ClientRect(buttons[k]->hwnd());
    EXPECT_EQ(face.bmWidth, std::max<LONG>(100, button.right));
    EXPECT_EQ(face.bmHeight, std::max<LONG>(73, button.bottom));
    const LONG_PTR style = GetWindowLongPtrW(buttons[k]->hwnd(), GWL_STYLE);
    EXPECT_EQ((style & WS_TABSTOP) != 0, k == 0) << k;
  }
}

// A system that gives no section for the background's RLE resource: the picture comes all the
// same (the horizon's orange, where a window without it stays black).
TEST_F(ShellTest, TheBackgroundShowsWhenNoSectionCanBeMadeOfIt) {
  tk::SetBitmapLoader([](HINSTANCE module, const wchar_t* name, UINT flags) {
    if (flags & LR_CREATEDIBSECTION) return HBITMAP();
    return static_cast<HBITMAP>(LoadImageW(module, name, IMAGE_BITMAP, 0, 0, flags));
  });
  const bool started = StartShell();
  tk::SetBitmapLoader(nullptr);
  ASSERT_TRUE(started);
  HDC window = GetDC(main->hwnd());
  const COLORREF horizon =
      GetPixel(window, GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) * 60 / 100);
  ReleaseDC(main->hwnd(), window);
  EXPECT_GT(int(GetRValue(horizon)), 100) << std::hex << horizon;
}

// Also run at 144 dots per inch, where the buttons outgrow the picture.
TEST_F(ShellTest, EveryPictureButtonFaceCoversItsButtonAndHoldsItsCaption) {
  ASSERT_TRUE(StartShell());
  ButtonBarForm& bar = main->ButtonBar();
  for (tk::PictureButton* button :
       {&bar.pictbttn_Game, &bar.pictbttn_Help, &bar.pictbttn_Setup, &bar.pictbttn_Exit})
    EXPECT_TRUE(wt::FaceHoldsCaption(*button)) << button->name();
}

TEST_F(ShellTest, AMissingStartUpSoundIsReportedOnceAndTheStartGoesOn) {
  omitted = {L"flag.wav"};
  ASSERT_TRUE(StartShell());
  ASSERT_EQ(boxes.shown.size(), 1u);
  const tk::MessageBoxRequest& box = boxes.shown[0];
  EXPECT_EQ(box.text, L"Cannot open the 'KzR\\flag.wav' file");
  EXPECT_FALSE(box.caption.has_value());
  EXPECT_EQ(box.type & MB_ICONMASK, UINT(MB_ICONSTOP));
  EXPECT_EQ(box.type & MB_TYPEMASK, UINT(MB_OK));
  EXPECT_EQ(sounds->log.front(), "loop (none)");
  EXPECT_EQ(sounds->log.back(), "loop KzR\\logo.wav [bar]");
}

TEST_F(ShellTest, AnyArgumentStartsTheGameOnceAfterTheBarAndTheSounds) {
  argumentCount = 2;
  ASSERT_TRUE(StartShell());
  wt::PumpFor(300);  // the posted start runs; shows that it runs once
  EXPECT_THAT(sounds->log,
              ElementsAre("loop KzR\\flag.wav", "detect", "config check",
                          "sync KzR\\swith.wav [bar]", "loop KzR\\logo.wav [bar]", "launch [bar]"));
}

TEST_F(ShellTest, EachButtonPlaysTheClickSoundsThenItsActionButNotWhileTheGameRuns) {
  // Without arguments, the game waits for its click.
  ASSERT_TRUE(StartShell());
  ButtonBarForm& bar = main->ButtonBar();
  wt::PumpFor(300);  // shows that without an argument nothing starts
  EXPECT_EQ(std::count(sounds->log.begin(), sounds->log.end(), "launch [bar]"), 0);
  sounds->log.clear();
  bar.pictbttn_Game.Click();
  bar.pictbttn_Help.Click();
  bar.pictbttn_Setup.Click();
  EXPECT_THAT(sounds->log,
              ElementsAre("sync KzR\\swith.wav [bar]", "loop KzR\\logo.wav [bar]", "launch [bar]",
                          "sync KzR\\swith.wav [bar]", "loop KzR\\logo.wav [bar]", "help",
                          "sync KzR\\swith.wav [bar]", "loop KzR\\logo.wav [bar]", "setup"));

  // While the game runs, clicks are ignored.
  STARTUPINFOW startup{};
  ASSERT_TRUE(bar.GameProcess().Start(L"\"" + tk::ProgramPath() + L"\" --sleep=1500", 0, startup));
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_IDLE);
  sounds->log.clear();
  bar.pictbttn_Help.Click();
  bar.pictbttn_Exit.Click();
  EXPECT_TRUE(sounds->log.empty());
  EXPECT_EQ(ShutdownRuns(), 0);
  EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_IDLE);

  ASSERT_TRUE(wt::PumpUntil([&] { return !bar.IsBusy(); }));
  bar.pictbttn_Help.Click();
  EXPECT_THAT(sounds->log,
              ElementsAre("sync KzR\\swith.wav [bar]", "loop KzR\\logo.wav [bar]", "help"));
  EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_NORMAL);
}

TEST_F(ShellTest, ExitTwiceAndClosingTheBarShutDownOnceAndLeaveNoGdiObjectBehind) {
  const long gdi = tk::LiveObjects::Gdi().load();
  ASSERT_TRUE(StartShell());
  EXPECT_GT(tk::LiveObjects::Gdi().load(), gdi + 4);  // picture, fonts and faces at least
  sounds->log.clear();
  main->ButtonBar().pictbttn_Exit.Click();
  main->ButtonBar().pictbttn_Exit.Click();
  DestroyWindow(Bar());
  EXPECT_EQ(ShutdownRuns(), 1);
  EXPECT_THAT(sounds->log,
              ElementsAre("sync KzR\\swith.wav [bar]", "loop KzR\\logo.wav [bar]", "stop [bar]",
                          "sync KzR\\swith.wav [bar]", "loop KzR\\logo.wav [bar]"));
  ASSERT_TRUE(wt::PumpUntil([] { return wt::QuitPosted(); }));
  EXPECT_EQ(wt::QuitCode(), 0);
  main.reset();
  EXPECT_EQ(tk::LiveObjects::Gdi().load(), gdi);
}

TEST_F(ShellTest, ClosingTheMainWindowEndsTheProgram) {
  ASSERT_TRUE(StartShell());
  HWND bar = Bar();
  SendMessageW(main->hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(bar));
  EXPECT_EQ(main->hwnd(), nullptr);
  EXPECT_EQ(ShutdownRuns(), 1);
  ASSERT_TRUE(wt::PumpUntil([] { return wt::QuitPosted(); }));
  EXPECT_EQ(wt::QuitCode(), 0);
}

// The application object runs the whole life: start, message loop, end.
TEST(ShellApplicationTest, ExitEndsTheProcessWithCodeZero) {
  wt::ScratchFolder install;
  install.MakeFolder(L"KzR");
  tk::InstallWindowsSeams();
  wt::RedirectedFiles files(install.path());
  kz::InstalledSeams().files = &files;
  wt::MessageBoxRecorder boxes;
  ShellActions actions = DefaultShellActions();
  ApplicationClass app(actions, 1);
  static ApplicationClass* running = &app;
  // Press Exit as soon as the bar shows, from within the application's own loop.
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    MainForm* form = running->Main();
    if (!form || !form->ButtonBar().hwnd() || !IsWindowVisible(form->ButtonBar().hwnd())) return;
    KillTimer(nullptr, id);
    form->ButtonBar().pictbttn_Exit.Click();
  });
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(app.Main(), nullptr);
  EXPECT_EQ(ShutdownRuns(), 1);
  EXPECT_EQ(boxes.shown.size(), 3u);  // no media at all: three sounds reported missing
}

}  // namespace
