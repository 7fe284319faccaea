// The Help button: the help window, owned by the button bar; one at most.
#include "shell/button_bar_form.h"
#include "shell/shell_actions.h"

void ShowHelp(ButtonBarForm& bar) { bar.Help().Show(bar.hwnd()); }
