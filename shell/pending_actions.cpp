// Operations whose forms are not part of the shell yet: each does nothing until its form lands.
#include "shell/shell_actions.h"

void ShowHelp(ButtonBarForm&) {}
