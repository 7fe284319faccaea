#include "shell/logo_form.h"

#include "shell/logo_form_ids.h"

#include "config/default_path.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {
constexpr UINT kZoomPercent = 200;
// The video window's edge is this wide on each side together; it lies outside the window.
constexpr int kEdge = 2;
}  // namespace

LogoForm::LogoForm(HWND behind) : tk::Form(L"ID_LogoForm"), behind_(behind), timer_(*this) {}

void LogoForm::Show() {
  if (IsOpen()) Destroy();
  tk::VideoWindow::RegisterWindowClass();
  Create(nullptr);
}

void LogoForm::Register() {
  SetFont("8.MS Sans Serif");
  SetBackground(RGB(0, 0, 0));
  SetName("LogoForm");
  Bind(TK_ITEM(mediapl_Logo));
  mediapl_Logo.SetThinEdge();
  mediapl_Logo.SetZoom(kZoomPercent);

  mediapl_Logo.On<tk::Event::Create>([this] { return StartVideo(); });
  mediapl_Logo.On<tk::Event::Resize>([this](tk::ResizeArgs& a) { return PlaceFromVideoSize(a); });
  // The video window closes its file itself, after this, and then shrinks: the covered part
  // is taken while the window still has the picture's size.
  mediapl_Logo.On<tk::Event::Destroy>([this] {
    timer_.Stop();
    InvalidateCoveredPart();
    return false;
  });
  timer_.On<tk::Event::Timer>([this] {
    Close();
    return true;
  });
  On<tk::Event::Cancel>([this] {
    Close();
    return true;
  });
}

void LogoForm::Created() { ShowWindow(hwnd(), SW_SHOW); }

INT_PTR LogoForm::RawMessage(UINT message, WPARAM w, LPARAM, bool& handled) {
  handled = mediapl_Logo.TakeSizeNotice(message, w);
  return 0;
}

// A missing video is reported; one the video window cannot open is not. Either way the
// window stays black until Esc, as no timer runs.
bool LogoForm::StartVideo() {
  const std::string path = KzDefaultPath("..\\").FindOrComplain("KzR\\logo.avi");
  if (path.empty() || !mediapl_Logo.Open(tk::Widen(path))) return true;
  tk::StopAllSounds();
  mediapl_Logo.PlayFromStart();
  timer_.Start(kLogoShowMs, 1);
  return true;
}

// The window takes the picture's size and hides the control's edge beyond its own border.
bool LogoForm::PlaceFromVideoSize(const tk::ResizeArgs& size) {
  const int cx = size.width, cy = size.height;
  const int width = cx - kEdge, height = cy - kEdge;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  SetWindowPos(hwnd(), nullptr, left, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(mediapl_Logo.hwnd(), nullptr, -kEdge, -kEdge, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void LogoForm::InvalidateCoveredPart() {
  if (!IsWindow(behind_)) return;
  RECT covered;
  GetWindowRect(hwnd(), &covered);
  MapWindowPoints(nullptr, behind_, reinterpret_cast<POINT*>(&covered), 2);
  InvalidateRect(behind_, &covered, TRUE);
}
