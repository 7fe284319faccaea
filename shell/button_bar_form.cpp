#include "button_bar_form.h"

#include "toolkit/caption_face.h"
#include "main_form.h"
#include "shutdown.h"

namespace {
constexpr int kFaceSizeBitmap = 100;
}

ButtonBarForm::ButtonBarForm(MainForm& main)
    : tk::Form(L"ID_ButtonBarForm"), main_(main), logo_(main) {}

ButtonBarForm::~ButtonBarForm() { Destroy(); }

void ButtonBarForm::Register() {
  SetFont("10.MS Sans Serif.Bold.CharSet=204");
  SetSystemBackground(COLOR_GRAYTEXT);
  SetName("ButtonBarForm");

  BindButton(pictbttn_Game, 101, "pictbttn_Game", [this] { main_.Actions().launchGame(*this); });
  BindButton(pictbttn_Help, 102, "pictbttn_Help", [this] { main_.Actions().showHelp(*this); });
  BindButton(pictbttn_Setup, 103, "pictbttn_Setup", [this] { main_.Actions().showSetup(*this); });
  BindButton(pictbttn_Exit, 104, "pictbttn_Exit", [] { Shutdown(); });

  On(tk::Event::Paint, [this](tk::EventArgs&) {
    Place();
    return false;
  });
  // Closing the bar ends the program.
  On(tk::Event::Destroy, [](tk::EventArgs&) {
    Shutdown();
    return false;
  });
  Place();
}

// The buttons' create events have drawn their faces: the bar shows itself.
void ButtonBarForm::Created() { ShowWindow(hwnd(), SW_SHOW); }

void ButtonBarForm::BindButton(tk::PictureButton& button, int id, const char* name,
                               std::function<void()> action) {
  Bind(button, id, name);
  button.On(tk::Event::Create, [this, &button](tk::EventArgs&) {
    button.SetFace(tk::MakeCaptionFace(button.Text(), Font(), kFaceSizeBitmap, RGB(255, 255, 0)));
    return true;
  });
  button.On(tk::Event::Click, [this, action = std::move(action)](tk::EventArgs&) {
    if (IsBusy()) return true;
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
    main_.PlayButtonSounds();
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
