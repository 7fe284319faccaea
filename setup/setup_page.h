// The base of the setup dialog's six pages: what the setup form hands down to a page, and what
// it asks of one.
//
// The form makes the pages at each opening and lets each create its window, from its own
// template, as a child of the form. The controls' create events show the current tables; they
// run as filling (tk::Filling), as does a page's refill after a reset, so that showing a value
// never writes it back.
#pragma once

#include <windows.h>

#include "toolkit/filling.h"
#include "toolkit/form.h"
#include "toolkit/joystick.h"

// What the program that opens the dialog knows and the pages need.
struct SetupContext {
  bool soundCardFound = false;  // the start-up detection found a sound card
  // Where the Joystick page reads the joysticks; none: it reads none.
  tk::JoystickSource* joysticks = nullptr;
};

class SetupPage : public tk::Form {
 public:
  using tk::Form::Form;

  // Creates the page's window as a child of the setup form's window, with the context the
  // form was opened with. False when the template or window failed.
  bool Create(HWND form, const SetupContext& context) {
    context_ = context;
    tk::Filling::Scope filling(filling_);
    return tk::Form::Create(form);
  }

  // Asked when the player closes the dialog: whether the page holds input it cannot keep (a
  // typed name that cannot be used). The form then shows the page and asks it to refuse the
  // input, which tells the player; true keeps the dialog open.
  virtual bool HasUnusableInput() const { return false; }
  virtual bool RefuseUnusableInput() { return false; }

 protected:
  const SetupContext& Context() const { return context_; }

  // The page was shown or hidden (its tab chosen or left), however the form or the tab
  // control does it; the window's visibility is already the new one.
  virtual void ShownOrHidden(bool /*shown*/) {}

  // Active while the page shows the current tables in its controls.
  tk::Filling filling_;

 private:
  INT_PTR RawMessage(UINT message, WPARAM, LPARAM l, bool& handled) final {
    handled = false;
    if (message == WM_WINDOWPOSCHANGED) {
      const UINT flags = reinterpret_cast<const WINDOWPOS*>(l)->flags;
      if (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) ShownOrHidden((flags & SWP_SHOWWINDOW) != 0);
    }
    return 0;
  }

  SetupContext context_;
};
