// LaunchGame: the shell steps back (waiting text, bar out of sight, logo video, silence),
// leaves only the chosen configuration in the Main Folder, starts "voltra.exe" without waiting
// for it, and lowers its own thread so that the game gets the processor.
#include "shell/launch_game.h"

#include "config/ascii.h"
#include "config/cfg_name.h"
#include "config/default_path.h"
#include "config/install_settings.h"
#include "shell/logo_form.h"
#include "shell/main_form.h"
#include "shell/shell_actions.h"
#include "toolkit/command_line.h"
#include "toolkit/message_box.h"
#include "toolkit/process.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

// The wildcard also matches by short names ("notes.cfgx" as "NOTES~1.CFG"): only names that
// really end in ".cfg" are configurations.
bool EndsInCfg(const std::string& name) {
  return name.size() >= 4 && kz::AsciiEqualNoCase(name.substr(name.size() - 4), ".cfg");
}

// The name under which the file system keeps the file that `name` opens. Names that differ
// only in the case of other letters than A to Z ("Ёлка.cfg", "ёлка.cfg") open the same file on
// a case-blind file system: that file is the chosen configuration and must stay.
std::string SpellingOnDisk(const std::string& folder, const std::string& name) {
  WIN32_FIND_DATAW found;
  tk::FindHandle search(FindFirstFileW(tk::Widen(JoinPath(folder, name)).c_str(), &found));
  return search ? tk::Narrow(found.cFileName) : std::string();
}

void HideButtonBar(HWND bar) {
  // Only its top-left pixel stays on screen; its next paint puts it back in place. A paint
  // still pending (the bar may be brand new) is done first, so that it is not that one.
  UpdateWindow(bar);
  SetWindowPos(bar, nullptr, GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1,
               0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

bool StartGame(tk::Process& game, const std::string& path) {
  game.Release();
  if (path.empty()) return false;
  STARTUPINFOW startup{};
  startup.dwFlags = kGameStartupFlags;
  startup.dwX = 0;
  startup.dwY = 0;
  startup.wShowWindow = SW_SHOWMAXIMIZED;
  return game.Start(tk::CommandLineForPath(tk::Widen(path)), kGameCreationFlags, startup);
}

}  // namespace

void RemoveOtherConfigurations() {
  if (!InstallKeyOpens()) return;
  const std::string folder = ReadInstallValue(kMainFolderValue);
  // Without a folder the pattern would name the root of the current drive. A name that is
  // empty or no plain file name ("..\up.cfg") matches no file here, so every configuration
  // the player has would go: then nothing is removed.
  if (folder.empty() || !kz::IsUsableCfgName(ReadInstallValue(kCfgNameValue))) return;
  WIN32_FIND_DATAW found;
  tk::FindHandle search(FindFirstFileW(tk::Widen(JoinPath(folder, "*.cfg")).c_str(), &found));
  if (!search) return;
  do {
    const std::string name = tk::Narrow(found.cFileName);
    const std::string keep = ReadInstallValue(kCfgNameValue);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (!kz::IsUsableCfgName(keep) || !EndsInCfg(name) || kz::AsciiEqualNoCase(name, keep))
      continue;
    if (name == SpellingOnDisk(folder, keep)) continue;
    DeleteFileW(tk::Widen(JoinPath(folder, name)).c_str());
  } while (FindNextFileW(search.get(), &found));
}

void LaunchGame(const GameLaunch& launch) {
  const KzDefaultPath lookup("..\\");
  launch.main.SetWaiting();
  InvalidateRect(launch.main.hwnd(), nullptr, TRUE);
  HideButtonBar(launch.bar);
  launch.logo.Show();
  tk::StopAllSounds();
  RemoveOtherConfigurations();
  const std::string game = lookup.FindOrComplain("voltra.exe");
  if (!StartGame(launch.game, game))
    tk::ShowMessageBox({launch.bar, kFailedToCreateProcess, std::nullopt, MB_ICONERROR | MB_OK});
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_IDLE);
  launch.main.StartWaitTimer();
}
