// A non-owning wrapper of one child window of a form: the dialog owns the window. A control is
// bound to its template item by number and given a name.
//
// The form routes each WM_COMMAND, WM_NOTIFY and scroll message to the control by its window
// handle; the control, which knows its window class, turns the code into its events.
// Notification codes mean different things in different classes (a combo box's 7 is a
// button's 7), so the decoding belongs to each kind of control, never to the form.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/events.h"

namespace tk {

class Control;

// What a control is bound into: its form. A control that goes while still bound tells its
// host, which forgets it; a host that lets its controls go first unhooks them.
class ControlHost {
 public:
  virtual void Unbind(Control& control) = 0;

 protected:
  ~ControlHost() = default;
};

class Control : public EventSource {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  // Unbinds the control from its host, if it has one: any order of destruction is safe.
  virtual ~Control();

  virtual void Attach(HWND window, int id, std::string name);
  // The window goes, or the control leaves it: its handlers go with it.
  virtual void Detach();
  // Set by the host that binds the control, and cleared by it when it lets the control go.
  void SetHost(ControlHost* host) { host_ = host; }

  HWND hwnd() const { return hwnd_; }
  int id() const { return id_; }
  const std::string& name() const { return name_; }

  // The decoders: true when the message became a handled event. `result` is the answer of a
  // WM_NOTIFY; `trackPosition` the thumb's position while it is dragged.
  virtual bool DecodeCommand(int /*code*/) { return false; }
  virtual bool DecodeNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual bool DecodeScroll(int /*code*/, int /*trackPosition*/) { return false; }

  std::wstring Text() const;
  void SetText(const std::wstring& text);
  void Enable(bool on);
  bool IsEnabled() const;
  void Show(bool on);
  void Focus();
  bool HasFocus() const;
  RECT WindowRect() const;
  void Move(int x, int y, int width, int height);
  LRESULT Send(UINT message, WPARAM w = 0, LPARAM l = 0) const;

 protected:
  // Raises a notice or request event with the notification code; true when handled.
  template <Event E>
  bool RaiseCode(int code) {
    NoticeArgs args;
    args.code = code;
    return events_.Raise<E>(args);
  }

 private:
  HWND hwnd_ = nullptr;
  int id_ = 0;
  std::string name_;
  ControlHost* host_ = nullptr;
};

}  // namespace tk
