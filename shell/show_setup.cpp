// The Setup button: a fresh load of the configuration, then the setup form, modal, owned by
// the button bar. The dialog learns what the shell found at start-up through its context, and
// reads the system's joysticks.
#include "config/setup_section.h"
#include "shell/button_bar_form.h"
#include "shell/main_form.h"
#include "shell/shell_actions.h"

void ShowSetup(ButtonBarForm& bar) { ShowSetupWith(bar, tk::SystemJoysticks()); }

void ShowSetupWith(ButtonBarForm& bar, tk::JoystickSource& joysticks) {
  KzSetupSection::LoadConfig();
  SetupContext context;
  context.soundCardFound = bar.Main().SoundCardFound();
  context.joysticks = &joysticks;
  bar.Setup().Open(bar.hwnd(), context);
}
