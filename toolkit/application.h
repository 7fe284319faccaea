// The application object: StartEvent creates the main window (set cancel to end the start),
// RunEvent announces the message loop, which runs until Quit, EndEvent frees what StartEvent made.
#pragma once

#include "toolkit/events.h"

namespace tk {

class Application : public EventSource {
 public:
  // Returns the process's exit code: -1 when the start was cancelled, else Quit's code.
  int Run();
  static void Quit(int exitCode = 0);
};

// The message loop shared by the programs: modeless forms get their keyboard navigation.
int RunMessageLoop();

}  // namespace tk
