// The game launch behind the Game button and the start with a command-line argument.
#pragma once

#include <windows.h>

inline constexpr const wchar_t* kFailedToCreateProcess = L"Failed to create the process";

// Removes every "*.cfg" file of the Main Folder but the one that "Cfg Name" names (letters A
// to Z compared without case). Nothing is removed without the key, without a Main Folder or
// without a usable "Cfg Name" (a plain file name); only files directly in the Main Folder go;
// files that cannot be deleted stay, without a message.
void RemoveOtherConfigurations();

// How the game is started: no application name, the path as the whole command line (in
// quotes when it holds a space, so that no other program is taken for it), high priority, the
// shell's environment and current directory, feedback cursor, position (0, 0) and a maximised
// first window.
inline constexpr DWORD kGameCreationFlags = HIGH_PRIORITY_CLASS;
inline constexpr DWORD kGameStartupFlags =
    STARTF_FORCEONFEEDBACK | STARTF_USEPOSITION | STARTF_USESHOWWINDOW;
