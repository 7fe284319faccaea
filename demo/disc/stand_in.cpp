// A stand-in for a program that the autorun program starts: the installer "setup.exe" of the
// demo disc, and the installed shell in the end-to-end tests. It only records that it was
// started, appending one block to "<its own name>.log" beside itself, and ends at once.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  int n =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

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
  std::fprintf(log, "started=%s\n", Utf8(program).c_str());
  std::fprintf(log, "commandline=%s\n", Utf8(GetCommandLineW()).c_str());
  std::fprintf(log, "cwd=%s\n", Utf8(CurrentFolder()).c_str());
  std::fprintf(log, "priority_class=0x%lX\n", GetPriorityClass(GetCurrentProcess()));
  std::fclose(log);
  return 0;
}
