// What the stand-in game learns about its start: the log block it appends for the tests, and
// the few configuration values its window presents.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace voltra {

// Folder of voltra.exe, without a trailing backslash.
std::wstring OwnFolder();
// The "*.cfg" names of a folder, sorted.
std::vector<std::wstring> ConfigurationFiles(const std::wstring& folder);
// "Cfg Name" of the installation key; empty without the key or the value.
std::wstring RegisteredCfgName();

// Appends one block of key=value lines to VOLTRA_LOG, or else to "voltra.log" beside the
// program, and returns the configuration file it chose to show (may be empty).
std::wstring WriteStartLog();

struct Shown {
  std::wstring caption;
  std::wstring value;
};
// The values of the configuration file that the window presents.
std::vector<Shown> PresentedValues(const std::wstring& configurationFile);

}  // namespace voltra
