#include "toolkit/process.h"

#include <vector>

namespace tk {

namespace {
constexpr DWORD kPriorityClasses = IDLE_PRIORITY_CLASS | BELOW_NORMAL_PRIORITY_CLASS |
                                   NORMAL_PRIORITY_CLASS | ABOVE_NORMAL_PRIORITY_CLASS |
                                   HIGH_PRIORITY_CLASS | REALTIME_PRIORITY_CLASS;
}  // namespace

bool Process::Start(const std::wstring& commandLine, DWORD creationFlags, STARTUPINFOW& startup) {
  // CreateProcessW may write into the command line: it gets a copy of its own.
  std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
  line.push_back(L'\0');
  PROCESS_INFORMATION info{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                      nullptr, &startup, &info))
    return false;
  // Some systems (Wine) ignore the priority class of the creation flags: it is set again.
  const DWORD priorityClass = creationFlags & kPriorityClasses;
  if (priorityClass && GetPriorityClass(info.hProcess) != priorityClass)
    SetPriorityClass(info.hProcess, priorityClass);
  handle_ = KernelHandle(info.hProcess);
  thread_ = KernelHandle(info.hThread);
  holdsSelf_ = false;
  return true;
}

// A process may end with the exit code 259 itself (a crash handler, or ExitProcess(259)): the
// code alone would then count it as running for ever and the shell would take no more clicks.
// An ended process's handle is signalled, whatever its code.
bool Process::IsActive() const {
  if (holdsSelf_) return true;
  DWORD code = 0;
  return handle_ && GetExitCodeProcess(handle_.get(), &code) && code == STILL_ACTIVE &&
         WaitForSingleObject(handle_.get(), 0) == WAIT_TIMEOUT;
}

void Process::Release() {
  handle_.reset();
  thread_.reset();
  holdsSelf_ = false;
}

void Process::HoldCurrentProcess() {
  Release();
  holdsSelf_ = true;
}

}  // namespace tk
