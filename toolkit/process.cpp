#include "process.h"

#include <vector>

namespace tk {

bool Process::Start(const std::wstring& commandLine, DWORD creationFlags,
                    STARTUPINFOW& startup) {
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  PROCESS_INFORMATION info{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                      nullptr, &startup, &info))
    return false;
  CloseHandle(info.hThread);
  handle_ = KernelHandle(info.hProcess);
  id_ = info.dwProcessId;
  return true;
}

bool Process::IsActive() const {
  DWORD code = 0;
  return handle_ && GetExitCodeProcess(handle_.get(), &code) && code == STILL_ACTIVE;
}

}  // namespace tk
