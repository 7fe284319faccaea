// The Setup button: a fresh load of the configuration, then the setup form, modal, owned by
// the button bar. The dialog learns what the shell found at start-up through its context.
#include "config/setup_section.h"
#include "setup/setup_form.h"
#include "shell/shell_actions.h"

void ShowSetup(SetupForm& setup, HWND owner, bool soundCardFound) {
  KzSetupSection::LoadConfig();
  SetupContext context;
  context.soundCardFound = soundCardFound;
  setup.Open(owner, context);
}
