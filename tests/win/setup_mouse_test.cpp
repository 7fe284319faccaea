// The Mouse page and the activity chooser, driven through the real controls of the setup
// dialog: sliders moved as the trackbar notifies, grids clicked and keyed, the chooser opened
// from them and answered through its own buttons and keys.
#include <gmock/gmock.h>

#include "controls_fixture.h"
#include "setup/joystick_tab.h"
#include "setup/mouse_tab.h"

namespace {

constexpr int kFireItem = 6;  // the chooser's items: the empty one, then the 42 activities

class MousePageTest : public ControlsPageTest {
 protected:
  MouseTab& Page() { return *Form().FindPage<MouseTab>(); }
  ChooseActivityDialog& Chooser() { return Page().Chooser(); }
  ChooserRef TheChooser() {
    return [this]() -> ChooseActivityDialog& { return Page().Chooser(); };
  }
  GridRef ClickGrid() {
    return [this]() -> tk::Grid& { return Page().grid_Click; };
  }
  GridRef DoubleClickGrid() {
    return [this]() -> tk::Grid& { return Page().grid_DoubleClick; };
  }
  std::vector<std::wstring> Column(const tk::Grid& grid) {
    std::vector<std::wstring> cells;
    for (int row = 0; row < grid.RowCount(); ++row) cells.push_back(grid.CellText(row, 0));
    return cells;
  }
};

TEST_F(MousePageTest, TheDefaultsShowOnEveryControl) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  ASSERT_TRUE(OpenSetupOn(kMousePage, [&] {
    MouseTab& page = Page();
    EXPECT_EQ(page.slider_Sensitivity.Position(), 64);
    EXPECT_EQ(page.slider_Sensitivity.Maximum(), 256);
    EXPECT_EQ(page.slider_Sensitivity.PageSize(), 32);
    EXPECT_EQ(page.label_Sensitivity.Text(), L" 1.00");
    EXPECT_EQ(page.analog.slider_XScale.Position(), 16);
    EXPECT_EQ(page.analog.slider_XScale.Minimum(), -128);
    EXPECT_EQ(page.analog.label_XScaleValue.Text(), L" 1.00");
    EXPECT_EQ(page.analog.slider_YScale.Position(), 16);
    EXPECT_EQ(page.analog.label_YScaleValue.Text(), L" 1.00");
    EXPECT_TRUE(page.optb_AimingToggle.IsChecked());
    EXPECT_FALSE(page.optb_AimingMomentary.IsChecked());
    EXPECT_EQ(page.grid_Click.ColumnHeading(0), L"Щелчок");
    EXPECT_EQ(page.grid_DoubleClick.ColumnHeading(0), L"Двойной щелчок");
    EXPECT_EQ(page.grid_DigitalSetup.ColumnHeading(0), L"Действие");
    EXPECT_THAT(
        Column(page.grid_Click),
        ::testing::ElementsAre(Caption("Fire"), Caption("Move_Forward"), Caption("Strafe")));
    EXPECT_THAT(Column(page.grid_DoubleClick), ::testing::ElementsAre(L"", L"", L"Открыть"));
    EXPECT_THAT(Column(page.grid_DigitalSetup), ::testing::ElementsAre(L"", L"", L"", L""));
    EXPECT_EQ(page.analog.combo_XAxis.Count(), 3);
    EXPECT_EQ(page.analog.combo_XAxis.ItemText(page.analog.combo_XAxis.Selected()),
              L"Пропорциональный поворот");
    EXPECT_EQ(page.analog.combo_YAxis.ItemText(page.analog.combo_YAxis.Selected()),
              L"Пропорциональное движение");
    EXPECT_EQ(page.cb_DefaultMouse.Text(), L"  Установить\r\nпо умолчанию");
    EXPECT_EQ(page.label_DigitalSetup.Text(), L"Цифровые\nустановки:");
    // No grid shows a current cell before it has the focus.
    EXPECT_EQ(page.grid_Click.CurrentRow(), -1);
    EXPECT_EQ(page.GridPatch().Records().size(), 3u);
  }));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MousePageTest, SlidersStoreFixedPointAndShowOutOfRangeValuesAtTheirEnds) {
  ASSERT_TRUE(StartShellOn([] {
    NoSoundCard();
    SetValue("MouseSensitivity", 1000);
    SetValue("MouseAnalogScale0", 1048576);
    SetValue("MouseAnalogScale1", 70000);
  }));
  boxes.answer = IDYES;
  std::vector<int> positions;
  std::vector<std::wstring> labels;
  std::vector<int32_t> stored;
  ASSERT_TRUE(OpenSetupOn(kMousePage, [&] {
    MouseTab& page = Page();
    positions = {page.slider_Sensitivity.Position(), page.analog.slider_XScale.Position(),
                 page.analog.slider_YScale.Position()};
    labels = {page.label_Sensitivity.Text(), page.analog.label_XScaleValue.Text(),
              page.analog.label_YScaleValue.Text()};
    stored = {Value("MouseSensitivity"), Value("MouseAnalogScale0")};
    MoveSlider(page.analog.slider_XScale, -128);
    stored.push_back(Value("MouseAnalogScale0"));
    labels.push_back(page.analog.label_XScaleValue.Text());
    MoveSlider(page.analog.slider_XScale, 0);
    stored.push_back(Value("MouseAnalogScale0"));
    labels.push_back(page.analog.label_XScaleValue.Text());
  }));
  // 70000 / 4096 truncates to 17.
  EXPECT_THAT(positions, ::testing::ElementsAre(1, 128, 17));
  EXPECT_THAT(labels, ::testing::ElementsAre(L" 0.02", L" 8.00", L" 1.06", L" -8.00", L" 0.00"));
  EXPECT_THAT(stored, ::testing::ElementsAre(1000, 1048576, -524288, 0));
  EXPECT_TRUE(HasLine("MouseSensitivity = 1000")) << ConfigBytes();
  EXPECT_TRUE(HasLine("MouseAnalogScale0 = 0"));
  EXPECT_TRUE(HasLine("MouseAnalogScale1 = 70000"));
}

// An inverted axis is a negative scale in the file: the next opening must show it, and a save
// made for another page's change must keep it.
TEST_F(MousePageTest, AnInvertedScaleSurvivesReopeningAndASaveFromAnotherPage) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  boxes.answer = IDYES;
  ASSERT_TRUE(OpenSetupOn(kMousePage, [&] { MoveSlider(Page().analog.slider_XScale, -128); }));
  ASSERT_TRUE(HasLine("MouseAnalogScale0 = -524288")) << ConfigBytes();
  ASSERT_TRUE(OpenSetup({WhenOpen(), SelectTab(kMousePage), Do([&] {
                           EXPECT_EQ(Page().analog.slider_XScale.Position(), -128);
                           EXPECT_EQ(Page().analog.label_XScaleValue.Text(), L" -8.00");
                         }),
                         SelectTab(kJoystickPage),
                         Do([&] { Form().FindPage<JoystickTab>()->checkbox_Rudder.Click(); }),
                         PressKey(VK_ESCAPE)}));
  EXPECT_EQ(boxes.shown.size(), 2u);  // both closings asked, and both saved
  EXPECT_TRUE(HasLine("EnableRudder = 1"));
  EXPECT_TRUE(HasLine("MouseAnalogScale0 = -524288")) << ConfigBytes();
}

TEST_F(MousePageTest, AimingAndAxisFunctionsAreStoredAsChosen) {
  ASSERT_TRUE(StartShellOn([] {
    NoSoundCard();
    SetText1("MouseAnalogAxes1", "");
  }));
  ASSERT_TRUE(OpenSetupOn(kMousePage, [&] {
    MouseTab& page = Page();
    EXPECT_EQ(page.analog.combo_YAxis.Selected(), -1);  // an empty function selects nothing
    page.optb_AimingMomentary.Click();
    EXPECT_EQ(Value("MouseAiming"), 1);
    page.optb_AimingToggle.Click();
    EXPECT_EQ(Value("MouseAiming"), 0);
    page.optb_AimingMomentary.Click();
    page.analog.combo_XAxis.Select(1);
    SendMessageW(page.hwnd(), WM_COMMAND, MAKEWPARAM(page.analog.combo_XAxis.id(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(page.analog.combo_XAxis.hwnd()));
  }));
  EXPECT_EQ(Value("MouseAiming"), 1);
  EXPECT_EQ(Text1("MouseAnalogAxes0"), "analog_strafing");
  EXPECT_EQ(Text1("MouseAnalogAxes1"), "");
}

TEST_F(MousePageTest, TheChooserOffersEveryActivityAndEnterOnTheMiddleRowStoresFire) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  ASSERT_TRUE(OpenSetup(
      Join({{WhenOpen(), SelectTab(kMousePage)},
            {SelectCell(ClickGrid(), 1, 0), PressKey(VK_RETURN)},
            {WhenChooserOpen(TheChooser()), Do([&] {
               tk::ListBox& list = Chooser().lb_ChooseActivity;
               ASSERT_EQ(list.Count(), 43);
               EXPECT_EQ(list.ItemText(0), L"");
               EXPECT_EQ(list.ItemText(1), L"Вперед");
               EXPECT_EQ(list.ItemText(42), L"Предыдущее оружие");
               EXPECT_EQ(list.ItemText(kFireItem), L"Огонь");
               EXPECT_EQ(list.Selected(), 0);
               EXPECT_TRUE(list.HasFocus());
               EXPECT_FALSE(IsWindowEnabled(Form().hwnd()));
             }),
             AcceptItem(TheChooser(), kFireItem), WhenChooserClosed(TheChooser()), Do([&] {
               EXPECT_TRUE(Page().grid_Click.HasFocus());
               EXPECT_EQ(Page().grid_Click.CurrentRow(), 1);
               EXPECT_EQ(Page().grid_Click.CellText(1, 0), L"Огонь");
             }),
             PressKey(VK_ESCAPE)}})));
  EXPECT_EQ(Text1("MouseButton2"), "Fire");
  EXPECT_EQ(Text1("MouseButton0"), "Fire");  // one activity may serve two buttons
  EXPECT_TRUE(ChooseActivityDialog::chosenFlag);
}

// A CBT hook that refuses the windows `refusedOwner` would own, as a system short of resources
// may refuse them.
HWND refusedOwner = nullptr;
int refusedCount = 0;
LRESULT CALLBACK RefuseOwnedWindows(int code, WPARAM w, LPARAM l) {
  const auto* window =
      code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDW*>(l)->lpcs : nullptr;
  if (window && window->hwndParent == refusedOwner && !(window->style & WS_CHILD)) {
    ++refusedCount;
    return 1;
  }
  return CallNextHookEx(nullptr, code, w, l);
}

// A chooser that cannot open chooses nothing, whatever the run before it chose.
TEST_F(MousePageTest, AChooserThatDoesNotOpenStoresNothing) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  HHOOK refusal = nullptr;
  ASSERT_TRUE(OpenSetup(
      {WhenOpen(), SelectTab(kMousePage), SelectCell(ClickGrid(), 1, 0), PressKey(VK_RETURN),
       WhenChooserOpen(TheChooser()), AcceptItem(TheChooser(), kFireItem),
       WhenChooserClosed(TheChooser()), SelectCell(ClickGrid(), 2, 0), Do([&] {
         refusedOwner = Form().hwnd();
         refusal = SetWindowsHookExW(WH_CBT, &RefuseOwnedWindows, nullptr, GetCurrentThreadId());
       }),
       PressKey(VK_RETURN), Do([&] {
         UnhookWindowsHookEx(refusal);
         EXPECT_EQ(Page().grid_Click.CellText(2, 0), Caption("Strafe"));
       }),
       PressKey(VK_ESCAPE)}));
  EXPECT_EQ(Text1("MouseButton2"), "Fire");
  EXPECT_EQ(Text1("MouseButton1"), "Strafe");
}

// Alt+Enter and Alt+Space are the dialog's system keys: on an activity cell they open no
// chooser, where a plain Enter does (each attempt is counted as the refused chooser window).
TEST_F(MousePageTest, AltEnterAndAltSpaceOpenNoChooser) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  std::vector<int> attempts;
  ASSERT_TRUE(OpenSetup({WhenOpen(), SelectTab(kMousePage), SelectCell(ClickGrid(), 1, 0), Do([&] {
                           refusedOwner = Form().hwnd();
                           refusedCount = 0;
                           HHOOK refusal = SetWindowsHookExW(WH_CBT, &RefuseOwnedWindows, nullptr,
                                                             GetCurrentThreadId());
                           const HWND grid = Page().grid_Click.hwnd();
                           const LPARAM alt = LPARAM(1) << 29;
                           for (WORD key : {VK_RETURN, VK_SPACE}) {
                             const LPARAM data = LPARAM(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
                             SendMessageW(grid, WM_SYSKEYDOWN, key, data | 1 | alt);
                             attempts.push_back(refusedCount);
                             SendMessageW(grid, WM_KEYDOWN, key, data | 1);
                             attempts.push_back(refusedCount);
                           }
                           UnhookWindowsHookEx(refusal);
                         }),
                         PressKey(VK_ESCAPE)}));
  EXPECT_THAT(attempts, ::testing::ElementsAre(0, 1, 1, 2));
}

TEST_F(MousePageTest, TheEmptyItemClearsTheMiddleDoubleClick) {
  ASSERT_TRUE(StartShellOn([] {
    NoSoundCard();
    SetText1("MouseButtonClicked2", "Jump");
  }));
  ASSERT_TRUE(OpenSetup(
      {WhenOpen(), SelectTab(kMousePage),
       Do([&] { EXPECT_EQ(Page().grid_DoubleClick.CellText(1, 0), L"Прыгнуть"); }),
       DoubleClickCell(DoubleClickGrid(), 1, 0), WhenChooserOpen(TheChooser()),
       AcceptItem(TheChooser(), 0), WhenChooserClosed(TheChooser()),
       Do([&] { EXPECT_EQ(Page().grid_DoubleClick.CellText(1, 0), L""); }), PressKey(VK_ESCAPE)}));
  EXPECT_EQ(Text1("MouseButtonClicked2"), "");
}

// Cancel, Esc and the close box, each with another item than the first selected.
TEST_F(MousePageTest, CancelEscAndTheCloseBoxChangeNothing) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  std::vector<bool> flags;
  const ModalStep closers[] = {
      Do([&] { Chooser().cb_Cancel.Click(); }), PressKey(VK_ESCAPE),
      Do([&] { PostMessageW(Chooser().hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); })};
  std::vector<ModalStep> steps{WhenOpen(), SelectTab(kMousePage)};
  for (const ModalStep& close : closers) {
    steps.insert(steps.end(), {DoubleClickCell(ClickGrid(), 0, 0), WhenChooserOpen(TheChooser()),
                               Do([&] { Chooser().lb_ChooseActivity.Select(10); }), close,
                               WhenChooserClosed(TheChooser()),
                               Do([&] { flags.push_back(ChooseActivityDialog::chosenFlag); })});
  }
  steps.push_back(Do([&] { EXPECT_EQ(Page().grid_Click.CellText(0, 0), L"Огонь"); }));
  steps.push_back(PressKey(VK_ESCAPE));
  ASSERT_TRUE(OpenSetup(steps));
  EXPECT_THAT(flags, ::testing::ElementsAre(false, false, false));
  EXPECT_EQ(Text1("MouseButton0"), "Fire");
  EXPECT_TRUE(boxes.shown.empty());  // nothing changed, nothing to save
}

TEST_F(MousePageTest, TheResetRestoresTheMouseEntriesOnly) {
  ASSERT_TRUE(StartShellOn([] {
    NoSoundCard();
    SetValue("MouseSensitivity", 5000);
    SetValue("MouseAiming", 1);
    SetText1("MouseButton0", "Jump");
    SetText1("MouseDigitalAxes0_1", "Run");
    SetText1("MouseAnalogAxes0", "analog_moving");
    SetValue("MouseAnalogScale1", 4096);
    SetValue("ControllerType", 2);
    SetValue("EnableRudder", 1);
    SetText1("JoystickButton0", "Jump");
    SetText1("GamePadDigitalAxes0_0", "Run");
  }));
  std::vector<std::wstring> shown;
  ASSERT_TRUE(OpenSetupOn(kMousePage, [&] {
    MouseTab& page = Page();
    page.cb_DefaultMouse.Click();
    shown = {page.grid_Click.CellText(0, 0),
             page.grid_DigitalSetup.CellText(3, 0),
             page.label_Sensitivity.Text(),
             page.analog.label_YScaleValue.Text(),
             page.analog.combo_XAxis.ItemText(page.analog.combo_XAxis.Selected()),
             page.optb_AimingToggle.IsChecked() ? L"toggle" : L"held"};
    EXPECT_EQ(page.GridPatch().Records().size(), 3u);
  }));
  EXPECT_THAT(shown, ::testing::ElementsAre(L"Огонь", L"", L" 1.00", L" 1.00",
                                            L"Пропорциональный поворот", L"toggle"));
  EXPECT_EQ(Value("MouseSensitivity"), 32768);
  EXPECT_EQ(Text1("MouseButton0"), "Fire");
  EXPECT_EQ(Text1("MouseDigitalAxes0_1"), "");
  EXPECT_EQ(Value("ControllerType"), 2);
  EXPECT_EQ(Value("EnableRudder"), 1);
  EXPECT_EQ(Text1("JoystickButton0"), "Jump");
  EXPECT_EQ(Text1("GamePadDigitalAxes0_0"), "Run");
}

// A hand-edited file may name something that is no activity: the lookup says so, and the cell
// shows the name between angle brackets.
TEST_F(MousePageTest, ANameThatIsNoActivityIsReportedAndMarked) {
  ASSERT_TRUE(StartShellOn([] {
    NoSoundCard();
    SetText1("MouseButton1", "Fly");
  }));
  ASSERT_TRUE(
      OpenSetupOn(kMousePage, [&] { EXPECT_EQ(Page().grid_Click.CellText(2, 0), L"<Fly>"); }));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, L"GetKeyDefinitonsEntry(): \"Fly\" is incorrect");
  EXPECT_EQ(Text1("MouseButton1"), "Fly");
}

// Not run by the suite: the page and its chooser, for screenshots
// (--gtest_also_run_disabled_tests).
TEST_F(MousePageTest, DISABLED_ShowsThePageAndTheChooserForScreenshots) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  ASSERT_TRUE(
      OpenSetup({WhenOpen(), SelectTab(kMousePage), SelectCell(ClickGrid(), 1, 0), Hold(4000),
                 PressKey(VK_RETURN), WhenChooserOpen(TheChooser()), Hold(4000),
                 PressKey(VK_ESCAPE), WhenChooserClosed(TheChooser()), PressKey(VK_ESCAPE)}));
}

}  // namespace
