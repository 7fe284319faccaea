// The command line that starts a program given by its path alone. Unquoted, a path such as
// "C:\Program Files\Voltrane\setupshell.exe" is split at its first space by CreateProcess,
// which then tries "C:\Program.exe" first and would start whatever program sits there.
// Portable, so that the rule is tested natively.
#pragma once

#include <string>

namespace tk {

// The path in double quotes when it holds a space or a tab; otherwise, and when empty, as it is.
inline std::wstring CommandLineForPath(const std::wstring& path) {
  if (path.find_first_of(L" \t") == std::wstring::npos) return path;
  return L"\"" + path + L"\"";
}

}  // namespace tk
