// A started process that the program keeps a handle of, to read its exit code.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/handles.h"

namespace tk {

class Process {
 public:
  // Starts the command line with no application name, no handle inheritance and the
  // caller's environment and current directory; false when creation failed.
  bool Start(const std::wstring& commandLine, DWORD creationFlags, STARTUPINFOW& startup);
  // True while the record holds the current process's pseudo-handle, or while the started
  // process's exit code reads STILL_ACTIVE (259) and it has not ended (a process that ended
  // with the code 259 is not active). An empty record is never active.
  bool IsActive() const;
  // Empties the record, closing the process and thread handles.
  void Release();
  // For the tests: makes the record hold this process's own pseudo-handle, which always counts
  // as active; the process handle.
  void HoldCurrentProcess();
  HANDLE handle() const { return holdsSelf_ ? GetCurrentProcess() : handle_.get(); }

 private:
  KernelHandle handle_;
  KernelHandle thread_;
  bool holdsSelf_ = false;
};

}  // namespace tk
