// The autorun program's application object: StartEvent creates the window as the main
// window, the message loop runs until EndAutorun, EndEvent frees the window.
#pragma once

#include <memory>

#include "autorun/auto_run_form.h"
#include "toolkit/application.h"

class AutorunApplication {
 public:
  AutorunApplication();
  // The process's exit code: 0 after EndAutorun, -1 when the window cannot be created.
  int Run();

 private:
  tk::Application app_;
  std::unique_ptr<AutoRunForm> form_;
};
