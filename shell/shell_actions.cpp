#include "shell/shell_actions.h"

#include "config/config_writer.h"

ShellActions DefaultShellActions() {
  return {DetectSoundCard, [] { CheckStartupConfig(); }, LaunchGame, ShowHelp, ShowSetup};
}
