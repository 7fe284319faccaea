// A one-line edit box. Every change of its text, typed or set, raises the change event.
#pragma once

#include "control.h"

namespace tk {

class TextBox : public Control {
 public:
  void SetLimit(int characters) { Send(EM_SETLIMITTEXT, WPARAM(characters)); }
  void SelectAll() { Send(EM_SETSEL, 0, -1); }
};

}  // namespace tk
