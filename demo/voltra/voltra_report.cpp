#include "voltra_report.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "config/cp1251.h"
#include "toolkit/text.h"

namespace voltra {

namespace {

std::wstring Hex(DWORD value) {
  wchar_t text[16];
  swprintf(text, 16, L"0x%lx", static_cast<unsigned long>(value));
  return text;
}

std::wstring Joined(const std::vector<std::wstring>& names) {
  std::wstring out;
  for (const std::wstring& name : names) out += (out.empty() ? L"" : L",") + name;
  return out;
}

std::wstring LogPath() {
  wchar_t path[MAX_PATH];
  DWORD n = GetEnvironmentVariableW(L"VOLTRA_LOG", path, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return path;
  return OwnFolder() + L"\\voltra.log";
}

// Whoever watches the log may hold it open for a moment: the record is tried again for up to
// two seconds rather than lost.
void AppendToLog(const std::string& bytes) {
  for (int attempt = 0; attempt < 40; ++attempt) {
    if (FILE* log = _wfopen(LogPath().c_str(), L"ab")) {
      std::fwrite(bytes.data(), 1, bytes.size(), log);
      std::fclose(log);
      return;
    }
    Sleep(50);
  }
}

std::wstring CurrentFolder() {
  wchar_t path[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, path);
  return path;
}

// The registered configuration when it is there, else the first one of the folder.
std::wstring ChosenConfiguration(const std::vector<std::wstring>& files) {
  const std::wstring registered = RegisteredCfgName();
  const std::wstring folder = OwnFolder() + L"\\";
  if (!registered.empty() &&
      GetFileAttributesW((folder + registered).c_str()) != INVALID_FILE_ATTRIBUTES)
    return folder + registered;
  return files.empty() ? L"" : folder + files.front();
}

// "Key = value" lines; values keep their quotes.
std::map<std::string, std::string> ReadEntries(const std::wstring& file) {
  std::map<std::string, std::string> entries;
  std::ifstream in(file.c_str(), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    auto trim = [](std::string s) {
      s.erase(0, s.find_first_not_of(' '));
      s.erase(s.find_last_not_of(' ') + 1);
      return s;
    };
    entries.emplace(trim(line.substr(0, equals)), trim(line.substr(equals + 1)));
  }
  return entries;
}

}  // namespace

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\'));
}

std::vector<std::wstring> ConfigurationFiles(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*.cfg").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  // The wildcard also matches longer extensions ("a.cfgx"): only real ".cfg" names count.
  do {
    const std::wstring name = found.cFileName;
    if (name.size() >= 4 && _wcsicmp(name.c_str() + name.size() - 4, L".cfg") == 0)
      names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::wstring RegisteredCfgName() {
  wchar_t value[MAX_PATH] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Kestrelwood\\Voltrane", L"Cfg Name",
                   RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return L"";
  return value;
}

std::wstring WriteStartLog() {
  STARTUPINFOW startup{};
  GetStartupInfoW(&startup);
  const std::vector<std::wstring> files = ConfigurationFiles(OwnFolder());
  const std::wstring chosen = ChosenConfiguration(files);
  std::wostringstream block;
  block << L"pid=" << GetCurrentProcessId() << L"\n"
        << L"commandline=" << GetCommandLineW() << L"\n"
        << L"cwd=" << CurrentFolder() << L"\n"
        << L"priority_class=" << Hex(GetPriorityClass(GetCurrentProcess())) << L"\n"
        << L"startup_flags=" << Hex(startup.dwFlags) << L"\n"
        << L"show_window=" << startup.wShowWindow << L"\n"
        << L"position=" << startup.dwX << L"," << startup.dwY << L"\n"
        << L"cfg_files=" << Joined(files) << L"\n"
        << L"cfg_name=" << RegisteredCfgName() << L"\n"
        << L"config=" << chosen << L"\n\n";
  AppendToLog(tk::Narrow(block.str()));
  return chosen;
}

std::vector<Shown> PresentedValues(const std::wstring& configurationFile) {
  const auto entries = ReadEntries(configurationFile);
  auto value = [&entries](const char* key) {
    auto it = entries.find(key);
    const std::u16string text = kz::Cp1251ToUtf16(it == entries.end() ? "?" : it->second);
    return std::wstring(text.begin(), text.end());
  };
  return {
      {L"Разрешение экрана", value("ScreenWidth") + L" × " + value("ScreenHeight")},
      {L"Вперёд", value("Move_Forward")},
      {L"Огонь", value("Fire")},
      {L"Прыжок", value("Jump")},
      {L"Тип управления", value("ControllerType")},
  };
}

}  // namespace voltra
