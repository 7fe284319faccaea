#include "autorun/end_autorun.h"

#include "toolkit/application.h"
#include "toolkit/timer.h"

namespace {
int runs = 0;
}

void EndAutorun(tk::Timer& timer) {
  if (runs > 0) return;
  ++runs;
  timer.Stop();
  tk::Application::Quit(0);
}

int EndAutorunRuns() { return runs; }
