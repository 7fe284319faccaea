#include "toolkit/application.h"

#include <windows.h>

#include <cstdlib>

#include "toolkit/form.h"

// The C++ library's default terminate handler writes the escaping exception's demangled name
// to the standard error, which a GUI program does not have; it also links the whole name
// demangler (some 40 KB) into every program. No exception is meant to escape: the form and
// window procedures catch at the boundary, so ending at once is all that is left to do.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace tk {

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (Form::PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return int(msg.wParam);
}

int Application::Run() {
  CancelArgs start;
  events_.Raise<Event::Start>(start);
  if (start.cancel) {
    events_.Raise<Event::End>();
    return -1;
  }
  events_.Raise<Event::Run>();
  const int exitCode = RunMessageLoop();
  events_.Raise<Event::End>();
  return exitCode;
}

void Application::Quit(int exitCode) { PostQuitMessage(exitCode); }

}  // namespace tk
