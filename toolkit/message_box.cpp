#include "toolkit/message_box.h"

namespace tk {

namespace {
MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}
}  // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
  MessageBoxHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

int ShowMessageBox(const MessageBoxRequest& request) {
  if (Hook()) return Hook()(request);
  return MessageBoxW(request.owner, request.text.c_str(),
                     request.caption ? request.caption->c_str() : nullptr, request.type);
}

// A box's own loop knows no form of ours: it translates and dispatches, nothing more.
void RunMessageBoxLoop(DWORD ms) {
  const DWORD start = GetTickCount();
  for (DWORD elapsed = 0; elapsed < ms; elapsed = GetTickCount() - start) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(int(msg.wParam));
        return;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
  }
}

}  // namespace tk
