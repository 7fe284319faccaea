#include "toolkit/form.h"

#include <commctrl.h>

#include <algorithm>
#include <set>

#include "toolkit/exception_report.h"
#include "toolkit/font.h"

namespace tk {

namespace {

std::set<HWND>& ModelessForms() {
  static std::set<HWND> forms;
  return forms;
}

}  // namespace

Form::Form(std::wstring templateName) : templateName_(std::move(templateName)) {}

// The derived form's members are gone: neither the window's last messages nor the controls and
// timers that outlive this object may reach it.
Form::~Form() {
  if (hwnd_) SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
  for (Control* c : controls_) {
    c->SetHost(nullptr);
    c->Detach();
  }
  for (auto& [id, timer] : timers_) timer->Orphan();
  if (!hwnd_) return;
  ModelessForms().erase(hwnd_);
  DestroyWindow(hwnd_);
}

bool Form::Create(HWND owner) {
  modal_ = false;
  HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), templateName_.c_str(), owner,
                                 &Form::DialogProc, reinterpret_cast<LPARAM>(this));
  if (hwnd) ModelessForms().insert(hwnd);
  return hwnd != nullptr;
}

INT_PTR Form::RunModal(HWND owner) {
  modal_ = true;
  closeOnCancel_ = true;
  return DialogBoxParamW(GetModuleHandleW(nullptr), templateName_.c_str(), owner, &Form::DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

void Form::EndModal(INT_PTR result) {
  if (hwnd_ && modal_) EndDialog(hwnd_, result);
}

void Form::Close() {
  if (hwnd_) SendMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void Form::Destroy() {
  if (hwnd_ && !modal_)
    DestroyWindow(hwnd_);
  else
    EndModal(IDCANCEL);
}

void Form::PostUserEvent(WPARAM w, LPARAM l) {
  if (hwnd_) PostMessageW(hwnd_, kUserEventMessage, w, l);
}

void Form::Bind(Control& control, int id, std::string name) {
  control.Attach(GetDlgItem(hwnd_, id), id, std::move(name));
  control.SetHost(this);
  if (std::find(controls_.begin(), controls_.end(), &control) == controls_.end())
    controls_.push_back(&control);
}

void Form::Unbind(Control& control) { std::erase(controls_, &control); }

Control* Form::FindControl(int id) const {
  for (Control* c : controls_)
    if (c->id() == id) return c;
  return nullptr;
}

Control* Form::FindControl(HWND window) const {
  if (!window) return nullptr;
  for (Control* c : controls_)
    if (c->hwnd() == window) return c;
  return nullptr;
}

size_t Form::HandlerCount() const {
  size_t count = events_.Count();
  for (Control* c : controls_) count += c->events().Count();
  for (auto& [id, timer] : timers_) count += timer->events().Count();
  return count;
}

void Form::SetBackground(COLORREF colour) {
  background_.reset(CreateSolidBrush(colour));
  backgroundBrush_ = background_.get();
}

void Form::SetSystemBackground(int colourIndex) {
  background_.reset();
  backgroundBrush_ = GetSysColorBrush(colourIndex);
}

void Form::SetFont(const std::string& fontText) {
  // The form's previous font lives until no control uses it any more.
  const FontHandle previous = std::move(font_);
  font_ = CreateFontFromText(fontText);
  if (!hwnd_) return;
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  // A control whose font (the template's, as a rule) already draws alike keeps it: a new font
  // makes edit and combo boxes measure and lay themselves out again, several milliseconds a
  // page under Wine.
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const auto current = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
    if (current == previous.get() || !FontsLookAlike(current, font_.get()))
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  }
}

UINT_PTR Form::AddTimer(Timer& timer) {
  timers_[++lastTimerId_] = &timer;
  return lastTimerId_;
}
void Form::RemoveTimer(Timer& timer) { timers_.erase(timer.id()); }

bool Form::PreTranslate(MSG& msg) {
  for (HWND form : ModelessForms())
    if (form == msg.hwnd || IsChild(form, msg.hwnd)) return IsDialogMessageW(form, &msg);
  return false;
}

INT_PTR CALLBACK Form::DialogProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  Form* form = nullptr;
  if (message == WM_INITDIALOG) {
    form = reinterpret_cast<Form*>(l);
    SetWindowLongPtrW(hwnd, DWLP_USER, l);
  } else {
    form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  }
  if (!form) return FALSE;
  // No exception may cross into user32.
  try {
    if (message == WM_INITDIALOG) {
      form->Initialise(hwnd);
      return TRUE;
    }
    bool handled = false;
    INT_PTR result = form->RawMessage(message, w, l, handled);
    if (!handled) result = form->Dispatch(message, w, l, handled);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, DWLP_USER, 0);
      form->hwnd_ = nullptr;
      ModelessForms().erase(hwnd);
    }
    return handled ? result : FALSE;
  } catch (...) {
    ReportStoppedException(L"the dialog procedure");
    return FALSE;
  }
}

void Form::Initialise(HWND hwnd) {
  hwnd_ = hwnd;
  Register();
  events_.Raise<Event::Create>();
  for (Control* c : controls_) c->events().Raise<Event::Create>();
  Created();
}

INT_PTR Form::Dispatch(UINT message, WPARAM w, LPARAM l, bool& handled) {
  handled = true;
  switch (message) {
    case WM_COMMAND:
      handled = OnCommand(w, l);
      return TRUE;
    case WM_NOTIFY: {
      LRESULT result = 0;
      handled = OnNotify(l, result);
      if (handled) SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      handled = OnScroll(w, l);
      return TRUE;
    case WM_TIMER: {
      auto it = timers_.find(w);
      if (it == timers_.end()) break;
      it->second->Fire();
      return TRUE;
    }
    case WM_PAINT:
      handled = OnPaint();
      return TRUE;
    case kUserEventMessage: {
      UserArgs args{w, l};
      events_.Raise<Event::User>(args);
      return TRUE;
    }
    case WM_SIZE: {
      ResizeArgs args{LOWORD(l), HIWORD(l)};
      handled = events_.Raise<Event::Resize>(args);
      return TRUE;
    }
    case WM_CLOSE: {
      CancelArgs args;
      events_.Raise<Event::Close>(args);
      if (!args.cancel) Destroy();
      return TRUE;
    }
    case WM_DESTROY:
      OnDestroyed();
      handled = false;
      return 0;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (!backgroundBrush_) break;
      SetTextColor(reinterpret_cast<HDC>(w), textColour_);
      SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
      return reinterpret_cast<INT_PTR>(backgroundBrush_);
  }
  handled = false;
  return 0;
}

// Routing only: the control that sent the message decodes it.
bool Form::OnCommand(WPARAM w, LPARAM l) {
  const int code = HIWORD(w);
  if (Control* control = FindControl(reinterpret_cast<HWND>(l)))
    return control->DecodeCommand(code);
  if (LOWORD(w) == IDCANCEL) {  // Esc, or a cancel button no control stands for
    if (!events_.Raise<Event::Cancel>() && closeOnCancel_) Close();
    return true;
  }
  return false;
}

bool Form::OnNotify(LPARAM l, LRESULT& result) {
  const auto* header = reinterpret_cast<const NMHDR*>(l);
  Control* control = FindControl(header->hwndFrom);
  return control && control->DecodeNotify(*header, result);
}

bool Form::OnScroll(WPARAM w, LPARAM l) {
  Control* control = FindControl(reinterpret_cast<HWND>(l));
  return control && control->DecodeScroll(LOWORD(w), HIWORD(w));
}

bool Form::OnPaint() {
  if (events_.Empty()) return false;
  PAINTSTRUCT ps;
  PaintArgs args{BeginPaint(hwnd_, &ps)};
  events_.Raise<Event::Paint>(args);
  EndPaint(hwnd_, &ps);
  return true;  // painted here, whether or not a handler drew anything
}

// Every handler goes with the window: the form's, its controls' and its timers'. The controls
// go one at a time: a handler may destroy a control still to come, which then unbinds itself.
void Form::OnDestroyed() {
  for (auto& [id, timer] : timers_) timer->Stop();
  events_.Raise<Event::Destroy>();
  while (!controls_.empty()) {
    Control* c = controls_.front();
    controls_.erase(controls_.begin());
    c->SetHost(nullptr);
    c->events().Raise<Event::Destroy>();
    c->Detach();
  }
  for (auto& [id, timer] : timers_) timer->events().Clear();
  events_.Clear();
}

}  // namespace tk
