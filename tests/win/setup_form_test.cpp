// The setup dialog as the Setup button opens it: layout, tabs and pages, the page icon, the
// animation, the save question on closing, and what nothing may leak across openings.
#include <gmock/gmock.h>

#include "setup/screen_tab.h"
#include "setup_fixture.h"
#include "config/setup_section.h"
#include "toolkit/handles.h"

namespace {

RECT ClientRectIn(HWND parent, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// While held, the animation worker's ticks (the form's user events that come through the
// message loop) are dropped, so that the test's own ticks, sent straight to the form, are the
// only ones: under load the worker's first tick can come before the test's first step.
class WorkerTicks {
 public:
  WorkerTicks() : hook_(SetWindowsHookExW(WH_GETMESSAGE, &Drop, nullptr, GetCurrentThreadId())) {
    held = true;
  }
  ~WorkerTicks() { UnhookWindowsHookEx(hook_); }
  void Release() { held = false; }

 private:
  static LRESULT CALLBACK Drop(int code, WPARAM w, LPARAM l) {
    MSG* msg = reinterpret_cast<MSG*>(l);
    if (code == HC_ACTION && held && msg->message == tk::kUserEventMessage) msg->message = WM_NULL;
    return CallNextHookEx(nullptr, code, w, l);
  }
  static inline bool held = true;
  HHOOK hook_;
};

int VisiblePage(SetupForm& form) {
  int shown = -1, count = 0;
  for (int i = 0; i < kSetupPages; ++i)
    if (IsWindowVisible(form.Page(i)->hwnd())) shown = i, ++count;
  return count == 1 ? shown : -1 - count;
}

TEST_F(SetupTest, OpensFromTheSetupButtonWithItsTabsPagesAndIconsAndClosesWithoutAQuestion) {
  WriteConfig(NoSoundCard);
  const std::string before = ConfigBytes();
  ASSERT_TRUE(StartShell());
  SetupForm& form = Form();
  const wchar_t* captions[] = {L"Экран",  L"Звук", L"Клавиатура", L"Мышь", L"Джойстик и Game Pad",
                               L"Система"};
  std::vector<ModalStep> steps{
      WhenOpen(), Do([&] {
        HWND dialog = form.hwnd();
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), Bar());
        EXPECT_EQ(GetWindowTextLengthW(dialog), 0);
        // Centred on the whole screen.
        RECT outer{};
        GetWindowRect(dialog, &outer);
        EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
        EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
        // Six tabs over six pages, each page a child of the form inside the display area.
        ASSERT_EQ(form.tabctrl_1.Count(), kSetupPages);
        const RECT area = form.tabctrl_1.DisplayArea();
        for (int i = 0; i < kSetupPages; ++i) {
          EXPECT_EQ(form.tabctrl_1.Caption(i), captions[i]);
          ASSERT_NE(form.Page(i), nullptr);
          EXPECT_EQ(GetParent(form.Page(i)->hwnd()), dialog);
          EXPECT_EQ(form.tabctrl_1.Page(i), form.Page(i)->hwnd());
        }
        RECT page = ClientRectIn(dialog, form.Page(0)->hwnd());
        EXPECT_EQ(page.left, area.left);
        EXPECT_EQ(page.top, area.top);
        EXPECT_EQ(form.tabctrl_1.Selected(), 0);
        EXPECT_EQ(VisiblePage(form), 0);
        // Window icon and the first page's icon.
        EXPECT_EQ(
            IconPixels(reinterpret_cast<HICON>(SendMessageW(dialog, WM_GETICON, ICON_BIG, 0))),
            ResourceIconPixels(100));
        EXPECT_EQ(IconPixels(form.pictb_TabIcon.Icon()), ResourceIconPixels(102));
      })};
  // Each tab shows its page alone, under the page's icon.
  for (const auto& [page, icon] : {std::pair(3, 103), std::pair(1, 106), std::pair(5, 107)}) {
    steps.push_back(SelectTab(page));
    steps.push_back(Do([&form, page, icon] {
      EXPECT_EQ(VisiblePage(form), page);
      EXPECT_EQ(IconPixels(form.pictb_TabIcon.Icon()), ResourceIconPixels(icon)) << page;
    }));
  }
  steps.push_back(PressKey(VK_ESCAPE));
  ASSERT_TRUE(OpenSetup(steps));
  EXPECT_NE(ResourceIconPixels(103), ResourceIconPixels(106));
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(ConfigBytes(), before);
}

// A player without a mouse: Ctrl+Tab and Ctrl+PgDn go to the next page, Ctrl+Shift+Tab and
// Ctrl+PgUp to the previous one, wrapping around; the page icon follows as for a click, the
// focus rests on the tab control, and Tab from there enters the shown page.
TEST_F(SetupTest, CtrlTabAndTheCtrlPageKeysWalkThePagesAndTabEntersTheShownOne) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  SetupForm& form = Form();
  const int pageIcons[kSetupPages] = {102, 106, 105, 103, 104, 107};
  std::vector<int> pages;
  int iconMismatches = 0, focusOffTabs = 0;
  const auto note = Do([&] {
    const int page = VisiblePage(form);
    pages.push_back(page);
    if (page < 0 || IconPixels(form.pictb_TabIcon.Icon()) != ResourceIconPixels(pageIcons[page]))
      ++iconMismatches;
    if (GetFocus() != form.tabctrl_1.hwnd()) ++focusOffTabs;
  });
  ASSERT_TRUE(OpenSetup(
      {WhenOpen(), PressChord(VK_TAB), note, PressChord(VK_TAB), note, PressChord(VK_TAB, true),
       note, PressChord(VK_PRIOR), note, PressChord(VK_PRIOR), note, PressChord(VK_NEXT), note,
       PressKey(VK_TAB), Do([&] {
         const HWND focus = GetFocus();
         EXPECT_TRUE(IsChild(form.Page(0)->hwnd(), focus));
         ScreenTab& screen = *form.FindPage<ScreenTab>();
         EXPECT_TRUE(focus == screen.optb_640x480.hwnd() || focus == screen.optb_800x600.hwnd());
       }),
       // From a control inside the page, too.
       PressChord(VK_TAB, true), note, PressKey(VK_ESCAPE)}));
  EXPECT_THAT(pages, ::testing::ElementsAre(1, 2, 1, 0, 5, 0, 5));
  EXPECT_EQ(iconMismatches, 0);
  EXPECT_EQ(focusOffTabs, 0);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SetupTest, TheAnimationSlidesInStepsOfFourAndTurnsAtBothBounds) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  SetupForm& form = Form();
  std::vector<int> xs;
  std::vector<int> shown;  // the frame index of the icon after each tick
  int right = 0, afterTicks = 0, afterWait = 0;
  DWORD waitStart = 0;
  WorkerTicks worker;
  ASSERT_TRUE(OpenSetup(
      {WhenOpen(), Do([&] {
         // Before any tick: at the left edge, showing the form's icon.
         EXPECT_EQ(form.pictb_Animation.Position().x, 0);
         EXPECT_EQ(form.pictb_Animation.Icon(), form.WindowIcon());
         EXPECT_TRUE(form.Animation().Running());
         RECT outer{};
         GetWindowRect(form.hwnd(), &outer);
         right = 65 * (outer.right - outer.left) / 100 - 72;
         EXPECT_EQ(form.Animation().RightBound(), right);
         for (int i = 0; i < kAnimationFrames; ++i)
           EXPECT_EQ(
               IconPixels(form.Animation().FrameIcon(i)),
               FileIconPixels(install.Join(L"KzR\\g_spd" + std::to_wstring(i + 1) + L".ico"), 64))
               << i;
         // Ticks sent straight to the form.
         const int y = form.pictb_Animation.Position().y;
         const int ticks = 2 * (right / 4) + 4;
         for (int k = 0; k < ticks; ++k) {
           SendMessageW(form.hwnd(), tk::kUserEventMessage, 0, 0);
           xs.push_back(form.pictb_Animation.Position().x);
           int frame = -1;
           for (int i = 0; i < kAnimationFrames; ++i)
             if (form.pictb_Animation.Icon() == form.Animation().FrameIcon(i)) frame = i;
           shown.push_back(frame);
           EXPECT_EQ(form.pictb_Animation.Position().y, y);
         }
       }),
       [&] {
         // Then the worker alone, for a second. The script's timer comes only when the queue
         // is empty: the worker's ticks held back until now are gone.
         if (!waitStart) {
           worker.Release();
           waitStart = GetTickCount();
           afterTicks = form.pictb_Animation.Position().x;
         }
         if (GetTickCount() - waitStart < 1000) return false;
         afterWait = form.pictb_Animation.Position().x;
         return true;
       },
       PressKey(VK_ESCAPE)}));
  ASSERT_GT(right, 100);
  // 4, 8, ... up to the first x at or beyond the right bound, one tick there, back in steps
  // of 4 down to 12 (the first x at or below 15), one tick there, then rightward again.
  const int peak = (right + 3) / 4 * 4;
  std::vector<int> expected;
  for (int x = 4; x <= peak; x += 4) expected.push_back(x);
  expected.push_back(peak);
  for (int x = peak - 4; x >= 12; x -= 4) expected.push_back(x);
  expected.push_back(12);
  for (int x = 16; expected.size() < xs.size(); x += 4) expected.push_back(x);
  for (size_t k = 0; k < xs.size(); ++k) ASSERT_EQ(xs[k], expected[k]) << "tick " << k;
  // The frames in order from g_spd1, the first frame shown.
  for (size_t k = 0; k < shown.size(); ++k) ASSERT_EQ(shown[k], int(k % 4)) << k;
  // About five ticks of the worker in that second.
  EXPECT_GE(afterWait - afterTicks, 3 * 4);
  EXPECT_LE(afterWait - afterTicks, 7 * 4);
  // After closing: no worker, no frames.
  EXPECT_FALSE(form.Animation().Running());
  for (int i = 0; i < kAnimationFrames; ++i) EXPECT_EQ(form.Animation().FrameIcon(i), nullptr);
}

TEST_F(SetupTest, AMissingAnimationFrameIsReportedAndLeavesItsFrameEmpty) {
  WriteConfig(NoSoundCard);
  DeleteFileW(install.Join(L"KzR\\g_spd3.ico").c_str());
  ASSERT_TRUE(StartShell());
  SetupForm& form = Form();
  std::vector<bool> showsIcon;
  WorkerTicks worker;
  ASSERT_TRUE(OpenSetupOn(0, [&] {
    for (int k = 0; k < 4; ++k) {
      SendMessageW(form.hwnd(), tk::kUserEventMessage, 0, 0);
      showsIcon.push_back(form.pictb_Animation.Icon() != nullptr);
    }
  }));
  EXPECT_EQ(showsIcon, (std::vector<bool>{true, true, false, true}));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, L"Cannot open the 'KzR\\g_spd3.ico' file");
  EXPECT_EQ(boxes.shown[0].type & MB_ICONMASK, UINT(MB_ICONSTOP));
}

}  // namespace

namespace {

// Not run by the suite: keeps each page and the real save question on the screen for a few
// seconds, so that screenshots can be taken (--gtest_also_run_disabled_tests).
TEST_F(SetupTest, DISABLED_ShowsThePagesAndTheQuestionForScreenshots) {
  WriteConfig();
  ASSERT_TRUE(StartShell());
  tk::SetMessageBoxHook(nullptr);
  ASSERT_TRUE(OpenSetup({WhenOpen(), Hold(3000), SelectTab(5), Hold(3000),
                         Do([&] { Form().FindPage<ScreenTab>()->optb_800x600.Click(); }),
                         PressKey(VK_ESCAPE), Hold(3000), Do([] {
                           HWND box = FindWindowW(L"#32770", nullptr);
                           if (box) PostMessageW(box, WM_COMMAND, IDNO, 0);
                         })}));
}

}  // namespace
