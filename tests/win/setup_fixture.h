// The setup dialog opened through the shell's Setup button on a scratch installation whose
// installation key names its configuration file. The dialog runs its own modal loop, so the
// test drives it from inside with a script of steps run by a thread timer.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "setup/setup_form.h"
#include "shell_fixture.h"
#include "toolkit/joystick.h"

// The dialog's joysticks in the tests: the two a test plugs in, with what they hold, and how
// often each was read.
struct FakeJoysticks : tk::JoystickSource {
  std::optional<tk::JoystickReading> devices[2];
  int reads[2] = {};
  std::optional<tk::JoystickReading> Read(unsigned id) override {
    if (id > 1) return std::nullopt;
    ++reads[id];
    return devices[id];
  }
};

// A step returns false to be run again at the next tick (waiting for something).
using ModalStep = std::function<bool()>;

// Runs the steps one after the other from a thread timer, which every message loop of the
// thread dispatches, modal ones included. A script that is not done within its time limit
// closes the setup window, so that a broken dialog fails the test instead of hanging it.
class ModalScript {
 public:
  ModalScript(std::vector<ModalStep> steps, HWND* closeOnTimeout, DWORD limitMs = 30000);
  ~ModalScript();
  bool Finished() const { return next_ == steps_.size(); }
  bool TimedOut() const { return timedOut_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Tick();

  std::vector<ModalStep> steps_;
  size_t next_ = 0;
  HWND* closeOnTimeout_;
  DWORD start_;
  DWORD limitMs_;
  UINT_PTR timer_;
  bool inStep_ = false;
  bool timedOut_ = false;
};

class SetupTest : public ShellTest {
 protected:
  static constexpr const wchar_t* kCfgName = L"voltrane.cfg";
  // What the dialog asks when it closes on a changed configuration.
  static constexpr const wchar_t* kQuestion = L"Конфигурация изменена. Сохранить изменения?";

  void SetUp() override;
  void TearDown() override;

  // Writes the configuration file from the defaults, changed by `tweak` (which edits the
  // current tables), then reloads nothing: the Setup button reads it.
  void WriteConfig(const std::function<void()>& tweak = {}, const std::wstring& name = kCfgName);
  // Starts the shell on the configuration file that WriteConfig(tweak) writes.
  bool StartShellOn(const std::function<void()>& tweak);
  // A tweak: FXDevice and MusicDevice 13, the codes the Sound page gives them when no card was
  // found at start-up; a file that holds them is left as it is by opening the dialog.
  static void NoSoundCard();
  std::string ConfigBytes(const std::wstring& name = kCfgName) const;
  // Whether the file holds that line, ended as the game's reader expects, CR LF.
  bool HasLine(const std::string& line) const;
  static std::vector<ModalStep> Join(std::vector<std::vector<ModalStep>> parts);

  // Clicks the Setup button and runs the steps while the dialog is open; the last step must
  // close it. True when every step ran and the dialog closed.
  bool OpenSetup(std::vector<ModalStep> steps);
  // Opens the dialog on that page (the first is shown as the dialog opens), runs `look` there,
  // then closes the dialog with Esc.
  bool OpenSetupOn(int page, std::function<void()> look);
  SetupForm& Form() { return main->ButtonBar().Setup(); }
  // What the dialog reads as the system's joysticks: none unless a test plugs one in.
  FakeJoysticks joysticks;

  // Steps.
  ModalStep WhenOpen();
  static ModalStep Do(std::function<void()> action);
  ModalStep PressKey(WORD key);
  // Where a key goes: the focused window, or the active window when nothing has the focus, as
  // long as that is the setup dialog or a dialog over it. Null while a late focus event from X
  // has handed the activation to the shell's main window or bar for a moment (or to no
  // window): a step that sends a key then waits.
  HWND KeyTarget();
  // The key with Ctrl, Shift or both held, as the thread's keyboard state tells it; the keys
  // are let go at the next tick, once the dialog has taken the message.
  ModalStep PressChord(WORD key, bool shift = false, bool ctrl = true);
  ModalStep CloseBox();
  // Waits that long, letting the dialog run (for screenshots).
  static ModalStep Hold(DWORD ms);
  ModalStep SelectTab(int index);

  std::optional<std::wstring> RegistryCfgName() const;
  void SetRegistryCfgName(const std::wstring& name) const;

 private:
  std::optional<std::wstring> savedCfgName_;
  HWND setupWindow_ = nullptr;
};

// The pixels of an icon's colour plane, to tell icons apart by their looks.
std::vector<DWORD> IconPixels(HICON icon);
std::vector<DWORD> ResourceIconPixels(int number);
std::vector<DWORD> FileIconPixels(const std::wstring& path, int size);
// The windows of this thread, children included.
int ThreadWindowCount();
// Handle values that name an open kernel object of this process.
int KernelHandleCount();
