#include "toolkit/application.h"

#include <windows.h>

#include "toolkit/form.h"

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
