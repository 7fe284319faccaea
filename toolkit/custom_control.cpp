#include "toolkit/custom_control.h"

#include "toolkit/exception_report.h"

namespace tk {

namespace {
// The object that Create is making a window for. A template's creation data is no object of
// ours, so lpCreateParams is trusted only when it is this very pointer.
thread_local CustomControl* creating = nullptr;
}  // namespace

CustomControl::~CustomControl() {
  Unhook();
  if (owned_ && hwnd()) DestroyWindow(hwnd());
}

bool CustomControl::RegisterClass(const wchar_t* className) {
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &info)) return true;
  info = WNDCLASSEXW{};
  info.cbSize = sizeof info;
  info.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  info.lpfnWndProc = &CustomControl::StaticProc;
  info.hInstance = GetModuleHandleW(nullptr);
  info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  info.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  info.lpszClassName = className;
  return RegisterClassExW(&info) != 0;
}

bool CustomControl::Create(const wchar_t* className, HWND parent, int id, const RECT& bounds,
                           DWORD style, std::string name) {
  if (!RegisterClass(className)) return false;
  Attach(nullptr, id, std::move(name));
  creating = this;
  HWND hwnd =
      CreateWindowExW(0, className, L"", style, bounds.left, bounds.top, bounds.right - bounds.left,
                      bounds.bottom - bounds.top, parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                      GetModuleHandleW(nullptr), this);
  creating = nullptr;
  owned_ = hwnd != nullptr;
  return owned_;
}

void CustomControl::Attach(HWND window, int id, std::string name) {
  Control::Attach(window, id, std::move(name));
  if (window) SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void CustomControl::Detach() {
  Unhook();
  owned_ = false;
  Control::Detach();
}

void CustomControl::Unhook() {
  if (hwnd() && IsWindow(hwnd()) &&
      GetWindowLongPtrW(hwnd(), GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this))
    SetWindowLongPtrW(hwnd(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK CustomControl::StaticProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
    if (creating && create->lpCreateParams == creating) {
      CustomControl* self = creating;
      self->Control::Attach(hwnd, self->id(), self->name());
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  }
  auto* self = reinterpret_cast<CustomControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, w, l);
  LRESULT result = 0;
  try {
    result = self->WindowProc(message, w, l);
  } catch (...) {
    ReportStoppedException(L"a control's window procedure");
    result = DefWindowProcW(hwnd, message, w, l);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->owned_ = false;
    self->Control::Detach();
  }
  return result;
}

LRESULT CustomControl::DialogCode(LPARAM l) const {
  LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  const MSG* msg = reinterpret_cast<const MSG*>(l);
  if (msg && msg->message == WM_KEYDOWN && WantsKey(UINT(msg->wParam))) code |= DLGC_WANTMESSAGE;
  return code;
}

LRESULT CustomControl::WindowProc(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_GETDLGCODE:
      return DialogCode(l);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      KeyArgs args{UINT(w), l, message == WM_SYSKEYDOWN};
      if (events_.Raise<Event::KeyDown>(args)) return 0;
      break;
    }
    case WM_SETFOCUS:
      events_.Raise<Event::GotFocus>();
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_KILLFOCUS:
      events_.Raise<Event::LostFocus>();
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd());
      return 0;
    case WM_SIZE: {
      ResizeArgs args{LOWORD(l), HIWORD(l)};
      events_.Raise<Event::Resize>(args);
      return 0;
    }
    case WM_PAINT:
      OnPaint();
      return 0;
  }
  return DefWindowProcW(hwnd(), message, w, l);
}

void CustomControl::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  RECT client;
  GetClientRect(hwnd(), &client);
  Paint(dc, client);
  EndPaint(hwnd(), &ps);
}

}  // namespace tk
