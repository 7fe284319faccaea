// A stand-in for a program that the autorun program starts: the installer "setup.exe" of the
// demo disc, and the installed shell in the end-to-end tests. It only records that it was
// started, appending one block to "<its own name>.log" beside itself, and ends at once.
#include <windows.h>

#include <cstdio>
#include <string>

#include "toolkit/text.h"

namespace {

std::wstring OwnPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

std::wstring CurrentFolder() {
  wchar_t folder[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, folder);
  return folder;
}

// "C:\Disc\setup.exe" logs to "C:\Disc\setup.log".
std::wstring LogPath(const std::wstring& program) {
  const size_t dot = program.find_last_of(L'.');
  return (dot == std::wstring::npos ? program : program.substr(0, dot)) + L".log";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring program = OwnPath();
  FILE* log = _wfopen(LogPath(program).c_str(), L"ab");
  if (!log) return 1;
  std::fprintf(log, "started=%s\n", tk::Narrow(program).c_str());
  std::fprintf(log, "commandline=%s\n", tk::Narrow(GetCommandLineW()).c_str());
  std::fprintf(log, "cwd=%s\n", tk::Narrow(CurrentFolder()).c_str());
  std::fprintf(log, "priority_class=0x%lX\n", GetPriorityClass(GetCurrentProcess()));
  std::fclose(log);
  return 0;
}
