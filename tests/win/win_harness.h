// What the Windows tests share: a message pump with a deadline, a scratch folder, and
// recorders of message boxes and sound requests.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/seams.h"
#include "toolkit/message_box.h"
#include "toolkit/sound.h"

namespace wt {

// Pumps the thread's messages until done() holds or the time is up; false on time-out.
// A WM_QUIT is taken off the queue and remembered.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 15000);
void PumpFor(DWORD ms);
bool QuitPosted();
// Posts a key press (down, then up) to `window` once it has the keyboard focus, and handles
// the thread's queue, so that the key has been through the message loop on return; false when
// the focus did not come. Under load a focus change from X reaches Wine late and may move the
// activation away for a moment: a key posted to whatever GetFocus() says then goes astray.
bool PressKeyOn(HWND window, UINT key, DWORD timeoutMs = 15000);
int QuitCode();
void ResetQuit();

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::wstring& path() const { return path_; }  // with a trailing backslash
  std::wstring Folder() const { return path_.substr(0, path_.size() - 1); }  // without it
  std::wstring Join(const std::wstring& name) const { return path_ + name; }
  void Write(const std::wstring& name, const std::string& bytes) const;
  std::string Read(const std::wstring& name) const;
  bool Exists(const std::wstring& name) const;
  void MakeFolder(const std::wstring& name) const;
  void CopyIn(const std::wstring& from, const std::wstring& name) const;

 private:
  std::wstring path_;
};

// Folder of the running test program, with a trailing backslash.
std::wstring TestProgramDir();

// A file system seam whose program folder is a given folder; existence is real.
class RedirectedFiles : public kz::FileSystem {
 public:
  explicit RedirectedFiles(std::wstring programDir);
  std::string ProgramDir() const override;
  bool PathExists(const std::string& path) const override;

 private:
  std::wstring programDir_;
};

// Records every message box and answers it with `answer`: at once, or, with `holdMs` set, after
// the thread's messages have run that long under the box, as under a real one.
class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(int answer = IDOK, DWORD holdMs = 0);
  ~MessageBoxRecorder();
  std::vector<tk::MessageBoxRequest> shown;
  int answer;
  DWORD holdMs;
};

// Records the sound requests as "sync KzR\swith.wav", "loop KzR\logo.wav", "stop", with the
// paths relative to `base`; `note` adds the caller's own entries to the same log.
class SoundRecorder {
 public:
  explicit SoundRecorder(std::wstring base);
  ~SoundRecorder();
  void Note(const std::string& entry) { log.push_back(entry); }
  std::vector<std::string> log;
  std::function<std::string()> context;  // appended to each sound entry when set

 private:
  std::wstring base_;
};

std::string Utf8(const std::wstring& text);

// The installation's key under HKEY_CURRENT_USER, and a value of it, of any length; nullopt
// when the value (or the key) is not there. Writing creates the key.
inline constexpr const wchar_t* kInstallKey = L"SOFTWARE\\Kestrelwood\\Voltrane";
std::optional<std::wstring> ReadInstallValue(const wchar_t* name);
void WriteInstallValue(const wchar_t* name, const std::wstring& data);

// A window's rectangle on the screen, or in the client coordinates of `parent`; its client area.
RECT WindowRect(HWND window, HWND parent = nullptr);
RECT ClientRect(HWND window);
// The same four edges, with both rectangles shown when they differ.
::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected);

// A 24-bit ".bmp" of one colour; given an alpha, a 32-bit one with that alpha in every pixel.
std::string SolidBitmap(int width, int height, COLORREF colour, int alpha = -1);

}  // namespace wt
