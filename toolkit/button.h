// A push button, and the base of every kind of button: check box, option button, picture
// button. The focus notices come only from buttons whose style asks for them (BS_NOTIFY).
#pragma once

#include "toolkit/control.h"

namespace tk {

class Button : public Control {
 public:
  // Clicks the button as the player does: it raises its click.
  void Click() { Send(BM_CLICK); }

  bool DecodeCommand(int code) override {
    switch (code) {
      case BN_CLICKED:
        return RaiseCode<Event::Click>(code);
      case BN_DOUBLECLICKED:
        return RaiseCode<Event::DoubleClick>(code);
      case BN_SETFOCUS:
        return RaiseCode<Event::GotFocus>(code);
      case BN_KILLFOCUS:
        return RaiseCode<Event::LostFocus>(code);
    }
    return false;
  }
};

}  // namespace tk
