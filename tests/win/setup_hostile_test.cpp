// Hostile installation settings and configuration files met through the real shell and setup
// dialog: nothing is written where the name does not belong, nothing the player has is lost,
// and where the player typed the name a message says why it is refused.
#include <gmock/gmock.h>

#include <cstdio>

#include "config/config_writer.h"
#include "config/install_settings.h"
#include "config/setup_section.h"
#include "setup/screen_tab.h"
#include "setup/system_tab.h"
#include "setup_fixture.h"
#include "shell/launch_game.h"
#include "toolkit/text.h"

using ::testing::HasSubstr;

namespace {

const wchar_t* const kDamaged =
    L"Файл конфигурации устарел или испорчен. Будет установлена конфигурация по умолчанию.";

// The shell with its real start-up check, and the Main Folder restored afterwards.
class HostileSetupTest : public SetupTest {
 protected:
  void SetUp() override {
    SetupTest::SetUp();
    savedFolder_ = wt::ReadInstallValue(L"Main Folder");
    wt::WriteInstallValue(L"Main Folder", Folder());
    actions.checkStartupConfig = [] { CheckStartupConfig(); };
  }
  void TearDown() override {
    SetupTest::TearDown();
    if (savedFolder_) wt::WriteInstallValue(L"Main Folder", *savedFolder_);
  }
  std::wstring Folder() const {
    std::wstring folder = install.path();
    folder.pop_back();
    return folder;
  }
  // The ScreenWidth the opened dialog shows (the current tables).
  static ModalStep ReadScreenWidth(int& width) {
    return Do([&width] { width = KzSetupSection::GetScreen_SetupEntry("ScreenWidth")->value; });
  }
  ModalStep ChangeScreenSize() {
    return Do([this] { Form().FindPage<ScreenTab>()->optb_800x600.Click(); });
  }
  ModalStep Type(const std::wstring& text) {
    return [this, text] {
      HWND target = KeyTarget();
      if (!target) return false;
      for (wchar_t ch : text) PostMessageW(target, WM_CHAR, ch, 1);
      return true;
    };
  }
  ModalStep WaitForBoxes(size_t count) {
    return [this, count] { return boxes.shown.size() >= count; };
  }

  std::optional<std::wstring> savedFolder_;
};

TEST_F(HostileSetupTest, NamesOfThirtyTwoThousandCharactersStartOpenAndLaunchLosingNothing) {
  const std::wstring hugeName(32768, L'c');
  SetRegistryCfgName(hugeName);
  WriteConfig(NoSoundCard);  // voltrane.cfg, which a huge name must not take for another file
  install.Write(L"other.cfg", "[Setup]\r\n");
  ASSERT_TRUE(StartShell());
  boxes.answer = IDNO;
  ASSERT_TRUE(OpenSetupOn(5, [&] {
    SystemTab& page = *Form().FindPage<SystemTab>();
    EXPECT_EQ(page.textb_CfgName.Text().size(), hugeName.size());
    EXPECT_FALSE(page.textb_CfgName.IsEnabled());
  }));
  RemoveOtherConfigurations();
  // The name opens no file: the dialog showed the defaults, which the Sound page adjusts to
  // the missing sound card, hence the question; No keeps everything as it was.
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, kQuestion);
  EXPECT_EQ(wt::ReadInstallValue(L"Cfg Name"), hugeName);  // the player's value, untouched
  EXPECT_TRUE(install.Exists(kCfgName));
  EXPECT_TRUE(install.Exists(L"other.cfg"));

  // A huge Main Folder names no folder: the check and the clean-up find nothing to do.
  SetRegistryCfgName(L"fresh.cfg");
  wt::WriteInstallValue(L"Main Folder", L"C:\\" + std::wstring(32765, L'f'));
  EXPECT_FALSE(CheckStartupConfig());
  RemoveOtherConfigurations();
  EXPECT_TRUE(install.Exists(L"other.cfg"));
  EXPECT_FALSE(install.Exists(L"fresh.cfg"));
  EXPECT_EQ(boxes.shown.size(), 1u);
}

// The start-up check and the clean-up take such a name for no name, silently; a save under
// it is refused with the usual message, and no file appears outside the folder.
TEST_F(HostileSetupTest, ACfgNameWithAFolderPartAWildcardOrADeviceIsNeverUsed) {
  install.MakeFolder(L"game");
  install.MakeFolder(L"game\\sub");
  install.Write(L"game\\a.cfg", "[Setup]\r\n");
  install.Write(L"game\\sub\\in.cfg", "[Setup]\r\n");
  wt::WriteInstallValue(L"Main Folder", install.Join(L"game"));
  for (const wchar_t* name : {L"..\\up.cfg", L"../up.cfg", L"sub\\in.cfg", L"C:up.cfg", L"*.cfg",
                              L"CON", L"NUL", L"nul.cfg", L"COM1.cfg", L"a.cfg."}) {
    SetRegistryCfgName(name);
    EXPECT_FALSE(CheckStartupConfig()) << tk::Narrow(name);
    RemoveOtherConfigurations();
    EXPECT_TRUE(install.Exists(L"game\\a.cfg")) << tk::Narrow(name);
  }
  EXPECT_FALSE(install.Exists(L"up.cfg"));
  EXPECT_TRUE(install.Exists(L"game\\sub\\in.cfg"));

  // Loaded and saved through the dialog: the defaults without a word, then the save refused.
  // The program's folder is the scratch folder: "..\" from it is the temporary folder.
  const std::wstring outside = L"..\\up.cfg";
  const std::string planted = "[Screen Setup]\r\nScreenWidth = 1024\r\n";
  install.Write(outside, planted);
  SetRegistryCfgName(L"..\\up.cfg");
  ASSERT_TRUE(StartShell());
  boxes.answer = IDYES;
  int width = 0;
  ASSERT_TRUE(
      OpenSetup({WhenOpen(), ReadScreenWidth(width), ChangeScreenSize(), PressKey(VK_ESCAPE)}));
  const std::string after = install.Read(outside);
  DeleteFileW(install.Join(outside).c_str());
  EXPECT_EQ(width, 640);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, kQuestion);
  EXPECT_EQ(boxes.shown[1].text, SaveFailedMessage("..\\up.cfg"));
  EXPECT_EQ(after, planted);
}

// A name that is a folder of the installation: nothing is read from it or written over it.
TEST_F(HostileSetupTest, ACfgNameThatIsAFolderIsNeitherReadNorReplaced) {
  install.Write(L"KzR\\keep.txt", "keep");
  SetRegistryCfgName(L"KzR");
  ASSERT_TRUE(StartShell());
  boxes.answer = IDYES;
  ASSERT_TRUE(OpenSetup({WhenOpen(), ChangeScreenSize(), PressKey(VK_ESCAPE)}));
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_THAT(tk::Narrow(boxes.shown[0].text),
              HasSubstr("Не удалось прочитать файл конфигурации «KzR»"));
  EXPECT_EQ(boxes.shown[1].text, kQuestion);
  EXPECT_EQ(boxes.shown[2].text, SaveFailedMessage("KzR"));
  EXPECT_EQ(install.Read(L"KzR\\keep.txt"), "keep");
  EXPECT_TRUE(install.Exists(L"KzR\\g_spd1.ico"));
  EXPECT_FALSE(install.Exists(L"KzR.tmp"));
}

// Held open by another program without sharing: the player is told, sees the defaults, and a
// save says it failed; the file keeps every byte and no temporary file stays.
TEST_F(HostileSetupTest, AFileHeldOpenWithoutSharingIsReportedAndKeptWhole) {
  WriteConfig([] {
    NoSoundCard();
    KzSetupSection::GetScreen_SetupEntry("ScreenWidth")->value = 1024;
  });
  const std::string before = ConfigBytes();
  HANDLE held = CreateFileW(install.Join(kCfgName).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(StartShell());
  boxes.answer = IDYES;
  int width = 0;
  ASSERT_TRUE(
      OpenSetup({WhenOpen(), ReadScreenWidth(width), ChangeScreenSize(), PressKey(VK_ESCAPE)}));
  CloseHandle(held);
  EXPECT_EQ(width, 640);
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_THAT(tk::Narrow(boxes.shown[0].text),
              HasSubstr("Не удалось прочитать файл конфигурации «voltrane.cfg»"));
  EXPECT_EQ(boxes.shown[0].type & MB_ICONMASK, UINT(MB_ICONSTOP));
  EXPECT_EQ(boxes.shown[2].text, SaveFailedMessage("voltrane.cfg"));
  EXPECT_EQ(ConfigBytes(), before);
  EXPECT_FALSE(install.Exists(L"voltrane.cfg.tmp"));
  // Free again, it loads as it was.
  int widthAfter = 0;
  ASSERT_TRUE(OpenSetup({WhenOpen(), ReadScreenWidth(widthAfter), PressKey(VK_ESCAPE)}));
  EXPECT_EQ(widthAfter, 1024);
  EXPECT_EQ(boxes.shown.size(), 3u);
}

// Ten megabytes without a line end: read in pieces, in bounded time, and left as it is.
TEST_F(HostileSetupTest, ATenMegabyteOneLineFileOpensTheDialogAndStaysUntouched) {
  const std::string huge = "[Screen Setup]ScreenWidth = 800" + std::string(10 << 20, 'x');
  install.Write(kCfgName, huge);
  ASSERT_TRUE(StartShell());
  boxes.answer = IDNO;
  const DWORD start = GetTickCount();
  ASSERT_TRUE(OpenSetupOn(0, [&] {
    const DWORD openMs = GetTickCount() - start;
    std::printf("a 10 MB one-line file: the dialog was open after %lu ms\n", openMs);
    EXPECT_LT(openMs, 10000u);
    EXPECT_EQ(KzSetupSection::GetScreen_SetupEntry("ScreenWidth")->value, 640);
  }));
  // Nothing in it applies: the defaults, which the Sound page adjusts to the missing card.
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, kQuestion);
  EXPECT_EQ(install.Read(kCfgName).size(), huge.size());
}

// Without the media folder: each missing file is named once where it is needed, and the bar
// and the dialog work without sounds and icons.
TEST_F(HostileSetupTest, WithoutTheKzRFolderEachMissingFileIsNamedAndEverythingWorks) {
  WriteConfig(NoSoundCard);
  for (int i = 1; i <= 4; ++i)
    DeleteFileW(install.Join(L"KzR\\g_spd" + std::to_wstring(i) + L".ico").c_str());
  ASSERT_TRUE(RemoveDirectoryW(install.Join(L"KzR").c_str()));
  omitted = {L"flag.wav", L"swith.wav", L"logo.wav"};
  ASSERT_TRUE(StartShell());
  std::vector<std::wstring> atStart;
  for (const auto& shown : boxes.shown) atStart.push_back(shown.text);
  EXPECT_THAT(atStart, ::testing::UnorderedElementsAre(L"Cannot open the 'KzR\\logo.wav' file",
                                                       L"Cannot open the 'KzR\\swith.wav' file",
                                                       L"Cannot open the 'KzR\\flag.wav' file"));
  boxes.shown.clear();
  ASSERT_TRUE(OpenSetupOn(0, [&] { EXPECT_TRUE(IsWindowVisible(Form().hwnd())); }));
  ASSERT_EQ(boxes.shown.size(), 4u);
  EXPECT_EQ(boxes.shown[0].text, L"Cannot open the 'KzR\\g_spd1.ico' file");
  EXPECT_EQ(boxes.shown[3].text, L"Cannot open the 'KzR\\g_spd4.ico' file");
  EXPECT_TRUE(BarVisible());
}

// The keyboard alone: Ctrl+PgUp to the System page, Tab to the switch, Space, Shift+Tab into
// the name, a name that leaves the folder, Tab: refused and back in the box; Esc: refused
// again; a good name, Esc: closed, with that name stored.
TEST_F(HostileSetupTest, TheSystemPageRefusesATypedNameThatLeavesTheFolderAndKeepsTheFocus) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  HWND dialog = nullptr, box = nullptr;
  SystemTab* page = nullptr;
  ASSERT_TRUE(
      OpenSetup({WhenOpen(),
                 PressChord(VK_PRIOR),
                 Do([&] {
                   dialog = Form().hwnd();
                   page = Form().FindPage<SystemTab>();
                   box = page->textb_CfgName.hwnd();
                   EXPECT_TRUE(IsWindowVisible(page->hwnd()));
                 }),
                 PressKey(VK_TAB),
                 Do([&] { EXPECT_EQ(GetFocus(), page->checkbox_NameChangeEnabled.hwnd()); }),
                 PressKey(VK_SPACE),
                 [&] { return page->textb_CfgName.IsEnabled(); },
                 PressChord(VK_TAB, /*shift=*/true, /*ctrl=*/false),
                 [&] { return GetFocus() == box; },
                 Type(L"..\\up.cfg"),
                 [&] { return page->textb_CfgName.Text() == L"..\\up.cfg"; },
                 Do([&] { EXPECT_EQ(RegistryCfgName().value_or(L""), kCfgName); }),
                 PressKey(VK_TAB),
                 WaitForBoxes(1),
                 Hold(200),
                 Do([&] { EXPECT_EQ(GetFocus(), box); }),
                 PressKey(VK_ESCAPE),
                 WaitForBoxes(2),
                 Hold(200),
                 Do([&] {
                   EXPECT_TRUE(IsWindowVisible(dialog));
                   EXPECT_EQ(GetFocus(), box);
                   EXPECT_EQ(page->textb_CfgName.Text(), L"..\\up.cfg");
                 }),
                 Type(L"мой.cfg"),
                 [&] { return RegistryCfgName() == std::wstring(L"мой.cfg"); },
                 PressKey(VK_ESCAPE)}));
  ASSERT_EQ(boxes.shown.size(), 2u);  // no save question: no setting changed
  for (const tk::MessageBoxRequest& refusal : boxes.shown) {
    EXPECT_EQ(refusal.owner, dialog);
    EXPECT_EQ(refusal.text, UnusableCfgNameMessage(L"..\\up.cfg"));
    EXPECT_EQ(refusal.type, UINT(MB_ICONEXCLAMATION | MB_OK));
  }
  EXPECT_THAT(tk::Narrow(boxes.shown[0].text), HasSubstr("«..\\up.cfg» не подходит"));
  EXPECT_EQ(RegistryCfgName(), std::wstring(L"мой.cfg"));
  EXPECT_EQ(CurrentCfgName(), "мой.cfg");
}

// An emptied box is no refusal: the name is stored empty at once and the dialog closes.
TEST_F(HostileSetupTest, AnEmptiedNameBoxStoresAnEmptyNameWithoutAMessage) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  ASSERT_TRUE(OpenSetup({WhenOpen(), SelectTab(5), Do([&] {
                           SystemTab& page = *Form().FindPage<SystemTab>();
                           page.checkbox_NameChangeEnabled.Click();
                           page.textb_CfgName.SetText(L"");
                           EXPECT_EQ(RegistryCfgName(), std::optional<std::wstring>(L""));
                         }),
                         PressKey(VK_TAB), Hold(100), PressKey(VK_ESCAPE)}));
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(RegistryCfgName(), std::optional<std::wstring>(L""));
  EXPECT_EQ(CurrentCfgName(), "");
}

// The close box is refused the same way; a name box the player switched off gets the stored
// name back and lets the dialog close.
TEST_F(HostileSetupTest, TheCloseBoxKeepsABadNameOutAndASwitchedOffBoxTakesTheStoredName) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  SystemTab* page = nullptr;
  ASSERT_TRUE(OpenSetup({WhenOpen(), Do([&] {
                           page = Form().FindPage<SystemTab>();
                           page->checkbox_NameChangeEnabled.Click();
                           page->textb_CfgName.SetText(L"NUL");
                         }),
                         SelectTab(0), CloseBox(), WaitForBoxes(1), Do([&] {
                           EXPECT_EQ(Form().tabctrl_1.Selected(), 5);
                           page->checkbox_NameChangeEnabled.Click();  // off: the box is disabled
                         }),
                         CloseBox()}));
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, UnusableCfgNameMessage(L"NUL"));
  EXPECT_EQ(boxes.shown[1].text, UnusableCfgNameMessage(L"NUL"));
  EXPECT_EQ(RegistryCfgName(), std::wstring(kCfgName));
}

}  // namespace

namespace {

// The refusal as the player sees it: a real message box over the System page, held for three
// seconds so that a screenshot can be taken (run with --gtest_also_run_disabled_tests).
TEST_F(HostileSetupTest, DISABLED_ShowsTheRefusalForScreenshots) {
  ASSERT_TRUE(StartShellOn(NoSoundCard));
  tk::SetMessageBoxHook(nullptr);
  const auto answerBox = [this] {
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32770", nullptr))
      if (GetWindow(w, GW_OWNER) == Form().hwnd()) PostMessageW(w, WM_COMMAND, IDOK, 0);
  };
  ASSERT_TRUE(OpenSetup({WhenOpen(), SelectTab(5), Do([this] {
                           SystemTab& page = *Form().FindPage<SystemTab>();
                           page.checkbox_NameChangeEnabled.Click();
                           page.textb_CfgName.Focus();
                           page.textb_CfgName.SetText(L"..\\up.cfg");
                         }),
                         PressKey(VK_TAB), Hold(3000), Do(answerBox), Hold(1500), Do([this] {
                           Form().FindPage<SystemTab>()->textb_CfgName.SetText(kCfgName);
                         }),
                         PressKey(VK_ESCAPE)}));
}

}  // namespace
