#include "shell/help_form.h"

#include <cstdio>

#include "shell/help_form_ids.h"

#include "config/default_path.h"
#include "toolkit/canvas.h"
#include "toolkit/picture_fit.h"
#include "toolkit/text.h"

namespace {

// The space between the picture and the scroll bar.
constexpr int kGap = 5;

// The picture at the page size: a page of another size is fitted in with its proportions
// kept, on black.
tk::BitmapHandle PageSizedPicture(tk::Canvas& page) {
  if (page.width() == kHelpPictureWidth && page.height() == kHelpPictureHeight)
    return page.TakeBitmap();
  tk::Canvas box;
  if (!box.CreateBlank(kHelpPictureWidth, kHelpPictureHeight, RGB(0, 0, 0)))
    return tk::BitmapHandle();
  const tk::FitRect fit =
      tk::FitPicture(page.width(), page.height(), kHelpPictureWidth, kHelpPictureHeight);
  page.StretchTo(box.dc(), fit.x, fit.y, fit.width, fit.height);
  return box.TakeBitmap();
}

}  // namespace

std::string HelpPageFile(int page) {
  char name[32];
  std::snprintf(name, sizeof name, "KzR\\LHelp%02d.bmp", page + 1);
  return name;
}

HelpForm::HelpForm() : tk::Form(L"ID_HelpForm") {}

void HelpForm::Show(HWND owner) {
  if (IsOpen()) {
    if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
    BringWindowToTop(hwnd());
    SetForegroundWindow(hwnd());
    return;
  }
  Create(owner);
}

void HelpForm::Register() {
  SetFont("8.MS Sans Serif");
  SetName("HelpForm");
  Bind(TK_ITEM(pictb_Help));
  Bind(TK_ITEM(vscroll_Help));

  vscroll_Help.On<tk::Event::Scroll>([this](tk::ScrollArgs& a) {
    ShowHelpPage(a.position);
    return true;
  });
  On<tk::Event::Cancel>([this] {
    Close();
    return true;
  });
  On<tk::Event::Destroy>([this] {
    pictb_Help.SetBitmap(nullptr);
    picture_.reset();
    return false;
  });

  Layout();
  vscroll_Help.SetRange(0, kHelpPageCount - 1);
  vscroll_Help.SetSteps(1, 1);
  vscroll_Help.SetPosition(0);
  ShowHelpPage(0);
}

void HelpForm::Created() {
  ShowWindow(hwnd(), SW_SHOW);
  vscroll_Help.Focus();
}

// The client area is the picture, a gap and the scroll bar; the window is centred on the screen.
void HelpForm::Layout() {
  pictb_Help.Move(0, 0, kHelpPictureWidth, kHelpPictureHeight);
  RECT outer, client;
  GetWindowRect(hwnd(), &outer);
  GetClientRect(hwnd(), &client);
  const int frameWidth = (outer.right - outer.left) - client.right;
  const int frameHeight = (outer.bottom - outer.top) - client.bottom;
  const int scrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  const int width = kHelpPictureWidth + scrollWidth + kGap + frameWidth;
  const int height = kHelpPictureHeight + frameHeight;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(hwnd(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  GetClientRect(hwnd(), &client);
  vscroll_Help.Move(client.right - scrollWidth, 0, scrollWidth, client.bottom);
}

void HelpForm::ShowHelpPage(int page) {
  if (page < 0 || page >= kHelpPageCount) return;
  const std::string path = KzDefaultPath("..\\").FindOrComplain(HelpPageFile(page));
  tk::Canvas file;
  tk::BitmapHandle picture;
  if (!path.empty() && file.LoadBitmapFile(tk::Widen(path))) picture = PageSizedPicture(file);
  pictb_Help.SetBitmap(picture.get());
  picture_ = std::move(picture);
}
