// The autorun window, in-process: the installed flag, the shell started after two seconds,
// Install, Exit, Esc and the close box, with the stand-in program (its log beside it tells how
// it was started) playing the shell and the installer.
#include <gmock/gmock.h>

#include <memory>

#include "autorun/auto_run_form.h"
#include "autorun/end_autorun.h"
#include "config/install_settings.h"
#include "fake_seams.h"
#include "form_table.h"
#include "picture_button_check.h"
#include "toolkit/seams_win.h"
#include "win_harness.h"

namespace {

// The disc is the folder "Disc\" of the scratch folder; the installed game sits in a folder
// whose name holds a space.
class AutorunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wt::ResetQuit();
    tk::InstallWindowsSeams();
    install.MakeFolder(L"Disc");
    install.MakeFolder(L"Program Files");
    install.MakeFolder(L"Program Files\\Voltrane");
    files = std::make_unique<wt::RedirectedFiles>(install.Join(L"Disc\\"));
    kz::InstalledSeams().files = files.get();
    previousKey = kz::InstalledSeams().installKey;
    kz::InstalledSeams().installKey = &key;
    key.values = {{"Main Folder", wt::Utf8(install.Join(kGame))}, {"Cfg Name", "voltra.cfg"}};
    install.CopyIn(wt::TestProgramDir() + L"setup.exe", kGame + std::wstring(L"\\setupshell.exe"));
  }
  void TearDown() override {
    form.reset();
    kz::InstalledSeams().installKey = previousKey;
  }

  bool Open() {
    form = std::make_unique<AutoRunForm>();
    return form->Create(nullptr) && IsWindowVisible(form->hwnd());
  }
  void PutSetup(const std::wstring& folder) {
    install.CopyIn(wt::TestProgramDir() + L"setup.exe", folder + L"setup.exe");
  }
  // The log of the stand-in at that place ("Disc\setup" for "Disc\setup.exe"), or "".
  std::string Log(const std::wstring& program) const {
    return install.Exists(program + L".log") ? install.Read(program + L".log") : std::string();
  }
  std::string ShellLog() const { return Log(kGame + std::wstring(L"\\setupshell")); }

  static constexpr const wchar_t* kGame = L"Program Files\\Voltrane";
  wt::ScratchFolder install;
  std::unique_ptr<wt::RedirectedFiles> files;
  wt::MessageBoxRecorder boxes;
  FakeInstallKey key;
  kz::InstallKey* previousKey = nullptr;
  std::unique_ptr<AutoRunForm> form;
};

// Unquoted, the shell's path would first be tried as "<scratch>\Program.exe": a decoy sits there.
TEST_F(AutorunTest, InstalledTheShellStartsAfterTwoSecondsQuotedAndTheProgramEnds) {
  install.CopyIn(wt::TestProgramDir() + L"setup.exe", L"Program.exe");
  ASSERT_TRUE(Open());
  EXPECT_TRUE(form->Installed());
  EXPECT_TRUE(form->CountingDown());
  const DWORD opened = GetTickCount();
  wt::PumpFor(1500);  // shows that nothing starts before two seconds
  EXPECT_EQ(ShellLog(), "");
  EXPECT_FALSE(wt::QuitPosted());

  ASSERT_TRUE(wt::PumpUntil([&] { return !ShellLog().empty(); }, 10000));
  EXPECT_GE(GetTickCount() - opened, 1900u);
  const std::string shell = wt::Utf8(install.Join(kGame)) + "\\setupshell.exe";
  EXPECT_THAT(ShellLog(), ::testing::HasSubstr("commandline=\"" + shell + "\"\n"));
  EXPECT_THAT(ShellLog(), ::testing::HasSubstr("started=" + shell + "\n"));
  EXPECT_THAT(ShellLog(), ::testing::HasSubstr("priority_class=0x20\n"));
  wchar_t cwd[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, cwd);
  EXPECT_THAT(ShellLog(), ::testing::HasSubstr("cwd=" + wt::Utf8(cwd) + "\n"));
  EXPECT_EQ(Log(L"Program"), "");
  EXPECT_TRUE(wt::QuitPosted());
  EXPECT_EQ(wt::QuitCode(), 0);
  EXPECT_EQ(EndAutorunRuns(), 1);
  EXPECT_FALSE(form->CountingDown());
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AutorunTest, EscDuringTheCountdownEndsWithoutStartingTheShell) {
  ASSERT_TRUE(Open());
  ASSERT_TRUE(wt::PressKeyOn(form->pictbttn_Install.hwnd(), VK_ESCAPE));
  EXPECT_TRUE(wt::QuitPosted());
  EXPECT_FALSE(form->CountingDown());
  wt::PumpFor(2500);  // shows that the countdown starts nothing after Esc
  EXPECT_EQ(ShellLog(), "");
  EXPECT_EQ(EndAutorunRuns(), 1);
}

TEST_F(AutorunTest, AKeyGoneWhenTheTimeIsUpStartsNothingAndTheNextTickTriesAgain) {
  ASSERT_TRUE(Open());
  key.present = false;
  wt::PumpFor(2600);  // shows that nothing starts when the time is up
  EXPECT_EQ(ShellLog(), "");
  EXPECT_FALSE(wt::QuitPosted());
  key.present = true;
  ASSERT_TRUE(wt::PumpUntil([&] { return !ShellLog().empty(); }, 5000));
  EXPECT_TRUE(wt::QuitPosted());
}

// Not installed: no countdown, the window waits. The keyboard: Install has the focus, Space
// presses it.
TEST_F(AutorunTest, NotInstalledSpaceOnInstallStartsTheSetupBesideTheProgramAndEnds) {
  key.present = false;
  PutSetup(L"Disc\\");
  PutSetup(L"");
  ASSERT_TRUE(Open());
  EXPECT_FALSE(form->Installed());
  EXPECT_FALSE(form->CountingDown());
  wt::PumpFor(2500);  // two and a half seconds in which nothing ends the window
  EXPECT_FALSE(wt::QuitPosted());
  ASSERT_TRUE(wt::PressKeyOn(form->pictbttn_Install.hwnd(), VK_SPACE));
  ASSERT_TRUE(wt::PumpUntil([&] { return !Log(L"Disc\\setup").empty(); }, 10000));
  EXPECT_THAT(Log(L"Disc\\setup"),
              ::testing::HasSubstr("commandline=" + wt::Utf8(install.Join(L"Disc\\setup.exe"))));
  EXPECT_THAT(Log(L"Disc\\setup"), ::testing::HasSubstr("priority_class=0x20\n"));
  EXPECT_EQ(Log(L"setup"), "");
  EXPECT_TRUE(wt::QuitPosted());
  EXPECT_EQ(ShellLog(), "");
}

TEST_F(AutorunTest, InstallFindsTheSetupInTheParentFolder) {
  key.present = false;
  PutSetup(L"");
  ASSERT_TRUE(Open());
  form->pictbttn_Install.Click();
  ASSERT_TRUE(wt::PumpUntil([&] { return !Log(L"setup").empty(); }, 10000));
  EXPECT_TRUE(wt::QuitPosted());
  EXPECT_TRUE(boxes.shown.empty());
}

// Installed, Install during the countdown: the box stays up past the two seconds, with the
// timers running under it as under a real box, and still nothing starts.
TEST_F(AutorunTest, ASetupInNeitherFolderIsReportedAndNothingStarts) {
  ASSERT_TRUE(Open());
  boxes.holdMs = 3000;
  form->pictbttn_Install.Click();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, L"Cannot open the 'setup.exe' file");
  EXPECT_EQ(boxes.shown[0].type & MB_ICONMASK, UINT(MB_ICONSTOP));
  EXPECT_FALSE(boxes.shown[0].caption.has_value());
  // Shows that no start is on its way: a started stand-in writes its log within a second or two.
  wt::PumpFor(2500);
  EXPECT_TRUE(wt::QuitPosted());
  EXPECT_EQ(ShellLog(), "");
}

// Tab to Exit, Space: the end. Esc and the close box after it do not end a second time.
TEST_F(AutorunTest, ExitByTheKeyboardEndsOnceAndStartsNothing) {
  key.present = false;
  PutSetup(L"Disc\\");
  ASSERT_TRUE(Open());
  ASSERT_TRUE(wt::PressKeyOn(form->pictbttn_Install.hwnd(), VK_TAB));
  ASSERT_TRUE(wt::PressKeyOn(form->pictbttn_Exit.hwnd(), VK_SPACE));
  EXPECT_TRUE(wt::QuitPosted());
  ASSERT_TRUE(wt::PressKeyOn(form->pictbttn_Exit.hwnd(), VK_ESCAPE));
  form->Close();
  wt::PumpFor(300);  // shows that nothing ends a second time
  EXPECT_EQ(EndAutorunRuns(), 1);
  EXPECT_EQ(Log(L"Disc\\setup"), "");
}

// The template as autorun.exe carries it, and the running window.
TEST_F(AutorunTest, TheWindowIsCentredWithItsCaptionButtonsAndIcon) {
  key.present = false;
  ASSERT_TRUE(Open());
  HMODULE shipped = LoadLibraryExW((wt::TestProgramDir() + L"autorun.exe").c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(shipped, nullptr);
  wt::ExpectFormMatches(L"ID_AutoRunForm", shipped, form.get());
  FreeLibrary(shipped);
  EXPECT_NE(form->pictbttn_Install.Face(), nullptr);
  EXPECT_NE(form->pictbttn_Exit.Face(), nullptr);
  EXPECT_NE(SendMessageW(form->hwnd(), WM_GETICON, ICON_BIG, 0), 0);
  const RECT r = wt::WindowRect(form->hwnd());
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
}

// Also run at 144 dots per inch, where the buttons outgrow the picture.
TEST_F(AutorunTest, EveryPictureButtonFaceCoversItsButtonAndHoldsItsCaption) {
  key.present = false;
  ASSERT_TRUE(Open());
  EXPECT_TRUE(wt::FaceHoldsCaption(form->pictbttn_Install));
  EXPECT_TRUE(wt::FaceHoldsCaption(form->pictbttn_Exit));
}

}  // namespace
