// A window made from a dialog template ("ID_" and the class name). One dialog procedure finds
// the Form and decodes the messages into the events of the form and of its controls.
//
// Ownership: a Form owns its window (destroyed with the Form at the latest); its controls are
// members of the derived form and only wrap child windows of the dialog.
//
// Lifetimes: the form, its controls and its timers may go in any order. A form object that
// goes with its window still open lets the window go silently: by then the derived form's
// members are gone, so no handler runs. Destroy the window first where its destroy events
// matter.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/events.h"
#include "toolkit/handles.h"
#include "toolkit/timer.h"

namespace tk {

// A member control, its item number from the form's ids header (IDC_ and the control's name)
// and its name, for Bind: `Bind(TK_ITEM(optb_640x480))`. The name is written once.
#define TK_ITEM(control) control, IDC_##control, #control

// The window message that carries a form's user event; other threads may post it.
inline constexpr UINT kUserEventMessage = WM_APP + 1;

class Form : public EventSource, public ControlHost, public TimerHost {
 public:
  explicit Form(std::wstring templateName);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  // Creates the window as a modeless form; false when the template or window failed.
  bool Create(HWND owner);
  // Runs the form as a modal dialog and returns the code EndModal gave.
  INT_PTR RunModal(HWND owner);
  void EndModal(INT_PTR result);
  // Asks the form to close, as its close box does.
  void Close();
  void Destroy();

  HWND hwnd() const { return hwnd_; }
  void PostUserEvent(WPARAM w = 0, LPARAM l = 0);

  // Binds a control to the template item and names it; it receives its events from now on.
  void Bind(Control& control, int id, std::string name);
  // Forgets a control that goes before the form's window.
  void Unbind(Control& control) override;
  Control* FindControl(HWND window) const;
  // For the tests: a bound control by its item number; the number of handlers of the form,
  // its controls and its timers.
  Control* FindControl(int id) const;
  size_t HandlerCount() const;

  void SetBackground(COLORREF colour);
  void SetSystemBackground(int colourIndex);
  void SetTextColour(COLORREF colour) { textColour_ = colour; }
  COLORREF TextColour() const { return textColour_; }
  // A font text such as "10.MS Sans Serif.Bold.CharSet=204"; the form and its children use it.
  void SetFont(const std::string& fontText);
  HFONT Font() const { return font_.get(); }
  void SetName(std::string name) { name_ = std::move(name); }
  const std::string& name() const { return name_; }
  // Whether Esc (IDCANCEL) closes the form like its close box; otherwise Esc only raises Cancel.
  // A modal form always closes; only the tests set it for a modeless one.
  void SetCloseOnCancel(bool on) { closeOnCancel_ = on; }

  // The timers made for this form (toolkit/timer.h) run on its window.
  HWND TimerWindow() const override { return hwnd_; }
  UINT_PTR AddTimer(Timer& timer) override;
  void RemoveTimer(Timer& timer) override;

  // Lets the modeless forms see their keyboard navigation; true when the message was theirs.
  static bool PreTranslate(MSG& msg);

 protected:
  // Binds the controls and registers the handlers. Runs once the window exists; the form then
  // raises its own CreateEvent and its controls' create events.
  virtual void Register() = 0;
  // Runs after the create events, last thing of the window's creation.
  virtual void Created() {}
  // A chance to handle a raw message before the decoding; set handled to keep it.
  virtual INT_PTR RawMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
  }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  INT_PTR Dispatch(UINT message, WPARAM w, LPARAM l, bool& handled);
  void Initialise(HWND hwnd);
  bool OnCommand(WPARAM w, LPARAM l);
  bool OnNotify(LPARAM l, LRESULT& result);
  bool OnScroll(WPARAM w, LPARAM l);
  bool OnPaint();
  void OnDestroyed();

  std::wstring templateName_;
  std::string name_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
  bool closeOnCancel_ = false;
  std::vector<Control*> controls_;
  std::map<UINT_PTR, Timer*> timers_;
  UINT_PTR lastTimerId_ = 0x7000;
  BrushHandle background_;
  HBRUSH backgroundBrush_ = nullptr;
  COLORREF textColour_ = RGB(0, 0, 0);
  FontHandle font_;
};

}  // namespace tk
