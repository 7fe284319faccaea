#include "shell_actions.h"

ShellActions DefaultShellActions() {
  return {DetectSoundCard, CheckStartupConfiguration, LaunchGame, ShowHelp, ShowSetup};
}
