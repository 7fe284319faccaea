#include "autorun/auto_run_form.h"

#include "autorun/auto_run_form_ids.h"

#include "autorun/end_autorun.h"
#include "autorun/start_program.h"
#include "config/default_path.h"
#include "config/install_settings.h"

namespace {
constexpr int kIconResource = 100;
constexpr int kFaceSizeBitmap = 100;
}  // namespace

AutoRunForm::AutoRunForm()
    : tk::Form(L"ID_AutoRunForm"), installed_(InstallKeyOpens()), timer_(*this) {}

void AutoRunForm::Register() {
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource));
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  SetFont("10.MS Sans Serif.Bold.CharSet=204");
  SetSystemBackground(COLOR_GRAYTEXT);
  SetName("AutoRunForm");

  BindButton(TK_ITEM(pictbttn_Install));
  BindButton(TK_ITEM(pictbttn_Exit));
  pictbttn_Install.On<tk::Event::Click>([this] {
    StartInstaller();
    return true;
  });
  pictbttn_Exit.On<tk::Event::Click>([this] {
    End();
    return true;
  });
  On<tk::Event::Cancel>([this] {
    End();
    return true;
  });
  // Closing the window ends the program, through the same once-only end.
  On<tk::Event::Close>([this] {
    End();
    return true;
  });
  timer_.On<tk::Event::Timer>([this] {
    StartInstalledShell();
    return true;
  });

  CentreOnScreen();
  if (installed_) timer_.Start(kShellStartDelayMs);
}

// The buttons' create events have drawn their faces: the window shows itself.
void AutoRunForm::Created() { ShowWindow(hwnd(), SW_SHOW); }

void AutoRunForm::BindButton(tk::PictureButton& button, int id, const char* name) {
  Bind(button, id, name);
  button.On<tk::Event::Create>([this, &button] {
    button.SetCaptionFace(Font(), kFaceSizeBitmap, RGB(255, 255, 0));
    return true;
  });
}

void AutoRunForm::CentreOnScreen() {
  RECT r;
  GetWindowRect(hwnd(), &r);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
  SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// When the key does not open at this moment, nothing starts and the timer tries again.
void AutoRunForm::StartInstalledShell() {
  if (!InstallKeyOpens()) return;
  StartProgram(ReadInstallValue(kMainFolderValue) + "\\setupshell.exe");
  End();
}

// The countdown stops first: timers fire under the message box that a missing "setup.exe"
// brings, and the shell would start behind it.
void AutoRunForm::StartInstaller() {
  timer_.Stop();
  StartProgram(KzDefaultPath("..\\").FindOrComplain("setup.exe"));
  End();
}

void AutoRunForm::End() { EndAutorun(timer_); }
