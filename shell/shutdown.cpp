#include "shell/shutdown.h"

#include "toolkit/application.h"
#include "toolkit/sound.h"

namespace {
int runs = 0;
}

void Shutdown() {
  if (runs > 0) return;
  ++runs;
  tk::StopAllSounds();
  tk::Application::Quit(0);
}

int ShutdownRuns() { return runs; }
