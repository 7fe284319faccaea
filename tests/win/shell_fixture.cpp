#include "shell_fixture.h"

#include "toolkit/seams_win.h"

namespace {
const wchar_t* const kMedia[] = {L"flag.wav", L"swith.wav", L"logo.wav"};
}

void ShellTest::SetUp() {
  wt::ResetQuit();
  tk::InstallWindowsSeams();
  files = std::make_unique<wt::RedirectedFiles>(install.path());
  kz::InstalledSeams().files = files.get();
  install.MakeFolder(L"KzR");
  sounds = std::make_unique<wt::SoundRecorder>(install.path());
  sounds->context = [this] { return main && BarVisible() ? " [bar]" : ""; };
  actions.detectSoundCard = [this] {
    sounds->Note("detect");
    return false;
  };
  actions.checkStartupConfig = [this] { sounds->Note("config check"); };
  actions.launchGame = [this](const GameLaunch&) {
    sounds->Note(BarVisible() ? "launch [bar]" : "launch");
  };
  actions.showHelp = [this](HelpForm&, HWND) { sounds->Note("help"); };
  actions.showSetup = [this](SetupForm&, HWND, bool) { sounds->Note("setup"); };
}

void ShellTest::TearDown() {
  main.reset();
  sounds.reset();
}

bool ShellTest::StartShell() {
  for (const wchar_t* name : kMedia) {
    if (omitted.count(name)) continue;
    install.CopyIn(wt::TestProgramDir() + L"KzR\\" + name, std::wstring(L"KzR\\") + name);
  }
  main = std::make_unique<MainForm>(actions, argumentCount);
  if (!main->Create(nullptr)) return false;
  return wt::PumpUntil([this] { return BarVisible(); });
}

bool ShellTest::BarVisible() const {
  return main->ButtonBar().hwnd() && IsWindowVisible(main->ButtonBar().hwnd());
}
