// How the autorun program starts the shell or the installer: no application name, the path
// alone as the command line (quoted when it holds a space), normal priority, no start-up
// position, size or show-window setting, autorun's own environment and current directory, and
// no waiting for the program.
#pragma once

#include <windows.h>

#include <string>

inline constexpr DWORD kStartedProgramPriority = NORMAL_PRIORITY_CLASS;

// Starts the program at `path` (UTF-8); false when it could not be started, an empty path
// included. Nobody is told: the caller ends either way.
bool StartProgram(const std::string& path);
