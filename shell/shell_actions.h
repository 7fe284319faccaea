// The operations that the main form and the button bar hand over to the rest of the shell.
// The main form holds one set; tests replace single operations to observe them. Each
// operation is handed what it works on, and nothing more.
#pragma once

#include <windows.h>

#include <functional>

class HelpForm;
class LogoForm;
class MainForm;
class SetupForm;
namespace tk {
class JoystickSource;
class Process;
}

// What the game launch works on.
struct GameLaunch {
  MainForm& main;     // its waiting display and wait timer
  HWND bar;           // moved out of sight; owner of the failure message
  LogoForm& logo;     // shown while the game starts
  tk::Process& game;  // the record of the last game started
};

struct ShellActions {
  // Start-up sound-card detection: true when a card was found.
  std::function<bool()> detectSoundCard;
  // Start-up configuration check: a missing configuration file is made from the defaults.
  std::function<void()> checkStartupConfig;
  std::function<void(const GameLaunch&)> launchGame;
  // Opens the help window, owned by `owner`.
  std::function<void(HelpForm& help, HWND owner)> showHelp;
  // Loads the configuration, then runs the setup form over `owner`.
  std::function<void(SetupForm& setup, HWND owner, bool soundCardFound)> showSetup;
};

// The shell's own operations.
ShellActions DefaultShellActions();

bool DetectSoundCard();
void LaunchGame(const GameLaunch& launch);
void ShowHelp(HelpForm& help, HWND owner);
void ShowSetup(SetupForm& setup, HWND owner, bool soundCardFound);
// The same, with the joysticks read from `joysticks`.
void ShowSetupWith(SetupForm& setup, HWND owner, bool soundCardFound,
                   tk::JoystickSource& joysticks);
