// The corners of the Keyboard page's key capture: what else may happen while a key is awaited,
// and what a key taken as the awaited one may leave behind.
#include <gmock/gmock.h>

#include <windows.h>
#include <commctrl.h>

#include "keyboard_page_fixture.h"

using ::testing::ElementsAre;

namespace {

// Bit 29 of the key data: Alt is held (the context code of a system key).
constexpr LPARAM kAltHeld = LPARAM(1) << 29;

// An Alt taken while a key is awaited, refused (the defaults give Strafe the left Alt) or
// accepted (the right Alt is free): once it is let go, the next key still moves the grid.
TEST_F(KeyboardPageTest, AnAltTakenOrRefusedLeavesNoMenuModeBehind) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  std::vector<std::wstring> statuses;
  std::vector<int> rows;
  auto status = [&] { statuses.push_back(Status()); };
  auto row = [&] { rows.push_back(Grid().CurrentRow()); };
  ASSERT_TRUE(OpenSetup(
      Join({OpenPage(),
            Change(2, 1),
            {Key(VK_MENU, KeyData(VK_MENU) | kAltHeld), Do(status), Key(VK_DOWN), Do(row)},
            Change(5, 2),
            {Key(VK_MENU, KeyData(VK_MENU, true) | kAltHeld), Do(status), Key(VK_DOWN), Do(row),
             CloseBox()}})));
  EXPECT_THAT(statuses, ElementsAre(L"Клавиша занята!", L""));
  EXPECT_THAT(rows, ElementsAre(3, 6));
  EXPECT_EQ(Key2(5), "RAlt");
}

// Alt+Enter and Alt+Space come to the focused grid as system keys: neither is the Enter or
// Space that starts a key change. They are sent to the grid: through the loop, Alt+Space would
// also open the dialog's window menu (from its WM_SYSCHAR), which is not looked at here.
TEST_F(KeyboardPageTest, AltEnterAndAltSpaceOnAKeyCellStartNoKeyChange) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  std::vector<bool> waiting;
  ASSERT_TRUE(OpenSetup(Join({OpenPage(),
                              {Do([&] {
                                 Click(3, 1, false);
                                 for (WORD key : {VK_RETURN, VK_SPACE}) {
                                   SendMessageW(Grid().hwnd(), WM_SYSKEYDOWN, key,
                                                KeyData(key) | kAltHeld);
                                   waiting.push_back(Page().WaitingForKey());
                                   if (Page().WaitingForKey()) Page().EndKeyChange();
                                 }
                               }),
                               CloseBox()}})));
  EXPECT_THAT(waiting, ElementsAre(false, false));
}

// A click on the Mouse page's tab while a key is awaited ends the wait as F8 does: the hidden
// grid takes no focus, and the next key (Y, which no activity has) is no key of this page.
TEST_F(KeyboardPageTest, AnotherPagesTabEndsTheWaitAsF8Does) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  ASSERT_TRUE(OpenSetup(
      Join({OpenPage(),
            Change(4, 1),
            {Do([&] {
               RECT tab{};
               Form().tabctrl_1.Send(TCM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&tab));
               const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
               PostMessageW(Form().tabctrl_1.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
               PostMessageW(Form().tabctrl_1.hwnd(), WM_LBUTTONUP, 0, at);
             }),
             Do([&] {
               EXPECT_FALSE(Page().WaitingForKey());
               EXPECT_EQ(Status(), L"");
               EXPECT_FALSE(Grid().HasFocus());
             }),
             Key('Y'), CloseBox()}})));
  EXPECT_EQ(Key1(4), "LAlt");  // Strafe's, as it was
}

// The close box while a key is awaited: the dialog closes and asks its save question. A key
// pressed under the question (Y, which no activity has) answers the question; it is not the
// awaited key, and the file keeps what the page showed.
TEST_F(KeyboardPageTest, AKeyPressedUnderTheSaveQuestionIsNotTheAwaitedKey) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  boxes.answer = IDYES;
  boxes.holdMs = 1500;
  ASSERT_TRUE(OpenSetup(Join({OpenPage(),
                              Change(0, 2),
                              {Key(VK_F9)},
                              Change(6, 1),
                              {CloseBox(), [&] { return !boxes.shown.empty(); }, Do([&] {
                                 PostMessageW(Bar(), WM_KEYDOWN, 'Y', KeyData('Y'));
                                 PostMessageW(Bar(), WM_KEYUP, 'Y', KeyData('Y') | 0xC0000000);
                               })}})));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(HasLine("Move_Forward = \"Up\" \"\"")) << ConfigBytes();
  EXPECT_TRUE(HasLine("Open = \"Space\" \"\""));
}

}  // namespace
