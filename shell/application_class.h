// The shell's application object: StartEvent creates the main window, RunEvent runs the
// message loop, EndEvent frees the main window.
#pragma once

#include <memory>

#include "toolkit/application.h"
#include "shell/main_form.h"

class ApplicationClass {
 public:
  ApplicationClass(ShellActions actions, int argumentCount);
  // The process's exit code: 0 after Shutdown, -1 when the main window cannot be created.
  int Run();
  // For the tests: the main window, while it exists.
  MainForm* Main() const { return main_.get(); }

 private:
  tk::Application app_;
  ShellActions actions_;
  int argumentCount_;
  std::unique_ptr<MainForm> main_;
};

// The number of arguments of the process's command line, its own name counted.
int CommandLineArgumentCount();
