#include "toolkit/control.h"

namespace tk {

Control::~Control() {
  if (host_) host_->Unbind(*this);
}

void Control::Attach(HWND window, int id, std::string name) {
  hwnd_ = window;
  id_ = id;
  name_ = std::move(name);
}

void Control::Detach() {
  events_.Clear();
  hwnd_ = nullptr;
}

std::wstring Control::Text() const {
  int n = GetWindowTextLengthW(hwnd_);
  std::wstring text(size_t(n) + 1, L'\0');
  n = GetWindowTextW(hwnd_, text.data(), n + 1);
  text.resize(size_t(n));
  return text;
}

void Control::SetText(const std::wstring& text) { SetWindowTextW(hwnd_, text.c_str()); }
void Control::Enable(bool on) { EnableWindow(hwnd_, on); }
bool Control::IsEnabled() const { return IsWindowEnabled(hwnd_); }
void Control::Show(bool on) { ShowWindow(hwnd_, on ? SW_SHOW : SW_HIDE); }
void Control::Focus() { SetFocus(hwnd_); }
bool Control::HasFocus() const {
  HWND focus = GetFocus();
  return hwnd_ && (focus == hwnd_ || IsChild(hwnd_, focus));
}

RECT Control::WindowRect() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return r;
}

void Control::Move(int x, int y, int width, int height) {
  SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Control::Send(UINT message, WPARAM w, LPARAM l) const {
  return SendMessageW(hwnd_, message, w, l);
}

}  // namespace tk
