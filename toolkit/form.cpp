#include "form.h"

#include <commctrl.h>

#include <algorithm>
#include <set>

#include "font.h"
#include "timer.h"

namespace tk {

namespace {

std::set<HWND>& ModelessForms() {
  static std::set<HWND> forms;
  return forms;
}

}  // namespace

Form::Form(std::wstring templateName) : templateName_(std::move(templateName)) {}

Form::~Form() {
  if (hwnd_) DestroyWindow(hwnd_);
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
  if (std::find(controls_.begin(), controls_.end(), &control) == controls_.end())
    controls_.push_back(&control);
}

Control* Form::FindControl(int id) const {
  for (Control* c : controls_)
    if (c->id() == id) return c;
  return nullptr;
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
  font_ = CreateFontFromText(fontText);
  if (!hwnd_) return;
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void Form::AddTimer(Timer& timer) { timers_[timer.id()] = &timer; }
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
    return FALSE;
  }
}

void Form::Initialise(HWND hwnd) {
  hwnd_ = hwnd;
  Register();
  events_.Raise(Event::Create);
  for (Control* c : controls_) c->events().Raise(Event::Create);
  Created();
}

INT_PTR Form::Dispatch(UINT message, WPARAM w, LPARAM l, bool& handled) {
  handled = true;
  switch (message) {
    case WM_COMMAND:
      handled = OnCommand(w, l);
      return TRUE;
    case WM_NOTIFY: {
      INT_PTR result = 0;
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
      EventArgs args{w, l};
      events_.Raise(Event::User, args);
      return TRUE;
    }
    case WM_SIZE: {
      EventArgs args{w, l};
      handled = events_.Raise(Event::Resize, args);
      return TRUE;
    }
    case WM_CLOSE: {
      EventArgs args;
      events_.Raise(Event::Close, args);
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

bool Form::OnCommand(WPARAM w, LPARAM l) {
  const int id = LOWORD(w);
  const int code = HIWORD(w);
  EventArgs args{w, l};
  args.code = code;
  Control* control = l ? FindControl(id) : nullptr;
  if (control) {
    switch (code) {
      case BN_CLICKED:
        return control->events().Raise(Event::Click, args);
      case BN_DOUBLECLICKED:
        return control->events().Raise(Event::DoubleClick, args);
      case EN_CHANGE:
        return control->events().Raise(Event::Change, args);
      case CBN_SELCHANGE:
        return control->events().Raise(Event::Select, args);  // = LBN_SELCHANGE
      case LBN_DBLCLK:
        return control->events().Raise(Event::DoubleClick, args);
      case EN_SETFOCUS:
      case BN_SETFOCUS:
        return control->events().Raise(Event::GotFocus, args);
      case EN_KILLFOCUS:
      case BN_KILLFOCUS:
        return control->events().Raise(Event::LostFocus, args);
    }
    return false;
  }
  if (id == IDCANCEL) {
    if (!events_.Raise(Event::Cancel, args) && closeOnCancel_) Close();
    return true;
  }
  return false;
}

bool Form::OnNotify(LPARAM l, INT_PTR& result) {
  auto* header = reinterpret_cast<NMHDR*>(l);
  Control* control = FindControl(int(header->idFrom));
  if (!control) return false;
  EventArgs args{0, l};
  args.code = int(header->code);
  Event event;
  switch (header->code) {
    case TCN_SELCHANGE:
      event = Event::Select;
      break;
    case NM_DBLCLK:
      event = Event::DoubleClick;
      break;
    case NM_SETFOCUS:
      event = Event::GotFocus;
      break;
    case NM_KILLFOCUS:
      event = Event::LostFocus;
      break;
    default:
      event = Event::Change;
      break;  // controls of our own send their own codes
  }
  bool handled = control->events().Raise(event, args);
  result = args.position;
  return handled;
}

bool Form::OnScroll(WPARAM w, LPARAM l) {
  HWND bar = reinterpret_cast<HWND>(l);
  for (Control* c : controls_) {
    if (c->hwnd() != bar) continue;
    EventArgs args{w, l};
    args.code = LOWORD(w);
    args.position = HIWORD(w);
    return c->events().Raise(Event::Scroll, args);
  }
  return false;
}

bool Form::OnPaint() {
  if (events_.Empty()) return false;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  EventArgs args;
  args.dc = dc;
  events_.Raise(Event::Paint, args);
  EndPaint(hwnd_, &ps);
  return true;  // painted here, whether or not a handler drew anything
}

void Form::OnDestroyed() {
  for (auto& [id, timer] : timers_) timer->Stop();
  events_.Raise(Event::Destroy);
  for (Control* c : controls_) {
    c->events().Raise(Event::Destroy);
    c->Detach();
  }
  controls_.clear();
  events_.Clear();
}

}  // namespace tk
