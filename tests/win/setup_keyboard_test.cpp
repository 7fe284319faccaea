// The Keyboard page of the setup dialog, driven through its real grid with keys and clicks that
// go through the dialog's message loop, so that the page's key observer sees them as it sees a
// player's keys.
#include <gmock/gmock.h>

#include "config/cp1251.h"
#include "config/setup_keys.h"
#include "config/setup_section.h"
#include "keyboard_page_fixture.h"
#include "toolkit/text.h"

namespace {

// The status after a key that is in use, or that cannot be a key.
constexpr const wchar_t* kTaken = L"Клавиша занята!";
constexpr const wchar_t* kNotApplicable = L"Клавиша\nнеприменима!";

std::wstring Shown(const std::string& shortName) {
  return tk::Widen(kz::Cp1251ToUtf8(KzSetupKeys::DisplayName(shortName)));
}

void ClearAllKeys() {
  for (int row = 0; row < kActivities; ++row) {
    KzSetupEntry* entry = KzSetupSection::GetKeyDefinitionsRow(row);
    SetEntryText(entry->text1, "");
    SetEntryText(entry->text2, "");
  }
}

TEST_F(KeyboardPageTest, ShowsTheActivitiesAndKeepsTheCurrentCellOnlyWhileFocused) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  std::vector<std::pair<int, int>> cells;
  auto note = [&] { cells.emplace_back(Grid().CurrentRow(), Grid().CurrentColumn()); };
  ASSERT_TRUE(OpenSetup({WhenOpen(), SelectTab(kKeyboardPage), Do([&] {
                           KeyboardTab& page = Page();
                           ASSERT_EQ(Grid().ColumnCount(), 3);
                           EXPECT_EQ(Grid().ColumnHeading(0), L"Действие");
                           EXPECT_EQ(Grid().ColumnHeading(1), L"Клавиша 1");
                           EXPECT_EQ(Grid().ColumnHeading(2), L"Клавиша 2");
                           ASSERT_EQ(Grid().RowCount(), kActivities);
                           EXPECT_EQ(Grid().CellText(0, 0), L"Вперед");
                           EXPECT_EQ(Grid().CellText(0, 1), L"Стрелка вверх");
                           EXPECT_EQ(Grid().CellText(0, 2), L"8 (справа)");
                           EXPECT_EQ(Grid().CellText(4, 2), L"Никакой");
                           EXPECT_EQ(Grid().CellText(41, 0), L"Предыдущее оружие");
                           EXPECT_EQ(page.label_Help.Text(),
                                     L"Enter, пробел дают\nразрешение изменить\nвыбранную "
                                     L"клавишу.\n\nF9 - никакая клавиша,\nF8 - отмена.");
                           EXPECT_EQ(page.label_IsAssigned.Text(), L"");
                           note();  // no cell before the first focus
                           Grid().Focus();
                           note();  // row 0, key 1
                           page.cb_DefaultKeys.Focus();
                           note();  // hidden
                           Grid().Focus();
                           note();  // back
                         }),
                         // Navigation: Down keeps the column, Left onto the names comes back
                         // to key 1, End and Home go to the last and first rows.
                         Key(VK_RIGHT), Key(VK_DOWN), Key(VK_DOWN), Do(note), Key(VK_LEFT),
                         Key(VK_LEFT), Do(note), Key(VK_END), Do([&] {
                           note();
                           EXPECT_GT(Grid().TopRow(), 0);  // scrolled to show the last row
                         }),
                         Key(VK_HOME), Do(note), Key(VK_NEXT), Do(note),
                         // Leaving for the button and coming back keeps the moved-to cell.
                         Do([&] {
                           Page().cb_DefaultKeys.Focus();
                           note();
                           Grid().Focus();
                           note();
                         }),
                         PressKey(VK_ESCAPE)}));
  const int page = cells[8].first;
  EXPECT_GT(page, 5);
  EXPECT_THAT(cells, ::testing::ElementsAre(std::pair(-1, 1), std::pair(0, 1), std::pair(-1, 1),
                                            std::pair(0, 1), std::pair(2, 2), std::pair(2, 1),
                                            std::pair(41, 1), std::pair(0, 1), std::pair(page, 1),
                                            std::pair(-1, 1), std::pair(page, 1)));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(KeyboardPageTest, F9ClearsAKeyAndTheFileThenHoldsAnEmptyName) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  boxes.answer = IDYES;
  ASSERT_TRUE(OpenSetup(Join({OpenPage(),
                              Change(0, 2),
                              {Do([&] {
                                 EXPECT_TRUE(Page().WaitingForKey());
                                 EXPECT_EQ(Status(), L"Меняйте клавишу");
                                 EXPECT_FALSE(Grid().IsEnabled());
                               }),
                               Key(VK_F9), Do([&] {
                                 EXPECT_FALSE(Page().WaitingForKey());
                                 EXPECT_EQ(Grid().CellText(0, 2), L"Никакой");
                                 EXPECT_EQ(Status(), L"");
                                 EXPECT_TRUE(Grid().HasFocus());
                               }),
                               PressKey(VK_ESCAPE)}})));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(HasLine("Move_Forward = \"Up\" \"\"")) << ConfigBytes();
}

TEST_F(KeyboardPageTest, RefusesKeysInUseWhateverTheirCaseAndF8Cancels) {
  // Jump holds a lower-case "q", as a hand-edited file may.
  ASSERT_TRUE(StartShellOn([] {
    NoSoundCard();
    SetEntryText(KzSetupSection::GetKeyDefinitionsRow(9)->text1, "q");
  }));
  std::vector<std::wstring> statuses;
  auto note = [&] { statuses.push_back(Status()); };
  ASSERT_TRUE(OpenSetup(Join({OpenPage(),
                              Change(0, 1),
                              {Key(VK_UP, KeyData(VK_UP, true)), Do(note)},
                              Change(0, 1),
                              {Key(VK_NUMPAD8), Do(note)},
                              Change(1, 2),
                              {Key('Q'), Do(note)},
                              Change(1, 2),
                              {Key(VK_ESCAPE), Do(note)},
                              Change(1, 2),
                              {Key(VK_F8), Do([&] {
                                 note();
                                 EXPECT_FALSE(Page().WaitingForKey());
                               })},
                              {PressKey(VK_ESCAPE)}})));
  EXPECT_THAT(statuses, ::testing::ElementsAre(kTaken, kTaken, kTaken, kNotApplicable, L""));
  EXPECT_EQ(Key1(0), "Up");
  EXPECT_EQ(Key2(0), "Kpad8");
  EXPECT_EQ(Key2(1), "Kpad2");
  EXPECT_TRUE(boxes.shown.empty());  // nothing changed
}

TEST_F(KeyboardPageTest, LeftAndRightModifiersAndTheTwoEntersGoToDifferentActivities) {
  ASSERT_TRUE(StartShellOn(ClearAllKeys));
  struct Press {
    WORD key;
    bool extended;
    UINT scan;
  };
  const std::vector<Press> presses = {{VK_CONTROL, false, 0},  {VK_CONTROL, true, 0},
                                      {VK_MENU, false, 0},     {VK_MENU, true, 0},
                                      {VK_SHIFT, false, 0x2A}, {VK_SHIFT, false, 0x36},
                                      {VK_RETURN, false, 0},   {VK_RETURN, true, 0}};
  std::vector<ModalStep> steps = OpenPage();
  std::vector<std::wstring> statuses;
  for (size_t i = 0; i < presses.size(); ++i) {
    const Press p = presses[i];
    for (ModalStep& step : Change(int(i), 1)) steps.push_back(step);
    steps.push_back(Key(p.key, KeyData(p.key, p.extended, false, p.scan), false));
    steps.push_back(Do([&] { statuses.push_back(Status()); }));
  }
  steps.push_back(Do([&] { EXPECT_EQ(Grid().CellText(7, 1), L"Enter (справа)"); }));
  steps.push_back(PressKey(VK_ESCAPE));
  ASSERT_TRUE(OpenSetup(steps));
  EXPECT_THAT(statuses, ::testing::Each(std::wstring()));
  std::vector<std::string> names;
  for (int row = 0; row < 8; ++row) names.push_back(Key1(row));
  EXPECT_THAT(names, ::testing::ElementsAre("LCtrl", "RCtrl", "LAlt", "RAlt", "LShift", "RShift",
                                            "Enter", "KpdEnt"));
}

TEST_F(KeyboardPageTest, HeldEnterStartsOneChangeAndItsRepeatIsTheNewKey) {
  ASSERT_TRUE(StartShellOn(ClearAllKeys));
  std::vector<bool> waiting;
  auto note = [&] { waiting.push_back(Page().WaitingForKey()); };
  const LPARAM repeat = KeyData(VK_RETURN, false, true);
  ASSERT_TRUE(OpenSetup(Join({OpenPage(),
                              {Do([&] { Click(3, 2, false); })},
                              // A repeat on a cell starts nothing.
                              {Key(VK_RETURN, repeat), Do(note)},
                              // Held down: the first press, then its repeats.
                              {Key(VK_RETURN), Do(note), Key(VK_RETURN, repeat), Do(note),
                               Key(VK_RETURN, repeat), Do(note), PressKey(VK_ESCAPE)}})));
  EXPECT_THAT(waiting, ::testing::ElementsAre(false, true, false, false));
  EXPECT_EQ(Key2(3), "Enter");
}

TEST_F(KeyboardPageTest, NamesColumnHandsOverToKey1AndADoubleClickChangesIt) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  boxes.answer = IDYES;
  ASSERT_TRUE(OpenSetup(Join({OpenPage(),
                              {Do([&] {
                                 Click(2, 2, false);
                                 Click(2, 0, false);
                                 EXPECT_EQ(Grid().CurrentColumn(), 1);
                                 Click(10, 0, true);  // Crouch's caption
                                 EXPECT_TRUE(Page().WaitingForKey());
                               }),
                               Key('X'), PressKey(VK_ESCAPE)}})));
  EXPECT_TRUE(HasLine("Crouch = \"X\" \"\"")) << ConfigBytes();
}

TEST_F(KeyboardPageTest, TheDefaultsButtonRestoresEveryKeyAndKeepsTheStatus) {
  WriteConfig({}, L"defaults.cfg");
  ASSERT_TRUE(StartShellOn(ClearAllKeys));
  boxes.answer = IDYES;
  std::vector<std::wstring> before, after;
  std::wstring status;
  ASSERT_TRUE(OpenSetup(Join({OpenPage(),
                              Change(0, 1),
                              {Key(VK_F11), Do([&] {
                                 before.push_back(Grid().CellText(5, 1));
                                 Page().cb_DefaultKeys.Click();
                                 status = Status();
                                 for (int row = 0; row < kActivities; ++row) {
                                   after.push_back(Grid().CellText(row, 1));
                                   after.push_back(Grid().CellText(row, 2));
                                 }
                               }),
                               PressKey(VK_ESCAPE)}})));
  EXPECT_EQ(before[0], L"Никакой");
  EXPECT_EQ(status, kNotApplicable);
  std::vector<std::wstring> defaults;
  for (int row = 0; row < kActivities; ++row) {
    defaults.push_back(Shown(Key1(row)));
    defaults.push_back(Shown(Key2(row)));
  }
  EXPECT_EQ(after, defaults);
  EXPECT_EQ(after[10], L"Левый Ctrl");  // Fire
  // Every key in the saved file as in a file of the defaults.
  auto keys = [](const std::string& file) {
    const size_t from = file.find("[KeyDefinitions]");
    return file.substr(from, file.find("\r\n[", from + 1) - from);
  };
  EXPECT_EQ(keys(ConfigBytes()), keys(ConfigBytes(L"defaults.cfg")));
  EXPECT_TRUE(HasLine("Fire = \"LCtrl\" \"RCtrl\"")) << ConfigBytes();
}

// A player's Esc while the page waits: the disabled grid has no focus, so the key reaches the
// active dialog as a system key, which does not cancel the dialog.
TEST_F(KeyboardPageTest, EscWhileWaitingIsRefusedAndTheDialogStaysOpen) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  ASSERT_TRUE(OpenSetup(
      Join({OpenPage(),
            Change(12, 1),
            {Do([&] {
               EXPECT_EQ(GetFocus(), nullptr);
               PostMessageW(Form().hwnd(), WM_SYSKEYDOWN, VK_ESCAPE, KeyData(VK_ESCAPE));
               PostMessageW(Form().hwnd(), WM_SYSKEYUP, VK_ESCAPE, KeyData(VK_ESCAPE) | 0xC0000000);
             }),
             Do([&] {
               EXPECT_TRUE(Form().hwnd() && IsWindowVisible(Form().hwnd()));
               EXPECT_EQ(Status(), kNotApplicable);
               EXPECT_TRUE(Grid().HasFocus());
             }),
             PressKey(VK_ESCAPE)}})));
  EXPECT_EQ(Key1(12), "PgDn");
  EXPECT_TRUE(boxes.shown.empty());
}

// Not run by the suite: holds the page while it waits for a key, for a screenshot
// (--gtest_also_run_disabled_tests).
TEST_F(KeyboardPageTest, DISABLED_WaitsForAKeyForAScreenshot) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  ASSERT_TRUE(OpenSetup(Join({OpenPage(),
                              {Key(VK_DOWN), Hold(2500)},
                              Change(1, 2),
                              {Hold(5000), Key(VK_F8), PressKey(VK_ESCAPE)}})));
}

}  // namespace
