// The Setup button: a fresh load of the configuration, then the setup form, modal, owned by
// the button bar. The dialog learns what the shell found at start-up through its context, and
// reads the system's joysticks.
#include "config/setup_section.h"
#include "setup/setup_form.h"
#include "toolkit/joystick.h"
#include "shell/shell_actions.h"

void ShowSetup(SetupForm& setup, HWND owner, bool soundCardFound) {
  ShowSetupWith(setup, owner, soundCardFound, tk::SystemJoysticks());
}

void ShowSetupWith(SetupForm& setup, HWND owner, bool soundCardFound,
                   tk::JoystickSource& joysticks) {
  KzSetupSection::LoadConfig();
  SetupContext context;
  context.soundCardFound = soundCardFound;
  context.joysticks = &joysticks;
  setup.Open(owner, context);
}
