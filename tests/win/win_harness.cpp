#include "win_harness.h"

#include <cstdio>
#include <optional>

#include "toolkit/form.h"
#include "toolkit/paths.h"
#include "toolkit/registry.h"
#include "toolkit/text.h"

namespace wt {

namespace {
bool quitPosted = false;
int quitCode = 0;

void DeleteTree(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring full = folder + name;
      SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        DeleteTree(full + L"\\");
      else
        DeleteFileW(full.c_str());
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}

// Dispatches what the thread has queued, through the forms' key handling when `viaForms` (as
// the application's loop does; a message box's loop knows no form of ours). A WM_QUIT stops
// it: its code is returned, and what came after it stays queued.
std::optional<int> DispatchQueued(bool viaForms) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return int(msg.wParam);
    if (viaForms && tk::Form::PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return std::nullopt;
}
}  // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    while (const std::optional<int> code = DispatchQueued(true)) {
      quitPosted = true;
      quitCode = *code;
    }
    if (done()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  PumpUntil([&] { return GetTickCount() - start >= ms; }, ms + 1000);
}

namespace {
std::string ClassName(HWND window) {
  wchar_t name[64] = L"none";
  if (window) GetClassNameW(window, name, 64);
  return tk::Narrow(name);
}
}  // namespace

bool PressKeyOn(HWND window, UINT key, DWORD timeoutMs) {
  if (!PumpUntil([window] { return GetFocus() == window; }, timeoutMs)) {
    std::fprintf(stderr, "key %u: the focus is on %s, the active window %s, in front %s\n", key,
                 ClassName(GetFocus()).c_str(), ClassName(GetActiveWindow()).c_str(),
                 ClassName(GetForegroundWindow()).c_str());
    return false;
  }
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 0xC0000001);
  PumpUntil([] { return true; });  // the queue handled
  return true;
}

bool QuitPosted() { return quitPosted; }
int QuitCode() { return quitCode; }
void ResetQuit() { quitPosted = false, quitCode = 0; }

ScratchFolder::ScratchFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static int counter = 0;
  path_ = std::wstring(temp) + L"voltrane-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter) + L"\\";
  CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { DeleteTree(path_); }

void ScratchFolder::Write(const std::wstring& name, const std::string& bytes) const {
  HANDLE f = CreateFileW(Join(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(f, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(f);
}

// Shares writing too: a program under test may be appending to the file at that moment, and
// must not find it locked by the test that watches it.
std::string ScratchFolder::Read(const std::wstring& name) const {
  HANDLE f = CreateFileW(Join(name).c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string bytes(GetFileSize(f, nullptr), '\0');
  DWORD read = 0;
  ReadFile(f, bytes.data(), DWORD(bytes.size()), &read, nullptr);
  CloseHandle(f);
  bytes.resize(read);
  return bytes;
}

bool ScratchFolder::Exists(const std::wstring& name) const { return tk::PathExists(Join(name)); }

void ScratchFolder::MakeFolder(const std::wstring& name) const {
  CreateDirectoryW(Join(name).c_str(), nullptr);
}

void ScratchFolder::CopyIn(const std::wstring& from, const std::wstring& name) const {
  CopyFileW(from.c_str(), Join(name).c_str(), FALSE);
}

std::wstring TestProgramDir() { return tk::ProgramDir(); }

RedirectedFiles::RedirectedFiles(std::wstring programDir) : programDir_(std::move(programDir)) {}

std::string RedirectedFiles::ProgramDir() const { return tk::Narrow(programDir_); }

bool RedirectedFiles::PathExists(const std::string& path) const {
  return tk::PathExists(tk::Widen(path));
}

namespace {
// What the thread does while a real box is up, for a recorder that answers as a player would,
// some time after the box appeared: for `ms` it takes the thread's messages from the queue and
// dispatches them, so timers fire, posted messages arrive and key observers see keys. A box's
// own loop knows no form of ours: it translates and dispatches, nothing more. A WM_QUIT ends it
// early and stays in the queue for the loop outside, as it does for a box. Without a hold the
// recorder answers at once, with no message handled meanwhile.
void RunLikeAMessageBox(DWORD ms) {
  const DWORD start = GetTickCount();
  for (DWORD elapsed = 0; elapsed < ms; elapsed = GetTickCount() - start) {
    if (const std::optional<int> code = DispatchQueued(false)) return PostQuitMessage(*code);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
  }
}
}  // namespace

MessageBoxRecorder::MessageBoxRecorder(int answer, DWORD holdMs) : answer(answer), holdMs(holdMs) {
  tk::SetMessageBoxHook([this](const tk::MessageBoxRequest& request) {
    shown.push_back(request);
    if (this->holdMs > 0) RunLikeAMessageBox(this->holdMs);
    return this->answer;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() { tk::SetMessageBoxHook(nullptr); }

SoundRecorder::SoundRecorder(std::wstring base) : base_(std::move(base)) {
  tk::SetSoundObserver([this](tk::SoundRequest request, const std::wstring& path) {
    std::string entry = request == tk::SoundRequest::StopAll    ? "stop"
                        : request == tk::SoundRequest::PlaySync ? "sync "
                                                                : "loop ";
    if (request != tk::SoundRequest::StopAll) {
      std::wstring shown = path;
      if (shown.compare(0, base_.size(), base_) == 0) shown = shown.substr(base_.size());
      entry += shown.empty() ? "(none)" : tk::Narrow(shown);
    }
    if (context) entry += context();
    log.push_back(entry);
  });
}

SoundRecorder::~SoundRecorder() { tk::SetSoundObserver(nullptr); }

std::string Utf8(const std::wstring& text) { return tk::Narrow(text); }

std::optional<std::wstring> ReadInstallValue(const wchar_t* name) {
  return tk::RegistryKey::Open(HKEY_CURRENT_USER, kInstallKey, KEY_READ).ReadString(name);
}

void WriteInstallValue(const wchar_t* name, const std::wstring& data) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kInstallKey, name, REG_SZ, data.c_str(),
                  DWORD((data.size() + 1) * sizeof(wchar_t)));
}

RECT WindowRect(HWND window, HWND parent) {
  RECT r{};
  GetWindowRect(window, &r);
  if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

RECT ClientRect(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return r;
}

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
  if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
  const auto text = [](const RECT& r) {
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + "}";
  };
  return ::testing::AssertionFailure()
         << text(actual) << " where " << text(expected) << " was expected";
}

std::string SolidBitmap(int width, int height, COLORREF colour, int alpha) {
  const int pixel = alpha < 0 ? 3 : 4;
  const int row = (width * pixel + 3) & ~3;
  const BITMAPFILEHEADER file{0x4D42, DWORD(54 + row * height), 0, 0, 54};
  const BITMAPINFOHEADER info{40, width, height, 1, WORD(pixel * 8), BI_RGB, 0, 0, 0, 0, 0};
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  bytes.resize(file.bfSize);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const size_t at = size_t(54 + y * row + x * pixel);
      bytes[at] = char(GetBValue(colour));
      bytes[at + 1] = char(GetGValue(colour));
      bytes[at + 2] = char(GetRValue(colour));
      if (alpha >= 0) bytes[at + 3] = char(alpha);
    }
  return bytes;
}

}  // namespace wt
