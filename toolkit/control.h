// A non-owning wrapper of one child window of a form: the dialog owns the window. A control is
// bound to its template item by number and given a name.
#pragma once

#include <windows.h>

#include <string>

#include "events.h"

namespace tk {

class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  void Attach(HWND window, int id, std::string name);
  void Detach();

  HWND hwnd() const { return hwnd_; }
  int id() const { return id_; }
  const std::string& name() const { return name_; }
  EventTable& events() { return events_; }
  void On(Event event, Handler handler) { events_.On(event, std::move(handler)); }

  std::wstring Text() const;
  void SetText(const std::wstring& text);
  void Enable(bool on);
  bool IsEnabled() const;
  void Show(bool on);
  bool IsVisible() const;
  void Focus();
  RECT WindowRect() const;
  void Move(int x, int y, int width, int height);
  LRESULT Send(UINT message, WPARAM w = 0, LPARAM l = 0) const;

 private:
  HWND hwnd_ = nullptr;
  int id_ = 0;
  std::string name_;
  EventTable events_;
};

}  // namespace tk
