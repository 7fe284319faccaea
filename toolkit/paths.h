#pragma once

#include <string>

namespace tk {

// Full path of the running program file.
std::wstring ProgramPath();
// Its folder, with the trailing backslash.
std::wstring ProgramDir();
bool PathExists(const std::wstring& path);

}  // namespace tk
