#include "shell_actions.h"

#include "config_writer.h"

ShellActions DefaultShellActions() {
  return {DetectSoundCard, [] { CheckStartupConfig(); }, LaunchGame, ShowHelp, ShowSetup};
}
