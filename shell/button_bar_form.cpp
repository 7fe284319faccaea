#include "shell/button_bar_form.h"

#include "shell/button_bar_form_ids.h"

#include "shell/shutdown.h"
#include "toolkit/moment.h"

namespace {
constexpr int kFaceSizeBitmap = 100;
}

ButtonBarForm::ButtonBarForm(HWND mainWindow, ButtonBarActions actions)
    : tk::Form(L"ID_ButtonBarForm"), actions_(std::move(actions)), logo_(mainWindow) {}

void ButtonBarForm::Register() {
  SetFont("10.MS Sans Serif.Bold.CharSet=204");
  SetSystemBackground(COLOR_GRAYTEXT);
  SetName("ButtonBarForm");

  BindButton(TK_ITEM(pictbttn_Game), [this] { actions_.game(); });
  BindButton(TK_ITEM(pictbttn_Help), [this] { actions_.help(); });
  BindButton(TK_ITEM(pictbttn_Setup), [this] { actions_.setup(); });
  BindButton(TK_ITEM(pictbttn_Exit), [] { Shutdown(); });

  On<tk::Event::Paint>([this] {
    Place();
    tk::MarkMoment(L"button-bar");
    return false;
  });
  // Closing the bar ends the program.
  On<tk::Event::Destroy>([] {
    Shutdown();
    return false;
  });
  Place();
}

// The buttons' create events have drawn their faces: the bar shows itself.
void ButtonBarForm::Created() { ShowWindow(hwnd(), SW_SHOW); }

// A modal dialog that the bar owns (the setup form) tells it so whenever the dialog's queue is
// empty, its paints done.
INT_PTR ButtonBarForm::RawMessage(UINT message, WPARAM, LPARAM, bool& handled) {
  if (message == WM_ENTERIDLE) tk::MarkMoment(L"dialog-idle");
  handled = false;
  return 0;
}

void ButtonBarForm::BindButton(tk::PictureButton& button, int id, const char* name,
                               std::function<void()> action) {
  Bind(button, id, name);
  button.On<tk::Event::Create>([this, &button] {
    button.SetCaptionFace(Font(), kFaceSizeBitmap, RGB(255, 255, 0));
    return true;
  });
  button.On<tk::Event::Click>([this, action = std::move(action)] {
    if (IsBusy()) return true;
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
    actions_.playClickSounds();
    action();
    return true;
  });
}

void ButtonBarForm::Place() {
  RECT r;
  GetWindowRect(hwnd(), &r);
  const int width = r.right - r.left;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = GetSystemMetrics(SM_CYSCREEN) * 77 / 100;
  if (r.left != left || r.top != top)
    SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
