// The Help button: the help window, owned by the button bar; one at most.
#include "shell/help_form.h"
#include "shell/shell_actions.h"

void ShowHelp(HelpForm& help, HWND owner) { help.Show(owner); }
