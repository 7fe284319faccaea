// The operations that the main form and the button bar hand over to the rest of the shell.
// The main form holds one set; tests replace single operations to observe them.
#pragma once

#include <functional>

#include "toolkit/joystick.h"

class ButtonBarForm;

struct ShellActions {
  // Start-up sound-card detection: true when a card was found.
  std::function<bool()> detectSoundCard;
  // Start-up configuration check: a missing configuration file is made from the defaults.
  std::function<void()> checkStartupConfig;
  std::function<void(ButtonBarForm&)> launchGame;
  std::function<void(ButtonBarForm&)> showHelp;
  // Loads the configuration, then runs the setup form.
  std::function<void(ButtonBarForm&)> showSetup;
};

// The shell's own operations.
ShellActions DefaultShellActions();

bool DetectSoundCard();
void LaunchGame(ButtonBarForm& bar);
void ShowHelp(ButtonBarForm& bar);
void ShowSetup(ButtonBarForm& bar);
// The same, with the joysticks read from `joysticks`.
void ShowSetupWith(ButtonBarForm& bar, tk::JoystickSource& joysticks);
