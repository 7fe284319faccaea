// The Setup button: a fresh load of the configuration, then the setup form, modal, owned by
// the button bar.
#include "button_bar_form.h"
#include "setup_section.h"
#include "shell_actions.h"

void ShowSetup(ButtonBarForm& bar) {
  KzSetupSection::LoadConfig();
  bar.Setup().Open(bar.hwnd());
}
