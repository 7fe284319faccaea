// The base of the controls of our own window class (the grid, for one). The class is
// registered once per name; one static window procedure finds the object and keeps exceptions
// out of user32, as the dialog procedure does.
//
// Such a control comes either from a dialog template that names its class (the object is then
// found from Bind on; messages before that get the default handling), or from Create, which
// hands the object over with WM_NCCREATE. Inside a dialog it asks, through WM_GETDLGCODE, for
// the keys it wants: the arrows and characters always, Enter and Space when WantsKey says so.
// Tab and Esc stay the dialog's. Its key-down, focus and size events come from its own
// messages.
#pragma once

#include <string>

#include "toolkit/control.h"

namespace tk {

class CustomControl : public Control {
 public:
  // A window that a template made outlives the object: it no longer leads here. A window that
  // Create made goes with the object.
  ~CustomControl() override;

  // Registers the window class; the template that names it must come after. True when the
  // class is there.
  static bool RegisterClass(const wchar_t* className);
  // Creates the control as a child of `parent` with the item number `id`.
  bool Create(const wchar_t* className, HWND parent, int id, const RECT& bounds,
              DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP, std::string name = {});

  void Attach(HWND window, int id, std::string name) override;
  void Detach() override;

 protected:
  // The messages of the window; the default keeps the events of the base and hands the rest
  // to DefWindowProcW.
  virtual LRESULT WindowProc(UINT message, WPARAM w, LPARAM l);
  // Whether the control takes this key itself inside a dialog (Enter, Space, ...).
  virtual bool WantsKey(UINT /*key*/) const { return false; }
  virtual void Paint(HDC /*dc*/, const RECT& /*client*/) {}

 private:
  static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  LRESULT DialogCode(LPARAM l) const;
  void OnPaint();
  // The window's messages no longer reach this object.
  void Unhook();
  bool owned_ = false;  // the window was made by Create
};

}  // namespace tk
