#include "toolkit/moment.h"

#include <windows.h>

#include <cwchar>
#include <iterator>

namespace tk {
namespace {

constexpr size_t kNameSize = 192;

// The prefix, read at the first moment: the environment is the process's own and does not
// change its mind. Plain arrays and no thread-safe static, so that a bare program that marks
// moments (the bench's floors) links nothing of the C++ library for it.
const wchar_t* MomentPrefix() {
  static int known = 0;  // 0: not read yet, 1: set, -1: absent or too long
  static wchar_t prefix[128];
  if (known == 0) {
    const DWORD length =
        GetEnvironmentVariableW(kMomentsVariable, prefix, DWORD(std::size(prefix)));
    known = length > 0 && length < std::size(prefix) ? 1 : -1;
  }
  return known > 0 ? prefix : nullptr;
}

}  // namespace

void MarkMoment(const wchar_t* moment) {
  const wchar_t* prefix = MomentPrefix();
  if (!prefix || std::wcslen(prefix) + 1 + std::wcslen(moment) >= kNameSize) return;
  wchar_t name[kNameSize];
  std::wcscpy(name, prefix);
  std::wcscat(name, L".");
  std::wcscat(name, moment);
  if (HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
    SetEvent(event);
    CloseHandle(event);
  }
}

}  // namespace tk
