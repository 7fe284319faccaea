// Long sessions in one process: the setup dialog opened and closed a hundred times; and a
// player's evening beside the game, the setup dialog opened a hundred times with every page
// visited, changed and saved, the game launched fifty times, the help opened a hundred times.
// Kernel handles, windows and the GDI and USER objects of the toolkit's wrappers must end where
// they began, and each save must hold what was set.
#include <gmock/gmock.h>

#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <cstdio>

#include "config/setup_section.h"
#include "setup/joystick_tab.h"
#include "setup/keyboard_tab.h"
#include "setup/mouse_tab.h"
#include "setup/screen_tab.h"
#include "setup/sound_tab.h"
#include "setup/system_tab.h"
#include "setup_fixture.h"
#include "shell/help_form.h"
#include "shell/launch_game.h"
#include "shell/shell_actions.h"
#include "toolkit/handles.h"
#include "toolkit/text.h"

namespace {

struct Resources {
  int kernelHandles;
  int windows;
  long gdi;
  long user;
  bool operator==(const Resources&) const = default;
};

void PrintTo(const Resources& r, std::ostream* out) {
  *out << "{handles " << r.kernelHandles << ", windows " << r.windows << ", gdi " << r.gdi
       << ", user " << r.user << "}";
}

Resources Measure() {
  return {KernelHandleCount(), ThreadWindowCount(), tk::LiveObjects::Gdi().load(),
          tk::LiveObjects::User().load()};
}

// The values that each page's change sets, read back from the saved file.
struct Saved {
  int screenWidth, fxVolume, controllerType, enableRudder, mouseAiming;
  std::string forwardKey2;
  bool operator==(const Saved&) const = default;
};

class LongSessionTest : public SetupTest {
 protected:
  void SetUp() override {
    SetupTest::SetUp();
    actions.launchGame = LaunchGame;
    actions.showHelp = ShowHelp;
    install.CopyIn(wt::TestProgramDir() + L"voltra.exe", L"voltra.exe");
    install.CopyIn(wt::TestProgramDir() + L"KzR\\logo.avi", L"KzR\\logo.avi");
    for (int page = 0; page < kHelpPageCount; ++page)
      install.Write(tk::Widen(HelpPageFile(page)),
                    wt::SolidBitmap(kHelpPictureWidth, kHelpPictureHeight, RGB(page * 30, 90, 0)));
    wt::WriteInstallValue(L"Main Folder", install.Folder());
    SetEnvironmentVariableW(L"VOLTRA_LOG", install.Join(L"game.log").c_str());
    SetEnvironmentVariableW(L"VOLTRA_SECONDS", L"30");  // ended by Esc long before
  }
  void TearDown() override {
    SetupTest::TearDown();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, wt::kInstallKey, L"Main Folder");
  }

  // One opening: every page visited and changed one way or the other, then Esc and Yes.
  bool OpenChangeAndSave(bool second) {
    return OpenSetup({WhenOpen(), Do([&] {
                        ScreenTab& page = *Form().FindPage<ScreenTab>();
                        (second ? page.optb_640x480 : page.optb_800x600).Click();
                      }),
                      SelectTab(1), Do([&] {
                        SoundTab& page = *Form().FindPage<SoundTab>();
                        page.slider_FX.Send(TBM_SETPOS, TRUE, second ? 60 : 40);
                        SendMessageW(page.hwnd(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                                     LPARAM(page.slider_FX.hwnd()));
                      }),
                      SelectTab(2), Do([&] {
                        KeyboardTab& page = *Form().FindPage<KeyboardTab>();
                        page.grid_Activities.Focus();
                        page.grid_Activities.SetCurrentRow(0);
                        page.grid_Activities.SetCurrentColumn(2);
                        if (second) page.cb_DefaultKeys.Click();
                      }),
                      second ? Do([] {}) : PressKey(VK_RETURN),
                      second ? Do([] {}) : PressKey(VK_F9), SelectTab(3), Do([&] {
                        MouseTab& page = *Form().FindPage<MouseTab>();
                        (second ? page.optb_AimingToggle : page.optb_AimingMomentary).Click();
                      }),
                      SelectTab(4),
                      Do([&] { Form().FindPage<JoystickTab>()->checkbox_Rudder.Click(); }),
                      SelectTab(5), Do([&] {
                        SystemTab& page = *Form().FindPage<SystemTab>();
                        (second ? page.optb_KbdOnly : page.optb_KbdAndMouse).Click();
                      }),
                      PressKey(VK_ESCAPE)});
  }
  Saved ReadSaved() {
    Saved s{};
    if (!KzSetupSection::LoadConfigFile(tk::Narrow(install.Join(kCfgName)))) return s;
    s.screenWidth = KzSetupSection::GetScreen_SetupEntry("ScreenWidth")->value;
    s.fxVolume = KzSetupSection::GetSound_SetupEntry("FXVolume", false)->value;
    s.controllerType = KzSetupSection::GetControlsEntry("ControllerType")->value;
    s.enableRudder = KzSetupSection::GetControlsEntry("EnableRudder")->value;
    s.mouseAiming = KzSetupSection::GetControlsEntry("MouseAiming")->value;
    s.forwardKey2 = KzSetupSection::GetKeyDefinitionsRow(0)->text2;
    return s;
  }

  size_t GameStarts() const {
    const std::string log = install.Read(L"game.log");
    size_t count = 0;
    for (size_t at = log.find("pid="); at != std::string::npos; at = log.find("pid=", at + 1))
      ++count;
    return count;
  }
  // The game started once more, then left with Esc as a player leaves it.
  bool LaunchAndLeave() {
    ButtonBarForm& bar = main->ButtonBar();
    const size_t starts = GameStarts();
    bar.pictbttn_Game.Click();
    HWND game = nullptr;
    const bool logged = wt::PumpUntil([&] { return GameStarts() > starts; }, 20000);
    if (!logged ||
        !wt::PumpUntil([&] { return (game = FindWindowW(L"VoltraneStandInGame", nullptr)); },
                       20000)) {
      ADD_FAILURE() << "the game did not start: " << (logged ? "no window" : "no start logged")
                    << " in 20 s; the shell " << (bar.IsBusy() ? "still waits for it" : "is back")
                    << ", " << boxes.shown.size() << " message boxes so far";
      return false;
    }
    PostMessageW(game, WM_KEYDOWN, VK_ESCAPE, 1);
    if (!wt::PumpUntil([&] { return !bar.IsBusy(); }, 20000)) {
      ADD_FAILURE() << "the game did not end";
      return false;
    }
    // Before it ended, the game handed the activation back to one of the shell's windows
    // through this thread's queue (under load, after its wait for the thread had run out).
    // Handled now, it cannot take the focus from a window opened next.
    wt::PumpUntil([] { return true; });
    return true;
  }
  // Opened with the Help button, a page turned with the keyboard, closed with Esc.
  bool HelpVisit() {
    HelpForm& help = main->ButtonBar().Help();
    main->ButtonBar().pictbttn_Help.Click();
    if (!wt::PumpUntil([&] { return help.IsOpen() && IsWindowVisible(help.hwnd()); })) return false;
    for (WORD key : {WORD(VK_NEXT), WORD(VK_ESCAPE)})
      if (!wt::PressKeyOn(help.vscroll_Help.hwnd(), key)) return false;
    return wt::PumpUntil([&] { return !help.IsOpen(); });
  }
};

TEST_F(LongSessionTest, AnEveningOfSetupLaunchesAndHelpEndsWithWhatItBeganWith) {
  WriteConfig(NoSoundCard);
  ASSERT_TRUE(StartShell());
  boxes.answer = IDYES;

  // A first round of each loads what stays loaded: classes, libraries, the forms' fonts.
  ASSERT_TRUE(OpenChangeAndSave(false));
  const Saved first = ReadSaved();
  ASSERT_TRUE(OpenChangeAndSave(true));
  const Saved second = ReadSaved();
  ASSERT_TRUE(LaunchAndLeave());
  ASSERT_TRUE(HelpVisit());
  const Resources start = Measure();
  ASSERT_GT(start.kernelHandles, 0);
  ASSERT_GT(start.windows, 0);

  // Each page's change shows in the file, one way and back.
  EXPECT_EQ(first.screenWidth, 800);
  EXPECT_EQ(second.screenWidth, 640);
  EXPECT_NE(first.fxVolume, second.fxVolume);
  EXPECT_EQ(first.forwardKey2, "");
  EXPECT_EQ(second.forwardKey2, "Kpad8");
  EXPECT_NE(first.mouseAiming, second.mouseAiming);
  EXPECT_NE(first.enableRudder, second.enableRudder);
  EXPECT_NE(first.controllerType, second.controllerType);

  DWORD began = GetTickCount();
  const auto phase = [&](const char* name) {
    const Resources now = Measure();
    std::printf("%s: %lu ms; handles %d, windows %d, gdi %ld, user %ld\n", name,
                GetTickCount() - began, now.kernelHandles, now.windows, now.gdi, now.user);
    began = GetTickCount();
  };
  phase("start");
  for (int i = 0; i < 100; ++i) {
    ASSERT_TRUE(OpenChangeAndSave(i % 2 == 1)) << "opening " << i;
    ASSERT_EQ(ReadSaved(), i % 2 ? second : first) << "opening " << i;
  }
  EXPECT_EQ(boxes.shown.size(), 102u);  // the save question each time, nothing else
  phase("100 setup openings");
  for (int i = 0; i < 50; ++i) ASSERT_TRUE(LaunchAndLeave()) << "launch " << i;
  EXPECT_EQ(GameStarts(), 51u);
  phase("50 launches");
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(HelpVisit()) << "help " << i;
  phase("100 help visits");

  EXPECT_EQ(Measure(), start);
  EXPECT_EQ(boxes.shown.size(), 102u);
  EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_NORMAL);
}

TEST_F(SetupTest, OpeningAndClosingAHundredTimesLeavesNothingBehind) {
  WriteConfig(NoSoundCard);
  ASSERT_TRUE(StartShell());
  const std::vector<ModalStep> visit = {WhenOpen(), SelectTab(5), SelectTab(2),
                                        PressKey(VK_ESCAPE)};
  ASSERT_TRUE(OpenSetup(visit));  // the first opening registers classes and loads libraries
  const Resources start = Measure();
  ASSERT_GT(start.kernelHandles, 0);
  ASSERT_GT(start.windows, 0);
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(OpenSetup(visit)) << i;
  EXPECT_EQ(Measure(), start);
  EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
