// What may stand in "Cfg Name": the bare name of a file inside the Main Folder. The shell joins
// the name to the folder to create, read, keep and delete configuration files, so a name that
// could reach another folder, another file than it spells, or a device is never used.
#pragma once

#include <string>

namespace kz {

// The longest name a Windows folder holds, in characters.
inline constexpr size_t kCfgNameMaxLength = 255;

// True when the UTF-8 name is a plain file name: not empty, at most kCfgNameMaxLength
// characters, no folder or drive part ("\", "/", ":"), no wildcard or other character that a
// file name cannot hold, no trailing dot or blank (Windows drops those, so the file opened
// would be another one), and not a device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9,
// CONIN$, CONOUT$), also with an extension ("nul.cfg" is the device too).
bool IsUsableCfgName(const std::string& name);

}  // namespace kz
