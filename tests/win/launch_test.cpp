// The game launch through the real button bar: the clean-up of the Main Folder, the stand-in
// game started with the shell's start parameters (read back from its log), the busy test, the
// thread priority and the failure messages.
#include <gmock/gmock.h>

#include <map>
#include <optional>

#include "fake_seams.h"
#include "config/install_settings.h"
#include "shell/launch_game.h"
#include "shell/logo_form.h"
#include "shell_fixture.h"
#include "toolkit/text.h"

using ::testing::ElementsAre;

namespace {

using Block = std::map<std::string, std::string>;

class LaunchTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    actions.launchGame = LaunchGame;
    previousKey = kz::InstalledSeams().installKey;
    kz::InstalledSeams().installKey = &key;
    key.values = {{"Main Folder", wt::Utf8(install.Folder())}, {"Cfg Name", "B.CFG"}};
    install.CopyIn(wt::TestProgramDir() + L"KzR\\logo.avi", L"KzR\\logo.avi");
    SetEnvironmentVariableW(L"VOLTRA_LOG", install.Join(L"game.log").c_str());
    SetEnvironmentVariableW(L"VOLTRA_SECONDS", L"3");
  }
  void TearDown() override {
    ShellTest::TearDown();
    kz::InstalledSeams().installKey = previousKey;
  }

  void InstallGame() { install.CopyIn(wt::TestProgramDir() + L"voltra.exe", L"voltra.exe"); }
  void WriteConfigurations(std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names) install.Write(name, "[Setup]\r\n");
  }
  // One block of key=value lines per start of the game.
  std::vector<Block> GameLog() const {
    std::vector<Block> blocks;
    if (!install.Exists(L"game.log")) return blocks;
    const std::string text = install.Read(L"game.log");
    size_t at = 0;
    while (at < text.size()) {
      size_t end = text.find('\n', at);
      if (end == std::string::npos) end = text.size();
      const std::string line = text.substr(at, end - at);
      at = end + 1;
      const size_t equals = line.find('=');
      if (equals == std::string::npos) continue;
      if (line.compare(0, equals, "pid") == 0) blocks.emplace_back();
      if (!blocks.empty()) blocks.back()[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return blocks;
  }
  bool WaitForStarts(size_t count) {
    return wt::PumpUntil([&] { return GameLog().size() >= count; }, 20000);
  }
  int Priority() const { return GetThreadPriority(GetCurrentThread()); }

  FakeInstallKey key;
  kz::InstallKey* previousKey = nullptr;
};

TEST_F(LaunchTest, TheGameStartsWithTheShellsParametersAndOnlyTheChosenConfigurationStays) {
  InstallGame();
  WriteConfigurations({L"a.cfg", L"b.cfg", L"notes.cfgx"});
  install.Write(L"readme.txt", "x");
  ASSERT_TRUE(StartShell());
  sounds->log.clear();
  main->ButtonBar().pictbttn_Game.Click();

  // The shell has stepped back before the click returns.
  EXPECT_TRUE(main->IsWaiting());
  const RECT bar = wt::WindowRect(Bar());
  EXPECT_EQ(bar.left, GetSystemMetrics(SM_CXSCREEN) - 1);
  EXPECT_EQ(bar.top, GetSystemMetrics(SM_CYSCREEN) - 1);
  ASSERT_TRUE(main->ButtonBar().Logo().IsOpen());
  EXPECT_EQ(GetWindow(main->ButtonBar().Logo().hwnd(), GW_OWNER), nullptr);
  ASSERT_GE(sounds->log.size(), 3u);
  EXPECT_EQ(sounds->log[2], "stop [bar]");
  EXPECT_FALSE(install.Exists(L"a.cfg"));
  EXPECT_TRUE(install.Exists(L"b.cfg"));
  EXPECT_TRUE(install.Exists(L"notes.cfgx"));
  EXPECT_TRUE(install.Exists(L"readme.txt"));
  EXPECT_TRUE(main->ButtonBar().IsBusy());
  EXPECT_EQ(Priority(), THREAD_PRIORITY_IDLE);
  EXPECT_TRUE(boxes.shown.empty());

  ASSERT_TRUE(WaitForStarts(1));
  Block game = GameLog()[0];
  EXPECT_EQ(game["commandline"], wt::Utf8(install.Join(L"voltra.exe")));
  EXPECT_EQ(game["cwd"], wt::Utf8(install.Folder()));
  EXPECT_EQ(game["priority_class"], "0x80");
  EXPECT_EQ(game["startup_flags"], "0x45");  // feedback on, position and show-window given
  EXPECT_EQ(game["show_window"], "3");
  EXPECT_EQ(game["position"], "0,0");
  EXPECT_EQ(game["cfg_files"], "b.cfg");
}

// Unquoted, "...\Program Files\voltra.exe" would first be tried as "...\Program.exe".
TEST_F(LaunchTest, AGameInAFolderWithASpaceStartsByItsQuotedPath) {
  install.MakeFolder(L"Program Files");
  install.CopyIn(wt::TestProgramDir() + L"voltra.exe", L"Program Files\\voltra.exe");
  install.CopyIn(wt::TestProgramDir() + L"voltra.exe", L"Program.exe");
  wt::RedirectedFiles spaced(install.Join(L"Program Files\\"));
  kz::InstalledSeams().files = &spaced;
  ASSERT_TRUE(StartShell());
  main->ButtonBar().pictbttn_Game.Click();
  ASSERT_TRUE(WaitForStarts(1));
  const std::string game = wt::Utf8(install.Join(L"Program Files\\voltra.exe"));
  EXPECT_EQ(GameLog()[0]["commandline"], "\"" + game + "\"");
  wt::PumpFor(500);  // shows that no second start follows
  EXPECT_EQ(GameLog().size(), 1u);
  EXPECT_TRUE(boxes.shown.empty());
  main.reset();
}

TEST_F(LaunchTest, ClicksWhileTheGameRunsStartNothingAndTheNextClickAfterItRaisesThePriority) {
  InstallGame();
  ASSERT_TRUE(StartShell());
  ButtonBarForm& bar = main->ButtonBar();
  bar.pictbttn_Game.Click();
  ASSERT_TRUE(WaitForStarts(1));
  sounds->log.clear();
  bar.pictbttn_Game.Click();
  bar.pictbttn_Help.Click();
  wt::PumpFor(800);  // shows that the clicks start nothing
  EXPECT_EQ(GameLog().size(), 1u);
  EXPECT_TRUE(sounds->log.empty());
  EXPECT_EQ(Priority(), THREAD_PRIORITY_IDLE);

  // The stand-in ends by itself after three seconds.
  ASSERT_TRUE(wt::PumpUntil([&] { return !bar.IsBusy(); }, 20000));
  bar.pictbttn_Help.Click();
  EXPECT_EQ(Priority(), THREAD_PRIORITY_NORMAL);
  const HWND firstLogo = bar.Logo().hwnd();
  bar.pictbttn_Game.Click();
  EXPECT_NE(bar.Logo().hwnd(), firstLogo);
  EXPECT_FALSE(IsWindow(firstLogo));
  ASSERT_TRUE(WaitForStarts(2));
  EXPECT_EQ(Priority(), THREAD_PRIORITY_IDLE);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LaunchTest, WithoutTheGameBothMessagesShowTheButtonsWorkAtOnceAndNoHandlerPilesUp) {
  WriteConfigurations({L"a.cfg", L"b.cfg"});
  ASSERT_TRUE(StartShell());
  boxes.holdMs = 1000;
  ButtonBarForm& bar = main->ButtonBar();
  bar.pictbttn_Game.Click();
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, L"Cannot open the 'voltra.exe' file");
  EXPECT_EQ(boxes.shown[0].type & MB_ICONMASK, UINT(MB_ICONSTOP));
  const tk::MessageBoxRequest& failed = boxes.shown[1];
  EXPECT_EQ(failed.text, L"Failed to create the process");
  EXPECT_EQ(failed.owner, Bar());
  EXPECT_FALSE(failed.caption.has_value());
  EXPECT_EQ(failed.type, UINT(MB_ICONERROR | MB_OK));
  EXPECT_FALSE(install.Exists(L"a.cfg"));  // the clean-up ran before the lookup
  EXPECT_TRUE(main->IsWaiting());
  EXPECT_EQ(Priority(), THREAD_PRIORITY_IDLE);
  EXPECT_FALSE(bar.IsBusy());

  sounds->log.clear();
  bar.pictbttn_Help.Click();
  EXPECT_THAT(sounds->log,
              ElementsAre("sync KzR\\swith.wav [bar]", "loop KzR\\logo.wav [bar]", "help"));
  EXPECT_EQ(Priority(), THREAD_PRIORITY_NORMAL);

  // A record that holds the shell's own pseudo-handle always counts as a running game.
  bar.GameProcess().HoldCurrentProcess();
  sounds->log.clear();
  bar.pictbttn_Help.Click();
  EXPECT_TRUE(sounds->log.empty());
  bar.GameProcess().Release();
  bar.pictbttn_Help.Click();
  EXPECT_EQ(sounds->log.size(), 3u);

  // Every launch shows the logo window anew and restarts the wait timer: the handlers of the
  // forms and timers stay as many as after the first launch, over fifty launches.
  boxes.holdMs = 0;
  const auto counts = [&] {
    return std::vector<size_t>{main->HandlerCount(), bar.HandlerCount(), bar.Logo().HandlerCount()};
  };
  ASSERT_TRUE(bar.Logo().IsOpen());
  const std::vector<size_t> first = counts();
  EXPECT_GT(first[2], 0u);
  for (int i = 1; i < 50; ++i) bar.pictbttn_Game.Click();
  EXPECT_EQ(counts(), first);
  EXPECT_EQ(boxes.shown.size(), 100u);  // the game is missing: two messages each time
  bar.Logo().Close();
  EXPECT_FALSE(bar.Logo().IsOpen());
  EXPECT_EQ(bar.Logo().HandlerCount(), 0u);
}

// The clean-up alone: without a name, a folder or the key nothing goes; names compare with
// A to Z folded only, and the file that the name opens always stays.
TEST_F(LaunchTest, TheCleanUpRemovesOnlyWhatIsSurelyAnotherConfigurationInTheMainFolder) {
  WriteConfigurations({L"a.cfg", L"b.cfg"});
  key.values["Cfg Name"] = "";
  RemoveOtherConfigurations();
  EXPECT_TRUE(install.Exists(L"a.cfg"));
  key.values.erase("Cfg Name");
  RemoveOtherConfigurations();
  EXPECT_TRUE(install.Exists(L"a.cfg"));
  key.values["Cfg Name"] = "b.cfg";
  key.values["Main Folder"] = "";
  RemoveOtherConfigurations();
  EXPECT_TRUE(install.Exists(L"a.cfg"));
  key.present = false;
  RemoveOtherConfigurations();
  EXPECT_TRUE(install.Exists(L"a.cfg"));

  key.present = true;
  key.values["Main Folder"] = wt::Utf8(install.Folder());
  WriteConfigurations({L"ёлка.cfg", L"Другая.CFG"});
  key.values["Cfg Name"] = wt::Utf8(L"Ёлка.cfg");
  // A file that cannot be deleted stays, silently.
  SetFileAttributesW(install.Join(L"b.cfg").c_str(), FILE_ATTRIBUTE_READONLY);
  RemoveOtherConfigurations();
  EXPECT_FALSE(install.Exists(L"a.cfg"));
  EXPECT_FALSE(install.Exists(L"Другая.CFG"));
  EXPECT_TRUE(install.Exists(L"ёлка.cfg"));
  EXPECT_TRUE(install.Exists(L"b.cfg"));
  SetFileAttributesW(install.Join(L"b.cfg").c_str(), FILE_ATTRIBUTE_NORMAL);

  // Only "*.cfg" files directly in the Main Folder can go: not a file of a subfolder or of the
  // parent, not a folder whose name ends in ".cfg", and nothing at all while the name is no
  // usable file name (empty, with a folder part, a wildcard or a device).
  install.MakeFolder(L"main");
  install.MakeFolder(L"main\\sub");
  install.MakeFolder(L"main\\dir.cfg");
  WriteConfigurations({L"main\\a.cfg", L"main\\b.cfg", L"main\\sub\\x.cfg",
                       L"main\\dir.cfg\\inner.cfg", L"up.cfg"});
  key.values["Main Folder"] = wt::Utf8(install.Join(L"main"));
  for (const char* name : {"", "..\\up.cfg", "../up.cfg", "sub\\x.cfg", "*.cfg", "b?.cfg", "NUL",
                           "con.cfg", "b.cfg."}) {
    key.values["Cfg Name"] = name;
    RemoveOtherConfigurations();
    EXPECT_TRUE(install.Exists(L"main\\a.cfg")) << name;
  }
  key.values["Cfg Name"] = "b.cfg";
  RemoveOtherConfigurations();
  EXPECT_FALSE(install.Exists(L"main\\a.cfg"));
  EXPECT_TRUE(install.Exists(L"main\\b.cfg"));
  EXPECT_TRUE(install.Exists(L"main\\sub\\x.cfg"));
  EXPECT_TRUE(install.Exists(L"main\\dir.cfg\\inner.cfg"));
  EXPECT_TRUE(install.Exists(L"up.cfg"));
  EXPECT_TRUE(boxes.shown.empty());
}

// A game that crashes, or is killed, even with the exit code that means "still running"
// (259), leaves the shell taking clicks again, back at normal priority at the next one.
TEST_F(LaunchTest, AKilledGameLeavesTheShellTakingClicksAtNormalPriority) {
  InstallGame();
  SetEnvironmentVariableW(L"VOLTRA_SECONDS", L"60");
  ASSERT_TRUE(StartShell());
  ButtonBarForm& bar = main->ButtonBar();
  for (DWORD exitCode : {DWORD(0xC0000005), DWORD(STILL_ACTIVE)}) {
    const size_t starts = GameLog().size();
    bar.pictbttn_Game.Click();
    ASSERT_TRUE(WaitForStarts(starts + 1));
    ASSERT_TRUE(bar.IsBusy());
    EXPECT_EQ(Priority(), THREAD_PRIORITY_IDLE);
    ASSERT_TRUE(TerminateProcess(bar.GameProcess().handle(), exitCode));
    ASSERT_EQ(WaitForSingleObject(bar.GameProcess().handle(), 10000), WAIT_OBJECT_0);
    EXPECT_FALSE(bar.IsBusy()) << exitCode;
    sounds->log.clear();
    bar.pictbttn_Help.Click();
    EXPECT_EQ(Priority(), THREAD_PRIORITY_NORMAL) << exitCode;
    EXPECT_FALSE(sounds->log.empty()) << exitCode;  // the click was taken
  }
  bar.pictbttn_Game.Click();
  EXPECT_TRUE(WaitForStarts(3));
  TerminateProcess(bar.GameProcess().handle(), 1);
  EXPECT_EQ(boxes.shown.size(), 0u);
}

}  // namespace
