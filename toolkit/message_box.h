// Every message box of the programs goes through ShowMessageBox. A test may install a hook
// that sees each request and answers it instead of the real box.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace tk {

struct MessageBoxRequest {
  HWND owner = nullptr;
  std::wstring text;
  std::optional<std::wstring> caption;  // none: the system's default caption
  UINT type = MB_OK;                    // icon, buttons and modality flags
};

using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;

// Returns the previous hook; an empty hook shows real message boxes.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

int ShowMessageBox(const MessageBoxRequest& request);

// What the thread does while a real box is up, for a hook that answers as a player would,
// some time after the box appeared: for `ms` it takes the thread's messages from the queue
// and dispatches them, so timers fire, posted messages arrive and key observers see keys.
// A WM_QUIT ends it early and stays in the queue for the loop outside, as it does for a box.
// A hook that answers without it answers at once, with no message handled meanwhile.
void RunMessageBoxLoop(DWORD ms);

}  // namespace tk
