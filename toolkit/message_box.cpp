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

}  // namespace tk
