// A started process that the program keeps a handle of, to read its exit code.
#pragma once

#include <windows.h>

#include <string>

#include "handles.h"

namespace tk {

class Process {
 public:
  // Starts the command line with no application name; false when creation failed.
  bool Start(const std::wstring& commandLine, DWORD creationFlags, STARTUPINFOW& startup);
  // True while a started process's exit code reads STILL_ACTIVE (259).
  bool IsActive() const;
  void Release() { handle_.reset(); }
  bool Started() const { return bool(handle_); }
  HANDLE handle() const { return handle_.get(); }
  DWORD id() const { return id_; }

 private:
  KernelHandle handle_;
  DWORD id_ = 0;
};

}  // namespace tk
