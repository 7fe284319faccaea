// A one-line edit box. Every change of its text, typed or set, raises the change event.
#pragma once

#include "toolkit/control.h"

namespace tk {

class TextBox : public Control {
 public:
  void SetLimit(int characters) { Send(EM_SETLIMITTEXT, WPARAM(characters)); }
  void SelectAll() { Send(EM_SETSEL, 0, -1); }

  bool DecodeCommand(int code) override {
    switch (code) {
      case EN_CHANGE:
        return RaiseCode<Event::Change>(code);
      case EN_SETFOCUS:
        return RaiseCode<Event::GotFocus>(code);
      case EN_KILLFOCUS:
        return RaiseCode<Event::LostFocus>(code);
    }
    return false;
  }
};

}  // namespace tk
