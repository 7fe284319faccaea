#include "toolkit/moment.h"

#include <windows.h>

#include <string>

#include "toolkit/handles.h"

namespace tk {
namespace {

// The prefix, read once: the environment is the process's own and does not change its mind.
const std::wstring& MomentPrefix() {
  static const std::wstring prefix = [] {
    wchar_t buffer[128];
    const DWORD length =
        GetEnvironmentVariableW(kMomentsVariable, buffer, DWORD(std::size(buffer)));
    return length > 0 && length < std::size(buffer) ? std::wstring(buffer, length) : std::wstring();
  }();
  return prefix;
}

}  // namespace

void MarkMoment(const wchar_t* moment) {
  const std::wstring& prefix = MomentPrefix();
  if (prefix.empty()) return;
  const std::wstring name = prefix + L"." + moment;
  KernelHandle event(OpenEventW(EVENT_MODIFY_STATE, FALSE, name.c_str()));
  if (event) SetEvent(event.get());
}

}  // namespace tk
