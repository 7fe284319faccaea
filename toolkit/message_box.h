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

}  // namespace tk
